// Starting, ending and the single-instance rule, and system.ini, with the
// real program: read at start, written back at exit.
#include <gtest/gtest.h>

#include <string>

#include "../support/FullSettingsFile.h"
#include "../support/WineHarness.h"

const std::string kDefaultSystem =
    "[System]\r\nLeft=100\r\nTop=100\r\nWidth=300\r\nHeight=260\r\nWindowTop=1\r\nWindowAlpha=0\r\n"
    "Opacity=80\r\nEndDispoption=0\r\nCustomColor=#000000,#111111,#222222,#333333,#444444,#555555,#666666,"
    "#777777,#888888,#999999,#AAAAAA,#BBBBBB,#CCCCCC,#DDDDDD,#EEEEEE,#FFFFFF\r\nBackColorMode=0\r\n"
    "BackColor=#EEEEEE\r\nFrameWidth=2\r\nDispZoomImage=1\r\nDispCursor=1\r\nCursorMode=0\r\nDispGrid=0\r\n"
    "Zoom=2\r\nTimerInterval=100\r\nMouseMoveRedraw=1\r\nDispMouseDownInfo=0\r\nDispInfoUser=0\r\n"
    "DispInfoUserFormat=HSV([HSV3H],[HSV3S],[HSV3V]) HLS([HLS3H],[HLS3L],[HLS3S])\r\nDispInfoColor=1\r\n"
    "DispInfoMouse=1\r\nDispInfoHWND=1\r\nDispInfoClass=1\r\nDispInfoTitle=1\r\nDispInfoArea=1\r\n"
    "DispColorHistory=1\r\nHistorySizeX=16\r\nHistorySizeY=16\r\nHistoryOrder=0\r\nHistoryColor=\r\n"
    "FixMouse=0\r\nFixMouseX=0\r\nFixMouseY=0\r\nReversColor=0\r\nReversH=0\r\nReversV=0\r\nHalfTone=0\r\n"
    "WebSafeColor=0\r\nInvalidHotkey=1\r\nDoubleClickMin=0\r\nSampleSize=1\r\n\r\n[CopyKey]\r\n";
// The twelve built-in keys: text formats on Ctrl+C and 1 to 4, images on
// Ctrl+G and 5 to 7, the information text on Ctrl+X.
const std::string kBuiltinKeys =
    "Key=0,#[HEX02R][HEX02G][HEX02B],32,32,0,0,579,579\r\n"
    "Key=0,RGB([DECR]\\,[DECG]\\,[DECB]),32,32,0,0,49,49\r\n"
    "Key=0,HSV([HSVH]\\,[HSVS]\\,[HSVV]),32,32,0,0,50,50\r\n"
    "Key=0,HLS([HLSH]\\,[HLSL]\\,[HLSS]),32,32,0,0,51,51\r\n"
    "Key=0,YMC([YMCY]\\,[YMCM]\\,[YMCC]),32,32,0,0,52,52\r\nKey=2,,0,0,0,0,0,0\r\n"
    "Key=1,,0,0,0,0,583,583\r\nKey=1,,256,256,0,1,53,53\r\nKey=1,,256,256,0,3,54,54\r\n"
    "Key=1,,32,32,1,0,55,55\r\nKey=2,,0,0,0,0,0,0\r\nKey=0,[TEXT],32,32,0,0,600,600\r\n";

// A second start ends at once with 0 and brings the first window forward,
// also when that one was hidden or started minimised (which keeps it hidden).
// Each first start reads system.ini and writes it back at exit: without
// one the program runs on the defaults and the built-in keys and saves
// them; a hand-written file comes back byte for byte; a file that has no
// keys keeps none, also once the program wrote it.
TEST(Startup, SingleInstanceEndsWithZeroAndSystemIniIsWrittenBackAsRead) {
    std::string dir = MakeRunDir("startup");
    // A window of the test's own holds the foreground until the second start.
    HWND other = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, 0, 0, 0, 0);
    const struct { int showCmd; const char* initial; std::string saved; } runs[] = {
        {SW_SHOWNORMAL, nullptr, kDefaultSystem + kBuiltinKeys + "\r\n"},
        {SW_SHOWMINNOACTIVE, kFullSettingsFile, kFullSettingsFile},
        {SW_SHOWMINIMIZED, "[CopyKey]\r\n", kDefaultSystem + "\r\n"},
        {SW_MINIMIZE, nullptr, kDefaultSystem + "\r\n"},
    };
    for (const auto& run : runs) {
        if (run.initial)
            ASSERT_TRUE(WriteWholeFile(dir + "\\system.ini", run.initial));
        MiraboProcess first, second;
        ASSERT_TRUE(StartMirabo(&first, dir, run.showCmd)) << run.showCmd;
        const HWND w = first.hwnd;
        // The title, the place and size and that no frame shifts the
        // picture the view test checks, the smoke test the title too.
        if (run.showCmd == SW_SHOWNORMAL) {
            EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(w) != 0; }, 5000));
            const LONG ex = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
            EXPECT_TRUE((GetWindowLongA(w, GWL_EXSTYLE) & ex) == ex && (GetClassLongPtrA(w, GCL_STYLE) & CS_DBLCLKS));
            ShowWindow(w, SW_HIDE);  // as the program hides itself
        }
        SetForegroundWindow(other);
        PumpMessages(300);
        EXPECT_TRUE(!IsWindowVisible(w) && GetForegroundWindow() == other) << run.showCmd;
        EXPECT_FALSE(StartMirabo(&second, dir)) << run.showCmd;
        EXPECT_EQ(0, CloseMirabo(&second)) << run.showCmd;
        EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(w) && GetForegroundWindow() == w; }, 5000)) << run.showCmd;
        EXPECT_EQ(0, CloseMirabo(&first)) << run.showCmd;
        EXPECT_EQ(run.saved, ReadWholeFile(dir + "\\system.ini")) << run.showCmd;
    }
    DestroyWindow(other);
}
