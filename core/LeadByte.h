// The one platform hook of the pure core: is this byte the first half of a
// double-byte character in the ANSI code page? On Windows it is the real
// IsDBCSLeadByte; natively it is the code page 932 lead-byte ranges.
#pragma once

bool IsLeadByte(unsigned char c);
