// Key combinations spelled with a layout that names only F1; the real
// layout's names are checked in the Win32 tests.
#include <gtest/gtest.h>

#include <string>

#include "copykey/KeyCombo.h"

namespace {

int OnlyF1Named(int vk, char* out, int outSize) {
    return vk == 0x70 ? snprintf(out, (size_t)outSize, "F1") : 0;
}

// Fills the whole buffer and reports a name far longer than it.
int OverlongName(int, char* out, int outSize) {
    memset(out, 'n', (size_t)outSize);
    return 1000;
}

std::string Spell(int combo, KeyNameLookup lookup = OnlyF1Named) {
    char out[256];
    memset(out, 'Z', sizeof(out));
    EXPECT_EQ(1, FormatKeyNameWith(combo, out, lookup));
    return out;
}

TEST(ComposeKeyCombo, KeepsShiftCtrlAltAndAddsTheWindowsKeyOnlyForOne) {
    EXPECT_EQ(0x143, ComposeKeyCombo(0x0943, 0));  // the control's extended-key flag dropped
    EXPECT_EQ(0xF70, ComposeKeyCombo(0xFF70, 1));
    EXPECT_EQ(0x031, ComposeKeyCombo(0x10031, 2));
}

TEST(FormatKeyName, ModifiersInOrderThenTheKeyByNameCharacterOrHex) {
    const struct { int combo; const char* text; } cases[] = {
        {0x0F70, "Windows+Shift+Ctrl+Alt+F1"}, {0x158, "Shift+X"}, {0x280, "Ctrl+80"},
        // Modifiers alone carry a + only between them; higher bits mean nothing.
        {0x0F00, "Windows+Shift+Ctrl+Alt"}, {0x0500, "Shift+Alt"}, {0x1000, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.text, Spell(c.combo)) << std::hex << c.combo;
    EXPECT_EQ("Ctrl+C", Spell(0x243, nullptr));
    // A lookup that overruns its buffer is cut, and the result stays terminated.
    EXPECT_EQ("Windows+Shift+Ctrl+Alt+" + std::string(63, 'n'), Spell(0x0F41, OverlongName));
}

}  // namespace
