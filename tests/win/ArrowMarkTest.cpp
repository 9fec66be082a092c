// The enlarged arrow drawn from its stretched copy gives DrawIconEx's
// pixels exactly, at every zoom, mirrored or not, smoothed or not, and
// here it never needs DrawIconEx itself (Wine's arrow has alpha: blended
// upright, masked when mirrored).
#include <gtest/gtest.h>

#include <windows.h>

#include "../support/PatternWindow.h"
#include "view/ArrowMark.h"

namespace {

TEST(ArrowMark, SamePixelsAsDrawIconExAtEveryZoomMirroredAndSmoothed) {
    HCURSOR arrow = LoadCursorA(nullptr, (LPCSTR)IDC_ARROW);
    ASSERT_NE(nullptr, arrow);
    // 32-bit surfaces like the back buffer: DrawIconEx draws on the first,
    // DrawArrowMark on the second, each over the test pattern of the third.
    const int size = 32 * 3;
    HDC screen = GetDC(nullptr), dcs[3];
    for (HDC& dc : dcs)
        SelectObject(dc = CreateCompatibleDC(screen), CreateCompatibleBitmap(screen, size, size));
    ReleaseDC(nullptr, screen);
    for (int i = 0; i < size * size; i++)
        SetPixelV(dcs[2], i % size, i / size, PatternColor(i % size * 3, i / size * 5));
    for (int mode : {COLORONCOLOR, HALFTONE})
        for (int zoom : {1, 2, 3, 32})
            for (int mirror = 0; mirror < 4; mirror++) {
                int w = (mirror & 1 ? -32 : 32) * zoom, h = (mirror & 2 ? -32 : 32) * zoom;
                int x = mirror & 1 ? size / 2 + zoom - 1 : size / 2, y = mirror & 2 ? size / 2 + zoom - 1 : size / 2;
                PixelImage drawn[2];
                for (int i : {0, 1}) {
                    BitBlt(dcs[i], 0, 0, size, size, dcs[2], 0, 0, SRCCOPY);
                    SetStretchBltMode(dcs[i], mode);
                    i ? DrawArrowMark(dcs[i], arrow, x, y, w, h)
                      : (void)DrawIconEx(dcs[i], x, y, arrow, w, h, 0, nullptr, DI_NORMAL);
                    drawn[i] = ReadPixels(dcs[i], 0, 0, size, size);
                }
                // And never by DrawIconEx itself.
                ASSERT_TRUE(drawn[0].Bits == drawn[1].Bits && ArrowMarkWay() != 0)
                    << "mode " << mode << ", zoom " << zoom << ", mirror " << mirror << ", way " << ArrowMarkWay();
            }
    ReleaseArrowMark();
    for (HDC dc : dcs) {
        HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
}

}  // namespace
