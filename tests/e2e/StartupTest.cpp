// Starting, ending and the single-instance rule, with the real program.
#include <gtest/gtest.h>

#include "../support/WineHarness.h"

// A second start ends at once with 0 and brings the first window forward,
// also when that one was hidden or started minimised (which keeps it hidden).
TEST(Startup, BorderlessToolWindowWithASingleInstanceEndsWithZero) {
    std::string dir = MakeRunDir("startup");
    // A window of the test's own holds the foreground until the second start.
    HWND other = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, 0, 0, 0, 0);
    for (int showCmd : {SW_SHOWNORMAL, SW_SHOWMINNOACTIVE, SW_SHOWMINIMIZED, SW_MINIMIZE}) {
        MiraboProcess first, second;
        ASSERT_TRUE(StartMirabo(&first, dir, showCmd)) << showCmd;
        const HWND w = first.hwnd;
        if (showCmd == SW_SHOWNORMAL) {
            EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(w) != 0; }, 5000));
            char title[64] = {};
            GetWindowTextA(w, title, sizeof(title));
            EXPECT_STREQ("Mirabo", title);
            EXPECT_EQ(WS_POPUP, GetWindowLongA(w, GWL_STYLE) & (WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_BORDER));
            const LONG ex = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
            EXPECT_EQ(ex, GetWindowLongA(w, GWL_EXSTYLE) & ex);
            EXPECT_TRUE(GetClassLongPtrA(w, GCL_STYLE) & CS_DBLCLKS);
            RECT rc, place = {100, 100, 400, 360};  // no system.ini yet: the default place and size
            GetWindowRect(w, &rc);
            EXPECT_TRUE(EqualRect(&rc, &place)) << rc.left << "," << rc.top << " " << rc.right << "," << rc.bottom;
            ShowWindow(w, SW_HIDE);  // as the program hides itself
        }
        SetForegroundWindow(other);
        PumpMessages(300);
        EXPECT_TRUE(!IsWindowVisible(w) && GetForegroundWindow() == other) << showCmd;
        EXPECT_FALSE(StartMirabo(&second, dir)) << showCmd;
        EXPECT_EQ(0, CloseMirabo(&second)) << showCmd;
        EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(w) && GetForegroundWindow() == w; }, 5000)) << showCmd;
        EXPECT_EQ(0, CloseMirabo(&first)) << showCmd;
    }
    DestroyWindow(other);
}
