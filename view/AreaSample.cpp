#include "view/AreaSample.h"

#include "core/SampleSize.h"

static bool OnSomeRect(long long x, long long y, const Rect32* rects, int count) {
    for (int i = 0; i < count; i++) {
        const Rect32& r = rects[i];
        if (x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom)
            return true;
    }
    return false;
}

// The mean of total over n values, rounded half up: (2 total + n) / 2n.
static int RoundedMean(int total, int n) {
    return (2 * total + n) / (2 * n);
}

int AverageSquare(const ScreenPixels* copy, int px, int py, int size, const Rect32* rects, int count,
                  ColorRef* mean) {
    if (!copy || !copy->Bits || !mean || (count > 0 && !rects))
        return 0;
    // Coordinates in 64 bits: a pointer near the end of the int range
    // stays without overflow however far the square reaches.
    int half = NormalSampleSize(size) / 2;
    int n = 0, red = 0, green = 0, blue = 0;
    for (long long y = (long long)py - half; y <= (long long)py + half; y++) {
        long long row = y - copy->OriginY;
        if (row < 0 || row >= copy->Height)
            continue;
        for (long long x = (long long)px - half; x <= (long long)px + half; x++) {
            long long column = x - copy->OriginX;
            if (column < 0 || column >= copy->Width || !OnSomeRect(x, y, rects, count))
                continue;
            uint32_t v = copy->Bits[row * copy->Stride + column];
            red += (int)((v >> 16) & 0xFF);
            green += (int)((v >> 8) & 0xFF);
            blue += (int)(v & 0xFF);
            n++;
        }
    }
    if (n == 0)
        return 0;
    *mean = MakeColor(RoundedMean(red, n), RoundedMean(green, n), RoundedMean(blue, n));
    return n;
}
