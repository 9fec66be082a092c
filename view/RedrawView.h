// Renders the whole view (zoomed image, grid, cursor mark, frame and the
// information panel) into the back buffer and copies it straight to the
// window; WM_PAINT copies the back buffer again for exposures. Always 1.
#pragma once

#include <windows.h>

int RedrawView(HWND window);
