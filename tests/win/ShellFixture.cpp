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
    swatch = ShowColourWindow(colour, x, y);
    return swatch;
}

int ShellFixture::CountMessages(UINT msg, WPARAM wParam) const {
    int n = 0;
    for (const RecordedMessage& m : gOwnerMessages)
        if (m.msg == msg && (wParam == (WPARAM)-1 || m.wParam == wParam))
            n++;
    return n;
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
