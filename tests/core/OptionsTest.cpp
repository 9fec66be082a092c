// The options sheet's pure side: the token menu table against the template
// language, typed numbers, the start page, what the Display page derives,
// and the font given to the sheet's template.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "options/OptionsRules.h"
#include "options/TemplateFont.h"
#include "template/Template.h"
#include "template/TokenMenuTable.h"

namespace {

// Every text field filled, so that a known token never expands to nothing.
PointInfo Sample() {
    PointInfo p = {};
    ResetPointInfoFields(&p, nullptr);
    p.Time = {2026, 12, 0, 6, 15, 5, 9, 0};
    return p;
}

std::string Expand(const char* tmpl) {
    char out[256];
    PointInfo p = Sample();
    ExpandTemplate(out, tmpl, sizeof(out), &p);
    return out;
}

// Submenu by submenu, the commands run n * 1000 + 1 upward without a gap;
// the menu offers the 87 tokens and 31 escapes of the language, each once,
// each known to the expansion: a token expands to something (an unknown
// one to nothing), an escape to something other than its letter (which is
// what a character that is no escape gives).
TEST(TokenMenu, OffersExactlyTheLanguage) {
    const int itemsPerSubmenu[TokenSubmenuCount] = {18, 13, 12, 12, 12, 20, 28, 3};
    int next[TokenSubmenuCount] = {};
    std::set<std::string> tokens, escapes;
    for (int i = 0; i < TokenMenuItemCount; i++) {
        const TokenMenuItem& item = TokenMenuItems[i];
        if (item.Id == 0)
            continue;
        EXPECT_EQ((item.Submenu + 1) * 1000 + ++next[item.Submenu], item.Id) << item.Token;
        EXPECT_EQ(&item, FindTokenMenuItem(item.Id));
        std::string expanded = Expand(item.Token);
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
    EXPECT_EQ(87u, tokens.size());
    EXPECT_EQ(31u, escapes.size());
    EXPECT_EQ("", Expand("[HEX02X]"));
    EXPECT_EQ(nullptr, FindTokenMenuItem(0));
    EXPECT_EQ(nullptr, FindTokenMenuItem(1019));
}

TEST(TokenMenu, ItemTexts) {
    const std::pair<int, const char*> cases[] = {
        {1010, "[HEX02R]:\t大文字赤2桁揃え"},
        {6016, "[TID]::\tスレッドID"},  // inserts [TID] all the same
        {7001, "\\1: 日付"},
        {8003, "\\\\: \\の文字"},
    };
    for (const auto& [id, text] : cases) {
        char out[256];
        FormatTokenMenuText(FindTokenMenuItem(id), out, sizeof(out));
        EXPECT_STREQ(text, out);
    }
    EXPECT_STREQ("[TID]", FindTokenMenuItem(6016)->Token);
}

// An up-down's edit holds whatever was typed or pasted; only a number of
// the range counts.
TEST(OptionsRules, TypedNumbers) {
    const struct { const char* text; int ok, value; } cases[] = {
        {"16", 1, 16}, {"1", 1, 1}, {"100", 1, 100}, {"007", 1, 7},
        {"", 0, -1}, {"0", 0, -1}, {"101", 0, -1}, {"999", 0, -1}, {"12a", 0, -1}, {"abc", 0, -1},
        {"-5", 0, -1}, {" 5", 0, -1}, {"99999999999999999999", 0, -1},
    };
    for (const auto& c : cases) {
        int value = -1;
        EXPECT_EQ(c.ok, ParseFieldNumber(c.text, 1, 100, &value)) << c.text;
        EXPECT_EQ(c.value, value) << c.text;
    }
    int value = -1;
    EXPECT_EQ(1, ParseFieldNumber("0", 0, 10, &value));
    EXPECT_EQ(0, value);
}

TEST(OptionsRules, StartPage) {
    const int threePages[] = {0, 1, 3};
    const std::pair<int, int> cases[] = {{0, 0}, {1, 1}, {3, 2}, {2, 0}, {4, 0}, {-1, 0}, {1000000, 0}};
    for (const auto& [endDispoption, position] : cases)
        EXPECT_EQ(position, StartPagePosition(endDispoption, threePages, 3)) << endDispoption;
}

TEST(OptionsRules, DisplayPageDerivedValues) {
    // Ticks of the user line, colour, mouse, handle, class, text, area and
    // history; then the panel switch and the line count they leave.
    const struct { int ticks[8]; int panel, lines; } cases[] = {
        {{0, 0, 0, 0, 0, 0, 0, 0}, 0, 0},
        {{0, 0, 0, 0, 0, 0, 0, 1}, 1, 0},
        {{1, 1, 1, 0, 0, 0, 0, 0}, 1, 3},
        {{1, 1, 1, 1, 1, 1, 1, 1}, 1, 7},
    };
    for (const auto& c : cases) {
        Settings s;
        SetDefaultSettings(&s);
        s.DispMouseDownInfo = 1;
        int Settings::*fields[8] = {&Settings::DispInfoUser, &Settings::DispInfoColor, &Settings::DispInfoMouse,
                                    &Settings::DispInfoHWND, &Settings::DispInfoClass, &Settings::DispInfoTitle,
                                    &Settings::DispInfoArea, &Settings::DispColorHistory};
        for (int i = 0; i < 8; i++)
            s.*fields[i] = c.ticks[i];
        FinishDisplaySettings(&s);
        EXPECT_EQ(c.panel, s.DispMouseDownInfo);
        EXPECT_EQ(c.lines, s.InfoLineCount);
    }
    // The cursor mode and the swatch sizes into their ranges.
    Settings s;
    SetDefaultSettings(&s);
    s.CursorMode = -1, s.HistorySizeX = 0, s.HistorySizeY = 11;
    FinishDisplaySettings(&s);
    EXPECT_TRUE(s.CursorMode == 0 && s.HistorySizeX == 1 && s.HistorySizeY == 12);
    s.CursorMode = 4, s.HistorySizeY = 100;
    FinishDisplaySettings(&s);
    EXPECT_TRUE(s.CursorMode == 3 && s.HistorySizeY == 100);
}

// Templates as words: the fixed part, menu, class, title, then the font.
std::vector<uint16_t> Words(std::initializer_list<uint16_t> head, std::u16string rest) {
    std::vector<uint16_t> w(head);
    w.insert(w.end(), rest.begin(), rest.end());
    return w;
}

TEST(TemplateFont, SizeAndFaceOfBothTemplateKinds) {
    const uint16_t dsSetFont = 0x40;
    // DLGTEMPLATEEX: version, signature, help ID, extended style, style,
    // count, x, y, cx, cy; an ordinal menu, a class name, a title; size,
    // weight, italic and character set, face.
    std::vector<uint16_t> ex = Words({1, 0xFFFF, 0, 0, 0, 0, dsSetFont, 0x80C8, 3, 0, 0, 212, 188, 0xFFFF, 7},
                                     std::u16string(u"cls\0T\0", 6) + u'\x0008' + u'\x0190' + u'\x0180' +
                                         std::u16string(u"MS Shell Dlg\0", 13));
    // DLGTEMPLATE: style, extended style, count, x, y, cx, cy; an ordinal
    // menu, no class, a title; size, face.
    std::vector<uint16_t> plain = Words({dsSetFont, 0x80C8, 0, 0, 3, 0, 0, 212, 188, 0xFFFF, 5},
                                        std::u16string(u"\0Ti\0", 4) + u'\x0008' + std::u16string(u"Tahoma\0", 7));
    std::vector<uint16_t> none = Words({0, 0x80C8, 0, 0, 3, 0, 0, 212, 188, 0, 0}, std::u16string(u"\0", 1));
    std::vector<uint16_t> exBefore = ex, plainBefore = plain, noneBefore = none;

    EXPECT_EQ(2, SetTemplateFont(ex.data(), 10, "MS UI Gothic"));
    exBefore[exBefore.size() - 16] = 10;  // the size, before weight, italic/charset and the face
    std::u16string face = u"MS UI Gothic";
    std::copy(face.begin(), face.end(), exBefore.end() - 13);
    EXPECT_EQ(exBefore, ex);

    // A face of another length stays, so the template keeps its length.
    EXPECT_EQ(1, SetTemplateFont(plain.data(), 10, "MS UI Gothic"));
    plainBefore[plainBefore.size() - 8] = 10;
    EXPECT_EQ(plainBefore, plain);

    EXPECT_EQ(0, SetTemplateFont(none.data(), 10, "MS UI Gothic"));
    EXPECT_EQ(noneBefore, none);
}

}  // namespace
