#include <gtest/gtest.h>

#include <string.h>

#include "app/OsVersion.h"
#include "app/Settings.h"

namespace {

TEST(SettingsDefaults, EveryFieldHasItsDefault) {
    Settings s;
    memset(&s, 0x5A, sizeof(s));
    SetDefaultSettings(&s);
    EXPECT_EQ(100, s.Left);
    EXPECT_EQ(100, s.Top);
    EXPECT_EQ(300, s.Width);
    EXPECT_EQ(260, s.Height);
    EXPECT_EQ(1, s.WindowTop);
    EXPECT_EQ(0, s.WindowAlpha);
    EXPECT_EQ(80, s.Opacity);
    EXPECT_EQ(0, s.EndDispoption);
    for (int i = 0; i < CustomColorCount; i++)
        EXPECT_EQ(MakeColor(17 * i, 17 * i, 17 * i), s.CustomColor[i]) << i;
    EXPECT_EQ(MakeColor(255, 255, 255), s.CustomColor[15]);
    EXPECT_EQ(0, s.BackColorMode);
    EXPECT_EQ(MakeColor(238, 238, 238), s.BackColor);
    EXPECT_EQ(2, s.FrameWidth);
    EXPECT_EQ(1, s.DispZoomImage);
    EXPECT_EQ(1, s.DispCursor);
    EXPECT_EQ(0, s.CursorMode);
    EXPECT_EQ(0, s.DispGrid);
    EXPECT_EQ(2, s.Zoom);
    EXPECT_EQ(100, s.TimerInterval);
    EXPECT_EQ(1, s.MouseMoveRedraw);
    EXPECT_EQ(0, s.DispMouseDownInfo);
    EXPECT_EQ(0, s.DispInfoUser);
    EXPECT_STREQ("HSV([HSV3H],[HSV3S],[HSV3V]) HLS([HLS3H],[HLS3L],[HLS3S])", s.DispInfoUserFormat);
    EXPECT_EQ(1, s.DispInfoColor);
    EXPECT_EQ(1, s.DispInfoMouse);
    EXPECT_EQ(1, s.DispInfoHWND);
    EXPECT_EQ(1, s.DispInfoClass);
    EXPECT_EQ(1, s.DispInfoTitle);
    EXPECT_EQ(1, s.DispInfoArea);
    EXPECT_EQ(1, s.DispColorHistory);
    EXPECT_EQ(16, s.HistorySizeX);
    EXPECT_EQ(16, s.HistorySizeY);
    EXPECT_EQ(0, s.HistoryOrder);
    for (int i = 0; i < HistoryCapacity; i++)
        EXPECT_EQ(MakeColor(255, 255, 255), s.HistoryColor[i]) << i;
    EXPECT_EQ(0, s.HistoryCount);
    EXPECT_EQ(0, s.FixMouse);
    EXPECT_EQ(0, s.FixMouseX);
    EXPECT_EQ(0, s.FixMouseY);
    EXPECT_EQ(0, s.ReversColor);
    EXPECT_EQ(0, s.ReversH);
    EXPECT_EQ(0, s.ReversV);
    EXPECT_EQ(0, s.HalfTone);
    EXPECT_EQ(0, s.WebSafeColor);
    EXPECT_EQ(1, s.InvalidHotkey);
    EXPECT_EQ(0, s.DoubleClickMin);
    EXPECT_EQ(6, s.InfoLineCount);
    EXPECT_EQ(CountInfoLines(&s), s.InfoLineCount);
    EXPECT_EQ(MakeColor(255, 255, 255), s.HighlightColor);
    EXPECT_EQ(MakeColor(174, 174, 174), s.ShadowColor);
    EXPECT_EQ(MakeColor(0, 0, 0), s.ContrastTextColor);
    EXPECT_EQ(0, s.CopyKeyCount);
}

TEST(SettingsDerived, ColoursFollowTheBackColour) {
    Settings s;
    SetDefaultSettings(&s);
    struct Case {
        ColorRef back, light, dark, text;
    } cases[] = {
        {MakeColor(0, 0, 0), MakeColor(64, 64, 64), MakeColor(0, 0, 0), MakeColor(255, 255, 255)},
        {MakeColor(255, 255, 255), MakeColor(255, 255, 255), MakeColor(191, 191, 191), MakeColor(0, 0, 0)},
        // Y is exactly 128.0 for mid grey: black text.
        {MakeColor(128, 128, 128), MakeColor(192, 192, 192), MakeColor(64, 64, 64), MakeColor(0, 0, 0)},
        {MakeColor(127, 127, 127), MakeColor(191, 191, 191), MakeColor(63, 63, 63), MakeColor(255, 255, 255)},
        // Pure green is bright (Y = 149), pure red and blue are dark.
        {MakeColor(0, 255, 0), MakeColor(64, 255, 64), MakeColor(0, 191, 0), MakeColor(0, 0, 0)},
        {MakeColor(255, 0, 0), MakeColor(255, 64, 64), MakeColor(191, 0, 0), MakeColor(255, 255, 255)},
        {MakeColor(10, 210, 60), MakeColor(74, 255, 124), MakeColor(0, 146, 0), MakeColor(0, 0, 0)},
        {MakeColor(10, 200, 60), MakeColor(74, 255, 124), MakeColor(0, 136, 0), MakeColor(255, 255, 255)},
    };
    for (const Case& c : cases) {
        s.BackColor = c.back;
        RecomputeDerivedColors(&s);
        EXPECT_EQ(c.light, s.HighlightColor) << std::hex << c.back;
        EXPECT_EQ(c.dark, s.ShadowColor) << std::hex << c.back;
        EXPECT_EQ(c.text, s.ContrastTextColor) << std::hex << c.back;
    }
}

TEST(SettingsDerived, InfoLinesCountOnlyFlagsThatAreExactlyOne) {
    Settings s;
    SetDefaultSettings(&s);
    s.DispInfoUser = 1;
    EXPECT_EQ(7, CountInfoLines(&s));
    s.DispInfoColor = s.DispInfoMouse = s.DispInfoHWND = s.DispInfoClass = s.DispInfoTitle =
        s.DispInfoArea = s.DispInfoUser = 0;
    EXPECT_EQ(0, CountInfoLines(&s));
    s.DispInfoArea = 2;  // a hand-edited value other than 1 does not count
    s.DispInfoTitle = -1;
    s.DispInfoMouse = 1;
    EXPECT_EQ(1, CountInfoLines(&s));
}

TEST(SettingsDerived, ToggleTurnsAnythingButZeroOff) {
    EXPECT_EQ(1, ToggleFlag(0));
    EXPECT_EQ(0, ToggleFlag(1));
    EXPECT_EQ(0, ToggleFlag(2));
    EXPECT_EQ(0, ToggleFlag(-1));
}

TEST(OsVersion, ClassifiesEveryPlatformAndVersion) {
    struct Case {
        int platform, major, minor, code;
    } cases[] = {
        {OsPlatformWin32s, 3, 10, 1},  {OsPlatformWindows, 4, 0, 2}, {OsPlatformWindows, 4, 10, 3},
        {OsPlatformWindows, 4, 90, 4}, {OsPlatformWindows, 4, 3, 0}, {OsPlatformWindows, 5, 0, 0},
        {OsPlatformNt, 3, 51, 1},      {OsPlatformNt, 4, 0, 1},      {OsPlatformNt, 5, 0, 5},
        {OsPlatformNt, 5, 1, 6},       {OsPlatformNt, 5, 2, 0},      {OsPlatformNt, 6, 0, 7},
        {OsPlatformNt, 6, 1, 8},       {OsPlatformNt, 6, 3, 8},      {OsPlatformNt, 10, 0, 8},
        {OsPlatformNt, 2, 0, 0},       {OsPlatformNt, 0, 0, 0},      {3, 10, 0, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.code, ClassifyOsVersion(c.platform, c.major, c.minor))
            << c.platform << " " << c.major << "." << c.minor;
}

}  // namespace
