// Process-wide state of the running program: the settings, the capture-key
// list and the run-time handles of the shell. One thread touches all of it.
#pragma once

#include <windows.h>

#include "app/Settings.h"
#include "copykey/CopyKeyList.h"
#include "view/PointInfo.h"

struct AppState {
    HINSTANCE Instance;
    HWND MainWindow;
    HACCEL AccelTable;
    int OsVersionCode;
    int ScreenWidth;
    int ScreenHeight;
    POINT PointerPos;
    int WindowVisible;
    int OptionsOpen;

    HDC ScreenDC;
    HDC BackBufferDC;
    HBITMAP BackBufferBitmap;
    HBITMAP ReplacedBitmap;
    HFONT ViewFont;
    HFONT ReplacedFont;
    RECT ViewOrigin;

    HCURSOR ArrowCursor;
    int CursorHotspotX;
    int CursorHotspotY;
    int CursorWidth;
    int CursorHeight;

    PointInfo CapturePointInfo;  // what the last capture (or capture menu) sampled
    PointInfo ViewPointInfo;     // what the last redraw sampled for the user line

    int RedrawElapsed;     // milliseconds since the last periodic redraw
    POINT LastPointerPos;  // pointer at the last movement check
};

extern Settings gSettings;
extern CopyKeyList gCopyKeys;
extern AppState gApp;

// Defaults of the settings and of the run-time state; runs first at start-up.
void InitDefaults(HINSTANCE instance);

// Handle values as the 32-bit numbers the templates print.
inline uint32_t HandleValue(const void* h) { return (uint32_t)(uintptr_t)h; }
