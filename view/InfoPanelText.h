// The text lines of the information panel, built from what the redraw
// found under the pointer. Pure: the shell reads the window data.
#pragma once

#include <stdint.h>

#include "core/PointInfo.h"
#include "core/Settings.h"

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

// The PointInfo window parts the view needs of the window under the
// pointer: the window itself for the arrow mark and for any window line,
// its rectangle for the mouse and area lines, its process and thread for
// the handle line, its class and its text for their lines.
int PanelTargetParts(const Settings* s);

enum {
    PanelLineCapacity = 512,  // the longest line holds a 260-byte class name or text
    PanelLineMax = 7,
};

// The panel's text lines in their order: the user line, expanded over the
// view's own sample at the pointer (userInfo; with a capacity of 200
// bytes), and the colour and window lines each when its flag is 1. The
// colour line of an area sample ends in its size, "(5×5)".
struct PanelTexts {
    int Count;
    char Lines[PanelLineMax][PanelLineCapacity];
};

void BuildPanelTexts(const Settings* s, const PointInfo* userInfo, int px, int py,
                     ColorRef pointerColor, const PanelTarget* target, PanelTexts* out);
