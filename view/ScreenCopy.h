// The screen area a redraw shows, read once per redraw into a DIB section
// that the view keeps: the zoomed image is stretched from it, the pointer's
// pixel is read from it, and it is compared with the copy of the redraw
// before. Two copies take turns, so the last one is always at hand.
#pragma once

#include <windows.h>

#include <stdint.h>

// Reads the w x h area at (x, y) through screenDC into the next copy.
// Pixels the display context cannot supply stay black, as do all of them
// when the read fails (0 then). inside says the area lies wholly on the
// screen, so no pixel needs the black first.
int ReadScreenCopy(HDC screenDC, int x, int y, int w, int h, int inside);

// The memory DC holding the latest copy, its (0, 0) the area's top-left.
HDC ScreenCopyDC();

// The colour at screen point (px, py) when the latest read covered it and
// the point lies inside [0, screenW) x [0, screenH); 0 otherwise.
int ScreenCopyPixel(int px, int py, int screenW, int screenH, uint32_t* color);

// 1 when the latest read and the one before it read the same area with
// the same pixels.
int ScreenCopyUnchanged();

// Forgets both copies and frees them (the window is going).
void ReleaseScreenCopy();
