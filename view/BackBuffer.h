// The main window's drawing surfaces: the back buffer every redraw draws
// into (a memory DC with a bitmap of the client size and the panel font)
// and its stretch mode. They live as long as the window.
#pragma once

#include <windows.h>

// Makes the memory DC, its bitmap and its font for hwnd's client area.
// Without a bitmap nothing is drawn until the next resize; the window keeps
// running.
void CreateBackBuffer(HWND hwnd);

// A bitmap of the new client size; the old one stays when none can be made.
void ResizeBackBuffer(HWND hwnd);

// Releases the bitmap, the font and the DC.
void DestroyBackBuffer();

// The stretch mode of the zoomed copy: smoothed with HalfTone on, exact
// pixels otherwise.
void ApplyStretchMode();
