// The CSS Color 4 colour keywords and the nearest of them to a colour, for
// the [NAME] token. Pure; the table is constant data.
#pragma once

#include <stdint.h>

enum { CssColorNameCount = 148 };

// The keyword whose colour is nearest in Oklab (straight-line distance),
// the exact one when there is one; of several at the same distance (gray
// and grey share a value) the first in alphabetical order. Components are
// clamped to 0..255.
const char* NearestCssColorName(int red, int green, int blue);

// The keyword at index in alphabetical order and its value as 0xRRGGBB;
// null (rgb untouched) outside 0..CssColorNameCount - 1.
const char* CssColorNameAt(int index, uint32_t* rgb);
