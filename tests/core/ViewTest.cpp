// The arithmetic of a redraw, the pointer colour, the panel's lines, the
// colour history, the main window's decisions that need no window, the view
// commands and the double-byte-safe text helpers.
#include <gtest/gtest.h>

#include <limits.h>

#include "core/CommandIds.h"
#include "app/MainWndRules.h"
#include "core/TextUtil.h"
#include "app/ViewCommands.h"
#include "view/ColorHistory.h"
#include "view/FrameOps.h"
#include "view/InfoPanelText.h"
#include "view/ViewLayout.h"
#include "tests/support/MadeUpMonitors.h"

namespace {

const MonitorLayout kScreen = MadeUpMonitors({{{0, 0, 1280, 1024}, {0, 0, 1280, 1024}, 0, 1}});

// The default window: 300 x 260, frame 2, zoom 2, no panel, on a
// 1280 x 1024 screen with the pointer at 600, 500.
const ViewLayoutInput kDefault = {
    300, 260, 2, 2,          // Width, Height, FrameWidth, Zoom
    1, 0, 1,                 // DispZoomImage, DispMouseDownInfo, DispColorHistory
    6, 12, 1, 0,             // InfoLineCount, InfoFontHeight, ViewOriginLeft, ViewOriginTop
    16, 16, 0,               // HistorySizeX, HistorySizeY, HistoryCount
    0, 0, 0, 0, 0,           // ReversH, ReversV, FixMouse, FixMouseX, FixMouseY
    600, 500, &kScreen, 1    // PointerX, PointerY, Monitors, HaveScreen
};

ViewLayout Layout(const ViewLayoutInput& in) {
    ViewLayout l;
    ComputeViewLayout(&in, &l);
    return l;
}

TEST(ViewLayout, WorkedExamples) {
    const struct { const char* what; void (*change)(ViewLayoutInput*); const char* want; } cases[] = {
        // Panel 12 * 6 + 3 high, history row 16 + 2; the image keeps 163.
        // 148 cells across is even: one more makes the centre cell the
        // middle; 81.5 down is 82 whole ones, then 83. 14 swatches would fit.
        {"panel and history", [](ViewLayoutInput* in) { in->DispMouseDownInfo = 1, in->HistoryCount = 5; },
         "image 296x163 panel 75 history 18 swatches 5 grid -1,-2 298x166 centre 147,80 source 526,459 149x83 "
         "dest -1,-2 mark 149,82 read 526,459 inside 1"},
        // 100 is 33.3 cells: 34 whole ones, then 35 to be odd.
        {"zoom 3, image width 100", [](ViewLayoutInput* in) { in->Zoom = 3, in->Width = 104; },
         "image 100x256 panel 0 history 0 swatches 0 grid -2,-2 105x261 centre 49,127 source 583,457 35x87 "
         "dest -2,-2 mark 51,129 read 583,457 inside 1"},
        // A mirrored copy counts from its far edge: a spare cell each side;
        // it reads from 676 - 151 + 1.
        {"mirrored", [](ViewLayoutInput* in) { in->ReversH = in->ReversV = 1; },
         "image 296x256 panel 0 history 0 swatches 0 grid -5,-5 302x262 centre 147,127 source 676,566 -151x-131 "
         "dest -5,-5 mark 149,129 read 526,436 inside 1"},
        // The copy moves right and down; the centre cell still shows 0, 0.
        {"top-left corner", [](ViewLayoutInput* in) { in->Zoom = 4, in->PointerX = in->PointerY = 0; },
         "image 296x256 panel 0 history 0 swatches 0 grid -2,-2 300x260 centre 146,126 source 0,0 75x65 "
         "dest 146,126 mark 148,128 read 0,0 inside 1"},
        // 2000 pixels at zoom 1 are wider than the 1280 of the screen: the
        // read reaches 721 beyond its left edge, the image moves with it.
        {"wider than the screen", [](ViewLayoutInput* in) { in->Zoom = 1, in->Width = 2004; },
         "image 2000x256 panel 0 history 0 swatches 0 grid 0,0 2001x257 centre 1000,128 source -721,372 2001x257 "
         "dest -321,0 mark 1002,130 read -721,372 inside 0"},
    };
    for (const auto& c : cases) {
        ViewLayoutInput in = kDefault;
        c.change(&in);
        ViewLayout l = Layout(in);
        char out[256];
        snprintf(out, sizeof(out), "image %dx%d panel %d history %d swatches %d grid %d,%d %dx%d centre %d,%d "
                 "source %d,%d %dx%d dest %d,%d mark %d,%d read %d,%d inside %d", l.IW, l.IH, l.P, l.Q,
                 l.SwatchCount, l.GX, l.GY, l.GW, l.GH, l.CX, l.CY, l.SX, l.SY, l.SW, l.SH, l.DX, l.DY, l.MarkX,
                 l.MarkY, l.ReadX, l.ReadY, l.ReadInside);
        EXPECT_EQ(c.want, std::string(out)) << c.what;
    }
}

TEST(ViewLayout, HandEditedValuesStayInsideTheArithmetic) {
    // No frame rather than an image wider than the window; a swatch width
    // that would divide by zero.
    ViewLayoutInput in = kDefault;
    in.Zoom = 99, in.FrameWidth = -3, in.DispMouseDownInfo = 1, in.InfoLineCount = 40;
    in.HistorySizeX = -2, in.HistorySizeY = -50, in.HistoryCount = 500;
    ViewLayout l = Layout(in);
    // At most seven lines; 88 swatches fit, the history holds 20.
    EXPECT_TRUE(l.Z == 32 && l.IW == 300 && l.P == 12 * 7 + 3 && l.Q == 2 && l.SwatchCount == 20);
    in.Zoom = -7;
    EXPECT_EQ(1, Layout(in).Z);
    // Extremes run under UBSan: no overflow anywhere.
    for (int big : {INT_MAX, INT_MIN, 1 << 30, -(1 << 30)}) {
        in = kDefault;
        in.Width = in.Height = in.FrameWidth = in.HistorySizeX = in.HistorySizeY = big;
        EXPECT_LE(Layout(in).W, 65535);
        // A fixed point far off the screen: the copy is pulled back onto it.
        in = kDefault;
        in.FixMouse = in.ReversH = 1, in.FixMouseX = in.FixMouseY = big;
        l = Layout(in);
        EXPECT_TRUE(l.SX + l.SW + 1 >= 0 && l.SX + 1 <= 1280) << l.SX;
    }
}

// The default window changed: the zoom, mirrored (1 across, 2 down, 3
// both), the image fixed on fixX, fixY (not fixed when fixX is negative),
// the pointer and the side of the sampled square.
ViewLayoutInput Changed(int zoom, int mirror, int fixX, int fixY, int px, int py, int size) {
    ViewLayoutInput in = kDefault;
    in.Zoom = zoom, in.ReversH = mirror & 1, in.ReversV = mirror >> 1, in.SampleSize = size;
    in.FixMouse = fixX >= 0, in.FixMouseX = fixX, in.FixMouseY = fixY, in.PointerX = px, in.PointerY = py;
    return in;
}

// The outline round the cells an area sample averages, worked out by hand
// from the default window (image 296 x 256 at frame 2): the pointer's cell
// is the centre one, at 2 + 148 - Z / 2 across and 2 + 128 - Z / 2 down.
TEST(ViewLayout, SampleOutlineLiesOnTheCellGrid) {
    const struct { int zoom, mirror, fixX, px, py, size, grid; const char* want; } cases[] = {
        // Cells 145 to 154 across, 125 to 134 down: one pixel outside, or
        // on the grid's lines at odd x (-3 + 2k), 145 and 155 among them.
        {2, 0, -1, 600, 500, 5, 0, "144,124 12x12"},
        {2, 0, -1, 600, 500, 5, 1, "145,125 11x11"},
        // No grid at zoom 1: the 15 pixels 143 to 157 (pointer 150, 130)
        // stay in sight inside the outline.
        {1, 0, -1, 600, 500, 15, 1, "142,122 17x17"},
        // Pointer cell 149, 129; the grid's lines at 2 + 3k across and 3k
        // down: 146 and 155, 126 and 135.
        {3, 0, -1, 600, 500, 3, 1, "146,126 10x10"},
        // Mirrored, the square is its own image round the centre cell 146,
        // 126; the grid starts a spare cell early, its lines at -14 + 8k and
        // -18 + 8k: 130 and 170, 110 and 150.
        {8, 3, -1, 600, 500, 5, 1, "130,110 41x41"},
        // Fixed on 600, 500, the pointer at 610, 495: its cell is 10 cells
        // right of and 5 above the centre cell 148, 128; mirrored left to
        // right, 10 cells left of it.
        {4, 0, 600, 610, 495, 3, 0, "183,103 14x14"},
        {4, 1, 600, 610, 495, 3, 0, "103,103 14x14"},
        // Far wider than the image: seven cells of 32 each side of 134, 114.
        {32, 0, -1, 600, 500, 15, 0, "-91,-111 482x482"},
        // A hand-edited 4 is 3; one pixel has no outline.
        {2, 0, -1, 600, 500, 4, 0, "146,126 8x8"},
        {2, 0, -1, 600, 500, 1, 0, "none"},
    };
    for (const auto& c : cases) {
        ViewLayout l = Layout(Changed(c.zoom, c.mirror, c.fixX, 500, c.px, c.py, c.size));
        SampleOutline o = {};
        char out[64] = "none";
        if (PlaceSampleOutline(&l, c.size, c.grid, &o))
            snprintf(out, sizeof(out), "%d,%d %dx%d", o.X, o.Y, o.W, o.H);
        EXPECT_STREQ(c.want, out) << c.zoom << " " << c.size;
    }
}

// The screen area read for a redraw grows to hold the square an area
// sample averages only where the square reaches past the area shown, and
// never towards a square apart from it. By hand from the default window:
// 149 x 129 cells from 526, 436 (mirrored 151 x 131, also from 526, 436).
TEST(ViewLayout, ReadGrowsToHoldTheSampledSquareOnlyWhereItReachesPast) {
    // side: the image's side (0 the default, -1 no image).
    const struct { int side, mirror, fixX, fixY, px, py, size; const char* want; } cases[] = {
        // 593 to 607, 493 to 507 lie well inside.
        {0, 0, -1, 0, 600, 500, 15, "read 526,436 149x129 holds 1"},
        // Image 4 x 4 at zoom 2: three cells, 599 to 601; the square 598 to 602.
        {8, 0, -1, 0, 600, 500, 5, "read 598,498 5x5 holds 1"},
        {8, 0, -1, 0, 600, 500, 1, "read 599,499 3x3 holds 1"},
        // Fixed on 600, 500; the pointer one pixel right of the last column
        // 674: the square 673 to 677 takes three more columns; on the first
        // row 436, two rows more above.
        {0, 0, 600, 500, 675, 500, 5, "read 526,436 152x129 holds 1"},
        {0, 0, 600, 500, 600, 436, 5, "read 526,434 149x131 holds 1"},
        // 15 x 15 round 680: 673 to 687, fourteen more columns.
        {0, 0, 600, 500, 680, 500, 15, "read 526,436 162x129 holds 1"},
        // Mirrored the read still starts at 526: the square 522 to 526
        // adds four columns on the left.
        {0, 3, 600, 500, 524, 500, 5, "read 522,436 155x131 holds 1"},
        // The square 677 to 681 lies apart: the read stays, the square is
        // read on its own. One pixel never grows the read, even right beside it.
        {0, 0, 600, 500, 679, 500, 5, "read 526,436 149x129 holds 0"},
        {0, 0, 600, 500, 675, 500, 1, "read 526,436 149x129 holds 0"},
        // At the screen's corners the square's part on the screen (0 to 7,
        // 1272 to 1279 and 1016 to 1023) lies inside the read pulled back
        // onto the screen.
        {0, 0, -1, 0, 0, 0, 15, "read 0,0 149x129 holds 1"},
        {0, 0, -1, 0, 1279, 1023, 15, "read 1131,895 149x129 holds 1"},
        // Off the screen, beside a fixed view at its edge: nothing of the
        // square lies on a monitor, nothing to read.
        {0, 0, 0, 0, -9, 500, 15, "read 0,0 149x129 holds 1"},
        // No image: no copy; the square is read on its own.
        {-1, 0, -1, 0, 600, 500, 5, "read 0,0 0x0 holds 0"},
    };
    for (const auto& c : cases) {
        ViewLayoutInput in = Changed(2, c.mirror, c.fixX, c.fixY, c.px, c.py, c.size);
        in.DispZoomImage = c.side >= 0;
        if (c.side > 0)
            in.Width = in.Height = c.side;
        ViewLayout l = Layout(in);
        char out[96];
        snprintf(out, sizeof(out), "read %d,%d %dx%d holds %d", l.ReadX, l.ReadY, l.ReadW, l.ReadH, l.SampleInRead);
        EXPECT_EQ(c.want, std::string(out)) << c.px << "," << c.py << " " << c.size;
    }
}

TEST(ViewLayout, PointerColourIsWebSafeWhenAskedAndWhiteWhenTheReadFailed) {
    EXPECT_TRUE(PointerColorOf(MakeColor(24, 25, 127), 1) == MakeColor(0, 51, 153) &&
                PointerColorOf(0xFFFFFFFFu, 0) == 0xFFFFFFu && PointerColorOf(0xFFFFFFFFu, 1) == 0xFFFFFFu);
    // Multiples of 51, a remainder of exactly 25 rounding up.
    const int cases[][2] = {{0, 0}, {24, 0}, {25, 51}, {51, 51}, {127, 153}, {228, 204}, {229, 255}};
    for (const auto& c : cases)
        EXPECT_EQ(c[1], WebSafeRound(c[0])) << c[0];
}

// The window under the pointer is asked about only for the arrow mark and
// the window lines, and of it only what the shown lines print. lines: a
// bit per window line, 1 Mouse, 2 HWND, 4 Class, 8 Title, 16 Area.
TEST(InfoPanelText, TargetPartsFollowTheShownLinesAndTheArrow) {
    const struct { const char* what; int panel, image, cursor, mode, lines, want; } cases[] = {
        {"default view: the arrow", 0, 1, 1, 0, 31, PartWindow}, {"pixel frame, no panel", 0, 1, 1, 3, 31, 0},
        {"arrow without an image", 0, 0, 1, 0, 31, 0},
        {"every line", 1, 1, 1, 0, 31, PartWindow | PartRect | PartIds | PartClass | PartText},
        {"handle line only, no mark", 1, 1, 0, 0, 2, PartWindow | PartIds},
        {"mouse line only", 1, 1, 1, 0, 1, PartWindow | PartRect},
        {"area line only", 1, 1, 1, 0, 16, PartWindow | PartRect},
        {"colour line only, no mark", 1, 1, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        Settings s;
        SetDefaultSettings(&s);
        s.DispMouseDownInfo = c.panel, s.DispZoomImage = c.image, s.DispCursor = c.cursor, s.CursorMode = c.mode;
        s.DispInfoMouse = c.lines & 1, s.DispInfoHWND = c.lines >> 1 & 1, s.DispInfoClass = c.lines >> 2 & 1;
        s.DispInfoTitle = c.lines >> 3 & 1, s.DispInfoArea = c.lines >> 4;
        EXPECT_EQ(c.want, PanelTargetParts(&s)) << c.what;
    }
}

// Only what changed is drawn again: the places of the shapes and texts
// that differ, merged where they meet, everything when shapes come or go.
TEST(FrameOps, ChangedShapesGiveTheirOldAndNewPlacesMerged) {
    ViewLayoutInput in = kDefault;
    in.DispMouseDownInfo = 1, in.HistoryCount = 3, in.InfoLineCount = 2;
    ViewLayout l = Layout(in);
    Settings s;
    SetDefaultSettings(&s);
    s.DispMouseDownInfo = 1, s.InfoLineCount = 2;
    ViewColors colors = ComputeViewColors(&s, MakeColor(1, 2, 3));
    PanelTexts texts = {2, {"Color  #010203", "Mouse  5,6"}};
    FrameOps before;
    BuildFrameOps(&l, &s, &colors, MakeColor(1, 2, 3), 2, &before);
    // Four bands, the panel, twelve grip dots, the label, two lines, four
    // swatches, four edges.
    ASSERT_EQ(4 + 1 + 12 + 1 + 2 + 4 + 4, before.Count);
    // How many places, and each as left, top, right, bottom.
    auto changed = [&](void (*change)(FrameOps*, PanelTexts*)) {
        FrameOps now = before;
        PanelTexts nowTexts = texts;
        change(&now, &nowTexts);
        int r[FrameRectMax][4];
        std::vector<int> out = {ChangedFrameRects(&before, &texts, &now, &nowTexts, l.W, r)};
        for (int i = 0; i < out[0]; i++)
            out.insert(out.end(), r[i], r[i] + 4);
        return out;
    };
    using V = std::vector<int>;
    const int y = l.TextY, row = l.TextY + 2 * 12 + 2;  // first line, swatch row
    EXPECT_EQ(V{0}, changed([](FrameOps*, PanelTexts*) {}));
    // A text reaches a line above and below and to the right edge.
    EXPECT_EQ((V{1, 3 - 13, y + 12 - 13, 301, y + 36 + 1}),
              changed([](FrameOps*, PanelTexts* t) { strcpy(t->Lines[1], "Mouse  7,6"); }));
    // The current colour's swatch, one pixel round it.
    EXPECT_EQ((V{1, 2, row - 1, 3 + 16 + 1, row + 16 + 1}), changed([](FrameOps* o, PanelTexts*) {
                  for (int i = 0; i < o->Count; i++)
                      if (o->Ops[i].Kind == FrameOpBox && o->Ops[i].Colour == MakeColor(1, 2, 3))
                          o->Ops[i].Colour = MakeColor(9, 9, 9);
              }));
    // A swatch moving down: its old and new places meet and merge.
    EXPECT_EQ((V{1, 20, row - 1, 20 + 18, row + 16 + 4}),
              changed([](FrameOps* o, PanelTexts*) { o->Ops[4 + 1 + 12 + 1 + 2 + 1].Y += 3; }));
    EXPECT_EQ(V{-1}, changed([](FrameOps* o, PanelTexts*) { o->Count--; }));
    // More separate places than there is room for: one around them all.
    EXPECT_EQ((V{1, 3 - 13, -1, 302, 263}), changed([](FrameOps* o, PanelTexts*) {
                  for (int i = 0; i < o->Count; i++)
                      o->Ops[i].Colour ^= 1;
              }));
}

TEST(InfoPanelText, LinesForAWindowAndWithoutOneWithinTheirBuffer) {
    // The six lines for the pointer at px, py of colour 18, 52, 255.
    auto lines = [](const PanelTarget* t, int px, int py) {
        std::string all;
        for (int kind = InfoLineColor; kind <= InfoLineArea; kind++) {
            char out[4096];
            FormatInfoLine(out, sizeof(out), kind, px, py, 18, 52, 255, t);
            all += std::string(out) + "\n";
        }
        return all;
    };
    PanelTarget t = {1, 0x000200A4, 32, 123456, {600, 400, 1000, 750}, "MiraboTestPattern",
                     "\x95\x5C\x8E\xA6"};  // 表示: the trail byte 0x5C stays as it is
    EXPECT_EQ("Color  #1234FF ( 18, 52,255)\nMouse  590,390 (-10,-10)\n"
              "HWND   0x000200A4(00131236) PID:  32 TID:123456\nClass  \"MiraboTestPattern\"\n"
              "Text   \"\x95\x5C\x8E\xA6\"\nArea   RECT( 600, 400,1000, 750) 400 * 350\n",
              lines(&t, 590, 390));
    const PanelTarget none = {};
    for (const PanelTarget* nothing : {&none, (const PanelTarget*)nullptr})
        EXPECT_EQ("Color  #1234FF ( 18, 52,255)\nMouse  -3,1025\nHWND   -\nClass  -\nText   -\nArea   -\n",
                  lines(nothing, -3, 1025));
    // High handles print negative in decimal; lines stay in their buffer.
    t.Handle = 0xFFFFFFFEu;
    char out[64];
    FormatInfoLine(out, sizeof(out), InfoLineHwnd, 0, 0, 0, 0, 0, &t);
    EXPECT_STREQ("HWND   0xFFFFFFFE(-0000002) PID:  32 TID:123456", out);
    memset(out, 'x', sizeof(out));
    FormatInfoLine(out, 8, InfoLineColor, 0, 0, 1, 2, 3, &t);
    EXPECT_STREQ("Color  ", out);
    EXPECT_EQ('x', out[8]);
}

// An area sample's colour line names its square after the colour; one
// pixel names none. The other lines stay as they are.
TEST(InfoPanelText, ColourLineNamesTheSampledSquare) {
    Settings s;
    SetDefaultSettings(&s);
    s.DispInfoMouse = s.DispInfoHWND = s.DispInfoClass = s.DispInfoTitle = s.DispInfoArea = 0;
    s.DispInfoUser = 1;
    strcpy(s.DispInfoUserFormat, "[DECR]");
    PointInfo info = {};
    info.Red = 18;
    const struct { int size; const char* want; } cases[] = {
        {1, "Color  #1234FF ( 18, 52,255)"}, {15, "Color  #1234FF ( 18, 52,255) (15×15)"},
        {14, "Color  #1234FF ( 18, 52,255) (13×13)"}};
    for (const auto& c : cases) {
        s.SampleSize = c.size;
        PanelTexts texts;
        BuildPanelTexts(&s, &info, 5, 6, MakeColor(18, 52, 255), nullptr, &texts);
        ASSERT_EQ(2, texts.Count);
        EXPECT_STREQ("18", texts.Lines[0]) << c.size;
        EXPECT_STREQ(c.want, texts.Lines[1]) << c.size;
    }
}

// Before each push a sample takes the newest colour for the contrast
// tokens, or none ("-") from an empty history (a damaged negative count too).
TEST(ColorHistory, NewestFirstWithRepeatsMovedOnlyUnderHistoryOrder) {
    // The order, the count set first (-1: as it is), the colour a sample
    // then takes as previous, the colours pushed, one per letter (its code
    // as red), and the history after as letters.
    const struct { int order, count; char previous; const char *pushed, *history; } steps[] = {
        {2, -1, '-', "CBAC", "CABC"},  // only 1 moves repeats
        {2, -1, 'C', "abcdefghijklmnopqrst", "tsrqponmlkjihgfedcba"},  // a full history drops its oldest entry
        // With HistoryOrder a colour found, even at the last place, moves up whole.
        {1, -1, 't', "a", "atsrqponmlkjihgfedcb"}, {1, 0, '-', "CBAC", "CAB"}, {1, -1, 'C', "C", "CAB"},
        // A count outside the array, only possible from a damaged record, is
        // brought back inside (beyond the count the old colours stay).
        {1, 57, 'C', "X", "XCABrqponmlkjihgfedc"}, {1, -3, '-', "Y", "Y"}};
    Settings s;
    SetDefaultSettings(&s);
    for (const auto& step : steps) {
        s.HistoryOrder = step.order, s.HistoryCount = step.count == -1 ? s.HistoryCount : step.count;
        PointInfo info;
        memset(&info, 0x55, sizeof(info));
        NotePreviousColor(&s, &info);
        char previous = info.HasPreviousColor == 1 ? (char)ColorRed(info.PreviousColor)
                        : info.HasPreviousColor == 0 && info.PreviousColor == 0 ? '-' : '?';
        EXPECT_TRUE(step.previous == previous && (info.Red & 0xFF) == 0x55) << step.pushed;  // nothing else changes
        for (const char* c = step.pushed; *c; c++)
            PushHistoryColor(&s, MakeColor(*c, 0, 0));
        std::string out;
        for (int i = 0; i < s.HistoryCount; i++)
            out += (char)ColorRed(s.HistoryColor[i]);
        EXPECT_EQ(step.history, out) << step.pushed;
    }
}

// The main window's decisions: the frameless window's edges (four pixels,
// corners eight, the grip sixteen), the timer's ticks, the wheel and the
// arrow keys.
TEST(MainWndRules, HitTestTimerTicksWheelAndArrowKeys) {
    const int hits[][3] = {
        {150, 130, HitClient}, {7, 7, HitTopLeft}, {8, 3, HitTop}, {8, 4, HitClient}, {292, 0, HitTopRight},
        {299, 8, HitRight}, {295, 9, HitClient}, {3, 100, HitLeft}, {7, 252, HitBottomLeft}, {283, 256, HitBottom},
        {284, 244, HitBottomRight}, {283, 243, HitClient}, {-1, 100, HitClient}, {300, 100, HitClient}};
    for (const auto& c : hits)
        EXPECT_EQ(c[2], FramelessHitTest(c[0], c[1], 300, 260)) << c[0] << "," << c[1];
    // The smallest window: the grip takes the lower right 16 x 16.
    EXPECT_EQ(HitBottomRight, FramelessHitTest(16, 8, 32, 24));
    // One letter per tick: R redraw, c check the pointer, . nothing. The
    // redraw rounds up to the tick; only a MouseMoveRedraw of 1 switches the
    // checks on.
    const struct { int interval, mouseMoveRedraw; std::string ticks; } timers[] = {
        {100, 0, ".........R.........R"}, {15, 0, ".R.R.R"}, {100, 1, "cccccccccRcc"}, {40, 2, "...R"}};
    for (const auto& c : timers) {
        std::string out;
        for (int elapsed = 0; out.size() < c.ticks.size();) {
            int action = ViewTimerTick(&elapsed, c.interval, c.mouseMoveRedraw);
            out += action == TickRedraw ? 'R' : action == TickCheckPointer ? 'c' : '.';
        }
        EXPECT_EQ(c.ticks, out) << c.interval;
    }
    // One zoom step per wheel message: zoom, distance, new zoom (0: no
    // change); the distance does not matter. With Shift one size of the
    // sampled square alike, from one odd size to the next.
    for (const auto& w : {std::vector<int>{8, 1200, 9}, {8, -120, 7}, {32, 120, 0}, {1, -120, 0}})
        EXPECT_EQ(w[2], WheelZoom(w[0], w[1])) << w[0] << " " << w[1];
    // A size not in the list (hand-edited) steps from its nearest one below.
    for (const auto& w : {std::vector<int>{1, 120, 3}, {5, 1200, 7}, {5, -120, 3}, {3, -240, 1}, {13, 120, 15},
                          {15, 120, 0}, {1, -120, 0}, {4, 120, 5}, {4, -120, 1}, {40, -120, 13}, {-8, 120, 3}})
        EXPECT_EQ(w[2], WheelSampleSize(w[0], w[1])) << w[0] << " " << w[1];
    // One pixel, ten with Ctrl: right, down with Ctrl, left with Ctrl, up;
    // then Home, which is no arrow.
    int x = 100, y = 50;
    const int keys[][3] = {{0x27, 0, 1}, {0x28, 1, 1}, {0x25, 1, 1}, {0x26, 0, 1}, {0x24, 1, 0}};
    for (const auto& k : keys)
        EXPECT_EQ(k[2], ArrowKeyMove(k[0], k[1], &x, &y)) << k[0];
    EXPECT_TRUE(x == 91 && y == 59) << x << "," << y;
}

TEST(ViewCommands, EachChangesItsOwnSettingOnly) {
    // Command, setting, value before and after. A toggle makes 1 of 0 and 0
    // of anything else; a zoom step at either end changes nothing, nor does
    // the size the square already has.
    const struct { int command; int Settings::*field; int from, to; } cases[] = {
        {CmdZoomImage, &Settings::DispZoomImage, 0, 1}, {CmdCursor, &Settings::DispCursor, 1, 0},
        {CmdGrid, &Settings::DispGrid, 2, 0}, {CmdInfo, &Settings::DispMouseDownInfo, 0, 1},
        {CmdInvertColor, &Settings::ReversColor, 1, 0}, {CmdFlipH, &Settings::ReversH, 2, 0},
        {CmdFlipV, &Settings::ReversV, 0, 1}, {CmdHalfTone, &Settings::HalfTone, 1, 0},
        {CmdWebSafe, &Settings::WebSafeColor, -1, 0}, {CmdZoom1, &Settings::Zoom, 13, 1},
        {CmdZoom8, &Settings::Zoom, 13, 8}, {CmdZoom16, &Settings::Zoom, 13, 16}, {CmdZoom32, &Settings::Zoom, 13, 32},
        {CmdZoomIn, &Settings::Zoom, 31, 32}, {CmdZoomOut, &Settings::Zoom, 2, 1}, {CmdZoomIn, &Settings::Zoom, 32, 32},
        {CmdZoomOut, &Settings::Zoom, 1, 1}, {CmdSampleSize1, &Settings::SampleSize, 5, 1},
        {CmdSampleSize1 + 2, &Settings::SampleSize, 1, 5}, {CmdSampleSize15, &Settings::SampleSize, 3, 15},
        {CmdSampleSize15, &Settings::SampleSize, 15, 15}};
    for (const auto& c : cases) {
        Settings s = {}, expected = {};
        s.*c.field = c.from, expected.*c.field = c.to;
        EXPECT_EQ(c.from == c.to ? ViewCommandUnchanged : ViewCommandChanged, ApplyViewCommand(&s, c.command));
        EXPECT_EQ(0, memcmp(&expected, &s, sizeof(s))) << c.command << " from " << c.from;
    }
}

TEST(TextHelpers, NeverSplitADoubleByteCharacter) {
    // "表示" in code page 932 is 95 5C 8E A6: the 5C is a trail byte. A lone
    // lead byte at the very end goes. Limit 0: a window title cut after a
    // lead byte loses it (Wine's GetWindowTextA never cuts a character, so
    // only this test reaches DropTrailingLeadByte).
    const struct { const char* text; size_t limit; const char* cut; } cuts[] = {
        {"ab\x95\x5C\x8E\xA6", 3, "ab"}, {"ab\x95\x5C\x8E\xA6", 5, "ab\x95\x5C"}, {"ab\x95", 10, "ab"},
        {"abc\x95\x5C" "d\x95", 0, "abc\x95\x5C" "d"}, {"\x95\x5C", 0, "\x95\x5C"}};
    char out[16];
    for (const auto& c : cuts) {
        c.limit ? CopyTextCut(out, c.text, c.limit) : DropTrailingLeadByte(strcpy(out, c.text));
        EXPECT_STREQ(c.cut, out) << c.limit;
    }
    // A folder named 表 ends in the byte 0x5C, which is not a separator.
    const struct { const char *path, *name, *folder; } paths[] = {
        {"C:\\Program Files\\Tool\\tool.exe", "tool.exe", "C:\\Program Files\\Tool"}, {"C:\\tool.exe", "tool.exe", "C:"},
        {"C:\\\x95\x5C\\a.exe", "a.exe", "C:\\\x95\x5C"}, {"C:\\dir\\\x95\x5C.exe", "\x95\x5C.exe", "C:\\dir"}};
    for (const auto& c : paths) {
        char name[256], folder[256];
        SplitModulePath(c.path, name, folder);
        EXPECT_STREQ(c.name, name) << c.path;
        EXPECT_STREQ(c.folder, folder) << c.path;
    }
}

}  // namespace
