// The view toggles and the zoom commands.
#include <gtest/gtest.h>

#include <string.h>

#include "app/CommandIds.h"
#include "app/ViewCommands.h"

namespace {

struct ViewCommandFixture : ::testing::Test {
    Settings s;
    void SetUp() override { SetDefaultSettings(&s); }
};

TEST_F(ViewCommandFixture, ZoomPresetsSetTheirFactors) {
    const int commands[] = {CmdZoom1, CmdZoom2, CmdZoom3, CmdZoom4,  CmdZoom5,
                            CmdZoom6, CmdZoom7, CmdZoom8, CmdZoom16, CmdZoom32};
    const int zooms[] = {1, 2, 3, 4, 5, 6, 7, 8, 16, 32};
    for (int i = 0; i < 10; i++) {
        s.Zoom = 13;
        EXPECT_EQ(ViewCommandChanged, ApplyViewCommand(&s, commands[i]));
        EXPECT_EQ(zooms[i], s.Zoom);
    }
    EXPECT_EQ(0, ZoomOfPreset(CmdZoomIn));
    EXPECT_EQ(0, ZoomOfPreset(CmdGrid));
}

TEST_F(ViewCommandFixture, ZoomStepsStopAtOneAndThirtyTwo) {
    s.Zoom = 8;
    EXPECT_EQ(ViewCommandChanged, ApplyViewCommand(&s, CmdZoomIn));
    EXPECT_EQ(9, s.Zoom);
    EXPECT_EQ(ViewCommandChanged, ApplyViewCommand(&s, CmdZoomOut));
    EXPECT_EQ(8, s.Zoom);
    s.Zoom = 32;
    EXPECT_EQ(ViewCommandUnchanged, ApplyViewCommand(&s, CmdZoomIn));
    EXPECT_EQ(32, s.Zoom);
    s.Zoom = 1;
    EXPECT_EQ(ViewCommandUnchanged, ApplyViewCommand(&s, CmdZoomOut));
    EXPECT_EQ(1, s.Zoom);
}

TEST_F(ViewCommandFixture, TogglesFlipTheirOwnFlagOnly) {
    struct Case {
        int command;
        int Settings::*flag;
    };
    const Case cases[] = {
        {CmdZoomImage, &Settings::DispZoomImage}, {CmdCursor, &Settings::DispCursor},
        {CmdGrid, &Settings::DispGrid},           {CmdInfo, &Settings::DispMouseDownInfo},
        {CmdInvertColor, &Settings::ReversColor}, {CmdFlipH, &Settings::ReversH},
        {CmdFlipV, &Settings::ReversV},           {CmdHalfTone, &Settings::HalfTone},
        {CmdWebSafe, &Settings::WebSafeColor},
    };
    for (const Case& c : cases) {
        SetDefaultSettings(&s);
        Settings before = s;
        int was = s.*c.flag;
        EXPECT_EQ(ViewCommandChanged, ApplyViewCommand(&s, c.command)) << c.command;
        EXPECT_EQ(was == 0 ? 1 : 0, s.*c.flag) << c.command;
        s.*c.flag = was;
        EXPECT_EQ(0, memcmp(&before, &s, sizeof(s))) << c.command << " touched another field";
        // A hand-edited 2 toggles to 0.
        s.*c.flag = 2;
        ApplyViewCommand(&s, c.command);
        EXPECT_EQ(0, s.*c.flag) << c.command;
    }
}

TEST_F(ViewCommandFixture, OtherCommandsAreNotViewCommands) {
    Settings before = s;
    const int others[] = {0,           CmdExit,        CmdAlwaysOnTop, CmdTranslucent,
                          CmdOptions,  CmdContextMenu, CmdCaptureMenu, CmdFixPoint,
                          CmdShowWindow, 42000,        42013,          45000};
    for (int c : others)
        EXPECT_EQ(ViewCommandUnknown, ApplyViewCommand(&s, c)) << c;
    EXPECT_EQ(0, memcmp(&before, &s, sizeof(s)));
}

}  // namespace
