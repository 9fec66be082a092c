// Colour-model arithmetic behind the template tokens: HSV, HLS and the
// percentage rules, all in integers. Pure; no tables, no memory.
#pragma once

// Hue 0-359, saturation 0-255, value 0-255. Components outside 0 to 255
// (only a damaged record can hold them) are clamped first.
void RgbToHsv(int red, int green, int blue, int* hue, int* saturation, int* value);

// Hue 0-359, lightness 0-255, saturation 0-255; components clamped as above.
void RgbToHls(int red, int green, int blue, int* hue, int* lightness, int* saturation);

// floor(v * 100 / 255): 255 gives 100, 128 gives 50. Never overflows.
int PercentOfByte(int v);

// floor(h * 100 / 359): the full scale of a hue is 359, so 359 gives 100.
int PercentOfHue(int h);
