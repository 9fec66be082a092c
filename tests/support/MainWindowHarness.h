// The program's main window inside a test process, made by the program's
// own routines (defaults, class, creation) so that RedrawView and the
// window procedure run exactly as in mirabo.exe.
#pragma once

#include <windows.h>

#include "PatternWindow.h"

// Fresh defaults and a main window at x, y, w x h (client size: the window
// has no frame), shown but never activated: Wine takes two seconds to hide
// a window that was once active. Null on failure.
HWND OpenMainWindow(int x, int y, int w, int h);

// Destroys it (when given), drops the quit message its destruction posts
// (a later modal loop in this thread would end at once) and removes the
// system.ini it wrote beside the test program.
void CloseMainWindow(HWND hwnd);
