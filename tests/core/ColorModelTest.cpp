#include <gtest/gtest.h>

#include <limits.h>
#include <stdio.h>

#include <string>

#include "template/ColorModel.h"

namespace {

// "H,S,V H,L,S" of one colour.
std::string Models(int r, int g, int b) {
    int h, s, v, hh, l, ls;
    RgbToHsv(r, g, b, &h, &s, &v);
    RgbToHls(r, g, b, &hh, &l, &ls);
    char out[64];
    snprintf(out, sizeof(out), "%d,%d,%d %d,%d,%d", h, s, v, hh, l, ls);
    return out;
}

TEST(ColorModel, WorkedValues) {
    const struct { int r, g, b; const char* models; } rows[] = {
        {255, 128, 0, "30,255,255 30,127,255"},      {200, 100, 50, "20,191,200 20,125,153"},
        {255, 0, 128, "330,255,255 330,127,255"},    {0, 0, 255, "240,255,255 240,127,255"},
        {100, 0, 1, "0,255,100 0,50,255"},  // -0.6 truncates to 0, never 359
        {255, 255, 255, "0,0,255 0,255,0"},          {0, 0, 0, "0,0,0 0,0,0"},
        // Ties for the maximum: red before green before blue.
        {200, 200, 0, "60,255,200 60,100,255"},      {0, 200, 200, "180,255,200 180,100,255"},
        {200, 0, 200, "300,255,200 300,100,255"},
        // Lightness 127 takes the lower saturation form, 128 the upper one.
        {254, 0, 0, "0,255,254 0,127,255"},          {201, 55, 100, "342,185,201 342,128,146"},
        // A damaged record's components are clamped to 0..255 first.
        {INT_MAX, INT_MIN, 300, "300,255,255 300,127,255"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.models, Models(row.r, row.g, row.b)) << row.r << "," << row.g << "," << row.b;
}

TEST(ColorModel, PercentagesRoundDownOnTheirFullScale) {
    const int bytes[][2] = {{255, 100}, {128, 50}, {1, 0}, {191, 74}, {200, 78}, {125, 49}, {153, 60}};
    for (const auto& c : bytes)
        EXPECT_EQ(c[1], PercentOfByte(c[0])) << c[0];
    // A hue's full scale is 359, not 360.
    const int hues[][2] = {{359, 100}, {180, 50}, {330, 91}, {20, 5}};
    for (const auto& c : hues)
        EXPECT_EQ(c[1], PercentOfHue(c[0])) << c[0];
    EXPECT_EQ(842150449, PercentOfByte(INT_MAX));  // no overflow on a damaged value
}

}  // namespace
