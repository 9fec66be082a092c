// The bytes of an image capture made from a key, the sampled colour and the
// history: header, pixel order, inversion, the four gradients and the size
// limits of a hand-edited key.
#include <gtest/gtest.h>

#include <stdio.h>

#include <algorithm>
#include <string>
#include <vector>

#include "copykey/CaptureImage.h"

static const ColorRef Black = MakeColor(0, 0, 0), White = MakeColor(255, 255, 255);

struct Capture { int width, height, invert, gradient; ColorRef current, previous; int historyCount, webSafe; };

// The block as a capture builds it, its header checked; a guard pattern
// behind the computed size shows a write past the block.
static std::vector<uint8_t> Build(const Capture& c) {
    Settings s = {};
    s.HistoryColor[0] = c.previous, s.HistoryCount = c.historyCount, s.WebSafeColor = c.webSafe;
    PointInfo info = {};
    info.Red = ColorRed(c.current), info.Green = ColorGreen(c.current), info.Blue = ColorBlue(c.current);
    CopyKey key = {};
    key.Kind = CopyKindImage, key.Width = c.width, key.Height = c.height, key.Invert = c.invert, key.Gradient = c.gradient;
    CaptureImageParams params;
    MakeCaptureImageParams(&key, &info, &s, &params);
    size_t size = 0;
    EXPECT_EQ(1, CaptureDibSize(params.Width, params.Height, &size));
    std::vector<uint8_t> d(size + 16, 0xA5);
    FillCaptureDib(d.data(), &params);
    // An uncompressed 32-bit bottom-up info header; width and height are compared by the callers.
    std::vector<uint8_t> header(40, 0);
    header[0] = 40, header[12] = 1, header[14] = 32;
    std::copy(d.begin() + 4, d.begin() + 12, header.begin() + 4);
    EXPECT_EQ(header, std::vector<uint8_t>(d.begin(), d.begin() + 40));
    EXPECT_EQ(std::vector<uint8_t>(16, 0xA5), std::vector<uint8_t>(d.begin() + size, d.end()));
    d.resize(size);
    return d;
}

static uint32_t Le32(const std::vector<uint8_t>& d, size_t at) {
    return d[at] | d[at + 1] << 8 | d[at + 2] << 16 | (uint32_t)d[at + 3] << 24;
}

TEST(CaptureDib, HeaderAndPixelsOfPlainInvertedAndGradientImages) {
    const ColorRef Grey100 = MakeColor(100, 100, 100);
    // "<width>x<height>" from the header, then "|" and the pixels of each
    // row from the bottom up, each pixel's 32-bit value in hex.
    const struct { Capture c; const char* pixels; } cases[] = {
        // Blue in the lowest byte, no row padding.
        {{3, 2, 0, 0, MakeColor(0x12, 0x34, 0x56), White, 1, 0}, "3x2|123456 123456 123456|123456 123456 123456"},
        {{2, 1, 1, 0, MakeColor(255, 0, 16), Black, 1, 0}, "2x1|00ffef 00ffef"},
        // Gradients run from the sample to the newest history colour:
        // 1 rightwards, 2 leftwards, 3 downwards, 4 upwards.
        {{4, 2, 0, 1, Black, White, 1, 0}, "4x2|3f3f3f 7f7f7f bfbfbf ffffff|3f3f3f 7f7f7f bfbfbf ffffff"},
        {{4, 1, 0, 2, Black, White, 1, 0}, "4x1|c0c0c0 808080 404040 000000"},
        {{3, 2, 0, 3, Black, Grey100, 1, 0}, "3x2|323232 323232 323232|000000 000000 000000"},
        {{1, 4, 0, 4, Black, White, 1, 0}, "1x4|3f3f3f|7f7f7f|bfbfbf|ffffff"},
        {{4, 1, 0, 1, Black, White, 0, 0}, "4x1|000000 000000 000000 000000"},  // no history yet
        {{4, 1, 1, 1, Black, White, 1, 0}, "4x1|c0c0c0 808080 404040 000000"},  // both ends inverted
        {{4, 1, 0, 1, Black, White, 1, 1}, "4x1|333333 999999 cccccc ffffff"},  // each line web-safe
        // Components truncate toward zero: red 200 -> 0, green 0 -> 9, blue stays 7.
        {{3, 1, 0, 1, MakeColor(200, 0, 7), MakeColor(0, 9, 7), 1, 0}, "3x1|860307 430607 000907"},
        // A hand-edited negative size counts as 0; no pixels, the header alone.
        {{-20, 7, 0, 1, Black, White, 1, 0}, "0x7"},
    };
    for (const auto& c : cases) {
        std::vector<uint8_t> d = Build(c.c);
        std::string pixels = std::to_string(Le32(d, 4)) + "x" + std::to_string(Le32(d, 8));
        for (size_t i = 0; 40 + i * 4 < d.size(); i++) {
            char buf[16];
            snprintf(buf, sizeof(buf), "%s%06x", i % std::max(Le32(d, 4), 1u) ? " " : "|", Le32(d, 40 + i * 4));
            pixels += buf;
        }
        EXPECT_EQ(c.pixels, pixels);
    }
}

TEST(CaptureDib, GradientOfTheWidestImagesDoesNotOverflow) {
    // 255 times 2^24 lines is past 32 bits; the last line is still the end.
    EXPECT_EQ(White, GradientLineColor(Black, White, (1 << 24) - 1, 1 << 24));
    EXPECT_EQ(MakeColor(127, 127, 127), GradientLineColor(Black, White, (1 << 23) - 1, 1 << 24));
}

TEST(CaptureDibSize, CountsHeaderAndPixelsUpTo256MiBAndRefusesTheRest) {
    const struct { int w, h, ok; size_t size; } cases[] = {
        {256, 256, 1, 40 + 256 * 256 * 4}, {1, ((256 << 20) - 40) / 4, 1, 256 << 20},
        {8192, 8192, 0, 0},  // 256 MiB of pixels plus the header
        {65536, 65536, 0, 0}, {0x7FFFFFFF, 0x7FFFFFFF, 0, 0},  // past 32 bits
        {-1, 4, 0, 0}, {4, -1, 0, 0},
    };
    for (const auto& c : cases) {
        size_t size = 1;
        EXPECT_EQ(c.ok, CaptureDibSize(c.w, c.h, &size)) << c.w << "x" << c.h;
        EXPECT_EQ(c.size, size) << c.w << "x" << c.h;
    }
}
