#include "platform/AppState.h"

#include "platform/MonitorLayoutWin.h"

Settings gSettings;
CopyKeyList gCopyKeys;
AppState gApp;

HDC ScreenDC() {
    // Taking one costs more than a whole redraw on some systems, so it is
    // kept rather than taken per read. The screen's own DC: its origin is
    // the primary monitor's top-left corner, on Windows and under Wine
    // alike, so screen coordinates read the right pixels on every monitor.
    // (A DC made by CreateDC("DISPLAY") has Wine put its origin at the
    // virtual screen's corner instead: with a monitor left of the primary
    // every read would land that monitor's width off.)
    if (!gApp.ScreenDC)
        gApp.ScreenDC = GetDC(nullptr);
    return gApp.ScreenDC;
}

void ReleaseScreenDC() {
    if (gApp.ScreenDC)
        ReleaseDC(nullptr, gApp.ScreenDC);
    gApp.ScreenDC = nullptr;
}

void RefreshMonitors() {
    ReadMonitorLayout(&gApp.Monitors);
}
