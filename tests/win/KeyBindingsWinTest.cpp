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
    std::vector<ACCEL> out;
    int n = table ? CopyAcceleratorTableA(table, nullptr, 0) : 0;
    out.resize(n);
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

// True when nobody holds the combination: a trial registration succeeds.
bool ComboIsFree(UINT mods, UINT vk) {
    if (!RegisterHotKey(nullptr, 0x7000, mods, vk))
        return false;
    UnregisterHotKey(nullptr, 0x7000);
    return true;
}

void SendKeys(std::initializer_list<WORD> down) {
    std::vector<INPUT> in;
    for (WORD vk : down) {
        INPUT i = {};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = vk;
        in.push_back(i);
    }
    for (auto it = down.end(); it != down.begin();) {
        INPUT i = {};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = *--it;
        i.ki.dwFlags = KEYEVENTF_KEYUP;
        in.push_back(i);
    }
    SendInput((UINT)in.size(), in.data(), sizeof(INPUT));
}

void Pump(DWORD ms) {
    DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (gApp.AccelTable && TranslateAcceleratorA(gApp.MainWindow, gApp.AccelTable, &msg))
                continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(5);
    } while (GetTickCount() - start < ms);
}

using KeyBindingsWin = ShellFixture;

TEST_F(KeyBindingsWin, FixedTableAloneHoldsTheTwentyEightEntries) {
    ASSERT_EQ(1, BuildFixedAccelerators());
    ASSERT_EQ(gApp.AccelTable, CurrentAcceleratorTable());
    std::vector<ACCEL> t = ReadTable(CurrentAcceleratorTable());
    ASSERT_EQ(28u, t.size());
    for (int i = 0; i < 28; i++) {
        EXPECT_EQ(FixedAccelEntry(i, 1) >> 8, t[i].fVirt) << i;
        EXPECT_EQ(FixedAccelEntry(i, 1) & 0xFF, t[i].key) << i;
        EXPECT_EQ(FixedAccelEntry(i, 0), t[i].cmd) << i;
    }
    EXPECT_EQ(FALT | FVIRTKEY, t[8].fVirt);
    EXPECT_EQ(VK_SPACE, t[8].key);
    EXPECT_EQ(VK_NUMPAD0, t[18].key);
}

TEST_F(KeyBindingsWin, ReplacingAndDestroyingTheTable) {
    ACCEL one = {FVIRTKEY, VK_F5, 1234};
    ASSERT_EQ(1, ReplaceAcceleratorTable(&one, 1));
    std::vector<ACCEL> t = ReadTable(CurrentAcceleratorTable());
    ASSERT_EQ(1u, t.size());
    EXPECT_EQ(1234, t[0].cmd);
    // A failed creation leaves no table at all.
    EXPECT_EQ(0, ReplaceAcceleratorTable(nullptr, 0));
    EXPECT_EQ(nullptr, CurrentAcceleratorTable());
    ASSERT_EQ(1, BuildFixedAccelerators());
    DestroyAcceleratorTableAtExit();
    EXPECT_EQ(nullptr, CurrentAcceleratorTable());
    EXPECT_EQ(nullptr, gApp.AccelTable);
    DestroyAcceleratorTableAtExit();  // nothing left: harmless
}

TEST_F(KeyBindingsWin, BindingsPutCopyKeysBeforeTheBuiltInEntries) {
    AddKey(CopyKindText, 0x0243, 0);             // Ctrl+C
    AddKey(CopyKindSeparator, 0, 0);
    AddKey(CopyKindImage, 0x0F47, 0);            // Windows+Shift+Ctrl+Alt+G
    ASSERT_EQ(1, ApplyCopyKeyBindings());
    EXPECT_EQ(3, gSettings.CopyKeyCount);
    std::vector<ACCEL> t = ReadTable(gApp.AccelTable);
    ASSERT_EQ(31u, t.size());
    EXPECT_EQ(FVIRTKEY | FCONTROL, t[0].fVirt);
    EXPECT_EQ('C', t[0].key);
    EXPECT_EQ(45000, t[0].cmd);
    EXPECT_EQ(FVIRTKEY, t[1].fVirt);
    EXPECT_EQ(0, t[1].key);
    EXPECT_EQ(45001, t[1].cmd);
    EXPECT_EQ(FVIRTKEY | FSHIFT | FCONTROL | FALT, t[2].fVirt);
    EXPECT_EQ('G', t[2].key);
    EXPECT_EQ(45002, t[2].cmd);
    for (int i = 0; i < 28; i++)
        EXPECT_EQ(FixedAccelEntry(i, 0), t[3 + i].cmd) << i;

    // Identifiers follow the list positions.
    for (int i = 0; i < 3; i++) {
        CopyKey k;
        ASSERT_EQ(1, GetCopyKey(&gCopyKeys, i, &k));
        EXPECT_EQ(0x8004 + i, k.HotkeyId);
    }
}

TEST_F(KeyBindingsWin, EmptyListGetsTheFixedTable) {
    ASSERT_EQ(1, ApplyCopyKeyBindings());
    EXPECT_EQ(0, gSettings.CopyKeyCount);
    EXPECT_EQ(28u, ReadTable(gApp.AccelTable).size());
}

TEST_F(KeyBindingsWin, AShortcutTakesThePlaceOfABuiltInKey) {
    AddKey(CopyKindImage, 0x001B, 0);  // Esc
    gSettings.InvalidHotkey = 1;
    ASSERT_EQ(1, ApplyCopyKeyBindings());
    MSG msg = {owner, WM_KEYDOWN, VK_ESCAPE, 0x00010001};
    gOwnerMessages.clear();
    ASSERT_TRUE(TranslateAcceleratorA(owner, gApp.AccelTable, &msg));
    EXPECT_EQ(1, CountMessages(WM_COMMAND, MAKEWPARAM(45000, 1)));
    EXPECT_EQ(0, CountMessages(WM_CLOSE));
    // The capture ran: a 2 x 2 image is on the clipboard.
    std::vector<unsigned char> dib = ClipboardDibBytes();
    ASSERT_GE(dib.size(), 40u);
    EXPECT_EQ(2, dib[4]);
}

TEST_F(KeyBindingsWin, HotkeysAreRegisteredOnlyWhenSwitchedOn) {
    AddKey(CopyKindText, 0x0243, 0x0379);  // hotkey Shift+Ctrl+F10
    AddKey(CopyKindText, 0x0031, 0);       // no hotkey
    AddKey(CopyKindText, 0x0032, 0x0878);  // hotkey Windows+F9
    gSettings.InvalidHotkey = 1;
    ApplyCopyKeyBindings();
    EXPECT_TRUE(ComboIsFree(MOD_SHIFT | MOD_CONTROL, VK_F10));
    EXPECT_TRUE(ComboIsFree(MOD_WIN, VK_F9));

    gSettings.InvalidHotkey = 0;
    ApplyCopyKeyBindings();
    EXPECT_FALSE(ComboIsFree(MOD_SHIFT | MOD_CONTROL, VK_F10));
    EXPECT_FALSE(ComboIsFree(MOD_WIN, VK_F9));
    // Only the exact modifiers are taken.
    EXPECT_TRUE(ComboIsFree(MOD_CONTROL, VK_F10));
    EXPECT_TRUE(ComboIsFree(0, VK_F9));

    EXPECT_EQ(1, ReleaseCopyKeyHotkeys());
    EXPECT_TRUE(ComboIsFree(MOD_SHIFT | MOD_CONTROL, VK_F10));
    EXPECT_TRUE(ComboIsFree(MOD_WIN, VK_F9));
}

TEST_F(KeyBindingsWin, RegisterAndUnregisterOneHotkey) {
    EXPECT_EQ(1, RegisterCopyKeyHotkey(owner, 0x0831, 0x8004));  // Windows+1
    EXPECT_FALSE(ComboIsFree(MOD_WIN, '1'));
    EXPECT_TRUE(ComboIsFree(0, '1'));
    // Taken by another key: refused.
    EXPECT_EQ(0, RegisterCopyKeyHotkey(owner, 0x0831, 0x8005));
    EXPECT_EQ(1, UnregisterCopyKeyHotkey(owner, 0x8004));
    EXPECT_TRUE(ComboIsFree(MOD_WIN, '1'));
    EXPECT_EQ(0, UnregisterCopyKeyHotkey(owner, 0x8004));  // nothing left to release

    // An empty combo releases the identifier instead.
    ASSERT_EQ(1, RegisterCopyKeyHotkey(owner, 0x0478, 0x8006));  // Alt+F9
    EXPECT_FALSE(ComboIsFree(MOD_ALT, VK_F9));
    EXPECT_EQ(0, RegisterCopyKeyHotkey(owner, 0, 0x8006));
    EXPECT_TRUE(ComboIsFree(MOD_ALT, VK_F9));
    EXPECT_EQ(0, RegisterCopyKeyHotkey(owner, -5, 0x8006));
}

TEST_F(KeyBindingsWin, PressedHotkeyRunsItsCopyKey) {
    AddKey(CopyKindText, 0, 0x0378);  // Shift+Ctrl+F9
    AddKey(CopyKindImage, 0, 0x0379);  // Shift+Ctrl+F10
    gSettings.InvalidHotkey = 0;
    ApplyCopyKeyBindings();
    PutClipboardText("before");
    SendKeys({VK_SHIFT, VK_CONTROL, VK_F10});
    Pump(300);
    EXPECT_EQ(1, CountMessages(WM_HOTKEY, 0x8005));
    EXPECT_EQ(0, CountMessages(WM_HOTKEY, 0x8004));
    EXPECT_TRUE(ClipboardHasFormat(CF_DIB));
    EXPECT_EQ(1, gSettings.HistoryCount);

    // Released for the options sheet: the key press does nothing.
    ReleaseCopyKeyHotkeys();
    gOwnerMessages.clear();
    SendKeys({VK_SHIFT, VK_CONTROL, VK_F10});
    Pump(300);
    EXPECT_EQ(0, CountMessages(WM_HOTKEY));
    EXPECT_EQ(1, gSettings.HistoryCount);
}

TEST_F(KeyBindingsWin, LayoutNamesKeysAndGivesArrowsTheirPadNames) {
    char name[64];
    ASSERT_GT(LookupLayoutKeyName('C', name, sizeof(name)), 0);
    EXPECT_STREQ("C", name);
    char left[64];
    char pad4[64];
    ASSERT_GT(LookupLayoutKeyName(VK_LEFT, left, sizeof(left)), 0);
    // The pad's 4 shares the arrow's scan code.
    UINT scan = MapVirtualKeyA(VK_LEFT, 0);
    ASSERT_EQ(0x4Bu, scan);
    ASSERT_GT(GetKeyNameTextA((LONG)(scan << 16), pad4, sizeof(pad4)), 0);
    EXPECT_STREQ(pad4, left) << left;
    // With the extended flag the layout would name the arrow itself.
    char extended[64] = {};
    GetKeyNameTextA((LONG)((scan << 16) | (1 << 24)), extended, 64);
    EXPECT_STRNE(extended, left) << extended;
    // A name longer than the buffer is cut and terminated.
    char small[3];
    ASSERT_GT(LookupLayoutKeyName(VK_ESCAPE, name, sizeof(name)), 2);
    EXPECT_EQ(2, LookupLayoutKeyName(VK_ESCAPE, small, sizeof(small)));
    EXPECT_EQ(0, strncmp(name, small, 2));
    // No scan code: no name.
    EXPECT_EQ(0, LookupLayoutKeyName(0xFF, name, sizeof(name)));
    EXPECT_STREQ("", name);
}

}  // namespace
