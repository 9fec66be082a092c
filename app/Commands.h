// The numbered commands of the program (menus, accelerators, hotkeys and
// messages the program posts to itself) and the capture-key bindings.
#pragma once

#include <windows.h>

#include "core/CommandIds.h"

void HandleCommand(HWND window, WPARAM wParam, LPARAM lParam);
void HandleHotkey(HWND window, int hotkeyId);

// Runs the capture key at index: samples at the pointer and puts the result
// on the clipboard. 1 when it produced clipboard output.
int RunCopyKey(HWND window, int index);

// Numbers the capture keys, registers their hotkeys (unless InvalidHotkey)
// and builds the accelerator table. 1 when the table was built.
int ApplyCopyKeyBindings();

// Unregisters the capture keys' hotkeys; always 1.
int ReleaseCopyKeyHotkeys();
