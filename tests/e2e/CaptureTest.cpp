// Capturing with the real program and real input: shortcut keys while the
// window has the focus, a hotkey while another window has it, the capture
// menu, the zoom keys and Esc.
#include <gtest/gtest.h>

#include <string>

#include "../support/CaptureSupport.h"
#include "../support/WineHarness.h"

namespace {

const COLORREF ColourA = RGB(0x20, 0x80, 0xC0);
const COLORREF ColourB = RGB(0xF0, 0x10, 0x00);
const POINT OverA = {750, 550};
const POINT OverB = {900, 550};

unsigned DibValue(COLORREF c) {
    return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

COLORREF Inverted(COLORREF c) {
    return RGB(255 - GetRValue(c), 255 - GetGValue(c), 255 - GetBValue(c));
}

void Xdotool(const std::string& args) {
    ASSERT_EQ(0, RunUnix("/usr/bin/xdotool " + args));
}

void PointAt(POINT pt) {
    Xdotool("mousemove " + std::to_string(pt.x) + " " + std::to_string(pt.y));
    WaitUntil(
        [&] {
            POINT now;
            GetCursorPos(&now);
            return now.x == pt.x && now.y == pt.y;
        },
        2000);
}

// Gives w the keyboard focus as the user's click would: the X server's
// focus (keys from xdotool go to the X window that has it) and Windows'.
bool Focus(HWND w) {
    char title[64] = {};
    GetWindowTextA(w, title, sizeof(title));
    if (RunUnix(std::string("/usr/bin/xdotool search --name ^") + title + "$ windowfocus --sync") != 0)
        return false;
    SetForegroundWindow(w);
    return WaitUntil([&] { return GetForegroundWindow() == w; }, 3000);
}

// The open popup menu window, if any.
HWND OpenMenuWindow() {
    HWND w = FindWindowA("#32768", nullptr);
    return w && IsWindowVisible(w) ? w : nullptr;
}

bool WaitForDib(int width, int height) {
    return WaitUntil(
        [&] {
            std::vector<unsigned char> dib = ClipboardDibBytes();
            return DibWidth(dib) == width && DibHeight(dib) == height;
        },
        5000);
}

struct CaptureE2E : ::testing::Test {
    MiraboProcess p;
    HWND a = nullptr;
    HWND b = nullptr;

    void SetUp() override {
        a = ShowColourWindow(ColourA, 700, 500);
        b = ShowColourWindow(ColourB, 850, 500);
        ASSERT_TRUE(a && b);
        ASSERT_TRUE(PutClipboardText("before"));
    }
    void TearDown() override {
        EndMirabo(&p);
        DestroyWindow(a);
        DestroyWindow(b);
    }
    void Start(const char* name, const char* ini = nullptr) {
        std::string dir = MakeRunDir(name);
        if (ini)
            ASSERT_TRUE(WriteWholeFile(dir + "\\system.ini", ini));
        ASSERT_TRUE(StartMirabo(&p, dir));
        ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(p.hwnd) != 0; }, 5000));
    }
    std::string SavedSettings() {
        std::string text;
        ReadWholeFile(p.dir + "\\system.ini", &text);
        return text;
    }
};

TEST_F(CaptureE2E, CtrlCCopiesTheColourUnderThePointerAsHex) {
    Start("capture-ctrl-c");
    PointAt(OverA);
    ASSERT_TRUE(Focus(p.hwnd));
    Xdotool("key ctrl+c");
    EXPECT_TRUE(WaitUntil([] { return ClipboardText() == "#2080C0"; }, 5000))
        << "clipboard: " << ClipboardText();
}

TEST_F(CaptureE2E, DigitKeysCaptureInvertedAndGradientImages) {
    Start("capture-images");
    PointAt(OverA);
    ASSERT_TRUE(Focus(p.hwnd));
    Xdotool("key 7");  // 32 x 32, inverted
    ASSERT_TRUE(WaitForDib(32, 32));
    std::vector<unsigned char> dib = ClipboardDibBytes();
    EXPECT_EQ(DibValue(Inverted(ColourA)), DibPixelAt(dib, 0, 0));
    EXPECT_EQ(DibValue(Inverted(ColourA)), DibPixelAt(dib, 31, 31));

    // From B at the left to the previous capture, A, at the right.
    PointAt(OverB);
    Xdotool("key 5");
    ASSERT_TRUE(WaitForDib(256, 256));
    dib = ClipboardDibBytes();
    // red 240 -> 32: 240 + (32 - 240) * 1 / 256 = 240 - 0 (truncated toward zero)
    EXPECT_EQ(DibValue(RGB(240, 16, 0)), DibPixelAt(dib, 0, 0));
    // column 127: 240 - 208 * 128 / 256 = 136; 16 + 112 * 128 / 256 = 72; 0 + 192 / 2 = 96
    EXPECT_EQ(DibValue(RGB(136, 72, 96)), DibPixelAt(dib, 127, 200));
    EXPECT_EQ(DibValue(ColourA), DibPixelAt(dib, 255, 0));
    EXPECT_EQ(DibValue(ColourA), DibPixelAt(dib, 255, 255));
}

TEST_F(CaptureE2E, SpaceOpensTheCaptureMenuAndAChoiceCaptures) {
    Start("capture-menu");
    PointAt(OverA);
    ASSERT_TRUE(Focus(p.hwnd));
    Xdotool("key space");
    ASSERT_TRUE(WaitUntil([] { return OpenMenuWindow() != nullptr; }, 5000));
    RECT rc;
    GetWindowRect(OpenMenuWindow(), &rc);
    EXPECT_EQ(OverA.x, rc.left);
    EXPECT_EQ(OverA.y, rc.top);
    // Down to the tenth key (the separator is skipped): the inverted 32 x 32 image.
    Xdotool("key Down Down Down Down Down Down Down Down Down Return");
    ASSERT_TRUE(WaitForDib(32, 32));
    EXPECT_EQ(DibValue(Inverted(ColourA)), DibPixelAt(ClipboardDibBytes(), 5, 5));
    EXPECT_EQ(nullptr, OpenMenuWindow());
}

TEST_F(CaptureE2E, EscapeClosesTheCaptureMenuWithoutCapturing) {
    Start("capture-menu-escape");
    PointAt(OverA);
    ASSERT_TRUE(Focus(p.hwnd));
    Xdotool("key space");
    ASSERT_TRUE(WaitUntil([] { return OpenMenuWindow() != nullptr; }, 5000));
    Xdotool("key Escape");
    ASSERT_TRUE(WaitUntil([] { return OpenMenuWindow() == nullptr; }, 5000));
    PumpMessages(200);
    EXPECT_EQ("before", ClipboardText());
    // The menu's Esc did not end the program; a second one does.
    EXPECT_EQ((DWORD)WAIT_TIMEOUT, WaitForSingleObject(p.pi.hProcess, 0));
    Xdotool("key Escape");
    EXPECT_EQ(0, WaitForExit(&p, 10000));
}

TEST_F(CaptureE2E, HotkeyCapturesWhileAnotherWindowHasTheFocus) {
    // Shift+Ctrl+F8 (0x377 = 887) on a 4 x 4 image key.
    Start("capture-hotkey",
          "[System]\r\nInvalidHotkey=0\r\n\r\n[CopyKey]\r\nKey=1,,4,4,0,0,0,887\r\n\r\n");
    PointAt(OverA);
    ASSERT_TRUE(Focus(a));
    ASSERT_NE(p.hwnd, GetForegroundWindow());
    Xdotool("key shift+ctrl+F8");
    ASSERT_TRUE(WaitForDib(4, 4));
    EXPECT_EQ(DibValue(ColourA), DibPixelAt(ClipboardDibBytes(), 3, 3));
    EXPECT_NE(p.hwnd, GetForegroundWindow());
}

TEST_F(CaptureE2E, EscapeEndsTheProgram) {
    Start("capture-escape");
    ASSERT_TRUE(Focus(p.hwnd));
    Xdotool("key Escape");
    EXPECT_EQ(0, WaitForExit(&p, 10000));
}

TEST_F(CaptureE2E, NumKeysZoomAndEscapeSavesZoomAndHistory) {
    Start("capture-zoom-save");
    PointAt(OverA);
    ASSERT_TRUE(Focus(p.hwnd));
    PressKeys({VK_NUMPAD9});  // 16x
    PressKeys({VK_ADD});      // 17x
    Xdotool("key 7");
    ASSERT_TRUE(WaitForDib(32, 32));
    PointAt(OverB);
    Xdotool("key 7");
    ASSERT_TRUE(WaitUntil(
        [] { return DibPixelAt(ClipboardDibBytes(), 0, 0) == DibValue(Inverted(ColourB)); }, 5000));
    Xdotool("key Escape");
    ASSERT_EQ(0, WaitForExit(&p, 10000));
    std::string ini = SavedSettings();
    EXPECT_NE(std::string::npos, ini.find("Zoom=17\r\n")) << ini;
    EXPECT_NE(std::string::npos, ini.find("HistoryColor=#F01000,#2080C0\r\n")) << ini;
}

}  // namespace
