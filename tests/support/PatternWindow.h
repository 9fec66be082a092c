// A topmost window painted with a pattern in which every screen pixel has
// its own colour, so that a magnified copy shows which pixel each cell
// holds. The colour depends on the screen position only, so overlapping
// pattern windows look like one.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Red and green the low bytes of x and y, blue 0x80 plus the high bits:
// no pixel is black and each one up to 2047, 2047 differs.
COLORREF PatternColor(int x, int y);

// The number of the cell of size b that holds a pixel a away from the
// start of cell 0; negative before it.
inline int FloorDiv(int a, int b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// Opens the window over the screen rectangle and waits until the screen
// shows it. Null when it did not appear.
HWND ShowPatternWindow(int x, int y, int w, int h);
void ClosePatternWindow(HWND hwnd);

// A topmost window over the screen rectangle, black but for the white of
// the screen pixels from (whiteX, whiteY) right and down: corners and
// edges whose mean over any square is worked out by counting. Waits until
// the screen shows it; null when it did not appear. ClosePatternWindow
// closes it.
HWND ShowCornerWindow(int x, int y, int w, int h, int whiteX, int whiteY);

// Pixels as 32-bit DIB rows of 0x00RRGGBB (equal images show the same
// colours); At() gives colour references.
struct PixelImage {
    int Width = 0;
    std::vector<DWORD> Bits;
    COLORREF At(int x, int y) const {
        DWORD v = Bits[(size_t)y * Width + x];
        return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    }
};

// A copy of the pixels of a device context, of the screen when dc is null.
PixelImage ReadPixels(HDC dc, int x, int y, int w, int h);

// The colour as "RRGGBB".
std::string Hex(COLORREF c);

// Waits until the program's default window (300 x 260 at 100, 100, frame
// 2) shows in its image rows 2 to rows - 1 the pattern pixel of each cell
// round the pointer's at px, py, at zoom z; black where onMonitor (when
// given) says no monitor holds the pixel. False, the first wrong pixel in
// *wrong, when it does not within five seconds.
bool ViewShowsPattern(int z, int px, int py, int rows, bool (*onMonitor)(int, int), std::string* wrong);
