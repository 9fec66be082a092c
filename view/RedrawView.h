// Renders the whole view (zoomed image, grid, cursor mark, frame and the
// information panel) into the back buffer and copies it straight to the
// window; WM_PAINT copies the back buffer again for exposures. Always 1.
#pragma once

#include <windows.h>

int RedrawView(HWND window);

// RedrawView at a pointer position the caller has just read (the timer
// reads it to see whether it moved), so that a redraw reads it once.
int RedrawViewAt(HWND window, POINT pointer);

// The periodic redraw: samples the view like RedrawView, but draws and
// copies only when the picture would differ from the last one drawn (the
// screen area, the pointer, the settings or a panel text changed).
int RefreshView(HWND window);

// The back buffer is new (or going): the next redraw draws everything.
void ForgetDrawnView();
