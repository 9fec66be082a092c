// The command handler and the hotkey dispatcher against a real window, and
// the accelerator table and hotkeys the capture keys get.
#include <stdio.h>

#include <utility>
#include <vector>

#include "ShellFixture.h"
#include "app/ViewCommands.h"
#include "copykey/Hotkey.h"
#include "copykey/KeyBindings.h"

using Commands = ShellFixture;

TEST_F(Commands, EachCommandReachesItsHandlerAndOtherNumbersDoNothing) {
    AddKey(CopyKindImage, 1);
    AddKey(CopyKindSeparator, 1, "", 0x0031);  // a shortcut, possible in a hand-edited file
    ApplyCopyKeyBindings();
    EmptyTheClipboard();
    AppState appBefore = gApp;
    // The ends of each range of view commands, numbers around them, and
    // capture-key commands of the separator and past the list.
    const int numbers[] = {0, 1, 32769, 32771, 41000, CmdZoomImage, CmdInfo, 41010, 42000, CmdZoom1, CmdZoom32,
                           CmdZoomOut, 42013, 43000, CmdInvertColor, CmdFlipV, CmdWebSafe, 43008, 44999, 45001, 45002, 65535};
    for (int c : numbers) {
        Settings expected = gSettings;
        ApplyViewCommand(&expected, c);  // changes nothing but for view commands
        HandleCommand(owner, c, 0);
        EXPECT_EQ(0, memcmp(&expected, &gSettings, sizeof(Settings))) << c;
    }
    for (int id : {0x8003, 0x8005, 0x8006, 0, -1})
        HandleHotkey(owner, id);
    EXPECT_EQ(0, memcmp(&appBefore, &gApp, sizeof(gApp)));
    EXPECT_EQ("", ClipboardText() + ClipboardDib(0, 0));
}

TEST_F(Commands, HalfToneSetsTheStretchModeTranslucencyNeedsLayeredWindowsFixPointKeepsThePoint) {
    gApp.BackBufferDC = CreateCompatibleDC(nullptr);
    HandleCommand(owner, CmdHalfTone, 0);
    EXPECT_EQ(HALFTONE, GetStretchBltMode(gApp.BackBufferDC));
    HandleCommand(owner, CmdHalfTone, 0);
    EXPECT_EQ(COLORONCOLOR, GetStretchBltMode(gApp.BackBufferDC));
    DeleteDC(gApp.BackBufferDC);
    gApp.OsVersionCode = 4;  // before Windows 2000: ignored
    HandleCommand(owner, CmdTranslucent, 0);
    gApp.OsVersionCode = 5;
    HandleCommand(owner, CmdTranslucent, 0);
    EXPECT_EQ(1, gSettings.WindowAlpha);
    SetCursorPos(123, 45);
    HandleCommand(owner, CmdFixPoint, 0);
    SetCursorPos(300, 301);
    HandleCommand(owner, CmdFixPoint, 0);  // released; the last fixed point stays
    EXPECT_EQ(std::make_pair(123, 45), std::make_pair(gSettings.FixMouseX, gSettings.FixMouseY));
}

// "flags key=command|" per entry, in hex but the command; flags are
// FVIRTKEY 01, FSHIFT 04, FCONTROL 08, FALT 10.
static std::string Entry(int flags, int key, int command) {
    char buf[32];
    snprintf(buf, sizeof(buf), "%02X %02X=%d|", flags, key, command);
    return buf;
}

static std::string AcceleratorTable() {
    std::vector<ACCEL> t(CopyAcceleratorTableA(gApp.AccelTable, nullptr, 0));
    CopyAcceleratorTableA(gApp.AccelTable, t.data(), (int)t.size());
    std::string out;
    for (const ACCEL& a : t)
        out += Entry(a.fVirt, a.key, a.cmd);
    return out;
}

TEST_F(Commands, AcceleratorsPutTheCopyKeysFirstThenTheBuiltInKeys) {
    std::string fixed;
    for (int i = 0; i < FixedAccelCount; i++)
        fixed += Entry(FixedAccelEntry(i, 1) >> 8, FixedAccelEntry(i, 1) & 0xFF, FixedAccelEntry(i, 0));
    AddKey(CopyKindText, 1, "", 0x0243);   // Ctrl+C
    AddKey(CopyKindSeparator, 1);          // no shortcut
    AddKey(CopyKindImage, 1, "", 0x0F47);  // Windows+Shift+Ctrl+Alt+G: no flag for Windows
    ASSERT_EQ(1, ApplyCopyKeyBindings());
    EXPECT_EQ("09 43=45000|01 00=45001|1D 47=45002|" + fixed, AcceleratorTable());
}

// Which of the combinations the test uses someone holds (a trial registration fails).
static std::string HeldCombos() {
    const struct { UINT mods, vk; const char* name; } combos[] = {
        {MOD_SHIFT | MOD_CONTROL, VK_F10, "Shift+Ctrl+F10 "}, {MOD_WIN, VK_F9, "Windows+F9"}};
    std::string out;
    for (const auto& c : combos)
        out += RegisterHotKey(nullptr, 0x7000, c.mods, c.vk) && UnregisterHotKey(nullptr, 0x7000) ? "" : c.name;
    return out;
}

TEST_F(Commands, HotkeysAreRegisteredUnderTheirKeysIdentifiersOnlyWhenSwitchedOn) {
    AddKey(CopyKindText, 1, "", 0, 0x0379);  // Shift+Ctrl+F10
    AddKey(CopyKindText, 1);
    AddKey(CopyKindText, 1, "", 0, 0x0878);  // Windows+F9
    ApplyCopyKeyBindings();                  // InvalidHotkey is 1 by default
    EXPECT_EQ("", HeldCombos());
    gSettings.InvalidHotkey = 0;
    ApplyCopyKeyBindings();
    EXPECT_EQ("Shift+Ctrl+F10 Windows+F9", HeldCombos());
    EXPECT_EQ(1, ReleaseCopyKeyHotkeys());
    EXPECT_EQ("", HeldCombos());
    // Around the options sheet: the placeholder sample, then bound again.
    strcpy(gApp.CapturePointInfo.ClassName, "sampled");
    HandleCommand(owner, CmdOptions, 0);
    EXPECT_STREQ("(classname)", gApp.CapturePointInfo.ClassName);
    EXPECT_EQ("Shift+Ctrl+F10 Windows+F9", HeldCombos());
    // An empty combination releases the identifier; the third key's is 0x8006.
    EXPECT_EQ(0, RegisterCopyKeyHotkey(owner, 0, 0x8006));
    EXPECT_EQ("Shift+Ctrl+F10 ", HeldCombos());
}
