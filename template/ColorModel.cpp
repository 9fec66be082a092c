#include "template/ColorModel.h"

#include "core/Clamp.h"

static int Max3(int a, int b, int c) {
    int m = a > b ? a : b;
    return m > c ? m : c;
}

static int Min3(int a, int b, int c) {
    int m = a < b ? a : b;
    return m < c ? m : c;
}

// Shared by both models; only called with delta > 0. The tests run red,
// green, blue, so a tie for the maximum goes to the earlier component.
// Division truncates toward zero: 100,0,1 gives -0.6, hence 0 and not 359.
static int HueOf(int r, int g, int b, int max, int delta) {
    int hue;
    if (r == max)
        hue = (g - b) * 60 / delta;
    else if (g == max)
        hue = 120 + (b - r) * 60 / delta;
    else
        hue = 240 + (r - g) * 60 / delta;
    if (hue < 0)
        hue += 360;
    return hue;
}

void RgbToHsv(int red, int green, int blue, int* hue, int* saturation, int* value) {
    int r = ClampInt(red, 0, 255);
    int g = ClampInt(green, 0, 255);
    int b = ClampInt(blue, 0, 255);
    int max = Max3(r, g, b);
    int delta = max - Min3(r, g, b);
    *value = max;
    *hue = 0;
    *saturation = 0;
    if (max == 0)
        return;
    *saturation = 255 * delta / max;
    if (*saturation == 0)
        return;
    *hue = HueOf(r, g, b, max, delta);
}

void RgbToHls(int red, int green, int blue, int* hue, int* lightness, int* saturation) {
    int r = ClampInt(red, 0, 255);
    int g = ClampInt(green, 0, 255);
    int b = ClampInt(blue, 0, 255);
    int max = Max3(r, g, b);
    int min = Min3(r, g, b);
    int delta = max - min;
    *lightness = (max + min) / 2;
    *hue = 0;
    *saturation = 0;
    if (delta == 0)
        return;
    // The switch is on the halved lightness: max + min = 255 (lightness 127)
    // still takes the lower form. Neither divisor can be 0 once delta > 0.
    if (*lightness >= 128)
        *saturation = 255 * delta / (510 - max - min);
    else
        *saturation = 255 * delta / (max + min);
    *hue = HueOf(r, g, b, max, delta);
}

// 64-bit so that a damaged record's huge values neither overflow nor trap.
int PercentOfByte(int v) {
    return (int)((long long)v * 100 / 255);
}

int PercentOfHue(int h) {
    return (int)((long long)h * 100 / 359);
}
