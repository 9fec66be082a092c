#include "ShellFixture.h"

#include <string.h>

#include "app/Commands.h"
#include "template/Template.h"

std::vector<RecordedMessage> gOwnerMessages;
void (*gOwnerMenuIdle)(HWND menuWindow) = nullptr;

static LRESULT CALLBACK OwnerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    gOwnerMessages.push_back({msg, wParam, lParam});
    switch (msg) {
    case WM_COMMAND:
        HandleCommand(hwnd, wParam, lParam);
        return 0;
    case WM_HOTKEY:
        HandleHotkey(hwnd, (int)wParam);
        return 0;
    case WM_ENTERIDLE:
        if (wParam == MSGF_MENU && gOwnerMenuIdle) {
            void (*idle)(HWND) = gOwnerMenuIdle;
            gOwnerMenuIdle = nullptr;  // once per menu
            idle((HWND)lParam);
        }
        return 0;
    case WM_CLOSE:
    case WM_CONTEXTMENU:
        return 0;  // recorded only
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

static LRESULT CALLBACK SwatchProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void ShellFixture::SetUp() {
    InitDefaults(GetModuleHandleA(nullptr));
    WNDCLASSA wc = {};
    wc.lpfnWndProc = OwnerProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "ShellFixtureOwner";
    RegisterClassA(&wc);
    owner = CreateWindowExA(0, "ShellFixtureOwner", "owner", WS_POPUP, 0, 0, 50, 40, nullptr,
                            nullptr, wc.hInstance, nullptr);
    ASSERT_NE(nullptr, owner);
    gApp.MainWindow = owner;
    gOwnerMessages.clear();
    gOwnerMenuIdle = nullptr;
}

void ShellFixture::TearDown() {
    // Hotkeys live as long as the process otherwise.
    for (int id = 0x8003; id < 0x8003 + 40; id++)
        UnregisterHotKey(owner, id);
    if (swatch)
        DestroyWindow(swatch);
    if (owner)
        DestroyWindow(owner);
    if (gApp.ScreenDC) {
        DeleteDC(gApp.ScreenDC);
        gApp.ScreenDC = nullptr;
    }
    if (gApp.AccelTable) {
        DestroyAcceleratorTable(gApp.AccelTable);
        gApp.AccelTable = nullptr;
    }
    ClearCopyKeys(&gCopyKeys);
    gApp.MainWindow = nullptr;
    gOwnerMenuIdle = nullptr;
}

HWND ShellFixture::ShowSwatch(COLORREF colour, int x, int y) {
    if (swatch)
        DestroyWindow(swatch);
    static int serial = 0;
    char cls[64];
    wsprintfA(cls, "ShellFixtureSwatch%d", ++serial);
    WNDCLASSA wc = {};
    wc.lpfnWndProc = SwatchProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = CreateSolidBrush(colour);
    wc.lpszClassName = cls;
    RegisterClassA(&wc);
    swatch = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, cls, "swatch", WS_POPUP, x, y, 100,
                             100, nullptr, nullptr, wc.hInstance, nullptr);
    ShowWindow(swatch, SW_SHOWNOACTIVATE);
    UpdateWindow(swatch);
    // Wait until the screen shows the colour.
    HDC screen = GetDC(nullptr);
    for (int i = 0; i < 100 && GetPixel(screen, x + 50, y + 50) != colour; i++) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        Sleep(10);
    }
    ReleaseDC(nullptr, screen);
    return swatch;
}

int ShellFixture::CountMessages(UINT msg, WPARAM wParam) const {
    int n = 0;
    for (const RecordedMessage& m : gOwnerMessages)
        if (m.msg == msg && (wParam == (WPARAM)-1 || m.wParam == wParam))
            n++;
    return n;
}

static bool OpenClipboardRetrying() {
    for (int i = 0; i < 50; i++) {
        if (OpenClipboard(nullptr))
            return true;
        Sleep(10);
    }
    return false;
}

std::string ClipboardTextNow() {
    std::string text;
    if (!OpenClipboardRetrying())
        return text;
    HANDLE h = GetClipboardData(CF_TEXT);
    if (h) {
        const char* p = (const char*)GlobalLock(h);
        if (p)
            text = p;
        GlobalUnlock(h);
    }
    CloseClipboard();
    return text;
}

bool PutMarkerText(const char* text) {
    if (!OpenClipboardRetrying())
        return false;
    EmptyClipboard();
    size_t n = strlen(text) + 1;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, n);
    memcpy(GlobalLock(block), text, n);
    GlobalUnlock(block);
    bool ok = SetClipboardData(CF_TEXT, block) != nullptr;
    CloseClipboard();
    return ok;
}

std::vector<unsigned char> ClipboardDib() {
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

bool ClipboardHasFormat(UINT format) {
    if (!OpenClipboardRetrying())
        return false;
    bool has = IsClipboardFormatAvailable(format) != 0;
    CloseClipboard();
    return has;
}

unsigned DibPixel(const std::vector<unsigned char>& dib, int x, int rowFromBottom) {
    int width = (int)(dib[4] | (dib[5] << 8) | (dib[6] << 16) | ((unsigned)dib[7] << 24));
    size_t at = 40 + ((size_t)rowFromBottom * width + x) * 4;
    if (at + 4 > dib.size())
        return 0xFFFFFFFFu;
    return dib[at] | (dib[at + 1] << 8) | (dib[at + 2] << 16) | ((unsigned)dib[at + 3] << 24);
}

bool TemplatesExpand() {
    PointInfo info;
    ResetPointInfoFields(&info, nullptr);
    char probe[16];
    ExpandTemplate(probe, "x", sizeof(probe), &info);
    return strcmp(probe, "x") == 0;
}

DWORD WINAPI ClipboardHolder::Run(void* p) {
    ClipboardHolder* self = (ClipboardHolder*)p;
    self->ok_ = OpenClipboard(nullptr) != 0;
    SetEvent(self->opened_);
    if (!self->ok_)
        return 0;
    WaitForSingleObject(self->release_, 30000);
    CloseClipboard();
    return 0;
}

bool ClipboardHolder::Hold() {
    opened_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    release_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
    WaitForSingleObject(opened_, 10000);
    return ok_;
}

void ClipboardHolder::Release() {
    if (!thread_)
        return;
    SetEvent(release_);
    WaitForSingleObject(thread_, 10000);
    CloseHandle(thread_);
    CloseHandle(opened_);
    CloseHandle(release_);
    thread_ = nullptr;
}
