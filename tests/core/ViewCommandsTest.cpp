// The zoom commands and the view toggles.
#include <gtest/gtest.h>

#include <string.h>

#include "app/CommandIds.h"
#include "app/ViewCommands.h"

TEST(ViewCommands, ZoomPresetsAndStepsStayWithinOneTo32) {
    const struct { int from, command, result, zoom; } cases[] = {
        {13, CmdZoom1, ViewCommandChanged, 1},     {13, CmdZoom8, ViewCommandChanged, 8},
        {13, CmdZoom16, ViewCommandChanged, 16},   {13, CmdZoom32, ViewCommandChanged, 32},
        {31, CmdZoomIn, ViewCommandChanged, 32},   {2, CmdZoomOut, ViewCommandChanged, 1},
        {32, CmdZoomIn, ViewCommandUnchanged, 32}, {1, CmdZoomOut, ViewCommandUnchanged, 1},
    };
    for (const auto& c : cases) {
        Settings s = {};
        s.Zoom = c.from;
        EXPECT_EQ(c.result, ApplyViewCommand(&s, c.command)) << c.command;
        EXPECT_EQ(c.zoom, s.Zoom) << c.command;
    }
}

TEST(ViewCommands, EachToggleFlipsItsOwnFlagOnlyAndTwoTogglesToZero) {
    const struct { int command; int Settings::*flag; } toggles[] = {
        {CmdZoomImage, &Settings::DispZoomImage}, {CmdCursor, &Settings::DispCursor},
        {CmdGrid, &Settings::DispGrid},           {CmdInfo, &Settings::DispMouseDownInfo},
        {CmdInvertColor, &Settings::ReversColor}, {CmdFlipH, &Settings::ReversH},
        {CmdFlipV, &Settings::ReversV},           {CmdHalfTone, &Settings::HalfTone},
        {CmdWebSafe, &Settings::WebSafeColor},
    };
    for (const auto& t : toggles)
        for (int from : {0, 1, 2}) {
            Settings s = {};
            s.*t.flag = from;
            Settings expected = s;
            expected.*t.flag = from == 0 ? 1 : 0;
            EXPECT_EQ(ViewCommandChanged, ApplyViewCommand(&s, t.command)) << t.command;
            EXPECT_EQ(0, memcmp(&expected, &s, sizeof(s))) << t.command << " from " << from;
        }
}
