// system.ini with the real program: read at start, written back at exit.
#include <gtest/gtest.h>

#include <string>

#include "../support/FullSettingsFile.h"
#include "../support/WineHarness.h"

namespace {

// Starts and closes the program in a fresh folder holding the given
// system.ini (none for null); the file it leaves behind.
std::string FileAfterARun(const char* name, const char* initial) {
    std::string dir = MakeRunDir(name);
    if (initial)
        EXPECT_TRUE(WriteWholeFile(dir + "\\system.ini", initial));
    MiraboProcess p;
    EXPECT_TRUE(StartMirabo(&p, dir));
    EXPECT_EQ(0, CloseMirabo(&p));
    std::string s;
    EXPECT_TRUE(ReadWholeFile(dir + "\\system.ini", &s));
    return s;
}

TEST(SettingsFile, AHandWrittenFileIsWrittenBackByteForByte) {
    EXPECT_EQ(kFullSettingsFile, FileAfterARun("settings-full", kFullSettingsFile));
}

// A first start runs on the defaults and the twelve built-in keys, with
// the window at its default place, and saves exactly that.
TEST(SettingsFile, AFirstStartSavesTheDefaultsAndTheBuiltinKeys) {
    const char expected[] =
        "[System]\r\nLeft=100\r\nTop=100\r\nWidth=300\r\nHeight=260\r\nWindowTop=1\r\n"
        "WindowAlpha=0\r\nOpacity=80\r\nEndDispoption=0\r\n"
        "CustomColor=#000000,#111111,#222222,#333333,#444444,#555555,#666666,#777777,#888888,"
        "#999999,#AAAAAA,#BBBBBB,#CCCCCC,#DDDDDD,#EEEEEE,#FFFFFF\r\n"
        "BackColorMode=0\r\nBackColor=#EEEEEE\r\nFrameWidth=2\r\nDispZoomImage=1\r\nDispCursor=1\r\n"
        "CursorMode=0\r\nDispGrid=0\r\nZoom=2\r\nTimerInterval=100\r\nMouseMoveRedraw=1\r\n"
        "DispMouseDownInfo=0\r\nDispInfoUser=0\r\n"
        "DispInfoUserFormat=HSV([HSV3H],[HSV3S],[HSV3V]) HLS([HLS3H],[HLS3L],[HLS3S])\r\n"
        "DispInfoColor=1\r\nDispInfoMouse=1\r\nDispInfoHWND=1\r\nDispInfoClass=1\r\n"
        "DispInfoTitle=1\r\nDispInfoArea=1\r\nDispColorHistory=1\r\nHistorySizeX=16\r\n"
        "HistorySizeY=16\r\nHistoryOrder=0\r\nHistoryColor=\r\nFixMouse=0\r\nFixMouseX=0\r\n"
        "FixMouseY=0\r\nReversColor=0\r\nReversH=0\r\nReversV=0\r\nHalfTone=0\r\nWebSafeColor=0\r\n"
        "InvalidHotkey=1\r\nDoubleClickMin=0\r\n\r\n"
        "[CopyKey]\r\n"
        "Key=0,#[HEX02R][HEX02G][HEX02B],32,32,0,0,579,579\r\n"
        "Key=0,RGB([DECR]\\,[DECG]\\,[DECB]),32,32,0,0,49,49\r\n"
        "Key=0,HSV([HSVH]\\,[HSVS]\\,[HSVV]),32,32,0,0,50,50\r\n"
        "Key=0,HLS([HLSH]\\,[HLSL]\\,[HLSS]),32,32,0,0,51,51\r\n"
        "Key=0,YMC([YMCY]\\,[YMCM]\\,[YMCC]),32,32,0,0,52,52\r\n"
        "Key=2,,0,0,0,0,0,0\r\nKey=1,,0,0,0,0,583,583\r\nKey=1,,256,256,0,1,53,53\r\n"
        "Key=1,,256,256,0,3,54,54\r\nKey=1,,32,32,1,0,55,55\r\nKey=2,,0,0,0,0,0,0\r\n"
        "Key=0,[TEXT],32,32,0,0,600,600\r\n\r\n";
    EXPECT_EQ(expected, FileAfterARun("settings-none", nullptr));
}

TEST(SettingsFile, ACopyKeySectionWithoutKeysStaysEmpty) {
    std::string text = FileAfterARun("settings-nokeys", "[System]\r\nZoom=3\r\n[CopyKey]\r\n");
    ASSERT_GT(text.size(), 33u);
    EXPECT_NE(std::string::npos, text.find("\r\nZoom=3\r\n"));
    EXPECT_EQ("DoubleClickMin=0\r\n\r\n[CopyKey]\r\n\r\n", text.substr(text.size() - 33));
}

}  // namespace
