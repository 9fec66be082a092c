#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "template/Template.h"

namespace {

// Orange under a notepad window: red 255, green 128, blue 0.
PointInfo SampleRecord() {
    PointInfo info;
    memset(&info, 0, sizeof(info));
    info.MouseX = 640;
    info.MouseY = -12;
    info.Red = 255;
    info.Green = 128;
    info.Blue = 0;
    info.Color = MakeColor(255, 128, 0);
    info.Hwnd = 0x00010A2C;
    info.WindowId = 0;
    info.ParentHwnd = 0x0000BEEF;
    info.HInst = 0x00400000;
    strcpy(info.ClassName, "Notepad");
    strcpy(info.Text, "無題 - メモ帳");
    info.Rect = {10, 20, 110, 320};
    info.Pid = 4242;
    info.Tid = 77;
    info.Style = 0x14CF0000;
    info.ExStyle = 0;
    strcpy(info.ExeName, "notepad.exe");
    strcpy(info.ExePath, "C:\\Windows");
    info.Time = {2026, 12, 0, 6, 15, 5, 9, 0};
    return info;
}

std::string Expand(const std::string& tmpl, const PointInfo& info, int capacity = 4096,
                   int* result = nullptr) {
    std::vector<char> out(capacity + 8, 'Z');
    int r = ExpandTemplate(out.data(), tmpl.c_str(), capacity, &info);
    if (result)
        *result = r;
    // Nothing past the capacity is touched.
    for (int i = capacity; i < capacity + 8; i++)
        EXPECT_EQ('Z', out[i]) << tmpl;
    return out.data();
}

struct TokenCase {
    const char* name;
    const char* value;
};

// Every token of the vocabulary with its text for SampleRecord().
const TokenCase kAllTokens[] = {
    {"hex02r", "ff"},  {"hex02g", "80"},   {"hex02b", "00"},   {"hexr", "ff"},
    {"hexg", "80"},    {"hexb", "0"},      {"hex1r", "F0"},    {"hex1g", "80"},
    {"hex1b", "00"},   {"HEX02R", "FF"},   {"HEX02G", "80"},   {"HEX02B", "00"},
    {"HEXR", "FF"},    {"HEXG", "80"},     {"HEXB", "0"},      {"HEX1R", "F"},
    {"HEX1G", "8"},    {"HEX1B", "0"},     {"DECR", "255"},    {"DECG", "128"},
    {"DECB", "0"},     {"DEC3R", "255"},   {"DEC3G", "128"},   {"DEC3B", "  0"},
    {"%DECR", "100"},  {"%DECG", "50"},    {"%DECB", "0"},     {"%DEC3R", "100"},
    {"%DEC3G", " 50"}, {"%DEC3B", "  0"},  {"COLORREF", "33023"},
    {"HSVH", "30"},    {"HSVS", "255"},    {"HSVV", "255"},    {"HSV3H", " 30"},
    {"HSV3S", "255"},  {"HSV3V", "255"},   {"%HSVH", "8"},     {"%HSVS", "100"},
    {"%HSVV", "100"},  {"%HSV3H", "  8"},  {"%HSV3S", "100"},  {"%HSV3V", "100"},
    {"HLSH", "30"},    {"HLSL", "127"},    {"HLSS", "255"},    {"HLS3H", " 30"},
    {"HLS3L", "127"},  {"HLS3S", "255"},   {"%HLSH", "8"},     {"%HLSL", "49"},
    {"%HLSS", "100"},  {"%HLS3H", "  8"},  {"%HLS3L", " 49"},  {"%HLS3S", "100"},
    {"YMCY", "0"},     {"YMCM", "127"},    {"YMCC", "255"},    {"YMC3Y", "  0"},
    {"YMC3M", "127"},  {"YMC3C", "255"},   {"%YMCY", "0"},     {"%YMCM", "49"},
    {"%YMCC", "100"},  {"%YMC3Y", "  0"},  {"%YMC3M", " 49"},  {"%YMC3C", "100"},
    {"MOUSEX", "640"}, {"MOUSEY", "-12"},  {"HWND", "00010A2C"},
    {"WINDOWID", "-"}, {"PARENTHWND", "0000BEEF"},             {"HINST", "00400000"},
    {"CLASSNAME", "Notepad"},              {"TEXT", "無題 - メモ帳"},
    {"LEFT", "10"},    {"TOP", "20"},      {"RIGHT", "110"},   {"BOTTOM", "320"},
    {"WIDTH", "100"},  {"HEIGHT", "300"},  {"PID", "4242"},    {"TID", "77"},
    {"STYLE", "14cf0000"},                 {"EXSTYLE", "00000000"},
    {"EXENAME", "notepad.exe"},            {"EXEPATH", "C:\\Windows"},
};

TEST(ExpandTemplate, EveryTokenOfTheVocabulary) {
    PointInfo info = SampleRecord();
    std::set<std::string> names;
    for (const TokenCase& t : kAllTokens) {
        names.insert(t.name);
        int r = -1;
        EXPECT_EQ(std::string("<") + t.value + ">", Expand(std::string("<[") + t.name + "]>", info, 4096, &r)) << t.name;
        EXPECT_EQ(1, r) << t.name;
    }
    EXPECT_EQ(87u, names.size());
    // Names are case-sensitive: the same name with its first letter in the
    // other case is no token unless the vocabulary has it.
    for (const TokenCase& t : kAllTokens) {
        std::string other = t.name;
        size_t k = other.find_first_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
        other[k] ^= 0x20;
        if (names.count(other) == 0)
            EXPECT_EQ("<>", Expand("<[" + other + "]>", info)) << other;
    }
}

TEST(ExpandTemplate, ColourFamiliesDiffer) {
    PointInfo info = SampleRecord();
    EXPECT_EQ("#FF8000", Expand("#[HEX02R][HEX02G][HEX02B]", info));
    EXPECT_EQ("ff8000", Expand("[hex02r][hex02g][hex02b]", info));
    info.Red = 0xAB;
    info.Green = 0x05;
    info.Blue = 0x0C;
    EXPECT_EQ("A0 A", Expand("[hex1r] [HEX1R]", info));
    EXPECT_EQ("00 0 05 5", Expand("[hex1g] [HEX1G] [hex02g] [hexg]", info));
    EXPECT_EQ("c C 0C", Expand("[hexb] [HEXB] [HEX02B]", info));
    // Handles print "-" for 0, styles print eight zeros.
    info.Hwnd = 0;
    info.Style = 0;
    info.WindowId = 0x3E9;
    EXPECT_EQ("- 00000000 000003E9", Expand("[HWND] [STYLE] [WINDOWID]", info));
}

TEST(ExpandTemplate, DefaultUserLine) {
    PointInfo info = SampleRecord();
    EXPECT_EQ("HSV( 30,255,255) HLS( 30,127,255)",
              Expand("HSV([HSV3H],[HSV3S],[HSV3V]) HLS([HLS3H],[HLS3L],[HLS3S])", info));
    info.Red = 200;
    info.Green = 100;
    info.Blue = 50;
    EXPECT_EQ("5 74 78 49 60", Expand("[%HSVH] [%HSVS] [%HSVV] [%HLSL] [%HLSS]", info));
}

TEST(ExpandTemplate, UnknownAndUnclosedNames) {
    PointInfo info = SampleRecord();
    int r = -1;
    EXPECT_EQ("", Expand("", info, 4096, &r));
    EXPECT_EQ(1, r);
    EXPECT_EQ("x", Expand("[Hex02r]x", info));
    EXPECT_EQ("a", Expand("a[DECR", info, 4096, &r));
    EXPECT_EQ(1, r);
    EXPECT_EQ("a]b", Expand("a]b", info));
    EXPECT_EQ("", Expand("[[DECR]", info));
    EXPECT_EQ("", Expand("[decr]", info));
    EXPECT_EQ("()", Expand("([])", info));
    EXPECT_EQ("[DECR]", Expand("\\[DECR]", info));
    EXPECT_EQ("[DECR]", Expand("\\[DECR\\]", info));
    EXPECT_EQ("[255]", Expand("\\[[DECR]\\]", info));
}

TEST(ExpandTemplate, OverlongNameIsDroppedAndScanningGoesOn) {
    PointInfo info = SampleRecord();
    // 254 bytes and a ]: a closed name that matches nothing.
    EXPECT_EQ("ab", Expand("a[" + std::string(254, 'q') + "]b", info));
    // 255 bytes are the most a name holds: the collection gives up, and the
    // ] after them is copied like any other byte.
    EXPECT_EQ("a]b", Expand("a[" + std::string(255, 'q') + "]b", info));
    EXPECT_EQ("aq]b", Expand("a[" + std::string(256, 'q') + "]b", info));
    EXPECT_EQ("a255", Expand("a[" + std::string(255, 'q') + "[DECR]", info));
    EXPECT_EQ("a", Expand("a[" + std::string(255, 'q'), info));
}

TEST(ExpandTemplate, BackslashEscapes) {
    PointInfo info = SampleRecord();
    EXPECT_EQ("2026/12/06 15:05:09 Sunday", Expand("\\3 \\W", info));
    EXPECT_EQ("a\r\nb\tc\\d", Expand("a\\nb\\tc\\\\d", info));
    EXPECT_EQ("x]", Expand("\\x\\]", info));
    int r = -1;
    EXPECT_EQ("end\\", Expand("end\\", info, 4096, &r));
    EXPECT_EQ(1, r);
    EXPECT_EQ("\\", Expand("\\\\", info));
}

TEST(ExpandTemplate, DoubleByteCharactersStayWhole) {
    PointInfo info = SampleRecord();
    // 表 and ソ end in 0x5C, ゼ in 0x5B: none starts an escape or a token.
    EXPECT_EQ("表n", Expand("表n", info));
    EXPECT_EQ("ソ3", Expand("ソ3", info));
    EXPECT_EQ("ゼDECR]", Expand("ゼDECR]", info));
    EXPECT_EQ("表示 255", Expand("表示 [DECR]", info));
    // A backslash before a double-byte character gives the character whole.
    EXPECT_EQ("表n", Expand("\\表n", info));
    // In a token name ゾ's trail byte 0x5D closes the name (no double-byte
    // test there); the name matches nothing and the rest is copied.
    EXPECT_EQ("XT]", Expand("[TEゾXT]", info));
    // A lead byte at the very end is copied alone, after a backslash too.
    EXPECT_EQ(std::string("a\x95"), Expand("a\x95", info));
    EXPECT_EQ(std::string("a\x95"), Expand("a\\\x95", info));
}

TEST(ExpandTemplate, OutputLimit) {
    PointInfo info = SampleRecord();
    int r = -1;
    EXPECT_EQ("abcdef...", Expand("abcdefghij", info, 10, &r));
    EXPECT_EQ(0, r);
    EXPECT_EQ("abcdef", Expand("abcdef", info, 10, &r));
    EXPECT_EQ(1, r);
    EXPECT_EQ("abcdef...", Expand("abcdefg", info, 10, &r));
    EXPECT_EQ(0, r);
    // A piece goes in whole or not at all.
    EXPECT_EQ("abcd...", Expand("abcd[DECR]", info, 10, &r));
    EXPECT_EQ(0, r);
    EXPECT_EQ("abc255", Expand("abc[DECR]", info, 10, &r));
    EXPECT_EQ(1, r);
    EXPECT_EQ("abcde...", Expand("abcde表", info, 10, &r));
    EXPECT_EQ(0, r);
    // The smallest capacity holds just the marker.
    EXPECT_EQ("...", Expand("a", info, 4, &r));
    EXPECT_EQ(0, r);
    EXPECT_EQ("", Expand("", info, 4, &r));
    EXPECT_EQ(1, r);
}

TEST(ExpandTemplate, LongWindowTextIsLeftOutWhole) {
    PointInfo info = SampleRecord();
    memset(info.Text, 'w', 250);
    info.Text[250] = 0;
    int r = -1;
    EXPECT_EQ("title: ...", Expand("title: [TEXT] end", info, 200, &r));
    EXPECT_EQ(0, r);
    std::string full = Expand("[TEXT]", info, 4095, &r);
    EXPECT_EQ(250u, full.size());
    EXPECT_EQ(1, r);
    // A text field whose terminator is missing gives at most 255 bytes.
    memset(info.ClassName, 'c', sizeof(info.ClassName));
    EXPECT_EQ(std::string(255, 'c'), Expand("[CLASSNAME]", info));
}

TEST(ExpandTemplate, RefusedCalls) {
    PointInfo info = SampleRecord();
    char out[8] = "junk";
    EXPECT_EQ(0, ExpandTemplate(out, "abc", 3, &info));
    EXPECT_STREQ("", out);
    strcpy(out, "junk");
    EXPECT_EQ(0, ExpandTemplate(out, "abc", 8, nullptr));
    EXPECT_STREQ("", out);
    strcpy(out, "junk");
    EXPECT_EQ(0, ExpandTemplate(out, nullptr, 8, &info));
    EXPECT_STREQ("", out);
    strcpy(out, "junk");
    EXPECT_EQ(0, ExpandTemplate(out, "abc", 0, &info));
    EXPECT_STREQ("junk", out);  // no room even for the terminator
    EXPECT_EQ(0, ExpandTemplate(nullptr, "abc", 8, &info));
}

TEST(ExpandTemplate, WindowGeometryAndWrappingArithmetic) {
    PointInfo info = SampleRecord();
    info.ParentHwnd = 0;
    EXPECT_EQ("- 100x300", Expand("[PARENTHWND] [WIDTH]x[HEIGHT]", info));
    // A damaged record never overflows: differences wrap as 32-bit values.
    info.Rect = {INT32_MIN, 0, INT32_MAX, 5};
    info.Red = INT32_MIN;
    EXPECT_EQ("-1 -2147483393", Expand("[WIDTH] [YMCY]", info));
    info.Pid = 0xFFFFFFFFu;
    EXPECT_EQ("-1", Expand("[PID]", info));
}

}  // namespace
