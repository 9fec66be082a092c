// The floor of the idle cost: what an idle magnifier cannot avoid. A hidden
// window with the same 10 ms timer reads the pointer on every tick and,
// every TimerInterval (100 ms by default), reads the source area of the
// default view from the screen into a DIB section.
// bench/idle_cpu.sh compares the program to it.
#include <windows.h>

#include "core/Settings.h"
#include "view/ViewLayout.h"

static HDC gScreen;
static HDC gSource;
static ViewLayout gLayout;
static int gElapsed;
static int gInterval;

static void ReadSource() {
    POINT p;
    GetCursorPos(&p);
    gElapsed += 10;
    if (gElapsed < gInterval)
        return;
    gElapsed = 0;
    BitBlt(gSource, 0, 0, gLayout.NX, gLayout.NY, gScreen, p.x - gLayout.NX / 2,
           p.y - gLayout.NY / 2, SRCCOPY);
}

static LRESULT CALLBACK IdleProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_TIMER) {
        ReadSource();
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

// The source area of the default 300 x 260 view: 149 x 129 pixels at zoom 2.
static void LayOutDefaultView() {
    Settings s;
    SetDefaultSettings(&s);
    gInterval = s.TimerInterval;
    ViewLayoutInput in;
    FillLayoutSettings(&s, &in);
    static MonitorLayout screen;
    ClearMonitorLayout(&screen);
    Rect32 area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    AddMonitor(&screen, area, area, 0, 1);
    in.Monitors = &screen;
    in.HaveScreen = 1;
    ComputeViewLayout(&in, &gLayout);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    LayOutDefaultView();
    gScreen = GetDC(nullptr);
    gSource = CreateCompatibleDC(gScreen);
    BITMAPINFO bi = {{sizeof(BITMAPINFOHEADER), gLayout.NX, -gLayout.NY, 1, 32, BI_RGB}};
    void* bits = nullptr;
    SelectObject(gSource, CreateDIBSection(gSource, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));

    WNDCLASSA wc = {};
    wc.lpfnWndProc = IdleProc;
    wc.hInstance = instance;
    wc.lpszClassName = "MiraboIdleFloor";
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowExA(WS_EX_TOOLWINDOW, wc.lpszClassName, "idle", WS_POPUP, 0, 0, 1, 1,
                                nullptr, nullptr, instance, nullptr);
    SetTimer(hwnd, 101, 10, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
        DispatchMessageA(&msg);
    return 0;
}
