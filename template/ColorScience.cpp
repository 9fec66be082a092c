#include "template/ColorScience.h"

#include "core/Clamp.h"
#include "template/ColorFixedPoint.h"

namespace {

struct Rgb {
    int r, g, b;
};

Rgb Clamped(int red, int green, int blue) {
    return Rgb{ClampInt(red, 0, 255), ClampInt(green, 0, 255), ClampInt(blue, 0, 255)};
}

// num / den to the nearest integer, halves up; num >= 0, den > 0. Exact,
// so a value that lies on a half (12.5 %) always goes up.
int RoundedRatio(int num, int den) {
    return (2 * num + den) / (2 * den);
}

// A value of 2^shift fixed point times scale, rounded.
int32_t Scaled(int64_t value, int64_t scale, int shift) {
    return (int32_t)ShiftRounded(value * scale, shift);
}

// The nearest integer to sqrt(n), digit by digit.
uint64_t RoundedSqrt(uint64_t n) {
    uint64_t root = 0;
    uint64_t bit = uint64_t(1) << 62;
    while (bit > n)
        bit >>= 2;
    while (bit != 0) {
        if (n >= root + bit) {
            n -= root + bit;
            root = (root >> 1) + bit;
        } else {
            root >>= 1;
        }
        bit >>= 2;
    }
    // n is now what lies above root^2; (root + 1/2)^2 = root^2 + root + 1/4.
    return n > root ? root + 1 : root;
}

// atan(2^-i) in degrees times 2^32 (tools/color-reference.py).
const int64_t kAtanDegrees[32] = {
    193273528320, 114096026022, 60285206653, 30601712202,
    15360239180, 7687607525, 3844741810, 1922488225,
    961258780, 480631223, 240315841, 120157949,
    60078978, 30039490, 15019745, 7509872,
    3754936, 1877468, 938734, 469367,
    234684, 117342, 58671, 29335,
    14668, 7334, 3667, 1833,
    917, 458, 229, 115,
};

// v / 2^i toward zero: the same for either sign on every compiler.
int64_t HalvedTimes(int64_t v, int i) {
    return v >= 0 ? v >> i : -((-v) >> i);
}

// The angle of (a, b) in hundredths of a degree, 0 to 35999, by CORDIC
// vectoring: the vector is turned onto the a axis by the angles
// atan(2^-i), which need only shifts and additions. 0 for (0, 0).
int32_t HueHundredths(int64_t a, int64_t b) {
    if (a == 0 && b == 0)
        return 0;
    // The larger magnitude between 2^28 and 2^30: fine enough for a near
    // grey, and the turns (which lengthen the vector by 1.65) stay far
    // from overflowing.
    int64_t big = (a < 0 ? -a : a) > (b < 0 ? -b : b) ? (a < 0 ? -a : a) : (b < 0 ? -b : b);
    for (; big >= (int64_t(1) << 30); big /= 2)
        a /= 2, b /= 2;
    for (; big < (int64_t(1) << 28); big *= 2)
        a *= 2, b *= 2;
    int64_t angle = 0;  // degrees times 2^32
    if (a < 0) {
        a = -a, b = -b;
        angle = int64_t(180) << 32;
    }
    for (int i = 0; i < 32; i++) {
        int64_t da = HalvedTimes(b, i);
        int64_t db = HalvedTimes(a, i);
        if (b >= 0) {
            a += da, b -= db;
            angle += kAtanDegrees[i];
        } else {
            a -= da, b += db;
            angle -= kAtanDegrees[i];
        }
    }
    if (angle < 0)
        angle += int64_t(360) << 32;
    int32_t h = (int32_t)ShiftRounded(angle * 100, 32);
    return h >= 36000 ? h - 36000 : h;  // 359.996 prints as 0.00
}

// Lab's f(): the cube root above (6/29)^3 = 216/24389, below it the line
// (24389/27 t + 16) / 116, rounded. t is never negative here.
int64_t LabF(int64_t t) {
    if (t * 24389 > 216 * FixedOne)
        return FixedCbrt(t);
    return (t * 24389 + 432 * FixedOne + 1566) / 3132;
}

// The hue of HSV, HSL and HWB in whole degrees, exactly: the sextant's
// offset plus 60 (difference / delta), rounded, 360 wrapping to 0. A tie
// for the largest component gives the same hue in either sextant.
int WholeHue(const Rgb& c, int max, int delta) {
    if (delta == 0)
        return 0;
    int num;  // the hue times delta
    if (c.r == max)
        num = 60 * (c.g - c.b);
    else if (c.g == max)
        num = 120 * delta + 60 * (c.b - c.r);
    else
        num = 240 * delta + 60 * (c.r - c.g);
    if (num < 0)
        num += 360 * delta;
    int hue = RoundedRatio(num, delta);
    return hue == 360 ? 0 : hue;
}

int Max3(const Rgb& c) {
    int m = c.r > c.g ? c.r : c.g;
    return m > c.b ? m : c.b;
}

int Min3(const Rgb& c) {
    int m = c.r < c.g ? c.r : c.g;
    return m < c.b ? m : c.b;
}

}  // namespace

void RgbToLab(int red, int green, int blue, LabColor* out) {
    Rgb c = Clamped(red, green, blue);
    // The matrix's rows sum to 2^30 exactly: a grey has equal f()s, and
    // so a and b of 0.
    Fixed3 t = FixedApply(kLabXyzFromLinear, LinearOf(c.r, c.g, c.b));
    int64_t fx = LabF(t.V[0]), fy = LabF(t.V[1]), fz = LabF(t.V[2]);
    int64_t a = 500 * (fx - fy);
    int64_t b = 200 * (fy - fz);
    out->L = Scaled(116 * fy - 16 * FixedOne, 100, 30);
    out->A = Scaled(a, 100, 30);
    out->B = Scaled(b, 100, 30);
    // a and b reach 128 at most: squared in 2^20 fixed point they fit.
    int64_t a20 = ShiftRounded(a, 10), b20 = ShiftRounded(b, 10);
    out->C = Scaled((int64_t)RoundedSqrt((uint64_t)(a20 * a20 + b20 * b20)), 100, 20);
    out->H = HueHundredths(a, b);
}

void RgbToOklab(int red, int green, int blue, OklabColor* out) {
    Rgb c = Clamped(red, green, blue);
    FixedOklab o = OklabOf(c.r, c.g, c.b);
    out->L = Scaled(o.L, 10000, 30);
    out->A = Scaled(o.A, 10000, 30);
    out->B = Scaled(o.B, 10000, 30);
    out->C = Scaled((int64_t)RoundedSqrt((uint64_t)(o.A * o.A + o.B * o.B)), 10000, 30);
    out->H = HueHundredths(o.A, o.B);
}

void RgbToXyz(int red, int green, int blue, XyzColor* out) {
    Rgb c = Clamped(red, green, blue);
    Fixed3 v = FixedApply(kXyzFromLinear, LinearOf(c.r, c.g, c.b));
    out->X = Scaled(v.V[0], 10000, 30);
    out->Y = Scaled(v.V[1], 10000, 30);
    out->Z = Scaled(v.V[2], 10000, 30);
}

void RgbToHwb(int red, int green, int blue, HwbColor* out) {
    Rgb c = Clamped(red, green, blue);
    int max = Max3(c), min = Min3(c);
    out->H = WholeHue(c, max, max - min);
    out->W = RoundedRatio(100 * min, 255);
    out->B = RoundedRatio(100 * (255 - max), 255);
}

void RgbToCmyk(int red, int green, int blue, CmykColor* out) {
    Rgb c = Clamped(red, green, blue);
    int max = Max3(c);
    if (max == 0) {
        *out = CmykColor{0, 0, 0, 100};
        return;
    }
    // (1 - R/255 - K) / (1 - K) with K = 1 - max/255 is (max - R) / max.
    out->C = RoundedRatio(100 * (max - c.r), max);
    out->M = RoundedRatio(100 * (max - c.g), max);
    out->Y = RoundedRatio(100 * (max - c.b), max);
    out->K = RoundedRatio(100 * (255 - max), 255);
}

void RgbToCssHsl(int red, int green, int blue, HslColor* out) {
    Rgb c = Clamped(red, green, blue);
    int max = Max3(c), min = Min3(c), delta = max - min;
    out->H = WholeHue(c, max, delta);
    // Lightness (max + min) / 510; saturation delta over the smaller of
    // max + min and 510 - (max + min), the distance to black or white.
    out->L = RoundedRatio(100 * (max + min), 510);
    int room = max + min <= 255 ? max + min : 510 - max - min;
    out->S = delta == 0 ? 0 : RoundedRatio(100 * delta, room);
}

// WCAG's own coefficients, 0.2126, 0.7152 and 0.0722, which sum to 1:
// white is 1 exactly. Its transfer threshold (0.03928) and sRGB's
// (0.04045) part no 8-bit value, so the linear table serves both.
int64_t RelativeLuminance(int red, int green, int blue) {
    Rgb c = Clamped(red, green, blue);
    return 2126 * (int64_t)kLinearLight[c.r] + 7152 * (int64_t)kLinearLight[c.g] +
           722 * (int64_t)kLinearLight[c.b];
}

int LuminanceTenThousandths(int64_t luminance) {
    return (int)ShiftRounded(luminance, 30);
}

namespace {

// 0.05 in the units of RelativeLuminance.
const int64_t kFlare = 500 * FixedOne;

struct Ratio {
    int64_t num, den;  // (L1 + 0.05) and (L2 + 0.05), L1 the lighter
};

Ratio ContrastRatio(int64_t first, int64_t second) {
    return first >= second ? Ratio{first + kFlare, second + kFlare} : Ratio{second + kFlare, first + kFlare};
}

}  // namespace

int ContrastHundredths(int64_t first, int64_t second) {
    Ratio q = ContrastRatio(first, second);
    return (int)(100 * q.num / q.den);
}

const char* ContrastVerdict(int64_t first, int64_t second) {
    Ratio q = ContrastRatio(first, second);
    if (q.num >= 7 * q.den)
        return "AAA";
    if (2 * q.num >= 9 * q.den)
        return "AA";
    if (q.num >= 3 * q.den)
        return "AA large";
    return "fail";
}
