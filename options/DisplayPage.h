// The Display page of the options sheet: what the view shows, the user
// line's template with its sample, the swatch size and the redraw timing.
#pragma once

#include <windows.h>

INT_PTR CALLBACK DisplayPageProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam);
