// Key combinations spelled with the keyboard layout's names.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "copykey/KeyName.h"

namespace {

std::string Name(int combo) {
    char out[256];
    EXPECT_EQ(1, FormatKeyName(combo, out));
    return out;
}

std::string LayoutName(int vk) {
    char out[64];
    LookupLayoutKeyName(vk, out, sizeof(out));
    return out;
}

TEST(FormatKeyName, SpellsModifiersThenTheLayoutsKeyName) {
    EXPECT_EQ("Ctrl+C", Name(0x243));
    EXPECT_EQ("Windows+Shift+Ctrl+1", Name(0x0B31));
    EXPECT_EQ("Alt+" + LayoutName(VK_F9), Name(0x478));
    EXPECT_EQ("", Name(0));
}

TEST(FormatKeyName, ModifiersAloneCarryPlusOnlyBetweenThem) {
    EXPECT_EQ("Ctrl+Alt", Name(0x0600));
    EXPECT_EQ("Windows", Name(0x0800));
    EXPECT_EQ("Shift", Name(0x0100));
}

TEST(FormatKeyName, ArrowsGetTheirPadNamesAndNamelessKeysTheirCode) {
    char pad[64] = {};
    GetKeyNameTextA((LONG)(MapVirtualKeyA(VK_LEFT, 0) << 16), pad, sizeof(pad));
    EXPECT_EQ(std::string(pad), Name(VK_LEFT));
    // No scan code: the key itself, as a character up to 0x7F, else in hex.
    EXPECT_EQ("Shift+FF", Name(0x1FF));
}

}  // namespace
