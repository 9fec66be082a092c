// The command handler and the hotkey dispatcher against a real window:
// what each command changes, copy-key commands, and what is ignored.
#include <string.h>

#include "ShellFixture.h"
#include "app/Commands.h"

namespace {

void Command(HWND w, int command) {
    HandleCommand(w, MAKEWPARAM(command, 0), 0);
}

void AddKey(int kind, int width, int shortcut = 0, int hotkey = 0) {
    CopyKey k;
    InitCopyKey(&k);
    k.Kind = kind;
    k.Width = width;
    k.Height = 1;
    k.ShortcutKey = shortcut;
    k.Hotkey = hotkey;
    InsertCopyKey(&gCopyKeys, -1, &k);
}

using Commands = ShellFixture;

TEST_F(Commands, ViewCommandsChangeSettingsAndHalfToneTheStretchMode) {
    Command(owner, CmdGrid);
    Command(owner, CmdFlipV);
    Command(owner, CmdZoom16);
    Command(owner, CmdZoomIn);
    EXPECT_EQ(1, gSettings.DispGrid);
    EXPECT_EQ(1, gSettings.ReversV);
    EXPECT_EQ(17, gSettings.Zoom);

    Command(owner, CmdHalfTone);  // no back buffer yet: the flag alone
    EXPECT_EQ(1, gSettings.HalfTone);
    gApp.BackBufferDC = CreateCompatibleDC(nullptr);
    Command(owner, CmdHalfTone);
    EXPECT_EQ(COLORONCOLOR, GetStretchBltMode(gApp.BackBufferDC));
    Command(owner, CmdHalfTone);
    EXPECT_EQ(HALFTONE, GetStretchBltMode(gApp.BackBufferDC));
    DeleteDC(gApp.BackBufferDC);
    gApp.BackBufferDC = nullptr;
}

TEST_F(Commands, AlwaysOnTopTogglesAndShowsAHiddenWindow) {
    gApp.WindowVisible = 0;
    Command(owner, CmdAlwaysOnTop);
    EXPECT_EQ(0, gSettings.WindowTop);
    EXPECT_FALSE(GetWindowLongA(owner, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(IsWindowVisible(owner));
    EXPECT_EQ(0, gApp.WindowVisible);
    Command(owner, CmdAlwaysOnTop);
    EXPECT_EQ(1, gSettings.WindowTop);
    EXPECT_TRUE(GetWindowLongA(owner, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(Commands, TranslucencyFixPointShowExitAndContextMenu) {
    gApp.OsVersionCode = 4;
    Command(owner, CmdTranslucent);
    EXPECT_EQ(0, gSettings.WindowAlpha);
    gApp.OsVersionCode = 5;
    Command(owner, CmdTranslucent);
    EXPECT_EQ(1, gSettings.WindowAlpha);

    SetCursorPos(123, 45);
    Command(owner, CmdFixPoint);
    SetCursorPos(300, 301);
    Command(owner, CmdFixPoint);
    EXPECT_EQ(0, gSettings.FixMouse);
    EXPECT_EQ(123, gSettings.FixMouseX);  // the last fixed point stays
    EXPECT_EQ(45, gSettings.FixMouseY);

    gApp.WindowVisible = 0;
    Command(owner, CmdShowWindow);
    EXPECT_TRUE(IsWindowVisible(owner));
    EXPECT_EQ(1, gApp.WindowVisible);
    Command(owner, CmdExit);
    EXPECT_EQ(1, CountMessages(WM_CLOSE));  // sent: already there
    Command(owner, CmdContextMenu);
    EXPECT_EQ(0, CountMessages(WM_CONTEXTMENU));  // posted
    PumpMessages(0);
    EXPECT_EQ(1, CountMessages(WM_CONTEXTMENU, 0));
}

TEST_F(Commands, OptionsReleasesResetsAndRebindsAroundTheSheet) {
    AddKey(CopyKindText, 1, 0x0243, 0x0379);  // hotkey Shift+Ctrl+F10
    gSettings.InvalidHotkey = 0;
    strcpy(gApp.CapturePointInfo.ClassName, "sampled");
    Command(owner, CmdOptions);
    EXPECT_STREQ("(classname)", gApp.CapturePointInfo.ClassName);
    EXPECT_EQ(0, gApp.OptionsOpen);
    ASSERT_NE(nullptr, gApp.AccelTable);
    EXPECT_EQ(29, CopyAcceleratorTableA(gApp.AccelTable, nullptr, 0));
    EXPECT_FALSE(RegisterHotKey(nullptr, 0x7000, MOD_SHIFT | MOD_CONTROL, VK_F10)) << "registered again";
}

TEST_F(Commands, CopyKeyCommandsAndHotkeysRunTheirKeyAndNothingBeyond) {
    AddKey(CopyKindImage, 5);
    AddKey(CopyKindImage, 6);
    AddKey(CopyKindImage, 7);
    ApplyCopyKeyBindings();
    Command(owner, 45000 + 2);
    EXPECT_EQ(7, DibWidth(ClipboardDibBytes()));
    HandleHotkey(owner, 0x8004 + 1);
    EXPECT_EQ(6, DibWidth(ClipboardDibBytes()));
    EXPECT_EQ(2, gSettings.HistoryCount);

    PutClipboardText("before");
    Command(owner, 45000 + 3);
    for (int id : {0x8003, 0x8004 + 3, 0, -1})
        HandleHotkey(owner, id);
    EXPECT_EQ("before", ClipboardText());
    EXPECT_EQ(2, gSettings.HistoryCount);
}

TEST_F(Commands, CommandsBeyondTheListChangeNothing) {
    AddKey(CopyKindImage, 5);
    ApplyCopyKeyBindings();
    PutClipboardText("before");
    Settings before = gSettings;
    AppState appBefore = gApp;
    gOwnerMessages.clear();
    for (int c : {0, 1, 32769, 32771, 41000, 41010, 42000, 42013, 43000, 43008, 44999, 45001, 65535})
        Command(owner, c);
    EXPECT_EQ(0, memcmp(&before, &gSettings, sizeof(gSettings)));
    EXPECT_EQ(0, memcmp(&appBefore, &gApp, sizeof(gApp)));
    EXPECT_TRUE(gOwnerMessages.empty());
    EXPECT_EQ("before", ClipboardText());
}

TEST_F(Commands, CopyKeySamplesTheRealPointerEvenWhenTheViewIsFixed) {
    ShowSwatch(RGB(0x20, 0x40, 0x60), 700, 500);
    AddKey(CopyKindImage, 1);
    ApplyCopyKeyBindings();
    gSettings.FixMouse = 1;
    gSettings.FixMouseX = 5;
    SetCursorPos(750, 560);
    ASSERT_EQ(1, RunCopyKey(owner, 0));
    EXPECT_EQ(750, gApp.PointerPos.x);
    EXPECT_EQ(560, gApp.CapturePointInfo.MouseY);
    EXPECT_EQ(0x204060u, DibPixelAt(ClipboardDibBytes(), 0, 0));
    EXPECT_EQ(RGB(0x20, 0x40, 0x60), gSettings.HistoryColor[0]);
}

TEST_F(Commands, SeparatorsMissingKeysAndAHeldClipboardReportFailure) {
    AddKey(CopyKindSeparator, 0, 0x0031);  // a shortcut, possible in a hand-edited file
    AddKey(CopyKindImage, 2);
    ApplyCopyKeyBindings();
    PutClipboardText("before");
    EXPECT_EQ(0, RunCopyKey(owner, 0));
    EXPECT_EQ(0, RunCopyKey(owner, 2));
    EXPECT_EQ(0, RunCopyKey(owner, -1));
    EXPECT_EQ("before", ClipboardText());
    EXPECT_EQ(0, gSettings.HistoryCount);
    {
        ClipboardHolder holder;
        ASSERT_TRUE(holder.Hold());
        EXPECT_EQ(0, RunCopyKey(owner, 1));
    }
    EXPECT_EQ(1, gSettings.HistoryCount);
    EXPECT_EQ(1, RunCopyKey(owner, 1));
}

}  // namespace
