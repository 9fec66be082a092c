// The bytes of an image capture: header, pixel order, inversion and the
// four gradients, and the size limits of a hand-edited key.
#include <gtest/gtest.h>

#include <stdint.h>
#include <string.h>

#include <vector>

#include "copykey/CaptureImage.h"

namespace {

uint32_t Le32(const uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | ((uint32_t)p[3] << 24);
}

struct Dib {
    std::vector<uint8_t> bytes;
    int width = 0;
    int height = 0;
    // Pixel at column x of row r counted from the bottom, as 0x00RRGGBB.
    uint32_t At(int x, int rowFromBottom) const {
        return Le32(&bytes[DibHeaderSize + ((size_t)rowFromBottom * width + x) * 4]);
    }
    int Grey(int x, int rowFromBottom) const { return At(x, rowFromBottom) & 0xFF; }
};

CaptureImageSpec Spec(int w, int h, ColorRef current, ColorRef previous, int gradient,
                      int invert = 0) {
    CaptureImageSpec s = {};
    s.Width = w;
    s.Height = h;
    s.Invert = invert;
    s.Gradient = gradient;
    s.Current = current;
    s.Previous = previous;
    s.HasPrevious = 1;
    return s;
}

// Fills a block with a guard pattern past its end so that a write beyond
// the computed size shows.
Dib Build(const CaptureImageSpec& spec) {
    Dib d;
    d.width = spec.Width;
    d.height = spec.Height;
    size_t size = 0;
    EXPECT_EQ(1, CaptureDibSize(spec.Width, spec.Height, &size));
    d.bytes.assign(size + 16, 0xA5);
    FillCaptureDib(d.bytes.data(), &spec);
    for (size_t i = size; i < size + 16; i++)
        EXPECT_EQ(0xA5, d.bytes[i]) << "write past the block at " << i;
    d.bytes.resize(size);
    return d;
}

const ColorRef Black = MakeColor(0, 0, 0);
const ColorRef White = MakeColor(255, 255, 255);

TEST(CaptureDib, HeaderDescribesA32BitBottomUpBitmap) {
    Dib d = Build(Spec(3, 2, MakeColor(0x12, 0x34, 0x56), Black, 0));
    ASSERT_EQ(40u + 3 * 2 * 4, d.bytes.size());
    EXPECT_EQ(40u, Le32(&d.bytes[0]));
    EXPECT_EQ(3u, Le32(&d.bytes[4]));
    EXPECT_EQ(2u, Le32(&d.bytes[8]));
    EXPECT_EQ(1, d.bytes[12] | (d.bytes[13] << 8));
    EXPECT_EQ(32, d.bytes[14] | (d.bytes[15] << 8));
    for (int i = 16; i < 40; i++)
        EXPECT_EQ(0, d.bytes[i]) << "header byte " << i;
    // Blue in the lowest byte, then green, red and a zero byte.
    const uint8_t* px = &d.bytes[40];
    EXPECT_EQ(0x56, px[0]);
    EXPECT_EQ(0x34, px[1]);
    EXPECT_EQ(0x12, px[2]);
    EXPECT_EQ(0x00, px[3]);
    for (int r = 0; r < 2; r++)
        for (int x = 0; x < 3; x++)
            EXPECT_EQ(0x123456u, d.At(x, r));
}

TEST(CaptureDib, PlainWhenNoGradientOrNoHistory) {
    Dib d = Build(Spec(2, 2, MakeColor(10, 20, 30), White, 0));
    EXPECT_EQ(0x0A141Eu, d.At(1, 1));
    for (int g : {-3, 0}) {
        Dib n = Build(Spec(4, 1, MakeColor(10, 20, 30), White, g));
        for (int x = 0; x < 4; x++)
            EXPECT_EQ(0x0A141Eu, n.At(x, 0)) << g;
    }
    // First capture ever: a gradient has nothing to run to.
    CaptureImageSpec first = Spec(4, 2, MakeColor(10, 20, 30), White, 1);
    first.HasPrevious = 0;
    Dib f = Build(first);
    for (int x = 0; x < 4; x++)
        EXPECT_EQ(0x0A141Eu, f.At(x, 1));
}

TEST(CaptureDib, InversionTurnsEveryComponentAround) {
    Dib d = Build(Spec(2, 2, MakeColor(255, 0, 16), Black, 0, 1));
    for (int r = 0; r < 2; r++)
        for (int x = 0; x < 2; x++)
            EXPECT_EQ(0x00FFEFu, d.At(x, r));  // RGB(0, 255, 239)
}

TEST(CaptureDib, GradientRightRunsFromCurrentToPreviousOverTheColumns) {
    Dib d = Build(Spec(4, 3, Black, White, 1));
    const int expected[] = {63, 127, 191, 255};
    for (int r = 0; r < 3; r++)
        for (int x = 0; x < 4; x++) {
            EXPECT_EQ(expected[x], d.Grey(x, r)) << x << "," << r;
            uint32_t v = d.At(x, r);
            EXPECT_EQ(v & 0xFF, (v >> 8) & 0xFF);
            EXPECT_EQ(v & 0xFF, (v >> 16) & 0xFF);
            EXPECT_EQ(0u, v >> 24);
        }
}

TEST(CaptureDib, GradientLeftRunsFromPreviousToCurrent) {
    Dib d = Build(Spec(4, 2, Black, White, 2));
    const int expected[] = {192, 128, 64, 0};
    for (int r = 0; r < 2; r++)
        for (int x = 0; x < 4; x++)
            EXPECT_EQ(expected[x], d.Grey(x, r)) << x << "," << r;
}

TEST(CaptureDib, GradientDownPutsCurrentAtTheTopAndPreviousAtTheBottom) {
    Dib d = Build(Spec(3, 2, Black, MakeColor(100, 100, 100), 3));
    for (int x = 0; x < 3; x++) {
        EXPECT_EQ(50, d.Grey(x, 0)) << "bottom row";
        EXPECT_EQ(0, d.Grey(x, 1)) << "top row";
    }
    // Values past 4 run the same way.
    Dib odd = Build(Spec(3, 2, Black, MakeColor(100, 100, 100), 9));
    EXPECT_EQ(d.bytes, odd.bytes);
}

TEST(CaptureDib, GradientUpPutsCurrentAtTheBottom) {
    Dib d = Build(Spec(2, 4, Black, White, 4));
    const int expectedFromBottom[] = {63, 127, 191, 255};
    for (int r = 0; r < 4; r++)
        for (int x = 0; x < 2; x++)
            EXPECT_EQ(expectedFromBottom[r], d.Grey(x, r)) << r;
}

TEST(CaptureDib, GradientKeepsTheComponentsApartAndTruncatesTowardZero) {
    // red falls 200 -> 0, green rises 0 -> 9, blue stays 7; three columns.
    Dib d = Build(Spec(3, 1, MakeColor(200, 0, 7), MakeColor(0, 9, 7), 1));
    // 200 - 200*1/3 = 200 - 66 = 134; green 9*1/3 = 3.
    EXPECT_EQ(0x860307u, d.At(0, 0));
    EXPECT_EQ(0x430607u, d.At(1, 0));  // 200 - 133 = 67
    EXPECT_EQ(0x000907u, d.At(2, 0));
}

TEST(CaptureDib, InvertedGradientInvertsBothEnds) {
    // Current black and previous white swap once inverted.
    Dib d = Build(Spec(4, 1, Black, White, 1, 1));
    const int expected[] = {192, 128, 64, 0};
    for (int x = 0; x < 4; x++)
        EXPECT_EQ(expected[x], d.Grey(x, 0));
}

TEST(CaptureDib, SameColourTwiceGivesAPlainGradient) {
    ColorRef c = MakeColor(0x40, 0x80, 0xC0);
    Dib d = Build(Spec(5, 2, c, c, 1));
    for (int x = 0; x < 5; x++)
        EXPECT_EQ(0x4080C0u, d.At(x, 1));
}

TEST(CaptureDib, WebSafeRoundsEveryGradientLine) {
    CaptureImageSpec s = Spec(4, 1, Black, White, 1);
    s.WebSafe = 1;
    Dib d = Build(s);
    // 63 -> 51, 127 -> 153 (a remainder of 25 rounds up), 191 -> 204.
    const int expected[] = {51, 153, 204, 255};
    for (int x = 0; x < 4; x++)
        EXPECT_EQ(expected[x], d.Grey(x, 0));
}

TEST(CaptureDib, ZeroSizeIsAHeaderAlone) {
    for (int g : {0, 1, 3}) {
        Dib w0 = Build(Spec(0, 5, White, Black, g));
        EXPECT_EQ(40u, w0.bytes.size());
        EXPECT_EQ(0u, Le32(&w0.bytes[4]));
        EXPECT_EQ(5u, Le32(&w0.bytes[8]));
        Dib h0 = Build(Spec(7, 0, White, Black, g));
        EXPECT_EQ(40u, h0.bytes.size());
        EXPECT_EQ(7u, Le32(&h0.bytes[4]));
    }
}

TEST(CaptureDib, WideGradientDoesNotOverflowTheStepArithmetic) {
    // 255 * 16,777,216 is past 32 bits; the last line must still be the end.
    const int n = 1 << 24;
    EXPECT_EQ(White, GradientLineColor(Black, White, n - 1, n));
    EXPECT_EQ(MakeColor(127, 127, 127), GradientLineColor(Black, White, n / 2 - 1, n));
    EXPECT_EQ(Black, GradientLineColor(White, Black, n - 1, n));
}

TEST(CaptureDibSize, CountsHeaderAndFourBytesAPixel) {
    size_t size = 1;
    EXPECT_EQ(1, CaptureDibSize(0, 0, &size));
    EXPECT_EQ(40u, size);
    EXPECT_EQ(1, CaptureDibSize(256, 256, &size));
    EXPECT_EQ(40u + 256 * 256 * 4, size);
    // Exactly the limit: 256 MiB of pixels would pass the limit with the header.
    EXPECT_EQ(1, CaptureDibSize(1, (MaxCaptureBlockSize - 40) / 4, &size));
    EXPECT_EQ((size_t)MaxCaptureBlockSize, size);
}

TEST(CaptureDibSize, RefusesHugeAndWrappingSizes) {
    size_t size = 1;
    EXPECT_EQ(0, CaptureDibSize(8192, 8192, &size));  // 256 MiB plus the header
    EXPECT_EQ(0u, size);
    // 65536 * 65536 * 4 wraps to 0 in 32 bits.
    EXPECT_EQ(0, CaptureDibSize(65536, 65536, &size));
    EXPECT_EQ(0, CaptureDibSize(0x7FFFFFFF, 0x7FFFFFFF, &size));
    EXPECT_EQ(0, CaptureDibSize(-1, 4, &size));
    EXPECT_EQ(0, CaptureDibSize(4, -1, &size));
}

TEST(CaptureImageSpecFromKey, TakesSizeOptionsColourAndHistory) {
    Settings s;
    SetDefaultSettings(&s);
    PointInfo info;
    ResetPointInfoFields(&info, nullptr);
    info.Red = 1;
    info.Green = 2;
    info.Blue = 3;
    CopyKey key;
    InitCopyKey(&key);
    key.Kind = CopyKindImage;
    key.Width = -20;
    key.Height = 7;
    key.Invert = 1;
    key.Gradient = 4;

    CaptureImageSpec spec;
    MakeCaptureImageSpec(&key, &info, &s, &spec);
    EXPECT_EQ(0, spec.Width);  // a negative size counts as none
    EXPECT_EQ(7, spec.Height);
    EXPECT_EQ(1, spec.Invert);
    EXPECT_EQ(4, spec.Gradient);
    EXPECT_EQ(MakeColor(1, 2, 3), spec.Current);
    EXPECT_EQ(0, spec.HasPrevious);
    EXPECT_EQ(0, spec.WebSafe);

    s.HistoryColor[0] = MakeColor(9, 8, 7);
    s.HistoryCount = 3;
    s.WebSafeColor = 1;
    key.Height = -1;
    MakeCaptureImageSpec(&key, &info, &s, &spec);
    EXPECT_EQ(0, spec.Height);
    EXPECT_EQ(MakeColor(9, 8, 7), spec.Previous);
    EXPECT_EQ(1, spec.HasPrevious);
    EXPECT_EQ(1, spec.WebSafe);
}

}  // namespace
