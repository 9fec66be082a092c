// The running program's view on the real screen: what its window shows
// over a known pattern, the wheel, the notification-area toggle, and the
// zoom written on closing.
#include <gtest/gtest.h>

#include <string>

#include "../support/PatternWindow.h"
#include "../support/WineHarness.h"

namespace {

// The program's default window: 300 x 260 at 100, 100, frame 2.
const int WinX = 100, WinY = 100, WinW = 300, WinH = 260, PtrX = 820, PtrY = 620;

int FloorDiv(int a, int b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// Waits until every pixel of the image area above the enlarged arrow
// (it hangs from the pointer's cell) shows the pattern pixel of its cell.
bool ScreenShowsZoom(int zoom) {
    ICONINFO arrow = {};
    GetIconInfo(LoadCursorA(nullptr, (LPCSTR)IDC_ARROW), &arrow);
    DeleteObject(arrow.hbmMask);
    DeleteObject(arrow.hbmColor);
    const int cellX = WinW / 2 - zoom / 2, cellY = WinH / 2 - zoom / 2;
    return WaitUntil(
        [&] {
            PixelImage shot = ReadScreen(WinX, WinY, WinW, WinH);
            for (int y = 2; y < cellY - zoom * (int)arrow.yHotspot; y++)
                for (int x = 2; x < WinW - 2; x++)
                    if (shot.At(x, y) != PatternColor(PtrX + FloorDiv(x - cellX, zoom),
                                                      PtrY + FloorDiv(y - cellY, zoom)))
                        return false;
            return true;
        },
        5000);
}

// Ends the program and closes the pattern however the test ends.
struct ViewRun {
    HWND pattern = ShowPatternWindow(600, 400, 440, 440);
    MiraboProcess p;
    ~ViewRun() {
        EndMirabo(&p);
        ClosePatternWindow(pattern);
    }
};

TEST(ViewE2E, MagnifiesFollowsZoomsHidesAndSavesTheZoom) {
    ViewRun run;
    ASSERT_NE(nullptr, run.pattern);
    SetCursorPos(PtrX, PtrY);
    std::string dir = MakeRunDir("view");
    ASSERT_TRUE(StartMirabo(&run.p, dir));
    const HWND hwnd = run.p.hwnd;
    EXPECT_TRUE(ScreenShowsZoom(2));
    // The enlarged arrow's tip covers the pointer's cell.
    EXPECT_NE(PatternColor(PtrX, PtrY), ReadScreen(WinX + 149, WinY + 129, 1, 1).At(0, 0));
    // The timer makes the view follow the pointer: the pixel that was at
    // the pointer moves 30 cells right and 17 up.
    SetCursorPos(PtrX - 30, PtrY + 17);
    auto moved = [] { return ReadScreen(WinX + 209, WinY + 95, 1, 1).At(0, 0); };
    EXPECT_TRUE(WaitUntil([&] { return moved() == PatternColor(PtrX, PtrY); }, 3000));
    SetCursorPos(PtrX, PtrY);

    // One zoom step per wheel message, whatever its distance, up to 32.
    SendMessageA(hwnd, WM_MOUSEWHEEL, MAKEWPARAM(0, 360), MAKELPARAM(PtrX, PtrY));
    EXPECT_TRUE(ScreenShowsZoom(3));
    for (int i = 0; i < 35; i++)
        SendMessageA(hwnd, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), MAKELPARAM(PtrX, PtrY));
    EXPECT_TRUE(ScreenShowsZoom(32));

    // A click on the notification icon hides the window, another shows it.
    PostMessageA(hwnd, 0x8001, 201, WM_LBUTTONDOWN);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(hwnd); }, 5000));
    PostMessageA(hwnd, 0x8001, 201, WM_LBUTTONDOWN);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(hwnd) != 0; }, 5000));
    EXPECT_TRUE(ScreenShowsZoom(32));

    EXPECT_EQ(0, CloseMirabo(&run.p));
    std::string ini;
    ASSERT_TRUE(ReadWholeFile(dir + "\\system.ini", &ini));
    EXPECT_NE(std::string::npos, ini.find("[System]\r\n")) << ini;
    EXPECT_NE(std::string::npos, ini.find("\nZoom=32\r\n")) << ini;
}

}  // namespace
