#include "CaptureSupport.h"

#include <string.h>

static LRESULT CALLBACK ColourWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

HWND ShowColourWindow(COLORREF colour, int x, int y) {
    static int serial = 0;
    char cls[64];
    wsprintfA(cls, "CaptureColourWindow%d", ++serial);
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ColourWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = CreateSolidBrush(colour);
    wc.lpszClassName = cls;
    if (!RegisterClassA(&wc))
        return nullptr;
    char title[32];
    wsprintfA(title, "colour-%02X%02X%02X", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    HWND w = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, cls, title, WS_POPUP, x, y, 100,
                             100, nullptr, nullptr, wc.hInstance, nullptr);
    if (!w)
        return nullptr;
    // Shown without activation: activating makes the window system wait.
    ShowWindow(w, SW_SHOWNOACTIVATE);
    UpdateWindow(w);
    HDC screen = GetDC(nullptr);
    for (int i = 0; i < 100 && GetPixel(screen, x + 50, y + 50) != colour; i++) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        Sleep(10);
    }
    ReleaseDC(nullptr, screen);
    return w;
}

void PressKeys(std::initializer_list<WORD> keys) {
    std::vector<INPUT> in;
    for (WORD vk : keys) {
        INPUT i = {};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = vk;
        in.push_back(i);
    }
    for (auto it = keys.end(); it != keys.begin();) {
        INPUT i = {};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = *--it;
        i.ki.dwFlags = KEYEVENTF_KEYUP;
        in.push_back(i);
    }
    SendInput((UINT)in.size(), in.data(), sizeof(INPUT));
}

static bool OpenClipboardRetrying() {
    for (int i = 0; i < 50; i++) {
        if (OpenClipboard(nullptr))
            return true;
        Sleep(10);
    }
    return false;
}

std::vector<unsigned char> ClipboardDibBytes() {
    std::vector<unsigned char> bytes;
    if (!OpenClipboardRetrying())
        return bytes;
    HANDLE h = GetClipboardData(CF_DIB);
    if (h) {
        const unsigned char* p = (const unsigned char*)GlobalLock(h);
        if (p)
            bytes.assign(p, p + GlobalSize(h));
        GlobalUnlock(h);
    }
    CloseClipboard();
    return bytes;
}

static int Le32At(const std::vector<unsigned char>& b, size_t at) {
    return (int)(b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | ((unsigned)b[at + 3] << 24));
}

int DibWidth(const std::vector<unsigned char>& dib) {
    return dib.size() >= 40 ? Le32At(dib, 4) : -1;
}

int DibHeight(const std::vector<unsigned char>& dib) {
    return dib.size() >= 40 ? Le32At(dib, 8) : -1;
}

unsigned DibPixelAt(const std::vector<unsigned char>& dib, int x, int rowFromBottom) {
    int width = DibWidth(dib);
    if (width < 0 || x < 0 || rowFromBottom < 0)
        return 0xFFFFFFFFu;
    size_t at = 40 + ((size_t)rowFromBottom * (size_t)width + (size_t)x) * 4;
    if (at + 4 > dib.size())
        return 0xFFFFFFFFu;
    return (unsigned)Le32At(dib, at);
}

bool PutClipboardText(const char* text) {
    if (!OpenClipboardRetrying())
        return false;
    EmptyClipboard();
    size_t n = strlen(text) + 1;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, n);
    bool ok = false;
    if (block) {
        memcpy(GlobalLock(block), text, n);
        GlobalUnlock(block);
        ok = SetClipboardData(CF_TEXT, block) != nullptr;
        if (!ok)
            GlobalFree(block);
    }
    CloseClipboard();
    return ok;
}

bool ClipboardHasFormat(UINT format) {
    if (!OpenClipboardRetrying())
        return false;
    bool has = IsClipboardFormatAvailable(format) != 0;
    CloseClipboard();
    return has;
}
