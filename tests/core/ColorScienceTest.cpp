// The colour science behind the template tokens, family by family, against
// values computed the plain way (floating point from the published
// matrices, exact fractions for the whole-number models) by
// tools/color-reference.py; the CSS keyword table; the fixed-point tools.
#include <gtest/gtest.h>

#include <limits.h>
#include <math.h>
#include <stdlib.h>
#include <string.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "template/ColorFixedPoint.h"
#include "template/ColorScience.h"
#include "template/CssColorNames.h"

namespace {

// A colour's values in every family, in this order: Lab's L, a, b, C, H
// in hundredths; Oklab's L, a, b, C in ten-thousandths and H in
// hundredths; XYZ in hundredths; the WCAG luminance in ten-thousandths;
// HWB, CMYK and CSS HSL in whole units.
enum { HueLab = 4, HueOklab = 9, WholeFrom = 14 };
std::vector<int> Values(int r, int g, int b) {
    LabColor lab;
    OklabColor ok;
    XyzColor xyz;
    HwbColor hwb;
    CmykColor cmyk;
    HslColor hsl;
    RgbToLab(r, g, b, &lab), RgbToOklab(r, g, b, &ok), RgbToXyz(r, g, b, &xyz);
    RgbToHwb(r, g, b, &hwb), RgbToCmyk(r, g, b, &cmyk), RgbToCssHsl(r, g, b, &hsl);
    return {lab.L, lab.A, lab.B, lab.C, lab.H, ok.L, ok.A, ok.B, ok.C, ok.H, xyz.X, xyz.Y, xyz.Z,
            LuminanceTenThousandths(RelativeLuminance(r, g, b)), hwb.H, hwb.W, hwb.B, cmyk.C, cmyk.M, cmyk.Y,
            cmyk.K, hsl.H, hsl.S, hsl.L};
}

struct Reference {
    int r, g, b;
    int lab[5], oklab[5], xyz[3], luminance, hwb[3], cmyk[4], hsl[3];
    std::vector<int> Values() const {  // in the order of the function above
        std::vector<int> v(lab, lab + 5);
        v.insert(v.end(), oklab, oklab + 5), v.insert(v.end(), xyz, xyz + 3), v.push_back(luminance);
        v.insert(v.end(), hwb, hwb + 3), v.insert(v.end(), cmyk, cmyk + 4), v.insert(v.end(), hsl, hsl + 3);
        return v;
    }
};

// tools/color-reference.py expect R G B, the decimal points dropped. Beside
// the red and orange: a dark blue, a colour one step off grey,
// hues that round to 360 (Lab of 56 1 26, Oklab of 48 1 21) and print as
// 0, values just below zero that print without a sign (Lab a of 0 65 121,
// Lab b of 0 133 116 and 56 1 26, Oklab a of 2 3 8 and b of 48 1 21),
// exact halves of the whole-number models (8 7 7: (8 - 7) / 8 = 12.5 %
// makes 13; 120 0 1: hue 359.5 makes 360, printed as 0).
const Reference kReferences[] = {
    {255, 0, 0, {5429, 8080, 6989, 10684, 4086}, {6280, 2249, 1258, 2577, 2923}, {4124, 2126, 193}, 2126, {0, 0, 0}, {0, 100, 100, 0}, {0, 100, 50}},
    {255, 128, 0, {6782, 4549, 7484, 8758, 5871}, {7319, 1119, 1484, 1858, 5298}, {4896, 3670, 451}, 3670, {30, 0, 0}, {0, 50, 100, 0}, {30, 100, 50}},
    {200, 100, 10, {5403, 3745, 6047, 7113, 5823}, {6114, 925, 1215, 1527, 5273}, {2843, 2142, 292}, 2142, {28, 4, 22}, {0, 50, 95, 22}, {28, 90, 41}},
    {18, 52, 86, {2068, -228, -2459, 2470, 26471}, {3192, -234, -686, 725, 25117}, {316, 326, 927}, 326, {210, 7, 66}, {79, 40, 0, 66}, {210, 65, 20}},
    {0, 0, 255, {2957, 6829, -11203, 13120, 30136}, {4520, -325, -3115, 3132, 26405}, {1805, 722, 9505}, 722, {240, 0, 0}, {100, 100, 0, 0}, {240, 100, 50}},
    {0, 255, 0, {8782, -7927, 8099, 11333, 13438}, {8664, -2339, 1795, 2948, 14250}, {3576, 7152, 1192}, 7152, {120, 0, 0}, {100, 0, 100, 0}, {120, 100, 50}},
    {0, 0, 1, {2, 10, -38, 39, 28525}, {304, -22, -209, 210, 26405}, {1, 0, 3}, 0, {240, 0, 100}, {100, 100, 0, 100}, {240, 100, 0}},
    {128, 128, 129, {5361, 15, -54, 56, 28531}, {6002, 4, -14, 15, 28635}, {2058, 2161, 2386}, 2161, {240, 50, 49}, {1, 1, 0, 49}, {240, 0, 50}},
    {120, 0, 1, {2426, 4629, 3648, 5894, 3824}, {3597, 1290, 714, 1475, 2894}, {775, 400, 39}, 400, {0, 0, 53}, {0, 100, 99, 53}, {0, 100, 24}},
    {8, 7, 7, {198, 27, 10, 29, 1970}, {1301, 20, 6, 21, 1743}, {21, 22, 23}, 22, {0, 3, 97}, {0, 13, 13, 97}, {0, 7, 3}},
    {56, 1, 26, {869, 2824, 0, 2824, 0}, {2225, 880, -11, 881, 35926}, {183, 94, 106}, 94, {333, 0, 78}, {0, 98, 54, 78}, {333, 96, 11}},
    {48, 1, 21, {655, 2502, 35, 2502, 80}, {2021, 792, 0, 792, 0}, {137, 70, 77}, 70, {334, 0, 81}, {0, 98, 56, 81}, {334, 96, 10}},
    {0, 65, 121, {2659, 0, -3773, 3773, 26999}, {3733, -346, -1061, 1116, 25196}, {534, 516, 1880}, 516, {208, 0, 53}, {100, 46, 0, 53}, {208, 100, 24}},
    {0, 133, 116, {4934, -3530, 0, 3530, 18001}, {5524, -1005, 7, 1005, 17962}, {1154, 1804, 1940}, 1804, {172, 0, 48}, {100, 0, 13, 48}, {172, 100, 26}},
    {2, 3, 8, {84, 25, -200, 201, 27704}, {991, 0, -181, 181, 26989}, {10, 10, 24}, 10, {230, 1, 97}, {75, 63, 0, 97}, {230, 60, 2}},
    {119, 119, 119, {5003, 0, 0, 0, 0}, {5693, 0, 0, 0, 0}, {1753, 1845, 2009}, 1845, {0, 47, 53}, {0, 0, 0, 53}, {0, 0, 47}},
    {255, 255, 255, {10000, 0, 0, 0, 0}, {10000, 0, 0, 0, 0}, {9505, 10000, 10891}, 10000, {0, 100, 0}, {0, 0, 0, 0}, {0, 0, 100}},
    {0, 0, 0, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0}, 0, {0, 0, 100}, {0, 0, 0, 100}, {0, 0, 0}},
};

// Within one unit of the last place of a floating-point reference (a value
// on a rounding edge may go either way; a hue also across 0 and 360); the
// whole-number models come from exact fractions: no slack.
TEST(ColorScience, EachFamilyMatchesTheReference) {
    for (const Reference& c : kReferences) {
        const std::vector<int> got = Values(c.r, c.g, c.b), want = c.Values();
        EXPECT_TRUE(got[HueLab] >= 0 && got[HueLab] < 36000 && got[HueOklab] >= 0 && got[HueOklab] < 36000);
        for (int i = 0; i < 24; i++) {
            const int d = abs(want[i] - got[i]);
            EXPECT_TRUE(i < WholeFrom ? d <= 1 || ((i == HueLab || i == HueOklab) && d >= 35999) : d == 0)
                << c.r << " " << c.g << " " << c.b << ": value " << i << " is " << got[i] << ", not " << want[i];
        }
    }
}

// Every grey has hue, chroma, a and b 0 in every model; components outside
// 0..255 count as the nearest end.
TEST(ColorScience, GreysHaveNoHueAndDamagedComponentsAreClamped) {
    for (int v = 0; v < 256; v++) {
        const std::vector<int> got = Values(v, v, v);
        for (int i : {1, 2, 3, 4, 6, 7, 8, 9, 14, 21, 22})  // Lab and Oklab a, b, C, H; HWB's H, HSL's H, S
            EXPECT_EQ(0, got[i]) << v << ": value " << i;
    }
    EXPECT_EQ(Values(0, 255, 0), Values(INT_MIN, 300, -1));
    EXPECT_EQ(Values(0, 0, 0), Values(-7, INT_MIN, -1));
    EXPECT_EQ(RelativeLuminance(255, 255, 255), RelativeLuminance(INT_MAX, 256, 1000));
}

// Pairs whose ratio lies just under or over a threshold (found with
// tools/color-reference.py contrast over all pairs of greys and over
// colours against white and black): the cut never lifts a pair over it.
TEST(ColorScience, ContrastIsCutAndJudgedUncut) {
    const struct { int a[3], b[3]; int hundredths; const char* verdict; } pairs[] = {
        {{119, 119, 119}, {255, 255, 255}, 447, "AA large"},  // 4.478089
        {{239, 239, 239}, {109, 109, 109}, 449, "AA large"},  // 4.499948
        {{236, 20, 0}, {255, 255, 255}, 450, "AA"},           // 4.500030
        {{177, 120, 255}, {255, 255, 255}, 299, "fail"},      // 2.999995
        {{177, 120, 255}, {0, 0, 0}, 700, "AAA"},             // 7.000011
        {{109, 109, 109}, {36, 36, 36}, 300, "AA large"},     // 3.000004
        {{102, 102, 102}, {27, 27, 27}, 299, "fail"},         // 2.999804
        {{190, 190, 190}, {49, 49, 49}, 699, "AA"},           // 6.999053
        {{255, 255, 255}, {0, 0, 0}, 2100, "AAA"},            // 21 exactly
        {{200, 100, 10}, {200, 100, 10}, 100, "fail"},        // 1 exactly
    };
    for (const auto& p : pairs) {
        int64_t la = RelativeLuminance(p.a[0], p.a[1], p.a[2]), lb = RelativeLuminance(p.b[0], p.b[1], p.b[2]);
        // Either order.
        EXPECT_TRUE(ContrastHundredths(la, lb) == p.hundredths && ContrastHundredths(lb, la) == p.hundredths)
            << p.a[0] << " against " << p.b[0] << ": " << ContrastHundredths(la, lb);
        EXPECT_STREQ(p.verdict, ContrastVerdict(la, lb)) << p.a[0] << " against " << p.b[0];
        EXPECT_STREQ(p.verdict, ContrastVerdict(lb, la)) << p.a[0] << " against " << p.b[0];
    }
}

// CSS Color 4's keywords (Debian's python3-webcolors, the CSS 3 list, and
// rebeccapurple), in alphabetical order.
const char kCssKeywords[] =
    "aliceblue F0F8FF antiquewhite FAEBD7 aqua 00FFFF aquamarine 7FFFD4 azure F0FFFF beige F5F5DC "
    "bisque FFE4C4 black 000000 blanchedalmond FFEBCD blue 0000FF blueviolet 8A2BE2 brown A52A2A "
    "burlywood DEB887 cadetblue 5F9EA0 chartreuse 7FFF00 chocolate D2691E coral FF7F50 "
    "cornflowerblue 6495ED cornsilk FFF8DC crimson DC143C cyan 00FFFF darkblue 00008B darkcyan 008B8B "
    "darkgoldenrod B8860B darkgray A9A9A9 darkgreen 006400 darkgrey A9A9A9 darkkhaki BDB76B "
    "darkmagenta 8B008B darkolivegreen 556B2F darkorange FF8C00 darkorchid 9932CC darkred 8B0000 "
    "darksalmon E9967A darkseagreen 8FBC8F darkslateblue 483D8B darkslategray 2F4F4F "
    "darkslategrey 2F4F4F darkturquoise 00CED1 darkviolet 9400D3 deeppink FF1493 deepskyblue 00BFFF "
    "dimgray 696969 dimgrey 696969 dodgerblue 1E90FF firebrick B22222 floralwhite FFFAF0 "
    "forestgreen 228B22 fuchsia FF00FF gainsboro DCDCDC ghostwhite F8F8FF gold FFD700 goldenrod DAA520 "
    "gray 808080 green 008000 greenyellow ADFF2F grey 808080 honeydew F0FFF0 hotpink FF69B4 "
    "indianred CD5C5C indigo 4B0082 ivory FFFFF0 khaki F0E68C lavender E6E6FA lavenderblush FFF0F5 "
    "lawngreen 7CFC00 lemonchiffon FFFACD lightblue ADD8E6 lightcoral F08080 lightcyan E0FFFF "
    "lightgoldenrodyellow FAFAD2 lightgray D3D3D3 lightgreen 90EE90 lightgrey D3D3D3 lightpink FFB6C1 "
    "lightsalmon FFA07A lightseagreen 20B2AA lightskyblue 87CEFA lightslategray 778899 "
    "lightslategrey 778899 lightsteelblue B0C4DE lightyellow FFFFE0 lime 00FF00 limegreen 32CD32 "
    "linen FAF0E6 magenta FF00FF maroon 800000 mediumaquamarine 66CDAA mediumblue 0000CD "
    "mediumorchid BA55D3 mediumpurple 9370DB mediumseagreen 3CB371 mediumslateblue 7B68EE "
    "mediumspringgreen 00FA9A mediumturquoise 48D1CC mediumvioletred C71585 midnightblue 191970 "
    "mintcream F5FFFA mistyrose FFE4E1 moccasin FFE4B5 navajowhite FFDEAD navy 000080 oldlace FDF5E6 "
    "olive 808000 olivedrab 6B8E23 orange FFA500 orangered FF4500 orchid DA70D6 palegoldenrod EEE8AA "
    "palegreen 98FB98 paleturquoise AFEEEE palevioletred DB7093 papayawhip FFEFD5 peachpuff FFDAB9 "
    "peru CD853F pink FFC0CB plum DDA0DD powderblue B0E0E6 purple 800080 rebeccapurple 663399 red FF0000 "
    "rosybrown BC8F8F royalblue 4169E1 saddlebrown 8B4513 salmon FA8072 sandybrown F4A460 "
    "seagreen 2E8B57 seashell FFF5EE sienna A0522D silver C0C0C0 skyblue 87CEEB slateblue 6A5ACD "
    "slategray 708090 slategrey 708090 snow FFFAFA springgreen 00FF7F steelblue 4682B4 tan D2B48C "
    "teal 008080 thistle D8BFD8 tomato FF6347 turquoise 40E0D0 violet EE82EE wheat F5DEB3 white FFFFFF "
    "whitesmoke F5F5F5 yellow FFFF00 yellowgreen 9ACD32";

// The table holds the 148 keywords with their values; each keyword's value
// gives it back, or the first keyword of that value (aqua before cyan,
// gray before grey); a colour between keywords gives the nearest in Oklab
// (tools/color-reference.py's Oklab; the runner-up far enough behind).
TEST(CssColorNames, HoldEveryKeywordAndFindTheNearest) {
    std::istringstream in(kCssKeywords);
    std::string name, hex;
    std::vector<std::pair<std::string, uint32_t>> keywords;
    std::map<uint32_t, std::string> firstOfValue;
    while (in >> name >> hex) {
        uint32_t rgb = (uint32_t)strtoul(hex.c_str(), nullptr, 16);
        keywords.push_back({name, rgb});
        firstOfValue.insert({rgb, name});  // keeps the first
    }
    ASSERT_EQ(148u, keywords.size());
    for (int i = 0; i < CssColorNameCount; i++) {
        uint32_t rgb = 0;
        const char* n = CssColorNameAt(i, &rgb);
        ASSERT_TRUE(n != nullptr);
        EXPECT_EQ(keywords[i].first, n);
        EXPECT_EQ(keywords[i].second, rgb) << n;
    }
    uint32_t untouched = 7;
    EXPECT_TRUE(!CssColorNameAt(-1, &untouched) && !CssColorNameAt(148, &untouched) && untouched == 7);
    for (const auto& [n, rgb] : keywords)
        EXPECT_STREQ(firstOfValue[rgb].c_str(), NearestCssColorName(rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF)) << n;
    const struct { int r, g, b; const char* name; } between[] = {
        {255, 128, 0, "darkorange"}, {200, 100, 10, "chocolate"}, {18, 52, 86, "midnightblue"},
        {128, 128, 129, "gray"},     {1, 1, 1, "black"},          {250, 250, 250, "snow"},
        {120, 0, 1, "maroon"},       {132, 38, 154, "darkmagenta"}, {100, 149, 237, "cornflowerblue"},
        {300, -4, INT_MIN, "red"},
    };
    for (const auto& c : between)
        EXPECT_STREQ(c.name, NearestCssColorName(c.r, c.g, c.b)) << c.r << " " << c.g << " " << c.b;
}

// The fixed-point tools: the linear table against the transfer function,
// the cube root exact where the root is. (The matrices' rows show in every
// grey's a, b and hue of 0, and in the reference values.)
TEST(ColorFixedPoint, LinearTableAndCubeRoot) {
    for (int c = 0; c < 256; c++) {
        double v = c / 255.0;
        double linear = v <= 0.04045 ? v / 12.92 : pow((v + 0.055) / 1.055, 2.4);
        EXPECT_LE(fabs(linear * 1073741824.0 - kLinearLight[c]), 0.5 + 1e-6) << c;
    }
    EXPECT_EQ(FixedOne, kLinearLight[255]);
    // floor(2^30 cbrt(t / 2^30)): exact roots, then the floor elsewhere.
    const int64_t exact[][2] = {{0, 0}, {FixedOne, FixedOne}, {FixedOne / 8, FixedOne / 2},
                                {FixedOne / 64, FixedOne / 4}, {2 * FixedOne - 1, 1352829926}};
    for (const auto& e : exact)
        EXPECT_EQ(e[1], FixedCbrt(e[0])) << e[0];
    for (int64_t t : {int64_t(1), int64_t(7), int64_t(16760), int64_t(9500000), int64_t(123456789), FixedOne + 1,
                      int64_t(2147483647)}) {
        double root = cbrt((double)t / 1073741824.0) * 1073741824.0;
        int64_t got = FixedCbrt(t);
        EXPECT_TRUE(got <= root + 1e-6 && root < got + 1) << t << ": " << got << " for " << root;
    }
    EXPECT_EQ(0, FixedCbrt(-5));
}

}  // namespace
