#include "MainWindowHarness.h"

#include <string.h>

#include "app/AppState.h"
#include "app/MainWnd.h"

HWND OpenMainWindow(int x, int y, int w, int h) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    InitDefaults(instance);
    RegisterMainWindowClass(instance);  // fails harmlessly once registered
    gSettings.Left = x;
    gSettings.Top = y;
    gSettings.Width = w;
    gSettings.Height = h;
    gApp.WindowVisible = 0;
    gApp.MainWindow = CreateMainWindow(instance);
    ShowWindow(gApp.MainWindow, SW_SHOWNOACTIVATE);
    gApp.WindowVisible = 1;
    return gApp.MainWindow;
}

void CloseMainWindow(HWND hwnd) {
    DestroyWindow(hwnd);  // none given: fails harmlessly
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message != WM_QUIT)
            DispatchMessageA(&msg);
    }
    gApp.MainWindow = nullptr;
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    strcpy(strrchr(path, '\\') + 1, "system.ini");
    DeleteFileA(path);
}
