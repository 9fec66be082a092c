#include <gtest/gtest.h>

#include <limits.h>

#include <string>
#include <vector>

#include "app/BuiltinCopyKeys.h"
#include "app/LeadByte.h"
#include "settings/SettingsText.h"
#include "tests/support/DefaultSettingsFile.h"
#include "tests/support/FullSettingsFile.h"

namespace {

int AppendToString(void* context, const char* bytes, size_t length) {
    ((std::string*)context)->append(bytes, length);
    return 1;
}

std::string Write(Settings* s, CopyKeyList* list) {
    std::string out;
    EXPECT_EQ(1, WriteSettingsText(s, list, AppendToString, &out));
    return out;
}

struct Loaded {
    Settings s;
    CopyKeyList keys = nullptr;
    Loaded() { SetDefaultSettings(&s); }
    ~Loaded() { ClearCopyKeys(&keys); }
    void Parse(const std::string& text) { ParseSettingsText(text.data(), text.size(), &s, &keys); }
    CopyKey Key(int i) {
        CopyKey k;
        EXPECT_EQ(1, GetCopyKey(&keys, i, &k)) << i;
        return k;
    }
    int Count() { return CountCopyKeys(&keys); }
};

std::string System(const std::string& lines) {
    return "[System]\r\n" + lines;
}


TEST(SettingsWriter, DefaultsAndBuiltinKeysByteForByte) {
    Settings s;
    SetDefaultSettings(&s);
    CopyKeyList keys = nullptr;
    ASSERT_EQ(12, AddBuiltinCopyKeys(&keys));
    s.CopyKeyCount = -1;
    EXPECT_EQ(kDefaultSettingsFile, Write(&s, &keys));
    EXPECT_EQ(12, s.CopyKeyCount);
    ClearCopyKeys(&keys);
    for (int i = 0; i < SettingsKeyCount; i++)
        EXPECT_NE(nullptr, SettingsKeyName(i));
    EXPECT_STREQ("Left", SettingsKeyName(0));
    EXPECT_STREQ("DoubleClickMin", SettingsKeyName(42));
    EXPECT_EQ(nullptr, SettingsKeyName(43));
}

TEST(SettingsWriter, EmptyListAndHistory) {
    Settings s;
    SetDefaultSettings(&s);
    CopyKeyList keys = nullptr;
    std::string text = Write(&s, &keys);
    EXPECT_NE(std::string::npos, text.find("\r\nHistoryColor=\r\n"));
    EXPECT_EQ("DoubleClickMin=0\r\n\r\n[CopyKey]\r\n\r\n", text.substr(text.size() - 33));
    s.HistoryCount = 2;
    s.HistoryColor[0] = MakeColor(0x12, 0x34, 0x56);
    s.HistoryColor[1] = MakeColor(0xAB, 0xCD, 0xEF);
    EXPECT_NE(std::string::npos, Write(&s, &keys).find("\r\nHistoryColor=#123456,#ABCDEF\r\n"));
}

TEST(SettingsWriter, FormatEscaping) {
    char out[EscapedFormatSize];
    EXPECT_EQ(11u, EscapeCopyKeyFormat("a,b\\c\r\n\t", out));
    EXPECT_STREQ("a\\,b\\\\c\\n\\t", out);
    // Double-byte characters are copied whole, trail byte 0x5C included.
    EscapeCopyKeyFormat("表示,ソ", out);
    EXPECT_STREQ("表示\\,ソ", out);
    // A CR or LF on its own is still a line break, never raw.
    EscapeCopyKeyFormat("a\rb\nc", out);
    EXPECT_STREQ("a\\nb\\nc", out);
    // Half a character at the end or before a control byte is dropped: raw
    // it would swallow the comma or the line end when read back.
    EscapeCopyKeyFormat("ab\x95", out);
    EXPECT_STREQ("ab", out);
    EscapeCopyKeyFormat("a\x95\r\nb", out);
    EXPECT_STREQ("a\\nb", out);
    // The worst case doubles every byte.
    std::string commas(255, ',');
    EXPECT_EQ(510u, EscapeCopyKeyFormat(commas.c_str(), out));
}

TEST(SettingsWriter, KeyLines) {
    Settings s;
    SetDefaultSettings(&s);
    CopyKeyList keys = nullptr;
    CopyKey k;
    InitCopyKey(&k);
    k.Kind = CopyKindSeparator;
    k.Width = 5;
    k.Height = 6;
    k.Invert = 7;
    k.Gradient = 8;
    k.ShortcutKey = 9;
    k.Hotkey = -1;
    InsertCopyKey(&keys, -1, &k);
    k.Kind = CopyKindText;
    strcpy(k.Format, "a,b\\c\r\n\t");
    k.Hotkey = INT_MIN;
    InsertCopyKey(&keys, -1, &k);
    std::string text = Write(&s, &keys);
    EXPECT_NE(std::string::npos,
              text.find("[CopyKey]\r\nKey=2,,5,6,7,8,9,-1\r\n"
                        "Key=0,a\\,b\\\\c\\n\\t,5,6,7,8,9,-2147483648\r\n\r\n"));
    ClearCopyKeys(&keys);
}

// The user line's format is written raw; a line break typed into it must
// not turn its rest into settings lines of their own.
TEST(SettingsWriter, UserFormatNeverSplitsItsLine) {
    Loaded a;
    strcpy(a.s.DispInfoUserFormat, "abc\r\nZoom=9");
    a.s.Zoom = 3;
    std::string text = Write(&a.s, &a.keys);
    EXPECT_NE(std::string::npos, text.find("\r\nDispInfoUserFormat=abc\r\nDispInfoColor="));
    Loaded b;
    b.Parse(text);
    EXPECT_EQ(3, b.s.Zoom);
    EXPECT_STREQ("abc", b.s.DispInfoUserFormat);
}

TEST(SettingsReader, DefaultFileReadsBackToDefaults) {
    Loaded a;
    memset(&a.s, 0x5A, sizeof(a.s));
    SetDefaultSettings(&a.s);
    a.Parse(kDefaultSettingsFile);
    Settings d;
    SetDefaultSettings(&d);
    d.CopyKeyCount = 12;
    EXPECT_EQ(0, memcmp(&d, &a.s, sizeof(d)));
    ASSERT_EQ(12, a.Count());
    CopyKey k = a.Key(1);
    EXPECT_EQ(CopyKindText, k.Kind);
    EXPECT_STREQ("RGB([DECR],[DECG],[DECB])", k.Format);
    EXPECT_EQ(49, k.ShortcutKey);
    EXPECT_EQ(49, k.Hotkey);
    EXPECT_EQ(0x8005, k.HotkeyId);
    k = a.Key(7);
    EXPECT_EQ(CopyKindImage, k.Kind);
    EXPECT_EQ(256, k.Width);
    EXPECT_EQ(256, k.Height);
    EXPECT_EQ(1, k.Gradient);
    EXPECT_EQ(0x8004 + 7, k.HotkeyId);
    EXPECT_EQ(CopyKindSeparator, a.Key(10).Kind);
}

TEST(SettingsReader, PostLoadClamping) {
    struct Case {
        const char* line;
        int Settings::*field;
        int expected;
    } cases[] = {
        {"Zoom=0", &Settings::Zoom, 1},
        {"Zoom=99", &Settings::Zoom, 32},
        {"Zoom=13", &Settings::Zoom, 13},
        {"TimerInterval=5000", &Settings::TimerInterval, 1000},
        {"TimerInterval=3000", &Settings::TimerInterval, 3000},
        {"TimerInterval=3001", &Settings::TimerInterval, 1000},
        {"TimerInterval=5", &Settings::TimerInterval, 10},
        {"Height=10", &Settings::Height, 32},
        {"Width=20", &Settings::Width, 20},
        {"HistorySizeX=0", &Settings::HistorySizeX, 1},
        {"HistorySizeY=0", &Settings::HistorySizeY, 0},
        {"HistorySizeY=80", &Settings::HistorySizeY, 50},
        {"Opacity=250", &Settings::Opacity, 250},
        {"DispGrid=2", &Settings::DispGrid, 2},
    };
    for (const Case& c : cases) {
        Loaded a;
        a.Parse(System(std::string(c.line) + "\r\n"));
        EXPECT_EQ(c.expected, a.s.*c.field) << c.line;
    }
}

TEST(SettingsReader, DerivedValuesAfterLoading) {
    Loaded a;
    a.Parse(System("BackColor=#000000\r\nDispInfoUser=1\r\nDispInfoColor=0\r\nDispInfoMouse=2\r\n"));
    EXPECT_EQ(MakeColor(64, 64, 64), a.s.HighlightColor);
    EXPECT_EQ(MakeColor(0, 0, 0), a.s.ShadowColor);
    EXPECT_EQ(MakeColor(255, 255, 255), a.s.ContrastTextColor);
    EXPECT_EQ(5, a.s.InfoLineCount);  // User on, Color off, Mouse 2 counts as off
    Loaded b;
    b.Parse(System("BackColor=#808080\r\n"));
    EXPECT_EQ(MakeColor(0, 0, 0), b.s.ContrastTextColor);  // Y = 128.0
    EXPECT_EQ(MakeColor(192, 192, 192), b.s.HighlightColor);
}

TEST(SettingsReader, SectionsAndKeys) {
    Loaded a;
    a.Parse("Zoom=5\r\n"                   // before any section: ignored
            "[SYSTEM]\r\nZOOM=4\r\n"        // capitals are fine
            "[ system ]\r\nTop=7\r\n"       // no header: still System
            "[Other]\r\nLeft=8\r\n"         // unknown header: still System
            "Width = 99\r\n"                // the key is "width ": nothing
            "; Height=99\r\n"               // comment
            "Frame\tWidth=5\r\n"            // tabs are dropped
            "FixMouseX=1=2\r\n"             // the value holds further "="
            "DispInfoUserFormat\r\n"        // no "=": empty value
            "Zoom=6\r\nZoom=7\r\n");        // the last one counts
    EXPECT_EQ(7, a.s.Zoom);
    EXPECT_EQ(7, a.s.Top);
    EXPECT_EQ(8, a.s.Left);
    EXPECT_EQ(300, a.s.Width);
    EXPECT_EQ(260, a.s.Height);
    EXPECT_EQ(5, a.s.FrameWidth);
    EXPECT_EQ(1, a.s.FixMouseX);
    EXPECT_STREQ("", a.s.DispInfoUserFormat);
    EXPECT_EQ(0, a.Count());
}

TEST(SettingsReader, CopyKeySectionWithoutKeysGivesAnEmptyList) {
    Loaded a;
    a.Parse(System("Zoom=3\r\n") + "[CopyKey]\r\nkeys=1\r\nZoom=9\r\n");
    EXPECT_EQ(0, a.Count());
    EXPECT_EQ(0, a.s.CopyKeyCount);
    EXPECT_EQ(3, a.s.Zoom);
    Loaded b;
    b.Parse("[copykey]\r\nKEY=1\r\n[System]\r\nZoom=4\r\n[CopyKey]\r\nkey=0,x\r\n");
    ASSERT_EQ(2, b.Count());
    EXPECT_EQ(2, b.s.CopyKeyCount);
    EXPECT_EQ(4, b.s.Zoom);
    EXPECT_STREQ("x", b.Key(1).Format);
}

TEST(SettingsReader, DecimalConversion) {
    EXPECT_EQ(42, ParseDecimal("42"));
    EXPECT_EQ(-17, ParseDecimal(" \t-17x"));
    EXPECT_EQ(5, ParseDecimal("+5"));
    EXPECT_EQ(0, ParseDecimal("x5"));
    EXPECT_EQ(0, ParseDecimal(""));
    EXPECT_EQ(0, ParseDecimal("- 5"));
    EXPECT_EQ(INT_MAX, ParseDecimal("2147483647"));
    EXPECT_EQ(INT_MIN, ParseDecimal("-2147483648"));
    // Beyond the int range the value stops at the limit instead of wrapping.
    EXPECT_EQ(INT_MAX, ParseDecimal("2147483648"));
    EXPECT_EQ(INT_MAX, ParseDecimal("99999999999999999999999999"));
    EXPECT_EQ(INT_MIN, ParseDecimal("-99999999999999999999999999"));
    Loaded a;
    a.Parse(System("Zoom=99999999999\r\nTimerInterval=-99999999999\r\n"));
    EXPECT_EQ(32, a.s.Zoom);
    EXPECT_EQ(10, a.s.TimerInterval);
}

ColorRef Color(const char* text) {
    return ParseColorText(text, strlen(text));
}

TEST(SettingsReader, ColourText) {
    EXPECT_EQ(MakeColor(0x12, 0x34, 0x56), Color("#123456"));
    EXPECT_EQ(MakeColor(0xAB, 0xCD, 0xEF), Color("#abcdef"));
    EXPECT_EQ(MakeColor(0x00, 0x01, 0x23), Color("#123"));
    EXPECT_EQ(MakeColor(0, 0, 0xED), Color("red"));
    EXPECT_EQ(MakeColor(0, 0, 0), Color(""));
    EXPECT_EQ(MakeColor(0, 0, 0), Color("xyz"));
    EXPECT_EQ(MakeColor(0, 0, 0x0E), Color("none"));
    // Up to seven digits are taken from the end; only the last six count.
    EXPECT_EQ(MakeColor(0x23, 0x45, 0x67), Color("#1234567"));
    EXPECT_EQ(MakeColor(0x34, 0x56, 0x78), Color("12345678"));
    EXPECT_EQ(MakeColor(0x12, 0x34, 0x56), Color("1 2-3 4:5 6"));
    Loaded a;
    a.Parse(System("BackColor=#102030\r\n"));
    EXPECT_EQ(MakeColor(0x10, 0x20, 0x30), a.s.BackColor);
}

TEST(SettingsReader, ColourLists) {
    Loaded a;
    a.Parse(System("CustomColor=#FF0000,#00ff00\r\n"));
    EXPECT_EQ(MakeColor(255, 0, 0), a.s.CustomColor[0]);
    EXPECT_EQ(MakeColor(0, 255, 0), a.s.CustomColor[1]);
    for (int i = 2; i < CustomColorCount; i++)
        EXPECT_EQ(MakeColor(17 * i, 17 * i, 17 * i), a.s.CustomColor[i]) << i;

    ColorRef slots[20];
    EXPECT_EQ(3, ParseColorList("#010101,,#030303", slots, 20));
    EXPECT_EQ(MakeColor(0, 0, 0), slots[1]);  // an empty item between commas is black
    EXPECT_EQ(1, ParseColorList("#010101,", slots, 20));
    EXPECT_EQ(1, ParseColorList("#010101,\t", slots, 20));
    EXPECT_EQ(0, ParseColorList("", slots, 20));
    EXPECT_EQ(2, ParseColorList("#01\t0101,#02", slots, 20));
    EXPECT_EQ(MakeColor(1, 1, 1), slots[0]);
    EXPECT_EQ(2, ParseColorList("#111111,#222222,#333333", slots, 2));

    Loaded h;
    std::string many;
    for (int i = 0; i < 25; i++)
        many += (i ? "," : "") + std::string("#0000") + (char)('A' + i % 6) + "0";
    h.Parse(System("HistoryColor=" + many + "\r\n"));
    EXPECT_EQ(20, h.s.HistoryCount);
    EXPECT_EQ(MakeColor(0, 0, 0xA0), h.s.HistoryColor[0]);
    EXPECT_EQ(MakeColor(0, 0, 0xB0), h.s.HistoryColor[19]);
    h.Parse(System("HistoryColor=\r\n"));
    EXPECT_EQ(0, h.s.HistoryCount);
}

CopyKey ParseKey(const std::string& value) {
    CopyKey k;
    memset(&k, 0x6B, sizeof(k));
    ParseCopyKeyValue(value.c_str(), &k);
    return k;
}

TEST(CopyKeyValue, FieldsByPosition) {
    CopyKey k = ParseKey("1");
    EXPECT_EQ(CopyKindImage, k.Kind);
    EXPECT_STREQ("", k.Format);
    EXPECT_EQ(32, k.Width);
    EXPECT_EQ(32, k.Height);
    EXPECT_EQ(0, k.Invert);
    EXPECT_EQ(0, k.Gradient);
    EXPECT_EQ(0, k.ShortcutKey);
    EXPECT_EQ(0, k.Hotkey);
    k = ParseKey("0,RGB(\\,[DECR]\\,),10,20,1,4,579,600,99,98");
    EXPECT_EQ(CopyKindText, k.Kind);
    EXPECT_STREQ("RGB(,[DECR],)", k.Format);
    EXPECT_EQ(10, k.Width);
    EXPECT_EQ(20, k.Height);
    EXPECT_EQ(1, k.Invert);
    EXPECT_EQ(4, k.Gradient);
    EXPECT_EQ(579, k.ShortcutKey);
    EXPECT_EQ(600, k.Hotkey);
    // The end of the value completes a field, an empty one too.
    k = ParseKey("1,,");
    EXPECT_EQ(0, k.Width);
    EXPECT_EQ(32, k.Height);
    k = ParseKey("");
    EXPECT_EQ(CopyKindText, k.Kind);
    EXPECT_EQ(32, k.Width);
}

TEST(CopyKeyValue, Unescaping) {
    EXPECT_STREQ("a\r\nb\tc\\d,e", ParseKey("0,a\\nb\\tc\\\\d\\,e").Format);
    // A backslash before anything else stays with it.
    EXPECT_STREQ("\\x\\", ParseKey("0,\\x\\").Format);
    // An escaped backslash before a comma does not escape the comma.
    CopyKey k = ParseKey("0,a\\\\,7");
    EXPECT_STREQ("a\\", k.Format);
    EXPECT_EQ(7, k.Width);
    // Double-byte characters are never escapes or separators: 表 and ソ end
    // in 0x5C.
    k = ParseKey("0,表,ソn\\,表\\表,9");
    EXPECT_STREQ("表", k.Format);
    EXPECT_EQ(0, k.Width);  // "ソn\,表\表" is no number
    k = ParseKey("0,ソ\\,x,9");
    EXPECT_STREQ("ソ,x", k.Format);
    EXPECT_EQ(9, k.Width);
    k = ParseKey("0,\\表n,9");
    EXPECT_STREQ("\\表n", k.Format);
    EXPECT_EQ(9, k.Width);
}

TEST(CopyKeyValue, FormatIsCutAt255WithoutSplittingCharacters) {
    std::string v = "0," + std::string(254, 'a') + "表,3";
    CopyKey k = ParseKey(v);
    EXPECT_EQ(std::string(254, 'a'), k.Format);
    EXPECT_EQ(3, k.Width);
    // A line break is CR LF: both bytes or neither.
    k = ParseKey("0," + std::string(254, 'a') + "\\n,3");
    EXPECT_EQ(std::string(254, 'a'), k.Format);
    k = ParseKey("0," + std::string(253, 'a') + "\\n,3");
    EXPECT_EQ(std::string(253, 'a') + "\r\n", k.Format);
    k = ParseKey("0," + std::string(300, 'b') + ",3");
    EXPECT_EQ(std::string(255, 'b'), k.Format);
    // Half a character at the end of the field is dropped.
    k = ParseKey("0,ab\x95");
    EXPECT_STREQ("ab", k.Format);
    // A value far longer than any line is walked safely.
    k = ParseKey("1," + std::string(5000, 'c') + ",4,5");
    EXPECT_EQ(std::string(255, 'c'), k.Format);
    EXPECT_EQ(4, k.Width);
    EXPECT_EQ(5, k.Height);
}

TEST(SettingsReader, UserFormatIsCutAt255WithoutSplittingCharacters) {
    Loaded a;
    a.Parse(System("DispInfoUserFormat=" + std::string(254, 'u') + "表x\r\n"));
    EXPECT_EQ(std::string(254, 'u'), a.s.DispInfoUserFormat);
    a.Parse(System("DispInfoUserFormat=a=b,c\\n[HEX02R]\r\n"));
    EXPECT_STREQ("a=b,c\\n[HEX02R]", a.s.DispInfoUserFormat);
    a.Parse(System("DispInfoUserFormat=" + std::string(300, 'v') + "\r\n"));
    EXPECT_EQ(std::string(255, 'v'), a.s.DispInfoUserFormat);
}

TEST(SettingsReader, LineEnds) {
    // LF alone ends a line as well as CR LF; a lone CR too.
    Loaded a;
    a.Parse("[System]\nZoom=5\nTop=6\r\nLeft=7\rWidth=40\r\n\r\nHeight=50");
    EXPECT_EQ(5, a.s.Zoom);
    EXPECT_EQ(6, a.s.Top);
    EXPECT_EQ(7, a.s.Left);
    EXPECT_EQ(40, a.s.Width);
    EXPECT_EQ(50, a.s.Height);
    // After a CR only an LF is skipped: the byte after a lone CR starts the
    // next line.
    Loaded b;
    b.Parse("[System]\rZoom=5\r\rTop=6\n\nLeft=7");
    EXPECT_EQ(5, b.s.Zoom);
    EXPECT_EQ(6, b.s.Top);
    EXPECT_EQ(7, b.s.Left);
    // A zero byte ends a line too; the size, not the zero, ends the file.
    Loaded c;
    std::string z = std::string("[System]\r\nZoom=5") + '\0' + "Top=6\r\n";
    c.Parse(z);
    EXPECT_EQ(5, c.s.Zoom);
    EXPECT_EQ(6, c.s.Top);
    // Bytes past the given size are not read.
    Loaded d;
    std::string text = "[System]\r\nZoom=5\r\nTop=6\r\n";
    ParseSettingsText(text.data(), text.size() - 7, &d.s, &d.keys);
    EXPECT_EQ(5, d.s.Zoom);
    EXPECT_EQ(100, d.s.Top);
}

TEST(SettingsReader, LongLinesAreSplitAt1023Bytes) {
    // Tabs count toward the limit although they are dropped.
    Loaded a;
    a.Parse(System(std::string(1023, '\t') + "Zoom=5\r\n"));
    EXPECT_EQ(5, a.s.Zoom);
    Loaded b;
    b.Parse(System(std::string(1022, '\t') + "Zoom=5\r\n"));
    EXPECT_EQ(2, b.s.Zoom);
    Loaded c;
    c.Parse(System("X=" + std::string(1021, 'x') + "Zoom=9\r\n"));
    EXPECT_EQ(9, c.s.Zoom);
}

TEST(SettingsReader, HotkeyIdentifiersFollowTheListAndTheListIsBounded) {
    Loaded a;
    std::string text = "[CopyKey]\r\n";
    for (int i = 0; i < SettingsMaxCopyKeys + 5; i++)
        text += "Key=2\r\n";
    a.Parse(text);
    EXPECT_EQ(SettingsMaxCopyKeys, a.Count());
    EXPECT_EQ(SettingsMaxCopyKeys, a.s.CopyKeyCount);
    EXPECT_EQ(0x8004, a.Key(0).HotkeyId);
    EXPECT_EQ(0xBFFF, a.Key(SettingsMaxCopyKeys - 1).HotkeyId);
}

TEST(SettingsRoundTrip, EveryKeyReadsBackAndWritesTheSameBytes) {
    Loaded a;
    a.Parse(kFullSettingsFile);
    EXPECT_EQ(kFullSettingsFile, Write(&a.s, &a.keys));
    // Spot checks that the values really arrived, not only passed through.
    EXPECT_EQ(150, a.s.Left);
    EXPECT_EQ(0, a.s.WindowTop);
    EXPECT_EQ(MakeColor(0xFF, 0x00, 0x11), a.s.CustomColor[15]);
    EXPECT_EQ(MakeColor(0x33, 0x66, 0x99), a.s.BackColor);
    EXPECT_EQ(3, a.s.HistoryCount);
    EXPECT_EQ(MakeColor(0, 0, 255), a.s.HistoryColor[2]);
    EXPECT_STREQ("表示 [HEX02R]:[DECG], \\1 ソ", a.s.DispInfoUserFormat);
    EXPECT_EQ(1, a.s.InfoLineCount);
    EXPECT_EQ(1, a.s.DoubleClickMin);
    ASSERT_EQ(5, a.Count());
    CopyKey k = a.Key(1);
    EXPECT_STREQ("RGB([DECR],[DECG],[DECB])\r\n\t表示\\ソ", k.Format);
    EXPECT_EQ(1656, k.Hotkey);
    EXPECT_EQ(0x8005, k.HotkeyId);
    k = a.Key(3);
    EXPECT_EQ(CopyKindImage, k.Kind);
    EXPECT_EQ(64, k.Width);
    EXPECT_EQ(48, k.Height);
    EXPECT_EQ(1, k.Invert);
    EXPECT_EQ(2, k.Gradient);
    EXPECT_STREQ("日付 \\5 [TEXT]", a.Key(4).Format);
}

TEST(SettingsPath, BesideTheExecutable) {
    char out[300];
    ASSERT_EQ(1, SettingsPathForExe("C:\\Tools\\mirabo.exe", out, sizeof(out)));
    EXPECT_STREQ("C:\\Tools\\system.ini", out);
    ASSERT_EQ(1, SettingsPathForExe("C:mirabo.exe", out, sizeof(out)));
    EXPECT_STREQ("C:system.ini", out);
    ASSERT_EQ(1, SettingsPathForExe("mirabo.exe", out, sizeof(out)));
    EXPECT_STREQ("system.ini", out);
    // 表 ends in 0x5C: the folder is 表示, not a folder cut after 表's lead byte.
    ASSERT_EQ(1, SettingsPathForExe("D:\\表示\\ソフト.exe", out, sizeof(out)));
    EXPECT_STREQ("D:\\表示\\system.ini", out);
    EXPECT_EQ(0, SettingsPathForExe("C:\\Tools\\mirabo.exe", out, 19));
    EXPECT_EQ(1, SettingsPathForExe("C:\\Tools\\mirabo.exe", out, 20));
}

}  // namespace
