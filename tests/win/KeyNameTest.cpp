// Key combinations spelled with the keyboard layout's names.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "copykey/KeyName.h"

static std::string Name(int combo) {
    char out[256];
    EXPECT_EQ(1, FormatKeyName(combo, out));
    return out;
}

TEST(FormatKeyName, SpellsModifiersThenTheLayoutsNameWithPadNamesForArrows) {
    // Without the extended-key flag the left arrow is named as the pad's 4.
    char pad4[64] = {}, arrow[64] = {};
    UINT scan = MapVirtualKeyA(VK_LEFT, 0);
    GetKeyNameTextA((LONG)(scan << 16), pad4, sizeof(pad4));
    GetKeyNameTextA((LONG)(scan << 16 | 1 << 24), arrow, sizeof(arrow));
    ASSERT_STRNE(pad4, arrow);
    EXPECT_EQ("Ctrl+C", Name(0x243));
    EXPECT_EQ("Windows+Shift+Alt+" + std::string(pad4), Name(0xD25));
    EXPECT_EQ("Shift+FF", Name(0x1FF));  // no scan code: the code in hex
}
