#include <gtest/gtest.h>

#include <limits.h>
#include <stdio.h>
#include <string.h>

#include <string>

#include "view/ViewLayout.h"

namespace {

// The default window: 300 x 260, frame 2, zoom 2, no panel, on a
// 1280 x 1024 screen with the pointer at 600, 500.
ViewLayoutInput DefaultInput() {
    return ViewLayoutInput{
        300, 260, 2, 2,          // Width, Height, FrameWidth, Zoom
        1, 0, 1,                 // DispZoomImage, DispMouseDownInfo, DispColorHistory
        6, 12, 1, 0,             // InfoLineCount, InfoFontHeight, ViewOriginLeft, ViewOriginTop
        16, 16, 0,               // HistorySizeX, HistorySizeY, HistoryCount
        0, 0, 0, 0, 0,           // ReversH, ReversV, FixMouse, FixMouseX, FixMouseY
        600, 500, 1280, 1024, 1  // PointerX, PointerY, ScreenWidth, ScreenHeight, HaveScreen
    };
}

ViewLayout Layout(const ViewLayoutInput& in) {
    ViewLayout l;
    ComputeViewLayout(&in, &l);
    return l;
}

std::string Describe(const ViewLayout& l) {
    char out[256];
    snprintf(out, sizeof(out), "image %dx%d grid %d,%d %dx%d centre %d,%d source %d,%d %dx%d "
             "dest %d,%d mark %d,%d", l.IW, l.IH, l.GX, l.GY, l.GW, l.GH, l.CX, l.CY, l.SX, l.SY,
             l.SW, l.SH, l.DX, l.DY, l.MarkX, l.MarkY);
    return out;
}

TEST(ViewLayout, WorkedExamples) {
    const struct {
        const char* what;
        void (*change)(ViewLayoutInput*);
        const char* want;
    } cases[] = {
        // 148 cells across is even: one more makes the centre cell the middle.
        {"default", [](ViewLayoutInput*) {},
         "image 296x256 grid -1,-1 298x258 centre 147,127 source 526,436 149x129 dest -1,-1 "
         "mark 149,129"},
        // 100 is 33.3 cells: 34 whole ones, then 35 to be odd.
        {"zoom 3, image width 100", [](ViewLayoutInput* in) { in->Zoom = 3; in->Width = 104; },
         "image 100x256 grid -2,-2 105x261 centre 49,127 source 583,457 35x87 dest -2,-2 "
         "mark 51,129"},
        // A mirrored copy counts from its far edge: a spare cell each side.
        {"mirrored", [](ViewLayoutInput* in) { in->ReversH = in->ReversV = 1; },
         "image 296x256 grid -5,-5 302x262 centre 147,127 source 676,566 -151x-131 dest -5,-5 "
         "mark 149,129"},
        // The copy moves right and down; the centre cell still shows 0, 0.
        {"top-left corner",
         [](ViewLayoutInput* in) { in->Zoom = 4; in->PointerX = in->PointerY = 0; },
         "image 296x256 grid -2,-2 300x260 centre 146,126 source 0,0 75x65 dest 146,126 "
         "mark 148,128"},
    };
    for (const auto& c : cases) {
        ViewLayoutInput in = DefaultInput();
        c.change(&in);
        EXPECT_EQ(c.want, Describe(Layout(in))) << c.what;
    }
}

TEST(ViewLayout, HandEditedValuesStayInsideTheArithmetic) {
    ViewLayoutInput in = DefaultInput();
    in.Zoom = 99;
    in.FrameWidth = -3;  // no frame, not an image wider than the window
    in.DispMouseDownInfo = 1;
    in.HistorySizeX = -2;  // would divide by zero
    in.HistorySizeY = -50;
    in.HistoryCount = 500;
    in.InfoLineCount = 40;
    ViewLayout l = Layout(in);
    EXPECT_EQ(32, l.Z);
    EXPECT_EQ(300, l.IW);
    EXPECT_EQ(12 * 7 + 3, l.P);  // at most seven lines
    EXPECT_EQ(2, l.Q);
    EXPECT_EQ(20, l.SwatchCount);  // 88 fit, the history holds 20
    in.Zoom = -7;
    EXPECT_EQ(1, Layout(in).Z);
    // Extremes run under UBSan: no overflow anywhere.
    for (int big : {INT_MAX, INT_MIN, 1 << 30, -(1 << 30)}) {
        in = DefaultInput();
        in.Width = in.Height = in.FrameWidth = in.HistorySizeX = in.HistorySizeY = big;
        EXPECT_LE(Layout(in).W, 65535);
        // A fixed point far off the screen: the copy is pulled back onto it.
        in = DefaultInput();
        in.FixMouse = in.ReversH = 1;
        in.FixMouseX = in.FixMouseY = big;
        l = Layout(in);
        EXPECT_TRUE(l.SX + l.SW + 1 >= 0 && l.SX + 1 <= 1280) << l.SX;
    }
}

TEST(ViewLayout, PointerColourIsWebSafeWhenAskedAndWhiteWhenTheReadFailed) {
    EXPECT_EQ(MakeColor(0, 51, 153), PointerColorOf(MakeColor(24, 25, 127), 1));
    EXPECT_EQ(0xFFFFFFu, PointerColorOf(0xFFFFFFFFu, 0));
    EXPECT_EQ(0xFFFFFFu, PointerColorOf(0xFFFFFFFFu, 1));
}

}  // namespace
