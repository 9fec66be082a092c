// Tracking a popup menu: the context menu and the capture menu both open
// their menus through here.
#pragma once

#include <windows.h>

// Tracks menu at pt for window until the user chooses or cancels, then
// destroys it. The chosen command, 0 when none or when menu is null.
int TrackMenuChoice(HWND window, HMENU menu, POINT pt);
