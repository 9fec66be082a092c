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
