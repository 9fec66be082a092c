#include "CaptureSupport.h"

#include <stdint.h>
#include <stdio.h>

#include "WineHarness.h"

HWND ShowColourWindow(COLORREF colour, int x, int y) {
    char name[32];  // the class's brush is the colour
    snprintf(name, sizeof(name), "colour-%02X%02X%02X", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = CreateSolidBrush(colour);
    wc.lpszClassName = name;
    RegisterClassA(&wc);
    HWND w = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, name, name, WS_POPUP, x, y, 100, 100, nullptr,
                             nullptr, wc.hInstance, nullptr);
    // Shown without activation: activating makes the window system wait.
    ShowWindow(w, SW_SHOWNOACTIVATE);
    HDC screen = GetDC(nullptr);
    for (int i = 0; i < 100 && GetPixel(screen, x + 50, y + 50) != colour; i++)
        PumpMessages(10);
    ReleaseDC(nullptr, screen);
    return w;
}

std::string ClipboardDib(int x, int rowFromBottom) {
    if (!OpenClipboard(nullptr))  // fails while the program under test holds it
        return "";
    HANDLE h = GetClipboardData(CF_DIB);
    const int32_t* p = h ? (const int32_t*)GlobalLock(h) : nullptr;  // 32-bit header fields and pixels
    char out[64] = "";
    if (p && GlobalSize(h) >= 40) {
        size_t at = 10 + (size_t)rowFromBottom * (size_t)p[1] + (size_t)x;  // in 32-bit words
        unsigned pixel = (at + 1) * 4 <= GlobalSize(h) ? (unsigned)p[at] : ~0u;
        snprintf(out, sizeof(out), "%dx%d %06X", (int)p[1], (int)p[2], pixel);
    }
    GlobalUnlock(h);
    CloseClipboard();
    return out;
}

void EmptyTheClipboard() {
    OpenClipboard(nullptr);
    EmptyClipboard();
    CloseClipboard();
}
