// The colour of an area sample: the mean of the square of screen pixels
// around the pointer's pixel, over patterns whose means are worked out by
// hand, at the edges of the monitors and of the copy.
#include <gtest/gtest.h>

#include <limits.h>

#include <functional>
#include <vector>

#include "core/SampleSize.h"
#include "view/AreaSample.h"

namespace {

// A screen copy of w x h pixels whose top-left pixel is (x0, y0), each
// pixel (0x00RRGGBB) from the pattern at its screen point.
struct Copy {
    std::vector<uint32_t> bits;
    ScreenPixels pixels;
    Copy(int x0, int y0, int w, int h, const std::function<uint32_t(int, int)>& pattern)
        : bits((size_t)w * (size_t)h) {
        for (int y = 0; y < h; y++)
            for (int x = 0; x < w; x++)
                bits[(size_t)y * (size_t)w + (size_t)x] = pattern(x0 + x, y0 + y);
        pixels = {bits.data(), w, h, w, x0, y0};
    }
};

const Rect32 kOneScreen[] = {{0, 0, 1280, 1024}};
const ColorRef kUntouched = 0xDEADBEEF;

// The mean and the number of pixels it took, as "RRGGBB/n" (colour
// reference components in the order red, green, blue: grey 170 is
// "AAAAAA/n"); "-/0" when none.
std::string Mean(const Copy& c, int px, int py, int size, const Rect32* rects, int count) {
    ColorRef mean = kUntouched;
    int n = AverageSquare(&c.pixels, px, py, size, rects, count, &mean);
    char out[32];
    if (n == 0 && mean == kUntouched)
        snprintf(out, sizeof(out), "-/0");
    else
        snprintf(out, sizeof(out), "%02X%02X%02X/%d", ColorRed(mean), ColorGreen(mean), ColorBlue(mean), n);
    return out;
}

// Black left of x = 120, white from there on.
TEST(AreaSample, BlackAndWhiteEdge) {
    Copy c(100, 200, 40, 20, [](int x, int) { return x < 120 ? 0x000000u : 0xFFFFFFu; });
    const struct { int px, size; std::string want; } cases[] = {
        // The pointer on the first white column.
        {120, 1, "FFFFFF/1"},
        {120, 3, "AAAAAA/9"},     // columns 119 black, 120 and 121 white: 255 * 6 / 9 = 170
        {120, 5, "999999/25"},    // 118, 119 black, 120 to 122 white: 255 * 15 / 25 = 153
        {120, 15, "888888/225"},  // 113 to 119 black, 120 to 127 white: 255 * 120 / 225 = 136
        // The pointer on the last black column.
        {119, 1, "000000/1"},
        {119, 3, "555555/9"},     // one white column of three: 255 / 3 = 85
        {119, 5, "666666/25"},    // two of five: 255 * 2 / 5 = 102
        {119, 15, "777777/225"},  // 112 to 118 ... 120 to 126: seven of fifteen, 255 * 7 / 15 = 119
        // A size that is not in the list is taken as its nearest one below.
        {120, 4, "AAAAAA/9"}, {120, 0, "FFFFFF/1"}, {120, 99, "888888/225"},
    };
    for (const auto& k : cases)
        EXPECT_EQ(k.want, Mean(c, k.px, 210, k.size, kOneScreen, 1)) << k.px << " N " << k.size;
}

// Every size over one colour gives that colour; size 1 gives the pointer's
// own pixel however its neighbours differ. DIB pixels are 0x00RRGGBB.
TEST(AreaSample, OneColourAndThePointersOwnPixel) {
    Copy flat(0, 0, 30, 30, [](int, int) { return 0x123456u; });
    for (int size : SampleSizes)
        EXPECT_EQ("123456/" + std::to_string(size * size), Mean(flat, 15, 15, size, kOneScreen, 1)) << size;
    Copy noise(0, 0, 30, 30, [](int x, int y) { return (uint32_t)(x * 7919 + y * 104729) & 0xFFFFFF; });
    // (12, 17): 12 * 7919 + 17 * 104729 = 1875421 = 0x1C9DDD.
    EXPECT_EQ("1C9DDD/1", Mean(noise, 12, 17, 1, kOneScreen, 1));
}

// Two monitors side by side, the right one shorter: below it lies no
// desktop, and the copy holds black there, as a read leaves what the screen
// cannot supply. Those pixels, and those the copy does not reach, are left
// out of the mean.
TEST(AreaSample, PixelsOffEveryMonitorAndOutsideTheCopyAreLeftOut) {
    const Rect32 monitors[] = {{0, 0, 1280, 1024}, {1280, 0, 2560, 768}};
    auto pattern = [](int x, int y) { return x < 1280 ? 0xFFFFFFu : y < 768 ? 0x006405u : 0u; };
    Copy c(1270, 760, 20, 20, pattern);  // x 1270 to 1289, y 760 to 779
    // (1280, 768) lies on neither monitor. Of its 3 x 3 square, column 1279
    // (3 white pixels on the left monitor) and row 767 of 1280 and 1281 (2
    // pixels 00 64 05 on the right one) count: red 3 * 255 / 5 = 153, green
    // (765 + 200) / 5 = 193, blue (765 + 10) / 5 = 155.
    EXPECT_EQ("99C19B/5", Mean(c, 1280, 768, 3, monitors, 2));
    // Were it all one monitor, the four black pixels would count: red 765 /
    // 9 = 85, green 965 / 9 = 107.2, blue 775 / 9 = 86.1.
    const Rect32 whole[] = {{0, 0, 4000, 4000}};
    EXPECT_EQ("556B56/9", Mean(c, 1280, 768, 3, whole, 1));
    // Beyond the desktop: no pixel at all; the caller samples the single
    // pixel then.
    EXPECT_EQ("-/0", Mean(c, 1285, 775, 3, monitors, 2));
    // 15 x 15 round (1285, 775): x 1278 to 1292, y 768 to 782. Columns 1278
    // and 1279 are on the left monitor, rows 768 to 779 in the copy: 24
    // white pixels; the right monitor ends above row 768.
    EXPECT_EQ("FFFFFF/24", Mean(c, 1285, 775, 15, monitors, 2));
    // Without any monitor nothing counts.
    EXPECT_EQ("-/0", Mean(c, 1275, 765, 3, monitors, 0));
    // On one monitor, a copy smaller than the square: at its right edge
    // the column beyond it and at its corner the row below it are left
    // out (2 x 3 and 2 x 2 pixels), never read from the next row or past
    // the end.
    Copy small(0, 0, 20, 20, [](int x, int) { return x == 19 ? 0xFFFFFFu : 0u; });
    EXPECT_EQ("808080/6", Mean(small, 19, 10, 3, kOneScreen, 1));  // 765 / 6 = 127.5, up to 128
    EXPECT_EQ("808080/4", Mean(small, 19, 19, 3, kOneScreen, 1));  // 510 / 4 = 127.5
    // The ends of the int range reach no overflow (UBSan watches): x up to
    // INT_MAX - 1 (the right edge is exclusive), y from INT_MIN.
    Copy corner(INT_MAX - 3, INT_MIN, 4, 4, [](int, int) { return 0x0A0B0Cu; });
    const Rect32 far[] = {{INT_MAX - 3, INT_MIN, INT_MAX, INT_MIN + 4}};
    EXPECT_EQ("0A0B0C/2", Mean(corner, INT_MAX, INT_MIN, 3, far, 1));
    EXPECT_EQ("-/0", Mean(corner, INT_MIN, INT_MAX, 15, far, 1));
}

}  // namespace
