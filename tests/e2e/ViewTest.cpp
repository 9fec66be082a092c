// The running program's view on the real screen: what its window shows
// over a known pattern, the wheel, the notification-area toggle, dragging
// and resizing with real input, and the settings written on closing.
#include <gtest/gtest.h>

#include <stdio.h>

#include <string>

#include "../support/PatternWindow.h"
#include "../support/WineHarness.h"

namespace {

// The program's default window and view: 300 x 260 at 100, 100, frame 2.
const int WinX = 100, WinY = 100, WinW = 300, WinH = 260, Frame = 2;
const int PatX = 600, PatY = 400, PatSize = 440;
const int PtrX = 820, PtrY = 620;

struct CursorShape {
    int HotX = 0, HotY = 0, W = 32, H = 32;
};

CursorShape ArrowShape() {
    CursorShape s;
    ICONINFO ii;
    if (GetIconInfo(LoadCursorA(nullptr, (LPCSTR)IDC_ARROW), &ii)) {
        s.HotX = (int)ii.xHotspot;
        s.HotY = (int)ii.yHotspot;
        if (ii.hbmMask)
            DeleteObject(ii.hbmMask);
        if (ii.hbmColor)
            DeleteObject(ii.hbmColor);
    }
    s.W = GetSystemMetrics(SM_CXCURSOR);
    s.H = GetSystemMetrics(SM_CYCURSOR);
    return s;
}

int FloorDiv(int a, int b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// Counts the pixels of the window's image area that do not show the
// pattern pixel of their cell at the given zoom, leaving out the enlarged
// arrow drawn over the pointer's cell.
int WrongCells(const PixelImage& shot, int zoom, std::string* first) {
    const int iw = WinW - 2 * Frame, ih = WinH - 2 * Frame;
    const int cellX = Frame + iw / 2 - zoom / 2, cellY = Frame + ih / 2 - zoom / 2;
    CursorShape arrow = ArrowShape();
    const int arrowX = cellX - zoom * arrow.HotX, arrowY = cellY - zoom * arrow.HotY;
    int bad = 0;
    for (int y = Frame; y < Frame + ih; y++) {
        for (int x = Frame; x < Frame + iw; x++) {
            if (x >= arrowX && x < arrowX + zoom * arrow.W && y >= arrowY &&
                y < arrowY + zoom * arrow.H)
                continue;
            int sx = PtrX + FloorDiv(x - cellX, zoom);
            int sy = PtrY + FloorDiv(y - cellY, zoom);
            if (shot.At(x, y) != PatternColor(sx, sy)) {
                if (bad == 0 && first) {
                    char buf[96];
                    snprintf(buf, sizeof(buf), "(%d,%d) is %06lX, not %06lX", x, y,
                             (unsigned long)shot.At(x, y), (unsigned long)PatternColor(sx, sy));
                    *first = buf;
                }
                bad++;
            }
        }
    }
    return bad;
}

// Waits until the window on the screen shows the pattern at the zoom.
bool ScreenShowsZoom(int zoom, std::string* first) {
    int bad = -1;
    WaitUntil(
        [&] {
            bad = WrongCells(ReadScreen(WinX, WinY, WinW, WinH), zoom, first);
            return bad == 0;
        },
        5000);
    return bad == 0;
}

class ViewE2E : public ::testing::Test {
protected:
    void SetUp() override {
        pattern_ = ShowPatternWindow(PatX, PatY, PatSize, PatSize);
        ASSERT_NE(nullptr, pattern_);
        SetCursorPos(PtrX, PtrY);
    }
    void TearDown() override {
        EndMirabo(&p_);
        ClosePatternWindow(pattern_);
    }
    HWND pattern_ = nullptr;
    MiraboProcess p_;
};

TEST_F(ViewE2E, WindowShowsThePatternMagnifiedWithItsFrame) {
    ASSERT_TRUE(StartMirabo(&p_, MakeRunDir("view-screen")));
    std::string first;
    EXPECT_TRUE(ScreenShowsZoom(2, &first)) << first;

    PixelImage shot = ReadScreen(WinX, WinY, WinW, WinH);
    // Light top and left edges, the 238 grey band, dark bottom and right.
    EXPECT_EQ(RGB(255, 255, 255), shot.At(150, 0));
    EXPECT_EQ(RGB(255, 255, 255), shot.At(0, 130));
    EXPECT_EQ(RGB(238, 238, 238), shot.At(150, 1));
    EXPECT_EQ(RGB(238, 238, 238), shot.At(1, 130));
    EXPECT_EQ(RGB(174, 174, 174), shot.At(150, WinH - 1));
    EXPECT_EQ(RGB(174, 174, 174), shot.At(WinW - 1, 130));
    // The enlarged arrow's tip covers the pointer's cell.
    EXPECT_NE(PatternColor(PtrX, PtrY), shot.At(Frame + 147, Frame + 127));

    // The view follows the pointer.
    SetCursorPos(PtrX - 30, PtrY + 17);
    EXPECT_TRUE(WaitUntil(
        [&] {
            return ReadScreen(WinX + Frame + 147 + 2 * 30, WinY + Frame + 127 - 2 * 17, 1, 1).At(0, 0) ==
                   PatternColor(PtrX, PtrY);
        },
        3000));
    EXPECT_EQ(0, CloseMirabo(&p_));
}

TEST_F(ViewE2E, WheelZoomsOneStepPerNotchUpToThirtyTwo) {
    ASSERT_TRUE(StartMirabo(&p_, MakeRunDir("view-wheel")));
    std::string first;
    ASSERT_TRUE(ScreenShowsZoom(2, &first)) << first;
    SendMessageA(p_.hwnd, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), MAKELPARAM(PtrX, PtrY));
    EXPECT_TRUE(ScreenShowsZoom(3, &first)) << first;
    SendMessageA(p_.hwnd, WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)-360), MAKELPARAM(PtrX, PtrY));
    EXPECT_TRUE(ScreenShowsZoom(2, &first)) << first;
    for (int i = 0; i < 35; i++)
        SendMessageA(p_.hwnd, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), MAKELPARAM(PtrX, PtrY));
    EXPECT_TRUE(ScreenShowsZoom(32, &first)) << first;
    EXPECT_EQ(0, CloseMirabo(&p_));
}

TEST_F(ViewE2E, NotificationIconClickHidesAndShowsTheWindow) {
    ASSERT_TRUE(StartMirabo(&p_, MakeRunDir("view-tray")));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(p_.hwnd) != 0; }, 5000));
    PostMessageA(p_.hwnd, 0x8001, 201, WM_LBUTTONDOWN);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(p_.hwnd) == 0; }, 5000));
    PostMessageA(p_.hwnd, 0x8001, 201, WM_LBUTTONDOWN);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(p_.hwnd) != 0; }, 5000));
    // The view is drawn again once it is back.
    std::string first;
    EXPECT_TRUE(ScreenShowsZoom(2, &first)) << first;
    EXPECT_EQ(0, CloseMirabo(&p_));
}

std::string Xdotool(const char* args) {
    return std::string("/usr/bin/xdotool ") + args;
}

TEST_F(ViewE2E, DraggingTheClientAreaMovesAndTheGripResizes) {
    ASSERT_TRUE(StartMirabo(&p_, MakeRunDir("view-drag")));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(p_.hwnd) != 0; }, 5000));
    PumpMessages(200);
    // The window hit-tests at the pointer position it reads itself, and the
    // system's move loop starts from where the pointer is when it begins:
    // each press waits for the pointer to arrive, each drag for the loop.
    char cmd[256];
    snprintf(cmd, sizeof(cmd),
             "mousemove %d %d sleep 0.3 mousedown 1 sleep 0.3 mousemove %d %d sleep 0.2 mousemove %d %d sleep 0.2 "
             "mouseup 1",
             WinX + 150, WinY + 130, WinX + 170, WinY + 140, WinX + 200, WinY + 160);
    ASSERT_EQ(0, RunUnix(Xdotool(cmd)));
    RECT rc = {};
    EXPECT_TRUE(WaitUntil(
        [&] {
            GetWindowRect(p_.hwnd, &rc);
            return rc.left == WinX + 50 && rc.top == WinY + 30;
        },
        3000))
        << rc.left << "," << rc.top;
    EXPECT_EQ(WinW, rc.right - rc.left);

    // The 16 x 16 grip at the lower right corner resizes.
    int gx = rc.right - 5, gy = rc.bottom - 5;
    snprintf(cmd, sizeof(cmd),
             "mousemove %d %d sleep 0.3 mousedown 1 sleep 0.3 mousemove %d %d sleep 0.2 mousemove %d %d sleep 0.2 "
             "mouseup 1",
             gx, gy, gx + 20, gy + 10, gx + 40, gy + 20);
    ASSERT_EQ(0, RunUnix(Xdotool(cmd)));
    EXPECT_TRUE(WaitUntil(
        [&] {
            GetWindowRect(p_.hwnd, &rc);
            return rc.right - rc.left == WinW + 40 && rc.bottom - rc.top == WinH + 20;
        },
        3000))
        << rc.right - rc.left << " x " << rc.bottom - rc.top;
    EXPECT_EQ(WinX + 50, rc.left);
    EXPECT_EQ(0, CloseMirabo(&p_));
}

TEST_F(ViewE2E, ClosingWritesTheZoomIntoSystemIni) {
    std::string dir = MakeRunDir("view-save");
    ASSERT_TRUE(StartMirabo(&p_, dir));
    for (int i = 0; i < 3; i++)
        SendMessageA(p_.hwnd, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
    EXPECT_EQ(0, CloseMirabo(&p_));
    std::string ini;
    ASSERT_TRUE(ReadWholeFile(dir + "\\system.ini", &ini));
    EXPECT_EQ(0u, ini.find("[System]"));
    EXPECT_NE(std::string::npos, ini.find("\nZoom=5\r\n"));
    EXPECT_NE(std::string::npos, ini.find("\nLeft=100\r\n"));
    EXPECT_NE(std::string::npos, ini.find("\nWidth=300\r\n"));
}

}  // namespace
