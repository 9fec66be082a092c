#include "platform/AppState.h"

Settings gSettings;
CopyKeyList gCopyKeys;
AppState gApp;

HDC ScreenDC() {
    // Making one costs more than a whole redraw on some systems, so it is
    // kept rather than made per read.
    if (!gApp.ScreenDC) {
        gApp.ScreenDC = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
        RECT& r = gApp.VirtualScreen;
        r.left = GetSystemMetrics(SM_XVIRTUALSCREEN);
        r.top = GetSystemMetrics(SM_YVIRTUALSCREEN);
        r.right = r.left + GetSystemMetrics(SM_CXVIRTUALSCREEN);
        r.bottom = r.top + GetSystemMetrics(SM_CYVIRTUALSCREEN);
        // Systems without several monitors know only the one screen.
        if (r.right <= r.left || r.bottom <= r.top)
            SetRect(&r, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    }
    return gApp.ScreenDC;
}

void ReleaseScreenDC() {
    if (gApp.ScreenDC)
        DeleteDC(gApp.ScreenDC);
    gApp.ScreenDC = nullptr;
}
