#include "view/InfoPanelText.h"

#include <stdio.h>

void FormatInfoLine(char* out, int capacity, int kind, int px, int py, int r, int g, int b,
                    const PanelTarget* t) {
    size_t cap = (size_t)capacity;
    int found = t && t->Found;
    switch (kind) {
    case InfoLineColor:
        snprintf(out, cap, "Color  #%02X%02X%02X (%3d,%3d,%3d)", r, g, b, r, g, b);
        return;
    case InfoLineMouse:
        if (found)
            snprintf(out, cap, "Mouse  %d,%d (%d,%d)", px, py, px - t->Rect.Left, py - t->Rect.Top);
        else
            snprintf(out, cap, "Mouse  %d,%d", px, py);
        return;
    case InfoLineHwnd:
        if (found)
            snprintf(out, cap, "HWND   0x%08X(%08d) PID:%4d TID:%4d", (unsigned)t->Handle,
                     (int)t->Handle, (int)t->Pid, (int)t->Tid);
        else
            snprintf(out, cap, "HWND   -");
        return;
    case InfoLineClass:
        if (found)
            snprintf(out, cap, "Class  \"%s\"", t->ClassName ? t->ClassName : "");
        else
            snprintf(out, cap, "Class  -");
        return;
    case InfoLineTitle:
        if (found)
            snprintf(out, cap, "Text   \"%s\"", t->Text ? t->Text : "");
        else
            snprintf(out, cap, "Text   -");
        return;
    case InfoLineArea:
        if (found)
            snprintf(out, cap, "Area   RECT(%4d,%4d,%4d,%4d) %d * %d", t->Rect.Left, t->Rect.Top,
                     t->Rect.Right, t->Rect.Bottom, t->Rect.Right - t->Rect.Left,
                     t->Rect.Bottom - t->Rect.Top);
        else
            snprintf(out, cap, "Area   -");
        return;
    }
    if (capacity > 0)
        out[0] = 0;
}
