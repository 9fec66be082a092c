// The real program on a desktop of two monitors (tests/two_monitors.sh
// makes it): the primary 1024 x 768 at 0, 0 and a second one of 800 x 600
// left of it at -800, 0, under which the corner from -800, 600 to 0, 768
// belongs to no monitor. What the view shows and a capture copies with
// the pointer on either monitor, where a saved window opens, where it goes
// when its monitor is gone, and where the options sheet opens.
#include <gtest/gtest.h>

#include <windows.h>

#include <stdio.h>

#include <algorithm>
#include <string>
#include <vector>

#include "../support/PatternWindow.h"
#include "../support/SheetDriver.h"
#include "../support/WineHarness.h"

namespace {

// The program's default window: 300 x 260 at 100, 100, frame 2, zoom 2.
const int WinX = 100, WinY = 100, WinW = 300, WinH = 260;

std::string Text(const RECT& r) {
    char s[64];
    snprintf(s, sizeof(s), "%ld,%ld-%ld,%ld", r.left, r.top, r.right, r.bottom);
    return s;
}

BOOL CALLBACK AddListedMonitor(HMONITOR, HDC, LPRECT r, LPARAM list) {
    ((std::vector<RECT>*)list)->push_back(*r);
    return TRUE;
}

// The monitors as Wine lists them, in order of their left edges.
std::string ListedMonitors() {
    std::vector<RECT> found;
    EnumDisplayMonitors(nullptr, nullptr, AddListedMonitor, (LPARAM)&found);
    std::sort(found.begin(), found.end(), [](const RECT& a, const RECT& b) { return a.left < b.left; });
    std::string s;
    for (const RECT& r : found)
        s += Text(r) + " ";
    return s;
}

const char* const kBothMonitors = "-800,0-0,600 0,0-1024,768 ";

// No test begins before Wine sees the desktop as the X server has it.
struct TwoMonitorDesktop : ::testing::Environment {
    void SetUp() override {
        std::string seen;
        ASSERT_TRUE(WaitUntil([&] { return (seen = ListedMonitors()) == kBothMonitors; }, 20000))
            << "Wine does not list the test desktop's two monitors " << kBothMonitors << "but " << seen;
    }
};
[[maybe_unused]] const auto* const kDesktop = ::testing::AddGlobalTestEnvironment(new TwoMonitorDesktop);

// On one of the two monitors the desktop was checked to have.
bool OnAMonitor(int x, int y) {
    return (x >= -800 && x < 0 && y >= 0 && y < 600) || (x >= 0 && x < 1024 && y >= 0 && y < 768);
}

// Patterns over the second monitor with the corner under it, and over
// the primary below the program's window; a window of the test's own to
// hold the focus while the hotkey is pressed.
struct TwoMonitors : ::testing::Test {
    HWND left = ShowPatternWindow(-800, 0, 800, 768);
    HWND below = ShowPatternWindow(0, 380, 1024, 388);
    HWND other = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "mirabo-other", WS_POPUP | WS_VISIBLE, 450, 100, 40, 40,
                                 nullptr, nullptr, nullptr, nullptr);
    MiraboProcess p;
    void TearDown() override {
        EndMirabo(&p);
        ClosePatternWindow(left);
        ClosePatternWindow(below);
        DestroyWindow(other);
    }
};

// Wherever the pointer is, on either monitor or across their border, the
// view shows exactly what lies there (black where no monitor is), and the
// hotkey's capture copies that pixel, the pointer's own, negative,
// position and the window there.
TEST_F(TwoMonitors, ViewAndCaptureShowWhatLiesUnderThePointerOnEitherMonitor) {
    ASSERT_TRUE(left && below && other);
    SetCursorPos(-450, 250);
    ASSERT_TRUE(StartMirabo(&p, MakeRunDir("monitors-view", "[System]\r\nDispCursor=0\r\nInvalidHotkey=0\r\n[CopyKey]\r\n"
                                                             "Key=0,#[HEX02R][HEX02G][HEX02B] [MOUSEX] [MOUSEY] [LEFT],32,32,0,0,0,55\r\n")));
    ASSERT_TRUE(FocusWindow(other, "mirabo-other"));
    const POINT points[] = {{-450, 250}, {-30, 450}, {-400, 590}, {700, 500}};
    for (POINT pt : points) {
        const int windowLeft = pt.x < 0 ? -800 : 0;  // the pattern there
        SetCursorPos(pt.x, pt.y);
        std::string wrong;
        EXPECT_TRUE(ViewShowsPattern(2, pt.x, pt.y, 258, OnAMonitor, &wrong)) << pt.x << "," << pt.y << ": " << wrong;
        OpenClipboard(nullptr), EmptyClipboard(), CloseClipboard();
        ASSERT_TRUE(Xdotool("key 7"));
        // The colour, the position and the left edge of the window there.
        const std::string want = "#" + Hex(PatternColor(pt.x, pt.y)) + " " + std::to_string(pt.x) + " " +
                                 std::to_string(pt.y) + " " + std::to_string(windowLeft);
        EXPECT_TRUE(WaitUntil([&] { return ClipboardText() == want; }, 5000)) << want << ": " << ClipboardText();
    }
}

// Where the window is, as "left,top-right,bottom".
std::string PlaceOf(HWND w) {
    RECT rc = {};
    GetWindowRect(w, &rc);
    return Text(rc);
}

// A window saved on the second monitor opens exactly there, and the
// options sheet and the capture-key editor open in the middle of that
// monitor's work area. When the monitor goes, the window moves whole onto
// the primary, as little as it takes (to its left edge), and system.ini
// keeps that place; it stays there when the monitor comes back. (Wine 8
// takes the X server's new monitors into its list but broadcasts no
// WM_DISPLAYCHANGE: the test sends the one Windows would.)
TEST_F(TwoMonitors, SavedWindowOpensOnItsMonitorWithTheSheetAndMovesWhenTheMonitorGoes) {
    const std::string dir = MakeRunDir("monitors-place", "[System]\r\nLeft=-700\r\nTop=50\r\n[CopyKey]\r\nKey=0,[HEX02R]\r\n");
    ASSERT_TRUE(StartMirabo(&p, dir));
    EXPECT_EQ("-700,50--400,310", PlaceOf(p.hwnd));
    HWND sheet = OpenOptionsSheet(p);
    ASSERT_NE(nullptr, sheet);
    EXPECT_TRUE(CentredOnWorkAreaAt(sheet, -400, 300)) << "sheet at " << PlaceOf(sheet);
    HWND editor = OpenEditor(p, ShowPage(sheet, 2), 0);  // the capture keys' first row, selected
    ASSERT_NE(nullptr, editor);
    EXPECT_TRUE(CentredOnWorkAreaAt(editor, -400, 300)) << "editor at " << PlaceOf(editor);
    EXPECT_TRUE(CloseEditor(editor, IDCANCEL));
    EXPECT_TRUE(CloseSheet(sheet, PSBTN_CANCEL));
    auto displayChanged = [&](const char* xrandr, const std::string& monitors) {
        DWORD_PTR result;
        return RunUnix(std::string("/usr/bin/xrandr ") + xrandr) == 0 &&
               WaitUntil([&] { return ListedMonitors() == monitors; }, 10000) &&
               SendMessageTimeoutA(p.hwnd, WM_DISPLAYCHANGE, 24, MAKELPARAM(1024, 768), SMTO_ABORTIFHUNG, 5000, &result);
    };
    ASSERT_TRUE(displayChanged("--output DUMMY1 --off", "0,0-1024,768 ")) << ListedMonitors();
    EXPECT_EQ("0,50-300,310", PlaceOf(p.hwnd));
    ASSERT_TRUE(displayChanged("--output DUMMY1 --mode 800x600_60 --left-of DUMMY0", kBothMonitors)) << ListedMonitors();
    EXPECT_EQ("0,50-300,310", PlaceOf(p.hwnd));
    ASSERT_EQ(0, CloseMirabo(&p));
    const std::string saved = ReadWholeFile(dir + "\\system.ini");
    EXPECT_NE(std::string::npos, saved.find("\r\nLeft=0\r\nTop=50\r\n")) << saved;
}

// One saved where no monitor is opens whole on the nearest one (the
// second: 1900 across and down from it, against 2700 and 1732 from the
// primary), and system.ini keeps that place.
TEST_F(TwoMonitors, WindowSavedWhereNoMonitorIsOpensOnTheNearest) {
    const std::string dir = MakeRunDir("monitors-rescue", "[System]\r\nLeft=-3000\r\nTop=2500\r\n");
    ASSERT_TRUE(StartMirabo(&p, dir));
    EXPECT_EQ("-800,340--500,600", PlaceOf(p.hwnd));
    ASSERT_EQ(0, CloseMirabo(&p));
    const std::string saved = ReadWholeFile(dir + "\\system.ini");
    EXPECT_NE(std::string::npos, saved.find("\r\nLeft=-800\r\nTop=340\r\n")) << saved;
}

}  // namespace
