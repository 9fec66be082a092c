// The text lines of the information panel, built from what the redraw
// found under the pointer. Pure: the shell reads the window data.
#pragma once

#include <stdint.h>

#include "core/PointInfo.h"

// The window under the pointer as the panel describes it.
struct PanelTarget {
    int Found;  // 0: no window, the lines show "-"
    uint32_t Handle;
    uint32_t Pid;
    uint32_t Tid;
    Rect32 Rect;
    const char* ClassName;  // only read for the class line
    const char* Text;       // only read for the text line
};

enum InfoLineKind {
    InfoLineColor,
    InfoLineMouse,
    InfoLineHwnd,
    InfoLineClass,
    InfoLineTitle,
    InfoLineArea,
};

// One panel line into out (capacity bytes); px, py is the pointer, r, g, b
// its colour. Long class names and texts are cut at the capacity.
void FormatInfoLine(char* out, int capacity, int kind, int px, int py, int r, int g, int b,
                    const PanelTarget* target);
