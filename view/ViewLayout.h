// The arithmetic of one redraw of the view: where the zoomed image, its
// grid, the pointer's mark, the information panel and the colour history
// go, and which screen area is copied into which part of the back buffer.
// Pure: the GDI layer in RedrawView only carries these numbers out.
#pragma once

#include "core/MonitorLayout.h"
#include "core/Settings.h"

struct ViewLayoutInput {
    int Width;  // client size
    int Height;
    int FrameWidth;
    int Zoom;
    int DispZoomImage;
    int DispMouseDownInfo;
    int DispColorHistory;
    int InfoLineCount;
    int InfoFontHeight;
    int ViewOriginLeft;
    int ViewOriginTop;
    int HistorySizeX;
    int HistorySizeY;
    int HistoryCount;
    int ReversH;
    int ReversV;
    int FixMouse;
    int FixMouseX;
    int FixMouseY;
    int PointerX;  // the pointer as this redraw read it
    int PointerY;
    const MonitorLayout* Monitors;  // the copy stays inside their virtual screen
    int HaveScreen;  // a display device context exists to copy from
    int SampleSize;  // the side of the square a sample averages round the pointer
};

struct ViewLayout {
    // The inputs after the guards against hand-edited values.
    int W, H, F, Z;
    int HistorySizeX, HistorySizeY;

    int P;      // information panel height
    int Q;      // colour-history row height
    int IW;     // image area, inside the frame
    int IH;
    int TextX;  // first panel text line
    int TextY;

    int ImageShown;  // DispZoomImage on and an image area left over
    int GW, GH;      // grid: whole, odd numbers of cells covering the image area
    int GX, GY;      // grid origin inside the image area
    int CX, CY;      // top-left of the centre point's cell inside the image area

    int Copied;  // a display context exists, so the screen is copied
    int NX, NY;  // cells across and down
    int SX, SY;  // source origin on the screen, after edge clipping and mirroring
    int SW, SH;  // source extent (negative when mirrored)
    int DX, DY;  // destination offset of the copy inside the image area
    int ReadX, ReadY;  // top-left of the screen area the copy comes from
    int ReadW, ReadH;  // its size: NX x NY, grown to hold the sampled square where it reaches past
    int SampleInRead;  // the copy holds every pixel of the sampled square on the virtual screen
    int ReadInside;    // the area lies wholly on one monitor
    int PieceCount;    // the parts of that area on each monitor; the rest shows black
    Rect32 Pieces[MonitorCapacity];

    int MarkX, MarkY;  // top-left of the pointer's cell in the back buffer

    int SwatchCount;  // history swatches after the current-colour swatch
};

void ComputeViewLayout(const ViewLayoutInput* in, ViewLayout* out);

// The inputs that come from the settings (and the panel's font height);
// the rest is zero for the caller to add: the pointer, the monitors and
// the panel's origin.
void FillLayoutSettings(const Settings* s, ViewLayoutInput* in);

// Where the arrow cursor goes so that its hot spot covers the pointer's
// cell: DrawIconEx position and (negative when mirrored) size.
struct IconPlacement {
    int X, Y, W, H;
};
IconPlacement PlaceCursorIcon(const ViewLayout* l, int reversH, int reversV, int hotspotX,
                              int hotspotY, int cursorWidth, int cursorHeight);

// The rectangles (left, top, right, bottom) that cursor modes 1 and 2
// invert; the count, 0 for the other modes.
int CrossMarkRects(const ViewLayout* l, int cursorMode, int rects[3][4]);

// The grid is drawn over cells of two pixels or more only; a flag counts
// as on only at 1.
int GridShownAt(const ViewLayout* l, int dispGrid);

// The one-pixel outline round the size x size cells that an area sample
// averages, centred on the pointer's cell (the mark's, wherever a fixed
// point puts it; the square is its own mirror image), as OutlineBox takes
// it: on the grid lines that bound those cells while the grid is shown,
// else one pixel outside them, as the pixel frame lies round the pointer's
// own cell, so that at zoom 1 every sampled pixel stays in sight. 0 when
// there is nothing to outline: no image, or a size of 1.
struct SampleOutline {
    int X, Y, W, H;
};
int PlaceSampleOutline(const ViewLayout* l, int sampleSize, int dispGrid, SampleOutline* out);

// The frame and panel colours of one redraw.
struct ViewColors {
    ColorRef Background;
    ColorRef Light;
    ColorRef Dark;
    ColorRef Text;
};

// The colour under the pointer as the panel shows it: a failed screen read
// (0xFFFFFFFF) counts as white, and web-safe rounding applies when on.
ColorRef PointerColorOf(uint32_t pixel, int webSafe);

// Fixed scheme from BackColor (mode 0), or one derived from the pointer
// colour (any other mode).
ViewColors ComputeViewColors(const Settings* s, ColorRef pointerColor);

// "×N" and its x position (the label sits left of the resize grip).
void FormatZoomLabel(char* out, int capacity, int zoom);
int ZoomLabelX(int width, int zoom, int infoLineCount);
