#include "MainWindowHarness.h"

#include <string>

#include "app/AppState.h"
#include "app/MainWnd.h"

static std::string SettingsFileBesideExe() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string p = path;
    size_t slash = p.find_last_of('\\');
    return p.substr(0, slash + 1) + "system.ini";
}

static bool gHadSettingsFile = false;

HWND OpenMainWindow(int x, int y, int w, int h) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    InitDefaults(instance);
    gHadSettingsFile = GetFileAttributesA(SettingsFileBesideExe().c_str()) != INVALID_FILE_ATTRIBUTES;
    WNDCLASSA existing;
    if (!GetClassInfoA(instance, MainWindowClass, &existing) && !RegisterMainWindowClass(instance))
        return nullptr;
    gSettings.Left = x;
    gSettings.Top = y;
    gSettings.Width = w;
    gSettings.Height = h;
    gApp.MainWindow = CreateMainWindow(instance);
    if (!gApp.MainWindow)
        return nullptr;
    SetWindowPos(gApp.MainWindow, HWND_NOTOPMOST, x, y, w, h, SWP_FRAMECHANGED | SWP_NOACTIVATE);
    return gApp.MainWindow;
}

void CloseMainWindow(HWND hwnd) {
    if (hwnd)
        DestroyWindow(hwnd);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message != WM_QUIT)
            DispatchMessageA(&msg);
    }
    gApp.MainWindow = nullptr;
    if (!gHadSettingsFile)
        DeleteFileA(SettingsFileBesideExe().c_str());
}

void ResizeMainWindow(HWND hwnd, int w, int h) {
    SetWindowPos(hwnd, nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

PixelImage ReadBackBuffer() {
    // The bitmap is read while no device context holds it.
    SelectObject(gApp.BackBufferDC, gApp.ReplacedBitmap);
    PixelImage image = ReadBitmap(gApp.BackBufferDC, gApp.BackBufferBitmap);
    SelectObject(gApp.BackBufferDC, gApp.BackBufferBitmap);
    return image;
}
