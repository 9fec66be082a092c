// A memory DC with a bitmap of its own selected into it: made, used and
// released as one. The view's screen copies and the arrow mark's stretched
// copies are such surfaces.
#pragma once

#include <stdint.h>
#include <windows.h>

struct MemorySurface {
    HDC Dc;
    HBITMAP Bitmap;
    HGDIOBJ Replaced;  // what the bitmap replaced in Dc, put back at release
    uint32_t* Bits;    // the pixels of a DIB section; null for other bitmaps
    int Width, Height;
};

// A 32-bit top-down DIB section of w x h, all zeros, so that its rows are w
// pixels apart. 1 when made; otherwise s is left empty.
int MakeDibSurface(MemorySurface* s, int w, int h);

// A bitmap of like's own format. 1 when made; otherwise s is left empty.
int MakeCompatibleSurface(MemorySurface* s, HDC like, int w, int h);

// Releases the DC and the bitmap and empties s; an empty s stays empty.
void FreeMemorySurface(MemorySurface* s);
