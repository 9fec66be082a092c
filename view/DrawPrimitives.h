// The few shapes the view is drawn with. On the DC given to
// SelectShapeObjects they colour the DC pen and brush kept selected there;
// on any other DC each call makes its own pen or brush and deletes it
// again. Either way nothing is left to delete between redraws.
#pragma once

#include <windows.h>

// Selects the DC pen and brush into dc for good (the back buffer), where
// the system has them. ForgetShapeObjects before dc goes.
void SelectShapeObjects(HDC dc);
void ForgetShapeObjects(HDC dc);

// w x h pixels at (x, y), outline and inside in colour.
void FillBox(HDC dc, int x, int y, int w, int h, COLORREF colour);

// A one-pixel outline of the w x h box at (x, y), inside left alone.
void OutlineBox(HDC dc, int x, int y, int w, int h, COLORREF colour);

// A one-pixel line from (x1, y1) up to, but not including, (x2, y2).
void DrawLineTo(HDC dc, int x1, int y1, int x2, int y2, COLORREF colour);

// A pen for many lines of one colour (MoveToEx and LineTo between the
// two calls): the DC pen where it is kept, else one made for them.
struct LinePen {
    HPEN Made;
    HGDIOBJ Replaced;
};
LinePen BeginLinePen(HDC dc, COLORREF colour);
void EndLinePen(HDC dc, const LinePen& pen);

// Inverts the colours of left..right-1, top..bottom-1.
void InvertBox(HDC dc, int left, int top, int right, int bottom);
