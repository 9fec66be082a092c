// The colour of an area sample: the mean of the size x size screen pixels
// centred on the pointer's pixel, taken from a copy of the screen that
// holds them. Pure: the shell reads the copy and the monitors' places.
#pragma once

#include <stdint.h>

#include "core/Color.h"
#include "core/PointInfo.h"

// The pixels of a screen copy: the rows of a 32-bit top-down DIB
// (0x00RRGGBB), Stride pixels apart, Width x Height pixels of the screen
// area whose top-left pixel is (OriginX, OriginY).
struct ScreenPixels {
    const uint32_t* Bits;
    int Width;
    int Height;
    int Stride;
    int OriginX;
    int OriginY;
};

// The mean of the size x size pixels centred on (px, py) into *mean: each
// channel's mean of the 8-bit values on its own, rounded half up. size is
// taken as NormalSampleSize(size); 1 gives exactly the pixel at (px, py).
// A pixel counts only when it lies in one of the count rectangles (the
// monitors; right and bottom exclusive) and in the copy: what the copy
// holds beyond the monitors is no colour of the screen but the black a
// failed read leaves. Returns how many pixels were taken; 0 when there was
// none (the pointer beyond every monitor), *mean then left alone.
int AverageSquare(const ScreenPixels* copy, int px, int py, int size, const Rect32* rects, int count,
                  ColorRef* mean);
