// The main window: a borderless tool window that shows the back buffer.
#pragma once

#include <windows.h>

extern const char MainWindowClass[];
extern const char MainWindowTitle[];

ATOM RegisterMainWindowClass(HINSTANCE instance);
HWND CreateMainWindow(HINSTANCE instance);
LRESULT CALLBACK MainWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Sizes a new back-buffer bitmap to the client area; always 1.
int CreateBackBuffer(HWND hwnd);
void ReleaseBackBuffer();

// Makes the window translucent at percent (0 to 100) or, at 100 without
// force, plainly opaque again. 1 when the translucency was set or removed.
int SetWindowOpacity(HWND hwnd, int percent, int force);
