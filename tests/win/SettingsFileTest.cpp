// Writing system.ini on disk: the file is replaced only by a complete new
// one, and a file that could not be read is never overwritten.
#include <gtest/gtest.h>

#include <string>

#include "../support/WineHarness.h"
#include "app/AppState.h"
#include "app/BuiltinCopyKeys.h"
#include "settings/SettingsFile.h"

namespace {

const std::string kOldFile = "[System]\r\nZoom=7\r\n[CopyKey]\r\nKey=0,x\r\n";
const SettingsFileWriteFn gRealWrite = gSettingsFileWrite;
int gCalls, gFailAt;

// Fails the write numbered gFailAt after half of its bytes went out.
int FailingWrite(HANDLE file, const char* bytes, DWORD length) {
    if (gCalls++ != gFailAt)
        return gRealWrite(file, bytes, length);
    DWORD written = 0;
    WriteFile(file, bytes, length / 2, &written, nullptr);
    return 0;
}

std::string Bytes(const std::string& path) {
    std::string s;
    EXPECT_TRUE(ReadWholeFile(path, &s));
    return s;
}

TEST(SettingsFile, IsReplacedOnlyWholeAndNeverWhenItCouldNotBeRead) {
    std::string path = MakeRunDir("settings-file") + "\\system.ini";
    ASSERT_TRUE(WriteWholeFile(path, kOldFile));
    SetDefaultSettings(&gSettings);
    ClearCopyKeys(&gCopyKeys);
    EXPECT_EQ(1, ReadSettingsFileAt(path.c_str()));
    AddBuiltinCopyKeys(&gCopyKeys);
    // Every piece in turn fails: the [System] section, x and the twelve
    // built-in keys, the closing line.
    gSettingsFileWrite = FailingWrite;
    for (gFailAt = 0; gFailAt < 15; gFailAt++) {
        gCalls = 0;
        EXPECT_EQ(0, WriteSettingsFileAt(path.c_str(), nullptr)) << gFailAt;
        EXPECT_EQ(kOldFile, Bytes(path)) << gFailAt;
        EXPECT_FALSE(FileExists(path + ".tmp")) << gFailAt;
    }
    gCalls = 0;
    EXPECT_EQ(1, WriteSettingsFileAt(path.c_str(), nullptr));
    EXPECT_EQ(15, gCalls);
    gSettingsFileWrite = gRealWrite;

    // Locked by another program at start: not overwritten, not even once the
    // lock is gone.
    std::string written = Bytes(path);
    HANDLE lock = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(0, ReadSettingsFileAt(path.c_str()));
    CloseHandle(lock);
    gSettings.Zoom = 3;
    EXPECT_EQ(0, WriteSettingsFileAt(path.c_str(), nullptr));
    EXPECT_EQ(written, Bytes(path));
    // A program only reading the file does not lock it; a read lifts the guard.
    HANDLE reader = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(1, ReadSettingsFileAt(path.c_str()));
    CloseHandle(reader);
    gSettings.Zoom = 3;
    EXPECT_EQ(1, WriteSettingsFileAt(path.c_str(), nullptr));
    EXPECT_NE(written, Bytes(path));
    ClearCopyKeys(&gCopyKeys);
    SetDefaultSettings(&gSettings);
}

}  // namespace
