#include "view/RedrawView.h"

#include <limits.h>
#include <string.h>

#include "platform/AppState.h"
#include "template/Template.h"
#include "view/AreaSample.h"
#include "view/ArrowMark.h"
#include "view/ColorHistory.h"
#include "view/DrawPrimitives.h"
#include "view/FrameOps.h"
#include "view/InfoPanelText.h"
#include "view/SamplePoint.h"
#include "view/ScreenCopy.h"
#include "view/ViewLayout.h"

static const COLORREF GridColor = RGB(136, 136, 136);
static const COLORREF MarkColor = RGB(255, 0, 0);

// The settings, and what the program knows of the pointer, the monitors
// and the panel's origin.
static void FillLayoutInput(ViewLayoutInput* in) {
    FillLayoutSettings(&gSettings, in);
    in->ViewOriginLeft = gApp.ViewOrigin.left;
    in->ViewOriginTop = gApp.ViewOrigin.top;
    in->PointerX = gApp.PointerPos.x;
    in->PointerY = gApp.PointerPos.y;
    in->Monitors = &gApp.Monitors;
    in->HaveScreen = gApp.ScreenDC != nullptr;
}

static int GridShown(const ViewLayout& l) {
    return GridShownAt(&l, gSettings.DispGrid);
}

// The arrow as the pointer shows on a monitor of scale dpi: the system
// gives its size and hot spot for its own scale.
static void DrawCursorMark(HDC dc, const ViewLayout& l, int targetFound, int dpi) {
    int mode = gSettings.CursorMode;
    if (mode == 0) {
        if (!targetFound || !gApp.ArrowCursor)
            return;
        int from = gApp.Monitors.SystemDpi;
        IconPlacement p = PlaceCursorIcon(&l, gSettings.ReversH, gSettings.ReversV,
                                          ScaleForDpi(gApp.CursorHotspotX, from, dpi),
                                          ScaleForDpi(gApp.CursorHotspotY, from, dpi),
                                          ScaleForDpi(gApp.CursorWidth, from, dpi),
                                          ScaleForDpi(gApp.CursorHeight, from, dpi));
        DrawArrowMark(dc, gApp.ArrowCursor, p.X, p.Y, p.W, p.H);
        return;
    }
    int rects[3][4];
    int n = CrossMarkRects(&l, mode, rects);
    if (n > 0) {
        for (int i = 0; i < n; i++)
            InvertBox(dc, rects[i][0], rects[i][1], rects[i][2], rects[i][3]);
        return;
    }
    // The pixel frame; with the grid shown it is drawn over the grid instead.
    if (!GridShown(l))
        OutlineBox(dc, l.MarkX - 1, l.MarkY - 1, l.Z + 2, l.Z + 2, MarkColor);
}

// Every cell gets a line along its top and its left side, all in one pen:
// there are hundreds of them at small zooms.
static void DrawGrid(HDC dc, const ViewLayout& l) {
    int left = l.F + l.GX;
    int top = l.F + l.GY;
    LinePen pen = BeginLinePen(dc, GridColor);
    for (int i = 0; i < l.GH / l.Z; i++) {
        int y = top + l.Z * i;
        MoveToEx(dc, left, y, nullptr);
        LineTo(dc, left + l.GW, y);
    }
    for (int i = 0; i < l.GW / l.Z; i++) {
        int x = left + l.Z * i;
        MoveToEx(dc, x, top, nullptr);
        LineTo(dc, x, top + l.GH);
    }
    EndLinePen(dc, pen);
}

// Black over the area (al, at)-(ar, ab) except the rectangle (cl, ct)-(cr, cb).
static void FillOutside(HDC dc, int al, int at, int ar, int ab, int cl, int ct, int cr, int cb) {
    const COLORREF black = RGB(0, 0, 0);
    int top = ct > at ? ct : at;
    int bottom = cb < ab ? cb : ab;
    if (ct > at)
        FillBox(dc, al, at, ar - al, (ct < ab ? ct : ab) - at, black);
    if (cb < ab)
        FillBox(dc, al, (cb > at ? cb : at), ar - al, ab - (cb > at ? cb : at), black);
    if (bottom > top) {
        if (cl > al)
            FillBox(dc, al, top, (cl < ar ? cl : ar) - al, bottom - top, black);
        if (cr < ar)
            FillBox(dc, (cr > al ? cr : al), top, ar - (cr > al ? cr : al), bottom - top, black);
    }
}

// The image is stretched from the copy the sampling read.
static void DrawZoomedImage(HDC dc, const ViewLayout& l, int read, int targetFound, int arrowDpi) {
    // Whatever the screen cannot supply stays black. Outside the image area
    // the frame and the panel paint over everything, and the copy covers
    // its whole destination (black where it read nothing), so only the
    // rest of the image area needs the black (a large view spares most of
    // a fill).
    int copyX = l.F + l.DX, copyY = l.F + l.DY;
    if (!l.Copied) {
        FillBox(dc, 0, 0, l.W, l.H, RGB(0, 0, 0));
    } else {
        FillOutside(dc, l.F, l.F, l.F + l.IW, l.F + l.IH, copyX, copyY, copyX + l.GW,
                    copyY + l.GH);
        DWORD rop = gSettings.ReversColor == 1 ? NOTSRCCOPY : SRCCOPY;
        if (!read || !StretchBlt(dc, copyX, copyY, l.GW, l.GH, ScreenCopyDC(), l.SX - l.ReadX,
                                 l.SY - l.ReadY, l.SW, l.SH, rop))
            FillBox(dc, copyX, copyY, l.GW, l.GH, RGB(0, 0, 0));
    }
    if (gSettings.DispCursor == 1)
        DrawCursorMark(dc, l, targetFound, arrowDpi);
    if (GridShown(l)) {
        DrawGrid(dc, l);
        if (gSettings.DispCursor == 1 && gSettings.CursorMode == 3)
            OutlineBox(dc, l.MarkX, l.MarkY, l.Z + 1, l.Z + 1, MarkColor);
    }
    // The cells an area sample averages, over everything else so that the
    // whole square stays in sight, also without a cursor mark.
    SampleOutline o;
    if (PlaceSampleOutline(&l, gSettings.SampleSize, gSettings.DispGrid, &o))
        OutlineBox(dc, o.X, o.Y, o.W, o.H, MarkColor);
}

// Everything one redraw shows apart from the copy's pixels: two redraws
// with equal frames and equal copies draw the same picture.
struct ViewFrame {
    Settings Config;  // the settings as the redraw read them
    HBITMAP Bitmap;     // the back buffer drawn into
    HCURSOR Arrow;
    ViewLayout Layout;
    int Read;  // the copy holds this redraw's screen area
    int TargetFound;
    int ArrowDpi;  // the scale of the pointer's monitor
    ColorRef PointerColor;
    ViewColors Colors;
    PanelTexts Texts;
    FrameOps Ops;  // everything around the image
};

// The window at pt, asked once per redraw and point.
struct WindowLookup {
    int Asked;
    POINT Point;
    HWND Window;
};

static HWND WindowAt(WindowLookup* memo, POINT pt) {
    if (!memo->Asked || memo->Point.x != pt.x || memo->Point.y != pt.y) {
        memo->Asked = 1;
        memo->Point = pt;
        memo->Window = WindowFromPoint(pt);
    }
    return memo->Window;
}

// On a point of the desktop there always is a window, the desktop's own
// at least, and off it there is none: whether the arrow mark has a window
// under it needs no asking.
static int OnDesktop(POINT p) {
    const Rect32& r = gApp.Monitors.Virtual;
    return p.x >= r.Left && p.y >= r.Top && p.x < r.Right && p.y < r.Bottom;
}

// The pointer's colour, the mean of the sampled square: from the copy
// when it holds the square (the layout grows the read for it), else read
// on its own, as the pointer's pixel alone was read before. Where no
// pixel of the square lies on a monitor the copy has only black there,
// and the system says what the pointer's pixel is.
static uint32_t SampleViewColor(const ViewFrame& f, POINT p) {
    const MonitorLayout& m = gApp.Monitors;
    ScreenPixels copy;
    ColorRef mean;
    if (f.Read && f.Layout.SampleInRead && LatestScreenPixels(&copy)) {
        if (AverageSquare(&copy, p.x, p.y, gSettings.SampleSize, m.Area, m.Count, &mean))
            return mean;
        return GetPixel(gApp.ScreenDC, p.x, p.y);
    }
    return SampleScreenColor(gApp.ScreenDC, p, gSettings.SampleSize);
}

// Every read of the window system one redraw needs, and no other: the
// window under the pointer as the previous read left it (for the window
// lines, only as far as they print it), the pointer (unless the caller
// has just read it), the screen area once, and the user line's own sample.
static void SampleView(ViewFrame* f, const POINT* pointer) {
    const Settings& s = gSettings;
    memset(f, 0, sizeof(*f));
    memcpy(&f->Config, &s, sizeof(s));
    f->Bitmap = gApp.BackBufferBitmap;
    f->Arrow = gApp.ArrowCursor;
    WindowLookup lookup = {};
    ScreenDC();  // made again when an earlier attempt failed
    int targetParts = PanelTargetParts(&s);
    HWND target = nullptr;
    int found = 0;
    if (targetParts == PartWindow) {
        found = OnDesktop(gApp.PointerPos);
    } else if (targetParts) {
        target = WindowAt(&lookup, gApp.PointerPos);
        found = target != nullptr;
    }
    if (pointer)
        gApp.PointerPos = *pointer;
    else
        GetCursorPos(&gApp.PointerPos);
    POINT p = gApp.PointerPos;

    ViewLayoutInput in;
    FillLayoutInput(&in);
    ComputeViewLayout(&in, &f->Layout);
    const ViewLayout& l = f->Layout;
    if (l.ImageShown && l.Copied)
        f->Read = ReadScreenCopy(gApp.ScreenDC, l.ReadX, l.ReadY, l.ReadW, l.ReadH, l.Pieces,
                                 l.PieceCount, s.ReversColor == 1);

    // Without a display context the pointer colour reads as pure red.
    uint32_t pixel = 255;
    if (gApp.ScreenDC)
        pixel = SampleViewColor(*f, p);
    f->PointerColor = PointerColorOf(pixel, s.WebSafeColor);
    f->Colors = ComputeViewColors(&s, f->PointerColor);

    f->TargetFound = found;
    f->ArrowDpi = DpiAt(&gApp.Monitors, p.x, p.y);
    if (s.DispMouseDownInfo != 1)
        return;
    if (s.DispInfoUser == 1) {
        ViewSample v;
        v.Point = p;
        v.HaveScreen = gApp.ScreenDC != nullptr;
        v.Pixel = pixel;
        v.WebSafe = s.WebSafeColor;
        v.Parts = TemplateParts(s.DispInfoUserFormat);
        v.Window = v.Parts && v.HaveScreen ? WindowAt(&lookup, p) : nullptr;
        SampleViewPoint(&v, &gApp.ViewPointInfo);
        NotePreviousColor(&s, &gApp.ViewPointInfo);
    }
    PanelTarget t;
    char className[PanelTextLimit + 4];
    char text[PanelTextLimit + 4];
    SamplePanelTarget(target, targetParts, &t, className, text);
    BuildPanelTexts(&s, &gApp.ViewPointInfo, p.x, p.y, f->PointerColor, &t, &f->Texts);
}

// The frame's shapes, once the panel's lines are known.
static void SampleFrame(ViewFrame* f, const POINT* pointer) {
    SampleView(f, pointer);
    BuildFrameOps(&f->Layout, &gSettings, &f->Colors, f->PointerColor, f->Texts.Count, &f->Ops);
}

// The image steps stay inside the image area: around it the frame and
// the panel paint over everything in any case, and clipped the image
// never has to be painted over where they are not drawn again.
static void DrawImage(HDC dc, const ViewFrame& f) {
    const ViewLayout& l = f.Layout;
    if (!l.ImageShown)
        return;
    IntersectClipRect(dc, l.F, l.F, l.F + l.IW, l.F + l.IH);
    DrawZoomedImage(dc, l, f.Read, f.TargetFound, f.ArrowDpi);
    SelectClipRgn(dc, nullptr);
}

// The shapes around the image that reach into the rectangle r.
static void DrawFrameOps(HDC dc, const ViewFrame& f, const int r[4]) {
    for (int i = 0; i < f.Ops.Count; i++) {
        const FrameOp& op = f.Ops.Ops[i];
        int b[4];
        FrameOpBounds(&op, f.Layout.W, b);
        if (b[2] <= r[0] || b[0] >= r[2] || b[3] <= r[1] || b[1] >= r[3])
            continue;
        if (op.Kind == FrameOpBox) {
            FillBox(dc, op.X, op.Y, op.X2, op.Y2, op.Colour);
        } else if (op.Kind == FrameOpLine) {
            DrawLineTo(dc, op.X, op.Y, op.X2, op.Y2, op.Colour);
        } else {
            const char* text = TextOfFrameOp(&f.Ops, &f.Texts, &op);
            SetTextColor(dc, op.Colour);
            TextOutA(dc, op.X, op.Y, text, (int)strlen(text));
        }
    }
}

// This redraw's frame and the last drawn one take turns.
static ViewFrame gFrames[2];
static int gLastFrame;  // index of the last drawn frame
static int gHaveLastFrame;

void ForgetDrawnView() {
    gHaveLastFrame = 0;
}

// Draws f over the last drawn frame: the image, and around it only where
// a shape or a text changed (everything after a change of the settings or
// of the back buffer). changed receives the rectangle to put on the window.
static void DrawView(HDC dc, const ViewFrame& f, RECT* changed) {
    const ViewLayout& l = f.Layout;
    DrawImage(dc, f);
    SetRectEmpty(changed);
    if (l.ImageShown)
        SetRect(changed, l.F, l.F, l.F + l.IW, l.F + l.IH);
    const ViewFrame& last = gFrames[gLastFrame];
    int rects[FrameRectMax][4];
    int n = -1;
    if (gHaveLastFrame && memcmp(&last.Config, &f.Config, sizeof(f.Config)) == 0 &&
        last.Bitmap == f.Bitmap)
        n = ChangedFrameRects(&last.Ops, &last.Texts, &f.Ops, &f.Texts, l.W, rects);
    if (n < 0) {
        static const int all[4] = {INT_MIN, INT_MIN, INT_MAX, INT_MAX};
        DrawFrameOps(dc, f, all);
        SetRect(changed, 0, 0, l.W, l.H);
        return;
    }
    for (int i = 0; i < n; i++) {
        const int* r = rects[i];
        IntersectClipRect(dc, r[0], r[1], r[2], r[3]);
        DrawFrameOps(dc, f, r);
        SelectClipRgn(dc, nullptr);
        RECT rc = {r[0], r[1], r[2], r[3]};
        UnionRect(changed, changed, &rc);
    }
}

// Samples the view and, unless onlyWhenChanged finds the same frame over
// the same copy as last time, draws it and puts what changed on the
// window.
static void UpdateView(HWND window, int onlyWhenChanged, const POINT* pointer) {
    if (!window || !gApp.BackBufferDC || !gApp.BackBufferBitmap)
        return;
    ViewFrame& frame = gFrames[gLastFrame ^ 1];
    SampleFrame(&frame, pointer);
    if (onlyWhenChanged && gHaveLastFrame &&
        memcmp(&frame, &gFrames[gLastFrame], sizeof(frame)) == 0 &&
        (!frame.Read || ScreenCopyUnchanged()))
        return;
    RECT changed;
    DrawView(gApp.BackBufferDC, frame, &changed);
    gLastFrame ^= 1;
    gHaveLastFrame = 1;
    RECT client = {0, 0, frame.Layout.W, frame.Layout.H};
    if (!IntersectRect(&changed, &changed, &client))
        return;

    // The finished picture goes to the window at once: a copy costs far
    // less than a round through WM_PAINT, which remains for exposures.
    HDC windowDC = GetDC(window);
    if (windowDC) {
        BitBlt(windowDC, changed.left, changed.top, changed.right - changed.left,
               changed.bottom - changed.top, gApp.BackBufferDC, changed.left, changed.top, SRCCOPY);
        ReleaseDC(window, windowDC);
    }
}

int RedrawView(HWND window) {
    UpdateView(window, 0, nullptr);
    return 1;
}

int RedrawViewAt(HWND window, POINT pointer) {
    UpdateView(window, 0, &pointer);
    return 1;
}

int RefreshView(HWND window) {
    UpdateView(window, 1, nullptr);
    return 1;
}
