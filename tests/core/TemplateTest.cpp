// Template expansion with its tokens, date escapes and colour models, and
// the token menu offered to the user.
#include <gtest/gtest.h>

#include <limits.h>

#include <set>

#include "template/ColorModel.h"
#include "template/Template.h"
#include "template/TokenMenuTable.h"

#if defined(__SANITIZE_ADDRESS__)
// Every allocation, by malloc, operator new or inside the C library, passes
// these hooks. The Windows builds have none and leave the allocation test
// out (a skipped test ends the 32-bit test run under Wine).
extern "C" int __sanitizer_install_malloc_and_free_hooks(
    void (*mallocHook)(const volatile void*, size_t), void (*freeHook)(const volatile void*));
#endif

namespace {

// Brown under a notepad window, sampled on Sunday 6 December 2026 15:05:09;
// within each colour family every value differs.
const PointInfo kSample = {640, -12, MakeColor(200, 100, 10), 200, 100, 10, 0x10A2C, 0, 0xBEEF,
                          0x400000, "Notepad", "無題 - メモ帳", {10, 20, 110, 320}, 4242, 77,
                          0x14CF0000, 0, "notepad.exe", "C:\\Windows", {2026, 12, 0, 6, 15, 5, 9, 0}};

// The expansion, followed by "(0)" when ExpandTemplate reports a cut.
std::string Expand(const std::string& tmpl, const PointInfo& info, int capacity = 4096) {
    std::vector<char> out(capacity);  // exactly: AddressSanitizer sees any write past it
    int r = ExpandTemplate(out.data(), tmpl.c_str(), capacity, &info);
    return out.data() + (r == 1 ? std::string() : "(" + std::to_string(r) + ")");
}

// The whole vocabulary, family by family. hex1r and HEX1R are different
// forms; handles give "-" for 0, styles zeros.
const char kVocabulary[] =
    "[hex02r] [hex02g] [hex02b]|[hexr] [hexg] [hexb]|[hex1r] [hex1g] [hex1b]|[HEX02R] [HEX02G] [HEX02B]|"
    "[HEXR] [HEXG] [HEXB]|[HEX1R] [HEX1G] [HEX1B]|[DECR] [DECG] [DECB]|[DEC3R] [DEC3G] [DEC3B]|"
    "[%DECR] [%DECG] [%DECB]|[%DEC3R] [%DEC3G] [%DEC3B]|"
    "[HSVH] [HSVS] [HSVV]|[HSV3H] [HSV3S] [HSV3V]|[%HSVH] [%HSVS] [%HSVV]|[%HSV3H] [%HSV3S] [%HSV3V]|"
    "[HLSH] [HLSL] [HLSS]|[HLS3H] [HLS3L] [HLS3S]|[%HLSH] [%HLSL] [%HLSS]|[%HLS3H] [%HLS3L] [%HLS3S]|"
    "[YMCY] [YMCM] [YMCC]|[YMC3Y] [YMC3M] [YMC3C]|[%YMCY] [%YMCM] [%YMCC]|[%YMC3Y] [%YMC3M] [%YMC3C]|"
    "[COLORREF] [MOUSEX] [MOUSEY]|[HWND] [WINDOWID] [PARENTHWND] [HINST]|[CLASSNAME]|[TEXT]|[EXENAME]|"
    "[EXEPATH]|[LEFT] [TOP] [RIGHT] [BOTTOM] [WIDTH] [HEIGHT]|[PID] [TID] [STYLE] [EXSTYLE]";

TEST(ExpandTemplate, EveryTokenOfTheVocabularyAndEveryDateEscape) {
    EXPECT_EQ("c8 64 0a|c8 64 a|C0 60 00|C8 64 0A|C8 64 A|C 6 0|"
              "200 100 10|200 100  10|78 39 3| 78  39   3|28 242 200| 28 242 200|7 94 78|  7  94  78|"
              "28 105 230| 28 105 230|7 41 90|  7  41  90|55 155 245| 55 155 245|21 60 96| 21  60  96|"
              "681160 640 -12|00010A2C - 0000BEEF 00400000|Notepad|無題 - メモ帳|notepad.exe|C:\\Windows|"
              "10 20 110 320 100 300|4242 77 14cf0000 00000000",
              Expand(kVocabulary, kSample));
    const struct { SysTime time; const char* tmpl; const char* expected; } cases[] = {
        {kSample.Time,
         "\\1|\\2|\\3|\\4|\\5|\\6|\\7|\\Y|\\y|\\m|\\M|\\f|\\F|\\d|\\D|\\w|\\W|\\a|\\g|\\G|\\h|\\H|\\i|\\I|\\s|\\S|\\p|\\P",
         "2026/12/06|15:05:09|2026/12/06 15:05:09|2026年12月6日|2026年12月6日（日）|2026年12月6日 午後3時5分9秒|"
         "December 6 2026|2026|26|12|12|Dec|December|6|06|Sun|Sunday|日|3|03|15|15|5|05|9|09|PM|午後"},
        // The twelve-hour clock runs from 0 to 11.
        {{2026, 1, 4, 1, 0, 30, 0, 0}, "\\g|\\G|\\h|\\p|\\P|\\6|\\w|\\a",
         "0|00|0|AM|午前|2026年1月1日 午前0時30分0秒|Thu|木"},
        {{2026, 1, 4, 1, 12, 0, 0, 0}, "\\g|\\h|\\p|\\6", "0|12|PM|2026年1月1日 午後0時0分0秒"},
        {{2005, 1, 6, 1, 0, 0, 0, 0}, "\\y", "05"}, {{2100, 1, 5, 1, 0, 0, 0, 0}, "\\y", "100"},
        // A damaged time stamp must not read past the name tables or the buffer.
        {{2026, 13, 7, 40, 99, 99, 99, 0}, "\\f|\\F|\\w|\\W|\\a|\\7|\\5", "||||| 40 2026|2026年13月40日（）"},
        {{2026, 0, 0, 40, 0, 0, 0, 0}, "\\F|\\1", "|2026/00/40"},
        {{65535, 65535, 65535, 65535, 65535, 65535, 65535, 0}, "\\6",
         "65535年65535月65535日 午後65523時65535分65535秒"},
    };
    PointInfo info = kSample;
    for (const auto& c : cases) {
        info.Time = c.time;
        EXPECT_EQ(c.expected, Expand(c.tmpl, info)) << c.tmpl;
    }
}

// The colour-science tokens, family by family (the values of
// tools/color-reference.py; ColorScienceTest checks the models further).
const char kScienceVocabulary[] =
    "[LABL] [LABA] [LABB]|[LCHL] [LCHC] [LCHH]|[OKL] [OKA] [OKB]|[OKLCHL] [OKLCHC] [OKLCHH]|[XYZX] [XYZY] [XYZZ]|"
    "[HWBH] [HWBW] [HWBB]|[CMYKC] [CMYKM] [CMYKY] [CMYKK]|[LUM] [CONTRAST] [WCAG]|[CSSRGB]|[CSSHSL]|[CSSLAB]|"
    "[CSSOKLCH]|[NAME]";

// Numbers with "." and their places, signs only on what prints as
// non-zero, hues below 360; the contrast tokens against the record's
// previous colour, "-" without one.
TEST(ExpandTemplate, ColourScienceTokensPrintTheirPlacesAndCompareWithThePreviousColour) {
    EXPECT_EQ("54.03 37.45 60.47|54.03 71.13 58.23|0.6114 0.0925 0.1215|0.6114 0.1527 52.73|28.43 21.42 2.92|"
              "28 4 22|0 50 95 22|0.2142 - -|rgb(200 100 10)|hsl(28 90% 41%)|lab(54.03 37.45 60.47)|"
              "oklch(0.6114 0.1527 52.73)|chocolate",
              Expand(kScienceVocabulary, kSample));
    const struct { int r, g, b; const char* tmpl; const char* expected; } colours[] = {
        {18, 52, 86, "[LABA] [LABB] [OKA] [OKB] [LCHH] [CSSLAB]", "-2.28 -24.59 -0.0234 -0.0686 264.71 lab(20.68 -2.28 -24.59)"},
        // Just below zero: no sign. Just below 360: 0.
        {0, 65, 121, "[LABA]", "0.00"}, {0, 133, 116, "[LABB]", "0.00"}, {2, 3, 8, "[OKA]", "0.0000"},
        {48, 1, 21, "[OKB] [OKLCHH] [CSSOKLCH]", "0.0000 0.00 oklch(0.2021 0.0792 0.00)"},
        {56, 1, 26, "[LABB] [LCHH]", "0.00 0.00"},
        // Exact halves of the whole-number forms go up: hue 359.5, 12.5 %.
        {120, 0, 1, "[CSSHSL] [HWBH]", "hsl(0 100% 24%) 0"}, {8, 7, 7, "[CMYKM] [CMYKY]", "13 13"},
        {0, 0, 0, "[CMYKC] [CMYKM] [CMYKY] [CMYKK] [HWBB] [LABL] [OKL] [NAME]", "0 0 0 100 100 0.00 0.0000 black"},
        {255, 255, 255, "[CSSLAB] [CSSOKLCH] [XYZX] [XYZY] [XYZZ] [LUM] [CSSHSL]",
         "lab(100.00 0.00 0.00) oklch(1.0000 0.0000 0.00) 95.05 100.00 108.91 1.0000 hsl(0 0% 100%)"},
    };
    PointInfo info = kSample;
    for (const auto& c : colours) {
        info.Red = c.r, info.Green = c.g, info.Blue = c.b;
        EXPECT_EQ(c.expected, Expand(c.tmpl, info)) << c.tmpl;
    }
    // The contrast is cut, the verdict judged on the whole ratio (the cuts
    // at each threshold: ColorScienceTest); a previous colour's unused high
    // byte is ignored.
    const struct { int r, g, b; ColorRef previous; const char* expected; } pairs[] = {
        {200, 100, 10, MakeColor(255, 255, 255), "3.97 AA large"}, {200, 100, 10, 0, "5.28 AA"},
        {119, 119, 119, 0xFFFFFFFF, "4.47 AA large"}, {0, 0, 0, MakeColor(255, 255, 255), "21.00 AAA"},
        {50, 60, 70, MakeColor(50, 60, 70), "1.00 fail"},
    };
    for (const auto& p : pairs) {
        info.Red = p.r, info.Green = p.g, info.Blue = p.b;
        info.HasPreviousColor = 1, info.PreviousColor = p.previous;
        EXPECT_EQ(p.expected, Expand("[CONTRAST] [WCAG]", info)) << p.r << " against " << p.previous;
    }
    info.HasPreviousColor = 0;
    EXPECT_EQ("- -", Expand("[CONTRAST] [WCAG]", info));
    // Out-of-range components of a damaged record count as 0 or 255.
    info.Red = 300, info.Green = -40, info.Blue = INT_MIN;
    EXPECT_EQ("rgb(255 0 0) lab(54.29 80.80 69.89) red", Expand("[CSSRGB] [CSSLAB] [NAME]", info));
}

TEST(ExpandTemplate, NamesEscapesDoubleByteTextAndTheOutputLimit) {
    const std::string q254(254, 'q'), q255(255, 'q');
    const struct { std::string tmpl, expected; int capacity = 4096; } cases[] = {
        // Names are case-sensitive; unclosed at the end a name is dropped;
        // in "[[DECR]" the name is "[DECR".
        {"[decr][Hex02r][hsvh][Text][HEX1r]x", "x"}, {"a[DECR", "a"}, {"a]b([])", "a]b()"}, {"[[DECR]", ""},
        // Tab, line break, backslash; any other character stands for itself,
        // and a trailing backslash stays.
        {"\\[[DECR]\\]\\x\\nb\\tc\\\\d\\0", "[200]x\r\nb\tc\\d0"}, {"end\\", "end\\"},
        // 254 bytes and a ] close a name that matches nothing; 255 bytes give
        // up the name, and what follows is scanned as text.
        {"a[" + q254 + "]b", "ab"}, {"a[" + q255 + "]b", "a]b"}, {"a[" + q255 + "[DECR]", "a200"},
        // 表 and ソ end in 0x5C, ゼ in 0x5B: none starts an escape or a token,
        // and an escaped double-byte character stays whole. Inside a name
        // ゾ's 0x5D closes it. A lead byte at the end goes alone.
        {"表n ソ3 ゼDECR] \\表n 表示 [DECR]", "表n ソ3 ゼDECR] 表n 表示 200"}, {"[TEゾXT]", "XT]"},
        {"a\x95", "a\x95"}, {"a\\\x95", "a\x95"},
        // The text before "..." keeps within capacity - 4; a piece goes in
        // whole or not at all.
        {"abcdef", "abcdef", 10}, {"abcdefg", "abcdef...(0)", 10}, {"abcdefghij", "abcdef...(0)", 10},
        {"abc[DECR]", "abc200", 10}, {"abcd[DECR]", "abcd...(0)", 10}, {"abcde表", "abcde...(0)", 10},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, Expand(c.tmpl, kSample, c.capacity)) << c.tmpl;
}

TEST(ExpandTemplate, LongDamagedPlaceholderAndMissingRecords) {
    PointInfo info = kSample;
    memset(info.Text, 'w', 250);
    EXPECT_EQ("title: ...(0)", Expand("title: [TEXT] end", info, 200));  // left out whole
    memset(info.ClassName, 'c', sizeof(info.ClassName));  // no terminator: 255 bytes
    EXPECT_EQ(std::string(255, 'c'), Expand("[CLASSNAME]", info));
    // Differences wrap as 32-bit values instead of overflowing.
    info.Rect = {INT32_MIN, 0, INT32_MAX, 5};
    info.Red = INT32_MIN;
    EXPECT_EQ("-1 -2147483393", Expand("[WIDTH] [YMCY]", info));
    // No template, no record, no output or no room for "..." and the
    // terminator: refused, with an empty output where there is one.
    char out[4] = "xyz";
    EXPECT_TRUE(!ExpandTemplate(out, nullptr, 4, &info) && !ExpandTemplate(out, "a", 4, nullptr) &&
                !ExpandTemplate(nullptr, "a", 4, &info) && out[0] == 0);
    EXPECT_EQ("(0)", Expand("a", info, 3));
    // The key editor previews a template over the placeholder record.
    memset(&info, 0x77, sizeof(info));
    ResetPointInfoFields(&info, &kSample.Time);
    EXPECT_EQ("16777215 FFFFFF 255 0 0 - - - -|(classname)|(text)|(exename)|(exefolderpath)|0 0 0 00000000 00000000|"
              "2026/12/06", Expand("[COLORREF] [HEX02R][HEX02G][HEX02B] [DECG] [MOUSEX] [MOUSEY] [HWND] [WINDOWID] "
                                   "[PARENTHWND] [HINST]|[CLASSNAME]|[TEXT]|[EXENAME]|[EXEPATH]|[WIDTH] [PID] [TID] "
                                   "[STYLE] [EXSTYLE]|\\1", info));
}

// The view samples only the window parts its user line prints: for every
// token, changing the parts TemplateParts leaves out changes nothing, and
// changing the parts it names changes the text.
TEST(TemplateParts, NameEveryWindowFieldATokenPrintsAndNoOther) {
    auto scrambled = [](int parts) {
        PointInfo i = kSample;
        i.Hwnd = parts & PartWindow ? 0x5150 : i.Hwnd;
        strcpy(i.ClassName, parts & PartClass ? "Other" : kSample.ClassName);
        strcpy(i.Text, parts & PartText ? "other" : kSample.Text);
        i.Rect = parts & PartRect ? Rect32{1, 2, 3, 4} : i.Rect;
        i.Pid = parts & PartIds ? 9 : i.Pid, i.Tid = parts & PartIds ? 9 : i.Tid;
        for (uint32_t* v : {&i.ParentHwnd, &i.HInst, &i.Style, &i.ExStyle, &i.WindowId})
            *v = parts & PartLongs ? 0x40000000 : *v;
        strcpy(i.ExeName, parts & PartModule ? "x.exe" : kSample.ExeName);
        strcpy(i.ExePath, parts & PartModule ? "D:" : kSample.ExePath);
        return i;
    };
    std::string all = std::string(kVocabulary) + kScienceVocabulary;
    for (size_t i = all.find('['); i != std::string::npos; i = all.find('[', i + 1)) {
        std::string token = all.substr(i, all.find(']', i) - i + 1);
        int parts = TemplateParts(token.c_str());
        std::string want = Expand(token, kSample);
        EXPECT_EQ(want, Expand(token, scrambled(PartAllWindow & ~parts))) << token;
        if (parts)
            EXPECT_TRUE((parts & PartWindow) && want != Expand(token, scrambled(parts))) << token;
    }
    EXPECT_EQ(0, TemplateParts("HSV([HSV3H],[HSV3S],[HSV3V]) [TEXT [PIDS] \\[HWND"));
    EXPECT_EQ(PartWindow | PartText | PartIds, TemplateParts("[PID]:[TEXT]"));
    EXPECT_EQ(0, TemplateParts(nullptr));
}

// The token menu: submenu by submenu, the commands run n * 1000 + 1
// upward without a gap; the menu offers the 117 tokens and 31 escapes of the
// language, each once, each known to the expansion: a token expands to
// something over the sample, where every field is filled (an unknown one
// to nothing), an escape to something other than its letter (which is what
// a character that is no escape gives). Then the texts of a few items.
TEST(TokenMenu, OffersExactlyTheLanguageWithItsTexts) {
    const int itemsPerSubmenu[TokenSubmenuCount] = {18, 13, 12, 12, 12, 22, 5, 3, 20, 28, 3};
    int next[TokenSubmenuCount] = {};
    std::set<std::string> tokens, escapes;
    for (int i = 0; i < TokenMenuItemCount; i++) {
        const TokenMenuItem& item = TokenMenuItems[i];
        if (item.Id == 0)
            continue;
        EXPECT_EQ((item.Submenu + 1) * 1000 + ++next[item.Submenu], item.Id) << item.Token;
        EXPECT_EQ(&item, FindTokenMenuItem(item.Id));
        std::string expanded = Expand(item.Token, kSample);
        if (IsEscapeItem(&item)) {
            escapes.insert(item.Token);
            if (std::string(item.Token) == "\\\\")
                EXPECT_EQ("\\", expanded);  // the doubled backslash gives one
            else
                EXPECT_NE(std::string(item.Token + 1), expanded) << item.Token;
        } else {
            tokens.insert(item.Token);
            EXPECT_NE("", expanded) << item.Token;
        }
    }
    EXPECT_EQ(std::vector<int>(itemsPerSubmenu, itemsPerSubmenu + TokenSubmenuCount),
              std::vector<int>(next, next + TokenSubmenuCount));
    EXPECT_EQ(117u, tokens.size());
    EXPECT_EQ(31u, escapes.size());
    EXPECT_EQ(nullptr, FindTokenMenuItem(0));
    EXPECT_EQ(nullptr, FindTokenMenuItem(1019));
    // 9016 inserts [TID] all the same.
    const std::pair<int, const char*> texts[] = {{1010, "[HEX02R]:\t大文字赤2桁揃え"}, {9016, "[TID]::\tスレッドID"},
                                                 {10001, "\\1: 日付"}, {11003, "\\\\: \\の文字"},
                                                 {6001, "[LABL]:\tLab 明度 L*"}, {7005, "[NAME]:\t最も近いCSS色名"},
                                                 {8002, "[CONTRAST]:\t直前の履歴色とのコントラスト比"}};
    for (const auto& [id, text] : texts) {
        char out[256];
        FormatTokenMenuText(FindTokenMenuItem(id), out, sizeof(out));
        EXPECT_STREQ(text, out);
    }
    EXPECT_STREQ("[TID]", FindTokenMenuItem(9016)->Token);
}

#if defined(__SANITIZE_ADDRESS__)
volatile bool gCounting = false;
volatile int gAllocations = 0;

void CountMalloc(const volatile void*, size_t) { gAllocations = gAllocations + gCounting; }
void IgnoreFree(const volatile void*) {}

// Installed once: every further install would count each allocation again.
const int gHooksInstalled = __sanitizer_install_malloc_and_free_hooks(CountMalloc, IgnoreFree);

// The user line is expanded on every redraw and must not touch the heap.
TEST(ExpandTemplate, NeverAllocates) {
    ASSERT_NE(0, gHooksInstalled);
    PointInfo info = kSample;
    memset(info.Text, 't', 255);
    info.HasPreviousColor = 1, info.PreviousColor = MakeColor(10, 20, 30);  // the contrast tokens compute
    std::string all = std::string(kVocabulary) + kScienceVocabulary +
                      "\\1\\2\\3\\4\\5\\6\\7\\Y\\y\\m\\M\\f\\F\\d\\D\\w\\W\\a\\g\\G\\h\\H" +
                      "\\i\\I\\s\\S\\p\\P\\t\\n\\\\\\x表示ソ[nothing][DECR";
    static char out[4096];
    gAllocations = 0, gCounting = true;
    // The counter sees allocations by malloc and inside the C library.
    free(malloc(16));
    free(strdup("abc"));
    int before = gAllocations;
    int full = ExpandTemplate(out, all.c_str(), sizeof(out), &info), cut = ExpandTemplate(out, all.c_str(), 200, &info);
    gCounting = false;
    EXPECT_TRUE(before >= 2 && gAllocations == before && full == 1 && cut == 0) << before << " " << gAllocations;
}
#endif

TEST(ColorModel, WorkedValuesAndPercentages) {
    // Hue, saturation, value; then hue, lightness, saturation.
    const struct { int r, g, b, models[6]; } rows[] = {
        {255, 128, 0, {30, 255, 255, 30, 127, 255}}, {200, 100, 50, {20, 191, 200, 20, 125, 153}},
        {255, 0, 128, {330, 255, 255, 330, 127, 255}}, {0, 0, 255, {240, 255, 255, 240, 127, 255}},
        {100, 0, 1, {0, 255, 100, 0, 50, 255}},  // -0.6 truncates to 0, never 359
        {255, 255, 255, {0, 0, 255, 0, 255, 0}}, {0, 0, 0, {0, 0, 0, 0, 0, 0}},
        // Ties for the maximum: red before green before blue.
        {200, 200, 0, {60, 255, 200, 60, 100, 255}}, {0, 200, 200, {180, 255, 200, 180, 100, 255}},
        {200, 0, 200, {300, 255, 200, 300, 100, 255}},
        // Lightness 127 takes the lower saturation form, 128 the upper one.
        {254, 0, 0, {0, 255, 254, 0, 127, 255}}, {201, 55, 100, {342, 185, 201, 342, 128, 146}},
        // A damaged record's components are clamped to 0..255 first.
        {INT_MAX, INT_MIN, 300, {300, 255, 255, 300, 127, 255}},
    };
    for (const auto& row : rows) {
        int m[6];
        RgbToHsv(row.r, row.g, row.b, &m[0], &m[1], &m[2]);
        RgbToHls(row.r, row.g, row.b, &m[3], &m[4], &m[5]);
        EXPECT_EQ(std::vector<int>(row.models, row.models + 6), std::vector<int>(m, m + 6)) << row.r << "," << row.g;
    }
    // Percentages round down; a hue's full scale is 359, not 360.
    const int percents[][3] = {{0, 255, 100}, {0, 128, 50}, {0, 1, 0},   {0, 191, 74},  {0, INT_MAX, 842150449},
                               {1, 359, 100}, {1, 180, 50}, {1, 330, 91}, {1, 20, 5}};
    for (const auto& c : percents)
        EXPECT_EQ(c[2], c[0] ? PercentOfHue(c[1]) : PercentOfByte(c[1])) << c[1];
}

}  // namespace
