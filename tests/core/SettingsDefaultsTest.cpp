// Every default that reaches system.ini is checked byte for byte by the
// settings writer's tests; these are the rules the file does not show.
#include <gtest/gtest.h>

#include "app/OsVersion.h"
#include "app/Settings.h"

namespace {

TEST(SettingsDerived, ColoursFollowTheBackColour) {
    struct Case {
        ColorRef back, light, dark, text;
    } cases[] = {
        {MakeColor(238, 238, 238), MakeColor(255, 255, 255), MakeColor(174, 174, 174), 0},
        {MakeColor(0, 0, 0), MakeColor(64, 64, 64), MakeColor(0, 0, 0), 0xFFFFFF},
        // Y is exactly 128.0 for mid grey: black text.
        {MakeColor(128, 128, 128), MakeColor(192, 192, 192), MakeColor(64, 64, 64), 0},
        {MakeColor(127, 127, 127), MakeColor(191, 191, 191), MakeColor(63, 63, 63), 0xFFFFFF},
        // Green weighs most, red and blue little.
        {MakeColor(0, 255, 0), MakeColor(64, 255, 64), MakeColor(0, 191, 0), 0},
        {MakeColor(255, 0, 0), MakeColor(255, 64, 64), MakeColor(191, 0, 0), 0xFFFFFF},
        {MakeColor(10, 210, 60), MakeColor(74, 255, 124), MakeColor(0, 146, 0), 0},
        {MakeColor(10, 200, 60), MakeColor(74, 255, 124), MakeColor(0, 136, 0), 0xFFFFFF},
    };
    Settings s;
    SetDefaultSettings(&s);
    EXPECT_EQ(cases[0].light, s.HighlightColor);
    EXPECT_EQ(cases[0].dark, s.ShadowColor);
    EXPECT_EQ(cases[0].text, s.ContrastTextColor);
    for (const Case& c : cases) {
        s.BackColor = c.back;
        RecomputeDerivedColors(&s);
        EXPECT_EQ(c.light, s.HighlightColor) << std::hex << c.back;
        EXPECT_EQ(c.dark, s.ShadowColor) << std::hex << c.back;
        EXPECT_EQ(c.text, s.ContrastTextColor) << std::hex << c.back;
    }
}

TEST(SettingsDerived, InfoLinesAndTogglesCountOnlyExactFlags) {
    Settings s;
    SetDefaultSettings(&s);
    EXPECT_EQ(6, s.InfoLineCount);
    EXPECT_EQ(6, CountInfoLines(&s));
    s.DispInfoUser = 1;
    EXPECT_EQ(7, CountInfoLines(&s));
    s.DispInfoColor = s.DispInfoMouse = s.DispInfoHWND = s.DispInfoClass = s.DispInfoUser = 0;
    s.DispInfoArea = 2;  // a hand-edited value other than 1 does not count
    s.DispInfoTitle = -1;
    EXPECT_EQ(0, CountInfoLines(&s));
    EXPECT_EQ(1, ToggleFlag(0));
    EXPECT_EQ(0, ToggleFlag(1));
    EXPECT_EQ(0, ToggleFlag(2));
}

TEST(OsVersion, ClassifiesEveryPlatformAndVersion) {
    struct Case {
        int platform, major, minor, code;
    } cases[] = {
        {OsPlatformWin32s, 3, 10, 1},  {OsPlatformWindows, 4, 0, 2}, {OsPlatformWindows, 4, 10, 3},
        {OsPlatformWindows, 4, 90, 4}, {OsPlatformWindows, 4, 3, 0}, {OsPlatformNt, 3, 51, 1},
        {OsPlatformNt, 4, 0, 1},       {OsPlatformNt, 5, 0, 5},      {OsPlatformNt, 5, 1, 6},
        {OsPlatformNt, 5, 2, 0},       {OsPlatformNt, 6, 0, 7},      {OsPlatformNt, 6, 3, 8},
        {OsPlatformNt, 10, 0, 8},      {OsPlatformNt, 2, 0, 0},      {3, 10, 0, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.code, ClassifyOsVersion(c.platform, c.major, c.minor))
            << c.platform << " " << c.major << "." << c.minor;
}

}  // namespace
