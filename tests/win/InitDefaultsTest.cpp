// The run-time state the shell sets up first, whatever was there before
// (the in-process tests run it again and again). The settings it resets are
// what a first start saves, checked with the real program; the system's
// version it reads, by the real program's translucent start.
#include <gtest/gtest.h>

#include <vector>

#include "app/InitDefaults.h"
#include "platform/AppState.h"

TEST(InitDefaults, TakesTheSystemsMeasuresAndDropsEveryOldHandle) {
    memset(&gApp, 0x33, sizeof(gApp));
    InitDefaults(GetModuleHandleA(nullptr));
    // (Wine's arrow has its hot spot at 0,0, so reading it cannot be checked here.)
    // The test desktop has one monitor: the primary screen, its work area
    // as the system gives it, the virtual screen the same.
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const MonitorLayout& m = gApp.Monitors;
    EXPECT_EQ((std::vector<int>{1, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), work.left,
                                work.top, work.right, work.bottom, 0, 0, GetSystemMetrics(SM_CXVIRTUALSCREEN),
                                GetSystemMetrics(SM_CYVIRTUALSCREEN), GetSystemMetrics(SM_CXCURSOR),
                                GetSystemMetrics(SM_CYCURSOR), 1, 0}),
              (std::vector<int>{m.Count, m.Area[0].Left, m.Area[0].Top, m.Area[0].Right, m.Area[0].Bottom,
                                m.Work[0].Left, m.Work[0].Top, m.Work[0].Right, m.Work[0].Bottom, m.Virtual.Left,
                                m.Virtual.Top, m.Virtual.Right, m.Virtual.Bottom, gApp.CursorWidth,
                                gApp.CursorHeight, gApp.WindowVisible, gApp.OptionsOpen}));
    std::vector<const void*> handles(8);  // every other handle is dropped
    handles[0] = GetModuleHandleA(nullptr), handles[1] = LoadCursorA(nullptr, (LPCSTR)IDC_ARROW);
    EXPECT_EQ(handles, (std::vector<const void*>{gApp.Instance, gApp.ArrowCursor, gApp.MainWindow, gApp.AccelTable,
                                                 gApp.ScreenDC, gApp.BackBufferDC, gApp.BackBufferBitmap, gApp.ViewFont}));
    EXPECT_EQ("(classname)(classname)",
              std::string(gApp.CapturePointInfo.ClassName) + gApp.ViewPointInfo.ClassName);
}
