#include "app/Commands.h"

#include "app/ViewCommands.h"
#include "copykey/AccelTable.h"
#include "copykey/CaptureMenu.h"
#include "copykey/CaptureOutput.h"
#include "copykey/Hotkey.h"
#include "copykey/KeyBindings.h"
#include "core/Translucency.h"
#include "options/OptionsSheet.h"
#include "platform/AppState.h"
#include "platform/WindowOpacity.h"
#include "view/BackBuffer.h"
#include "view/ColorHistory.h"
#include "view/RedrawView.h"
#include "view/SamplePoint.h"

static void CmdShowWindowRun(HWND window, int) {
    SetForegroundWindow(window);
    gApp.WindowVisible = 1;
    ShowWindow(window, SW_SHOW);
}

static void CmdExitRun(HWND window, int) {
    SendMessageA(window, WM_CLOSE, 0, 0);
}

// SWP_SHOWWINDOW also brings back a window hidden to the notification area
// (the Window page of the options can post this while it is hidden).
static void CmdAlwaysOnTopRun(HWND window, int) {
    RECT rc;
    GetWindowRect(window, &rc);
    SetWindowPos(window, gSettings.WindowTop == 1 ? HWND_NOTOPMOST : HWND_TOPMOST, rc.left, rc.top,
                 rc.right - rc.left, rc.bottom - rc.top, SWP_SHOWWINDOW);
    gSettings.WindowTop = ToggleFlag(gSettings.WindowTop);
}

static void CmdTranslucentRun(HWND window, int) {
    if (!TranslucencyAvailable(gApp.OsVersionCode))
        return;
    if (gSettings.WindowAlpha == 0)
        SetWindowOpacity(window, gSettings.Opacity, 0);
    else
        SetWindowOpacity(window, OpacityMax, 0);
    // The choice is kept even where the system lacks layered windows.
    gSettings.WindowAlpha = ToggleFlag(gSettings.WindowAlpha);
}

static void ViewCommandRun(HWND window, int command) {
    if (ApplyViewCommand(&gSettings, command) == ViewCommandChanged)
        RedrawView(window);
}

static void CmdHalfToneRun(HWND window, int command) {
    ApplyViewCommand(&gSettings, command);
    ApplyStretchMode();
    RedrawView(window);
}

static void CmdOptionsRun(HWND window, int) {
    // A second sheet over the first (the command can still arrive by a
    // posted message while the sheet is open) would share its pages' state.
    if (gApp.OptionsOpen == 1)
        return;
    // The key editor tests whether a hotkey can be registered, so ours
    // must be out of the way while the sheet is open.
    ReleaseCopyKeyHotkeys();
    // Every preview in the sheet shows the same placeholder sample.
    ResetPointInfo(&gApp.CapturePointInfo);
    gApp.OptionsOpen = 1;
    ShowOptionsSheet(window);
    gApp.OptionsOpen = 0;
    ApplyCopyKeyBindings();
}

static void CmdContextMenuRun(HWND window, int) {
    PostMessageA(window, WM_CONTEXTMENU, 0, 0);
}

// Puts key's capture of CapturePointInfo on the clipboard; 1 when it is
// there. The history takes the colour also when the clipboard stayed held,
// and the view shows the new swatch at once.
static int RunCapture(HWND window, const CopyKey& key) {
    // A separator only structures the menu; its keys (possible in a
    // hand-edited file) capture nothing.
    if (key.Kind != CopyKindText && key.Kind != CopyKindImage)
        return 0;
    int result = PutCaptureOnClipboard(key.Kind == CopyKindText ? 1 : 0, &key);
    if (result != CaptureNotMade)
        RedrawView(window);
    return result == CapturePlaced ? 1 : 0;
}

static void SampleForCapture(POINT pt) {
    SamplePoint(ScreenDC(), gSettings.WebSafeColor, gSettings.SampleSize, pt,
                &gApp.CapturePointInfo);
    NotePreviousColor(&gSettings, &gApp.CapturePointInfo);
}

static void CmdCaptureMenuRun(HWND window, int) {
    // Not PointerPos: the menu's sample is its own.
    POINT pt;
    GetCursorPos(&pt);
    SampleForCapture(pt);
    CopyKey key;
    int index = ShowCaptureMenu(window, pt);
    if (index >= 0 && GetCopyKey(&gCopyKeys, index, &key))
        RunCapture(window, key);
}

static void CmdFixPointRun(HWND window, int) {
    if (gSettings.FixMouse == 0) {
        GetCursorPos(&gApp.PointerPos);
        gSettings.FixMouseX = gApp.PointerPos.x;
        gSettings.FixMouseY = gApp.PointerPos.y;
    }
    gSettings.FixMouse = ToggleFlag(gSettings.FixMouse);
    RedrawView(window);
}

namespace {

typedef void (*CommandHandler)(HWND window, int command);

struct CommandRoute {
    int first;
    int last;
    CommandHandler run;
};

const CommandRoute kRoutes[] = {
    {CmdShowWindow, CmdShowWindow, CmdShowWindowRun},
    {CmdExit, CmdExit, CmdExitRun},
    {CmdAlwaysOnTop, CmdAlwaysOnTop, CmdAlwaysOnTopRun},
    {CmdTranslucent, CmdTranslucent, CmdTranslucentRun},
    {CmdZoomImage, CmdInfo, ViewCommandRun},
    {CmdOptions, CmdOptions, CmdOptionsRun},
    {CmdContextMenu, CmdContextMenu, CmdContextMenuRun},
    {CmdZoom1, CmdZoomOut, ViewCommandRun},
    {CmdCaptureMenu, CmdCaptureMenu, CmdCaptureMenuRun},
    {CmdFixPoint, CmdFixPoint, CmdFixPointRun},
    {CmdInvertColor, CmdFlipV, ViewCommandRun},
    {CmdHalfTone, CmdHalfTone, CmdHalfToneRun},
    {CmdWebSafe, CmdWebSafe, ViewCommandRun},
    {CmdSampleSize1, CmdSampleSize15, ViewCommandRun},
};

}  // namespace

void HandleCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    (void)lParam;
    int command = LOWORD(wParam);
    for (const CommandRoute& r : kRoutes) {
        if (command >= r.first && command <= r.last) {
            r.run(window, command);
            return;
        }
    }
    if (command >= CopyKeyCommandBase && command < CopyKeyCommandBase + gSettings.CopyKeyCount)
        RunCopyKey(window, command - CopyKeyCommandBase);
}

void HandleHotkey(HWND window, int hotkeyId) {
    // HotkeyTestId, one below the base, belongs to the key editor's test.
    if (hotkeyId >= CopyKeyHotkeyBase && hotkeyId < CopyKeyHotkeyBase + gSettings.CopyKeyCount)
        RunCopyKey(window, hotkeyId - CopyKeyHotkeyBase);
}

int RunCopyKey(HWND window, int index) {
    CopyKey key;
    if (!GetCopyKey(&gCopyKeys, index, &key))
        return 0;
    if (key.Kind != CopyKindText && key.Kind != CopyKindImage)
        return 0;
    // The real pointer, also while the view is fixed on a point.
    GetCursorPos(&gApp.PointerPos);
    SampleForCapture(gApp.PointerPos);
    return RunCapture(window, key);
}

int ReleaseCopyKeyHotkeys() {
    RecountCopyKeys(&gSettings, &gCopyKeys);
    for (int i = 0; i < gSettings.CopyKeyCount; i++) {
        CopyKey key;
        if (!GetCopyKey(&gCopyKeys, i, &key))
            break;
        if (key.Hotkey > 0)
            UnregisterCopyKeyHotkey(gApp.MainWindow, key.HotkeyId);
    }
    return 1;
}

int ApplyCopyKeyBindings() {
    RecountCopyKeys(&gSettings, &gCopyKeys);
    for (int i = 0; i < gSettings.CopyKeyCount; i++) {
        CopyKey key;
        if (!GetCopyKey(&gCopyKeys, i, &key))
            break;
        key.HotkeyId = CopyKeyHotkeyBase + i;
        SetCopyKeyFields(&gCopyKeys, i, CopyFieldHotkeyId, &key);
        if (gSettings.InvalidHotkey == 0)
            RegisterCopyKeyHotkey(gApp.MainWindow, key.Hotkey, key.HotkeyId);
    }
    int made = BuildFixedAccelerators();
    if (gSettings.CopyKeyCount <= 0)
        return made;
    int count = AccelEntryCount(gSettings.CopyKeyCount);
    AccelEntry* entries =
        (AccelEntry*)HeapAlloc(GetProcessHeap(), 0, sizeof(AccelEntry) * (size_t)count);
    // Without memory for the merged table the built-in keys at least work.
    if (!entries)
        return 0;
    BuildAccelEntries(&gCopyKeys, gSettings.CopyKeyCount, entries);
    made = ReplaceAcceleratorTable(entries, count);
    HeapFree(GetProcessHeap(), 0, entries);
    return made;
}
