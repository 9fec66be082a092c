#include <gtest/gtest.h>

#include <limits.h>
#include <stdlib.h>
#include <string.h>

#include "view/ViewLayout.h"

namespace {

// The default window: 300 x 260, frame 2, zoom 2, no panel, on a
// 1280 x 1024 screen with the pointer well inside it.
ViewLayoutInput DefaultInput() {
    ViewLayoutInput in;
    memset(&in, 0, sizeof(in));
    in.Width = 300;
    in.Height = 260;
    in.FrameWidth = 2;
    in.Zoom = 2;
    in.DispZoomImage = 1;
    in.DispColorHistory = 1;
    in.InfoLineCount = 6;
    in.InfoFontHeight = 12;
    in.ViewOriginLeft = 1;
    in.HistorySizeX = 16;
    in.HistorySizeY = 16;
    in.PointerX = 600;
    in.PointerY = 500;
    in.ScreenWidth = 1280;
    in.ScreenHeight = 1024;
    in.HaveScreen = 1;
    return in;
}

ViewLayout Layout(const ViewLayoutInput& in) {
    ViewLayout l;
    ComputeViewLayout(&in, &l);
    return l;
}

TEST(ViewLayout, DefaultWindowAtZoomTwo) {
    ViewLayout l = Layout(DefaultInput());
    EXPECT_EQ(0, l.P);
    EXPECT_EQ(0, l.Q);
    EXPECT_EQ(296, l.IW);
    EXPECT_EQ(256, l.IH);
    EXPECT_EQ(3, l.TextX);
    EXPECT_EQ(260, l.TextY);
    EXPECT_TRUE(l.ImageShown);
    // 148 cells across is even: one more makes the centre cell the middle.
    EXPECT_EQ(298, l.GW);
    EXPECT_EQ(258, l.GH);
    EXPECT_EQ(-1, l.GX);
    EXPECT_EQ(-1, l.GY);
    EXPECT_EQ(147, l.CX);
    EXPECT_EQ(127, l.CY);
    EXPECT_EQ(149, l.NX);
    EXPECT_EQ(129, l.NY);
    EXPECT_EQ(600 - 74, l.SX);
    EXPECT_EQ(500 - 64, l.SY);
    EXPECT_EQ(149, l.SW);
    EXPECT_EQ(129, l.SH);
    EXPECT_EQ(-1, l.DX);
    EXPECT_EQ(-1, l.DY);
    EXPECT_EQ(149, l.MarkX);
    EXPECT_EQ(129, l.MarkY);
}

TEST(ViewLayout, RoundsToWholeThenOddCells) {
    ViewLayoutInput in = DefaultInput();
    in.Zoom = 3;
    in.Width = 104;  // image width 100
    ViewLayout l = Layout(in);
    EXPECT_EQ(100, l.IW);
    EXPECT_EQ(105, l.GW);  // 102 is 34 cells, even, so 35 cells
    EXPECT_EQ(35, l.NX);
    EXPECT_EQ(50 - 52, l.GX);
    EXPECT_EQ(49, l.CX);

    in.Width = 103;  // image width 99: 33 cells, already odd
    l = Layout(in);
    EXPECT_EQ(99, l.GW);
    EXPECT_EQ(0, l.GX);
    EXPECT_EQ(48, l.CX);
}

TEST(ViewLayout, PanelAndHistoryTakeTheirRowsFromTheImage) {
    ViewLayoutInput in = DefaultInput();
    in.DispMouseDownInfo = 1;
    in.HistoryCount = 20;
    ViewLayout l = Layout(in);
    EXPECT_EQ(12 * 6 + 3, l.P);
    EXPECT_EQ(18, l.Q);
    EXPECT_EQ(260 - 4 - 18 - 75, l.IH);
    EXPECT_EQ(2 + l.IH + 2, l.TextY);
    EXPECT_EQ(14, l.SwatchCount);  // (300 - 4 - 36) / 18

    in.HistoryCount = 3;
    EXPECT_EQ(3, Layout(in).SwatchCount);
    in.HistoryCount = 0;
    EXPECT_EQ(0, Layout(in).SwatchCount);

    in.DispColorHistory = 0;
    in.InfoLineCount = 0;
    l = Layout(in);
    EXPECT_EQ(3, l.P);
    EXPECT_EQ(0, l.Q);
    EXPECT_EQ(260 - 4 - 3, l.IH);

    in.DispZoomImage = 0;
    l = Layout(in);
    EXPECT_EQ(0, l.IH);
    EXPECT_FALSE(l.ImageShown);
    EXPECT_EQ(4, l.TextY);
}

TEST(ViewLayout, TooSmallForAnImage) {
    ViewLayoutInput in = DefaultInput();
    in.Width = 4;
    EXPECT_FALSE(Layout(in).ImageShown);
    in = DefaultInput();
    in.Height = 40;
    in.DispMouseDownInfo = 1;  // panel and history need more than 36 rows
    ViewLayout l = Layout(in);
    EXPECT_LT(l.IH, 0);
    EXPECT_FALSE(l.ImageShown);
}

TEST(ViewLayout, TopLeftCornerMovesTheCopyRightAndDown) {
    ViewLayoutInput in = DefaultInput();
    in.Zoom = 4;
    in.PointerX = 0;
    in.PointerY = 0;
    ViewLayout l = Layout(in);
    EXPECT_EQ(75, l.NX);
    EXPECT_EQ(65, l.NY);
    EXPECT_EQ(-2, l.GX);
    EXPECT_EQ(-2, l.GY);
    EXPECT_EQ(0, l.SX);
    EXPECT_EQ(0, l.SY);
    EXPECT_EQ(-2 + 4 * 37, l.DX);
    EXPECT_EQ(-2 + 4 * 32, l.DY);
    // The mark stays on the centre cell, which shows screen pixel (0, 0).
    EXPECT_EQ(2 + 146, l.MarkX);
    EXPECT_EQ(2 + 126, l.MarkY);
    EXPECT_EQ(l.MarkX, 2 + l.DX);
    EXPECT_EQ(l.MarkY, 2 + l.DY);
}

TEST(ViewLayout, RightEdgeAndBeyondPullTheSourceBack) {
    ViewLayoutInput in = DefaultInput();
    in.PointerX = 1279;
    in.PointerY = 1023;
    ViewLayout l = Layout(in);
    EXPECT_EQ(1280 - 149, l.SX);
    EXPECT_EQ(1024 - 129, l.SY);
    EXPECT_EQ(-1 - 2 * 74, l.DX);
    EXPECT_EQ(-1 - 2 * 64, l.DY);

    // A pointer on a second monitor to the right: cells beyond the edge stay
    // black, the last screen column still lands in its own cell.
    in.PointerX = 1500;
    l = Layout(in);
    EXPECT_EQ(1280 - 149, l.SX);
    EXPECT_EQ(2 + l.DX + 2 * (1279 - l.SX), 2 + l.CX - 2 * (1500 - 1279));
}

TEST(ViewLayout, MirroringTakesASpareCellAndANegativeSource) {
    ViewLayoutInput in = DefaultInput();
    in.ReversH = 1;
    ViewLayout l = Layout(in);
    EXPECT_EQ(302, l.GW);  // 296 + 4 = 150 cells, even, so 151
    EXPECT_EQ(-5, l.GX);   // 148 - 151, one cell earlier
    EXPECT_EQ(151, l.NX);
    EXPECT_EQ(600 - 75 + 151, l.SX);
    EXPECT_EQ(-151, l.SW);
    EXPECT_EQ(-1, l.GY);  // vertical unchanged
    EXPECT_EQ(129, l.SH);
    EXPECT_EQ(149, l.MarkX);

    in.ReversV = 1;
    l = Layout(in);
    EXPECT_EQ(262, l.GH);
    EXPECT_EQ(-5, l.GY);
    EXPECT_EQ(-131, l.SH);
    EXPECT_EQ(500 - 65 + 131, l.SY);
}

TEST(ViewLayout, MirroredCopyReadsTheScreensEdgeColumns) {
    ViewLayoutInput in = DefaultInput();
    in.ReversH = 1;
    in.PointerX = 0;
    ViewLayout l = Layout(in);
    // The mirrored copy reads SX + SW + 1 .. SX, that is 0 .. 150: the
    // pointer's column 0 is read and lands in the centre cell.
    EXPECT_EQ(150, l.SX);
    EXPECT_EQ(-151, l.SW);
    EXPECT_EQ(-5 - 2 * 74, l.DX);
    EXPECT_EQ(2 + 147, 2 + l.DX + 2 * (l.SX - 0));

    in.PointerX = 1279;
    l = Layout(in);
    EXPECT_EQ(1279, l.SX);  // never column 1280, beyond the screen
    EXPECT_EQ(2 + 147, 2 + l.DX + 2 * (l.SX - 1279));

    in.ReversH = 0;
    in.ReversV = 1;
    in.PointerY = 0;
    l = Layout(in);
    EXPECT_EQ(130, l.SY);
    EXPECT_EQ(2 + 127, 2 + l.DY + 2 * (l.SY - 0));
}

// Where screen pixel (sx, sy) lands in the back buffer, from the copy's own
// numbers: the destination starts at F + D and a mirrored source counts
// from its far edge.
void CellOf(const ViewLayout& l, int sx, int sy, int* x, int* y) {
    *x = l.SW > 0 ? l.F + l.DX + l.Z * (sx - l.SX) : l.F + l.DX + l.Z * (l.SX - sx);
    *y = l.SH > 0 ? l.F + l.DY + l.Z * (sy - l.SY) : l.F + l.DY + l.Z * (l.SY - sy);
}

TEST(ViewLayout, CentrePixelLandsInTheCentreCellForEveryShape) {
    srand(7);
    for (int i = 0; i < 20000; i++) {
        ViewLayoutInput in = DefaultInput();
        in.Width = 20 + rand() % 700;
        in.Height = 20 + rand() % 600;
        in.FrameWidth = rand() % 11;
        in.Zoom = 1 + rand() % 32;
        in.ReversH = rand() % 2;
        in.ReversV = rand() % 2;
        in.PointerX = rand() % 1400 - 60;
        in.PointerY = rand() % 1100 - 40;
        in.DispMouseDownInfo = rand() % 2;
        in.InfoLineCount = rand() % 8;
        ViewLayout l = Layout(in);
        if (!l.ImageShown)
            continue;
        SCOPED_TRACE(testing::Message() << "W " << in.Width << " H " << in.Height << " F "
                                        << in.FrameWidth << " Z " << in.Zoom << " rev "
                                        << in.ReversH << in.ReversV << " at " << in.PointerX
                                        << "," << in.PointerY);
        ASSERT_EQ(0, l.GW % l.Z);
        ASSERT_EQ(1, l.NX % 2);
        ASSERT_EQ(1, l.NY % 2);
        // The grid covers the whole image area.
        ASSERT_LE(l.GX, 0);
        ASSERT_GE(l.GX + l.GW, l.IW);
        ASSERT_LE(l.GY, 0);
        ASSERT_GE(l.GY + l.GH, l.IH);
        // The centre cell is a grid cell.
        ASSERT_EQ(0, ((l.CX - l.GX) % l.Z + l.Z) % l.Z);
        ASSERT_EQ(l.F + l.CX, l.MarkX);
        // The copied source stays on the screen.
        int left = l.SW > 0 ? l.SX : l.SX + l.SW + 1;
        int top = l.SH > 0 ? l.SY : l.SY + l.SH + 1;
        ASSERT_GE(left, 0);
        ASSERT_LE(left + abs(l.SW), 1280);
        ASSERT_GE(top, 0);
        ASSERT_LE(top + abs(l.SH), 1024);
        // Every screen pixel keeps the cell it has without clipping: the
        // pointer's pixel (clamped or not) is read and lies k cells from
        // the centre cell.
        int sx = in.PointerX < 0 ? 0 : (in.PointerX > 1279 ? 1279 : in.PointerX);
        int sy = in.PointerY < 0 ? 0 : (in.PointerY > 1023 ? 1023 : in.PointerY);
        ASSERT_GE(sx, left);
        ASSERT_LT(sx, left + abs(l.SW));
        ASSERT_GE(sy, top);
        ASSERT_LT(sy, top + abs(l.SH));
        int x, y;
        CellOf(l, sx, sy, &x, &y);
        int kx = in.ReversH ? in.PointerX - sx : sx - in.PointerX;
        int ky = in.ReversV ? in.PointerY - sy : sy - in.PointerY;
        ASSERT_EQ(l.F + l.CX + l.Z * kx, x);
        ASSERT_EQ(l.F + l.CY + l.Z * ky, y);
    }
}

TEST(ViewLayout, FixedPointMarkFollowsThePointer) {
    ViewLayoutInput in = DefaultInput();
    in.FixMouse = 1;
    in.FixMouseX = 500;
    in.FixMouseY = 400;
    in.PointerX = 503;
    in.PointerY = 398;
    ViewLayout l = Layout(in);
    EXPECT_EQ(500 - 74, l.SX);  // the image stays on the fixed point
    EXPECT_EQ(400 - 64, l.SY);
    EXPECT_EQ(149 + 2 * 3, l.MarkX);
    EXPECT_EQ(129 - 2 * 2, l.MarkY);

    in.ReversH = 1;
    in.ReversV = 1;
    l = Layout(in);
    EXPECT_EQ(149 - 2 * 3, l.MarkX);
    EXPECT_EQ(129 + 2 * 2, l.MarkY);

    // At a corner the clipped copy still puts the mark on the pointer's cell.
    in.ReversH = 0;
    in.ReversV = 0;
    in.FixMouseX = 2;
    in.FixMouseY = 1;
    in.PointerX = 0;
    in.PointerY = 0;
    l = Layout(in);
    EXPECT_EQ(149 - 2 * 2, l.MarkX);
    EXPECT_EQ(129 - 2 * 1, l.MarkY);

    // Without a display context the copy's numbers count as 0.
    in.HaveScreen = 0;
    in.PointerX = 30;
    in.PointerY = 20;
    l = Layout(in);
    EXPECT_FALSE(l.Copied);
    EXPECT_EQ(2 + 2 * 30, l.MarkX);
    EXPECT_EQ(2 + 2 * 20, l.MarkY);
}

TEST(ViewLayout, HandEditedValuesStayInsideTheArithmetic) {
    ViewLayoutInput in = DefaultInput();
    in.Zoom = 0;
    EXPECT_EQ(1, Layout(in).Z);
    in.Zoom = -7;
    EXPECT_EQ(1, Layout(in).Z);
    in.Zoom = 99;
    EXPECT_EQ(32, Layout(in).Z);

    in = DefaultInput();
    in.FrameWidth = -3;  // no frame, not an image wider than the window
    ViewLayout l = Layout(in);
    EXPECT_EQ(0, l.F);
    EXPECT_EQ(300, l.IW);

    in = DefaultInput();
    in.DispMouseDownInfo = 1;
    in.HistorySizeX = -2;  // would divide by zero
    in.HistorySizeY = -50;
    in.HistoryCount = 500;
    l = Layout(in);
    EXPECT_EQ(1, l.HistorySizeX);
    EXPECT_EQ(0, l.HistorySizeY);
    EXPECT_EQ(2, l.Q);
    EXPECT_EQ(20, l.SwatchCount);  // (296 - 36) / 3 = 86, at most 20
    in.InfoLineCount = 40;
    EXPECT_EQ(12 * 7 + 3, Layout(in).P);

    // Extremes run under UBSan: no overflow anywhere.
    for (int big : {INT_MAX, INT_MIN, 1 << 30, -(1 << 30)}) {
        in = DefaultInput();
        in.Width = big;
        in.Height = big;
        in.FrameWidth = big;
        in.HistorySizeX = big;
        in.HistorySizeY = big;
        Layout(in);
        EXPECT_LE(Layout(in).W, 65535);
        // A fixed point far off the screen: the copy is pulled back onto it.
        in = DefaultInput();
        in.FixMouse = 1;
        in.FixMouseX = big;
        in.FixMouseY = big;
        in.ReversH = 1;
        l = Layout(in);
        int left = l.SX + l.SW + 1;
        EXPECT_GE(left, 0);
        EXPECT_LE(left - l.SW, 1280);
    }
}

TEST(ViewLayout, CursorIconHotSpotCoversThePointersCell) {
    ViewLayout l = Layout(DefaultInput());
    IconPlacement p = PlaceCursorIcon(&l, 0, 0, 1, 2, 32, 32);
    EXPECT_EQ(149 - 2, p.X);
    EXPECT_EQ(129 - 4, p.Y);
    EXPECT_EQ(64, p.W);
    EXPECT_EQ(64, p.H);
    // Mirrored: drawn leftwards from the last pixel of the hot spot's cell.
    p = PlaceCursorIcon(&l, 1, 1, 1, 2, 32, 32);
    EXPECT_EQ(149 + 4 - 1, p.X);
    EXPECT_EQ(129 + 6 - 1, p.Y);
    EXPECT_EQ(-64, p.W);
    EXPECT_EQ(-64, p.H);
}

TEST(ViewLayout, CrossMarks) {
    ViewLayout l = Layout(DefaultInput());
    int r[3][4];
    ASSERT_EQ(2, CrossMarkRects(&l, 1, r));
    EXPECT_EQ(149 - 10, r[0][0]);
    EXPECT_EQ(129, r[0][1]);
    EXPECT_EQ(149 + 12, r[0][2]);
    EXPECT_EQ(131, r[0][3]);
    EXPECT_EQ(149, r[1][0]);
    EXPECT_EQ(129 - 10, r[1][1]);
    EXPECT_EQ(151, r[1][2]);
    EXPECT_EQ(129 + 12, r[1][3]);

    ASSERT_EQ(3, CrossMarkRects(&l, 2, r));
    // y2 = 129 + 1 - 1, x2 = 149: the vertical line is split around rows 129, 130.
    const int want[3][4] = {{2, 129, 300, 131}, {149, 2, 151, 129}, {149, 131, 151, 260}};
    for (int i = 0; i < 3; i++)
        for (int k = 0; k < 4; k++)
            EXPECT_EQ(want[i][k], r[i][k]) << i << "," << k;

    EXPECT_EQ(0, CrossMarkRects(&l, 0, r));
    EXPECT_EQ(0, CrossMarkRects(&l, 3, r));
}

TEST(ViewColors, FixedOrFromThePointer) {
    Settings s;
    SetDefaultSettings(&s);
    ViewColors c = ComputeViewColors(&s, MakeColor(10, 20, 30));
    EXPECT_EQ(MakeColor(238, 238, 238), c.Background);
    EXPECT_EQ(MakeColor(255, 255, 255), c.Light);
    EXPECT_EQ(MakeColor(174, 174, 174), c.Dark);
    EXPECT_EQ(MakeColor(0, 0, 0), c.Text);

    s.BackColorMode = 1;
    c = ComputeViewColors(&s, MakeColor(10, 100, 230));
    EXPECT_EQ(MakeColor(10, 100, 230), c.Background);
    EXPECT_EQ(MakeColor(74, 164, 255), c.Light);
    EXPECT_EQ(MakeColor(0, 36, 166), c.Dark);
    EXPECT_EQ(MakeColor(255, 255, 255), c.Text);  // brightness 87
    c = ComputeViewColors(&s, MakeColor(200, 200, 100));
    EXPECT_EQ(MakeColor(0, 0, 0), c.Text);
}

TEST(ViewColors, PointerColour) {
    EXPECT_EQ(MakeColor(24, 25, 127), PointerColorOf(MakeColor(24, 25, 127), 0));
    EXPECT_EQ(MakeColor(0, 51, 153), PointerColorOf(MakeColor(24, 25, 127), 1));
    // A failed read is white, not an invalid colour reference.
    EXPECT_EQ(0xFFFFFFu, PointerColorOf(0xFFFFFFFFu, 0));
    EXPECT_EQ(0xFFFFFFu, PointerColorOf(0xFFFFFFFFu, 1));
    EXPECT_EQ(MakeColor(255, 0, 0), PointerColorOf(255, 0));
}

TEST(ZoomLabel, TextAndPlace) {
    char label[16];
    FormatZoomLabel(label, sizeof(label), 8);
    EXPECT_STREQ("\x81\x7E" "8", label);  // the multiplication sign in code page 932
    FormatZoomLabel(label, sizeof(label), 32);
    EXPECT_STREQ("\x81\x7E" "32", label);
    EXPECT_EQ(300 - 22, ZoomLabelX(300, 9, 6));
    EXPECT_EQ(300 - 28, ZoomLabelX(300, 10, 6));
    EXPECT_EQ(300 - 40, ZoomLabelX(300, 12, 1));
    EXPECT_EQ(300 - 34, ZoomLabelX(300, 2, 1));
}

}  // namespace
