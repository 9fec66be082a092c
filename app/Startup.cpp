#include "app/Startup.h"

#include "platform/AppState.h"
#include "app/InitDefaults.h"
#include "app/BuiltinCopyKeys.h"
#include "app/Commands.h"
#include "app/MainWnd.h"
#include "copykey/AccelTable.h"
#include "options/OptionsSheet.h"
#include "settings/SettingsFile.h"

static int CheckSingleInstance() {
    // The handle is never closed: the mutex goes with the process.
    CreateMutexA(nullptr, TRUE, MainWindowClass);
    if (GetLastError() != ERROR_ALREADY_EXISTS)
        return 1;
    HWND other = FindWindowA(MainWindowClass, nullptr);
    if (other) {
        SetForegroundWindow(other);
        SetFocus(other);
        PostMessageA(other, WM_COMMAND, CmdShowWindow, 0);
    }
    return 0;
}

// The quit message's value, or 0 when getting a message failed (msg then
// holds nothing to read).
static int RunMessageLoop(HWND mainWindow) {
    MSG msg;
    for (;;) {
        int r = GetMessageA(&msg, nullptr, 0, 0);
        if (r < 0)
            return 0;
        if (r == 0)
            break;
        // The table is read anew for every message: a rebuilt one takes
        // effect with the next key.
        if (gApp.AccelTable && TranslateAcceleratorA(mainWindow, gApp.AccelTable, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return (int)msg.wParam;
}

static bool IsMinimisedShowCommand(int showCmd) {
    return showCmd == SW_SHOWMINIMIZED || showCmd == SW_MINIMIZE || showCmd == SW_SHOWMINNOACTIVE;
}

int RunMirabo(HINSTANCE instance, int showCmd) {
    InitDefaults(instance);
    if (!CheckSingleInstance())
        return 0;
    if (!ReadSettingsFile())
        AddBuiltinCopyKeys(&gCopyKeys);
    InitOptionsControls();
    if (!RegisterMainWindowClass(instance))
        return 0;
    if (IsMinimisedShowCommand(showCmd))
        gApp.WindowVisible = 0;
    gApp.MainWindow = CreateMainWindow(instance);
    if (!gApp.MainWindow)
        return 0;
    SetWindowPos(gApp.MainWindow, gSettings.WindowTop == 1 ? HWND_TOPMOST : HWND_NOTOPMOST,
                 gSettings.Left, gSettings.Top, gSettings.Width, gSettings.Height,
                 SWP_FRAMECHANGED);
    ApplyCopyKeyBindings();
    int code = RunMessageLoop(gApp.MainWindow);
    ClearCopyKeys(&gCopyKeys);
    DestroyAcceleratorTableAtExit();
    return code;
}
