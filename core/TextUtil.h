// Small text helpers shared by the pure core. All text is 8-bit ANSI
// (code page 932 on the systems Mirabo is made for): walkers step over a
// double-byte character by its lead byte and never split one.
#pragma once

#include <stddef.h>

// Copies at most maxBytes bytes of src into dst (which holds maxBytes + 1)
// and terminates it. A double-byte character that would be cut in half by
// the limit is left out whole.
void CopyTextCut(char* dst, const char* src, size_t maxBytes);

// Shortens s in place so that it does not end in a lone lead byte.
void DropTrailingLeadByte(char* s);

// Where the file name of path starts: just past its last separator (a
// backslash, a slash, or the colon of "C:"), 0 when it has none.
// Double-byte characters are stepped over, so a trail byte of 0x5C is
// never taken for a backslash.
size_t PathNameStart(const char* path);
