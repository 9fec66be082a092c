#include "PatternWindow.h"

#include <stdio.h>

#include "WineHarness.h"

COLORREF PatternColor(int x, int y) {
    return RGB(x & 0xFF, y & 0xFF, 0x80 | (((x >> 8) & 7) << 3) | ((y >> 8) & 7));
}

// Shows the window, never activated (Wine takes two seconds to hide a
// window once active), and waits until the screen shows it painted: the X
// server shows a window some time after it is mapped. Null, the window
// destroyed, when it did not appear.
template <typename Painted>
static HWND ShowWhenPainted(HWND hwnd, Painted painted) {
    ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    for (DWORD start = GetTickCount(); GetTickCount() - start < 5000; InvalidateRect(hwnd, nullptr, FALSE))
        if (PumpMessages(20), painted())
            return hwnd;
    DestroyWindow(hwnd);
    return nullptr;
}

// Paints the pattern, or for a corner window (its white corner's place
// inside it kept in its user data, never 0, 0) black and the white corner.
static LRESULT CALLBACK PatternProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_PAINT)  // the class has no brush to erase with
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT r;
    GetWindowRect(hwnd, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    const LONG_PTR at = GetWindowLongPtrA(hwnd, GWLP_USERDATA);
    std::vector<DWORD> bits;  // top-down rows of 0x00RRGGBB, COLORREF's bytes the other way round
    for (int y = r.top; y < r.bottom; y++)
        for (int x = r.left; x < r.right; x++)
            bits.push_back(!at ? __builtin_bswap32(PatternColor(x, y)) >> 8
                               : x - r.left >= (short)LOWORD(at) && y - r.top >= (short)HIWORD(at) ? 0xFFFFFF : 0);
    BITMAPINFO bi = {{sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB}};
    SetDIBitsToDevice(dc, 0, 0, w, h, 0, 0, 0, h, bits.data(), &bi, DIB_RGB_COLORS);
    EndPaint(hwnd, &ps);
    return 0;
}

static HWND CreatePatternWindow(const char* title, int x, int y, int w, int h) {
    WNDCLASSA wc = {0, PatternProc, 0, 0, GetModuleHandleA(nullptr), nullptr, nullptr, nullptr, nullptr, "MiraboTestPattern"};
    RegisterClassA(&wc);  // fails harmlessly once registered
    return CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, wc.lpszClassName, title, WS_POPUP, x, y,
                           w, h, nullptr, nullptr, wc.hInstance, nullptr);
}

static bool Shows(int x, int y, COLORREF c) { return ReadPixels(nullptr, x, y, 1, 1).At(0, 0) == c; }

HWND ShowPatternWindow(int x, int y, int w, int h) {
    HWND hwnd = CreatePatternWindow("pattern", x, y, w, h);
    auto shows = [](int px, int py) { return Shows(px, py, PatternColor(px, py)); };
    return ShowWhenPainted(hwnd, [&] { return shows(x, y) && shows(x + w - 1, y + h - 1) && shows(x + w / 2, y + h / 2); });
}

HWND ShowCornerWindow(int x, int y, int w, int h, int whiteX, int whiteY) {
    HWND hwnd = CreatePatternWindow("corner", x, y, w, h);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, MAKELONG(whiteX - x, whiteY - y));
    const COLORREF black = RGB(0, 0, 0), white = RGB(255, 255, 255);
    return ShowWhenPainted(hwnd, [&] {
        return Shows(x, y, black) && Shows(whiteX - 1, whiteY, black) && Shows(whiteX, whiteY - 1, black) &&
               Shows(whiteX, whiteY, white) && Shows(x + w - 1, y + h - 1, white);
    });
}

void ClosePatternWindow(HWND hwnd) {
    DestroyWindow(hwnd);
    PumpMessages(30);
}

PixelImage ReadPixels(HDC dc, int x, int y, int w, int h) {
    BITMAPINFO bi = {{sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB}};
    void* bits = nullptr;
    HDC src = dc ? dc : GetDC(nullptr), mem = CreateCompatibleDC(src);
    HBITMAP dib = CreateDIBSection(mem, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    SelectObject(mem, dib);
    BitBlt(mem, 0, 0, w, h, src, x, y, SRCCOPY);
    GdiFlush();
    PixelImage image{w, std::vector<DWORD>((DWORD*)bits, (DWORD*)bits + (size_t)w * h)};
    for (DWORD& v : image.Bits)
        v &= 0xFFFFFF;  // drawing may leave anything in the byte above the colour
    DeleteDC(mem);  // which lets go of the bitmap
    DeleteObject(dib);
    if (!dc)
        ReleaseDC(nullptr, src);
    return image;
}

std::string Hex(COLORREF c) {
    char s[8];
    snprintf(s, sizeof(s), "%02X%02X%02X", GetRValue(c), GetGValue(c), GetBValue(c));
    return s;
}

bool ViewShowsPattern(int z, int px, int py, int rows, bool (*onMonitor)(int, int), std::string* wrong) {
    const int x0 = 100, y0 = 100, w = 300, h = 260, cellX = w / 2 - z / 2, cellY = h / 2 - z / 2;
    return WaitUntil([&] {
        PixelImage shot = ReadPixels(nullptr, x0, y0, w, h);
        for (int y = 2; y < rows; y++)
            for (int x = 2; x < w - 2; x++) {
                int sx = px + FloorDiv(x - cellX, z), sy = py + FloorDiv(y - cellY, z);
                if (shot.At(x, y) != (!onMonitor || onMonitor(sx, sy) ? PatternColor(sx, sy) : RGB(0, 0, 0))) {
                    *wrong = "view pixel " + std::to_string(x) + "," + std::to_string(y) + " (screen " +
                             std::to_string(sx) + "," + std::to_string(sy) + ") is " + Hex(shot.At(x, y));
                    return false;
                }
            }
        return true;
    }, 5000);
}
