#include <gtest/gtest.h>

#include <limits.h>

#include "template/ColorModel.h"

namespace {

struct ModelRow {
    int r, g, b;
    int hsvH, hsvS, hsvV;
    int hlsH, hlsL, hlsS;
};

TEST(ColorModel, WorkedValues) {
    const ModelRow rows[] = {
        {255, 128, 0, 30, 255, 255, 30, 127, 255},
        {200, 100, 50, 20, 191, 200, 20, 125, 153},
        {100, 200, 150, 150, 127, 200, 150, 150, 121},
        {255, 0, 128, 330, 255, 255, 330, 127, 255},
        {0, 0, 255, 240, 255, 255, 240, 127, 255},
        {100, 0, 1, 0, 255, 100, 0, 50, 255},  // -0.6 truncates to 0, never 359
        {128, 128, 128, 0, 0, 128, 0, 128, 0},
        {255, 255, 255, 0, 0, 255, 0, 255, 0},
        {0, 0, 0, 0, 0, 0, 0, 0, 0},
        {1, 0, 0, 0, 255, 1, 0, 0, 255},
        // Ties for the maximum: red before green before blue.
        {200, 200, 0, 60, 255, 200, 60, 100, 255},
        {0, 200, 200, 180, 255, 200, 180, 100, 255},
        {200, 0, 200, 300, 255, 200, 300, 100, 255},
        // max + min = 255: lightness 127 still takes the lower saturation form.
        {255, 0, 0, 0, 255, 255, 0, 127, 255},
        {200, 55, 100, 342, 184, 200, 342, 127, 145},
        // Lightness 128 switches to the upper form.
        {201, 55, 100, 342, 185, 201, 342, 128, 146},
    };
    for (const ModelRow& row : rows) {
        int h = -1, s = -1, v = -1;
        RgbToHsv(row.r, row.g, row.b, &h, &s, &v);
        EXPECT_EQ(row.hsvH, h) << row.r << "," << row.g << "," << row.b;
        EXPECT_EQ(row.hsvS, s) << row.r << "," << row.g << "," << row.b;
        EXPECT_EQ(row.hsvV, v) << row.r << "," << row.g << "," << row.b;
        int lh = -1, l = -1, ls = -1;
        RgbToHls(row.r, row.g, row.b, &lh, &l, &ls);
        EXPECT_EQ(row.hlsH, lh) << row.r << "," << row.g << "," << row.b;
        EXPECT_EQ(row.hlsL, l) << row.r << "," << row.g << "," << row.b;
        EXPECT_EQ(row.hlsS, ls) << row.r << "," << row.g << "," << row.b;
    }
}

TEST(ColorModel, EveryGreyHasNoHueAndNoSaturation) {
    for (int g = 0; g <= 255; g++) {
        int h, s, v;
        RgbToHsv(g, g, g, &h, &s, &v);
        EXPECT_EQ(0, h);
        EXPECT_EQ(0, s);
        EXPECT_EQ(g, v);
        RgbToHls(g, g, g, &h, &v, &s);
        EXPECT_EQ(0, h);
        EXPECT_EQ(0, s);
        EXPECT_EQ(g, v);
    }
}

TEST(ColorModel, Percentages) {
    EXPECT_EQ(100, PercentOfByte(255));
    EXPECT_EQ(50, PercentOfByte(128));
    EXPECT_EQ(20, PercentOfByte(51));
    EXPECT_EQ(0, PercentOfByte(1));
    EXPECT_EQ(100, PercentOfHue(359));
    EXPECT_EQ(50, PercentOfHue(180));
    EXPECT_EQ(91, PercentOfHue(330));
    EXPECT_EQ(66, PercentOfHue(240));
    EXPECT_EQ(16, PercentOfHue(60));
    // 200,100,50: HSV 20,191,200 and HLS 20,125,153.
    EXPECT_EQ(5, PercentOfHue(20));
    EXPECT_EQ(74, PercentOfByte(191));
    EXPECT_EQ(78, PercentOfByte(200));
    EXPECT_EQ(49, PercentOfByte(125));
    EXPECT_EQ(60, PercentOfByte(153));
}

TEST(ColorModel, DamagedComponentsAreClampedWithoutOverflow) {
    int h, s, v;
    RgbToHsv(INT_MAX, INT_MIN, 300, &h, &s, &v);
    EXPECT_EQ(300, h);  // taken as 255, 0, 255
    EXPECT_EQ(255, s);
    EXPECT_EQ(255, v);
    int l;
    RgbToHls(-5, 1000, 128, &h, &l, &s);
    int eh, el, es;
    RgbToHls(0, 255, 128, &eh, &el, &es);
    EXPECT_EQ(eh, h);
    EXPECT_EQ(el, l);
    EXPECT_EQ(es, s);
    EXPECT_EQ((int)((long long)INT_MAX * 100 / 255), PercentOfByte(INT_MAX));
    EXPECT_EQ((int)((long long)INT_MIN * 100 / 359), PercentOfHue(INT_MIN));
}

}  // namespace
