#include "view/InfoPanelText.h"

#include <stdio.h>
#include <string.h>

#include "core/SampleSize.h"
#include "template/Template.h"

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

int PanelTargetParts(const Settings* s) {
    int parts = 0;
    if (s->DispMouseDownInfo == 1) {
        if (s->DispInfoMouse == 1 || s->DispInfoArea == 1)
            parts |= PartRect;
        if (s->DispInfoHWND == 1)
            parts |= PartIds;
        if (s->DispInfoClass == 1)
            parts |= PartClass;
        if (s->DispInfoTitle == 1)
            parts |= PartText;
    }
    int arrow = s->DispZoomImage == 1 && s->DispCursor == 1 && s->CursorMode == 0;
    if (parts || arrow)
        parts |= PartWindow;
    return parts;
}

enum { UserLineCapacity = 200 };

// After the colour of an area sample, the size of its square: "(5×5)".
static void AppendSampleSize(char* line, int capacity, int sampleSize) {
    size_t used = strlen(line);
    if (sampleSize > 1 && used < (size_t)capacity)
        snprintf(line + used, (size_t)capacity - used, " (%d×%d)", sampleSize, sampleSize);
}

void BuildPanelTexts(const Settings* s, const PointInfo* userInfo, int px, int py,
                     ColorRef pointerColor, const PanelTarget* target, PanelTexts* out) {
    memset(out, 0, sizeof(*out));
    if (s->DispInfoUser == 1)
        ExpandTemplate(out->Lines[out->Count++], s->DispInfoUserFormat, UserLineCapacity, userInfo);
    const struct {
        int flag;
        int kind;
    } lines[] = {
        {s->DispInfoColor, InfoLineColor}, {s->DispInfoMouse, InfoLineMouse},
        {s->DispInfoHWND, InfoLineHwnd},   {s->DispInfoClass, InfoLineClass},
        {s->DispInfoTitle, InfoLineTitle}, {s->DispInfoArea, InfoLineArea},
    };
    for (const auto& line : lines) {
        if (line.flag != 1)
            continue;
        char* text = out->Lines[out->Count++];
        FormatInfoLine(text, PanelLineCapacity, line.kind, px, py, ColorRed(pointerColor),
                       ColorGreen(pointerColor), ColorBlue(pointerColor), target);
        if (line.kind == InfoLineColor)
            AppendSampleSize(text, PanelLineCapacity, NormalSampleSize(s->SampleSize));
    }
}
