#include <gtest/gtest.h>

#include <vector>

#include "view/ColorHistory.h"

namespace {

const ColorRef A = MakeColor(1, 2, 3);
const ColorRef B = MakeColor(4, 5, 6);
const ColorRef C = MakeColor(7, 8, 9);

std::vector<ColorRef> History(const Settings& s) {
    return std::vector<ColorRef>(s.HistoryColor, s.HistoryColor + s.HistoryCount);
}

struct HistoryFixture : ::testing::Test {
    Settings s;
    void SetUp() override { SetDefaultSettings(&s); }
    void Push(std::initializer_list<ColorRef> colours) {
        for (ColorRef c : colours)
            PushHistoryColor(&s, c);
    }
};

TEST_F(HistoryFixture, NewestComesFirstAndRepeatsStayWithoutHistoryOrder) {
    Push({C, B, A});
    EXPECT_EQ((std::vector<ColorRef>{A, B, C}), History(s));
    Push({C});
    EXPECT_EQ((std::vector<ColorRef>{C, A, B, C}), History(s));
    EXPECT_EQ(4, s.HistoryCount);
}

TEST_F(HistoryFixture, HistoryOrderMovesAPresentColourToTheFront) {
    s.HistoryOrder = 1;
    Push({C, B, A});
    Push({C});
    EXPECT_EQ((std::vector<ColorRef>{C, A, B}), History(s));
    Push({C});  // already at the front
    EXPECT_EQ((std::vector<ColorRef>{C, A, B}), History(s));
    Push({MakeColor(9, 9, 9)});
    EXPECT_EQ(4, s.HistoryCount);
}

TEST_F(HistoryFixture, AFullHistoryDropsItsOldestEntry) {
    for (int i = 0; i < 20; i++)
        PushHistoryColor(&s, MakeColor(i, 0, 0));
    ASSERT_EQ(20, s.HistoryCount);
    EXPECT_EQ(MakeColor(19, 0, 0), s.HistoryColor[0]);
    EXPECT_EQ(MakeColor(0, 0, 0), s.HistoryColor[19]);
    PushHistoryColor(&s, A);
    EXPECT_EQ(20, s.HistoryCount);
    EXPECT_EQ(A, s.HistoryColor[0]);
    EXPECT_EQ(MakeColor(19, 0, 0), s.HistoryColor[1]);
    EXPECT_EQ(MakeColor(1, 0, 0), s.HistoryColor[19]);

    // With HistoryOrder a colour found at the last place moves up whole.
    s.HistoryOrder = 1;
    PushHistoryColor(&s, MakeColor(1, 0, 0));
    EXPECT_EQ(20, s.HistoryCount);
    EXPECT_EQ(MakeColor(1, 0, 0), s.HistoryColor[0]);
    EXPECT_EQ(A, s.HistoryColor[1]);
    EXPECT_EQ(MakeColor(2, 0, 0), s.HistoryColor[19]);
}

TEST_F(HistoryFixture, ACountOutsideTheArrayIsBroughtBackInside) {
    s.HistoryCount = 57;  // only possible from a damaged settings record
    PushHistoryColor(&s, A);
    EXPECT_EQ(20, s.HistoryCount);
    EXPECT_EQ(A, s.HistoryColor[0]);
    s.HistoryCount = -3;
    PushHistoryColor(&s, B);
    EXPECT_EQ(1, s.HistoryCount);
    EXPECT_EQ(B, s.HistoryColor[0]);
}

}  // namespace
