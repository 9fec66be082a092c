#include "platform/AppState.h"

Settings gSettings;
CopyKeyList gCopyKeys;
AppState gApp;

HDC ScreenDC() {
    // Making one costs more than a whole redraw on some systems, so it is
    // kept rather than made per read.
    if (!gApp.ScreenDC)
        gApp.ScreenDC = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
    return gApp.ScreenDC;
}

void ReleaseScreenDC() {
    if (gApp.ScreenDC)
        DeleteDC(gApp.ScreenDC);
    gApp.ScreenDC = nullptr;
}
