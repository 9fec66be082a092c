// The Window page of the options sheet: always on top, translucency with
// its live preview, the background colour and the frame width.
#pragma once

#include <windows.h>

INT_PTR CALLBACK WindowPageProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam);
