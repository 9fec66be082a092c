#include "view/DrawPrimitives.h"

// SetDCPenColor and SetDCBrushColor came with Windows 2000; they are
// looked up at run time so that the program still starts without them.
typedef COLORREF(WINAPI* SetDCColorProc)(HDC, COLORREF);

static SetDCColorProc gSetPenColor;
static SetDCColorProc gSetBrushColor;
static HDC gShapeDC;  // the DC that has the DC pen and brush selected

void SelectShapeObjects(HDC dc) {
    HMODULE gdi = GetModuleHandleA("gdi32.dll");
    gSetPenColor = gdi ? (SetDCColorProc)(void*)GetProcAddress(gdi, "SetDCPenColor") : nullptr;
    gSetBrushColor = gdi ? (SetDCColorProc)(void*)GetProcAddress(gdi, "SetDCBrushColor") : nullptr;
    HGDIOBJ pen = GetStockObject(DC_PEN);
    HGDIOBJ brush = GetStockObject(DC_BRUSH);
    if (!dc || !gSetPenColor || !gSetBrushColor || !pen || !brush)
        return;
    SelectObject(dc, pen);
    SelectObject(dc, brush);
    gShapeDC = dc;
}

void ForgetShapeObjects(HDC dc) {
    if (dc == gShapeDC)
        gShapeDC = nullptr;
}

void FillBox(HDC dc, int x, int y, int w, int h, COLORREF colour) {
    if (dc == gShapeDC) {
        gSetPenColor(dc, colour);
        gSetBrushColor(dc, colour);
        Rectangle(dc, x, y, x + w, y + h);
        return;
    }
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HBRUSH brush = CreateSolidBrush(colour);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    Rectangle(dc, x, y, x + w, y + h);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(brush);
    DeleteObject(pen);
}

LinePen BeginLinePen(HDC dc, COLORREF colour) {
    LinePen p = {nullptr, nullptr};
    if (dc == gShapeDC) {
        gSetPenColor(dc, colour);
        return p;
    }
    p.Made = CreatePen(PS_SOLID, 1, colour);
    p.Replaced = SelectObject(dc, p.Made);
    return p;
}

void EndLinePen(HDC dc, const LinePen& pen) {
    if (!pen.Made)
        return;
    SelectObject(dc, pen.Replaced);
    DeleteObject(pen.Made);
}

void OutlineBox(HDC dc, int x, int y, int w, int h, COLORREF colour) {
    LinePen pen = BeginLinePen(dc, colour);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, x, y, x + w, y + h);
    SelectObject(dc, oldBrush);
    EndLinePen(dc, pen);
}

void DrawLineTo(HDC dc, int x1, int y1, int x2, int y2, COLORREF colour) {
    LinePen pen = BeginLinePen(dc, colour);
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
    EndLinePen(dc, pen);
}

void InvertBox(HDC dc, int left, int top, int right, int bottom) {
    RECT rc = {left, top, right, bottom};
    InvertRect(dc, &rc);
}
