// The main window procedure in this process: resizing, the timer, display
// changes, double clicks, the notification icon and the window's end.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include "../support/MainWindowHarness.h"
#include "../support/WineHarness.h"
#include "app/AppState.h"
#include "app/MainWnd.h"
#include "view/RedrawView.h"

namespace {

// Only an existing icon can be modified.
bool HasTrayIcon(HWND hwnd) {
    NOTIFYICONDATAA nid = {NOTIFYICONDATAA_V1_SIZE, hwnd, 201};
    return Shell_NotifyIconA(NIM_MODIFY, &nid) != 0;
}

TEST(MainWnd, ResizesRedrawsOnTicksFollowsTheDisplayAndHidesOnDoubleClick) {
    HWND hwnd = OpenMainWindow(40, 60, 300, 260);
    ASSERT_NE(nullptr, hwnd);
    SetWindowPos(hwnd, nullptr, 0, 0, 420, 333, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(gSettings.Width == 420 && gSettings.Height == 333);
    EXPECT_EQ(RGB(174, 174, 174), GetPixel(gApp.BackBufferDC, 419, 332));  // the frame's corner
    MINMAXINFO mmi = {};
    SendMessageA(hwnd, WM_GETMINMAXINFO, 0, (LPARAM)&mmi);
    EXPECT_TRUE(mmi.ptMinTrackSize.x == 32 && mmi.ptMinTrackSize.y == 24);

    // Without a back-buffer bitmap (making one can fail) nothing is drawn
    // and the window keeps running until the next size brings one.
    ReleaseBackBuffer();
    EXPECT_EQ(1, RedrawView(hwnd));
    SetWindowPos(hwnd, nullptr, 0, 0, 300, 260, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(RGB(174, 174, 174), GetPixel(gApp.BackBufferDC, 299, 259));

    // A tick redraws when the interval is due or, between, when the pointer
    // moved; another timer or a hidden window does nothing. A redraw
    // paints over the marked pixel.
    auto tickRedraws = [&](WPARAM id) {
        SetPixel(gApp.BackBufferDC, 150, 130, RGB(255, 0, 255));
        SendMessageA(hwnd, WM_TIMER, id, 0);
        return GetPixel(gApp.BackBufferDC, 150, 130) != RGB(255, 0, 255);
    };
    SetCursorPos(700, 700);
    gApp.RedrawElapsed = 90;  // 10 ms more make the 100 ms interval
    EXPECT_FALSE(tickRedraws(102));
    gApp.WindowVisible = 0;
    EXPECT_FALSE(tickRedraws(101));
    gApp.WindowVisible = 1;
    EXPECT_TRUE(tickRedraws(101));
    tickRedraws(101);  // records the position
    EXPECT_FALSE(tickRedraws(101));
    SetCursorPos(701, 700);
    EXPECT_TRUE(tickRedraws(101));

    // The whole new screen, not the work area of a full-screen window, and
    // a new display context.
    HDC before = gApp.ScreenDC;
    gApp.ScreenWidth = gApp.ScreenHeight = 5;
    SendMessageA(hwnd, WM_DISPLAYCHANGE, 32, MAKELPARAM(1280, 1024));
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), gApp.ScreenWidth);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), gApp.ScreenHeight);
    EXPECT_EQ(0, GetDeviceCaps(before, HORZRES));
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), GetDeviceCaps(gApp.ScreenDC, HORZRES));

    // With DoubleClickMin a double click hides the window.
    gSettings.DoubleClickMin = 1;
    SendMessageA(hwnd, WM_LBUTTONDBLCLK, 0, MAKELPARAM(100, 100));
    PumpMessages(30);
    EXPECT_TRUE(IsWindow(hwnd));
    EXPECT_FALSE(IsWindowVisible(hwnd));
    EXPECT_EQ(0, gApp.WindowVisible);
    CloseMainWindow(hwnd);
}

TEST(MainWnd, SavedStateShapesTheWindowTheIconTogglesItDoubleClickClosesIt) {
    // A translucent, hidden start with a size far beyond the desktop.
    InitDefaults(GetModuleHandleA(nullptr));
    RegisterMainWindowClass(GetModuleHandleA(nullptr));
    gApp.OsVersionCode = 8;
    gSettings.WindowAlpha = 1;
    gSettings.Opacity = 50;
    gApp.WindowVisible = 0;
    gSettings.Width = gSettings.Height = 1000000;
    HWND hwnd = gApp.MainWindow = CreateMainWindow(GetModuleHandleA(nullptr));
    ASSERT_NE(nullptr, hwnd);
    EXPECT_FALSE(IsWindowVisible(hwnd));
    BYTE alpha = 0;
    EXPECT_TRUE(GetLayeredWindowAttributes(hwnd, nullptr, &alpha, nullptr));
    EXPECT_EQ(127, alpha);
    RECT rc;
    GetClientRect(hwnd, &rc);
    EXPECT_EQ(GetSystemMetrics(SM_CXVIRTUALSCREEN), rc.right);
    EXPECT_EQ(GetSystemMetrics(SM_CYVIRTUALSCREEN), gSettings.Height);
    EXPECT_NE(nullptr, gApp.BackBufferBitmap);  // a bitmap of that size could be made
    EXPECT_TRUE(HasTrayIcon(hwnd));

    // A click on the icon shows the window; a double click arrives after
    // its first click and toggles once more.
    SendMessageA(hwnd, 0x8001, 201, WM_LBUTTONDOWN);
    EXPECT_TRUE(IsWindowVisible(hwnd));
    SendMessageA(hwnd, 0x8001, 201, WM_LBUTTONDBLCLK);
    PumpMessages(30);
    EXPECT_FALSE(IsWindowVisible(hwnd));
    EXPECT_EQ(0, gApp.WindowVisible);

    // A double click on the window closes it through a posted WM_CLOSE.
    SendMessageA(hwnd, WM_LBUTTONDBLCLK, 0, MAKELPARAM(100, 100));
    EXPECT_TRUE(IsWindow(hwnd));
    PumpMessages(50);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_TRUE(!gApp.ScreenDC && !gApp.BackBufferDC && !gApp.BackBufferBitmap && !gApp.ViewFont);
    EXPECT_FALSE(HasTrayIcon(hwnd));
    CloseMainWindow(nullptr);
}

}  // namespace
