#include <gtest/gtest.h>

#include <vector>

#include "app/MainWndRules.h"

namespace {

TEST(FramelessHitTest, EdgesCornersAndGripOfTheDefaultWindow) {
    const int w = 300, h = 260;
    struct Case {
        int x, y, hit;
    } cases[] = {
        {150, 130, HitClient}, {0, 0, HitTopLeft},       {7, 7, HitTopLeft},
        {8, 7, HitClient},     {8, 3, HitTop},           {291, 3, HitTop},
        {292, 0, HitTopRight}, {299, 7, HitTopRight},    {299, 8, HitRight},
        {296, 100, HitRight},  {295, 100, HitClient},    {0, 100, HitLeft},
        {3, 100, HitLeft},     {4, 100, HitClient},      {0, 252, HitBottomLeft},
        {7, 259, HitBottomLeft}, {8, 259, HitBottom},    {100, 256, HitBottom},
        {100, 255, HitClient}, {283, 259, HitBottom},    {284, 244, HitBottomRight},
        {299, 259, HitBottomRight}, {284, 243, HitClient}, {283, 250, HitClient},
        {299, 243, HitRight},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.hit, FramelessHitTest(c.x, c.y, w, h)) << c.x << "," << c.y;
    // Outside the window the checks fail and the point counts as client.
    EXPECT_EQ(HitClient, FramelessHitTest(-1, 100, w, h));
    EXPECT_EQ(HitClient, FramelessHitTest(300, 100, w, h));
}

TEST(FramelessHitTest, SmallestWindowIsAllEdges) {
    // 32 x 24: the grip takes the lower right 16 x 16.
    EXPECT_EQ(HitBottomRight, FramelessHitTest(16, 8, 32, 24));
    EXPECT_EQ(HitTopLeft, FramelessHitTest(4, 4, 32, 24));
    EXPECT_EQ(HitTop, FramelessHitTest(12, 2, 32, 24));
    EXPECT_EQ(HitClient, FramelessHitTest(12, 6, 32, 24));
    EXPECT_EQ(HitBottomLeft, FramelessHitTest(2, 20, 32, 24));
}

// Runs ticks and returns the tick numbers (1-based) with the given action.
std::vector<int> Ticks(int interval, int mouseMoveRedraw, int count, int action) {
    std::vector<int> out;
    int elapsed = 0;
    for (int i = 1; i <= count; i++) {
        if (ViewTimerTick(&elapsed, interval, mouseMoveRedraw) == action)
            out.push_back(i);
    }
    return out;
}

TEST(ViewTimerTick, PeriodicRedrawRoundsUpToTheTick) {
    EXPECT_EQ((std::vector<int>{10, 20, 30}), Ticks(100, 0, 30, TickRedraw));
    EXPECT_TRUE(Ticks(100, 0, 30, TickCheckPointer).empty());
    // 15 ms: the redraw comes on every second tick, every 20 ms.
    EXPECT_EQ((std::vector<int>{2, 4, 6}), Ticks(15, 0, 6, TickRedraw));
    EXPECT_EQ((std::vector<int>{1, 2, 3, 4}), Ticks(10, 1, 4, TickRedraw));
    EXPECT_EQ((std::vector<int>{100}), Ticks(1000, 1, 100, TickRedraw));
}

TEST(ViewTimerTick, PointerChecksBetweenPeriodicRedraws) {
    std::vector<int> checks = Ticks(100, 1, 20, TickCheckPointer);
    std::vector<int> want = {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16, 17, 18, 19};
    EXPECT_EQ(want, checks);
    // A flag of 2 (hand-edited) is not 1: no movement checks.
    EXPECT_TRUE(Ticks(100, 2, 20, TickCheckPointer).empty());
}

TEST(WheelZoom, OneStepPerMessageWithinOneToThirtyTwo) {
    EXPECT_EQ(9, WheelZoom(8, 120));
    EXPECT_EQ(9, WheelZoom(8, 1200));  // the distance does not matter
    EXPECT_EQ(7, WheelZoom(8, -120));
    EXPECT_EQ(7, WheelZoom(8, 0));
    EXPECT_EQ(0, WheelZoom(32, 120));
    EXPECT_EQ(31, WheelZoom(32, -120));
    EXPECT_EQ(0, WheelZoom(1, -120));
    EXPECT_EQ(2, WheelZoom(1, 120));
    int zoom = 1;
    int steps = 0;
    while (int next = WheelZoom(zoom, 120)) {
        EXPECT_EQ(zoom + 1, next);
        zoom = next;
        steps++;
    }
    EXPECT_EQ(31, steps);
}

TEST(ArrowKeyMove, OnePixelOrTenWithCtrl) {
    int x = 100, y = 50;
    EXPECT_EQ(1, ArrowKeyMove(0x27, 0, &x, &y));  // right
    EXPECT_EQ(101, x);
    EXPECT_EQ(1, ArrowKeyMove(0x27, 1, &x, &y));
    EXPECT_EQ(111, x);
    EXPECT_EQ(1, ArrowKeyMove(0x25, 1, &x, &y));  // left
    EXPECT_EQ(101, x);
    EXPECT_EQ(1, ArrowKeyMove(0x26, 0, &x, &y));  // up
    EXPECT_EQ(49, y);
    EXPECT_EQ(1, ArrowKeyMove(0x28, 1, &x, &y));  // down
    EXPECT_EQ(59, y);
    EXPECT_EQ(0, ArrowKeyMove(0x41, 1, &x, &y));  // A
    EXPECT_EQ(0, ArrowKeyMove(0x24, 0, &x, &y));  // Home
    EXPECT_EQ(101, x);
    EXPECT_EQ(59, y);
}

TEST(OpacityAlpha, PercentToAlphaTruncatedAndClamped) {
    EXPECT_EQ(204, OpacityAlpha(80));
    EXPECT_EQ(127, OpacityAlpha(50));
    EXPECT_EQ(255, OpacityAlpha(100));
    EXPECT_EQ(255, OpacityAlpha(150));
    EXPECT_EQ(0, OpacityAlpha(-5));
    EXPECT_EQ(2, OpacityAlpha(1));
}

}  // namespace
