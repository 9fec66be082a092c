// The capture menu: every capture key in list order with a preview of what
// it would copy from the sample taken when the menu opened.
#pragma once

#include <windows.h>

// Opens the menu at pt (screen coordinates) over gApp.CapturePointInfo and
// runs the chosen key's capture on that sample. 1 when an entry was chosen
// and its capture succeeded.
int ShowCaptureMenu(HWND window, POINT pt);

// The popup menu of the current capture keys (entry identifier = list
// index + 1); null when it cannot be built. The caller destroys it.
HMENU CreateCaptureMenu();

// Runs the entry chosen from the menu (0: dismissed) and redraws the view
// after a successful capture. 1 when the capture succeeded.
int RunCaptureMenuChoice(HWND window, int chosen);
