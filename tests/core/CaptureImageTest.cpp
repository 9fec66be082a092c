// The bytes of an image capture: header, pixel order, inversion, the four
// gradients, and the size limits of a hand-edited key.
#include <gtest/gtest.h>

#include <stdint.h>

#include <vector>

#include "copykey/CaptureImage.h"

namespace {

uint32_t Le32(const uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | ((uint32_t)p[3] << 24);
}

const ColorRef Black = MakeColor(0, 0, 0);
const ColorRef White = MakeColor(255, 255, 255);

// Builds the block with a guard pattern behind it, so that a write past
// the computed size shows.
std::vector<uint8_t> Build(int w, int h, ColorRef current, ColorRef previous, int gradient,
                           int invert = 0, int webSafe = 0, int hasPrevious = 1) {
    CaptureImageParams s = {w, h, invert, gradient, current, previous, hasPrevious, webSafe};
    size_t size = 0;
    EXPECT_EQ(1, CaptureDibSize(w, h, &size));
    std::vector<uint8_t> d(size + 16, 0xA5);
    FillCaptureDib(d.data(), &s);
    for (size_t i = size; i < d.size(); i++)
        EXPECT_EQ(0xA5, d[i]) << "write past the block at " << i;
    d.resize(size);
    return d;
}

// Pixel (x, row counted from the bottom) as 0x00RRGGBB.
uint32_t At(const std::vector<uint8_t>& d, int x, int row) {
    return Le32(&d[40 + ((size_t)row * Le32(&d[4]) + x) * 4]);
}

TEST(CaptureDib, HeaderAndPixelLayout) {
    std::vector<uint8_t> d = Build(3, 2, MakeColor(0x12, 0x34, 0x56), Black, 0);
    ASSERT_EQ(40u + 3 * 2 * 4, d.size());
    EXPECT_EQ(40u, Le32(&d[0]));
    EXPECT_EQ(3u, Le32(&d[4]));
    EXPECT_EQ(2u, Le32(&d[8]));
    EXPECT_EQ(1u | (32u << 16), Le32(&d[12]));  // one plane, 32 bits
    for (int i = 16; i < 40; i++)
        EXPECT_EQ(0, d[i]) << "header byte " << i;
    // Blue lowest, then green, red and a zero byte; no row padding.
    EXPECT_EQ(0x56, d[40]);
    EXPECT_EQ(0x34, d[41]);
    EXPECT_EQ(0x12, d[42]);
    EXPECT_EQ(0x00, d[43]);
    for (int i = 0; i < 6; i++)
        EXPECT_EQ(0x123456u, At(d, i % 3, i / 3));
}

TEST(CaptureDib, PlainImages) {
    ColorRef c = MakeColor(10, 20, 30);
    for (int gradient : {0, -3})
        EXPECT_EQ(0x0A141Eu, At(Build(4, 2, c, White, gradient), 3, 1)) << gradient;
    // First capture ever: a gradient has nothing to run to.
    EXPECT_EQ(0x0A141Eu, At(Build(4, 2, c, White, 1, 0, 0, 0), 0, 0));
    // The same colour twice runs from itself to itself.
    EXPECT_EQ(0x0A141Eu, At(Build(5, 1, c, c, 1), 2, 0));
    // Inverted: RGB(255, 0, 16) becomes RGB(0, 255, 239).
    EXPECT_EQ(0x00FFEFu, At(Build(2, 2, MakeColor(255, 0, 16), Black, 0, 1), 1, 1));
}

struct GradientCase {
    int gradient, w, h, invert, webSafe;
    ColorRef current, previous;
    bool columns;          // lines are columns (else rows from the bottom)
    int greys[4];          // grey level of lines 0 to 3
};

TEST(CaptureDib, GradientsRunLineByLine) {
    const ColorRef Grey100 = MakeColor(100, 100, 100);
    const GradientCase cases[] = {
        {1, 4, 3, 0, 0, Black, White, true, {63, 127, 191, 255}},
        {2, 4, 2, 0, 0, Black, White, true, {192, 128, 64, 0}},
        {3, 3, 2, 0, 0, Black, Grey100, false, {50, 0}},
        {9, 3, 2, 0, 0, Black, Grey100, false, {50, 0}},  // past 4 runs as 3
        {4, 2, 4, 0, 0, Black, White, false, {63, 127, 191, 255}},
        {1, 4, 1, 1, 0, Black, White, true, {192, 128, 64, 0}},   // both ends inverted
        {1, 4, 1, 0, 1, Black, White, true, {51, 153, 204, 255}},  // each line web-safe
    };
    for (const GradientCase& c : cases) {
        std::vector<uint8_t> d = Build(c.w, c.h, c.current, c.previous, c.gradient, c.invert, c.webSafe);
        int lines = c.columns ? c.w : c.h;
        for (int k = 0; k < lines; k++)
            for (int across = 0; across < (c.columns ? c.h : c.w); across++) {
                uint32_t v = c.columns ? At(d, k, across) : At(d, across, k);
                EXPECT_EQ(0x010101u * c.greys[k], v) << "gradient " << c.gradient << " line " << k;
            }
    }
}

TEST(CaptureDib, GradientComponentsTruncateTowardZeroWithoutOverflow) {
    // red 200 -> 0, green 0 -> 9, blue stays 7, over three columns.
    std::vector<uint8_t> d = Build(3, 1, MakeColor(200, 0, 7), MakeColor(0, 9, 7), 1);
    EXPECT_EQ(0x860307u, At(d, 0, 0));  // 200 - 66, 3
    EXPECT_EQ(0x430607u, At(d, 1, 0));  // 200 - 133, 6
    EXPECT_EQ(0x000907u, At(d, 2, 0));
    // 255 times 2^24 lines is past 32 bits; the last line is still the end.
    const int n = 1 << 24;
    EXPECT_EQ(White, GradientLineColor(Black, White, n - 1, n));
    EXPECT_EQ(MakeColor(127, 127, 127), GradientLineColor(Black, White, n / 2 - 1, n));
}

TEST(CaptureDib, ZeroSizeIsAHeaderAlone) {
    for (int g : {0, 1, 3}) {
        std::vector<uint8_t> w0 = Build(0, 5, White, Black, g);
        EXPECT_EQ(40u, w0.size());
        EXPECT_EQ(5u, Le32(&w0[8]));
        EXPECT_EQ(40u, Build(7, 0, White, Black, g).size());
    }
}

TEST(CaptureDibSize, CountsHeaderAndPixelsAndRefusesHugeOrNegativeSizes) {
    size_t size = 1;
    EXPECT_EQ(1, CaptureDibSize(256, 256, &size));
    EXPECT_EQ(40u + 256 * 256 * 4, size);
    EXPECT_EQ(1, CaptureDibSize(1, (MaxCaptureBlockSize - 40) / 4, &size));
    EXPECT_EQ((size_t)MaxCaptureBlockSize, size);
    // 256 MiB of pixels plus the header; sizes that wrap 32 bits; negatives.
    const int refused[][2] = {{8192, 8192}, {65536, 65536}, {0x7FFFFFFF, 0x7FFFFFFF}, {-1, 4}, {4, -1}};
    for (const auto& r : refused) {
        size = 1;
        EXPECT_EQ(0, CaptureDibSize(r[0], r[1], &size)) << r[0] << "x" << r[1];
        EXPECT_EQ(0u, size);
    }
}

TEST(CaptureImageParamsFromKey, TakesSizeOptionsColourAndHistory) {
    Settings s;
    SetDefaultSettings(&s);
    PointInfo info;
    ResetPointInfoFields(&info, nullptr);
    info.Red = 1, info.Green = 2, info.Blue = 3;
    CopyKey key;
    InitCopyKey(&key);
    key.Width = -20;
    key.Height = 7;
    key.Invert = 1;
    key.Gradient = 4;
    CaptureImageParams params;
    MakeCaptureImageParams(&key, &info, &s, &params);
    EXPECT_EQ(0, params.Width);  // a negative size counts as none
    EXPECT_EQ(7, params.Height);
    EXPECT_EQ(1, params.Invert);
    EXPECT_EQ(4, params.Gradient);
    EXPECT_EQ(MakeColor(1, 2, 3), params.Current);
    EXPECT_EQ(0, params.HasPrevious);
    EXPECT_EQ(0, params.WebSafe);

    s.HistoryColor[0] = MakeColor(9, 8, 7);
    s.HistoryCount = 3;
    s.WebSafeColor = 1;
    MakeCaptureImageParams(&key, &info, &s, &params);
    EXPECT_EQ(MakeColor(9, 8, 7), params.Previous);
    EXPECT_EQ(1, params.HasPrevious);
    EXPECT_EQ(1, params.WebSafe);
}

}  // namespace
