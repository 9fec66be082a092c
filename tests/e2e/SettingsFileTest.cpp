// system.ini with the real program: read at start, written back at exit.
#include <gtest/gtest.h>

#include <string>

#include "../support/DefaultSettingsFile.h"
#include "../support/FullSettingsFile.h"
#include "../support/WineHarness.h"

namespace {

std::string ReadBack(const std::string& dir) {
    std::string s;
    EXPECT_TRUE(ReadWholeFile(dir + "\\system.ini", &s));
    return s;
}

TEST(SettingsFile, AFullFileIsWrittenBackByteForByte) {
    std::string dir = MakeRunDir("settings-full");
    ASSERT_TRUE(WriteWholeFile(dir + "\\system.ini", kFullSettingsFile));
    MiraboProcess p;
    ASSERT_TRUE(StartMirabo(&p, dir));
    RECT rc;
    GetWindowRect(p.hwnd, &rc);
    EXPECT_EQ(150, rc.left);
    EXPECT_EQ(120, rc.top);
    EXPECT_EQ(320, rc.right - rc.left);
    EXPECT_EQ(240, rc.bottom - rc.top);
    EXPECT_FALSE(GetWindowLongA(p.hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);  // WindowTop=0
    EXPECT_EQ(0, CloseMirabo(&p));
    EXPECT_EQ(kFullSettingsFile, ReadBack(dir));
    EXPECT_FALSE(FileExists(dir + "\\system.ini.tmp"));
}

TEST(SettingsFile, WithoutAFileTheBuiltinKeysAreWritten) {
    std::string dir = MakeRunDir("settings-none");
    ASSERT_FALSE(FileExists(dir + "\\system.ini"));
    MiraboProcess p;
    ASSERT_TRUE(StartMirabo(&p, dir));
    EXPECT_EQ(0, CloseMirabo(&p));
    std::string text = ReadBack(dir);
    EXPECT_EQ(kDefaultSettingsFile, text);
    std::string section = text.substr(text.find("[CopyKey]"));
    int keys = 0;
    for (size_t at = section.find("\r\nKey="); at != std::string::npos;
         at = section.find("\r\nKey=", at + 1))
        keys++;
    EXPECT_EQ(12, keys);
}

TEST(SettingsFile, ACopyKeySectionWithoutKeysStaysEmpty) {
    std::string dir = MakeRunDir("settings-nokeys");
    ASSERT_TRUE(WriteWholeFile(dir + "\\system.ini", "[System]\r\nZoom=3\r\n[CopyKey]\r\n"));
    MiraboProcess p;
    ASSERT_TRUE(StartMirabo(&p, dir));
    EXPECT_EQ(0, CloseMirabo(&p));
    std::string text = ReadBack(dir);
    EXPECT_NE(std::string::npos, text.find("\r\nZoom=3\r\n"));
    EXPECT_EQ("DoubleClickMin=0\r\n\r\n[CopyKey]\r\n\r\n", text.substr(text.size() - 33));
}

TEST(SettingsFile, LineFeedOnlyFileIsReadLineByLine) {
    std::string dir = MakeRunDir("settings-lf");
    ASSERT_TRUE(WriteWholeFile(dir + "\\system.ini",
                               "[System]\nLeft=130\nTop=140\nZoom=7\nWindowTop=0\n"
                               "[CopyKey]\nKey=0,a\\,b,32,32,0,0,0,0\nKey=2\n"));
    MiraboProcess p;
    ASSERT_TRUE(StartMirabo(&p, dir));
    RECT rc;
    GetWindowRect(p.hwnd, &rc);
    EXPECT_EQ(130, rc.left);
    EXPECT_EQ(140, rc.top);
    EXPECT_EQ(0, CloseMirabo(&p));
    std::string text = ReadBack(dir);
    EXPECT_EQ(0u, text.find("[System]\r\nLeft=130\r\nTop=140\r\n"));
    EXPECT_NE(std::string::npos, text.find("\r\nWindowTop=0\r\n"));
    EXPECT_NE(std::string::npos, text.find("\r\nZoom=7\r\n"));
    EXPECT_NE(std::string::npos,
              text.find("\r\n[CopyKey]\r\nKey=0,a\\,b,32,32,0,0,0,0\r\nKey=2,,32,32,0,0,0,0\r\n\r\n"));
}

TEST(SettingsFile, ALockedFileIsLeftUntouched) {
    std::string dir = MakeRunDir("settings-locked");
    std::string path = dir + "\\system.ini";
    const std::string old = "[System]\r\nLeft=130\r\nTop=140\r\nZoom=7\r\n[CopyKey]\r\n";
    ASSERT_TRUE(WriteWholeFile(path, old));
    HANDLE lock = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);
    MiraboProcess p;
    ASSERT_TRUE(StartMirabo(&p, dir));
    // The settings could not be read: the window stands at the default place.
    RECT rc;
    GetWindowRect(p.hwnd, &rc);
    EXPECT_EQ(100, rc.left);
    EXPECT_EQ(100, rc.top);
    // Released before the exit: the file is still not overwritten with the
    // defaults the program ran on.
    CloseHandle(lock);
    EXPECT_EQ(0, CloseMirabo(&p));
    EXPECT_EQ(old, ReadBack(dir));
    EXPECT_FALSE(FileExists(path + ".tmp"));
}

}  // namespace
