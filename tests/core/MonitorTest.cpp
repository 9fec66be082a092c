// The rules of a desktop of several monitors: which monitor holds a point
// or a window, what of a screen area lies on monitors, when the main
// window is out of reach and where it then goes, where a dialog centres,
// the view's source kept on the virtual screen, and the pointer's size on
// monitors of other scales. Every expected value is worked out by hand
// from the layouts below.
#include <gtest/gtest.h>

#include <limits.h>
#include <stdio.h>

#include <string>

#include "tests/support/MadeUpMonitors.h"
#include "view/ViewLayout.h"

namespace {

std::string Text(const Rect32& r) {
    char s[64];
    snprintf(s, sizeof(s), "%d,%d-%d,%d", r.Left, r.Top, r.Right, r.Bottom);
    return s;
}

// The desktop the issue was found on: the primary 1024 x 768 at 0, 0 with
// a task bar of 40 along its bottom, a second monitor 800 x 600 at 150 %
// to its left. Left of the primary's bottom lies an empty corner.
const MonitorLayout kTwo = MadeUpMonitors({{{-800, 0, 0, 600}, {-800, 0, 0, 600}, 144, 0},
                                           {{0, 0, 1024, 768}, {0, 0, 1024, 728}, 96, 1}});

// Three at 100 %, 150 % and 200 %, with gaps and negative origins: the
// primary 1920 x 1080 with its task bar of 60 on the left; 80 pixels right
// of it a 2560 x 1440 one raised by 200; left of it, 40 pixels away and
// lowered by 300, a 1280 x 1024 one with a bar of 50 along its top.
const MonitorLayout kThree = MadeUpMonitors({{{0, 0, 1920, 1080}, {60, 0, 1920, 1080}, 96, 1},
                                             {{2000, -200, 4560, 1240}, {2000, -200, 4560, 1240}, 144, 0},
                                             {{-1320, 300, -40, 1324}, {-1320, 350, -40, 1324}, 192, 0}});
const MonitorLayout kNone = MadeUpMonitors({});

TEST(MonitorLayout, KeepsThePrimaryFirstAndGrowsTheVirtualScreen) {
    const MonitorLayout& m = kTwo;
    EXPECT_EQ(2, m.Count);
    EXPECT_EQ("0,0-1024,768 -800,0-0,600", Text(m.Area[0]) + " " + Text(m.Area[1]));
    EXPECT_EQ("0,0-1024,728 96 144", Text(m.Work[0]) + " " + std::to_string(m.Dpi[0]) + " " + std::to_string(m.Dpi[1]));
    EXPECT_EQ("-800,0-1024,768", Text(m.Virtual));
    EXPECT_EQ("-1320,-200-4560,1324", Text(kThree.Virtual));
    // A work area that does not lie inside its monitor counts as the whole
    // monitor; no scale is the system's; an empty monitor is not taken,
    // nor one beyond the capacity.
    MonitorLayout n;
    ClearMonitorLayout(&n);
    n.SystemDpi = 120;
    EXPECT_EQ(1, AddMonitor(&n, {10, 10, 50, 50}, {0, 0, 40, 40}, 0, 0));
    EXPECT_EQ("10,10-50,50 120", Text(n.Work[0]) + " " + std::to_string(n.Dpi[0]));
    EXPECT_EQ(0, AddMonitor(&n, {60, 0, 60, 100}, {60, 0, 60, 100}, 96, 1));
    for (int i = 1; i < MonitorCapacity; i++)
        EXPECT_EQ(1, AddMonitor(&n, {100 * i, 0, 100 * i + 50, 50}, {}, 96, 0));
    EXPECT_EQ(0, AddMonitor(&n, {0, 100, 50, 150}, {}, 96, 1));
    EXPECT_TRUE(n.Count == MonitorCapacity && n.Area[0].Left == 10 && n.Virtual.Right == 1550);
}

TEST(MonitorLayout, PointsAndRectanglesFindTheirMonitor) {
    const MonitorLayout& m = kThree;
    // Edges: left and top inside, right and bottom outside; gaps and the
    // corners no monitor covers belong to none.
    const int points[][3] = {{0, 0, 0},         {1919, 1079, 0},   {1920, 500, -1}, {1999, 500, -1},
                             {2000, -200, 1},   {4559, 1239, 1},   {4560, 0, -1},   {-41, 300, 2},
                             {-1320, 1323, 2},  {-40, 500, -1},    {-500, 299, -1}, {100, -1, -1},
                             {INT_MIN, INT_MIN, -1}};
    for (const auto& p : points)
        EXPECT_EQ(p[2], PointOnMonitor(&m, p[0], p[1])) << p[0] << "," << p[1];
    // The most overlapped; over none, the nearest (in the middle of the
    // gap, 30 from each, the primary); an empty rectangle by where it lies.
    const struct { Rect32 r; int want; } rects[] = {
        {{1800, 0, 2100, 300}, 0},       {{1850, 0, 2150, 300}, 1},          {{1940, 0, 1960, 10}, 0},
        {{1950, 0, 1970, 10}, 0},        {{1960, 0, 1990, 10}, 1},           {{-3000, 2500, -2700, 2760}, 2},
        {{5000, -5000, 5300, -4700}, 1}, {{-20, 0, -20, 0}, 0},              {{-100, 600, 0, 700}, 2},
        {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, 0}};
    for (const auto& c : rects)
        EXPECT_EQ(c.want, MonitorOfRect(&m, &c.r)) << Text(c.r);
    EXPECT_TRUE(MonitorOfRect(&kNone, &rects[0].r) == -1 && PointOnMonitor(&kNone, 0, 0) == -1);
}

TEST(MonitorLayout, PiecesOfAnAreaAreWhatLiesOnEachMonitor) {
    const MonitorLayout& m = kTwo;
    Rect32 pieces[MonitorCapacity];
    const struct { Rect32 area; std::string want; } cases[] = {
        {{-300, 100, -100, 200}, "-300,100--100,200 "},
        // Across both, down into the empty corner under the left one.
        {{-84, 526, 65, 655}, "0,526-65,655 -84,526-0,600 "},
        {{-800, 600, -700, 700}, ""},
        {{-900, -50, 1100, 800}, "0,0-1024,768 -800,0-0,600 "},
    };
    for (const auto& c : cases) {
        std::string got;
        for (int i = 0, n = MonitorPieces(&m, &c.area, pieces); i < n; i++)
            got += Text(pieces[i]) + " ";
        EXPECT_EQ(c.want, got) << Text(c.area);
    }
}

// A window stays where it was saved while a corner of 32 x 32 (or all of
// a smaller one) shows on one monitor; else it moves as little as it
// takes onto the work area of its monitor, keeping its pixel size (a
// monitor's scale does not change it) unless the work area is smaller.
TEST(MonitorLayout, TheWindowStaysWhereItShowsAndIsBroughtBackWholeOtherwise) {
    const struct { const MonitorLayout* m; int x, y, w, h; const char* want; } cases[] = {
        {&kTwo, -700, 50, 300, 260, "-700,50--400,310"},         // on the second monitor
        {&kTwo, 100, 100, 300, 260, "100,100-400,360"},
        {&kTwo, -150, 100, 300, 260, "-150,100-150,360"},        // across both
        {&kTwo, 992, 736, 300, 260, "992,736-1292,996"},         // 32 x 32 show, under the task bar too
        {&kTwo, 993, 736, 300, 260, "724,468-1024,728"},         // 31 wide: up onto the work area
        {&kTwo, -1000, 400, 300, 260, "-1000,400--700,660"},     // 100 x 200 show: kept
        {&kTwo, -3000, 2500, 300, 260, "-800,340--500,600"},     // nearest: the second monitor
        {&kTwo, 5000, 5000, 2000, 1000, "0,0-1024,728"},         // shrunk to the work area
        {&kTwo, -20, 610, 300, 260, "-20,610-280,870"},          // over the empty corner, 280 x 158 show
        {&kTwo, 1020, 100, 20, 10, "1004,100-1024,110"},         // small: 4 of 20 show
        {&kTwo, 1004, 100, 20, 10, "1004,100-1024,110"},         // small and whole: kept
        {&kThree, 1925, 500, 300, 260, "1925,500-2225,760"},     // 225 x 260 on the 150 % one
        {&kThree, 1930, 1300, 300, 260, "2000,980-2300,1240"},   // below the gap: nearest the 150 % one
        {&kThree, -1400, 50, 300, 260, "-1320,350--1020,610"},   // 10 show: under the 200 % one's bar
        {&kThree, -10, -300, 300, 260, "60,0-360,260"},          // off the primary's top: right of its bar
        {&kThree, INT_MIN, INT_MAX, INT_MAX, INT_MAX, "-1320,350--40,1324"},
    };
    for (const auto& c : cases) {
        Rect32 r = RescueWindowRect(c.m, c.x, c.y, c.w, c.h);
        EXPECT_EQ(c.want, Text(r)) << c.x << "," << c.y << " " << c.w << "x" << c.h;
        int kept = r.Left == c.x && r.Top == c.y;
        EXPECT_EQ(kept, WindowReachable(c.m, c.x, c.y, c.w, c.h)) << c.x << "," << c.y;
    }
    EXPECT_EQ("-3000,2500--2700,2760", Text(RescueWindowRect(&kNone, -3000, 2500, 300, 260)));
    EXPECT_EQ(0, WindowReachable(&kNone, 0, 0, 300, 260));
}

// Centred on the work area of the owner's monitor: the x of a work area
// that starts right of a task bar counts from the bar, not from 0.
TEST(MonitorLayout, DialogsCentreOnTheWorkAreaOfTheOwnersMonitor) {
    const struct { const MonitorLayout* m; Rect32 owner; int w, h; const char* want; } cases[] = {
        {&kTwo, {100, 100, 400, 360}, 400, 300, "312,214-712,514"},
        {&kTwo, {-700, 50, -400, 310}, 400, 300, "-600,150--200,450"},
        {&kTwo, {-100, 100, 200, 360}, 400, 300, "312,214-712,514"},  // more of it on the primary
        {&kThree, {100, 100, 400, 360}, 400, 300, "790,390-1190,690"},
        {&kThree, {-1000, 500, -700, 760}, 401, 301, "-881,686--480,987"},
        {&kThree, {2500, 0, 2800, 260}, 3000, 2000, "2000,-200-5000,1800"},  // larger: from the corner
    };
    for (const auto& c : cases) {
        Rect32 r = {};
        EXPECT_EQ(1, CentreOnWorkArea(c.m, &c.owner, c.w, c.h, &r));
        EXPECT_EQ(c.want, Text(r)) << Text(c.owner);
    }
    Rect32 r = {};
    EXPECT_EQ(0, CentreOnWorkArea(&kNone, &cases[0].owner, 400, 300, &r));
}

// The system gives the pointer's size for its own scale; a monitor of
// another scale shows it scaled, to the nearest pixel.
TEST(MonitorLayout, ThePointerTakesTheScaleOfItsMonitor) {
    const MonitorLayout& m = kThree;
    EXPECT_EQ("96 144 192 96", std::to_string(DpiAt(&m, 5, 5)) + " " + std::to_string(DpiAt(&m, 3000, 0)) + " " +
                                   std::to_string(DpiAt(&m, -100, 400)) + " " + std::to_string(DpiAt(&m, 1950, 0)));
    const int scaled[][4] = {{32, 96, 144, 48}, {32, 96, 192, 64}, {32, 144, 96, 21}, {48, 144, 96, 32},
                             {1, 96, 144, 2},   {-1, 96, 144, -2}, {0, 96, 192, 0},   {32, 96, 96, 32},
                             {32, 0, 144, 32},  {INT_MAX, 96, 192, 1 << 24}};
    for (const auto& s : scaled)
        EXPECT_EQ(s[3], ScaleForDpi(s[0], s[1], s[2])) << s[0] << " " << s[1] << " " << s[2];
}

// The view's source on the desktop of two monitors: pulled back inside the
// virtual screen, never the primary alone, the pointer's pixel still in
// the centre cell; the parts on each monitor read, the rest black.
TEST(MonitorLayout, TheViewsSourceStaysOnTheVirtualScreen) {
    const MonitorLayout& m = kTwo;
    ViewLayoutInput in;
    Settings s;
    SetDefaultSettings(&s);
    FillLayoutSettings(&s, &in);
    in.Monitors = &m;
    in.HaveScreen = 1;
    const struct { int px, py, mirrored; const char* want; } cases[] = {
        // The default view: 149 x 129 cells, the centre cell at 147, 127.
        {-450, 250, 0, "read -524,186 pieces 1 inside 1 dest -1,-1"},
        {-795, 10, 0, "read -800,0 pieces 1 inside 1 dest 137,107"},
        {-10, 590, 0, "read -84,526 pieces 2 inside 0 dest -1,-1"},
        {1020, 760, 0, "read 875,639 pieces 1 inside 1 dest -143,-115"},
        // Mirrored: 151 x 131 cells from one further on, yet inside.
        {-795, 10, 1, "read -800,0 pieces 1 inside 1 dest -143,-113"},
    };
    for (const auto& c : cases) {
        in.PointerX = c.px, in.PointerY = c.py, in.ReversH = in.ReversV = c.mirrored;
        ViewLayout l;
        ComputeViewLayout(&in, &l);
        char got[128];
        snprintf(got, sizeof(got), "read %d,%d pieces %d inside %d dest %d,%d", l.ReadX, l.ReadY, l.PieceCount,
                 l.ReadInside, l.DX, l.DY);
        EXPECT_EQ(c.want, std::string(got)) << c.px << "," << c.py;
    }
    in.Monitors = nullptr;
    ViewLayout l;
    ComputeViewLayout(&in, &l);
    EXPECT_TRUE(l.ImageShown && !l.Copied);
}

}  // namespace
