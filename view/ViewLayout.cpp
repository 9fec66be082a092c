#include "view/ViewLayout.h"

#include <stdio.h>
#include <string.h>

#include "core/PointInfo.h"
#include "core/SampleSize.h"
#include "core/Zoom.h"

// A window is never larger than 16 bits of WM_SIZE; a frame, swatch or
// size beyond that only comes from a hand-edited system.ini and would make
// the arithmetic below overflow.
enum { MaxExtent = 65535, MaxCoordinate = 1 << 24 };

// Rounds the image extent up to whole cells and then to an odd number of
// them, so that the centre point's cell is the middle one.
static int RoundToOddCells(int extent, int z) {
    if (extent % z > 0)
        extent += z - extent % z;
    if ((extent / z) % 2 == 0)
        extent += z;
    return extent;
}

// Moves the source origin and the destination offset of one axis so that
// the copied area stays on the virtual screen [lo, hi) while every screen
// pixel keeps the cell it would have without clipping. A mirrored copy
// (negative extent from s + n) reads s + 1 to s + n, so that is the range
// kept on the screen; clipping s + 0 instead would leave the screen's
// first column black and read one column beyond its last.
static void ClipAxis(int* s, int* d, int n, int lo, int hi, int z, int mirrored) {
    int first = mirrored ? *s + 1 : *s;
    if (first < lo) {
        int under = lo - first;
        *d = mirrored ? *d - z * under : *d + z * under;
        first = lo;
    }
    if (first + n > hi) {
        int over = first + n - hi;
        *d = mirrored ? *d + z * over : *d - z * over;
        first -= over;
    }
    *s = mirrored ? first - 1 : first;
}

static int MarkAxis(int d, int f, int z, int s, int p, int mirrored) {
    long long v = mirrored ? (long long)d + f + (long long)z * ((long long)s - p)
                           : (long long)d + f + (long long)z * ((long long)p - s);
    if (v < -(1LL << 30))
        return -(1 << 30);
    if (v > (1LL << 30))
        return 1 << 30;
    return (int)v;
}

// The inputs after the guards against hand-edited values, and the panel,
// history row and image areas.
static void LayoutAreas(const ViewLayoutInput* in, ViewLayout* l) {
    int w = l->W = ClampInt(in->Width, 0, MaxExtent);
    int h = l->H = ClampInt(in->Height, 0, MaxExtent);
    int f = l->F = ClampInt(in->FrameWidth, 0, MaxExtent);
    l->Z = ClampZoom(in->Zoom);
    l->HistorySizeX = ClampInt(in->HistorySizeX, 1, MaxExtent);
    l->HistorySizeY = ClampInt(in->HistorySizeY, 0, MaxExtent);
    int lines = ClampInt(in->InfoLineCount, 0, 7);

    int panel = in->DispMouseDownInfo == 1;
    l->P = panel ? in->InfoFontHeight * lines + 3 : 0;
    l->Q = (panel && in->DispColorHistory == 1) ? l->HistorySizeY + 2 : 0;
    l->IW = w - 2 * f;
    l->IH = in->DispZoomImage == 1 ? h - 2 * f - l->Q - l->P : 0;
    l->TextX = f + in->ViewOriginLeft;
    l->TextY = f + in->ViewOriginTop + l->IH + 2;

    int n = (w - 2 * f - 36) / (l->HistorySizeX + 2);
    if (n > in->HistoryCount)
        n = in->HistoryCount;
    l->SwatchCount = ClampInt(n, 0, HistoryCapacity);
}

// The grid of whole, odd numbers of cells over the image area.
static void LayoutGrid(const ViewLayoutInput* in, ViewLayout* l) {
    int z = l->Z;
    int rh = in->ReversH == 1;
    int rv = in->ReversV == 1;
    // A mirrored copy reads its source one pixel further on (a negative
    // extent counts from the far edge), so the grid gets one spare cell on
    // each side and starts one cell earlier.
    l->GW = RoundToOddCells(rh ? l->IW + 2 * z : l->IW, z);
    l->GH = RoundToOddCells(rv ? l->IH + 2 * z : l->IH, z);
    l->CX = l->IW / 2 - z / 2;
    l->CY = l->IH / 2 - z / 2;
    l->GX = l->IW / 2 - l->GW / 2 - (rh ? z : 0);
    l->GY = l->IH / 2 - l->GH / 2 - (rv ? z : 0);
    l->ImageShown = l->IW > 0 && l->IH > 0;
}

// Whether the rectangles share a pixel.
static int Overlap(const Rect32& a, const Rect32& b) {
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

// An area sample takes its mean from the copy the image is stretched from
// wherever it can. Where the square round the pointer reaches past the
// area shown (a tiny image, the pointer at the edge of a fixed view) the
// read grows just enough to hold it, never beyond the virtual screen,
// whose outside no monitor shows. A square apart from the area shown (a
// fixed point far from the pointer) is read on its own, as the pointer's
// pixel was before: a read spanning the screen between them would cost
// more than that one read. One pixel never grows the read.
static void LayoutSampleRead(const ViewLayoutInput* in, const Rect32& screen, Rect32* read,
                             ViewLayout* l) {
    int half = NormalSampleSize(in->SampleSize) / 2;
    int px = ClampInt(in->PointerX, -MaxCoordinate, MaxCoordinate);
    int py = ClampInt(in->PointerY, -MaxCoordinate, MaxCoordinate);
    Rect32 square = {px - half, py - half, px + half + 1, py + half + 1};
    if (!Overlap(square, screen)) {
        l->SampleInRead = 1;  // no pixel of it lies on a monitor
        return;
    }
    // The part on the virtual screen, and the read round it and the area shown.
    square = Rect32{ClampInt(square.Left, screen.Left, screen.Right),
                    ClampInt(square.Top, screen.Top, screen.Bottom),
                    ClampInt(square.Right, screen.Left, screen.Right),
                    ClampInt(square.Bottom, screen.Top, screen.Bottom)};
    if (!Overlap(square, *read))
        return;
    *read = Rect32{square.Left < read->Left ? square.Left : read->Left,
                   square.Top < read->Top ? square.Top : read->Top,
                   square.Right > read->Right ? square.Right : read->Right,
                   square.Bottom > read->Bottom ? square.Bottom : read->Bottom};
    l->SampleInRead = 1;
}

// Which screen area is copied where, kept on the virtual screen at its
// edges; the parts of it on each monitor are read, the rest stays black.
static void LayoutCopy(const ViewLayoutInput* in, ViewLayout* l) {
    int z = l->Z;
    int rh = in->ReversH == 1;
    int rv = in->ReversV == 1;
    int fixed = in->FixMouse == 1;
    int cx = ClampInt(fixed ? in->FixMouseX : in->PointerX, -MaxCoordinate, MaxCoordinate);
    int cy = ClampInt(fixed ? in->FixMouseY : in->PointerY, -MaxCoordinate, MaxCoordinate);
    l->NX = l->GW / z;
    l->NY = l->GH / z;
    l->Copied = in->HaveScreen != 0 && in->Monitors != nullptr;
    if (!l->Copied)
        return;
    const Rect32& v = in->Monitors->Virtual;
    int left = ClampInt(v.Left, -MaxCoordinate, MaxCoordinate);
    int top = ClampInt(v.Top, -MaxCoordinate, MaxCoordinate);
    const Rect32 screen = {left, top, ClampInt(v.Right, left, MaxCoordinate),
                           ClampInt(v.Bottom, top, MaxCoordinate)};
    l->SX = cx - l->NX / 2;
    l->SY = cy - l->NY / 2;
    l->DX = l->GX;
    l->DY = l->GY;
    ClipAxis(&l->SX, &l->DX, l->NX, screen.Left, screen.Right, z, rh);
    ClipAxis(&l->SY, &l->DY, l->NY, screen.Top, screen.Bottom, z, rv);
    l->SW = l->NX;
    l->SH = l->NY;
    if (rh) {
        l->SX += l->NX;
        l->SW = -l->NX;
    }
    if (rv) {
        l->SY += l->NY;
        l->SH = -l->NY;
    }
    // A negative extent reads the pixels from s + extent + 1 to s.
    l->ReadX = rh ? l->SX + l->SW + 1 : l->SX;
    l->ReadY = rv ? l->SY + l->SH + 1 : l->SY;
    Rect32 read = {l->ReadX, l->ReadY, l->ReadX + l->NX, l->ReadY + l->NY};
    LayoutSampleRead(in, screen, &read, l);
    l->ReadX = read.Left;
    l->ReadY = read.Top;
    l->ReadW = read.Right - read.Left;
    l->ReadH = read.Bottom - read.Top;
    l->PieceCount = MonitorPieces(in->Monitors, &read, l->Pieces);
    l->ReadInside = l->PieceCount == 1 && Rect32Equal(l->Pieces[0], read);
}

// The pointer's cell: the centre, or wherever the pointer lands relative
// to a fixed point.
static void LayoutMark(const ViewLayoutInput* in, ViewLayout* l) {
    if (in->FixMouse != 1) {
        l->MarkX = l->F + l->CX;
        l->MarkY = l->F + l->CY;
        return;
    }
    int px = ClampInt(in->PointerX, -MaxCoordinate, MaxCoordinate);
    int py = ClampInt(in->PointerY, -MaxCoordinate, MaxCoordinate);
    l->MarkX = MarkAxis(l->DX, l->F, l->Z, l->SX, px, in->ReversH == 1);
    l->MarkY = MarkAxis(l->DY, l->F, l->Z, l->SY, py, in->ReversV == 1);
}

void ComputeViewLayout(const ViewLayoutInput* in, ViewLayout* l) {
    memset(l, 0, sizeof(*l));
    LayoutAreas(in, l);
    if (in->DispZoomImage != 1)
        return;
    LayoutGrid(in, l);
    if (!l->ImageShown)
        return;
    LayoutCopy(in, l);
    LayoutMark(in, l);
}

void FillLayoutSettings(const Settings* s, ViewLayoutInput* in) {
    memset(in, 0, sizeof(*in));
    in->Width = s->Width;
    in->Height = s->Height;
    in->FrameWidth = s->FrameWidth;
    in->Zoom = s->Zoom;
    in->DispZoomImage = s->DispZoomImage;
    in->DispMouseDownInfo = s->DispMouseDownInfo;
    in->DispColorHistory = s->DispColorHistory;
    in->InfoLineCount = s->InfoLineCount;
    in->InfoFontHeight = InfoFontHeight;
    in->HistorySizeX = s->HistorySizeX;
    in->HistorySizeY = s->HistorySizeY;
    in->HistoryCount = s->HistoryCount;
    in->ReversH = s->ReversH;
    in->ReversV = s->ReversV;
    in->FixMouse = s->FixMouse;
    in->FixMouseX = s->FixMouseX;
    in->FixMouseY = s->FixMouseY;
    in->SampleSize = s->SampleSize;
}

IconPlacement PlaceCursorIcon(const ViewLayout* l, int reversH, int reversV, int hotspotX,
                              int hotspotY, int cursorWidth, int cursorHeight) {
    IconPlacement p;
    int z = l->Z;
    // A negative extent draws the icon mirrored, counted from its far edge,
    // which lies on the last pixel of the hot spot's cell.
    if (reversH == 1) {
        p.X = l->MarkX + z * (hotspotX + 1) - 1;
        p.W = -z * cursorWidth;
    } else {
        p.X = l->MarkX - z * hotspotX;
        p.W = z * cursorWidth;
    }
    if (reversV == 1) {
        p.Y = l->MarkY + z * (hotspotY + 1) - 1;
        p.H = -z * cursorHeight;
    } else {
        p.Y = l->MarkY - z * hotspotY;
        p.H = z * cursorHeight;
    }
    return p;
}

static void SetRect4(int r[4], int left, int top, int right, int bottom) {
    r[0] = left;
    r[1] = top;
    r[2] = right;
    r[3] = bottom;
}

int CrossMarkRects(const ViewLayout* l, int cursorMode, int rects[3][4]) {
    int x = l->MarkX;
    int y = l->MarkY;
    int z = l->Z;
    if (cursorMode == 1) {
        // Each arm reaches five cells beyond the pointer's cell, which is
        // inverted twice and so shows unchanged.
        SetRect4(rects[0], x - 5 * z, y, x + 6 * z, y + z);
        SetRect4(rects[1], x, y - 5 * z, x + z, y + 6 * z);
        return 2;
    }
    if (cursorMode == 2) {
        // Two-pixel lines through the middle of the cell across the whole
        // view; the vertical one is split so the crossing is inverted once.
        int y2 = y + z / 2 - 1;
        int x2 = x + z / 2 - 1;
        SetRect4(rects[0], l->F, y2, l->W, y2 + 2);
        SetRect4(rects[1], x2, l->F, x2 + 2, y2);
        SetRect4(rects[2], x2, y2 + 2, x2 + 2, l->H);
        return 3;
    }
    return 0;
}

int GridShownAt(const ViewLayout* l, int dispGrid) {
    return dispGrid == 1 && l->Z > 1;
}

int PlaceSampleOutline(const ViewLayout* l, int sampleSize, int dispGrid, SampleOutline* out) {
    int size = NormalSampleSize(sampleSize);
    if (!l->ImageShown || size <= 1)
        return 0;
    // The square's first cell lies size / 2 cells before the pointer's.
    // The mark stays within 2^30, the square within 7 cells of 32 pixels.
    int z = l->Z;
    int x = l->MarkX - z * (size / 2);
    int y = l->MarkY - z * (size / 2);
    int side = z * size;
    if (GridShownAt(l, dispGrid))
        *out = SampleOutline{x, y, side + 1, side + 1};
    else
        *out = SampleOutline{x - 1, y - 1, side + 2, side + 2};
    return 1;
}

ColorRef PointerColorOf(uint32_t pixel, int webSafe) {
    ColorRef c = pixel & 0xFFFFFF;
    return webSafe == 1 ? WebSafeColor(c) : c;
}

ViewColors ComputeViewColors(const Settings* s, ColorRef pointerColor) {
    ViewColors c;
    if (s->BackColorMode == 0) {
        c.Background = s->BackColor;
        c.Light = s->HighlightColor;
        c.Dark = s->ShadowColor;
        c.Text = s->ContrastTextColor;
    } else {
        c.Background = pointerColor;
        c.Light = LighterColor(pointerColor);
        c.Dark = DarkerColor(pointerColor);
        c.Text = ContrastTextFor(pointerColor);
    }
    return c;
}

void FormatZoomLabel(char* out, int capacity, int zoom) {
    snprintf(out, (size_t)capacity, "×%d", zoom);
}

int ZoomLabelX(int width, int zoom, int infoLineCount) {
    int x = zoom < 10 ? width - 22 : width - 28;
    if (infoLineCount == 1)
        x -= 12;
    return x;
}
