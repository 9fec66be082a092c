// Capturing with the real program and real input: a hotkey while another
// window has the focus, Ctrl+C, the capture menu, the zoom keys and Esc,
// which ends the program and saves the zoom and the history.
#include <gtest/gtest.h>

#include <string>

#include "../support/CaptureSupport.h"
#include "../support/WineHarness.h"
#include "app/BuiltinCopyKeys.h"
#include "settings/SettingsText.h"

static void Xdotool(const std::string& args) {
    ASSERT_EQ(0, RunUnix("/usr/bin/xdotool " + args));
}

// Gives w the keyboard focus as the user's click would: the X server's
// focus (keys from xdotool go to the X window that has it) and Windows'.
static bool Focus(HWND w) {
    char title[64] = {};
    GetWindowTextA(w, title, sizeof(title));
    if (RunUnix(std::string("/usr/bin/xdotool search --name ^") + title + "$ windowfocus --sync") != 0)
        return false;
    SetForegroundWindow(w);
    return WaitUntil([&] { return GetForegroundWindow() == w; }, 3000);
}

static int AppendToString(void* context, const char* bytes, size_t length) {
    static_cast<std::string*>(context)->append(bytes, length);
    return 1;
}

// The file a first start writes, with hotkeys on and Ctrl+C left a
// shortcut alone, so that it goes through the accelerators.
static std::string BuiltinKeysWithHotkeysFile() {
    Settings s;
    SetDefaultSettings(&s);
    s.InvalidHotkey = 0;
    CopyKeyList keys = nullptr;
    AddBuiltinCopyKeys(&keys);
    CopyKey k;
    for (int i = 0; GetCopyKey(&keys, i, &k); i++) {
        if (k.ShortcutKey == 0x243) {  // Ctrl+C
            k.Hotkey = 0;
            SetCopyKeyFields(&keys, i, CopyFieldHotkey, &k);
        }
    }
    std::string out;
    WriteSettingsText(&s, &keys, AppendToString, &out);
    ClearCopyKeys(&keys);
    return out;
}

struct CaptureE2E : ::testing::Test {
    MiraboProcess p;
    HWND a = ShowColourWindow(RGB(0x20, 0x80, 0xC0), 700, 500);
    HWND b = ShowColourWindow(RGB(0xF0, 0x10, 0x00), 850, 500);
    void TearDown() override {
        EndMirabo(&p);
        DestroyWindow(a);
        DestroyWindow(b);
    }
};

TEST_F(CaptureE2E, HotkeyShortcutAndMenuCaptureNumKeysZoomAndEscSaves) {
    std::string ini = BuiltinKeysWithHotkeysFile();
    ASSERT_NE(std::string::npos, ini.find(",579,0\r\n")) << ini;
    std::string dir = MakeRunDir("capture");
    ASSERT_TRUE(WriteWholeFile(dir + "\\system.ini", ini));
    EmptyTheClipboard();
    ASSERT_TRUE(StartMirabo(&p, dir));

    // 7, the inverted 32 x 32 image, as a hotkey over B while A has the focus.
    Xdotool("mousemove --sync 900 550");
    ASSERT_TRUE(Focus(a));
    Xdotool("key 7");
    EXPECT_TRUE(WaitUntil([] { return ClipboardDib(31, 31) == "32x32 0FEFFF"; }, 5000)) << ClipboardDib(31, 31);

    Xdotool("mousemove --sync 750 550");
    ASSERT_TRUE(Focus(p.hwnd));
    Xdotool("key ctrl+c");
    EXPECT_TRUE(WaitUntil([] { return ClipboardText() == "#2080C0"; }, 5000)) << ClipboardText();

    // Space opens the capture menu at the pointer; the tenth key (the
    // separator is skipped) is the inverted 32 x 32 image again.
    Xdotool("key space");
    ASSERT_TRUE(WaitUntil([] { return IsWindowVisible(FindWindowA("#32768", nullptr)); }, 5000));
    RECT rc;
    GetWindowRect(FindWindowA("#32768", nullptr), &rc);
    EXPECT_EQ("750,550", std::to_string(rc.left) + "," + std::to_string(rc.top));
    Xdotool("key Down Down Down Down Down Down Down Down Down Return");
    EXPECT_TRUE(WaitUntil([] { return ClipboardDib(5, 5) == "32x32 DF7F3F"; }, 5000)) << ClipboardDib(5, 5);

    Xdotool("key KP_9 KP_Add");
    Xdotool("key Escape");
    ASSERT_EQ(0, WaitForExit(&p, 10000));
    std::string saved;
    ReadWholeFile(dir + "\\system.ini", &saved);
    EXPECT_NE(std::string::npos, saved.find("\r\nZoom=17\r\n")) << saved;
    // The images keep the sampled colours, newest first.
    EXPECT_NE(std::string::npos, saved.find("\r\nHistoryColor=#2080C0,#2080C0,#F01000\r\n")) << saved;
}
