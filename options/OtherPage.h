// The Other page of the options sheet: how the image is drawn, how
// captured colours are kept, the double-click, the hotkey switch and the
// size of the sampled square.
#pragma once

#include <windows.h>

INT_PTR CALLBACK OtherPageProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam);
