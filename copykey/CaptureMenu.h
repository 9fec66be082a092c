// The capture menu: every capture key in list order with a preview of what
// it would copy from the sample taken when the menu opened.
#pragma once

#include <windows.h>

// Opens the menu at pt (screen coordinates) with the previews expanded over
// gApp.CapturePointInfo. The chosen key's list index, -1 when the menu was
// dismissed or could not be built.
int ShowCaptureMenu(HWND window, POINT pt);

// The popup menu of the current capture keys (entry identifier = list
// index + 1); null when it cannot be built. The caller destroys it.
HMENU CreateCaptureMenu();
