// Helpers for capture tests: a window of a known colour to point at, key
// presses through the real input path, and the clipboard's image.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

// A topmost 100 x 100 window filled with colour at (x, y), titled
// "colour-RRGGBB", shown without taking the focus and painted; null when
// it could not be made.
HWND ShowColourWindow(COLORREF colour, int x, int y);

// Presses the keys in order and releases them in reverse (SendInput).
void PressKeys(std::initializer_list<WORD> keys);

// The CF_DIB block on the clipboard; empty when there is none.
std::vector<unsigned char> ClipboardDibBytes();

// Pixel (x, row from the bottom) of a 32-bit DIB as 0x00RRGGBB; all bits
// set when the block is too small for it.
unsigned DibPixelAt(const std::vector<unsigned char>& dib, int x, int rowFromBottom);

// Width and height fields of a DIB header (-1 when there is no header).
int DibWidth(const std::vector<unsigned char>& dib);
int DibHeight(const std::vector<unsigned char>& dib);

// Whether the clipboard holds data of format.
bool ClipboardHasFormat(UINT format);

// Puts text on the clipboard as CF_TEXT, replacing everything there.
bool PutClipboardText(const char* text);
