// The view toggles and the zoom commands.
#include <gtest/gtest.h>

#include <string.h>

#include "app/CommandIds.h"
#include "app/ViewCommands.h"

namespace {

TEST(ViewCommands, ZoomPresetsAndSteps) {
    Settings s;
    SetDefaultSettings(&s);
    const int zooms[] = {1, 2, 3, 4, 5, 6, 7, 8, 16, 32};
    for (int i = 0; i < 10; i++) {
        s.Zoom = 13;
        EXPECT_EQ(ViewCommandChanged, ApplyViewCommand(&s, CmdZoom1 + i));
        EXPECT_EQ(zooms[i], s.Zoom);
    }
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

TEST(ViewCommands, TogglesFlipTheirOwnFlagOnly) {
    const struct {
        int command;
        int Settings::*flag;
    } cases[] = {
        {CmdZoomImage, &Settings::DispZoomImage}, {CmdCursor, &Settings::DispCursor},
        {CmdGrid, &Settings::DispGrid},           {CmdInfo, &Settings::DispMouseDownInfo},
        {CmdInvertColor, &Settings::ReversColor}, {CmdFlipH, &Settings::ReversH},
        {CmdFlipV, &Settings::ReversV},           {CmdHalfTone, &Settings::HalfTone},
        {CmdWebSafe, &Settings::WebSafeColor},
    };
    for (const auto& c : cases) {
        Settings s;
        SetDefaultSettings(&s);
        Settings before = s;
        int was = s.*c.flag;
        EXPECT_EQ(ViewCommandChanged, ApplyViewCommand(&s, c.command)) << c.command;
        EXPECT_EQ(was == 0 ? 1 : 0, s.*c.flag) << c.command;
        s.*c.flag = was;
        EXPECT_EQ(0, memcmp(&before, &s, sizeof(s))) << c.command << " touched another field";
        s.*c.flag = 2;  // hand-edited: toggles to 0
        ApplyViewCommand(&s, c.command);
        EXPECT_EQ(0, s.*c.flag) << c.command;
    }
}

TEST(ViewCommands, OtherCommandsAreLeftAlone) {
    Settings s;
    SetDefaultSettings(&s);
    Settings before = s;
    const int others[] = {0, CmdExit, CmdAlwaysOnTop, CmdTranslucent, CmdOptions, CmdContextMenu,
                          CmdCaptureMenu, CmdFixPoint, CmdShowWindow, 42000, 42013, 45000};
    for (int c : others)
        EXPECT_EQ(ViewCommandUnknown, ApplyViewCommand(&s, c)) << c;
    EXPECT_EQ(0, memcmp(&before, &s, sizeof(s)));
}

}  // namespace
