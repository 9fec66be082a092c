#include <gtest/gtest.h>

#include <string>

#include "app/MainWndRules.h"

namespace {

TEST(FramelessHitTest, EdgesFourPixelsCornersEightGripSixteen) {
    const struct {
        int x, y, hit;
    } cases[] = {
        {150, 130, HitClient}, {7, 7, HitTopLeft},       {8, 3, HitTop},      {8, 4, HitClient},
        {292, 0, HitTopRight}, {299, 8, HitRight},       {295, 9, HitClient}, {3, 100, HitLeft},
        {7, 252, HitBottomLeft}, {283, 256, HitBottom},  {284, 244, HitBottomRight},
        {283, 243, HitClient}, {-1, 100, HitClient},     {300, 100, HitClient},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.hit, FramelessHitTest(c.x, c.y, 300, 260)) << c.x << "," << c.y;
    // The smallest window: the grip takes the lower right 16 x 16.
    EXPECT_EQ(HitBottomRight, FramelessHitTest(16, 8, 32, 24));
}

// One letter per tick: R redraw, c check the pointer, . nothing.
std::string Ticks(int interval, int mouseMoveRedraw, int count) {
    std::string out;
    int elapsed = 0;
    for (int i = 0; i < count; i++) {
        int action = ViewTimerTick(&elapsed, interval, mouseMoveRedraw);
        out += action == TickRedraw ? 'R' : action == TickCheckPointer ? 'c' : '.';
    }
    return out;
}

TEST(ViewTimerTick, RedrawRoundsUpToTheTickAndPointerChecksFillTheRest) {
    EXPECT_EQ(".........R.........R", Ticks(100, 0, 20));
    EXPECT_EQ(".R.R.R", Ticks(15, 0, 6));
    EXPECT_EQ("cccccccccRcc", Ticks(100, 1, 12));
    EXPECT_EQ("...R", Ticks(40, 2, 4));  // only 1 switches the checks on
}

TEST(WheelZoom, OneStepPerMessageWithinOneToThirtyTwo) {
    EXPECT_EQ(9, WheelZoom(8, 1200));  // the distance does not matter
    EXPECT_EQ(7, WheelZoom(8, -120));
    EXPECT_EQ(0, WheelZoom(32, 120));  // 0: no change
    EXPECT_EQ(0, WheelZoom(1, -120));
}

TEST(ArrowKeyMove, OnePixelOrTenWithCtrl) {
    int x = 100, y = 50;
    EXPECT_EQ(1, ArrowKeyMove(0x27, 0, &x, &y));  // right
    EXPECT_EQ(1, ArrowKeyMove(0x28, 1, &x, &y));  // down
    EXPECT_EQ(1, ArrowKeyMove(0x25, 1, &x, &y));  // left
    EXPECT_EQ(1, ArrowKeyMove(0x26, 0, &x, &y));  // up
    EXPECT_EQ(0, ArrowKeyMove(0x24, 1, &x, &y));  // Home
    EXPECT_EQ(91, x);
    EXPECT_EQ(59, y);
}

}  // namespace
