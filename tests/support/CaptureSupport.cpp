#include "CaptureSupport.h"

#include <stdio.h>

#include <vector>

#include "WineHarness.h"

HWND ShowColourWindow(COLORREF colour, int x, int y) {
    static int serial = 0;
    char cls[64], title[32];
    snprintf(cls, sizeof(cls), "CaptureColourWindow%d", ++serial);
    snprintf(title, sizeof(title), "colour-%02X%02X%02X", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = CreateSolidBrush(colour);
    wc.lpszClassName = cls;
    RegisterClassA(&wc);
    HWND w = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, cls, title, WS_POPUP, x, y, 100, 100,
                             nullptr, nullptr, wc.hInstance, nullptr);
    // Shown without activation: activating makes the window system wait.
    ShowWindow(w, SW_SHOWNOACTIVATE);
    HDC screen = GetDC(nullptr);
    for (int i = 0; i < 100 && GetPixel(screen, x + 50, y + 50) != colour; i++)
        PumpMessages(10);
    ReleaseDC(nullptr, screen);
    return w;
}

std::string ClipboardDib(int x, int rowFromBottom) {
    std::vector<unsigned char> d;
    if (OpenClipboard(nullptr)) {  // fails while the program under test holds it
        HANDLE h = GetClipboardData(CF_DIB);
        const unsigned char* p = h ? (const unsigned char*)GlobalLock(h) : nullptr;
        if (p)
            d.assign(p, p + GlobalSize(h));
        GlobalUnlock(h);
        CloseClipboard();
    }
    if (d.size() < 40)
        return "";
    auto le32 = [&](size_t at) { return d[at] | d[at + 1] << 8 | d[at + 2] << 16 | (unsigned)d[at + 3] << 24; };
    std::string out = std::to_string((int)le32(4)) + "x" + std::to_string((int)le32(8));
    size_t at = 40 + ((size_t)rowFromBottom * le32(4) + (size_t)x) * 4;
    char pixel[16] = "";
    if (at + 4 <= d.size())
        snprintf(pixel, sizeof(pixel), " %06X", le32(at));
    return out + pixel;
}

void EmptyTheClipboard() {
    OpenClipboard(nullptr);
    EmptyClipboard();
    CloseClipboard();
}
