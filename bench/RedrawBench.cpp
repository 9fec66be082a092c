// Times RedrawView against the redraw floor, measured in the same run and
// in turns with it so that both meet the same load of a shared machine.
// The floor is what no redraw can avoid: one pointer read, one read of the
// source area from the screen into a DIB section, one stretch of it into a
// back buffer and one copy of the frame to the window.
//
//   view_bench.exe [rounds]         one "redraw" line per view: medians in
//                                   microseconds and the ratio; then a
//                                   "sample" line per view of 300 x 260:
//                                   the redraw at the largest sampled
//                                   square against one pixel
//   view_bench.exe count [rounds]   the same redraws and floors between
//                                   markers, for a relay trace
//                                   (bench/count_calls.py counts the calls)
//   view_bench.exe calls            single calls timed alone, then the
//                                   default view with one feature changed
//
// Every redraw moves the pointer by one pixel first (outside the timing),
// so each one has a new picture to draw; bench/perf_table.sh runs all
// three modes and prints the table.
#include <windows.h>

#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "PatternWindow.h"
#include "app/InitDefaults.h"
#include "app/MainWnd.h"
#include "core/CommandIds.h"
#include "core/SampleSize.h"
#include "platform/AppState.h"
#include "view/ArrowMark.h"
#include "view/DrawPrimitives.h"
#include "view/RedrawView.h"
#include "view/ViewLayout.h"

namespace {

double Now() {
    static LARGE_INTEGER freq = {};
    if (!freq.QuadPart)
        QueryPerformanceFrequency(&freq);
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return (double)t.QuadPart * 1e6 / (double)freq.QuadPart;
}

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message != WM_TIMER)
            DispatchMessageA(&msg);
    }
}

double Median(std::vector<double> t) {
    std::sort(t.begin(), t.end());
    return t.empty() ? 0 : t[t.size() / 2];
}

// The pointer of round i: two points a pixel apart over the pattern.
POINT PointerOfRound(int i) {
    int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    return POINT{sw * 3 / 4 + (i & 1), sh * 3 / 4};
}

ViewLayout LayoutFor(POINT pointer) {
    ViewLayoutInput in;
    FillLayoutSettings(&gSettings, &in);
    in.DispZoomImage = 1;
    in.PointerX = pointer.x;
    in.PointerY = pointer.y;
    in.Monitors = &gApp.Monitors;
    in.HaveScreen = 1;
    ViewLayout l;
    ComputeViewLayout(&in, &l);
    return l;
}

// A memory DC with a 32-bit top-down DIB section of w x h selected.
struct DibSurface {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ old = nullptr;
    void* bits = nullptr;
};

void OpenDib(DibSurface* s, int w, int h) {
    BITMAPINFO bi = {{sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB}};
    s->dc = CreateCompatibleDC(nullptr);
    s->bitmap = CreateDIBSection(s->dc, &bi, DIB_RGB_COLORS, &s->bits, nullptr, 0);
    s->old = SelectObject(s->dc, s->bitmap);
}

void CloseDib(DibSurface* s) {
    SelectObject(s->dc, s->old);
    DeleteObject(s->bitmap);
    DeleteDC(s->dc);
}

// The floor's surfaces: a back buffer made as the program makes its own,
// a DIB section as large as the source area, the screen's display context
// (the one the program reads through).
struct Floor {
    HDC back = nullptr;
    HBITMAP backBitmap = nullptr;
    HGDIOBJ oldBack = nullptr;
    DibSurface source;
    HDC screen = nullptr;
};

void OpenFloor(HWND hwnd, Floor* f) {
    ViewLayout l = LayoutFor(PointerOfRound(0));
    HDC window = GetDC(hwnd);
    f->back = CreateCompatibleDC(window);
    f->backBitmap = CreateCompatibleBitmap(window, l.W, l.H);
    ReleaseDC(hwnd, window);
    f->oldBack = SelectObject(f->back, f->backBitmap);
    SetStretchBltMode(f->back, COLORONCOLOR);
    OpenDib(&f->source, l.NX, l.NY);
    f->screen = GetDC(nullptr);
}

void RunFloor(HWND hwnd, const Floor& f) {
    POINT p;
    GetCursorPos(&p);
    ViewLayout l = LayoutFor(p);
    BitBlt(f.source.dc, 0, 0, l.NX, l.NY, f.screen, l.SX, l.SY, SRCCOPY);
    StretchBlt(f.back, l.F + l.DX, l.F + l.DY, l.GW, l.GH, f.source.dc, 0, 0, l.NX, l.NY,
               SRCCOPY);
    HDC dc = GetDC(hwnd);
    BitBlt(dc, 0, 0, l.W, l.H, f.back, 0, 0, SRCCOPY);
    ReleaseDC(hwnd, dc);
    GdiFlush();
}

void CloseFloor(Floor* f) {
    ReleaseDC(nullptr, f->screen);
    CloseDib(&f->source);
    SelectObject(f->back, f->oldBack);
    DeleteObject(f->backBitmap);
    DeleteDC(f->back);
}

void Redraw(HWND hwnd) {
    RedrawView(hwnd);
    GdiFlush();
}

// The redraw as the running program makes it when the pointer moved: a
// tick of the view timer between two periodic redraws.
void TimerTick(HWND hwnd) {
    gApp.RedrawElapsed = 0;
    SendMessageA(hwnd, WM_TIMER, ViewTimerId, 0);
    GdiFlush();
}

struct View {
    const char* name;
    int w, h, panel;
};

const View kViews[] = {
    {"300x260-panel-off", 300, 260, 0},
    {"300x260-panel-on", 300, 260, 1},
    {"1000x800-panel-off", 1000, 800, 0},
    {"1000x800-panel-on", 1000, 800, 1},
};

// The default view, or with the panel: every line and the user line on.
void SetUpView(HWND hwnd, const View& v) {
    SetWindowPos(hwnd, nullptr, 0, 0, v.w, v.h, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    Pump();
    gSettings.DispMouseDownInfo = v.panel;
    gSettings.DispInfoUser = v.panel;
    gSettings.InfoLineCount = CountInfoLines(&gSettings);
}

// Times the redraw and the floor in turns, each after its own pointer
// move, the order swapped every round.
void TimeView(HWND hwnd, const View& v, int rounds, const char* label = "redraw",
              void (*redrawOnce)(HWND) = Redraw) {
    SetUpView(hwnd, v);
    Floor f;
    OpenFloor(hwnd, &f);
    std::vector<double> redraw, floor;
    auto timed = [](const std::function<void()>& run) {
        double t0 = Now();
        run();
        return Now() - t0;
    };
    for (int i = 0; i < rounds + 20; i++) {
        for (int k = 0; k < 2; k++) {
            POINT p = PointerOfRound(2 * i + k);
            SetCursorPos(p.x, p.y);
            double t = ((i + k) & 1) ? timed([&] { RunFloor(hwnd, f); })
                                     : timed([&] { redrawOnce(hwnd); });
            if (i >= 20)
                ((i + k) & 1 ? floor : redraw).push_back(t);
        }
    }
    CloseFloor(&f);
    double r = Median(redraw), fl = Median(floor);
    printf("%s %-34s %4d x %-4d redraw %8.1f us floor %8.1f us ratio %.2f\n", label, v.name, v.w,
           v.h, r, fl, r / fl);
    fflush(stdout);
}

// Markers for the relay trace: the calls between "+<what>" and "-" are
// one redraw's or one floor's.
void CountView(HWND hwnd, const View& v, int rounds) {
    SetUpView(hwnd, v);
    Floor f;
    OpenFloor(hwnd, &f);
    char begin[96];
    for (int i = 0; i < rounds + 2; i++) {
        POINT p = PointerOfRound(i);
        SetCursorPos(p.x, p.y);
        snprintf(begin, sizeof(begin), "+redraw %s", v.name);
        OutputDebugStringA(i >= 2 ? begin : "+warm-up");
        Redraw(hwnd);
        OutputDebugStringA("-");
        SetCursorPos(p.x + 1, p.y);
        snprintf(begin, sizeof(begin), "+floor %s", v.name);
        OutputDebugStringA(i >= 2 ? begin : "+warm-up");
        RunFloor(hwnd, f);
        OutputDebugStringA("-");
    }
    CloseFloor(&f);
}

// The redraw at the largest sampled square against one pixel, in the same
// run and in turns: a block of redraws at each size, the order swapped
// every pair of blocks. The first redraw of a block, after the change of
// the setting, draws the whole frame and is left out. The ratio is the
// median of the pairs' ratios, so that a load that comes and goes on a
// shared machine meets both sizes of a pair alike.
void TimeSampleSizes(HWND hwnd, int rounds) {
    const int largest = SampleSizes[SampleSizeCount - 1], block = 5;
    for (const View& v : {kViews[0], kViews[1]}) {
        SetUpView(hwnd, v);
        std::vector<double> all[2], ratios;
        for (int i = 0; i < rounds / 2 + 2; i++) {
            std::vector<double> pair[2];
            for (int k = 0; k < 2; k++) {
                int large = (i + k) & 1;
                gSettings.SampleSize = large ? largest : 1;
                for (int j = 0; j <= block; j++) {
                    POINT p = PointerOfRound(j);
                    SetCursorPos(p.x, p.y);
                    double t0 = Now();
                    Redraw(hwnd);
                    if (j > 0)
                        pair[large].push_back(Now() - t0);
                }
            }
            if (i < 2)
                continue;
            ratios.push_back(Median(pair[1]) / Median(pair[0]));
            for (int k = 0; k < 2; k++)
                all[k].insert(all[k].end(), pair[k].begin(), pair[k].end());
        }
        gSettings.SampleSize = 1;
        printf("sample %-34s %4d x %-4d size 1 %8.1f us size %d %8.1f us ratio %.3f\n", v.name, v.w, v.h,
               Median(all[0]), largest, Median(all[1]), Median(ratios));
        fflush(stdout);
    }
}

// The calls of a redraw at the largest sampled square, for the views of
// 300 x 260 and for a view fixed on a point far from the pointer (where
// the square is read on its own), each also at one pixel.
void CountSampleSizes(HWND hwnd, int rounds) {
    const int largest = SampleSizes[SampleSizeCount - 1];
    const struct {
        const char* name;
        int size, panel, fixed;
    } runs[] = {
        {"300x260-panel-off-size15", largest, 0, 0},
        {"300x260-panel-on-size15", largest, 1, 0},
        {"300x260-fixed-apart-size1", 1, 0, 1},
        {"300x260-fixed-apart-size15", largest, 0, 1},
    };
    for (const auto& r : runs) {
        gSettings.SampleSize = r.size;
        gSettings.FixMouse = r.fixed;
        gSettings.FixMouseX = gSettings.FixMouseY = 40;
        CountView(hwnd, View{r.name, 300, 260, r.panel}, rounds);
    }
    gSettings.SampleSize = 1;
    gSettings.FixMouse = 0;
}

// The default view with one feature changed, timed like the views above:
// what the arrow, the window lines and the text lines add to a redraw.
void TimeVariants(HWND hwnd, int rounds) {
    const struct {
        const char* name;
        int panel;
        void (*change)(Settings*);
        void (*redraw)(HWND);
    } variants[] = {
        {"default (arrow mark)", 0, [](Settings*) {}},
        {"default, timer tick after a move", 0, [](Settings*) {}, TimerTick},
        {"no cursor mark", 0, [](Settings* s) { s->DispCursor = 0; }},
        {"pixel-frame mark", 0, [](Settings* s) { s->CursorMode = 3; }},
        {"panel, user and colour lines only", 1,
         [](Settings* s) {
             s->DispInfoMouse = s->DispInfoHWND = s->DispInfoClass = s->DispInfoTitle = 0;
             s->DispInfoArea = 0;
         }},
        {"panel, no cursor mark", 1, [](Settings* s) { s->DispCursor = 0; }},
        {"panel and user line", 1, [](Settings*) {}},
    };
    Settings saved = gSettings;
    for (const auto& v : variants) {
        gSettings = saved;
        v.change(&gSettings);
        View view = {v.name, 300, 260, v.panel};
        TimeView(hwnd, view, rounds, "variant", v.redraw ? v.redraw : Redraw);
    }
    gSettings = saved;
}

// One call's median over many, each after a pointer move when moving.
void TimeCall(const char* name, int n, const std::function<void()>& run, bool moving = false) {
    std::vector<double> t;
    for (int i = 0; i < n; i++) {
        if (moving) {
            POINT p = PointerOfRound(i);
            SetCursorPos(p.x, p.y);
        }
        double t0 = Now();
        run();
        t.push_back(Now() - t0);
    }
    printf("call %-44s %8.1f us\n", name, Median(t));
    fflush(stdout);
}

// What single calls cost here, alone: the parts a redraw is made of.
void TimeCalls(HWND hwnd, HWND pattern) {
    SetUpView(hwnd, kViews[0]);
    ViewLayout l = LayoutFor(PointerOfRound(0));
    Floor f;
    OpenFloor(hwnd, &f);
    POINT p = PointerOfRound(0);
    SetCursorPos(p.x, p.y);
    Sleep(300);  // the pointer still for longer than Wine trusts its last position
    POINT q;
    const int n = 200;
    TimeCall("GetCursorPos, pointer still", n, [&] { GetCursorPos(&q); });
    TimeCall("GetCursorPos, pointer just moved", n, [&] { GetCursorPos(&q); }, true);
    TimeCall("WindowFromPoint", n, [&] { WindowFromPoint(p); });
    RECT rc;
    DWORD pid;
    char text[264];
    TimeCall("GetWindowRect", n, [&] { GetWindowRect(pattern, &rc); });
    TimeCall("GetWindowThreadProcessId", n, [&] { GetWindowThreadProcessId(pattern, &pid); });
    TimeCall("GetClassNameA", n, [&] { GetClassNameA(pattern, text, 260); });
    TimeCall("GetWindowTextA", n, [&] { GetWindowTextA(pattern, text, 260); });
    TimeCall("GetWindowLongA", n, [&] { GetWindowLongA(pattern, GWL_STYLE); });
    TimeCall("GetPixel on the screen", n, [&] { GetPixel(f.screen, p.x, p.y); });
    char what[96];
    snprintf(what, sizeof(what), "BitBlt %d x %d from the screen to a DIB", l.NX, l.NY);
    TimeCall(what, n, [&] { BitBlt(f.source.dc, 0, 0, l.NX, l.NY, f.screen, l.SX, l.SY, SRCCOPY); });
    snprintf(what, sizeof(what), "StretchBlt %d x %d from the screen", l.NX, l.NY);
    TimeCall(what, n, [&] {
        StretchBlt(f.back, l.F + l.DX, l.F + l.DY, l.GW, l.GH, f.screen, l.SX, l.SY, l.NX, l.NY, SRCCOPY);
    });
    snprintf(what, sizeof(what), "StretchBlt %d x %d from the DIB", l.NX, l.NY);
    TimeCall(what, n, [&] {
        StretchBlt(f.back, l.F + l.DX, l.F + l.DY, l.GW, l.GH, f.source.dc, 0, 0, l.NX, l.NY, SRCCOPY);
    });
    snprintf(what, sizeof(what), "GetDC, BitBlt %d x %d to the window, ReleaseDC", l.W, l.H);
    TimeCall(what, n, [&] {
        HDC dc = GetDC(hwnd);
        BitBlt(dc, 0, 0, l.W, l.H, f.back, 0, 0, SRCCOPY);
        ReleaseDC(hwnd, dc);
    });
    TimeCall("GetDC and ReleaseDC", n, [&] { ReleaseDC(hwnd, GetDC(hwnd)); });
    TimeCall("InvalidateRect", n, [&] { InvalidateRect(hwnd, nullptr, FALSE); });
    TimeCall("DrawIconEx, arrow at zoom 2", n, [&] {
        DrawIconEx(f.back, 100, 100, gApp.ArrowCursor, 2 * gApp.CursorWidth, 2 * gApp.CursorHeight,
                   0, nullptr, DI_NORMAL);
    });
    TimeCall("FillBox (pen, brush, Rectangle)", n, [&] { FillBox(f.back, 10, 10, 50, 20, RGB(1, 2, 3)); });
    TimeCall("TextOutA, 40 characters", n, [&] {
        TextOutA(gApp.BackBufferDC, 3, 3, "Color  #123456 ( 18, 52, 86) 0123456789", 40);
    });
    TimeCall("DrawIconEx, arrow at zoom 1", n, [&] {
        DrawIconEx(f.back, 100, 100, gApp.ArrowCursor, gApp.CursorWidth, gApp.CursorHeight, 0,
                   nullptr, DI_NORMAL);
    });
    TimeCall("DrawArrowMark (the stretched copy), zoom 2", n, [&] {
        DrawArrowMark(f.back, gApp.ArrowCursor, 100, 100, 2 * gApp.CursorWidth,
                      2 * gApp.CursorHeight);
    });
    CloseFloor(&f);
    ValidateRect(hwnd, nullptr);
}

// The window under the pointer belongs to another program, as it mostly
// does for the real magnifier: asking about it then goes through the
// window system. This process shows the pattern until it is ended.
int RunPatternProcess(int x, int y, int w, int h) {
    if (!ShowPatternWindow(x, y, w, h))
        return 1;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
        DispatchMessageA(&msg);
    return 0;
}

HWND StartPatternProcess(const char* self, int x, int y, int w, int h, PROCESS_INFORMATION* pi) {
    char line[MAX_PATH + 64];
    snprintf(line, sizeof(line), "\"%s\" pattern %d %d %d %d", self, x, y, w, h);
    STARTUPINFOA si = {sizeof(si)};
    if (!CreateProcessA(nullptr, line, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, pi))
        return nullptr;
    for (int i = 0; i < 500; i++) {
        HWND hwnd = FindWindowA("MiraboTestPattern", nullptr);
        if (hwnd && IsWindowVisible(hwnd) &&
            ReadPixels(nullptr, x + w / 2, y + h / 2, 1, 1).At(0, 0) == PatternColor(x + w / 2, y + h / 2))
            return hwnd;
        Sleep(20);
    }
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 6 && strcmp(argv[1], "pattern") == 0)
        return RunPatternProcess(atoi(argv[2]), atoi(argv[3]), atoi(argv[4]), atoi(argv[5]));
    const char* mode = argc > 1 && (strcmp(argv[1], "count") == 0 || strcmp(argv[1], "calls") == 0)
                           ? argv[1]
                           : "time";
    int first = strcmp(mode, "time") == 0 ? 1 : 2;
    int rounds = argc > first ? atoi(argv[first]) : (strcmp(mode, "count") == 0 ? 20 : 300);
    if (strcmp(mode, "calls") == 0 && argc <= first)
        rounds = 200;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    InitDefaults(instance);
    RegisterMainWindowClass(instance);
    gSettings.Left = 0;
    gSettings.Top = 0;
    HWND hwnd = gApp.MainWindow = CreateMainWindow(instance);
    if (!hwnd)
        return 1;
    SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 300, 260, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    KillTimer(hwnd, ViewTimerId);
    int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    PROCESS_INFORMATION patternProcess;
    HWND pattern = StartPatternProcess(argv[0], sw / 2, sh / 2, sw / 2, sh / 2, &patternProcess);
    if (!pattern)
        return 1;
    POINT p = PointerOfRound(0);
    SetCursorPos(p.x, p.y);
    Pump();

    if (strcmp(mode, "count") == 0) {
        // Only the calls made from this image count (count_calls.py).
        const BYTE* image = (const BYTE*)instance;
        const IMAGE_NT_HEADERS* nt = (const IMAGE_NT_HEADERS*)(image + ((const IMAGE_DOS_HEADER*)image)->e_lfanew);
        printf("module %llx %lx\n", (unsigned long long)(uintptr_t)image,
               (unsigned long)nt->OptionalHeader.SizeOfImage);
        fflush(stdout);
    }
    if (strcmp(mode, "calls") == 0) {
        TimeCalls(hwnd, pattern);
        TimeVariants(hwnd, rounds);
    } else {
        for (const View& v : kViews) {
            if (strcmp(mode, "count") == 0)
                CountView(hwnd, v, rounds);
            else
                TimeView(hwnd, v, rounds);
        }
        if (strcmp(mode, "count") == 0)
            CountSampleSizes(hwnd, rounds);
        else
            TimeSampleSizes(hwnd, rounds);
    }
    TerminateProcess(patternProcess.hProcess, 0);
    WaitForSingleObject(patternProcess.hProcess, 5000);
    CloseHandle(patternProcess.hProcess);
    CloseHandle(patternProcess.hThread);
    DestroyWindow(hwnd);
    return 0;
}
