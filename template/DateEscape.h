// The backslash escapes of the template language: the date and time of the
// sample in numeric, Japanese and English forms, tab, line break and the
// backslash itself. Pure.
#pragma once

#include "core/PointInfo.h"

enum { EscapeTextSize = 64 };  // the longest escape text is under 50 bytes

// Writes the text of the escape "\c" for the time t into out (outSize bytes,
// EscapeTextSize is always enough) and returns its length. A character that
// is no escape stands for itself. c must not be a lead byte: a backslash
// before a double-byte character is the template scanner's business.
int FormatEscape(unsigned char c, const SysTime* t, char* out, int outSize);
