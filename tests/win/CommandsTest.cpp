// The command handler and the hotkey dispatcher against a real window:
// what each command changes, which commands are ignored, and the copy-key
// commands.
#include <string.h>

#include "ShellFixture.h"
#include "app/Commands.h"
#include "copykey/CaptureOutput.h"

namespace {

void Command(HWND w, int command) {
    HandleCommand(w, MAKEWPARAM(command, 0), 0);
}

void AddImageKey(int w, int h) {
    CopyKey k;
    InitCopyKey(&k);
    k.Kind = CopyKindImage;
    k.Width = w;
    k.Height = h;
    InsertCopyKey(&gCopyKeys, -1, &k);
}

int ClipboardDibWidth() {
    std::vector<unsigned char> dib = ClipboardDibBytes();
    return dib.size() >= 40 ? dib[4] | (dib[5] << 8) : -1;
}

using Commands = ShellFixture;

TEST_F(Commands, ViewTogglesAndZoomChangeTheSettings) {
    Command(owner, CmdGrid);
    EXPECT_EQ(1, gSettings.DispGrid);
    Command(owner, CmdGrid);
    EXPECT_EQ(0, gSettings.DispGrid);
    Command(owner, CmdZoomImage);
    EXPECT_EQ(0, gSettings.DispZoomImage);
    Command(owner, CmdInfo);
    EXPECT_EQ(1, gSettings.DispMouseDownInfo);
    Command(owner, CmdWebSafe);
    EXPECT_EQ(1, gSettings.WebSafeColor);
    Command(owner, CmdFlipV);
    EXPECT_EQ(1, gSettings.ReversV);
    Command(owner, CmdZoom16);
    EXPECT_EQ(16, gSettings.Zoom);
    Command(owner, CmdZoomIn);
    EXPECT_EQ(17, gSettings.Zoom);
    Command(owner, CmdZoom32);
    Command(owner, CmdZoomIn);
    EXPECT_EQ(32, gSettings.Zoom);
    Command(owner, CmdZoom1);
    Command(owner, CmdZoomOut);
    EXPECT_EQ(1, gSettings.Zoom);
}

TEST_F(Commands, HalfToneSetsTheStretchModeOfTheBackBuffer) {
    gApp.BackBufferDC = CreateCompatibleDC(nullptr);
    SetStretchBltMode(gApp.BackBufferDC, COLORONCOLOR);
    Command(owner, CmdHalfTone);
    EXPECT_EQ(1, gSettings.HalfTone);
    EXPECT_EQ(HALFTONE, GetStretchBltMode(gApp.BackBufferDC));
    Command(owner, CmdHalfTone);
    EXPECT_EQ(0, gSettings.HalfTone);
    EXPECT_EQ(COLORONCOLOR, GetStretchBltMode(gApp.BackBufferDC));
    DeleteDC(gApp.BackBufferDC);
    gApp.BackBufferDC = nullptr;
    Command(owner, CmdHalfTone);  // no back buffer yet: the flag alone
    EXPECT_EQ(1, gSettings.HalfTone);
}

TEST_F(Commands, AlwaysOnTopTogglesAndShowsAHiddenWindow) {
    ASSERT_FALSE(IsWindowVisible(owner));
    gApp.WindowVisible = 0;
    ASSERT_EQ(1, gSettings.WindowTop);
    Command(owner, CmdAlwaysOnTop);
    EXPECT_EQ(0, gSettings.WindowTop);
    EXPECT_FALSE(GetWindowLongA(owner, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(IsWindowVisible(owner));
    EXPECT_EQ(0, gApp.WindowVisible);
    Command(owner, CmdAlwaysOnTop);
    EXPECT_EQ(1, gSettings.WindowTop);
    EXPECT_TRUE(GetWindowLongA(owner, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(Commands, TranslucencyNeedsWindows2000) {
    gApp.OsVersionCode = 4;
    Command(owner, CmdTranslucent);
    EXPECT_EQ(0, gSettings.WindowAlpha);
    gApp.OsVersionCode = 5;
    Command(owner, CmdTranslucent);
    EXPECT_EQ(1, gSettings.WindowAlpha);
    Command(owner, CmdTranslucent);
    EXPECT_EQ(0, gSettings.WindowAlpha);
}

TEST_F(Commands, FixPointTakesThePointerAndKeepsItWhenReleased) {
    SetCursorPos(123, 45);
    Command(owner, CmdFixPoint);
    EXPECT_EQ(1, gSettings.FixMouse);
    EXPECT_EQ(123, gSettings.FixMouseX);
    EXPECT_EQ(45, gSettings.FixMouseY);
    SetCursorPos(300, 301);
    Command(owner, CmdFixPoint);
    EXPECT_EQ(0, gSettings.FixMouse);
    EXPECT_EQ(123, gSettings.FixMouseX);
    EXPECT_EQ(45, gSettings.FixMouseY);
}

TEST_F(Commands, ShowExitAndContextMenuReachTheWindow) {
    gApp.WindowVisible = 0;
    Command(owner, CmdShowWindow);
    EXPECT_TRUE(IsWindowVisible(owner));
    EXPECT_EQ(1, gApp.WindowVisible);

    Command(owner, CmdExit);
    EXPECT_EQ(1, CountMessages(WM_CLOSE));  // sent, so already there

    Command(owner, CmdContextMenu);
    EXPECT_EQ(0, CountMessages(WM_CONTEXTMENU));  // posted
    MSG msg;
    while (PeekMessageA(&msg, owner, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
    EXPECT_EQ(1, CountMessages(WM_CONTEXTMENU, 0));
}

TEST_F(Commands, OptionsReleasesResetsAndRebindsAroundTheSheet) {
    CopyKey k;
    InitCopyKey(&k);
    k.Kind = CopyKindText;
    k.ShortcutKey = 0x0243;
    k.Hotkey = 0x0379;  // Shift+Ctrl+F10
    InsertCopyKey(&gCopyKeys, -1, &k);
    gSettings.InvalidHotkey = 0;
    strcpy(gApp.CapturePointInfo.ClassName, "sampled");
    gApp.CapturePointInfo.Color = RGB(1, 2, 3);
    ASSERT_EQ(nullptr, gApp.AccelTable);

    Command(owner, CmdOptions);
    EXPECT_STREQ("(classname)", gApp.CapturePointInfo.ClassName);
    EXPECT_EQ(0xFFFFFFu, gApp.CapturePointInfo.Color);
    EXPECT_EQ(0, gApp.OptionsOpen);
    ASSERT_NE(nullptr, gApp.AccelTable);
    EXPECT_EQ(29, CopyAcceleratorTableA(gApp.AccelTable, nullptr, 0));
    // The hotkey is registered again afterwards.
    EXPECT_FALSE(RegisterHotKey(nullptr, 0x7000, MOD_SHIFT | MOD_CONTROL, VK_F10));
}

TEST_F(Commands, CopyKeyCommandsRunTheirKeyAndNothingBeyondTheList) {
    AddImageKey(5, 1);
    AddImageKey(6, 1);
    AddImageKey(7, 1);
    ApplyCopyKeyBindings();
    Command(owner, 45000 + 2);
    EXPECT_EQ(7, ClipboardDibWidth());
    EXPECT_EQ(1, gSettings.HistoryCount);
    PutClipboardText("before");
    Command(owner, 45000 + 3);
    EXPECT_EQ("before", ClipboardText());
    EXPECT_EQ(1, gSettings.HistoryCount);
    Command(owner, 45000);
    EXPECT_EQ(5, ClipboardDibWidth());
}

TEST_F(Commands, HotkeyIdentifiersRunTheirKeyAndNothingElse) {
    AddImageKey(5, 1);
    AddImageKey(6, 1);
    ApplyCopyKeyBindings();
    HandleHotkey(owner, 0x8004 + 1);
    EXPECT_EQ(6, ClipboardDibWidth());
    PutClipboardText("before");
    for (int id : {0x8003, 0x8004 + 2, 0, -1, 0x8004 + 1000})
        HandleHotkey(owner, id);
    EXPECT_EQ("before", ClipboardText());
    EXPECT_EQ(1, gSettings.HistoryCount);
}

TEST_F(Commands, CommandsBeyondTheListAreIgnored) {
    AddImageKey(5, 1);
    ApplyCopyKeyBindings();
    gApp.BackBufferDC = nullptr;
    PutClipboardText("before");
    Settings before = gSettings;
    AppState appBefore = gApp;
    gOwnerMessages.clear();
    const int others[] = {0, 1, 32769, 32771, 41000, 41010, 42000, 42013, 43000,
                          43008, 44999, 45001, 46000, 65535};
    for (int c : others)
        Command(owner, c);
    EXPECT_EQ(0, memcmp(&before, &gSettings, sizeof(gSettings)));
    EXPECT_EQ(0, memcmp(&appBefore, &gApp, sizeof(gApp)));
    EXPECT_TRUE(gOwnerMessages.empty());
    EXPECT_EQ("before", ClipboardText());
}

TEST_F(Commands, CopyKeySamplesTheRealPointerEvenWhenTheViewIsFixed) {
    ShowSwatch(RGB(0x20, 0x40, 0x60), 700, 500);
    AddImageKey(1, 1);
    ApplyCopyKeyBindings();
    gSettings.FixMouse = 1;
    gSettings.FixMouseX = 5;
    gSettings.FixMouseY = 5;
    SetCursorPos(750, 560);
    ASSERT_EQ(1, RunCopyKey(owner, 0));
    EXPECT_EQ(750, gApp.PointerPos.x);
    EXPECT_EQ(560, gApp.PointerPos.y);
    EXPECT_EQ(750, gApp.CapturePointInfo.MouseX);
    EXPECT_EQ(RGB(0x20, 0x40, 0x60), gApp.CapturePointInfo.Color);
    std::vector<unsigned char> dib = ClipboardDibBytes();
    ASSERT_GE(dib.size(), 44u);
    EXPECT_EQ(0x204060u, DibPixelAt(dib, 0, 0));
    EXPECT_EQ(RGB(0x20, 0x40, 0x60), gSettings.HistoryColor[0]);
}

TEST_F(Commands, SeparatorsAndMissingKeysCaptureNothing) {
    CopyKey sep;
    InitCopyKey(&sep);
    sep.Kind = CopyKindSeparator;
    sep.ShortcutKey = 0x0031;  // possible in a hand-edited file
    InsertCopyKey(&gCopyKeys, -1, &sep);
    ApplyCopyKeyBindings();
    PutClipboardText("before");
    EXPECT_EQ(0, RunCopyKey(owner, 0));
    EXPECT_EQ(0, RunCopyKey(owner, 1));
    EXPECT_EQ(0, RunCopyKey(owner, -1));
    EXPECT_EQ("before", ClipboardText());
    EXPECT_EQ(0, gSettings.HistoryCount);
}

TEST_F(Commands, HeldClipboardMakesTheCopyKeyFail) {
    AddImageKey(2, 2);
    ApplyCopyKeyBindings();
    ClipboardHolder holder;
    ASSERT_TRUE(holder.Hold());
    EXPECT_EQ(0, RunCopyKey(owner, 0));
    holder.Release();
    EXPECT_EQ(1, gSettings.HistoryCount);
    EXPECT_EQ(1, RunCopyKey(owner, 0));
    EXPECT_EQ(2, ClipboardDibWidth());
}

}  // namespace
