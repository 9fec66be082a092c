#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "app/BuiltinCopyKeys.h"
#include "copykey/CopyKeyList.h"

namespace {

CopyKey Named(const char* name) {
    CopyKey k;
    InitCopyKey(&k);
    strcpy(k.Format, name);
    return k;
}

// The list's formats joined, e.g. "A,B,C".
std::string Order(CopyKeyList* list) {
    std::string s;
    CopyKey k;
    for (int i = 0; GetCopyKey(list, i, &k); i++) {
        if (i)
            s += ",";
        s += k.Format;
    }
    return s;
}

struct ListFixture : ::testing::Test {
    CopyKeyList list = nullptr;
    void Fill(const char* names) {
        for (const char* p = names; *p; p++) {
            char n[2] = {*p, 0};
            CopyKey k = Named(n);
            ASSERT_EQ(1, InsertCopyKey(&list, -1, &k));
        }
    }
    void TearDown() override { ClearCopyKeys(&list); }
};

TEST(CopyKeyRecord, InitGivesTextKeyOf32By32WithNoKeys) {
    CopyKey k;
    memset(&k, 0x55, sizeof(k));
    InitCopyKey(&k);
    EXPECT_EQ(CopyKindText, k.Kind);
    EXPECT_STREQ("", k.Format);
    EXPECT_EQ(32, k.Width);
    EXPECT_EQ(32, k.Height);
    EXPECT_EQ(0, k.Invert);
    EXPECT_EQ(0, k.Gradient);
    EXPECT_EQ(0, k.ShortcutKey);
    EXPECT_EQ(0, k.Hotkey);
    EXPECT_EQ(0, k.HotkeyId);
    EXPECT_EQ(nullptr, k.Next);
}

TEST_F(ListFixture, InsertAtHeadMiddleAndPastTheEnd) {
    Fill("AB");
    CopyKey n = Named("N");
    ASSERT_EQ(1, InsertCopyKey(&list, 0, &n));
    EXPECT_EQ("N,A,B", Order(&list));
    CopyKey m = Named("M");
    ASSERT_EQ(1, InsertCopyKey(&list, 2, &m));
    EXPECT_EQ("N,A,M,B", Order(&list));
    CopyKey x = Named("X");
    ASSERT_EQ(1, InsertCopyKey(&list, 5, &x));
    CopyKey y = Named("Y");
    ASSERT_EQ(1, InsertCopyKey(&list, -1, &y));
    EXPECT_EQ("N,A,M,B,X,Y", Order(&list));
    EXPECT_EQ(6, CountCopyKeys(&list));
}

TEST_F(ListFixture, InsertCopiesTheRecordAndGetClearsTheLink) {
    CopyKey a = Named("A");
    a.Next = &a;  // a stray link in the input must not enter the list
    ASSERT_EQ(1, InsertCopyKey(&list, 0, &a));
    strcpy(a.Format, "changed");
    CopyKey out;
    ASSERT_EQ(1, GetCopyKey(&list, 0, &out));
    EXPECT_STREQ("A", out.Format);
    EXPECT_EQ(nullptr, out.Next);
    EXPECT_EQ(1, CountCopyKeys(&list));
}

TEST_F(ListFixture, GetOutOfRangeGivesTheMissRecord) {
    Fill("AB");
    for (int index : {-1, 2, 100}) {
        CopyKey out = Named("junk");
        out.Kind = CopyKindImage;
        out.Hotkey = 7;
        EXPECT_EQ(0, GetCopyKey(&list, index, &out)) << index;
        EXPECT_EQ(CopyKindText, out.Kind);
        EXPECT_STREQ("", out.Format);
        EXPECT_EQ(1, out.Width);
        EXPECT_EQ(1, out.Height);
        EXPECT_EQ(0, out.Hotkey);
    }
}

TEST_F(ListFixture, SetFieldsChangesOnlyTheMaskedFields) {
    Fill("AB");
    CopyKey in = Named("new");
    in.Kind = CopyKindImage;
    in.Width = 7;
    in.Height = 8;
    in.Invert = 1;
    in.Gradient = 3;
    in.ShortcutKey = 0x243;
    in.Hotkey = 0x244;
    in.HotkeyId = 0x8010;

    ASSERT_EQ(1, SetCopyKeyFields(&list, 1, CopyFieldHotkeyId, &in));
    CopyKey out;
    GetCopyKey(&list, 1, &out);
    EXPECT_EQ(0x8010, out.HotkeyId);
    EXPECT_STREQ("B", out.Format);
    EXPECT_EQ(CopyKindText, out.Kind);
    EXPECT_EQ(32, out.Width);

    in.HotkeyId = 0x9000;
    ASSERT_EQ(1, SetCopyKeyFields(&list, 0, 0xFF, &in));
    GetCopyKey(&list, 0, &out);
    EXPECT_STREQ("new", out.Format);
    EXPECT_EQ(CopyKindImage, out.Kind);
    EXPECT_EQ(7, out.Width);
    EXPECT_EQ(8, out.Height);
    EXPECT_EQ(1, out.Invert);
    EXPECT_EQ(3, out.Gradient);
    EXPECT_EQ(0x243, out.ShortcutKey);
    EXPECT_EQ(0x244, out.Hotkey);
    EXPECT_EQ(0, out.HotkeyId);  // 0xFF leaves the identifier alone

    EXPECT_EQ(0, SetCopyKeyFields(&list, 2, 0xFF, &in));
    EXPECT_EQ(0, SetCopyKeyFields(&list, -1, 0xFF, &in));
    EXPECT_EQ("new,B", Order(&list));
}

TEST_F(ListFixture, MoveFollowsTheOrderBeforeTheMove) {
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
        ClearCopyKeys(&list);
        Fill("ABC");
        EXPECT_EQ(c.result, MoveCopyKey(&list, c.from, c.to)) << c.from << "->" << c.to;
        EXPECT_EQ(c.expect, Order(&list)) << c.from << "->" << c.to;
    }
}

TEST_F(ListFixture, PageMovesUpAndDownByOne) {
    Fill("ABCD");
    ASSERT_EQ(1, MoveCopyKey(&list, 2, 1));  // up: to = from - 1
    EXPECT_EQ("A,C,B,D", Order(&list));
    ASSERT_EQ(1, MoveCopyKey(&list, 0, 2));  // down: to = from + 2
    EXPECT_EQ("C,A,B,D", Order(&list));
    ASSERT_EQ(1, MoveCopyKey(&list, 2, 4));  // down onto the last place
    EXPECT_EQ("C,A,D,B", Order(&list));
}

TEST_F(ListFixture, MoveOnAnEmptyListIsRefused) {
    EXPECT_EQ(0, MoveCopyKey(&list, 0, 2));
    EXPECT_EQ(0, CountCopyKeys(&list));
}

TEST_F(ListFixture, RemoveUnlinksTheRecordAtIndex) {
    Fill("ABC");
    EXPECT_EQ(0, RemoveCopyKeyAt(&list, 3));
    EXPECT_EQ(0, RemoveCopyKeyAt(&list, -1));
    EXPECT_EQ(1, RemoveCopyKeyAt(&list, 1));
    EXPECT_EQ("A,C", Order(&list));
    EXPECT_EQ(1, RemoveCopyKeyAt(&list, 0));
    EXPECT_EQ("C", Order(&list));
    EXPECT_EQ(1, RemoveCopyKeyAt(&list, 0));
    EXPECT_EQ(nullptr, list);
    EXPECT_EQ(0, RemoveCopyKeyAt(&list, 0));
}

TEST_F(ListFixture, ClearEmptiesTheList) {
    Fill("ABCDE");
    EXPECT_EQ(1, ClearCopyKeys(&list));
    EXPECT_EQ(nullptr, list);
    EXPECT_EQ(0, CountCopyKeys(&list));
    EXPECT_EQ(1, ClearCopyKeys(&list));
}

TEST_F(ListFixture, InsertKeepsAtMost255BytesOfFormat) {
    CopyKey k;
    InitCopyKey(&k);
    memset(k.Format, 'x', sizeof(k.Format));  // no terminator at all
    ASSERT_EQ(1, InsertCopyKey(&list, 0, &k));
    CopyKey out;
    GetCopyKey(&list, 0, &out);
    EXPECT_EQ(255u, strlen(out.Format));
}

TEST_F(ListFixture, BuiltinKeysAreTheTwelveDefaultsInOrder) {
    ASSERT_EQ(12, AddBuiltinCopyKeys(&list));
    ASSERT_EQ(12, CountCopyKeys(&list));
    struct Expect {
        int kind;
        const char* format;
        int w, h, invert, gradient, key;
    } expect[] = {
        {CopyKindText, "#[HEX02R][HEX02G][HEX02B]", 32, 32, 0, 0, 0x243},
        {CopyKindText, "RGB([DECR],[DECG],[DECB])", 32, 32, 0, 0, 0x31},
        {CopyKindText, "HSV([HSVH],[HSVS],[HSVV])", 32, 32, 0, 0, 0x32},
        {CopyKindText, "HLS([HLSH],[HLSL],[HLSS])", 32, 32, 0, 0, 0x33},
        {CopyKindText, "YMC([YMCY],[YMCM],[YMCC])", 32, 32, 0, 0, 0x34},
        {CopyKindSeparator, "", 0, 0, 0, 0, 0},
        {CopyKindImage, "", 0, 0, 0, 0, 0x247},
        {CopyKindImage, "", 256, 256, 0, 1, 0x35},
        {CopyKindImage, "", 256, 256, 0, 3, 0x36},
        {CopyKindImage, "", 32, 32, 1, 0, 0x37},
        {CopyKindSeparator, "", 0, 0, 0, 0, 0},
        {CopyKindText, "[TEXT]", 32, 32, 0, 0, 0x258},
    };
    for (int i = 0; i < 12; i++) {
        CopyKey k;
        ASSERT_EQ(1, GetCopyKey(&list, i, &k));
        EXPECT_EQ(expect[i].kind, k.Kind) << i;
        EXPECT_STREQ(expect[i].format, k.Format) << i;
        EXPECT_EQ(expect[i].w, k.Width) << i;
        EXPECT_EQ(expect[i].h, k.Height) << i;
        EXPECT_EQ(expect[i].invert, k.Invert) << i;
        EXPECT_EQ(expect[i].gradient, k.Gradient) << i;
        EXPECT_EQ(expect[i].key, k.ShortcutKey) << i;
        EXPECT_EQ(expect[i].key, k.Hotkey) << i;
        EXPECT_EQ(0, k.HotkeyId) << i;
    }
}

}  // namespace
