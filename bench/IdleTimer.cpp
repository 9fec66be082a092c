// The floor of the idle cost: a hidden window with the same 10 ms timer
// and nothing done per tick. bench/idle_cpu.sh compares the program to it.
#include <windows.h>

static LRESULT CALLBACK IdleProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_TIMER)
        return 0;
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = IdleProc;
    wc.hInstance = instance;
    wc.lpszClassName = "MiraboIdleTimer";
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowExA(WS_EX_TOOLWINDOW, wc.lpszClassName, "idle", WS_POPUP, 0, 0, 1, 1,
                                nullptr, nullptr, instance, nullptr);
    SetTimer(hwnd, 101, 10, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
        DispatchMessageA(&msg);
    return 0;
}
