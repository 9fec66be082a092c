#include "view/ScreenCopy.h"

#include <string.h>

#include "view/MemorySurface.h"

// One copy: a 32-bit top-down DIB section of the size last read, and the
// area it last read.
struct CopySurface : MemorySurface {
    int X, Y, W, H;  // the area read; W 0 when nothing valid
};

static CopySurface gCopies[2];
static int gLatest;  // index of the latest copy

static void FreeCopy(CopySurface* s) {
    FreeMemorySurface(s);
    s->X = s->Y = s->W = s->H = 0;
}

// A DIB of exactly w x h, so that its rows are w pixels apart.
static int SizeSurface(CopySurface* s, int w, int h) {
    if (s->Dc && s->Width == w && s->Height == h)
        return 1;
    FreeCopy(s);
    return MakeDibSurface(s, w, h);
}

int ReadScreenCopy(HDC screenDC, int x, int y, int w, int h, const Rect32* pieces, int count,
                   int inverted) {
    gLatest ^= 1;
    CopySurface* s = &gCopies[gLatest];
    s->W = 0;
    if (!screenDC || w <= 0 || h <= 0 || !SizeSurface(s, w, h))
        return 0;
    size_t bytes = (size_t)w * (size_t)h * 4;
    const Rect32 whole = {x, y, x + w, y + h};
    // What lies on no monitor must come out black: white under a stretch
    // that inverts.
    if (!(count == 1 && Rect32Equal(pieces[0], whole)))
        memset(s->Bits, inverted ? 0xFF : 0, bytes);
    int ok = 1;
    for (int i = 0; ok && i < count; i++) {
        const Rect32& p = pieces[i];
        ok = BitBlt(s->Dc, p.Left - x, p.Top - y, p.Right - p.Left, p.Bottom - p.Top, screenDC, p.Left,
                    p.Top, SRCCOPY);
    }
    GdiFlush();  // the bits are read directly
    if (!ok) {
        memset(s->Bits, 0, bytes);
        return 0;
    }
    s->X = x;
    s->Y = y;
    s->W = w;
    s->H = h;
    return 1;
}

HDC ScreenCopyDC() {
    return gCopies[gLatest].Dc;
}

int LatestScreenPixels(ScreenPixels* out) {
    const CopySurface& s = gCopies[gLatest];
    if (s.W == 0)
        return 0;
    *out = ScreenPixels{s.Bits, s.W, s.H, s.Width, s.X, s.Y};
    return 1;
}

int ScreenCopyUnchanged() {
    const CopySurface& a = gCopies[gLatest];
    const CopySurface& b = gCopies[gLatest ^ 1];
    return a.W != 0 && a.X == b.X && a.Y == b.Y && a.W == b.W && a.H == b.H &&
           memcmp(a.Bits, b.Bits, (size_t)a.W * (size_t)a.H * 4) == 0;
}

// The square an area sample reads when the view's copy does not hold it.
static CopySurface gSquare;

int ReadScreenSquare(HDC screenDC, int x, int y, int size, ScreenPixels* out) {
    if (!screenDC || size <= 0 || !SizeSurface(&gSquare, size, size))
        return 0;
    int ok = BitBlt(gSquare.Dc, 0, 0, size, size, screenDC, x, y, SRCCOPY);
    GdiFlush();  // the bits are read directly
    if (!ok)
        return 0;
    *out = ScreenPixels{gSquare.Bits, size, size, gSquare.Width, x, y};
    return 1;
}

void ReleaseScreenCopy() {
    FreeCopy(&gCopies[0]);
    FreeCopy(&gCopies[1]);
    FreeCopy(&gSquare);
    gLatest = 0;
}
