// The enlarged arrow drawn from its stretched copy gives DrawIconEx's
// pixels exactly, at every zoom, mirrored or not, smoothed or not, and
// here it never needs DrawIconEx itself (Wine's arrow has alpha: blended
// upright, masked when mirrored).
#include <gtest/gtest.h>

#include <windows.h>

#include "../support/PatternWindow.h"
#include "view/ArrowMark.h"

namespace {

struct Canvas {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ old;
};

// A 32-bit surface like the back buffer, filled with the test pattern.
Canvas MakeCanvas(int w, int h, int mode) {
    HDC screen = GetDC(nullptr);
    Canvas c = {CreateCompatibleDC(screen), CreateCompatibleBitmap(screen, w, h), nullptr};
    ReleaseDC(nullptr, screen);
    c.old = SelectObject(c.dc, c.bitmap);
    SetStretchBltMode(c.dc, mode);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++)
            SetPixelV(c.dc, x, y, PatternColor(x * 3, y * 5));
    return c;
}

void FreeCanvas(Canvas* c) {
    SelectObject(c->dc, c->old);
    DeleteObject(c->bitmap);
    DeleteDC(c->dc);
}

TEST(ArrowMark, SamePixelsAsDrawIconExAtEveryZoomMirroredAndSmoothed) {
    HCURSOR arrow = LoadCursorA(nullptr, (LPCSTR)IDC_ARROW);
    ASSERT_NE(nullptr, arrow);
    const int size = 32 * 3;
    for (int mode : {COLORONCOLOR, HALFTONE})
        for (int zoom : {1, 2, 3, 32})
            for (int mirror = 0; mirror < 4; mirror++) {
                int w = (mirror & 1 ? -32 : 32) * zoom, h = (mirror & 2 ? -32 : 32) * zoom;
                int x = mirror & 1 ? size / 2 + zoom - 1 : size / 2, y = mirror & 2 ? size / 2 + zoom - 1 : size / 2;
                Canvas want = MakeCanvas(size, size, mode), got = MakeCanvas(size, size, mode);
                DrawIconEx(want.dc, x, y, arrow, w, h, 0, nullptr, DI_NORMAL);
                DrawArrowMark(got.dc, arrow, x, y, w, h);
                PixelImage a = ReadPixels(want.dc, 0, 0, size, size), b = ReadPixels(got.dc, 0, 0, size, size);
                FreeCanvas(&want);
                FreeCanvas(&got);
                int bad = 0;
                for (int i = 0; i < size * size; i++)
                    bad += a.At(i % size, i / size) != b.At(i % size, i / size);
                ASSERT_EQ(0, bad) << "mode " << mode << ", zoom " << zoom << ", mirror " << mirror;
                EXPECT_NE(0, ArrowMarkWay()) << "mode " << mode << ", zoom " << zoom << ", mirror " << mirror;
            }
    ReleaseArrowMark();
}

}  // namespace
