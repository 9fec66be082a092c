// Helpers for capture tests: a window of a known colour to point at and the
// clipboard.
#pragma once

#include <windows.h>

#include <string>

// A topmost 100 x 100 window filled with colour at (x, y), titled
// "colour-RRGGBB", shown without taking the focus and painted.
HWND ShowColourWindow(COLORREF colour, int x, int y);

// The clipboard's CF_DIB block as "<width>x<height> RRGGBB" with the pixel
// at (x, row from the bottom), FFFFFFFF when the block does not hold it;
// "" when there is no image.
std::string ClipboardDib(int x, int rowFromBottom);

void EmptyTheClipboard();
