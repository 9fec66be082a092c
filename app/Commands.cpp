#include "app/Commands.h"

#include "app/AppState.h"

static void CmdShowWindowRun(HWND window) {
    SetForegroundWindow(window);
    gApp.WindowVisible = 1;
    ShowWindow(window, SW_SHOW);
}

void HandleCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    (void)lParam;
    switch (LOWORD(wParam)) {
    case CmdShowWindow:
        CmdShowWindowRun(window);
        break;
    case CmdExit:
        SendMessageA(window, WM_CLOSE, 0, 0);
        break;
    default:
        break;
    }
}

void HandleHotkey(HWND window, int hotkeyId) {
    (void)window;
    (void)hotkeyId;
}

int RunCopyKey(HWND window, int index) {
    (void)window;
    (void)index;
    return 0;
}

int ApplyCopyKeyBindings() {
    gSettings.CopyKeyCount = CountCopyKeys(&gCopyKeys);
    return 1;
}

int ReleaseCopyKeyHotkeys() {
    gSettings.CopyKeyCount = CountCopyKeys(&gCopyKeys);
    return 1;
}
