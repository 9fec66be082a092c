#include <gtest/gtest.h>

#include <stdlib.h>
#include <string.h>

#include "app/TextUtil.h"
#include "view/PointInfo.h"

namespace {

TEST(PointInfoReset, FillsThePlaceholdersAndTheGivenTime) {
    PointInfo info;
    memset(&info, 0x77, sizeof(info));
    SysTime now = {2026, 12, 0, 6, 15, 5, 9, 0};
    ResetPointInfoFields(&info, &now);
    EXPECT_TRUE(info.Color == 0xFFFFFF && info.Red == 255 && info.Green == 255 &&
                info.Blue == 255 && info.MouseX == 0 && info.Hwnd == 0 && info.WindowId == 0 &&
                info.Rect.Right == 0 && info.Pid == 0 && info.Style == 0 && info.ExStyle == 0);
    EXPECT_STREQ("(classname)", info.ClassName);
    EXPECT_STREQ("(text)", info.Text);
    EXPECT_STREQ("(exename)", info.ExeName);
    EXPECT_STREQ("(exefolderpath)", info.ExePath);
    EXPECT_EQ(0, memcmp(&now, &info.Time, sizeof(now)));
}

TEST(WebSafe, RoundsToMultiplesOf51WithTwentyFiveUp) {
    const int cases[][2] = {{0, 0}, {24, 0}, {25, 51}, {51, 51}, {127, 153}, {228, 204}, {229, 255}};
    for (const auto& c : cases)
        EXPECT_EQ(c[1], WebSafeRound(c[0])) << c[0];
    for (int v = 0; v < 256; v++)
        EXPECT_TRUE(WebSafeRound(v) % 51 == 0 && abs(WebSafeRound(v) - v) <= 26) << v;
}

TEST(TextCut, NeverSplitsADoubleByteCharacter) {
    // "表示" in code page 932 is 95 5C 8E A6: the 5C is a trail byte.
    const char text[] = "ab\x95\x5C\x8E\xA6";
    const struct {
        size_t limit;
        const char* expect;
    } cases[] = {{3, "ab"}, {4, "ab\x95\x5C"}, {5, "ab\x95\x5C"}, {10, text}};
    char out[16];
    for (const auto& c : cases) {
        CopyTextCut(out, text, c.limit);
        EXPECT_STREQ(c.expect, out) << c.limit;
    }
    CopyTextCut(out, "ab\x95", 10);  // a lone lead byte at the very end goes
    EXPECT_STREQ("ab", out);
    char s[] = "abc\x95\x5C" "d\x95";
    DropTrailingLeadByte(s);
    EXPECT_STREQ("abc\x95\x5C" "d", s);
    char t[] = "\x95\x5C";
    DropTrailingLeadByte(t);
    EXPECT_STREQ("\x95\x5C", t);
}

TEST(ModulePath, SplitsNameAndFolderOverDoubleByteNames) {
    const struct {
        const char *path, *name, *folder;
    } cases[] = {
        {"C:\\Program Files\\Tool\\tool.exe", "tool.exe", "C:\\Program Files\\Tool"},
        {"C:\\tool.exe", "tool.exe", "C:"},
        // A folder named 表 ends in the byte 0x5C, which is not a separator.
        {"C:\\\x95\x5C\\a.exe", "a.exe", "C:\\\x95\x5C"},
        {"C:\\dir\\\x95\x5C.exe", "\x95\x5C.exe", "C:\\dir"},
    };
    for (const auto& c : cases) {
        char name[256], folder[256];
        SplitModulePath(c.path, name, folder);
        EXPECT_STREQ(c.name, name) << c.path;
        EXPECT_STREQ(c.folder, folder) << c.path;
    }
}

}  // namespace
