#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "copykey/CopyKeyList.h"

namespace {

// The list's formats joined, e.g. "A,B,C".
std::string Order(CopyKeyList* list) {
    std::string s;
    CopyKey k;
    for (int i = 0; GetCopyKey(list, i, &k); i++)
        s += (i ? "," : "") + std::string(k.Format);
    return s;
}

struct CopyKeyListTest : ::testing::Test {
    CopyKeyList list = nullptr;
    void Fill(const char* names) {
        ClearCopyKeys(&list);
        for (const char* p = names; *p; p++)
            ASSERT_EQ(1, Insert(-1, *p));
    }
    int Insert(int index, char name) {
        CopyKey k;
        InitCopyKey(&k);
        k.Format[0] = name;
        k.Next = &k;  // a stray link in the input must not enter the list
        return InsertCopyKey(&list, index, &k);
    }
    void TearDown() override { ClearCopyKeys(&list); }
};

TEST_F(CopyKeyListTest, InsertAtHeadMiddleAndPastTheEnd) {
    Fill("AB");
    Insert(0, 'N');
    Insert(2, 'M');
    Insert(5, 'X');
    Insert(-1, 'Y');
    EXPECT_EQ("N,A,M,B,X,Y", Order(&list));
    EXPECT_EQ(6, CountCopyKeys(&list));
    CopyKey out;
    ASSERT_EQ(1, GetCopyKey(&list, 0, &out));
    EXPECT_EQ(nullptr, out.Next);
    EXPECT_EQ(32, out.Width);  // InitCopyKey's defaults travel with the copy
}

TEST_F(CopyKeyListTest, GetOutOfRangeGivesAnEmptyOneByOneKey) {
    Fill("AB");
    for (int index : {-1, 2, 100}) {
        CopyKey out;
        memset(&out, 0x55, sizeof(out));
        EXPECT_EQ(0, GetCopyKey(&list, index, &out)) << index;
        EXPECT_TRUE(out.Kind == CopyKindText && out.Format[0] == 0 && out.Width == 1 &&
                    out.Height == 1 && out.Hotkey == 0 && out.Next == nullptr)
            << index;
    }
}

TEST_F(CopyKeyListTest, SetFieldsChangesOnlyTheMaskedFields) {
    Fill("AB");
    CopyKey in = {CopyKindImage, "new", 7, 8, 1, 3, 0x243, 0x244, 0x8010, nullptr};
    ASSERT_EQ(1, SetCopyKeyFields(&list, 1, CopyFieldHotkeyId, &in));
    ASSERT_EQ(1, SetCopyKeyFields(&list, 0, 0xFF, &in));
    EXPECT_EQ(0, SetCopyKeyFields(&list, 2, 0xFF, &in));
    EXPECT_EQ(0, SetCopyKeyFields(&list, -1, 0xFF, &in));
    CopyKey a, b;
    GetCopyKey(&list, 0, &a);
    GetCopyKey(&list, 1, &b);
    EXPECT_TRUE(a.Kind == CopyKindImage && a.Width == 7 && a.Height == 8 && a.Invert == 1 &&
                a.Gradient == 3 && a.ShortcutKey == 0x243 && a.Hotkey == 0x244);
    EXPECT_EQ(0, a.HotkeyId);  // 0xFF leaves the identifier alone
    EXPECT_EQ(0x8010, b.HotkeyId);
    EXPECT_TRUE(b.Kind == CopyKindText && b.Width == 32 && b.Hotkey == 0);
    EXPECT_EQ("new,B", Order(&list));
}

TEST_F(CopyKeyListTest, MoveCountsPositionsInTheOrderBeforeTheMove) {
    struct Case {
        int from, to;
        const char* expect;
        int result;
    } cases[] = {
        {0, 2, "B,A,C", 1},  {2, 0, "C,A,B", 1},  {1, 3, "A,C,B", 1},  {0, 3, "B,C,A", 1},
        {1, 0, "B,A,C", 1},  {0, -1, "B,C,A", 1}, {0, 1, "A,B,C", 0},  {2, 3, "A,B,C", 0},
        {1, 1, "A,B,C", 0},  {2, 5, "A,B,C", 0},  {2, -1, "A,B,C", 0}, {3, 0, "A,B,C", 0},
        {-1, 0, "A,B,C", 0},
    };
    for (const Case& c : cases) {
        Fill("ABC");
        EXPECT_EQ(c.result, MoveCopyKey(&list, c.from, c.to)) << c.from << "->" << c.to;
        EXPECT_EQ(c.expect, Order(&list)) << c.from << "->" << c.to;
    }
    ClearCopyKeys(&list);
    EXPECT_EQ(0, MoveCopyKey(&list, 0, 2));
}

TEST_F(CopyKeyListTest, RemoveAndClear) {
    Fill("ABC");
    EXPECT_EQ(0, RemoveCopyKeyAt(&list, 3));
    EXPECT_EQ(0, RemoveCopyKeyAt(&list, -1));
    EXPECT_EQ(1, RemoveCopyKeyAt(&list, 1));
    EXPECT_EQ(1, RemoveCopyKeyAt(&list, 0));
    EXPECT_EQ("C", Order(&list));
    EXPECT_EQ(1, RemoveCopyKeyAt(&list, 0));
    EXPECT_EQ(nullptr, list);
    EXPECT_EQ(0, RemoveCopyKeyAt(&list, 0));
    Fill("ABCDE");
    EXPECT_EQ(1, ClearCopyKeys(&list));
    EXPECT_EQ(0, CountCopyKeys(&list));
}

TEST_F(CopyKeyListTest, InsertKeepsAtMost255BytesOfAnUnterminatedFormat) {
    CopyKey k;
    InitCopyKey(&k);
    memset(k.Format, 'x', sizeof(k.Format));
    ASSERT_EQ(1, InsertCopyKey(&list, 0, &k));
    EXPECT_EQ(255u, Order(&list).size());
}

}  // namespace
