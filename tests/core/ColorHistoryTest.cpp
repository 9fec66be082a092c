#include <gtest/gtest.h>

#include <vector>

#include "view/ColorHistory.h"

namespace {

const ColorRef A = MakeColor(1, 2, 3), B = MakeColor(4, 5, 6), C = MakeColor(7, 8, 9);

struct HistoryTest : ::testing::Test {
    Settings s;
    void SetUp() override { SetDefaultSettings(&s); }
    std::vector<ColorRef> Push(std::initializer_list<ColorRef> colours) {
        for (ColorRef c : colours)
            PushHistoryColor(&s, c);
        return std::vector<ColorRef>(s.HistoryColor, s.HistoryColor + s.HistoryCount);
    }
};

TEST_F(HistoryTest, RepeatsStayUnlessHistoryOrderMovesThemToTheFront) {
    EXPECT_EQ((std::vector<ColorRef>{C, A, B, C}), Push({C, B, A, C}));
    SetDefaultSettings(&s);
    s.HistoryOrder = 1;
    EXPECT_EQ((std::vector<ColorRef>{C, A, B}), Push({C, B, A, C}));
    EXPECT_EQ((std::vector<ColorRef>{C, A, B}), Push({C}));
}

TEST_F(HistoryTest, AFullHistoryDropsItsOldestEntry) {
    for (int i = 0; i < 20; i++)
        PushHistoryColor(&s, MakeColor(i, 0, 0));
    PushHistoryColor(&s, A);
    EXPECT_EQ(20, s.HistoryCount);
    EXPECT_EQ(A, s.HistoryColor[0]);
    EXPECT_EQ(MakeColor(1, 0, 0), s.HistoryColor[19]);
    // With HistoryOrder a colour found at the last place moves up whole.
    s.HistoryOrder = 1;
    PushHistoryColor(&s, MakeColor(1, 0, 0));
    EXPECT_EQ(20, s.HistoryCount);
    EXPECT_EQ(MakeColor(1, 0, 0), s.HistoryColor[0]);
    EXPECT_EQ(A, s.HistoryColor[1]);
    EXPECT_EQ(MakeColor(2, 0, 0), s.HistoryColor[19]);
}

TEST_F(HistoryTest, ACountOutsideTheArrayIsBroughtBackInside) {
    s.HistoryCount = 57;  // only possible from a damaged settings record
    PushHistoryColor(&s, A);
    EXPECT_EQ(20, s.HistoryCount);
    s.HistoryCount = -3;
    PushHistoryColor(&s, B);
    EXPECT_EQ(1, s.HistoryCount);
    EXPECT_EQ(B, s.HistoryColor[0]);
}

}  // namespace
