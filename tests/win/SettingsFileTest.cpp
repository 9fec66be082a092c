// Reading and writing system.ini on disk: the file is replaced only by a
// complete new one, and a file that could not be read is never overwritten.
#include <gtest/gtest.h>

#include <string>

#include "../support/WineHarness.h"
#include "app/AppState.h"
#include "app/BuiltinCopyKeys.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsText.h"

namespace {

int AppendToString(void* context, const char* bytes, size_t length) {
    ((std::string*)context)->append(bytes, length);
    return 1;
}

std::string ExpectedFile() {
    std::string out;
    WriteSettingsText(&gSettings, &gCopyKeys, AppendToString, &out);
    return out;
}

struct SettingsFileTest : ::testing::Test {
    std::string dir;
    std::string path;
    std::string temp;

    void SetUp() override {
        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = MakeRunDir((std::string("settings-") + info->name()).c_str());
        path = dir + "\\system.ini";
        temp = path + ".tmp";
        RemoveDirectoryA(temp.c_str());
        SetDefaultSettings(&gSettings);
        ClearCopyKeys(&gCopyKeys);
        gSettingsFileWrite = RealWrite();
        // A missing file: nothing to protect.
        ASSERT_EQ(0, ReadSettingsFileAt((dir + "\\missing.ini").c_str()));
        ASSERT_EQ(0, SettingsFileLeftAlone());
    }
    void TearDown() override {
        gSettingsFileWrite = RealWrite();
        ClearCopyKeys(&gCopyKeys);
        SetDefaultSettings(&gSettings);
    }
    static SettingsFileWriteFn RealWrite() {
        static SettingsFileWriteFn real = gSettingsFileWrite;
        return real;
    }
    std::string FileBytes() {
        std::string s;
        EXPECT_TRUE(ReadWholeFile(path, &s));
        return s;
    }
};

TEST_F(SettingsFileTest, WritesTheWholeFileAndReadsItBack) {
    AddBuiltinCopyKeys(&gCopyKeys);
    gSettings.Zoom = 9;
    strcpy(gSettings.DispInfoUserFormat, "表示 [HEX02R]");
    ASSERT_EQ(1, WriteSettingsFileAt(path.c_str(), nullptr));
    EXPECT_EQ(ExpectedFile(), FileBytes());
    EXPECT_FALSE(FileExists(temp));

    SetDefaultSettings(&gSettings);
    ClearCopyKeys(&gCopyKeys);
    ASSERT_EQ(1, ReadSettingsFileAt(path.c_str()));
    EXPECT_EQ(9, gSettings.Zoom);
    EXPECT_STREQ("表示 [HEX02R]", gSettings.DispInfoUserFormat);
    EXPECT_EQ(12, CountCopyKeys(&gCopyKeys));
    EXPECT_EQ(12, gSettings.CopyKeyCount);
}

TEST_F(SettingsFileTest, LeftAndTopComeFromTheWindowRectangle) {
    HWND w = CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "pos", WS_POPUP, 123, 45, 50, 40,
                             nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, w);
    RECT rc;
    GetWindowRect(w, &rc);
    ASSERT_EQ(1, WriteSettingsFileAt(path.c_str(), w));
    DestroyWindow(w);
    EXPECT_EQ(rc.left, gSettings.Left);
    EXPECT_EQ(rc.top, gSettings.Top);
    std::string text = FileBytes();
    EXPECT_EQ(0u, text.find("[System]\r\nLeft=" + std::to_string(rc.left) + "\r\nTop=" +
                            std::to_string(rc.top) + "\r\n"));
}

TEST_F(SettingsFileTest, ReadsAFileOthersHaveOpenForReading) {
    ASSERT_TRUE(WriteWholeFile(path, "[System]\nZoom=6\n"));
    HANDLE other = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, other);
    EXPECT_EQ(1, ReadSettingsFileAt(path.c_str()));
    CloseHandle(other);
    EXPECT_EQ(6, gSettings.Zoom);
    EXPECT_EQ(0, SettingsFileLeftAlone());
}

// Every write of the file fails in turn: the old file stays whole and the
// temporary file goes.
TEST_F(SettingsFileTest, AFailedWriteLeavesTheOldFile) {
    const std::string old = "[System]\r\nZoom=7\r\n";
    AddBuiltinCopyKeys(&gCopyKeys);
    static int calls;
    static int failAt;
    for (failAt = 0; failAt < 14; failAt++) {
        ASSERT_TRUE(WriteWholeFile(path, old));
        calls = 0;
        gSettingsFileWrite = [](HANDLE file, const char* bytes, DWORD length) -> int {
            if (calls++ == failAt) {
                // Half of the piece reaches the disk before the failure.
                DWORD written = 0;
                WriteFile(file, bytes, length / 2, &written, nullptr);
                return 0;
            }
            return RealWrite()(file, bytes, length);
        };
        EXPECT_EQ(0, WriteSettingsFileAt(path.c_str(), nullptr)) << failAt;
        EXPECT_EQ(failAt + 1, calls);
        EXPECT_EQ(old, FileBytes()) << failAt;
        EXPECT_FALSE(FileExists(temp)) << failAt;
    }
    // With every write going through, the same call replaces the file.
    failAt = -1;
    calls = 0;
    EXPECT_EQ(1, WriteSettingsFileAt(path.c_str(), nullptr));
    EXPECT_EQ(14, calls);
    EXPECT_EQ(ExpectedFile(), FileBytes());
    EXPECT_FALSE(FileExists(temp));
}

TEST_F(SettingsFileTest, NoTemporaryFileMeansNoWriteAndNoNewPosition) {
    const std::string old = "[System]\r\nZoom=7\r\n";
    ASSERT_TRUE(WriteWholeFile(path, old));
    ASSERT_TRUE(CreateDirectoryA(temp.c_str(), nullptr));
    HWND w = CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "pos", WS_POPUP, 300, 200, 50, 40,
                             nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(0, WriteSettingsFileAt(path.c_str(), w));
    DestroyWindow(w);
    RemoveDirectoryA(temp.c_str());
    EXPECT_EQ(100, gSettings.Left);
    EXPECT_EQ(100, gSettings.Top);
    EXPECT_EQ(old, FileBytes());
}

TEST_F(SettingsFileTest, AFileThatCannotBeReplacedStaysAndTheTemporaryGoes) {
    const std::string old = "[System]\r\nZoom=7\r\n";
    ASSERT_TRUE(WriteWholeFile(path, old));
    // Open without delete sharing: the file cannot be replaced meanwhile.
    HANDLE other = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, other);
    EXPECT_EQ(0, WriteSettingsFileAt(path.c_str(), nullptr));
    CloseHandle(other);
    EXPECT_EQ(old, FileBytes());
    EXPECT_FALSE(FileExists(temp));
}

// Another program holds the file shut: the program runs on defaults and
// leaves the user's file alone at exit.
TEST_F(SettingsFileTest, ALockedFileIsNeitherReadNorOverwritten) {
    const std::string old = "[System]\r\nZoom=7\r\n[CopyKey]\r\nKey=0,x\r\n";
    ASSERT_TRUE(WriteWholeFile(path, old));
    HANDLE lock = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);
    EXPECT_EQ(0, ReadSettingsFileAt(path.c_str()));
    EXPECT_EQ(1, SettingsFileLeftAlone());
    EXPECT_EQ(2, gSettings.Zoom);
    EXPECT_EQ(0, CountCopyKeys(&gCopyKeys));
    CloseHandle(lock);

    // Even once the lock is gone, the file read as unreadable is kept.
    gSettings.Zoom = 3;
    EXPECT_EQ(0, WriteSettingsFileAt(path.c_str(), nullptr));
    EXPECT_EQ(old, FileBytes());
    EXPECT_FALSE(FileExists(temp));

    // A later successful read lifts the protection.
    ASSERT_EQ(1, ReadSettingsFileAt(path.c_str()));
    EXPECT_EQ(0, SettingsFileLeftAlone());
    EXPECT_EQ(7, gSettings.Zoom);
    EXPECT_EQ(1, WriteSettingsFileAt(path.c_str(), nullptr));
    EXPECT_EQ(ExpectedFile(), FileBytes());
}

TEST_F(SettingsFileTest, AMissingFileIsCreated) {
    ASSERT_EQ(0, ReadSettingsFileAt(path.c_str()));
    EXPECT_EQ(0, SettingsFileLeftAlone());
    EXPECT_EQ(1, WriteSettingsFileAt(path.c_str(), nullptr));
    EXPECT_EQ(ExpectedFile(), FileBytes());
}

}  // namespace
