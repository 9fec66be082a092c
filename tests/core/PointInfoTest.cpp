#include <gtest/gtest.h>

#include <string.h>

#include "app/TextUtil.h"
#include "view/PointInfo.h"

namespace {

TEST(PointInfoReset, FillsThePlaceholders) {
    PointInfo info;
    memset(&info, 0x77, sizeof(info));
    SysTime now = {2026, 12, 0, 6, 15, 5, 9, 0};
    ResetPointInfoFields(&info, &now);
    EXPECT_EQ(0, info.MouseX);
    EXPECT_EQ(0, info.MouseY);
    EXPECT_EQ(0xFFFFFFu, info.Color);
    EXPECT_EQ(255, info.Red);
    EXPECT_EQ(255, info.Green);
    EXPECT_EQ(255, info.Blue);
    EXPECT_EQ(0u, info.Hwnd);
    EXPECT_EQ(0u, info.WindowId);
    EXPECT_EQ(0u, info.ParentHwnd);
    EXPECT_EQ(0u, info.HInst);
    EXPECT_STREQ("(classname)", info.ClassName);
    EXPECT_STREQ("(text)", info.Text);
    EXPECT_STREQ("(exename)", info.ExeName);
    EXPECT_STREQ("(exefolderpath)", info.ExePath);
    EXPECT_EQ(0, info.Rect.Left);
    EXPECT_EQ(0, info.Rect.Bottom);
    EXPECT_EQ(0u, info.Pid);
    EXPECT_EQ(0u, info.Tid);
    EXPECT_EQ(0u, info.Style);
    EXPECT_EQ(0u, info.ExStyle);
    EXPECT_EQ(2026, info.Time.Year);
    EXPECT_EQ(9, info.Time.Second);
    ResetPointInfoFields(nullptr, &now);  // a null record is ignored
}

TEST(WebSafe, RoundsToMultiplesOf51WithTwentyFiveUp) {
    EXPECT_EQ(0, WebSafeRound(0));
    EXPECT_EQ(0, WebSafeRound(24));
    EXPECT_EQ(51, WebSafeRound(25));
    EXPECT_EQ(51, WebSafeRound(51));
    EXPECT_EQ(153, WebSafeRound(127));
    EXPECT_EQ(204, WebSafeRound(228));
    EXPECT_EQ(255, WebSafeRound(229));
    EXPECT_EQ(255, WebSafeRound(255));
    for (int v = 0; v < 256; v++) {
        int r = WebSafeRound(v);
        EXPECT_EQ(0, r % 51) << v;
        EXPECT_LE(abs(r - v), 26) << v;
    }
}

TEST(TextCut, NeverSplitsADoubleByteCharacter) {
    char out[16];
    // "表示" in code page 932 is 95 5C 8E A6: the 5C is a trail byte.
    const char text[] = "ab\x95\x5C\x8E\xA6";
    CopyTextCut(out, text, 3);
    EXPECT_STREQ("ab", out);
    CopyTextCut(out, text, 4);
    EXPECT_STREQ("ab\x95\x5C", out);
    CopyTextCut(out, text, 5);
    EXPECT_STREQ("ab\x95\x5C", out);
    CopyTextCut(out, text, 10);
    EXPECT_STREQ(text, out);
    // A lone lead byte at the very end of the source is dropped.
    CopyTextCut(out, "ab\x95", 10);
    EXPECT_STREQ("ab", out);

    char s[] = "abc\x95\x5C" "d\x95";
    DropTrailingLeadByte(s);
    EXPECT_STREQ("abc\x95\x5C" "d", s);
    char t[] = "\x95\x5C";
    DropTrailingLeadByte(t);
    EXPECT_STREQ("\x95\x5C", t);
}

TEST(ModulePath, SplitsNameAndFolder) {
    char name[256], folder[256];
    SplitModulePath("C:\\Program Files\\Tool\\tool.exe", name, folder);
    EXPECT_STREQ("tool.exe", name);
    EXPECT_STREQ("C:\\Program Files\\Tool", folder);

    SplitModulePath("C:\\tool.exe", name, folder);
    EXPECT_STREQ("tool.exe", name);
    EXPECT_STREQ("C:", folder);

    // A folder named 表 ends in the byte 0x5C, which is not a separator.
    SplitModulePath("C:\\\x95\x5C\\a.exe", name, folder);
    EXPECT_STREQ("a.exe", name);
    EXPECT_STREQ("C:\\\x95\x5C", folder);
    SplitModulePath("C:\\dir\\\x95\x5C.exe", name, folder);
    EXPECT_STREQ("\x95\x5C.exe", name);
    EXPECT_STREQ("C:\\dir", folder);
}

}  // namespace
