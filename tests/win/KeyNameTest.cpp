// Key combinations spelled with the keyboard layout's names.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "copykey/KeyName.h"

TEST(FormatKeyName, SpellsModifiersThenTheLayoutsNameWithPadNamesForArrows) {
    // Without the extended-key flag the left arrow is named as the pad's 4.
    char pad4[64] = {}, arrow[64] = {}, out[3][256];
    UINT scan = MapVirtualKeyA(VK_LEFT, 0);
    GetKeyNameTextA((LONG)(scan << 16), pad4, sizeof(pad4));
    GetKeyNameTextA((LONG)(scan << 16 | 1 << 24), arrow, sizeof(arrow));
    ASSERT_STRNE(pad4, arrow);
    // No scan code: the code in hex.
    EXPECT_EQ(3, FormatKeyName(0x243, out[0]) + FormatKeyName(0xD25, out[1]) + FormatKeyName(0x1FF, out[2]));
    EXPECT_EQ("Ctrl+C|Windows+Shift+Alt+" + std::string(pad4) + "|Shift+FF",
              std::string(out[0]) + "|" + out[1] + "|" + out[2]);
}
