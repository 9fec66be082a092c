// Sampling what lies under a screen point into a PointInfo.
#pragma once

#include <windows.h>

#include "core/PointInfo.h"
#include "view/InfoPanelText.h"

// The panel reads class names and window texts of up to 260 bytes.
enum { PanelTextLimit = 260 };

// The colour sampled at pt through screenDC: the mean of the size x size
// square round it, read in one piece, its pixels on no monitor left out;
// GetPixel's colour of pt alone when size is 1, when no pixel of the
// square lies on a monitor or when the read fails.
uint32_t SampleScreenColor(HDC screenDC, POINT pt, int size);

// Time, colour sampled through screenDC over the sampleSize square
// (web-safe when webSafe is 1) and the window at the point. Without a
// display context no window is looked up and the colour keeps its last
// value.
void SamplePoint(HDC screenDC, int webSafe, int sampleSize, POINT pt, PointInfo* info);

// What the view hands over for its own sample at the pointer: the colour
// it sampled there, the window it found there and the window parts the user
// line prints.
struct ViewSample {
    POINT Point;
    int HaveScreen;  // 0: as without a display context (colour kept, no window)
    uint32_t Pixel;  // a colour reference, or CLR_INVALID from a failed read
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
