// Starting, ending and the single-instance rule, with the real program.
#include <gtest/gtest.h>

#include "../support/WineHarness.h"

namespace {

TEST(Startup, OpensTheBorderlessToolWindowAndExitsWithZeroOnClose) {
    std::string dir = MakeRunDir("startup-close");
    MiraboProcess p;
    ASSERT_TRUE(StartMirabo(&p, dir));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(p.hwnd) != 0; }, 5000));

    char title[64] = {};
    GetWindowTextA(p.hwnd, title, sizeof(title));
    EXPECT_STREQ("Mirabo", title);
    LONG style = GetWindowLongA(p.hwnd, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & WS_CAPTION);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & WS_BORDER);
    LONG ex = GetWindowLongA(p.hwnd, GWL_EXSTYLE);
    EXPECT_TRUE(ex & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(ex & WS_EX_TOPMOST);  // WindowTop defaults to 1
    EXPECT_TRUE(GetClassLongPtrA(p.hwnd, GCL_STYLE) & CS_DBLCLKS);

    // No system.ini: the default place and size.
    RECT rc;
    GetWindowRect(p.hwnd, &rc);
    EXPECT_EQ(100, rc.left);
    EXPECT_EQ(100, rc.top);
    EXPECT_EQ(300, rc.right - rc.left);
    EXPECT_EQ(260, rc.bottom - rc.top);

    EXPECT_EQ(0, CloseMirabo(&p));
}

TEST(Startup, SecondStartExitsAtOnceAndShowsTheFirstWindow) {
    std::string dir = MakeRunDir("single-instance");
    MiraboProcess first;
    ASSERT_TRUE(StartMirabo(&first, dir));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(first.hwnd) != 0; }, 5000));
    // Hide it the way the program itself does; the second start must show it.
    ShowWindow(first.hwnd, SW_HIDE);
    ASSERT_FALSE(IsWindowVisible(first.hwnd));

    EXPECT_EQ(0, RunMiraboToExit(dir, 20000));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(first.hwnd) != 0; }, 5000));
    EXPECT_EQ(0, CloseMirabo(&first));
}

TEST(Startup, MinimisedStartLivesHiddenUntilASecondStartShowsIt) {
    std::string dir = MakeRunDir("minimised");
    for (int showCmd : {SW_SHOWMINNOACTIVE, SW_SHOWMINIMIZED, SW_MINIMIZE}) {
        MiraboProcess first;
        ASSERT_TRUE(StartMirabo(&first, dir, showCmd)) << showCmd;
        PumpMessages(300);
        EXPECT_FALSE(IsWindowVisible(first.hwnd)) << showCmd;

        EXPECT_EQ(0, RunMiraboToExit(dir, 20000)) << showCmd;
        EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(first.hwnd) != 0; }, 5000)) << showCmd;
        EXPECT_EQ(0, CloseMirabo(&first)) << showCmd;
    }
}

TEST(Startup, ProgramCarriesItsIconGroupAndManifest) {
    HMODULE m = LoadLibraryExA(MiraboExePath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(nullptr, m);
    HRSRC group = FindResourceA(m, MAKEINTRESOURCEA(1001), (LPCSTR)RT_GROUP_ICON);
    ASSERT_NE(nullptr, group);
    // The group lists the three sizes.
    const BYTE* dir = (const BYTE*)LockResource(LoadResource(m, group));
    ASSERT_NE(nullptr, dir);
    int count = dir[4] | (dir[5] << 8);
    EXPECT_EQ(3, count);
    bool sizes[3] = {};
    for (int i = 0; i < count; i++) {
        int w = dir[6 + 14 * i];
        sizes[0] |= w == 16;
        sizes[1] |= w == 32;
        sizes[2] |= w == 48;
    }
    EXPECT_TRUE(sizes[0] && sizes[1] && sizes[2]);

    HRSRC manifest = FindResourceA(m, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_NE(nullptr, manifest);
    std::string text((const char*)LockResource(LoadResource(m, manifest)), SizeofResource(m, manifest));
    EXPECT_NE(std::string::npos, text.find("name=\"mirabo\" version=\"1.0.0.0\""));
    EXPECT_NE(std::string::npos, text.find("Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""));
    EXPECT_NE(std::string::npos, text.find("level=\"asInvoker\""));
    FreeLibrary(m);
}

}  // namespace
