// Command numbers (the low word of WM_COMMAND's wParam), hotkey and timer
// identifiers shared by the window, the menus and the accelerators.
#pragma once

enum {
    CmdShowWindow = 32770,  // posted by a second instance

    CmdExit = 41001,
    CmdAlwaysOnTop = 41002,
    CmdTranslucent = 41003,
    CmdZoomImage = 41004,
    CmdCursor = 41005,
    CmdGrid = 41006,
    CmdInfo = 41007,
    CmdOptions = 41008,
    CmdContextMenu = 41009,

    CmdZoom1 = 42001,
    CmdZoom2 = 42002,
    CmdZoom3 = 42003,
    CmdZoom4 = 42004,
    CmdZoom5 = 42005,
    CmdZoom6 = 42006,
    CmdZoom7 = 42007,
    CmdZoom8 = 42008,
    CmdZoom16 = 42009,
    CmdZoom32 = 42010,
    CmdZoomIn = 42011,
    CmdZoomOut = 42012,

    CmdCaptureMenu = 43001,
    CmdFixPoint = 43002,
    CmdInvertColor = 43003,
    CmdFlipH = 43004,
    CmdFlipV = 43005,
    CmdHalfTone = 43006,
    CmdWebSafe = 43007,

    // One per area-sample size: CmdSampleSize1 + i chooses SampleSizes[i].
    CmdSampleSize1 = 44001,
    CmdSampleSize15 = 44008,
};

// The main window's class, which also names the single-instance mutex, and
// its title, which is also the notification-area tip.
inline constexpr char MainWindowClass[] = "MiraboMainFrame";
inline constexpr char MainWindowTitle[] = "Mirabo";

enum {
    ViewTimerId = 101,
    ViewTimerPeriod = 10,  // milliseconds
    TrayIconId = 201,
    TrayCallbackMessage = 0x8001,  // WM_APP + 1
};
