// Renders the whole view (zoomed image, grid, cursor mark, frame and the
// information panel) into the back buffer and invalidates the window.
#pragma once

#include <windows.h>

int RedrawView(HWND window);
