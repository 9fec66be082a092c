// System-wide hotkeys of the capture keys, registered for the main window.
#pragma once

#include <windows.h>

// Registers combo (a KeyCombo) under id for window: 1 when registered, 0
// when the combination is taken. A combo of 0 or below releases id instead
// and returns 0.
int RegisterCopyKeyHotkey(HWND window, int combo, int id);

// Releases id; the result of UnregisterHotKey.
int UnregisterCopyKeyHotkey(HWND window, int id);
