// The run-time state the shell sets up before anything else.
#include <gtest/gtest.h>

#include "app/AppState.h"
#include "app/BuiltinCopyKeys.h"

namespace {

TEST(InitDefaults, SetsRunTimeStateFromTheSystem) {
    memset(&gApp, 0x33, sizeof(gApp));
    gCopyKeys = nullptr;
    InitDefaults(GetModuleHandleA(nullptr));
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), gApp.ScreenWidth);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), gApp.ScreenHeight);
    EXPECT_EQ(GetSystemMetrics(SM_CXCURSOR), gApp.CursorWidth);
    EXPECT_EQ(GetSystemMetrics(SM_CYCURSOR), gApp.CursorHeight);
    EXPECT_NE(nullptr, gApp.ArrowCursor);
    ICONINFO ii;
    ASSERT_TRUE(GetIconInfo(gApp.ArrowCursor, &ii));
    EXPECT_EQ((int)ii.xHotspot, gApp.CursorHotspotX);
    EXPECT_EQ((int)ii.yHotspot, gApp.CursorHotspotY);
    DeleteObject(ii.hbmMask);
    if (ii.hbmColor)
        DeleteObject(ii.hbmColor);

    EXPECT_EQ(GetModuleHandleA(nullptr), gApp.Instance);
    EXPECT_EQ(nullptr, gApp.MainWindow);
    EXPECT_EQ(nullptr, gApp.AccelTable);
    EXPECT_EQ(nullptr, gApp.ScreenDC);
    EXPECT_EQ(nullptr, gApp.BackBufferDC);
    EXPECT_EQ(1, gApp.WindowVisible);
    EXPECT_EQ(0, gApp.OptionsOpen);
    EXPECT_EQ(1, gApp.ViewOrigin.left);
    EXPECT_EQ(0, gApp.ViewOrigin.top);
    EXPECT_EQ(0, gApp.PointerPos.x);
    EXPECT_GE(gApp.OsVersionCode, 5);  // Wine reports an NT version with layered windows

    EXPECT_STREQ("(classname)", gApp.CapturePointInfo.ClassName);
    EXPECT_STREQ("(exefolderpath)", gApp.ViewPointInfo.ExePath);
    EXPECT_EQ(0xFFFFFFu, gApp.ViewPointInfo.Color);
    SYSTEMTIME utc;
    GetSystemTime(&utc);
    EXPECT_EQ(utc.wYear, gApp.CapturePointInfo.Time.Year);

    EXPECT_EQ(100, gSettings.Left);
    EXPECT_EQ(2, gSettings.Zoom);
    EXPECT_EQ(nullptr, gCopyKeys);
    EXPECT_EQ(0, gSettings.CopyKeyCount);
}

}  // namespace
