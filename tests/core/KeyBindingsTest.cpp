// The built-in accelerator table, the entries made from the capture keys'
// shortcuts and the hotkey modifiers.
#include <gtest/gtest.h>

#include "app/CommandIds.h"
#include "copykey/KeyBindings.h"

namespace {

TEST(FixedAccelTable, BindsTheBuiltInKeysInOrder) {
    // Esc; Alt+T A Z C G I O Space; Num 1-8 9 0 + -; Space; Alt+F R H V M S.
    const int expected[FixedAccelCount][2] = {
        {41001, 0x011B}, {41002, 0x1154}, {41003, 0x1141}, {41004, 0x115A}, {41005, 0x1143},
        {41006, 0x1147}, {41007, 0x1149}, {41008, 0x114F}, {41009, 0x1120}, {42001, 0x0161},
        {42002, 0x0162}, {42003, 0x0163}, {42004, 0x0164}, {42005, 0x0165}, {42006, 0x0166},
        {42007, 0x0167}, {42008, 0x0168}, {42009, 0x0169}, {42010, 0x0160}, {42011, 0x016B},
        {42012, 0x016D}, {43001, 0x0120}, {43002, 0x1146}, {43003, 0x1152}, {43004, 0x1148},
        {43005, 0x1156}, {43006, 0x114D}, {43007, 0x1153},
    };
    AccelEntry e[FixedAccelCount];
    BuildFixedAccelEntries(e);
    for (int i = 0; i < FixedAccelCount; i++) {
        EXPECT_EQ(expected[i][0], FixedAccelEntry(i, 0)) << i;
        EXPECT_EQ(expected[i][1], FixedAccelEntry(i, 7)) << i;  // any nonzero which
        EXPECT_EQ(expected[i][1] >> 8, e[i].Flags) << i;
        EXPECT_EQ(expected[i][1] & 0xFF, e[i].Key) << i;
        EXPECT_EQ(expected[i][0], e[i].Command) << i;
    }
    for (int which : {0, 1})
        for (int outside : {28, -1, 1000})
            EXPECT_EQ(-1, FixedAccelEntry(outside, which));
}

TEST(KeyComboFlags, AcceleratorFlagsIgnoreTheWindowsKeyHotkeysMapIt) {
    EXPECT_EQ(AccelVirtKey, AccelFlagsFromCombo(0x0031));
    EXPECT_EQ(AccelVirtKey | AccelShift, AccelFlagsFromCombo(0x0141));
    EXPECT_EQ(AccelVirtKey | AccelControl, AccelFlagsFromCombo(0x0A43));
    EXPECT_EQ(AccelVirtKey | AccelShift | AccelControl | AccelAlt, AccelFlagsFromCombo(0x0F41));
    // MOD_ALT 1, MOD_CONTROL 2, MOD_SHIFT 4, MOD_WIN 8.
    EXPECT_EQ(0, HotkeyModifiersFromCombo(0x0031));
    EXPECT_EQ(4, HotkeyModifiersFromCombo(0x0131));
    EXPECT_EQ(2, HotkeyModifiersFromCombo(0x0243));
    EXPECT_EQ(1, HotkeyModifiersFromCombo(0x0431));
    EXPECT_EQ(8, HotkeyModifiersFromCombo(0x0831));
    EXPECT_EQ(15, HotkeyModifiersFromCombo(0x0F31));
}

TEST(AccelEntries, CopyKeysComeFirstThenTheBuiltInEntries) {
    CopyKeyList list = nullptr;
    const int shortcuts[] = {0x0243, 0, 0x0B31, 0x044F};  // Ctrl+C, none, Win+Shift+Ctrl+1, Alt+O
    for (int sc : shortcuts) {
        CopyKey k;
        InitCopyKey(&k);
        k.ShortcutKey = sc;
        k.Hotkey = 0x0F00 | (sc & 0xFF);  // must not leak into the entries
        InsertCopyKey(&list, -1, &k);
    }
    ASSERT_EQ(5 + 28, AccelEntryCount(5));
    AccelEntry e[5 + 28];
    // One more than the list holds: that entry has no key.
    ASSERT_EQ(33, BuildAccelEntries(&list, 5, e));
    ClearCopyKeys(&list);
    const int flags[] = {AccelVirtKey | AccelControl, AccelVirtKey, AccelVirtKey | AccelShift | AccelControl,
                         AccelVirtKey | AccelAlt, AccelVirtKey};
    const int keys[] = {'C', 0, '1', 'O', 0};
    for (int i = 0; i < 5; i++) {
        EXPECT_EQ(flags[i], e[i].Flags) << i;
        EXPECT_EQ(keys[i], e[i].Key) << i;
        EXPECT_EQ(45000 + i, e[i].Command) << i;
    }
    // Alt+O stands before the options entry, so the capture key wins.
    for (int i = 0; i < FixedAccelCount; i++)
        EXPECT_EQ(FixedAccelEntry(i, 0), e[5 + i].Command) << i;
}

TEST(AccelEntries, KeysWhoseCommandWouldWrapGetNoEntry) {
    EXPECT_EQ(28, AccelEntryCount(0));
    EXPECT_EQ(28, AccelEntryCount(-4));
    EXPECT_EQ(65535, CopyKeyCommandBase + MaxAccelCopyKeys - 1);
    EXPECT_EQ(MaxAccelCopyKeys + 28, AccelEntryCount(30000));
}

}  // namespace
