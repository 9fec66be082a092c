// Process-wide state of the running program: the settings, the capture-key
// list and the run-time handles of the shell. One thread touches all of it.
#pragma once

#include <windows.h>

#include "core/Settings.h"
#include "core/CopyKeyList.h"
#include "core/PointInfo.h"

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
    RECT VirtualScreen;  // all monitors, read with each new ScreenDC
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

// Handle values as the 32-bit numbers the templates print.
inline uint32_t HandleValue(const void* h) { return (uint32_t)(uintptr_t)h; }

// The display context the view and the samplers read the screen through,
// made when there is none yet (the main window makes it at creation and
// renews it when the display changes), VirtualScreen with it. Null when it
// cannot be made.
HDC ScreenDC();

// Drops the current display context; the next ScreenDC() makes a new one.
void ReleaseScreenDC();
