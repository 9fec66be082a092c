#include "app/InitDefaults.h"

#include "platform/OsVersionWin.h"
#include "platform/AppState.h"
#include "view/SamplePoint.h"

static void ReadArrowCursor() {
    gApp.ArrowCursor = LoadCursorA(nullptr, (LPCSTR)IDC_ARROW);
    gApp.CursorHotspotX = 0;
    gApp.CursorHotspotY = 0;
    if (!gApp.ArrowCursor)
        return;
    ICONINFO ii;
    if (GetIconInfo(gApp.ArrowCursor, &ii)) {
        gApp.CursorHotspotX = (int)ii.xHotspot;
        gApp.CursorHotspotY = (int)ii.yHotspot;
        if (ii.hbmMask)
            DeleteObject(ii.hbmMask);
        if (ii.hbmColor)
            DeleteObject(ii.hbmColor);
    }
}

void InitDefaults(HINSTANCE instance) {
    gApp.OsVersionCode = ReadOsVersionCode();
    RefreshMonitors();
    gApp.PointerPos.x = 0;
    gApp.PointerPos.y = 0;

    SetDefaultSettings(&gSettings);
    ClearCopyKeys(&gCopyKeys);

    gApp.BackBufferDC = nullptr;
    gApp.BackBufferBitmap = nullptr;
    gApp.ReplacedBitmap = nullptr;
    gApp.ViewFont = nullptr;
    gApp.ReplacedFont = nullptr;

    ReadArrowCursor();
    gApp.CursorWidth = GetSystemMetrics(SM_CXCURSOR);
    gApp.CursorHeight = GetSystemMetrics(SM_CYCURSOR);

    gApp.OptionsOpen = 0;
    gApp.Instance = instance;
    gApp.MainWindow = nullptr;
    gApp.AccelTable = nullptr;
    gApp.ScreenDC = nullptr;

    gApp.ViewOrigin.left = 1;
    gApp.ViewOrigin.top = 0;
    gApp.ViewOrigin.right = 0;
    gApp.ViewOrigin.bottom = 0;
    gApp.WindowVisible = 1;
    gApp.RedrawElapsed = 0;
    gApp.LastPointerPos.x = -1;
    gApp.LastPointerPos.y = -1;

    ResetPointInfo(&gApp.CapturePointInfo);
    ResetPointInfo(&gApp.ViewPointInfo);
}
