// system.ini with the real program: read at start, written back at exit.
#include <gtest/gtest.h>

#include <algorithm>
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

// What the twelve hold is the built-in list's business; here they must all
// be written, first to last.
TEST(SettingsFile, WithoutAFileTheTwelveBuiltinKeysAreWritten) {
    std::string text = FileAfterARun("settings-none", nullptr);
    size_t at = text.find("[CopyKey]\r\nKey=0,#[HEX02R][HEX02G][HEX02B],32,32,0,0,579,579\r\n");
    ASSERT_NE(std::string::npos, at);
    EXPECT_EQ(14, std::count(text.begin() + at, text.end(), '\n'));  // header, 12 keys, blank line
    EXPECT_EQ(text.size() - 36, text.find("\r\nKey=0,[TEXT],32,32,0,0,600,600\r\n\r\n"));
}

TEST(SettingsFile, ACopyKeySectionWithoutKeysStaysEmpty) {
    std::string text = FileAfterARun("settings-nokeys", "[System]\r\nZoom=3\r\n[CopyKey]\r\n");
    ASSERT_GT(text.size(), 33u);
    EXPECT_NE(std::string::npos, text.find("\r\nZoom=3\r\n"));
    EXPECT_EQ("DoubleClickMin=0\r\n\r\n[CopyKey]\r\n\r\n", text.substr(text.size() - 33));
}

}  // namespace
