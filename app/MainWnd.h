// The main window: a borderless tool window that shows the back buffer.
#pragma once

#include <windows.h>

ATOM RegisterMainWindowClass(HINSTANCE instance);
HWND CreateMainWindow(HINSTANCE instance);
