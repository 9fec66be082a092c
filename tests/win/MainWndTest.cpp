// The main window procedure in this process: surfaces and font, timer,
// wheel, arrow keys, hit testing, size limits, the notification-area icon,
// double click and translucency.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include "../support/MainWindowHarness.h"
#include "../support/WineHarness.h"
#include "app/AppState.h"
#include "app/MainWnd.h"

namespace {

const int WinX = 40, WinY = 60;

class MainWndTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { hwnd_ = OpenMainWindow(WinX, WinY, 300, 260); }
    static void TearDownTestSuite() { CloseMainWindow(hwnd_); }

    void SetUp() override {
        ASSERT_NE(nullptr, hwnd_);
        SetDefaultSettings(&gSettings);
        SetWindowPos(hwnd_, nullptr, WinX, WinY, 300, 260, SWP_NOZORDER | SWP_NOACTIVATE);
        gApp.WindowVisible = 1;
        ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
    }

    // Marks a back-buffer pixel of the image area; a redraw paints over it.
    static void MarkBackBuffer() { SetPixel(gApp.BackBufferDC, 150, 130, RGB(255, 0, 255)); }
    static bool Redrawn() { return GetPixel(gApp.BackBufferDC, 150, 130) != RGB(255, 0, 255); }

    static HWND hwnd_;
};

HWND MainWndTest::hwnd_ = nullptr;

TEST_F(MainWndTest, CreationMakesSurfacesFontTimerAndIcon) {
    EXPECT_TRUE(IsWindowVisible(hwnd_));
    EXPECT_NE(nullptr, gApp.ScreenDC);
    ASSERT_NE(nullptr, gApp.BackBufferDC);
    ASSERT_NE(nullptr, gApp.BackBufferBitmap);
    BITMAP bm;
    ASSERT_TRUE(GetObjectA(gApp.BackBufferBitmap, sizeof(bm), &bm));
    EXPECT_EQ(300, bm.bmWidth);
    EXPECT_EQ(260, bm.bmHeight);
    EXPECT_EQ(gApp.BackBufferBitmap, GetCurrentObject(gApp.BackBufferDC, OBJ_BITMAP));

    ASSERT_NE(nullptr, gApp.ViewFont);
    EXPECT_EQ(gApp.ViewFont, GetCurrentObject(gApp.BackBufferDC, OBJ_FONT));
    LOGFONTA lf;
    ASSERT_TRUE(GetObjectA(gApp.ViewFont, sizeof(lf), &lf));
    EXPECT_EQ(12, lf.lfHeight);
    EXPECT_EQ(0, lf.lfWidth);
    EXPECT_EQ(0, lf.lfWeight);
    EXPECT_EQ(SHIFTJIS_CHARSET, lf.lfCharSet);
    EXPECT_STREQ("\x82\x6C\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4E", lf.lfFaceName);

    EXPECT_EQ(TRANSPARENT, GetBkMode(gApp.BackBufferDC));
    EXPECT_EQ(0u, GetTextAlign(gApp.BackBufferDC));
    EXPECT_EQ(MM_TEXT, GetMapMode(gApp.BackBufferDC));
    EXPECT_EQ(COLORONCOLOR, GetStretchBltMode(gApp.BackBufferDC));

    // The icon exists: only an existing icon can be modified.
    NOTIFYICONDATAA nid = {};
    nid.cbSize = NOTIFYICONDATAA_V1_SIZE;
    nid.hWnd = hwnd_;
    nid.uID = 201;
    nid.uFlags = NIF_TIP;
    lstrcpyA(nid.szTip, "Mirabo");
    EXPECT_TRUE(Shell_NotifyIconA(NIM_MODIFY, &nid));

    // The 10 ms timer redraws on its own.
    MarkBackBuffer();
    PumpMessages(300);
    EXPECT_TRUE(Redrawn());
}

TEST_F(MainWndTest, TimerRedrawsWhenTheIntervalIsDueOrThePointerMoved) {
    KillTimer(hwnd_, 101);
    SetCursorPos(700, 700);
    gSettings.TimerInterval = 100;
    gSettings.MouseMoveRedraw = 0;
    gApp.RedrawElapsed = 0;
    MarkBackBuffer();
    for (int i = 0; i < 9; i++)
        SendMessageA(hwnd_, WM_TIMER, 101, 0);
    EXPECT_FALSE(Redrawn());
    SendMessageA(hwnd_, WM_TIMER, 101, 0);
    EXPECT_TRUE(Redrawn());

    // Other timers and a hidden window do nothing.
    gApp.RedrawElapsed = 90;
    MarkBackBuffer();
    SendMessageA(hwnd_, WM_TIMER, 102, 0);
    EXPECT_FALSE(Redrawn());
    gApp.WindowVisible = 0;
    SendMessageA(hwnd_, WM_TIMER, 101, 0);
    EXPECT_FALSE(Redrawn());
    EXPECT_EQ(90, gApp.RedrawElapsed);
    gApp.WindowVisible = 1;

    // With MouseMoveRedraw a still pointer costs no redraw, a moved one does.
    gSettings.MouseMoveRedraw = 1;
    gApp.RedrawElapsed = 0;
    SendMessageA(hwnd_, WM_TIMER, 101, 0);  // records the position
    MarkBackBuffer();
    for (int i = 0; i < 5; i++)
        SendMessageA(hwnd_, WM_TIMER, 101, 0);
    EXPECT_FALSE(Redrawn());
    SetCursorPos(701, 700);
    SendMessageA(hwnd_, WM_TIMER, 101, 0);
    EXPECT_TRUE(Redrawn());
    EXPECT_EQ(701, gApp.LastPointerPos.x);
    SetTimer(hwnd_, 101, 10, nullptr);
}

TEST_F(MainWndTest, WheelZoomsOneStepPerMessage) {
    KillTimer(hwnd_, 101);
    gSettings.Zoom = 8;
    SendMessageA(hwnd_, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
    EXPECT_EQ(9, gSettings.Zoom);
    SendMessageA(hwnd_, WM_MOUSEWHEEL, MAKEWPARAM(0, 480), 0);
    EXPECT_EQ(10, gSettings.Zoom);
    SendMessageA(hwnd_, WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)-120), 0);
    EXPECT_EQ(9, gSettings.Zoom);
    // The wheel redraws at once.
    MarkBackBuffer();
    SendMessageA(hwnd_, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
    EXPECT_TRUE(Redrawn());
    for (int i = 0; i < 40; i++)
        SendMessageA(hwnd_, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
    EXPECT_EQ(32, gSettings.Zoom);
    for (int i = 0; i < 40; i++)
        SendMessageA(hwnd_, WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)-120), 0);
    EXPECT_EQ(1, gSettings.Zoom);
    SetTimer(hwnd_, 101, 10, nullptr);
}

TEST_F(MainWndTest, ArrowKeysMoveThePointer) {
    SetCursorPos(500, 400);
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    SendMessageA(hwnd_, WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(500, gApp.PointerPos.x);  // read before the move
    SendMessageA(hwnd_, WM_KEYDOWN, VK_DOWN, 0);
    POINT pt;
    GetCursorPos(&pt);
    EXPECT_EQ(501, pt.x);
    EXPECT_EQ(401, pt.y);

    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    SendMessageA(hwnd_, WM_KEYDOWN, VK_LEFT, 0);
    SendMessageA(hwnd_, WM_KEYDOWN, VK_UP, 0);
    SendMessageA(hwnd_, WM_KEYDOWN, 'A', 0);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    GetCursorPos(&pt);
    EXPECT_EQ(491, pt.x);
    EXPECT_EQ(391, pt.y);
}

TEST_F(MainWndTest, EdgesAndCornersResizeTheFramelessWindow) {
    struct Case {
        int x, y;
        LRESULT hit;
    } cases[] = {
        {150, 130, HTCLIENT},   {1, 100, HTLEFT},          {298, 100, HTRIGHT},
        {150, 2, HTTOP},        {150, 258, HTBOTTOM},       {3, 3, HTTOPLEFT},
        {296, 3, HTTOPRIGHT},   {3, 256, HTBOTTOMLEFT},     {290, 250, HTBOTTOMRIGHT},
        {284, 244, HTBOTTOMRIGHT}, {283, 243, HTCLIENT},
    };
    for (const Case& c : cases) {
        SetCursorPos(WinX + c.x, WinY + c.y);
        LRESULT hit = SendMessageA(hwnd_, WM_NCHITTEST, 0, MAKELPARAM(WinX + c.x, WinY + c.y));
        EXPECT_EQ(c.hit, hit) << c.x << "," << c.y;
    }
    MINMAXINFO mmi = {};
    SendMessageA(hwnd_, WM_GETMINMAXINFO, 0, (LPARAM)&mmi);
    EXPECT_EQ(32, mmi.ptMinTrackSize.x);
    EXPECT_EQ(24, mmi.ptMinTrackSize.y);
    SendMessageA(hwnd_, WM_GETMINMAXINFO, 0, 0);  // no structure: nothing happens
}

TEST_F(MainWndTest, ResizingRebuildsTheBackBufferAndRecordsTheSize) {
    ResizeMainWindow(hwnd_, 420, 333);
    EXPECT_EQ(420, gSettings.Width);
    EXPECT_EQ(333, gSettings.Height);
    BITMAP bm;
    ASSERT_TRUE(GetObjectA(gApp.BackBufferBitmap, sizeof(bm), &bm));
    EXPECT_EQ(420, bm.bmWidth);
    EXPECT_EQ(333, bm.bmHeight);
    // The frame's dark bottom edge sits on the new last row.
    EXPECT_EQ(RGB(174, 174, 174), GetPixel(gApp.BackBufferDC, 200, 332));

    // Painting copies the back buffer: what it holds reaches the window.
    RECT rc = {0, 0, 420, 333};
    HBRUSH brush = CreateSolidBrush(RGB(12, 34, 56));
    FillRect(gApp.BackBufferDC, &rc, brush);
    DeleteObject(brush);
    KillTimer(hwnd_, 101);
    InvalidateRect(hwnd_, nullptr, FALSE);
    UpdateWindow(hwnd_);
    HDC dc = GetDC(hwnd_);
    EXPECT_EQ(RGB(12, 34, 56), GetPixel(dc, 210, 160));
    ReleaseDC(hwnd_, dc);
    SetTimer(hwnd_, 101, 10, nullptr);
    ResizeMainWindow(hwnd_, 300, 260);
}

TEST_F(MainWndTest, ClicksPostTheirFollowUps) {
    MSG msg;
    // The left button drags: the press becomes a caption press.
    SendMessageA(hwnd_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(120, 80));
    ASSERT_TRUE(PeekMessageA(&msg, hwnd_, WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE));
    EXPECT_EQ((WPARAM)HTCAPTION, msg.wParam);
    EXPECT_EQ(MAKELPARAM(120, 80), msg.lParam);
    // The middle button opens the options.
    SendMessageA(hwnd_, WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(120, 80));
    ASSERT_TRUE(PeekMessageA(&msg, hwnd_, WM_COMMAND, WM_COMMAND, PM_REMOVE));
    EXPECT_EQ(41008u, msg.wParam);
    EXPECT_EQ(0, msg.lParam);
    // Nothing else was posted.
    EXPECT_FALSE(PeekMessageA(&msg, hwnd_, WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_NOREMOVE));
    EXPECT_FALSE(PeekMessageA(&msg, hwnd_, WM_COMMAND, WM_COMMAND, PM_NOREMOVE));
}

TEST_F(MainWndTest, NotificationIconClickTogglesTheWindow) {
    SendMessageA(hwnd_, 0x8001, 201, WM_LBUTTONDOWN);
    EXPECT_FALSE(IsWindowVisible(hwnd_));
    EXPECT_EQ(0, gApp.WindowVisible);
    SendMessageA(hwnd_, 0x8001, 201, WM_LBUTTONDOWN);
    EXPECT_TRUE(IsWindowVisible(hwnd_));
    EXPECT_EQ(1, gApp.WindowVisible);
    // A double click arrives after its first click; it toggles once more.
    SendMessageA(hwnd_, 0x8001, 201, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(IsWindowVisible(hwnd_));
    PumpMessages(50);
    EXPECT_FALSE(IsWindowVisible(hwnd_));
    SendMessageA(hwnd_, 0x8001, 201, WM_MOUSEMOVE);
    EXPECT_FALSE(IsWindowVisible(hwnd_));
    SendMessageA(hwnd_, 0x8001, 201, WM_LBUTTONDOWN);
    EXPECT_TRUE(IsWindowVisible(hwnd_));
}

TEST_F(MainWndTest, DoubleClickHidesWithDoubleClickMin) {
    gSettings.DoubleClickMin = 1;
    SendMessageA(hwnd_, WM_LBUTTONDBLCLK, 0, MAKELPARAM(100, 100));
    PumpMessages(30);
    EXPECT_TRUE(IsWindow(hwnd_));
    EXPECT_FALSE(IsWindowVisible(hwnd_));
    EXPECT_EQ(0, gApp.WindowVisible);
    // The timer does nothing while hidden.
    gApp.RedrawElapsed = 0;
    PumpMessages(100);
    EXPECT_EQ(0, gApp.RedrawElapsed);
}

TEST_F(MainWndTest, DisplayChangeTakesTheNewScreenSize) {
    gApp.ScreenWidth = 5;
    gApp.ScreenHeight = 7;
    HDC before = gApp.ScreenDC;
    SendMessageA(hwnd_, WM_DISPLAYCHANGE, 32, MAKELPARAM(1280, 1024));
    // The whole screen, not the work area of a full-screen window.
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), gApp.ScreenWidth);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), gApp.ScreenHeight);
    // A display context of the new mode; the old one is gone.
    ASSERT_NE(nullptr, gApp.ScreenDC);
    EXPECT_NE(before, gApp.ScreenDC);
    EXPECT_EQ(0, GetDeviceCaps(before, HORZRES));
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), GetDeviceCaps(gApp.ScreenDC, HORZRES));
}

TEST_F(MainWndTest, OpacityMakesTheWindowLayeredOrPlain) {
    int saved = gApp.OsVersionCode;
    gApp.OsVersionCode = 8;
    BYTE alpha = 0;
    DWORD flags = 0;
    auto layered = [&] { return (GetWindowLongA(hwnd_, GWL_EXSTYLE) & WS_EX_LAYERED) != 0; };

    EXPECT_EQ(1, SetWindowOpacity(hwnd_, 80, 0));
    EXPECT_TRUE(layered());
    ASSERT_TRUE(GetLayeredWindowAttributes(hwnd_, nullptr, &alpha, &flags));
    EXPECT_EQ(204, alpha);
    EXPECT_EQ((DWORD)LWA_ALPHA, flags);

    EXPECT_EQ(1, SetWindowOpacity(hwnd_, 100, 0));
    EXPECT_FALSE(layered());
    EXPECT_EQ(1, SetWindowOpacity(hwnd_, 100, 1));
    EXPECT_TRUE(layered());
    ASSERT_TRUE(GetLayeredWindowAttributes(hwnd_, nullptr, &alpha, &flags));
    EXPECT_EQ(255, alpha);
    EXPECT_EQ(1, SetWindowOpacity(hwnd_, 150, 0));  // treated as 100
    EXPECT_FALSE(layered());
    EXPECT_EQ(1, SetWindowOpacity(hwnd_, -5, 0));
    ASSERT_TRUE(GetLayeredWindowAttributes(hwnd_, nullptr, &alpha, &flags));
    EXPECT_EQ(0, alpha);

    // Too old a system: nothing is done.
    SetWindowOpacity(hwnd_, 100, 0);
    gApp.OsVersionCode = 4;
    EXPECT_EQ(0, SetWindowOpacity(hwnd_, 50, 1));
    EXPECT_FALSE(layered());
    gApp.OsVersionCode = saved;
}

// Windows of their own: these end with the window gone.
TEST(MainWndLifetime, DoubleClickClosesAndDestructionReleasesEverything) {
    HWND hwnd = OpenMainWindow(WinX, WinY, 300, 260);
    ASSERT_NE(nullptr, hwnd);
    SendMessageA(hwnd, WM_LBUTTONDBLCLK, 0, MAKELPARAM(100, 100));
    EXPECT_TRUE(IsWindow(hwnd));  // closes through a posted WM_CLOSE
    bool quit = false;
    DWORD start = GetTickCount();
    while (GetTickCount() - start < 5000 && !quit) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                quit = true;
                EXPECT_EQ(0u, msg.wParam);
                break;
            }
            DispatchMessageA(&msg);
        }
        Sleep(5);
    }
    EXPECT_TRUE(quit);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(nullptr, gApp.ScreenDC);
    EXPECT_EQ(nullptr, gApp.BackBufferDC);
    EXPECT_EQ(nullptr, gApp.BackBufferBitmap);
    EXPECT_EQ(nullptr, gApp.ViewFont);
    NOTIFYICONDATAA nid = {};
    nid.cbSize = NOTIFYICONDATAA_V1_SIZE;
    nid.hWnd = hwnd;
    nid.uID = 201;
    EXPECT_FALSE(Shell_NotifyIconA(NIM_MODIFY, &nid));
    CloseMainWindow(nullptr);
}

TEST(MainWndLifetime, EndOfSessionLetsWindowsGoOnAndClosesTheWindow) {
    HWND hwnd = OpenMainWindow(WinX, WinY, 300, 260);
    ASSERT_NE(nullptr, hwnd);
    EXPECT_EQ(1, SendMessageA(hwnd, WM_QUERYENDSESSION, 0, 0));
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(nullptr, gApp.BackBufferDC);
    CloseMainWindow(nullptr);
}

TEST(MainWndLifetime, SavedStateShapesTheNewWindow) {
    // A translucent, hidden start, and a size far beyond the desktop.
    InitDefaults(GetModuleHandleA(nullptr));
    gApp.OsVersionCode = 8;
    gSettings.WindowAlpha = 1;
    gSettings.Opacity = 50;
    gApp.WindowVisible = 0;
    gSettings.Width = 1000000;
    gSettings.Height = 900000;
    WNDCLASSA wc;
    if (!GetClassInfoA(GetModuleHandleA(nullptr), MainWindowClass, &wc))
        RegisterMainWindowClass(GetModuleHandleA(nullptr));
    gApp.MainWindow = CreateMainWindow(GetModuleHandleA(nullptr));
    HWND hwnd = gApp.MainWindow;
    ASSERT_NE(nullptr, hwnd);
    EXPECT_FALSE(IsWindowVisible(hwnd));
    BYTE alpha = 0;
    EXPECT_TRUE(GetLayeredWindowAttributes(hwnd, nullptr, &alpha, nullptr));
    EXPECT_EQ(127, alpha);
    RECT rc;
    GetClientRect(hwnd, &rc);
    EXPECT_LE(rc.right, GetSystemMetrics(SM_CXVIRTUALSCREEN));
    EXPECT_LE(rc.bottom, GetSystemMetrics(SM_CYVIRTUALSCREEN));
    EXPECT_GE(rc.right, 32);
    EXPECT_EQ(rc.right, gSettings.Width);
    EXPECT_NE(nullptr, gApp.BackBufferBitmap);
    CloseMainWindow(hwnd);
}

}  // namespace
