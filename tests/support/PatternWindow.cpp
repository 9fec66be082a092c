#include "PatternWindow.h"

#include <stdio.h>

COLORREF PatternColor(int x, int y) {
    int blue = 0x80 | (((x >> 8) & 7) << 3) | ((y >> 8) & 7);
    return RGB(x & 0xFF, y & 0xFF, blue);
}

static const char PatternClass[] = "MiraboTestPattern";

static void PaintPattern(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT wr;
    GetWindowRect(hwnd, &wr);
    int w = wr.right - wr.left;
    int h = wr.bottom - wr.top;
    std::vector<DWORD> bits((size_t)w * h);
    for (int y = 0; y < h; y++) {
        for (int x = 0; x < w; x++) {
            COLORREF c = PatternColor(wr.left + x, wr.top + y);
            bits[(size_t)y * w + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
        }
    }
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(dc, 0, 0, w, h, 0, 0, 0, h, bits.data(), &bi, DIB_RGB_COLORS);
    EndPaint(hwnd, &ps);
}

static LRESULT CALLBACK PatternProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT:
        PaintPattern(hwnd);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

static void PumpFor(DWORD ms) {
    DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (ms)
            Sleep(5);
    } while (GetTickCount() - start < ms);
}

static bool ScreenShows(int x, int y) {
    HDC screen = GetDC(nullptr);
    COLORREF c = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return c == PatternColor(x, y);
}

HWND ShowPatternWindow(int x, int y, int w, int h) {
    static ATOM atom = 0;
    if (!atom) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = PatternProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursorA(nullptr, (LPCSTR)IDC_ARROW);
        wc.lpszClassName = PatternClass;
        atom = RegisterClassA(&wc);
    }
    HWND hwnd = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, PatternClass,
                                "pattern", WS_POPUP, x, y, w, h, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    if (!hwnd)
        return nullptr;
    ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    UpdateWindow(hwnd);
    // The X server shows the window some time after it is mapped; check
    // the four corners and the middle on the real screen.
    DWORD start = GetTickCount();
    for (;;) {
        PumpFor(20);
        if (ScreenShows(x, y) && ScreenShows(x + w - 1, y) && ScreenShows(x, y + h - 1) &&
            ScreenShows(x + w - 1, y + h - 1) && ScreenShows(x + w / 2, y + h / 2))
            return hwnd;
        if (GetTickCount() - start > 5000)
            break;
        InvalidateRect(hwnd, nullptr, FALSE);
    }
    DestroyWindow(hwnd);
    return nullptr;
}

void ClosePatternWindow(HWND hwnd) {
    if (hwnd)
        DestroyWindow(hwnd);
    PumpFor(30);
}

static PixelImage FromDibBits(const std::vector<DWORD>& bits, int w, int h) {
    PixelImage image;
    image.Width = w;
    image.Height = h;
    image.Pixels.resize((size_t)w * h);
    for (size_t i = 0; i < image.Pixels.size(); i++) {
        DWORD v = bits[i];
        image.Pixels[i] = RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    }
    return image;
}

static BITMAPINFO TopDown32(int w, int h) {
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    return bi;
}

PixelImage ReadBitmap(HDC dc, HBITMAP bitmap) {
    BITMAP bm = {};
    if (!GetObjectA(bitmap, sizeof(bm), &bm))
        return PixelImage();
    std::vector<DWORD> bits((size_t)bm.bmWidth * bm.bmHeight);
    BITMAPINFO bi = TopDown32(bm.bmWidth, bm.bmHeight);
    if (!GetDIBits(dc, bitmap, 0, bm.bmHeight, bits.data(), &bi, DIB_RGB_COLORS))
        return PixelImage();
    return FromDibBits(bits, bm.bmWidth, bm.bmHeight);
}

PixelImage ReadScreen(int x, int y, int w, int h) {
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(mem, bitmap);
    BitBlt(mem, 0, 0, w, h, screen, x, y, SRCCOPY);
    SelectObject(mem, old);
    PixelImage image = ReadBitmap(mem, bitmap);
    DeleteObject(bitmap);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return image;
}

bool WritePpm(const PixelImage& image, const char* path) {
    FILE* f = fopen(path, "wb");
    if (!f)
        return false;
    fprintf(f, "P6\n%d %d\n255\n", image.Width, image.Height);
    for (COLORREF c : image.Pixels) {
        unsigned char rgb[3] = {GetRValue(c), GetGValue(c), GetBValue(c)};
        fwrite(rgb, 1, 3, f);
    }
    return fclose(f) == 0;
}
