// Sampling what lies under a screen point into a PointInfo.
#pragma once

#include <windows.h>

#include "core/PointInfo.h"

// Time, pixel colour read through screenDC (web-safe when webSafe is 1)
// and the window at the point. Without a display context no window is
// looked up and the colour keeps its last value.
void SamplePoint(HDC screenDC, int webSafe, POINT pt, PointInfo* info);

// Placeholder values with the current UTC time.
void ResetPointInfo(PointInfo* info);

// The window's text, at most limit bytes, never ending in half a
// double-byte character; buffer holds limit + 1 bytes.
void ReadWindowText(HWND window, char* buffer, int limit);
