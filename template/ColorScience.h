// The colour spaces and measures of the colour-science tokens: CIE Lab and
// LCh (D50), Oklab and OKLCH, CIE XYZ (D65), HWB, device CMYK, CSS hsl(),
// WCAG 2 luminance and contrast. Every value comes rounded to the places
// its token prints, halves away from zero, in integers throughout, so that
// every build gives the same digits. Components outside 0 to 255 (only a
// damaged record holds them) are clamped first. A grey's hues, chromas and
// a, b are 0. Pure; no memory.
#pragma once

#include <stdint.h>

// Hundredths: L 0 to 10000, a and b signed, C from 0, H in hundredths of
// a degree from 0 to 35999.
struct LabColor {
    int32_t L, A, B, C, H;
};

// Ten-thousandths for L (0 to 10000), a, b and C; H in hundredths of a
// degree as above.
struct OklabColor {
    int32_t L, A, B, C, H;
};

// Hundredths, white at Y = 10000.
struct XyzColor {
    int32_t X, Y, Z;
};

// Whole numbers: hue in degrees (0 to 359), the rest in percent.
struct HwbColor {
    int H, W, B;
};
struct CmykColor {
    int C, M, Y, K;
};
struct HslColor {
    int H, S, L;
};

void RgbToLab(int red, int green, int blue, LabColor* out);
void RgbToOklab(int red, int green, int blue, OklabColor* out);
void RgbToXyz(int red, int green, int blue, XyzColor* out);
void RgbToHwb(int red, int green, int blue, HwbColor* out);
// K = 1 - max / 255, C = (1 - R / 255 - K) / (1 - K) and so on; black is
// 0, 0, 0, 100.
void RgbToCmyk(int red, int green, int blue, CmykColor* out);
void RgbToCssHsl(int red, int green, int blue, HslColor* out);

// WCAG 2 relative luminance in units of 1 / (10^4 * 2^30): exact for the
// sums the contrast ratio compares.
int64_t RelativeLuminance(int red, int green, int blue);

// The luminance in ten-thousandths, rounded.
int LuminanceTenThousandths(int64_t luminance);

// The contrast ratio (L1 + 0.05) / (L2 + 0.05) of two luminances in either
// order, cut (not rounded) to hundredths: a pair just under a threshold
// never shows a passing number.
int ContrastHundredths(int64_t first, int64_t second);

// The WCAG verdict for the ratio, uncut: "AAA" from 7, "AA" from 4.5,
// "AA large" from 3, else "fail".
const char* ContrastVerdict(int64_t first, int64_t second);
