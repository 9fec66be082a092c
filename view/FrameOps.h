// The drawing around the zoomed image (frame bands, panel background,
// resize grip, zoom label, text lines, colour-history row, frame edges) as
// a list of shapes in drawing order, so that two redraws can be compared
// shape by shape and only the rows where they differ drawn again. Pure:
// RedrawView carries the shapes out.
#pragma once

#include "view/InfoPanelText.h"
#include "view/ViewLayout.h"

enum FrameOpKind {
    FrameOpBox,   // FillBox(X, Y, X2, Y2, Colour): X2, Y2 are width and height
    FrameOpLine,  // DrawLineTo(X, Y, X2, Y2, Colour)
    FrameOpText,  // TextOut at (X, Y) in Colour of panel line Text, or of the zoom label
};

enum { FrameTextZoomLabel = -1, FrameOpMax = 64, FrameRectMax = 8 };

struct FrameOp {
    int Kind;
    int X, Y, X2, Y2;
    ColorRef Colour;
    int Text;
};

struct FrameOps {
    int Count;
    FrameOp Ops[FrameOpMax];
    char ZoomLabel[16];
};

// The shapes of one redraw: l and s as the redraw used them, its colours
// and pointer colour, and the number of panel lines.
void BuildFrameOps(const ViewLayout* l, const Settings* s, const ViewColors* colors,
                   ColorRef pointerColor, int lineCount, FrameOps* out);

// The rectangle (left, top, right, bottom; right and bottom excluded) an op
// can touch in a view width pixels wide. A text's glyphs may stand out of
// their line, so a text reaches a whole line above and below its own, and
// from a line's width left of its start to the right edge.
void FrameOpBounds(const FrameOp* op, int width, int r[4]);

// The text an op draws (null for shapes).
const char* TextOfFrameOp(const FrameOps* ops, const PanelTexts* texts, const FrameOp* op);

// Where now differs from before: the rectangles of every op that changed
// (its old and its new place), overlapping ones merged (all into one when
// there are more than FrameRectMax). Their number, or -1 when the lists
// differ in length and everything is to be drawn.
int ChangedFrameRects(const FrameOps* before, const PanelTexts* beforeTexts, const FrameOps* now,
                      const PanelTexts* nowTexts, int width, int rects[FrameRectMax][4]);
