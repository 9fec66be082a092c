#include <windows.h>

#include "platform/MonitorLayoutWin.h"

// shcore.dll's GetDpiForMonitor, from Windows 8.1 on; looked up at run time.
typedef HRESULT(WINAPI* GetDpiForMonitorProc)(HMONITOR, int, UINT*, UINT*);
enum { EffectiveDpi = 0 };  // MDT_EFFECTIVE_DPI

static Rect32 ToRect32(const RECT& r) {
    Rect32 out = {r.left, r.top, r.right, r.bottom};
    return out;
}

struct MonitorReading {
    MonitorLayout* Layout;
    GetDpiForMonitorProc GetDpi;
};

static BOOL CALLBACK AddEnumeratedMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    MonitorReading* r = (MonitorReading*)data;
    MONITORINFO info;
    info.cbSize = sizeof(info);
    if (!GetMonitorInfoA(monitor, &info))
        return TRUE;
    UINT dpiX = 0, dpiY = 0;
    if (!r->GetDpi || r->GetDpi(monitor, EffectiveDpi, &dpiX, &dpiY) != S_OK)
        dpiX = 0;  // the system's
    AddMonitor(r->Layout, ToRect32(info.rcMonitor), ToRect32(info.rcWork), (int)dpiX,
               (info.dwFlags & MONITORINFOF_PRIMARY) != 0);
    return TRUE;
}

// The scale the system's metrics are given for: a per-monitor aware
// program's screen DC reports the system's, not a monitor's.
static int ReadSystemDpi() {
    HDC screen = GetDC(nullptr);
    int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
    if (screen)
        ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : StandardDpi;
}

void ReadMonitorLayout(MonitorLayout* out) {
    ClearMonitorLayout(out);
    out->SystemDpi = ReadSystemDpi();
    MonitorReading reading = {out, nullptr};
    HMODULE shcore = LoadLibraryA("shcore.dll");
    if (shcore)
        reading.GetDpi = (GetDpiForMonitorProc)(void*)GetProcAddress(shcore, "GetDpiForMonitor");
    EnumDisplayMonitors(nullptr, nullptr, AddEnumeratedMonitor, (LPARAM)&reading);
    if (shcore)
        FreeLibrary(shcore);
    if (out->Count == 0) {
        RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        RECT work;
        if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0))
            work = screen;
        AddMonitor(out, ToRect32(screen), ToRect32(work), 0, 1);
    }
    // The system's own rectangle around all monitors, where it has one.
    RECT v;
    v.left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    v.top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    v.right = v.left + GetSystemMetrics(SM_CXVIRTUALSCREEN);
    v.bottom = v.top + GetSystemMetrics(SM_CYVIRTUALSCREEN);
    if (v.right > v.left && v.bottom > v.top)
        out->Virtual = ToRect32(v);
}
