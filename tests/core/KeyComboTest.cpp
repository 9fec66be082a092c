#include <gtest/gtest.h>

#include <string>

#include "copykey/KeyCombo.h"

namespace {

// A keyboard layout of a few named keys; everything else has no name.
int TestKeyNames(int vk, char* out, int outSize) {
    const char* name = nullptr;
    switch (vk) {
    case 0x25:
        name = "Num 4";  // the left arrow, by its numeric-pad name
        break;
    case 0x70:
        name = "F1";
        break;
    case 0x20:
        name = "Space";
        break;
    }
    if (!name)
        return 0;
    snprintf(out, (size_t)outSize, "%s", name);
    return (int)strlen(out);
}

std::string Spell(int combo, KeyNameLookup lookup = TestKeyNames) {
    char out[256];
    memset(out, 'Z', sizeof(out));
    EXPECT_EQ(1, FormatKeyNameWith(combo, out, lookup));
    return out;
}

TEST(ComposeKeyCombo, KeepsShiftCtrlAltAndAddsTheWindowsKey) {
    EXPECT_EQ(0x143, ComposeKeyCombo(0x0943, 0));  // the control's extended-key flag dropped
    EXPECT_EQ(0xA43, ComposeKeyCombo(0x0243, 1));
    EXPECT_EQ(0x743, ComposeKeyCombo(0x0743, 0));
    EXPECT_EQ(0xF70, ComposeKeyCombo(0xFF70, 1));   // flags above Alt are not ours
    EXPECT_EQ(0x031, ComposeKeyCombo(0x10031, 2));  // only exactly 1 adds Windows
    EXPECT_EQ(0x800, ComposeKeyCombo(0, 1));
    EXPECT_EQ(0, ComposeKeyCombo(0, 0));
}

TEST(FormatKeyName, ModifiersInOrderThenTheKey) {
    EXPECT_EQ("Ctrl+C", Spell(0x243));
    EXPECT_EQ("Windows+Shift+Ctrl+1", Spell(0x0B31));
    EXPECT_EQ("Windows+Shift+Ctrl+Alt+F1", Spell(0x0F70));
    EXPECT_EQ("Alt+Space", Spell(0x420));
    EXPECT_EQ("Num 4", Spell(0x25));
    EXPECT_EQ("1", Spell(0x31));
}

TEST(FormatKeyName, UnnamedKeysAsCharacterOrHex) {
    EXPECT_EQ("Shift+X", Spell(0x158));
    EXPECT_EQ("\x7F", Spell(0x7F));
    EXPECT_EQ("Ctrl+80", Spell(0x280));
    EXPECT_EQ("BA", Spell(0xBA));
    EXPECT_EQ("Ctrl+C", Spell(0x243, nullptr));
}

TEST(FormatKeyName, ModifiersAloneCarryThePlusOnlyBetweenThem) {
    EXPECT_EQ("Ctrl+Alt", Spell(0x0600));
    EXPECT_EQ("Windows", Spell(0x0800));
    EXPECT_EQ("Shift", Spell(0x0100));
    EXPECT_EQ("Ctrl", Spell(0x0200));
    EXPECT_EQ("Alt", Spell(0x0400));
    EXPECT_EQ("Windows+Shift", Spell(0x0900));
    EXPECT_EQ("Shift+Alt", Spell(0x0500));
    EXPECT_EQ("Windows+Shift+Ctrl+Alt", Spell(0x0F00));
    EXPECT_EQ("", Spell(0));
    EXPECT_EQ("", Spell(0x1000));  // bits above the Windows key mean nothing
}

int OverlongName(int, char* out, int outSize) {
    memset(out, 'n', (size_t)outSize);  // no terminator at all
    return 1000;
}

TEST(FormatKeyName, ANameLookupThatOverrunsItsBufferIsCut) {
    std::string s = Spell(0x0F41, OverlongName);
    EXPECT_EQ("Windows+Shift+Ctrl+Alt+" + std::string(63, 'n'), s);
}

}  // namespace
