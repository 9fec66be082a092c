// The options sheet's pure side: typed numbers, the start page, what the
// Display page derives and the font given to the sheet's template.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "options/OptionsRules.h"
#include "options/TemplateFont.h"
#include "settings/SettingsText.h"

namespace {

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
        {{0, 0, 0, 0, 0, 0, 0, 0}, -1, 0, 11, {0, 0, 0, 1, 12}},
        {{0, 0, 0, 0, 0, 0, 0, 1}, 4, 2, 100, {1, 0, 3, 2, 100}},
        {{1, 1, 1, 0, 0, 0, 0, 0}, 2, 1, 12, {1, 3, 2, 1, 12}},
        {{1, 1, 1, 1, 1, 1, 1, 1}, 0, 100, 13, {1, 7, 0, 100, 13}},
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
