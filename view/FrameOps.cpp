#include "view/FrameOps.h"

#include <string.h>

static void Add(FrameOps* out, int kind, int x, int y, int x2, int y2, ColorRef colour, int text) {
    if (out->Count >= FrameOpMax)
        return;
    FrameOp& op = out->Ops[out->Count++];
    op.Kind = kind;
    op.X = x;
    op.Y = y;
    op.X2 = x2;
    op.Y2 = y2;
    op.Colour = colour;
    op.Text = text;
}

static void AddBox(FrameOps* out, int x, int y, int w, int h, ColorRef colour) {
    Add(out, FrameOpBox, x, y, w, h, colour, 0);
}

// Twelve 2 x 2 dots in the lower right corner; each dark dot sits one
// pixel up and left of its light one, so the dots look raised.
static void AddResizeGrip(FrameOps* out, const ViewLayout* l, const ViewColors* c) {
    static const int offsets[6][2] = {{5, 5}, {9, 5}, {13, 5}, {5, 9}, {9, 9}, {5, 13}};
    for (const auto& o : offsets)
        AddBox(out, l->W - o[0], l->H - o[1], 2, 2, c->Light);
    for (const auto& o : offsets)
        AddBox(out, l->W - o[0] - 1, l->H - o[1] - 1, 2, 2, c->Dark);
}

// The panel's background, grip, zoom label, lines and history row.
static void AddPanel(FrameOps* out, const ViewLayout* l, const Settings* s, const ViewColors* c,
                     ColorRef pointerColor, int lineCount) {
    if (s->DispMouseDownInfo == 1 || s->DispColorHistory == 1)
        AddBox(out, l->F, l->F + l->IH, l->W - 2 * l->F, l->H - 2 * l->F - l->IH, c->Background);
    if (s->DispMouseDownInfo != 1)
        return;
    AddResizeGrip(out, l, c);
    if (s->DispZoomImage == 1) {
        FormatZoomLabel(out->ZoomLabel, sizeof(out->ZoomLabel), l->Z);
        Add(out, FrameOpText, ZoomLabelX(l->W, l->Z, s->InfoLineCount), l->TextY, 0, 0, c->Text,
            FrameTextZoomLabel);
    }
    int y = l->TextY;
    for (int i = 0; i < lineCount; i++, y += InfoFontHeight)
        Add(out, FrameOpText, l->TextX, y, 0, 0, c->Text, i);
    if (s->DispColorHistory != 1)
        return;
    y += 2;
    int step = l->HistorySizeX + 2;
    AddBox(out, l->TextX, y, l->HistorySizeX, l->HistorySizeY, pointerColor);
    for (int i = 0; i < l->SwatchCount; i++)
        AddBox(out, l->TextX + (i + 1) * step, y, l->HistorySizeX, l->HistorySizeY,
               s->HistoryColor[i]);
}

void BuildFrameOps(const ViewLayout* l, const Settings* s, const ViewColors* c,
                   ColorRef pointerColor, int lineCount, FrameOps* out) {
    memset(out, 0, sizeof(*out));
    int f = l->F, w = l->W, h = l->H;
    if (f > 0) {
        AddBox(out, 0, 0, w, f, c->Background);
        AddBox(out, 0, f, f, h, c->Background);
        AddBox(out, w - f, 0, f, h, c->Background);
        AddBox(out, f, h - f, w - 2 * f, f, c->Background);
    }
    AddPanel(out, l, s, c, pointerColor, lineCount);
    if (f > 0) {
        Add(out, FrameOpLine, w, 0, 0, 0, c->Light, 0);
        Add(out, FrameOpLine, 0, 0, 0, h, c->Light, 0);
        Add(out, FrameOpLine, 0, h - 1, w, h - 1, c->Dark, 0);
        Add(out, FrameOpLine, w - 1, 0, w - 1, h, c->Dark, 0);
    }
}

void FrameOpBounds(const FrameOp* op, int width, int r[4]) {
    switch (op->Kind) {
    case FrameOpBox:
        r[0] = op->X2 < 0 ? op->X + op->X2 : op->X;
        r[2] = op->X2 < 0 ? op->X : op->X + op->X2;
        r[1] = op->Y2 < 0 ? op->Y + op->Y2 : op->Y;
        r[3] = op->Y2 < 0 ? op->Y : op->Y + op->Y2;
        break;
    case FrameOpLine:
        r[0] = op->X < op->X2 ? op->X : op->X2;
        r[2] = (op->X > op->X2 ? op->X : op->X2) + 1;
        r[1] = op->Y < op->Y2 ? op->Y : op->Y2;
        r[3] = (op->Y > op->Y2 ? op->Y : op->Y2) + 1;
        break;
    default:
        r[0] = op->X - InfoFontHeight;
        r[2] = width > op->X ? width : op->X + 1;
        r[1] = op->Y - InfoFontHeight;
        r[3] = op->Y + 2 * InfoFontHeight;
        break;
    }
    // A pen outlines a box on its own edges, one pixel either way at most.
    r[0] -= 1;
    r[1] -= 1;
    r[2] += 1;
    r[3] += 1;
}

const char* TextOfFrameOp(const FrameOps* ops, const PanelTexts* texts, const FrameOp* op) {
    if (op->Kind != FrameOpText)
        return nullptr;
    if (op->Text == FrameTextZoomLabel)
        return ops->ZoomLabel;
    return op->Text >= 0 && op->Text < texts->Count ? texts->Lines[op->Text] : "";
}

static int SameOp(const FrameOps* a, const PanelTexts* at, const FrameOps* b,
                  const PanelTexts* bt, int i) {
    const FrameOp& x = a->Ops[i];
    const FrameOp& y = b->Ops[i];
    if (x.Kind != y.Kind || x.X != y.X || x.Y != y.Y || x.X2 != y.X2 || x.Y2 != y.Y2 ||
        x.Colour != y.Colour || x.Text != y.Text)
        return 0;
    const char* xs = TextOfFrameOp(a, at, &x);
    const char* ys = TextOfFrameOp(b, bt, &y);
    return !xs || strcmp(xs, ys) == 0;
}

static int Overlap(const int a[4], const int b[4]) {
    return a[0] <= b[2] && b[0] <= a[2] && a[1] <= b[3] && b[1] <= a[3];
}

static void Unite(int a[4], const int b[4]) {
    a[0] = b[0] < a[0] ? b[0] : a[0];
    a[1] = b[1] < a[1] ? b[1] : a[1];
    a[2] = b[2] > a[2] ? b[2] : a[2];
    a[3] = b[3] > a[3] ? b[3] : a[3];
}

// Adds r to the rectangles, merging every one it overlaps or touches (and
// what the merged one then overlaps), all into one when they are full.
static void AddRect(int rects[FrameRectMax][4], int* n, const int r[4]) {
    int add[4] = {r[0], r[1], r[2], r[3]};
    for (int i = 0; i < *n;) {
        if (Overlap(rects[i], add)) {
            Unite(add, rects[i]);
            memmove(&rects[i], &rects[i + 1], (size_t)(*n - i - 1) * sizeof(rects[0]));
            (*n)--;
            i = 0;
        } else {
            i++;
        }
    }
    if (*n == FrameRectMax) {
        for (int i = 1; i < *n; i++)
            Unite(rects[0], rects[i]);
        Unite(rects[0], add);
        *n = 1;
        return;
    }
    memcpy(rects[(*n)++], add, sizeof(add));
}

int ChangedFrameRects(const FrameOps* before, const PanelTexts* beforeTexts, const FrameOps* now,
                      const PanelTexts* nowTexts, int width, int rects[FrameRectMax][4]) {
    if (before->Count != now->Count)
        return -1;
    int n = 0;
    for (int i = 0; i < now->Count; i++) {
        if (SameOp(before, beforeTexts, now, nowTexts, i))
            continue;
        int r[4];
        FrameOpBounds(&before->Ops[i], width, r);
        AddRect(rects, &n, r);
        FrameOpBounds(&now->Ops[i], width, r);
        AddRect(rects, &n, r);
    }
    return n;
}
