// Process-wide state of the running program: the settings, the capture-key
// list and the run-time handles of the shell. One thread touches all of it.
#pragma once

#include <windows.h>

#include "core/Settings.h"
#include "core/CopyKeyList.h"
#include "core/MonitorLayout.h"
#include "core/PointInfo.h"

struct AppState {
    HINSTANCE Instance;
    HWND MainWindow;
    HACCEL AccelTable;
    int OsVersionCode;
    MonitorLayout Monitors;  // read at start-up and when the display changes
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

// Handle values as the 32-bit numbers the templates print.
inline uint32_t HandleValue(const void* h) { return (uint32_t)(uintptr_t)h; }

// The display context the view and the samplers read the screen through,
// in screen coordinates (negative left of and above the primary monitor),
// taken when there is none yet (the main window takes it at creation and
// renews it when the display changes). Null when it cannot be had.
HDC ScreenDC();

// Lets go of the current display context; the next ScreenDC() takes a new one.
void ReleaseScreenDC();

// Reads the monitors into gApp.Monitors (at start-up and when the display
// changes; never per redraw).
void RefreshMonitors();
