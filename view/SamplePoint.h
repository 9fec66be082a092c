// Sampling what lies under a screen point into a PointInfo.
#pragma once

#include <windows.h>

#include "core/PointInfo.h"
#include "view/InfoPanelText.h"

// The panel reads class names and window texts of up to 260 bytes.
enum { PanelTextLimit = 260 };

// Time, pixel colour read through screenDC (web-safe when webSafe is 1)
// and the window at the point. Without a display context no window is
// looked up and the colour keeps its last value.
void SamplePoint(HDC screenDC, int webSafe, POINT pt, PointInfo* info);

// What the view hands over for its own sample at the pointer: the pixel
// it read there, the window it found there and the window parts the user
// line prints.
struct ViewSample {
    POINT Point;
    int HaveScreen;  // 0: as without a display context (colour kept, no window)
    uint32_t Pixel;
    int WebSafe;
    HWND Window;
    int Parts;  // PointInfoPart bits; 0 leaves the window fields as they are
};

// Time, position, colour and the window parts asked for. The facts that
// cannot change while a window lives (class, process and thread, module)
// are kept for the last window asked about, here and in SamplePanelTarget.
void SampleViewPoint(const ViewSample* sample, PointInfo* info);

// The panel's view of hwnd (none when null): the parts its lines print.
// className and text hold PanelTextLimit + 1 bytes; t points at them.
void SamplePanelTarget(HWND hwnd, int parts, PanelTarget* t, char* className, char* text);

// Placeholder values with the current UTC time.
void ResetPointInfo(PointInfo* info);

// The window's text, at most limit bytes, never ending in half a
// double-byte character; buffer holds limit + 1 bytes.
void ReadWindowText(HWND window, char* buffer, int limit);
