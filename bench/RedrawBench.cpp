// Times RedrawView (which puts its picture on the window) against the least
// the same picture can cost: one StretchBlt of the same source and destination
// sizes from the screen plus the BitBlt of the whole client area to the
// window. Prints microseconds per redraw and the ratio.
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>

#include <algorithm>
#include <vector>

#include "PatternWindow.h"
#include "app/InitDefaults.h"
#include "platform/AppState.h"
#include "core/CommandIds.h"
#include "app/MainWnd.h"
#include "view/RedrawView.h"
#include "view/ViewLayout.h"

static double Now() {
    static LARGE_INTEGER freq = {};
    if (!freq.QuadPart)
        QueryPerformanceFrequency(&freq);
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return (double)t.QuadPart * 1e6 / (double)freq.QuadPart;
}

static void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_TIMER)
            continue;
        DispatchMessageA(&msg);
    }
}

struct Timing {
    double median;
    double mean;
};

// The bare work: the same stretch from the screen and the same copy to
// the window. Returns the operation; the caller times it.
struct Floor {
    ViewLayout l;
    HDC mem = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ old = nullptr;
    HDC screen = nullptr;
};

static void OpenFloor(HWND hwnd, Floor* f) {
    ViewLayoutInput in = {};
    in.Width = gSettings.Width;
    in.Height = gSettings.Height;
    in.FrameWidth = gSettings.FrameWidth;
    in.Zoom = gSettings.Zoom;
    in.DispZoomImage = 1;
    in.DispMouseDownInfo = gSettings.DispMouseDownInfo;
    in.DispColorHistory = gSettings.DispColorHistory;
    in.InfoLineCount = gSettings.InfoLineCount;
    in.InfoFontHeight = InfoFontHeight;
    in.HistorySizeX = gSettings.HistorySizeX;
    in.HistorySizeY = gSettings.HistorySizeY;
    GetCursorPos(&gApp.PointerPos);
    in.PointerX = gApp.PointerPos.x;
    in.PointerY = gApp.PointerPos.y;
    in.ScreenWidth = gApp.ScreenWidth;
    in.ScreenHeight = gApp.ScreenHeight;
    in.HaveScreen = 1;
    ComputeViewLayout(&in, &f->l);
    HDC window = GetDC(hwnd);
    f->mem = CreateCompatibleDC(window);
    f->bitmap = CreateCompatibleBitmap(window, f->l.W, f->l.H);
    ReleaseDC(hwnd, window);
    f->old = SelectObject(f->mem, f->bitmap);
    SetStretchBltMode(f->mem, COLORONCOLOR);
    f->screen = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
}

static void RunFloor(HWND hwnd, const Floor& f) {
    const ViewLayout& l = f.l;
    StretchBlt(f.mem, l.F + l.DX, l.F + l.DY, l.GW, l.GH, f.screen, l.SX, l.SY, l.SW, l.SH,
               SRCCOPY);
    // The window's context is taken for each frame, as a redraw must.
    HDC dc = GetDC(hwnd);
    BitBlt(dc, 0, 0, l.W, l.H, f.mem, 0, 0, SRCCOPY);
    ReleaseDC(hwnd, dc);
    GdiFlush();
}

static void CloseFloor(Floor* f) {
    DeleteDC(f->screen);
    SelectObject(f->mem, f->old);
    DeleteObject(f->bitmap);
    DeleteDC(f->mem);
}

// The two are timed in turns, so that both meet the same load of a shared
// machine.
static void MeasureBoth(HWND hwnd, int rounds, Timing* redraw, Timing* floor) {
    Floor f;
    OpenFloor(hwnd, &f);
    std::vector<double> a, b;
    for (int i = 0; i < rounds + 20; i++) {
        double t0 = Now();
        RedrawView(hwnd);
        GdiFlush();
        double t1 = Now();
        RunFloor(hwnd, f);
        double t2 = Now();
        if (i >= 20) {
            a.push_back(t1 - t0);
            b.push_back(t2 - t1);
        }
    }
    CloseFloor(&f);
    auto summarise = [](std::vector<double>& t) {
        std::sort(t.begin(), t.end());
        double sum = 0;
        for (double v : t)
            sum += v;
        return Timing{t[t.size() / 2], sum / t.size()};
    };
    *redraw = summarise(a);
    *floor = summarise(b);
}

static void Run(HWND hwnd, const char* name, int w, int h, int panel, int rounds) {
    SetWindowPos(hwnd, nullptr, 0, 0, w, h, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    Pump();
    gSettings.DispMouseDownInfo = panel;
    gSettings.DispInfoUser = panel;
    gSettings.InfoLineCount = CountInfoLines(&gSettings);
    Timing floor, redraw;
    MeasureBoth(hwnd, rounds, &redraw, &floor);
    printf("%-28s %4d x %-4d  RedrawView %8.1f us (mean %8.1f)  floor %8.1f us (mean %8.1f)"
           "  ratio %.2f\n",
           name, w, h, redraw.median, redraw.mean, floor.median, floor.mean,
           redraw.median / floor.median);
}

int main(int argc, char** argv) {
    int rounds = argc > 1 ? atoi(argv[1]) : 300;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    InitDefaults(instance);
    RegisterMainWindowClass(instance);
    gSettings.Left = 0;
    gSettings.Top = 0;
    HWND hwnd = gApp.MainWindow = CreateMainWindow(instance);
    if (!hwnd)
        return 1;
    SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 300, 260, SWP_NOACTIVATE);
    KillTimer(hwnd, ViewTimerId);
    int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    HWND pattern = ShowPatternWindow(sw / 2, sh / 2, sw / 2, sh / 2);
    SetCursorPos(sw * 3 / 4, sh * 3 / 4);
    Pump();

    Run(hwnd, "default view, panel off", 300, 260, 0, rounds);
    Run(hwnd, "panel and user line on", 300, 260, 1, rounds);
    Run(hwnd, "default view, panel off", 1000, 800, 0, rounds);
    Run(hwnd, "panel and user line on", 1000, 800, 1, rounds);

    ClosePatternWindow(pattern);
    DestroyWindow(hwnd);
    return 0;
}
