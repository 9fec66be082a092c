// A topmost window painted with a pattern in which every screen pixel has
// its own colour, so that a magnified copy shows which pixel each cell
// holds. The colour is a function of the screen position only.
#pragma once

#include <windows.h>

#include <vector>

// The pattern's colour at screen pixel (x, y): red and green the low bytes
// of x and y, blue 0x80 plus the high bits, so no pixel is black and each
// one up to 2047, 2047 differs.
COLORREF PatternColor(int x, int y);

// Opens the window over the screen rectangle and waits until the screen
// shows it. Null when it did not appear.
HWND ShowPatternWindow(int x, int y, int w, int h);
void ClosePatternWindow(HWND hwnd);

// A copy of pixels as colour references (red in the low byte).
struct PixelImage {
    int Width = 0;
    int Height = 0;
    std::vector<COLORREF> Pixels;
    COLORREF At(int x, int y) const { return Pixels[(size_t)y * Width + x]; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < Width && y < Height; }
};

// The pixels of a bitmap (it must not be selected into a device context
// other than dc's, which is used for the conversion).
PixelImage ReadBitmap(HDC dc, HBITMAP bitmap);

// The screen's pixels in a rectangle.
PixelImage ReadScreen(int x, int y, int w, int h);

// Writes an image as a PNG-convertible PPM file (for looking at failures).
bool WritePpm(const PixelImage& image, const char* path);
