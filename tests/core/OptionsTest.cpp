// The options sheet's pure side: the token menu table against the template
// language, typed numbers, the start page, what the Display page derives,
// the Copy keys page's operations and buttons, and the font given to the
// sheet's template.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "options/CopyKeysRules.h"
#include "options/OptionsRules.h"
#include "options/TemplateFont.h"
#include "template/Template.h"
#include "settings/SettingsText.h"
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

// Width and height typed into the editor: bounded to 1..999, never wrapped.
TEST(OptionsRules, TypedImageSizes) {
    const std::pair<const char*, int> cases[] = {
        {"", 1}, {"0", 1}, {"99999", 999}, {"-5", 1}, {"abc", 1}, {"32", 32}, {" +7x", 7}, {"999", 999},
        {"1000", 999}, {"4294967297", 999}, {"99999999999999999999", 999}, {"-99999999999999999999", 1},
    };
    const NumberField& width = NumberFields[FieldImageWidth];
    for (const auto& [text, size] : cases)
        EXPECT_EQ(size, BoundTypedNumber(text, width.Min, width.Max)) << text;
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

// The Copy keys page from an empty list, one operation after the other: the
// row it reports, the keys' order (a new key is named by the next letter,
// a separator shows "-") and the buttons for the selection it leaves
// (Add, Edit, Separator, Delete, Up, dowN; "-" greyed).
TEST(CopyKeysPage, OperationsOrderAndButtons) {
    CopyKeyList work = nullptr;
    auto order = [&] {
        std::string s;
        CopyKey k;
        for (int i = 0; GetCopyKey(&work, i, &k); i++)
            s += k.Kind == CopyKindSeparator ? '-' : k.Format[0];
        return s;
    };
    auto buttons = [&](int selected) {
        CopyKeyButtons b = CopyKeyButtonStates(&work, selected);
        std::string s = "AESDUN";
        const int on[] = {b.Add, b.Edit, b.Separator, b.Delete, b.Up, b.Down};
        for (int i = 0; i < 6; i++)
            if (!on[i])
                s[i] = '-';
        return s;
    };
    EXPECT_EQ("AES---", buttons(NoRow));
    char next = 'a';
    const struct { char op; int selected, row; const char* order; const char* buttons; } steps[] = {
        {'a', NoRow, 0, "a", "AESD--"},   // the first key
        {'a', 0, 0, "ba", "AESD-N"},      // before the selected row
        {'a', NoRow, 2, "bac", "AESDU-"}, // nothing selected: at the end
        {'s', 1, 1, "b-ac", "A-SDUN"},    // a separator greys Edit
        {'n', 1, 2, "ba-c", "A-SDUN"},    // row 1 down: 0, 2, 1, 3
        {'u', 0, NoRow, "ba-c", "AES---"}, {'n', 3, NoRow, "ba-c", "AES---"},  // no move past the ends
        {'u', 3, 2, "bac-", "AESDUN"},
        {'d', 3, 2, "bac", "AESDU-"},     // the last row: the new last one
        {'d', 1, 1, "bc", "AESDU-"},      // a middle row: the same index
        {'d', 5, NoRow, "bc", "AES---"},  // no such row
        {'d', 0, 0, "c", "AESD--"}, {'d', 0, NoRow, "", "AES---"},  // the only row
    };
    for (const auto& step : steps) {
        int row = NoRow;
        if (step.op == 'a' || step.op == 's') {
            row = InsertNewCopyKey(&work, step.selected, step.op == 'a' ? CopyKindText : CopyKindSeparator);
            CopyKey k;
            GetCopyKey(&work, row, &k);
            EXPECT_TRUE(k.Width == 32 && k.Height == 32 && k.Format[0] == 0 && k.ShortcutKey == 0);
            k.Format[0] = next++;
            SetCopyKeyFields(&work, row, CopyFieldFormat, &k);
        } else if (step.op == 'd') {
            row = DeleteCopyKey(&work, step.selected);
        } else {
            row = MoveCopyKeyStep(&work, step.selected, step.op == 'u');
        }
        EXPECT_EQ(step.row, row) << step.op << step.selected;
        EXPECT_EQ(step.order, order()) << step.op << step.selected;
        EXPECT_EQ(step.buttons, buttons(row)) << step.op << step.selected;
    }
    ClearCopyKeys(&work);
}

// The list cannot outgrow the identifiers: at the most keys the program
// numbers, Add and Separator are greyed and insert nothing.
TEST(CopyKeysPage, AddStopsAtTheMostKeys) {
    CopyKeyList work = nullptr;
    CopyKey k;
    InitCopyKey(&k);
    for (int i = 0; i < SettingsMaxCopyKeys - 1; i++)
        InsertCopyKey(&work, 0, &k);
    EXPECT_TRUE(CopyKeyButtonStates(&work, 0).Add && CopyKeyButtonStates(&work, 0).Separator);
    EXPECT_EQ(SettingsMaxCopyKeys - 1, InsertNewCopyKey(&work, NoRow, CopyKindSeparator));
    CopyKeyButtons b = CopyKeyButtonStates(&work, 0);
    EXPECT_TRUE(!b.Add && !b.Separator && b.Edit && b.Delete);
    EXPECT_EQ(NoRow, InsertNewCopyKey(&work, 0, CopyKindText));
    EXPECT_EQ(SettingsMaxCopyKeys, CountCopyKeys(&work));
    ClearCopyKeys(&work);
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
