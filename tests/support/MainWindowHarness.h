// The program's main window inside a test process, made by the program's
// own routines (defaults, class, creation, placement) so that RedrawView
// and the window procedure run exactly as in mirabo.exe.
#pragma once

#include <windows.h>

#include "PatternWindow.h"

// Defaults, the window class and a shown main window at x, y, w x h
// (client size: the window has no frame). Null on failure.
HWND OpenMainWindow(int x, int y, int w, int h);

// Destroys it, drops the quit message its destruction posts (a later modal
// loop in this thread would end at once) and removes a system.ini that the
// destruction wrote beside the test program.
void CloseMainWindow(HWND hwnd);

// Resizes the client area the way the user would (WM_SIZE follows).
void ResizeMainWindow(HWND hwnd, int w, int h);

// The back buffer's pixels.
PixelImage ReadBackBuffer();
