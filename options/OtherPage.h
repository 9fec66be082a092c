// The Other page of the options sheet: how the image is drawn, how
// captured colours are kept, the double-click and the hotkey switch.
#pragma once

#include <windows.h>

INT_PTR CALLBACK OtherPageProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam);
