// The built-in accelerator table, the accelerator entries made from the
// capture keys' shortcuts and the hotkey modifiers.
#include <gtest/gtest.h>

#include <set>

#include "app/CommandIds.h"
#include "copykey/KeyBindings.h"
#include "copykey/KeyCombo.h"

namespace {

TEST(FixedAccelTable, BindsTheBuiltInKeysInOrder) {
    struct Row {
        int command;
        int key;
    };
    // Esc; Alt+T, A, Z, C, G, I, O, Space; Num 1-8, 9, 0, +, -; Space;
    // Alt+F, R, H, V, M, S.
    const Row expected[FixedAccelCount] = {
        {41001, 0x011B}, {41002, 0x1154}, {41003, 0x1141}, {41004, 0x115A}, {41005, 0x1143},
        {41006, 0x1147}, {41007, 0x1149}, {41008, 0x114F}, {41009, 0x1120}, {42001, 0x0161},
        {42002, 0x0162}, {42003, 0x0163}, {42004, 0x0164}, {42005, 0x0165}, {42006, 0x0166},
        {42007, 0x0167}, {42008, 0x0168}, {42009, 0x0169}, {42010, 0x0160}, {42011, 0x016B},
        {42012, 0x016D}, {43001, 0x0120}, {43002, 0x1146}, {43003, 0x1152}, {43004, 0x1148},
        {43005, 0x1156}, {43006, 0x114D}, {43007, 0x1153},
    };
    for (int i = 0; i < FixedAccelCount; i++) {
        EXPECT_EQ(expected[i].command, FixedAccelEntry(i, 0)) << i;
        EXPECT_EQ(expected[i].key, FixedAccelEntry(i, 1)) << i;
        EXPECT_EQ(expected[i].key, FixedAccelEntry(i, 7)) << "any nonzero which";
    }
}

TEST(FixedAccelTable, OutsideTheTableIsMinusOne) {
    for (int which : {0, 1}) {
        EXPECT_EQ(-1, FixedAccelEntry(28, which));
        EXPECT_EQ(-1, FixedAccelEntry(-1, which));
        EXPECT_EQ(-1, FixedAccelEntry(1000, which));
    }
}

TEST(FixedAccelTable, EveryKeyIsVirtualAndNoKeyIsBoundTwice) {
    std::set<int> keys;
    for (int i = 0; i < FixedAccelCount; i++) {
        int code = FixedAccelEntry(i, 1);
        EXPECT_TRUE(code & 0x0100) << i << " lacks the virtual-key flag";
        EXPECT_TRUE(keys.insert(code).second) << i << " repeats a key";
    }
}

TEST(FixedAccelEntries, SplitTheKeyCodeIntoFlagsAndKey) {
    AccelEntry e[FixedAccelCount];
    BuildFixedAccelEntries(e);
    EXPECT_EQ(AccelVirtKey, e[0].Flags);
    EXPECT_EQ(0x1B, e[0].Key);
    EXPECT_EQ(CmdExit, e[0].Command);
    EXPECT_EQ(AccelVirtKey | AccelAlt, e[8].Flags);
    EXPECT_EQ(0x20, e[8].Key);
    EXPECT_EQ(CmdContextMenu, e[8].Command);
    EXPECT_EQ(0x60, e[18].Key);
    EXPECT_EQ(CmdZoom32, e[18].Command);
    EXPECT_EQ(CmdWebSafe, e[27].Command);
}

TEST(KeyComboFlags, AcceleratorFlagsIgnoreTheWindowsKey) {
    EXPECT_EQ(AccelVirtKey, AccelFlagsFromCombo(0x0031));
    EXPECT_EQ(AccelVirtKey | AccelControl, AccelFlagsFromCombo(0x0243));
    EXPECT_EQ(AccelVirtKey | AccelShift, AccelFlagsFromCombo(0x0141));
    EXPECT_EQ(AccelVirtKey | AccelAlt, AccelFlagsFromCombo(0x044F));
    EXPECT_EQ(AccelVirtKey | AccelShift | AccelControl | AccelAlt, AccelFlagsFromCombo(0x0F41));
    EXPECT_EQ(AccelFlagsFromCombo(0x0243), AccelFlagsFromCombo(0x0A43));
}

TEST(KeyComboFlags, HotkeyModifiersMapEveryBit) {
    EXPECT_EQ(0, HotkeyModifiersFromCombo(0x0031));
    EXPECT_EQ(HotkeyModShift, HotkeyModifiersFromCombo(0x0131));
    EXPECT_EQ(HotkeyModControl, HotkeyModifiersFromCombo(0x0243));
    EXPECT_EQ(HotkeyModAlt, HotkeyModifiersFromCombo(0x0431));
    EXPECT_EQ(HotkeyModWin, HotkeyModifiersFromCombo(0x0831));
    EXPECT_EQ(0x000F, HotkeyModifiersFromCombo(0x0F31));
    // The platform's values: MOD_ALT 1, MOD_CONTROL 2, MOD_SHIFT 4, MOD_WIN 8.
    EXPECT_EQ(1, HotkeyModAlt);
    EXPECT_EQ(2, HotkeyModControl);
    EXPECT_EQ(4, HotkeyModShift);
    EXPECT_EQ(8, HotkeyModWin);
}

struct AccelEntriesFixture : ::testing::Test {
    CopyKeyList list = nullptr;
    void TearDown() override { ClearCopyKeys(&list); }
    void Add(int kind, int shortcut) {
        CopyKey k;
        InitCopyKey(&k);
        k.Kind = kind;
        k.ShortcutKey = shortcut;
        k.Hotkey = 0x0F00 | (shortcut & 0xFF);  // must not leak into the entries
        InsertCopyKey(&list, -1, &k);
    }
};

TEST_F(AccelEntriesFixture, CopyKeysComeFirstThenTheBuiltInEntries) {
    Add(CopyKindText, 0x0243);       // Ctrl+C
    Add(CopyKindSeparator, 0);       // no shortcut: key 0, matches nothing
    Add(CopyKindImage, 0x0B31);      // Windows+Shift+Ctrl+1
    Add(CopyKindText, 0x044F);       // Alt+O, the same as Options
    ASSERT_EQ(4 + 28, AccelEntryCount(4));
    AccelEntry e[4 + 28];
    ASSERT_EQ(32, BuildAccelEntries(&list, 4, e));

    EXPECT_EQ(AccelVirtKey | AccelControl, e[0].Flags);
    EXPECT_EQ('C', e[0].Key);
    EXPECT_EQ(45000, e[0].Command);
    EXPECT_EQ(AccelVirtKey, e[1].Flags);
    EXPECT_EQ(0, e[1].Key);
    EXPECT_EQ(45001, e[1].Command);
    EXPECT_EQ(AccelVirtKey | AccelShift | AccelControl, e[2].Flags);
    EXPECT_EQ('1', e[2].Key);
    EXPECT_EQ(45002, e[2].Command);
    // Earlier in the table, so Alt+O runs the capture key, not the options.
    EXPECT_EQ(AccelVirtKey | AccelAlt, e[3].Flags);
    EXPECT_EQ('O', e[3].Key);
    EXPECT_EQ(45003, e[3].Command);

    AccelEntry fixed[FixedAccelCount];
    BuildFixedAccelEntries(fixed);
    for (int i = 0; i < FixedAccelCount; i++) {
        EXPECT_EQ(fixed[i].Flags, e[4 + i].Flags) << i;
        EXPECT_EQ(fixed[i].Key, e[4 + i].Key) << i;
        EXPECT_EQ(fixed[i].Command, e[4 + i].Command) << i;
    }
}

TEST_F(AccelEntriesFixture, ACountPastTheListGivesKeylessEntries) {
    Add(CopyKindText, 0x0243);
    AccelEntry e[3 + 28];
    ASSERT_EQ(31, BuildAccelEntries(&list, 3, e));
    EXPECT_EQ('C', e[0].Key);
    EXPECT_EQ(0, e[1].Key);
    EXPECT_EQ(0, e[2].Key);
    EXPECT_EQ(45002, e[2].Command);
    EXPECT_EQ(CmdExit, e[3].Command);
}

TEST(AccelEntryCount, KeysWhoseCommandWouldWrapGetNoEntry) {
    EXPECT_EQ(28, AccelEntryCount(0));
    EXPECT_EQ(28, AccelEntryCount(-4));
    EXPECT_EQ(20536, MaxAccelCopyKeys);  // 45000 + 20535 = 65535
    EXPECT_EQ(20536 + 28, AccelEntryCount(20536));
    EXPECT_EQ(20536 + 28, AccelEntryCount(30000));
}

}  // namespace
