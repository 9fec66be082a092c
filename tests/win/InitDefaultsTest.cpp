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
    EXPECT_EQ((std::vector<int>{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                GetSystemMetrics(SM_CXCURSOR), GetSystemMetrics(SM_CYCURSOR), 1, 0}),
              (std::vector<int>{gApp.ScreenWidth, gApp.ScreenHeight, gApp.CursorWidth, gApp.CursorHeight,
                                gApp.WindowVisible, gApp.OptionsOpen}));
    std::vector<const void*> handles(8);  // every other handle is dropped
    handles[0] = GetModuleHandleA(nullptr), handles[1] = LoadCursorA(nullptr, (LPCSTR)IDC_ARROW);
    EXPECT_EQ(handles, (std::vector<const void*>{gApp.Instance, gApp.ArrowCursor, gApp.MainWindow, gApp.AccelTable,
                                                 gApp.ScreenDC, gApp.BackBufferDC, gApp.BackBufferBitmap, gApp.ViewFont}));
    EXPECT_EQ("(classname)(classname)",
              std::string(gApp.CapturePointInfo.ClassName) + gApp.ViewPointInfo.ClassName);
}
