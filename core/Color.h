// Colours as Windows colour references, and the rules that derive one
// colour from another.
#pragma once

#include <stdint.h>

// Red in the low byte, then green, then blue.
typedef uint32_t ColorRef;

inline ColorRef MakeColor(int r, int g, int b) {
    return (ColorRef)((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
inline int ColorRed(ColorRef c) { return (int)(c & 0xFF); }
inline int ColorGreen(ColorRef c) { return (int)((c >> 8) & 0xFF); }
inline int ColorBlue(ColorRef c) { return (int)((c >> 16) & 0xFF); }

// Rounds one colour component (0 to 255) to the nearest web-safe value, a
// multiple of 51; a remainder of exactly 25 rounds up.
int WebSafeRound(int v);

// Every component of c rounded to its web-safe value.
ColorRef WebSafeColor(ColorRef c);

// 255 minus every component.
ColorRef InvertColor(ColorRef c);

// The light and dark frame colours and the contrast text colour for a
// background colour.
ColorRef LighterColor(ColorRef c);
ColorRef DarkerColor(ColorRef c);
ColorRef ContrastTextFor(ColorRef c);
