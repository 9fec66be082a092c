#include "view/InfoPanel.h"

#include <string.h>

#include "platform/AppState.h"
#include "view/DrawPrimitives.h"

// Twelve 2 x 2 dots in the lower right corner; each dark dot sits one
// pixel up and left of its light one, so the dots look raised.
static void DrawResizeGrip(HDC dc, const ViewLayout& l, const ViewColors& colors) {
    static const int offsets[6][2] = {{5, 5}, {9, 5}, {13, 5}, {5, 9}, {9, 9}, {5, 13}};
    for (const auto& o : offsets)
        FillBox(dc, l.W - o[0], l.H - o[1], 2, 2, colors.Light);
    for (const auto& o : offsets)
        FillBox(dc, l.W - o[0] - 1, l.H - o[1] - 1, 2, 2, colors.Dark);
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
                   const PanelTexts* texts) {
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
    int y = l.TextY;
    for (int i = 0; i < texts->Count; i++, y += InfoFontHeight)
        TextOutA(dc, l.TextX, y, texts->Lines[i], (int)strlen(texts->Lines[i]));
    if (s.DispColorHistory == 1)
        DrawHistoryRow(dc, l, y + 2, pointerColor);
}
