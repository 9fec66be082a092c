// A rectangle in screen coordinates, right and bottom exclusive, with the
// same layout as the Win32 RECT.
#pragma once

#include <stdint.h>

struct Rect32 {
    int32_t Left;
    int32_t Top;
    int32_t Right;
    int32_t Bottom;
};

inline int Rect32Equal(const Rect32& a, const Rect32& b) {
    return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
}
