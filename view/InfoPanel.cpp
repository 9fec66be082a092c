#include "view/InfoPanel.h"

#include <string.h>

#include "platform/AppState.h"
#include "template/Template.h"
#include "view/DrawPrimitives.h"
#include "view/SamplePoint.h"

enum {
    LineBufferSize = 4096,
    WindowTextLimit = 260,
    UserLineCapacity = 200,
};

// Twelve 2 x 2 dots in the lower right corner; each dark dot sits one
// pixel up and left of its light one, so the dots look raised.
static void DrawResizeGrip(HDC dc, const ViewLayout& l, const ViewColors& colors) {
    static const int offsets[6][2] = {{5, 5}, {9, 5}, {13, 5}, {5, 9}, {9, 9}, {5, 13}};
    for (const auto& o : offsets)
        FillBox(dc, l.W - o[0], l.H - o[1], 2, 2, colors.Light);
    for (const auto& o : offsets)
        FillBox(dc, l.W - o[0] - 1, l.H - o[1] - 1, 2, 2, colors.Dark);
}

static void DrawTextLine(HDC dc, int x, int* y, const char* text) {
    TextOutA(dc, x, *y, text, (int)strlen(text));
    *y += InfoFontHeight;
}

static void DrawWindowLine(HDC dc, int x, int* y, int kind, ColorRef pointerColor,
                           HWND targetWindow, PanelTarget* target) {
    char line[LineBufferSize];
    char name[WindowTextLimit + 4];
    name[0] = 0;
    if (target->Found && kind == InfoLineClass) {
        if (GetClassNameA(targetWindow, name, WindowTextLimit) == 0)
            name[0] = 0;
        target->ClassName = name;
    } else if (target->Found && kind == InfoLineTitle) {
        ReadWindowText(targetWindow, name, WindowTextLimit);
        target->Text = name;
    }
    FormatInfoLine(line, sizeof(line), kind, gApp.PointerPos.x, gApp.PointerPos.y,
                   ColorRed(pointerColor), ColorGreen(pointerColor), ColorBlue(pointerColor), target);
    target->ClassName = nullptr;
    target->Text = nullptr;
    DrawTextLine(dc, x, y, line);
}

// Returns the y below the last line.
static int DrawTextLines(HDC dc, const ViewLayout& l, ColorRef pointerColor, HWND targetWindow,
                         PanelTarget* target) {
    const Settings& s = gSettings;
    int x = l.TextX;
    int y = l.TextY;
    if (s.DispInfoUser == 1) {
        char line[LineBufferSize];
        SamplePoint(ScreenDC(), s.WebSafeColor, gApp.PointerPos, &gApp.ViewPointInfo);
        ExpandTemplate(line, s.DispInfoUserFormat, UserLineCapacity, &gApp.ViewPointInfo);
        DrawTextLine(dc, x, &y, line);
    }
    if (target->Found) {
        RECT rc;
        if (!GetWindowRect(targetWindow, &rc))
            SetRectEmpty(&rc);
        target->Rect.Left = rc.left;
        target->Rect.Top = rc.top;
        target->Rect.Right = rc.right;
        target->Rect.Bottom = rc.bottom;
    }
    const struct {
        int flag;
        int kind;
    } lines[] = {
        {s.DispInfoColor, InfoLineColor}, {s.DispInfoMouse, InfoLineMouse},
        {s.DispInfoHWND, InfoLineHwnd},   {s.DispInfoClass, InfoLineClass},
        {s.DispInfoTitle, InfoLineTitle}, {s.DispInfoArea, InfoLineArea},
    };
    for (const auto& line : lines) {
        if (line.flag == 1)
            DrawWindowLine(dc, x, &y, line.kind, pointerColor, targetWindow, target);
    }
    return y;
}

static void DrawHistoryRow(HDC dc, const ViewLayout& l, int y, ColorRef pointerColor) {
    int x = l.TextX;
    int step = l.HistorySizeX + 2;
    FillBox(dc, x, y, l.HistorySizeX, l.HistorySizeY, pointerColor);
    for (int i = 0; i < l.SwatchCount; i++)
        FillBox(dc, x + (i + 1) * step, y, l.HistorySizeX, l.HistorySizeY,
                gSettings.HistoryColor[i]);
}

void DrawInfoPanel(HDC dc, const ViewLayout& l, const ViewColors& colors, ColorRef pointerColor,
                   HWND targetWindow, PanelTarget* target) {
    const Settings& s = gSettings;
    if (s.DispMouseDownInfo == 1 || s.DispColorHistory == 1)
        FillBox(dc, l.F, l.F + l.IH, l.W - 2 * l.F, l.H - 2 * l.F - l.IH, colors.Background);
    if (s.DispMouseDownInfo != 1)
        return;
    DrawResizeGrip(dc, l, colors);
    SetTextColor(dc, colors.Text);
    if (s.DispZoomImage == 1) {
        char label[16];
        FormatZoomLabel(label, sizeof(label), l.Z);
        TextOutA(dc, ZoomLabelX(l.W, l.Z, s.InfoLineCount), l.TextY, label, (int)strlen(label));
    }
    int y = DrawTextLines(dc, l, pointerColor, targetWindow, target);
    if (s.DispColorHistory == 1)
        DrawHistoryRow(dc, l, y + 2, pointerColor);
}
