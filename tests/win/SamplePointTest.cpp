// Sampling a screen point: colour, window data, module and time.
#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "../support/PatternWindow.h"
#include "app/AppState.h"
#include "view/SamplePoint.h"

namespace {

class SamplePointTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        InitDefaults(GetModuleHandleA(nullptr));
        pattern_ = ShowPatternWindow(400, 200, 440, 440);
    }
    static void TearDownTestSuite() {
        ClosePatternWindow(pattern_);
        if (gApp.ScreenDC) {
            DeleteDC(gApp.ScreenDC);
            gApp.ScreenDC = nullptr;
        }
    }
    void SetUp() override {
        ASSERT_NE(nullptr, pattern_);
        SetDefaultSettings(&gSettings);
        SetWindowTextA(pattern_, "pattern");
    }
    static HWND pattern_;
};

HWND SamplePointTest::pattern_ = nullptr;

POINT Pt(int x, int y) {
    POINT p = {x, y};
    return p;
}

TEST_F(SamplePointTest, FillsColourWindowAndModule) {
    PointInfo info;
    memset(&info, 0x55, sizeof(info));
    SYSTEMTIME before;
    GetLocalTime(&before);
    SamplePoint(Pt(600, 300), &info);
    EXPECT_EQ(600, info.MouseX);
    EXPECT_EQ(300, info.MouseY);
    COLORREF c = PatternColor(600, 300);
    EXPECT_EQ(c, info.Color);
    EXPECT_EQ(GetRValue(c), info.Red);
    EXPECT_EQ(GetGValue(c), info.Green);
    EXPECT_EQ(GetBValue(c), info.Blue);
    EXPECT_EQ(HandleValue(pattern_), info.Hwnd);
    EXPECT_STREQ("MiraboTestPattern", info.ClassName);
    EXPECT_STREQ("pattern", info.Text);
    EXPECT_EQ(400, info.Rect.Left);
    EXPECT_EQ(200, info.Rect.Top);
    EXPECT_EQ(840, info.Rect.Right);
    EXPECT_EQ(640, info.Rect.Bottom);
    EXPECT_EQ(GetCurrentProcessId(), info.Pid);
    EXPECT_EQ(GetCurrentThreadId(), info.Tid);
    EXPECT_TRUE(info.Style & WS_POPUP);
    EXPECT_TRUE(info.ExStyle & WS_EX_TOPMOST);
    EXPECT_EQ(0u, info.ParentHwnd);
    EXPECT_EQ(0u, info.WindowId);  // a top-level window has no control identifier
    EXPECT_EQ(HandleValue(GetModuleHandleA(nullptr)), info.HInst);

    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string p = path;
    size_t slash = p.find_last_of('\\');
    EXPECT_EQ(p.substr(slash + 1), info.ExeName);
    EXPECT_EQ(p.substr(0, slash), info.ExePath);
    EXPECT_STREQ("inproc_tests.exe", info.ExeName);

    EXPECT_EQ(before.wYear, info.Time.Year);
    EXPECT_EQ(before.wDay, info.Time.Day);
    EXPECT_EQ(before.wHour, info.Time.Hour);
}

TEST_F(SamplePointTest, KeepsTheDisplayContextAndMakesOneWhenThereIsNone) {
    PointInfo info;
    SamplePoint(Pt(600, 300), &info);
    HDC dc = gApp.ScreenDC;
    ASSERT_NE(nullptr, dc);
    SamplePoint(Pt(601, 300), &info);
    EXPECT_EQ(dc, gApp.ScreenDC);
    EXPECT_EQ(PatternColor(601, 300), info.Color);
    DeleteDC(gApp.ScreenDC);
    gApp.ScreenDC = nullptr;
    SamplePoint(Pt(602, 301), &info);
    EXPECT_NE(nullptr, gApp.ScreenDC);
    EXPECT_EQ(PatternColor(602, 301), info.Color);
}

TEST_F(SamplePointTest, WebSafeRoundsEachComponent) {
    // Pattern pixel (536, 281) is RGB(24, 25, 145).
    ASSERT_EQ(RGB(24, 25, 145), PatternColor(536, 281));
    gSettings.WebSafeColor = 1;
    PointInfo info;
    SamplePoint(Pt(536, 281), &info);
    EXPECT_EQ(0, info.Red);
    EXPECT_EQ(51, info.Green);
    EXPECT_EQ(153, info.Blue);
    EXPECT_EQ(RGB(0, 51, 153), info.Color);
}

TEST_F(SamplePointTest, WindowTextIsCutWithoutHalfACharacter) {
    PointInfo info;
    // Byte 254 starts 表 (0x95 0x5C): the whole character falls off.
    std::string title = std::string(254, 'a') + "\x95\x5C" + std::string(44, 'b');
    SetWindowTextA(pattern_, title.c_str());
    SamplePoint(Pt(600, 300), &info);
    EXPECT_EQ(std::string(254, 'a'), info.Text);

    title = std::string(253, 'a') + "\x95\x5C" + std::string(45, 'b');
    SetWindowTextA(pattern_, title.c_str());
    SamplePoint(Pt(600, 300), &info);
    EXPECT_EQ(std::string(253, 'a') + "\x95\x5C", info.Text);

    SetWindowTextA(pattern_, std::string(300, 'c').c_str());
    SamplePoint(Pt(600, 300), &info);
    EXPECT_EQ(std::string(255, 'c'), info.Text);

    SetWindowTextA(pattern_, "");
    SamplePoint(Pt(600, 300), &info);
    EXPECT_STREQ("-", info.Text);
}

TEST_F(SamplePointTest, ChildWindowGivesItsControlIdentifier) {
    HWND child = CreateWindowExA(0, "BUTTON", "子窓", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 100, 50,
                                 pattern_, (HMENU)(INT_PTR)1234, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, child);
    UpdateWindow(child);
    PointInfo info;
    SamplePoint(Pt(420, 220), &info);
    EXPECT_EQ(HandleValue(child), info.Hwnd);
    EXPECT_EQ(1234u, info.WindowId);
    EXPECT_STREQ("Button", info.ClassName);
    EXPECT_STREQ("子窓", info.Text);
    EXPECT_EQ(410, info.Rect.Left);
    EXPECT_EQ(HandleValue(pattern_), info.ParentHwnd);
    DestroyWindow(child);
}

TEST_F(SamplePointTest, NoWindowAtThePointClearsTheWindowFields) {
    PointInfo info;
    SamplePoint(Pt(600, 300), &info);
    ASSERT_NE(0u, info.Hwnd);
    // Far off every screen there is no window.
    ASSERT_EQ(nullptr, WindowFromPoint(Pt(-30000, -30000)));
    SamplePoint(Pt(-30000, -30000), &info);
    EXPECT_EQ(-30000, info.MouseX);
    EXPECT_EQ(0u, info.Hwnd);
    EXPECT_STREQ("-", info.ClassName);
    EXPECT_STREQ("-", info.Text);
    EXPECT_STREQ("-", info.ExeName);
    EXPECT_STREQ("-", info.ExePath);
    EXPECT_EQ(0, info.Rect.Left);
    EXPECT_EQ(0, info.Rect.Bottom);
    EXPECT_EQ(0u, info.Pid);
    EXPECT_EQ(0u, info.Tid);
    EXPECT_EQ(0u, info.HInst);
    EXPECT_EQ(0u, info.Style);
    EXPECT_EQ(0u, info.ParentHwnd);
    // A null record is ignored.
    SamplePoint(Pt(600, 300), nullptr);
    ResetPointInfo(nullptr);
}

TEST_F(SamplePointTest, ResetGivesPlaceholdersWithUtcTime) {
    PointInfo info;
    SamplePoint(Pt(600, 300), &info);
    ResetPointInfo(&info);
    SYSTEMTIME utc;
    GetSystemTime(&utc);
    EXPECT_STREQ("(classname)", info.ClassName);
    EXPECT_STREQ("(text)", info.Text);
    EXPECT_STREQ("(exename)", info.ExeName);
    EXPECT_STREQ("(exefolderpath)", info.ExePath);
    EXPECT_EQ(0xFFFFFFu, info.Color);
    EXPECT_EQ(0u, info.Hwnd);
    EXPECT_EQ(utc.wHour, info.Time.Hour);
}

}  // namespace
