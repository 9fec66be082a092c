// The running program at 144 dpi on the real screen with real input: what
// its window shows over a known pattern as the pointer moves; capturing a
// text (colour-science tokens too) by a hotkey while another window has
// the focus and an image by the capture menu; the zoom keys, and Esc,
// which ends the program and saves the zoom and the history. (The wheel:
// the options run's sample-size run.)
#include <gtest/gtest.h>

#include <stdint.h>
#include <stdio.h>

#include <string>

#include "../support/PatternWindow.h"
#include "../support/WineHarness.h"

namespace {

// The program's default window: 300 x 260 at 100, 100.
const int WinX = 100, WinY = 100, WinW = 300, WinH = 260;

// The clipboard's image as "<width>x<height> RRGGBB" with the colour of
// its last pixel, where a block as large as the header says ends; "" when
// there is none.
std::string ClipboardDib() {
    const std::string block = ClipboardData(CF_DIB);
    const int32_t* p = (const int32_t*)block.data();  // 32-bit header fields and pixels
    char out[64] = "";
    if (block.size() >= 40 && p[1] > 0 && p[2] > 0 && block.size() >= 40 + 4 * (size_t)p[1] * (size_t)p[2])
        snprintf(out, sizeof(out), "%dx%d %06X", (int)p[1], (int)p[2], (unsigned)p[9 + p[1] * p[2]]);
    return out;
}

// Programs started from now on see the screen at 144 dpi, 150 % (LogPixels;
// the test prefix has none, which means 96 dpi, 100 %). The test ends the
// program, closes its windows and takes the scale back however it ends.
struct ViewE2E : ::testing::Test {
    HWND pattern = ShowPatternWindow(600, 400, 440, 440);
    HWND other = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "mirabo-other", WS_POPUP | WS_VISIBLE, 450, 100, 60, 60,
                                 nullptr, nullptr, nullptr, nullptr);
    MiraboProcess p;
    HKEY desktop = nullptr;
    void SetUp() override {
        const DWORD dpi = 144;
        RegCreateKeyA(HKEY_CURRENT_USER, "Control Panel\\Desktop", &desktop);
        RegSetValueExA(desktop, "LogPixels", 0, REG_DWORD, (const BYTE*)&dpi, sizeof(dpi));
    }
    void TearDown() override {
        EndMirabo(&p);
        ClosePatternWindow(pattern);
        DestroyWindow(other);
        RegDeleteValueA(desktop, "LogPixels");
        RegCloseKey(desktop);
    }
};

// All at 150 %: the program works in screen pixels all the same, its
// window at its place and size in pixels, one screen pixel per cell.
TEST_F(ViewE2E, MagnifiesFollowsZoomsCapturesAndSavesOnEscAt144Dpi) {
    ASSERT_TRUE(pattern && other);
    ASSERT_EQ(144, RunWindowsProgram(getenv("MIRABO_DPI_PROBE"))) << "the scale took no effect";
    // A hand-made file with hotkeys on, white in the history and three
    // keys: the colour's text on the hotkey 7 (with colour-science tokens,
    // the contrast against the history's white; short enough for the
    // capture menu's preview to open at the pointer), a separator, and the
    // inverted 32 x 32 image. (Shortcuts of capture keys by real keys: the
    // options run.)
    const std::string dir = MakeRunDir("view", "[System]\r\nInvalidHotkey=0\r\nHistoryColor=#FFFFFF\r\n[CopyKey]\r\n"
                                               "Key=0,#[HEX02R][HEX02G][HEX02B] [CSSLAB] [CONTRAST] [WCAG],32,32,0,0,0,55\r\n"
                                               "Key=2,,0,0,0,0,0,0\r\nKey=1,,32,32,1,0,0,0\r\n");
    OpenClipboard(nullptr), EmptyClipboard(), CloseClipboard();
    SetCursorPos(820, 620);
    ASSERT_TRUE(StartMirabo(&p, dir));
    RECT rc = {}, place = {WinX, WinY, WinX + WinW, WinY + WinH};
    EXPECT_TRUE(GetWindowRect(p.hwnd, &rc) && EqualRect(&rc, &place)) << rc.left << "," << rc.top;
    // The rows above the pointer's cell show its pattern (the enlarged
    // arrow hangs from that cell: Wine's arrow has its hot spot at 0, 0).
    std::string wrong;
    EXPECT_TRUE(ViewShowsPattern(2, 820, 620, 129, nullptr, &wrong)) << wrong;
    // The enlarged arrow's tip covers the pointer's cell.
    EXPECT_NE(PatternColor(820, 620), ReadPixels(nullptr, WinX + 149, WinY + 129, 1, 1).At(0, 0));
    SetCursorPos(790, 637);  // the timer makes the view follow
    EXPECT_TRUE(ViewShowsPattern(2, 790, 637, 129, nullptr, &wrong)) << wrong;

    // 7 as a hotkey while another window has the focus. The pattern's
    // 132, 38, 154 there, worked out by tools/color-reference.py, 7.7065
    // against white.
    const COLORREF a = PatternColor(750, 550), b = PatternColor(900, 550);
    ASSERT_EQ(RGB(132, 38, 154), b);
    ASSERT_TRUE(FocusWindow(other, "mirabo-other"));
    ASSERT_TRUE(Xdotool("mousemove --sync 900 550 key 7"));
    const std::string science = " lab(34.97 51.77 -43.87) 7.70 AAA";
    EXPECT_TRUE(WaitUntil([&] { return ClipboardText() == "#" + Hex(b) + science; }, 5000)) << ClipboardText();

    // Space in the program's window opens the capture menu at the pointer;
    // its second item (the separator is skipped) is the image, the third key.
    ASSERT_TRUE(FocusWindow(p.hwnd, "Mirabo"));
    ASSERT_TRUE(Xdotool("mousemove --sync 750 550"));
    ASSERT_TRUE(Xdotool("key space"));
    const POINT at = {750, 550};
    EXPECT_TRUE(TypeIntoMenu("Down Down Return", &at));
    EXPECT_TRUE(WaitUntil([&] { return ClipboardDib() == "32x32 " + Hex(~a); }, 5000)) << ClipboardDib();

    // Num 9 is 16x, Num + one step more, Esc ends and saves; the history
    // keeps the sampled colours, newest first.
    ASSERT_TRUE(Xdotool("key KP_9 KP_Add Escape"));
    p.hwnd = nullptr;  // Esc alone must end it
    ASSERT_EQ(0, CloseMirabo(&p, 10000));
    const std::string saved = ReadWholeFile(dir + "\\system.ini");
    EXPECT_NE(std::string::npos, saved.find("\r\nZoom=17\r\n")) << saved;
    EXPECT_NE(std::string::npos, saved.find("\r\nHistoryColor=#" + Hex(a) + ",#" + Hex(b) + ",#FFFFFF\r\n")) << saved;
}

}  // namespace
