// The screen area a redraw shows, read once per redraw into a DIB section
// that the view keeps: the zoomed image is stretched from it, the pointer's
// sample is taken from it, and it is compared with the copy of the redraw
// before. Two copies take turns, so the last one is always at hand.
#pragma once

#include <windows.h>

#include <stdint.h>

#include "core/Rect32.h"
#include "view/AreaSample.h"

// Reads the w x h area at (x, y) through screenDC into the next copy: the
// count pieces of it that lie on monitors, one read each. Everything else
// is black, or white when the copy is to be shown inverted (so that it
// shows black too); all of it is black when a read fails (0 then). A
// single piece that is the whole area needs no fill first.
int ReadScreenCopy(HDC screenDC, int x, int y, int w, int h, const Rect32* pieces, int count,
                   int inverted);

// The memory DC holding the latest copy, its (0, 0) the area's top-left.
HDC ScreenCopyDC();

// The latest copy's pixels (for an area sample); 0 when the latest read
// failed or there was none.
int LatestScreenPixels(ScreenPixels* out);

// 1 when the latest read and the one before it read the same area with
// the same pixels.
int ScreenCopyUnchanged();

// Reads the size x size square whose top-left pixel is (x, y) through
// screenDC in one piece into a small copy of its own, apart from the
// view's two, and hands out its pixels. Whatever lies on no monitor holds
// anything there: the caller leaves it out. 0 when the read failed.
int ReadScreenSquare(HDC screenDC, int x, int y, int size, ScreenPixels* out);

// Forgets the copies and frees them (the window is going).
void ReleaseScreenCopy();
