// A small window that stays open for a whole test run. Wine's desktop
// process ends with the last windowed program, and a program started at
// that moment can lose its windows; keeping one window alive avoids that.
#include <windows.h>

static LRESULT CALLBACK KeeperProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = KeeperProc;
    wc.hInstance = instance;
    wc.hbrBackground = (HBRUSH)GetStockObject(GRAY_BRUSH);
    wc.lpszClassName = "MiraboTestKeeper";
    RegisterClassA(&wc);
    // Bottom-right corner, out of the way of the windows the tests place.
    int x = GetSystemMetrics(SM_CXSCREEN) - 8;
    int y = GetSystemMetrics(SM_CYSCREEN) - 8;
    HWND hwnd = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, wc.lpszClassName, "keeper",
                                WS_POPUP | WS_VISIBLE, x, y, 8, 8, nullptr, nullptr, instance, nullptr);
    if (!hwnd)
        return 1;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
