// Reading and writing system.ini, the post-load rules and the values derived
// from the settings.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/OsVersion.h"
#include "settings/SettingsText.h"
#include "tests/support/FullSettingsFile.h"

namespace {

// Settings and keys read from a file image over the defaults.
struct Loaded {
    Settings s;
    CopyKeyList keys = nullptr;
    // size: how many bytes of text the reader is given, all by default.
    explicit Loaded(const std::string& text = "", size_t size = std::string::npos) {
        SetDefaultSettings(&s);
        ParseSettingsText(text.data(), std::min(size, text.size()), &s, &keys);
    }
    ~Loaded() { ClearCopyKeys(&keys); }
    std::string Write() {
        std::string out;
        auto append = [](void* to, const char* bytes, size_t n) { return ((std::string*)to)->append(bytes, n), 1; };
        EXPECT_EQ(1, WriteSettingsText(&s, &keys, append, &out));
        return out;
    }
};

std::string System(const std::string& lines) { return "[System]\r\n" + lines + "\r\n"; }

// Every key reads back and is written as the same bytes; a format's
// escaping keeps every byte on its line.
TEST(SettingsWriter, RoundTripAndFormatEscaping) {
    Loaded full(kFullSettingsFile);
    EXPECT_EQ(kFullSettingsFile, full.Write());
    // The values really arrived in their fields, not only passed through.
    EXPECT_EQ(MakeColor(0, 0, 255), full.s.HistoryColor[2]);
    EXPECT_STREQ("表示 [HEX02R]:[DECG], \\1 ソ", full.s.DispInfoUserFormat);
    // The full file shows the ordinary escapes. A lone CR or LF is a line
    // break as well; half a character at the end or before a line break goes,
    // as it would swallow the comma or the line end when read back.
    const char* cases[][2] = {{"a\rb\nc", "a\\nb\\nc"}, {"ab\x95", "ab"}, {"a\x95\r\nb", "a\\nb"}};
    char out[EscapedFormatSize];
    for (const auto& c : cases) {
        EscapeCopyKeyFormat(c[0], out);
        EXPECT_STREQ(c[1], out) << c[0];
    }
    // The user line's format is written raw: a line break typed into it
    // must not turn its rest into a settings line of its own.
    Loaded a;
    strcpy(a.s.DispInfoUserFormat, "abc\r\nZoom=9");
    std::string text = a.Write();
    EXPECT_NE(std::string::npos, text.find("\r\nDispInfoUserFormat=abc\r\nDispInfoColor="));
    EXPECT_EQ(2, Loaded(text).s.Zoom);
}

// Each value as the writer writes it back.
TEST(SettingsReader, ValuesAreClampedSaturatedAndCut) {
    // Blanks, a sign, then digits up to the first other byte; values beyond
    // int saturate instead of wrapping. Too long a period falls back to one
    // second, not to the maximum. A line ends after 1023 bytes, tabs
    // counted although dropped. The user line keeps 255 bytes, never half a
    // character. Slots a list does not reach keep what they had; an empty
    // item is black, an empty last one no item at all.
    const std::string t1022(1022, '\t'), u254(254, 'u');
    const std::string cases[][2] = {
        {"Zoom=0", "Zoom=1"}, {"Zoom=99", "Zoom=32"}, {"Zoom=99999999999", "Zoom=32"}, {"Height=10", "Height=32"},
        {"TimerInterval=4000", "TimerInterval=1000"}, {"TimerInterval=3000", "TimerInterval=3000"},
        {"TimerInterval=-99999999999", "TimerInterval=10"}, {"HistorySizeX=0", "HistorySizeX=1"},
        {"HistorySizeY=80", "HistorySizeY=50"}, {"Left= -17x", "Left=-17"}, {"Left=+5", "Left=5"}, {"Left=x5", "Left=0"},
        {"Left=2147483648", "Left=2147483647"}, {"Left=-99999999999999999999", "Left=-2147483648"},
        {t1022 + "\tZoom=5", "Zoom=5"}, {t1022 + "Zoom=5", "Zoom=2"}, {"X=" + std::string(1021, 'x') + "Zoom=9", "Zoom=9"},
        {"DispInfoUserFormat=" + u254 + "表x", "DispInfoUserFormat=" + u254},
        {"DispInfoUserFormat=a=b,c\\n", "DispInfoUserFormat=a=b,c\\n"},
        {"CustomColor=#FF0000,#00ff00", "CustomColor=#FF0000,#00FF00,#222222,#333333,#444444,#555555,#666666,#777777,"
                                        "#888888,#999999,#AAAAAA,#BBBBBB,#CCCCCC,#DDDDDD,#EEEEEE,#FFFFFF"},
        {"HistoryColor=#010101,,#030303,", "HistoryColor=#010101,#000000,#030303"}, {"", "HistoryColor="},
        {"BackColor=#123", "BackColor=#000123"}, {"BackColor=red", "BackColor=#0000ED"},  // only hex digits count
        // The sampled square's side is one of 1, 3 ... 15: any other number
        // is the nearest of them below, what is below 1 (no number too) 1.
        {"SampleSize=10", "SampleSize=9"}, {"SampleSize=99999999999", "SampleSize=15"}, {"SampleSize=-3", "SampleSize=1"}};
    for (const auto& c : cases)
        EXPECT_NE(std::string::npos, Loaded(System(c[0])).Write().find("\n" + c[1] + "\r")) << c[0];
    // Only flags of exactly 1 count as panel lines: 6 by default.
    EXPECT_EQ(5, Loaded(System("DispInfoUser=1\r\nDispInfoArea=2\r\nDispInfoTitle=-1")).s.InfoLineCount);
    // More keys than hotkey identifiers: the rest are ignored.
    std::string keys = "[CopyKey]\r\n";
    for (int i = 0; i < SettingsMaxCopyKeys + 5; i++)
        keys += "Key=2\r\n";
    EXPECT_EQ(0xBFFF - CopyKeyHotkeyBase + 1, Loaded(keys).s.CopyKeyCount);
}

TEST(SettingsReader, SectionsKeysAndLineEnds) {
    Loaded a("Left=5\r\n"                  // before any section: ignored
             "[SYSTEM]\r\nTOP=4\r\n"        // names in any case
             "[ system ]\r\nWidth=7\r\n"    // with blanks no header: System stays open
             "Height = 99\r\n"              // the key is "Height ": nothing
             "; WindowTop=0\r\n"            // a comment
             "Window\tAlpha=5\r\n"          // tabs are dropped
             "[copykey]\r\nkeys=1\r\nOpacity=9\r\nKEY=1\r\n");  // Key lines only
    EXPECT_EQ(0u, a.Write().find("[System]\r\nLeft=100\r\nTop=4\r\nWidth=7\r\nHeight=260\r\n"
                                 "WindowTop=1\r\nWindowAlpha=5\r\nOpacity=80\r\n"));
    EXPECT_EQ(1, a.s.CopyKeyCount);
    // LF alone, CR LF, a lone CR and a zero byte each end a line; after a CR
    // only an LF is skipped; nothing past the given size is read.
    std::string text = std::string("[System]\nLeft=1\r\rTop=2\r\nWidth=40\rHeight=50\n\nWindowTop=0") +
                       '\0' + "WindowAlpha=1\r\nOpacity=3\nEndDispoption=12";
    std::string written = Loaded(text, text.size() - 1).Write();
    EXPECT_EQ(0u, written.find("[System]\r\nLeft=1\r\nTop=2\r\nWidth=40\r\nHeight=50\r\nWindowTop=0\r\n"
                               "WindowAlpha=1\r\nOpacity=3\r\nEndDispoption=1\r\n"));
}

TEST(CopyKeyValue, FieldsEscapesAndDoubleByteSafeCuts) {
    const std::string a253(253, 'a'), a254(254, 'a'), rest = "|32|0|0|0|0";
    // "Kind|Format|Width|Height|Invert|Gradient|ShortcutKey|Hotkey".
    const std::string cases[][2] = {
        {"1", "1||32" + rest},  // the missing fields keep their defaults
        {"0,RGB(\\,[DECR]\\,),10,20,1,4,579,600,99", "0|RGB(,[DECR],)|10|20|1|4|579|600"},
        {"1,,", "1||0" + rest},  // the end completes a field, an empty one too
        {"0,a\\nb\\tc\\\\d\\,e\\x\\", "0|a\r\nb\tc\\d,e\\x\\|32" + rest},
        {"0,a\\\\,7", "0|a\\|7" + rest},  // an escaped backslash does not escape the comma
        // 表 and ソ end in 0x5C: no escape, no separator.
        {"0,表,ソn\\,表\\表,9", "0|表|0|9|0|0|0|0"},  // "ソn\,表\表" is no number
        {"0,ソ\\,x,9", "0|ソ,x|9" + rest}, {"0,\\表n,9", "0|\\表n|9" + rest},
        // The format keeps 255 bytes: whole characters, whole CR LF pairs.
        {"0," + a254 + "表,3", "0|" + a254 + "|3" + rest}, {"0," + a254 + "\\n,3", "0|" + a254 + "|3" + rest},
        {"0," + a253 + "\\n,3", "0|" + a253 + "\r\n|3" + rest},
    };
    for (const auto& c : cases) {
        CopyKey k;
        memset(&k, 0x6B, sizeof(k));
        ParseCopyKeyValue(c[0].c_str(), &k);
        char out[400];
        snprintf(out, sizeof(out), "%d|%s|%d|%d|%d|%d|%d|%d", k.Kind, k.Format, k.Width, k.Height,
                 k.Invert, k.Gradient, k.ShortcutKey, k.Hotkey);
        EXPECT_EQ(c[1], out) << c[0];
    }
}

TEST(SettingsPath, BesideTheExecutable) {
    char out[19];
    // 表 ends in 0x5C: the folder is 表示, not one cut after 表's lead byte.
    EXPECT_EQ(1, SettingsPathForExe("D:\\表示\\ソフト.exe", out, sizeof(out)));
    EXPECT_STREQ("D:\\表示\\system.ini", out);
    EXPECT_EQ(0, SettingsPathForExe("D:\\表示\\ソフト.exe", out, 18));
}

TEST(SettingsDerived, PanelColoursFollowTheBackColour) {
    // Light and dark are 64 steps away; green weighs most for the text.
    const struct { const char* back; ColorRef light, dark, text; } cases[] = {
        // The default 238 grey; black; mid grey, whose Y is exactly 128.0.
        {"", 0xFFFFFF, 0xAEAEAE, 0}, {"#000000", 0x404040, 0, 0xFFFFFF}, {"#808080", 0xC0C0C0, 0x404040, 0},
        {"#7F7F7F", 0xBFBFBF, 0x3F3F3F, 0xFFFFFF}, {"#FF0000", MakeColor(255, 64, 64), MakeColor(191, 0, 0), 0xFFFFFF},
        {"#0AD23C", MakeColor(74, 255, 124), MakeColor(0, 146, 0), 0},
        {"#0AC83C", MakeColor(74, 255, 124), MakeColor(0, 136, 0), 0xFFFFFF},
    };
    for (const auto& c : cases) {
        Loaded a(c.back[0] ? System(std::string("BackColor=") + c.back) : "");
        EXPECT_EQ((std::vector<ColorRef>{c.light, c.dark, c.text}),
                  (std::vector<ColorRef>{a.s.HighlightColor, a.s.ShadowColor, a.s.ContrastTextColor})) << c.back;
    }
}

TEST(OsVersion, ClassifiesEveryPlatformAndVersion) {
    const int cases[][4] = {
        {OsPlatformWin32s, 3, 10, 1}, {OsPlatformWindows, 4, 0, 2}, {OsPlatformWindows, 4, 10, 3},
        {OsPlatformWindows, 4, 90, 4}, {OsPlatformWindows, 4, 3, 0}, {OsPlatformNt, 3, 51, 1}, {OsPlatformNt, 4, 0, 1},
        {OsPlatformNt, 5, 0, 5}, {OsPlatformNt, 5, 1, 6}, {OsPlatformNt, 5, 2, 0}, {OsPlatformNt, 6, 0, 7},
        {OsPlatformNt, 6, 3, 8}, {OsPlatformNt, 10, 0, 8}, {OsPlatformNt, 2, 0, 0}, {3, 10, 0, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(c[3], ClassifyOsVersion(c[0], c[1], c[2])) << c[0] << " " << c[1] << "." << c[2];
}

}  // namespace
