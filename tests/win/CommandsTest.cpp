// The accelerator table and the hotkeys the capture keys get, the context
// menu as built for the system and read back item by item, and the
// clipboard tried again while held; a hidden window stands in for the main
// window. (The capture menu: its labels in the core tests, its items by
// real keys in the end-to-end view run.)
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "app/InitDefaults.h"
#include "platform/AppState.h"
#include "app/Commands.h"
#include "app/ContextMenu.h"
#include "copykey/CaptureOutput.h"
#include "copykey/KeyBindings.h"
#include "../support/WineHarness.h"

namespace {

struct Shell : ::testing::Test {
    HWND owner = nullptr;
    void SetUp() override {
        InitDefaults(GetModuleHandleA(nullptr));
        owner = gApp.MainWindow =
            CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 50, 40, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(nullptr, owner);
    }
    void TearDown() override {
        DestroyWindow(owner);
        DestroyAcceleratorTable(gApp.AccelTable);
        ClearCopyKeys(&gCopyKeys);
    }
    // Appends a text capture key with the shortcut and the hotkey.
    static void AddKey(int shortcut, int hotkey) {
        CopyKey k;
        InitCopyKey(&k);
        k.ShortcutKey = shortcut, k.Hotkey = hotkey;
        InsertCopyKey(&gCopyKeys, -1, &k);
    }
};

// The copy keys' accelerators come first, then the built-in keys. Hotkeys
// carry the system's modifier flags: a probe window takes a combination
// only while the program does not hold it. (That they stay off when
// switched off, and come back after the options sheet: the end-to-end
// options runs.)
TEST_F(Shell, CopyKeysGetAcceleratorsFirstAndHotkeysWithTheSystemsModifiers) {
    // Shortcuts Ctrl+C, none, and Windows+Shift+Ctrl+Alt+G (no accelerator
    // flag for Windows).
    const struct { int shortcut, combo; UINT mods; } keys[] = {
        {0x0243, 0x0131, MOD_SHIFT}, {0, 0x0232, MOD_CONTROL}, {0x0F47, 0x0433, MOD_ALT}, {0, 0x0834, MOD_WIN},
        {0, 0x0F35, MOD_SHIFT | MOD_CONTROL | MOD_ALT | MOD_WIN}};
    for (const auto& k : keys)
        AddKey(k.shortcut, k.combo);
    gSettings.InvalidHotkey = 0;
    ASSERT_EQ(1, ApplyCopyKeyBindings());
    // Flags, key and command of each entry as 0xFFKKCCCC; flags are
    // FVIRTKEY 01, FSHIFT 04, FCONTROL 08, FALT 10.
    std::vector<unsigned> want = {0x09430000 | 45000, 0x01000000 | 45001, 0x1D470000 | 45002, 0x01000000 | 45003,
                                  0x01000000 | 45004}, got;
    // Then the built-in keys as their table has them (the readme's key
    // table and the context menu's key labels check its keys), each a
    // virtual key.
    AccelEntry builtIn[FixedAccelCount];
    BuildFixedAccelEntries(builtIn);
    for (const AccelEntry& a : builtIn)
        want.push_back((a.Flags | FVIRTKEY) << 24 | a.Key << 16 | a.Command);
    std::vector<ACCEL> table(CopyAcceleratorTableA(gApp.AccelTable, nullptr, 0));
    CopyAcceleratorTableA(gApp.AccelTable, table.data(), (int)table.size());
    for (const ACCEL& a : table)
        got.push_back(a.fVirt << 24 | a.key << 16 | a.cmd);
    EXPECT_EQ(want, got);

    HWND probe = CreateWindowExA(0, "STATIC", "probe", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    std::string seen;
    auto held = [&] {  // "H" for each combination the probe cannot take
        for (const auto& k : keys)
            seen += RegisterHotKey(probe, 1, k.mods, k.combo & 0xFF) && UnregisterHotKey(probe, 1) ? '-' : 'H';
        seen += ' ';
    };
    held();
    ReleaseCopyKeyHotkeys();
    held();
    EXPECT_EQ("HHHHH ----- ", seen);
    DestroyWindow(probe);
}

// A held clipboard is tried again: released while a capture waits after
// its third attempt, its next attempt opens it.
TEST_F(Shell, HeldClipboardIsTriedAgain) {
    static std::atomic<int> waits;
    static std::atomic<bool> released;
    ASSERT_TRUE(OpenClipboard(nullptr));  // held by this thread
    int opened = -1;
    std::thread retry([&] {
        opened = OpenClipboardPatiently(owner, [](int failedAttempts) {
            for (waits = failedAttempts; failedAttempts == 3 && !released;)
                Sleep(1);
        });
        CloseClipboard();
    });
    for (int ms = 0; waits < 3 && ms < 5000; ms++)
        Sleep(1);
    CloseClipboard();
    released = true;
    retry.join();
    EXPECT_TRUE(opened == 1 && waits == 3) << opened << " " << waits;
}

// "text=id" per item ("-" for a separator, ">" and no id for a submenu),
// "*" when checked, "o" when a radio item, "~" when grey, each followed by
// "|".
std::string Describe(HMENU menu) {
    std::string out;
    for (int i = 0; i < GetMenuItemCount(menu); i++) {
        char text[256] = {};
        GetMenuStringA(menu, i, text, sizeof(text), MF_BYPOSITION);
        UINT state = GetMenuState(menu, i, MF_BYPOSITION), id = GetMenuItemID(menu, i);
        MENUITEMINFOA info = {};
        info.cbSize = sizeof(info), info.fMask = MIIM_FTYPE;
        GetMenuItemInfoA(menu, i, TRUE, &info);
        // A submenu's state has its item count in the high byte; a separator is reported grey.
        out += id == (UINT)-1          ? ">" + std::string(text) + "|"
               : state & MF_SEPARATOR ? std::string("-|")
                                      : text + ("=" + std::to_string(id)) + (state & MF_CHECKED ? "*" : "") +
                                            (info.fType & MFT_RADIOCHECK ? "o" : "") +
                                            (state & MF_GRAYED ? "~" : "") + "|";
    }
    return out;
}

TEST_F(Shell, ContextMenuShowsItemsChecksAndGreyState) {
    gApp.OsVersionCode = 5, gSettings.WindowAlpha = 1;
    HMENU menu = CreateContextMenu();
    EXPECT_EQ(">拡大率(&Z)|>取得範囲(&A)|-|カーソル(&C)\tAlt+C=41005*|グリッド(&G)\tAlt+G=41006|"
              "座標情報 (&I)\tAlt+I=41007|-|常に手前に表示(&T)\tAlt+T=41002*|半透明表示 (&A)\tAlt+A=41003*|-|"
              "オプション(&O)...\tAlt+O=41008|終了(&X)\tEsc=41001|",
              Describe(menu));
    EXPECT_EQ("1倍(&1)\tNum 1=42001|2倍(&2)\tNum 2=42002*|3倍(&3)\tNum 3=42003|4倍(&4)\tNum 4=42004|"
              "5倍(&5)\tNum 5=42005|6倍(&6)\tNum 6=42006|7倍(&7)\tNum 7=42007|8倍(&8)\tNum 8=42008|"
              "16倍(&9)\tNum 9=42009|32倍(&0)\tNum 0=42010|-|拡大(&U)\tNum +=42011|縮小(&D)\tNum -=42012|",
              Describe(GetSubMenu(menu, 0)));
    // The sampled square's sizes, the current one (1 by default) checked.
    EXPECT_EQ("1 × 1=44001*o|3 × 3=44002o|5 × 5=44003o|7 × 7=44004o|9 × 9=44005o|11 × 11=44006o|13 × 13=44007o|"
              "15 × 15=44008o|",
              Describe(GetSubMenu(menu, 1)));
    DestroyMenu(menu);

    // Before Windows 2000 there is no translucency item; Options greys while open.
    gApp.OsVersionCode = 4, gApp.OptionsOpen = 1;
    gSettings.DispCursor = 0, gSettings.DispGrid = 1, gSettings.DispMouseDownInfo = 1;
    gSettings.WindowTop = 2, gSettings.Zoom = 9;  // only exactly 1 counts as on; 9 has no preset
    gSettings.SampleSize = 13;
    menu = CreateContextMenu();
    EXPECT_EQ(">拡大率(&Z)|>取得範囲(&A)|-|カーソル(&C)\tAlt+C=41005|グリッド(&G)\tAlt+G=41006*|"
              "座標情報 (&I)\tAlt+I=41007*|-|常に手前に表示(&T)\tAlt+T=41002|-|"
              "オプション(&O)...\tAlt+O=41008~|終了(&X)\tEsc=41001|",
              Describe(menu));
    EXPECT_EQ(std::string::npos, Describe(GetSubMenu(menu, 0)).find('*'));
    const std::string sizes = Describe(GetSubMenu(menu, 1));
    EXPECT_TRUE(sizes.find("13 × 13=44007*o|") != std::string::npos && std::count(sizes.begin(), sizes.end(), '*') == 1)
        << sizes;
    DestroyMenu(menu);
}

}  // namespace
