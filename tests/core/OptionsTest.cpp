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

// Over a record with every text field filled, so that a known token never
// expands to nothing.
std::string Expand(const char* tmpl) {
    char out[256];
    PointInfo p = {};
    ResetPointInfoFields(&p, nullptr);
    p.Time = {2026, 12, 0, 6, 15, 5, 9, 0};
    ExpandTemplate(out, tmpl, sizeof(out), &p);
    return out;
}

// Submenu by submenu, the commands run n * 1000 + 1 upward without a gap;
// the menu offers the 87 tokens and 31 escapes of the language, each once,
// each known to the expansion: a token expands to something (an unknown
// one to nothing), an escape to something other than its letter (which is
// what a character that is no escape gives). Then the texts of a few items.
TEST(TokenMenu, OffersExactlyTheLanguageWithItsTexts) {
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
    // 6016 inserts [TID] all the same.
    const std::pair<int, const char*> texts[] = {{1010, "[HEX02R]:\t大文字赤2桁揃え"}, {6016, "[TID]::\tスレッドID"},
                                                 {7001, "\\1: 日付"}, {8003, "\\\\: \\の文字"}};
    for (const auto& [id, text] : texts) {
        char out[256];
        FormatTokenMenuText(FindTokenMenuItem(id), out, sizeof(out));
        EXPECT_STREQ(text, out);
    }
    EXPECT_STREQ("[TID]", FindTokenMenuItem(6016)->Token);
}

// An up-down's edit holds whatever was typed or pasted; only a number of
// the range (1..100, or 0..100 where the low end is 0) counts. Width and
// height typed into the key editor are bounded to 1..999, never wrapped.
// The sheet opens on the page it was closed on, of those it shows.
TEST(OptionsRules, TypedNumbersImageSizesAndStartPage) {
    const struct { const char* text; int lo, ok, value; } cases[] = {
        {"16", 1, 1, 16}, {"1", 1, 1, 1}, {"100", 1, 1, 100}, {"007", 1, 1, 7}, {"0", 0, 1, 0}, {"", 1, 0, -1},
        {"0", 1, 0, -1}, {"101", 1, 0, -1}, {"999", 1, 0, -1}, {"12a", 1, 0, -1}, {"abc", 1, 0, -1}, {"-5", 1, 0, -1},
        {" 5", 1, 0, -1}, {"99999999999999999999", 1, 0, -1},
    };
    for (const auto& c : cases) {
        int value = -1;
        EXPECT_EQ(c.ok, ParseFieldNumber(c.text, c.lo, 100, &value)) << c.text;
        EXPECT_EQ(c.value, value) << c.text;
    }
    const std::pair<const char*, int> sizes[] = {
        {"", 1}, {"0", 1}, {"99999", 999}, {"-5", 1}, {"abc", 1}, {"32", 32}, {" +7x", 7}, {"999", 999},
        {"1000", 999}, {"4294967297", 999}, {"99999999999999999999", 999}, {"-99999999999999999999", 1},
    };
    const NumberField& width = NumberFields[FieldImageWidth];
    for (const auto& [text, size] : sizes)
        EXPECT_EQ(size, BoundTypedNumber(text, width.Min, width.Max)) << text;
    const int threePages[] = {0, 1, 3};
    const std::pair<int, int> pages[] = {{0, 0}, {1, 1}, {3, 2}, {2, 0}, {4, 0}, {-1, 0}, {1000000, 0}};
    for (const auto& [endDispoption, position] : pages)
        EXPECT_EQ(position, StartPagePosition(endDispoption, threePages, 3)) << endDispoption;
}

TEST(OptionsRules, DisplayPageDerivedValues) {
    // Ticks of the user line, colour, mouse, handle, class, text, area and
    // history, the cursor mode and the swatch sizes; then the panel switch,
    // the line count they leave, and the mode and sizes brought into range.
    const struct { int ticks[8], mode, sizeX, sizeY; std::vector<int> after; } cases[] = {
        {{0, 0, 0, 0, 0, 0, 0, 0}, -1, 0, 11, {0, 0, 0, 1, 12}}, {{0, 0, 0, 0, 0, 0, 0, 1}, 4, 2, 100, {1, 0, 3, 2, 100}},
        {{1, 1, 1, 0, 0, 0, 0, 0}, 2, 1, 12, {1, 3, 2, 1, 12}}, {{1, 1, 1, 1, 1, 1, 1, 1}, 0, 100, 13, {1, 7, 0, 100, 13}},
    };
    int Settings::*fields[8] = {&Settings::DispInfoUser, &Settings::DispInfoColor, &Settings::DispInfoMouse,
                                &Settings::DispInfoHWND, &Settings::DispInfoClass, &Settings::DispInfoTitle,
                                &Settings::DispInfoArea, &Settings::DispColorHistory};
    for (const auto& c : cases) {
        Settings s;
        SetDefaultSettings(&s);
        s.DispMouseDownInfo = 1, s.CursorMode = c.mode, s.HistorySizeX = c.sizeX, s.HistorySizeY = c.sizeY;
        for (int i = 0; i < 8; i++)
            s.*fields[i] = c.ticks[i];
        FinishDisplaySettings(&s);
        EXPECT_EQ(c.after, (std::vector<int>{s.DispMouseDownInfo, s.InfoLineCount, s.CursorMode, s.HistorySizeX,
                                             s.HistorySizeY})) << c.mode;
    }
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

// The font given to the sheet's template, the template as words.
TEST(TemplateFont, SizeAndFaceOfBothTemplateKinds) {
    // DLGTEMPLATEEX: version, signature, help ID, extended style, style
    // (DS_SETFONT, 0x40), count, x, y, cx, cy; an ordinal menu, a class
    // name, a title; size, weight, italic and character set, face.
    const std::u16string exHead = {1, 0xFFFF, 0, 0, 0, 0, 0x40, 0x80C8, 3, 0, 0, 212, 188, 0xFFFF, 7,
                                   'c', 'l', 's', 0, 'T', 0};
    std::u16string ex = exHead + u"\x0008\x0190\x0180" + std::u16string(u"MS Shell Dlg", 13);
    EXPECT_EQ(2, SetTemplateFont(&ex[0], 10, "MS UI Gothic"));
    EXPECT_EQ(exHead + u"\x000A\x0190\x0180" + std::u16string(u"MS UI Gothic", 13), ex);
    // DLGTEMPLATE: style, extended style, count, x, y, cx, cy; an ordinal
    // menu, no class, a title; size, face. A face of another length stays,
    // so the template keeps its length.
    const std::u16string plainHead = {0x40, 0x80C8, 0, 0, 3, 0, 0, 212, 188, 0xFFFF, 5, 0, 'T', 'i', 0};
    std::u16string plain = plainHead + u'\x0008' + std::u16string(u"Tahoma", 7);
    EXPECT_EQ(1, SetTemplateFont(&plain[0], 10, "MS UI Gothic"));
    EXPECT_EQ(plainHead + u'\x000A' + std::u16string(u"Tahoma", 7), plain);
    // No DS_SETFONT: nothing to change.
    const std::u16string none = {0, 0x80C8, 0, 0, 3, 0, 0, 212, 188, 0, 0, 0};
    std::u16string after = none;
    EXPECT_EQ(0, SetTemplateFont(&after[0], 10, "MS UI Gothic"));
    EXPECT_EQ(none, after);
}

}  // namespace
