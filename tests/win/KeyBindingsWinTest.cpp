// Accelerator tables read back from the system, hotkeys registered and
// released, real key presses through both, and the layout's key names.
#include <string.h>

#include "ShellFixture.h"
#include "app/Commands.h"
#include "copykey/AccelTable.h"
#include "copykey/Hotkey.h"
#include "copykey/KeyBindings.h"
#include "copykey/KeyName.h"

namespace {

std::vector<ACCEL> ReadTable(HACCEL table) {
    int n = table ? CopyAcceleratorTableA(table, nullptr, 0) : 0;
    std::vector<ACCEL> out(n);
    if (n)
        CopyAcceleratorTableA(table, out.data(), n);
    return out;
}

void AddKey(int kind, int shortcut, int hotkey) {
    CopyKey k;
    InitCopyKey(&k);
    k.Kind = kind;
    k.Width = 2;
    k.Height = 2;
    k.ShortcutKey = shortcut;
    k.Hotkey = hotkey;
    InsertCopyKey(&gCopyKeys, -1, &k);
}

// Nobody holds the combination when a trial registration succeeds.
bool ComboIsFree(UINT mods, UINT vk) {
    if (!RegisterHotKey(nullptr, 0x7000, mods, vk))
        return false;
    UnregisterHotKey(nullptr, 0x7000);
    return true;
}

using KeyBindingsWin = ShellFixture;

TEST_F(KeyBindingsWin, FixedTableReplaceAndDestroy) {
    ASSERT_EQ(1, BuildFixedAccelerators());
    ASSERT_EQ(gApp.AccelTable, CurrentAcceleratorTable());
    std::vector<ACCEL> t = ReadTable(CurrentAcceleratorTable());
    ASSERT_EQ(28u, t.size());
    for (int i = 0; i < 28; i++) {
        EXPECT_EQ(FixedAccelEntry(i, 1), (t[i].fVirt << 8) | t[i].key) << i;
        EXPECT_EQ(FixedAccelEntry(i, 0), t[i].cmd) << i;
    }
    ACCEL one = {FVIRTKEY, VK_F5, 1234};
    ASSERT_EQ(1, ReplaceAcceleratorTable(&one, 1));
    ASSERT_EQ(1u, ReadTable(CurrentAcceleratorTable()).size());
    EXPECT_EQ(0, ReplaceAcceleratorTable(nullptr, 0));  // failed: no table at all
    EXPECT_EQ(nullptr, CurrentAcceleratorTable());
    ASSERT_EQ(1, BuildFixedAccelerators());
    DestroyAcceleratorTableAtExit();
    EXPECT_EQ(nullptr, gApp.AccelTable);
}

TEST_F(KeyBindingsWin, BindingsPutCopyKeysFirstAndNumberThem) {
    AddKey(CopyKindText, 0x0243, 0);   // Ctrl+C
    AddKey(CopyKindSeparator, 0, 0);
    AddKey(CopyKindImage, 0x0F47, 0);  // Windows+Shift+Ctrl+Alt+G
    ASSERT_EQ(1, ApplyCopyKeyBindings());
    EXPECT_EQ(3, gSettings.CopyKeyCount);
    std::vector<ACCEL> t = ReadTable(gApp.AccelTable);
    ASSERT_EQ(31u, t.size());
    const BYTE flags[] = {FVIRTKEY | FCONTROL, FVIRTKEY, FVIRTKEY | FSHIFT | FCONTROL | FALT};
    const WORD keys[] = {'C', 0, 'G'};
    for (int i = 0; i < 3; i++) {
        EXPECT_EQ(flags[i], t[i].fVirt) << i;
        EXPECT_EQ(keys[i], t[i].key) << i;
        EXPECT_EQ(45000 + i, t[i].cmd) << i;
        CopyKey k;
        ASSERT_EQ(1, GetCopyKey(&gCopyKeys, i, &k));
        EXPECT_EQ(0x8004 + i, k.HotkeyId);
    }
    for (int i = 0; i < 28; i++)
        EXPECT_EQ(FixedAccelEntry(i, 0), t[3 + i].cmd) << i;

    ClearCopyKeys(&gCopyKeys);
    ASSERT_EQ(1, ApplyCopyKeyBindings());
    EXPECT_EQ(28u, ReadTable(gApp.AccelTable).size());
}

TEST_F(KeyBindingsWin, AShortcutTakesThePlaceOfABuiltInKey) {
    AddKey(CopyKindImage, 0x001B, 0);  // Esc
    ASSERT_EQ(1, ApplyCopyKeyBindings());
    MSG msg = {owner, WM_KEYDOWN, VK_ESCAPE, 0x00010001};
    ASSERT_TRUE(TranslateAcceleratorA(owner, gApp.AccelTable, &msg));
    EXPECT_EQ(1, CountMessages(WM_COMMAND, MAKEWPARAM(45000, 1)));
    EXPECT_EQ(0, CountMessages(WM_CLOSE));
    EXPECT_EQ(2, DibWidth(ClipboardDibBytes()));
}

TEST_F(KeyBindingsWin, HotkeysAreRegisteredOnlyWhenSwitchedOnAndReleased) {
    AddKey(CopyKindText, 0x0243, 0x0379);  // Shift+Ctrl+F10
    AddKey(CopyKindText, 0x0031, 0);
    AddKey(CopyKindText, 0x0032, 0x0878);  // Windows+F9
    ApplyCopyKeyBindings();  // InvalidHotkey is 1 by default
    EXPECT_TRUE(ComboIsFree(MOD_SHIFT | MOD_CONTROL, VK_F10));
    EXPECT_TRUE(ComboIsFree(MOD_WIN, VK_F9));

    gSettings.InvalidHotkey = 0;
    ApplyCopyKeyBindings();
    EXPECT_FALSE(ComboIsFree(MOD_SHIFT | MOD_CONTROL, VK_F10));
    EXPECT_FALSE(ComboIsFree(MOD_WIN, VK_F9));
    EXPECT_TRUE(ComboIsFree(MOD_CONTROL, VK_F10));  // only the exact modifiers
    EXPECT_TRUE(ComboIsFree(0, VK_F9));

    EXPECT_EQ(1, ReleaseCopyKeyHotkeys());
    EXPECT_TRUE(ComboIsFree(MOD_SHIFT | MOD_CONTROL, VK_F10));
    EXPECT_TRUE(ComboIsFree(MOD_WIN, VK_F9));
}

TEST_F(KeyBindingsWin, RegisterAndUnregisterOneHotkey) {
    EXPECT_EQ(1, RegisterCopyKeyHotkey(owner, 0x0831, 0x8004));  // Windows+1
    EXPECT_FALSE(ComboIsFree(MOD_WIN, '1'));
    EXPECT_EQ(0, RegisterCopyKeyHotkey(owner, 0x0831, 0x8005));  // taken
    EXPECT_EQ(1, UnregisterCopyKeyHotkey(owner, 0x8004));
    EXPECT_TRUE(ComboIsFree(MOD_WIN, '1'));
    EXPECT_EQ(0, UnregisterCopyKeyHotkey(owner, 0x8004));

    // An empty combo releases the identifier instead.
    ASSERT_EQ(1, RegisterCopyKeyHotkey(owner, 0x0478, 0x8006));  // Alt+F9
    EXPECT_EQ(0, RegisterCopyKeyHotkey(owner, 0, 0x8006));
    EXPECT_TRUE(ComboIsFree(MOD_ALT, VK_F9));
}

TEST_F(KeyBindingsWin, PressedHotkeyRunsItsCopyKeyUntilReleased) {
    AddKey(CopyKindText, 0, 0x0378);   // Shift+Ctrl+F9
    AddKey(CopyKindImage, 0, 0x0379);  // Shift+Ctrl+F10
    gSettings.InvalidHotkey = 0;
    ApplyCopyKeyBindings();
    PressKeys({VK_SHIFT, VK_CONTROL, VK_F10});
    EXPECT_TRUE(WaitUntil([] { return gSettings.HistoryCount == 1; }, 2000));
    EXPECT_EQ(1, CountMessages(WM_HOTKEY, 0x8005));
    EXPECT_EQ(0, CountMessages(WM_HOTKEY, 0x8004));
    EXPECT_EQ(2, DibWidth(ClipboardDibBytes()));

    ReleaseCopyKeyHotkeys();  // as for the options sheet
    PressKeys({VK_SHIFT, VK_CONTROL, VK_F10});
    PumpMessages(300);
    EXPECT_EQ(1, CountMessages(WM_HOTKEY));
    EXPECT_EQ(1, gSettings.HistoryCount);
}

TEST_F(KeyBindingsWin, LayoutNamesKeysAndGivesArrowsTheirPadNames) {
    char name[64];
    ASSERT_GT(LookupLayoutKeyName('C', name, sizeof(name)), 0);
    EXPECT_STREQ("C", name);
    // No extended-key flag: the left arrow is named as the pad's 4 (same scan code).
    UINT scan = MapVirtualKeyA(VK_LEFT, 0);
    char pad4[64] = {};
    char arrow[64] = {};
    GetKeyNameTextA((LONG)(scan << 16), pad4, sizeof(pad4));
    GetKeyNameTextA((LONG)((scan << 16) | (1 << 24)), arrow, sizeof(arrow));
    ASSERT_STRNE(pad4, arrow);
    ASSERT_GT(LookupLayoutKeyName(VK_LEFT, name, sizeof(name)), 0);
    EXPECT_STREQ(pad4, name);
    // Cut to the buffer; no scan code, no name.
    char small[3];
    EXPECT_EQ(2, LookupLayoutKeyName(VK_ESCAPE, small, sizeof(small)));
    EXPECT_EQ(0, LookupLayoutKeyName(0xFF, name, sizeof(name)));
    EXPECT_STREQ("", name);
}

}  // namespace
