// A long run of the main window in this process, watched for leaks:
// rounds of 1,000 redraws (panel, user line, grid, every cursor mark and
// several zooms, the pointer moving and the screen changing under it), 50
// captures of each kind (text, plain, inverted and gradient image) and 10
// openings of each menu (the context menu and the capture menu, closed by
// Esc), for at least the given rounds and seconds. After each round it prints the GDI and USER objects the program
// holds (GetGuiResources where the system answers; always the handles the
// program's own code made and has not released, counted through its import
// table), the process's handle count and its working set.
//   soak_bench.exe [rounds [seconds]]   (default 10 rounds and 180 s: at
//       least 10,000 redraws, 500 captures of each kind and 100 openings
//       of each menu)
// The last line compares the first round that ended after one minute with
// the last round: "flat" when nothing grew.
#include <windows.h>
#include <psapi.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <set>

#include "PatternWindow.h"
#include "app/Commands.h"
#include "app/ContextMenu.h"
#include "app/InitDefaults.h"
#include "app/MainWnd.h"
#include "core/CommandIds.h"
#include "platform/AppState.h"
#include "view/RedrawView.h"

namespace {

// Handles the program's code made and has not released, by family.
std::set<void*> gLive[3];
long gMade[3];
enum { LiveGdi, LiveDc, LiveMenu };

void Made(int family, void* h) {
    if (h) {
        gLive[family].insert(h);
        gMade[family]++;
    }
}

void Gone(int family, void* h) {
    gLive[family].erase(h);
}

// The counting stand-ins for the imports. A stand-in calls the real
// function through the pointer the import table held.
#define REAL(name) static decltype(&name) Real##name
REAL(CreatePen);
REAL(CreateSolidBrush);
REAL(CreateCompatibleBitmap);
REAL(CreateDIBSection);
REAL(CreateBitmap);
REAL(CreateFontA);
REAL(DeleteObject);
REAL(CreateCompatibleDC);
REAL(DeleteDC);
REAL(GetDC);
REAL(ReleaseDC);
REAL(CreatePopupMenu);
REAL(DestroyMenu);

HPEN WINAPI CountCreatePen(int a, int b, COLORREF c) {
    HPEN h = RealCreatePen(a, b, c);
    Made(LiveGdi, h);
    return h;
}
HBRUSH WINAPI CountCreateSolidBrush(COLORREF c) {
    HBRUSH h = RealCreateSolidBrush(c);
    Made(LiveGdi, h);
    return h;
}
HBITMAP WINAPI CountCreateCompatibleBitmap(HDC dc, int w, int h) {
    HBITMAP b = RealCreateCompatibleBitmap(dc, w, h);
    Made(LiveGdi, b);
    return b;
}
HBITMAP WINAPI CountCreateDIBSection(HDC dc, const BITMAPINFO* bi, UINT u, void** bits, HANDLE s, DWORD o) {
    HBITMAP b = RealCreateDIBSection(dc, bi, u, bits, s, o);
    Made(LiveGdi, b);
    return b;
}
HBITMAP WINAPI CountCreateBitmap(int w, int h, UINT p, UINT b, const void* bits) {
    HBITMAP r = RealCreateBitmap(w, h, p, b, bits);
    Made(LiveGdi, r);
    return r;
}
HFONT WINAPI CountCreateFontA(int a, int b, int c, int d, int e, DWORD f, DWORD g, DWORD h, DWORD i, DWORD j,
                              DWORD k, DWORD l, DWORD m, LPCSTR n) {
    HFONT r = RealCreateFontA(a, b, c, d, e, f, g, h, i, j, k, l, m, n);
    Made(LiveGdi, r);
    return r;
}
BOOL WINAPI CountDeleteObject(HGDIOBJ h) {
    Gone(LiveGdi, h);
    return RealDeleteObject(h);
}
HDC WINAPI CountCreateCompatibleDC(HDC dc) {
    HDC h = RealCreateCompatibleDC(dc);
    Made(LiveDc, h);
    return h;
}
BOOL WINAPI CountDeleteDC(HDC dc) {
    Gone(LiveDc, dc);
    return RealDeleteDC(dc);
}
HDC WINAPI CountGetDC(HWND w) {
    HDC h = RealGetDC(w);
    Made(LiveDc, h);
    return h;
}
int WINAPI CountReleaseDC(HWND w, HDC dc) {
    Gone(LiveDc, dc);
    return RealReleaseDC(w, dc);
}
HMENU WINAPI CountCreatePopupMenu() {
    HMENU h = RealCreatePopupMenu();
    Made(LiveMenu, h);
    return h;
}
BOOL WINAPI CountDestroyMenu(HMENU h) {
    Gone(LiveMenu, h);
    return RealDestroyMenu(h);
}

struct Hook {
    const char* name;
    void* stand;
    void** real;
};

#define HOOK(name) {#name, (void*)Count##name, (void**)&Real##name}
const Hook kHooks[] = {
    HOOK(CreatePen),          HOOK(CreateSolidBrush),   HOOK(CreateCompatibleBitmap),
    HOOK(CreateDIBSection),   HOOK(CreateBitmap),       HOOK(CreateFontA),
    HOOK(DeleteObject),       HOOK(CreateCompatibleDC), HOOK(DeleteDC),
    HOOK(GetDC),              HOOK(ReleaseDC),          HOOK(CreatePopupMenu),
    HOOK(DestroyMenu),
};

// Points this image's imports of the functions above at the stand-ins.
int HookImports() {
    BYTE* base = (BYTE*)GetModuleHandleA(nullptr);
    IMAGE_NT_HEADERS* nt = (IMAGE_NT_HEADERS*)(base + ((IMAGE_DOS_HEADER*)base)->e_lfanew);
    IMAGE_DATA_DIRECTORY dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    int hooked = 0;
    for (IMAGE_IMPORT_DESCRIPTOR* d = (IMAGE_IMPORT_DESCRIPTOR*)(base + dir.VirtualAddress); d->Name; d++) {
        IMAGE_THUNK_DATA* names = (IMAGE_THUNK_DATA*)(base + d->OriginalFirstThunk);
        IMAGE_THUNK_DATA* slots = (IMAGE_THUNK_DATA*)(base + d->FirstThunk);
        for (; names->u1.AddressOfData; names++, slots++) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal))
                continue;
            const char* name = (const char*)((IMAGE_IMPORT_BY_NAME*)(base + names->u1.AddressOfData))->Name;
            for (const Hook& h : kHooks) {
                if (strcmp(name, h.name) != 0)
                    continue;
                DWORD old;
                VirtualProtect(&slots->u1.Function, sizeof(void*), PAGE_READWRITE, &old);
                *h.real = (void*)slots->u1.Function;
                slots->u1.Function = (ULONG_PTR)h.stand;
                VirtualProtect(&slots->u1.Function, sizeof(void*), old, &old);
                hooked++;
            }
        }
    }
    return hooked;
}

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message != WM_TIMER)
            DispatchMessageA(&msg);
    }
}

// A window of one colour that the soak changes now and then.
LRESULT CALLBACK SolidProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_PAINT)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    SetDCBrushColor(dc, (COLORREF)GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    FillRect(dc, &ps.rcPaint, (HBRUSH)GetStockObject(DC_BRUSH));
    EndPaint(hwnd, &ps);
    return 0;
}

int gCaptures;  // that reached the clipboard

struct Sample {
    double seconds;
    size_t gdi, dcs, menus;
    DWORD guiGdi, guiUser, handles;
    SIZE_T workingSet;
};

Sample Measure(DWORD start) {
    Sample s = {};
    s.seconds = (GetTickCount() - start) / 1000.0;
    // A destroyed menu also destroys its submenus.
    for (auto it = gLive[LiveMenu].begin(); it != gLive[LiveMenu].end();)
        it = IsMenu((HMENU)*it) ? std::next(it) : gLive[LiveMenu].erase(it);
    s.gdi = gLive[LiveGdi].size();
    s.dcs = gLive[LiveDc].size();
    s.menus = gLive[LiveMenu].size();
    s.guiGdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    s.guiUser = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    // Where the system does not count handles, every handle value that
    // still answers is counted.
    if (!GetProcessHandleCount(GetCurrentProcess(), &s.handles) || s.handles == 0) {
        DWORD flags;
        for (ULONG_PTR h = 4; h < 0x10000; h += 4)
            s.handles += GetHandleInformation((HANDLE)h, &flags) != 0;
    }
    PROCESS_MEMORY_COUNTERS pmc = {sizeof(pmc)};
    GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof(pmc));
    s.workingSet = pmc.WorkingSetSize;
    return s;
}

void Print(const char* what, int round, const Sample& s) {
    printf("%s %2d %6.1f s  program GDI objects %zu DCs %zu menus %zu (made %ld, %ld, %ld)"
           "  GetGuiResources GDI %lu USER %lu  handles %lu  working set %lu kB  captures %d\n",
           what, round, s.seconds, s.gdi, s.dcs, s.menus, gMade[LiveGdi], gMade[LiveDc], gMade[LiveMenu],
           s.guiGdi, s.guiUser, s.handles, (unsigned long)(s.workingSet / 1024), gCaptures);
    fflush(stdout);
}

CopyKey MakeKey(int kind, int invert, int gradient) {
    CopyKey k;
    InitCopyKey(&k);
    k.Kind = kind;
    strcpy(k.Format, "#[HEX02R][HEX02G][HEX02B] [CLASSNAME] [EXENAME] \\3");
    k.Width = 32;
    k.Height = 32;
    k.Invert = invert;
    k.Gradient = gradient;
    return k;
}

}  // namespace

int main(int argc, char** argv) {
    int rounds = argc > 1 ? atoi(argv[1]) : 10;
    double minSeconds = argc > 2 ? atof(argv[2]) : 180;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    InitDefaults(instance);
    RegisterMainWindowClass(instance);
    int hooked = HookImports();
    Settings& s = gSettings;
    s.Left = 0, s.Top = 0;
    s.DispMouseDownInfo = 1, s.DispInfoUser = 1, s.DispGrid = 1, s.HistoryCount = 0;
    strcpy(s.DispInfoUserFormat, "[HWND] [CLASSNAME] [TEXT] [EXENAME] [PID] [LEFT] [STYLE] \\2");
    s.InfoLineCount = CountInfoLines(&s);
    const CopyKey keys[] = {MakeKey(CopyKindText, 0, 0), MakeKey(CopyKindImage, 0, 0),
                            MakeKey(CopyKindImage, 1, 0), MakeKey(CopyKindImage, 0, 1)};
    for (const CopyKey& k : keys)
        InsertCopyKey(&gCopyKeys, -1, &k);
    RecountCopyKeys(&s, &gCopyKeys);
    HWND hwnd = gApp.MainWindow = CreateMainWindow(instance);
    if (!hwnd)
        return 1;
    KillTimer(hwnd, ViewTimerId);
    SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 300, 320, SWP_NOACTIVATE | SWP_SHOWWINDOW);

    int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    HWND pattern = ShowPatternWindow(sw / 2, sh / 2, sw / 2, sh / 2 - 10);
    WNDCLASSA wc = {0, SolidProc, 0, 0, instance, nullptr, nullptr, nullptr, nullptr, "MiraboSoakSolid"};
    RegisterClassA(&wc);
    HWND solid = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, wc.lpszClassName, "solid",
                                 WS_POPUP, sw / 2 - 200, sh / 2, 200, 200, nullptr, nullptr, instance, nullptr);
    ShowWindow(solid, SW_SHOWNOACTIVATE);
    Pump();
    printf("soak: %d rounds, %d imports counted\n", rounds, hooked);

    static const int zooms[] = {2, 1, 3, 8, 32};
    DWORD start = GetTickCount();
    Sample minute = {}, last = {};
    int minuteRound = -1;
    // The working set rises and falls with the zoom the rounds cycle
    // through: its highest value in the first minute against its highest
    // in the last five rounds.
    SIZE_T firstMinutePeak = 0, recentPeak[5] = {};
    Print("start", 0, Measure(start));
    for (int r = 1; r <= rounds || (GetTickCount() - start) / 1000.0 < minSeconds; r++) {
        for (int i = 0; i < 1000; i++) {
            SetCursorPos(sw / 2 - 150 + (i * 7) % 300, sh / 2 + 20 + (i * 3) % 150);
            if (i % 25 == 0) {
                SetWindowLongPtrA(solid, GWLP_USERDATA, (LONG_PTR)RGB(i % 256, (r * 40) % 256, 90));
                InvalidateRect(solid, nullptr, FALSE);
                Pump();
            }
            if (i % 100 == 0) {
                s.CursorMode = (i / 100) % 4;
                s.Zoom = zooms[(i / 100 + r) % 5];
                s.ReversH = (i / 200) % 2;
            }
            if (i % 2)
                RefreshView(hwnd);
            else
                RedrawView(hwnd);
        }
        for (int k = 0; k < 4; k++)
            for (int i = 0; i < 50; i++)
                gCaptures += RunCopyKey(hwnd, k);
        for (int i = 0; i < 10; i++) {
            POINT pt = {400, 300};
            PostMessageA(hwnd, WM_KEYDOWN, VK_ESCAPE, 0);
            ShowContextMenu(hwnd, pt);
            PostMessageA(hwnd, WM_KEYDOWN, VK_ESCAPE, 0);
            HandleCommand(hwnd, CmdCaptureMenu, 0);
        }
        Pump();
        last = Measure(start);
        Print("round", r, last);
        if (minuteRound < 0 && last.workingSet > firstMinutePeak)
            firstMinutePeak = last.workingSet;
        recentPeak[r % 5] = last.workingSet;
        if (minuteRound < 0 && last.seconds >= 60) {
            minute = last;
            minuteRound = r;
        }
    }
    if (minuteRound < 0) {
        printf("soak: ended before one minute; compare the rounds above\n");
    } else {
        SIZE_T peak = 0;
        for (SIZE_T v : recentPeak)
            peak = v > peak ? v : peak;
        long long grew = (long long)peak / 1024 - (long long)firstMinutePeak / 1024;
        int flat = last.gdi == minute.gdi && last.dcs == minute.dcs && last.menus == minute.menus &&
                   last.guiGdi == minute.guiGdi && last.guiUser == minute.guiUser && last.handles == minute.handles &&
                   grew <= 256;
        printf("soak: after round %d (%.0f s) and at the end (%.0f s): program GDI objects %zu / %zu, DCs %zu / %zu,"
               " menus %zu / %zu, GetGuiResources %lu,%lu / %lu,%lu, handles %lu / %lu, highest working set %+lld kB: %s\n",
               minuteRound, minute.seconds, last.seconds, minute.gdi, last.gdi, minute.dcs, last.dcs, minute.menus,
               last.menus, minute.guiGdi, minute.guiUser, last.guiGdi, last.guiUser, minute.handles, last.handles,
               grew, flat ? "flat" : "GREW");
    }
    ClearCopyKeys(&gCopyKeys);
    DestroyWindow(solid);
    ClosePatternWindow(pattern);
    DestroyWindow(hwnd);
    // The window saved its settings beside this program.
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    strcpy(strrchr(path, '\\') + 1, "system.ini");
    DeleteFileA(path);
    return 0;
}
