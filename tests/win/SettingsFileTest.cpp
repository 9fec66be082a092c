// Writing system.ini on disk: the file is replaced only by a complete new
// one, and a file that could not be read is never overwritten.
#include <gtest/gtest.h>

#include <string>

#include "../support/WineHarness.h"
#include "platform/AppState.h"
#include "app/BuiltinCopyKeys.h"
#include "settings/SettingsFile.h"

static const SettingsFileWriteFn gRealWrite = gSettingsFileWrite;
static int gCalls, gFailAt;

// Fails the write numbered gFailAt after half of its bytes went out.
static int FailingWrite(HANDLE file, const char* bytes, DWORD length) {
    DWORD written = 0;
    if (gCalls++ != gFailAt)
        return gRealWrite(file, bytes, length);
    WriteFile(file, bytes, length / 2, &written, nullptr);
    return 0;
}

TEST(SettingsFile, IsReplacedOnlyWholeAndNeverWhenItCouldNotBeRead) {
    const std::string path = MakeRunDir("settings-file") + "\\system.ini", old = "[System]\r\nZoom=7\r\n";
    ASSERT_TRUE(WriteWholeFile(path, old));
    SetDefaultSettings(&gSettings);
    ClearCopyKeys(&gCopyKeys);
    AddBuiltinCopyKeys(&gCopyKeys);
    // Every piece in turn fails (the [System] section, the twelve keys, the
    // closing line), then none does: a fifteenth piece or a missing one fails
    // the last or the one before.
    gSettingsFileWrite = FailingWrite;
    for (gFailAt = 0; gFailAt <= 14; gFailAt++) {
        gCalls = 0;
        const int whole = gFailAt == 14, written = WriteSettingsFileAt(path.c_str(), nullptr);
        EXPECT_TRUE(written == whole && (ReadWholeFile(path) != old) == whole &&
                    GetFileAttributesA((path + ".tmp").c_str()) == INVALID_FILE_ATTRIBUTES) << gFailAt;
    }
    gSettingsFileWrite = gRealWrite;

    // Locked by another program at start: the settings stay as they were
    // and the file is not overwritten, not even once the lock is gone. A
    // program only reading it does not lock it, and a read lifts the guard.
    ASSERT_TRUE(WriteWholeFile(path, old));
    for (int shared : {0, 1}) {
        gSettings.Zoom = 3;
        HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, shared ? FILE_SHARE_READ : 0, nullptr, OPEN_EXISTING, 0, nullptr);
        const int read = ReadSettingsFileAt(path.c_str());
        CloseHandle(h);
        const int written = WriteSettingsFileAt(path.c_str(), nullptr);
        EXPECT_TRUE(read == shared && gSettings.Zoom == (shared ? 7 : 3) && written == shared &&
                    ReadWholeFile(path).find(old) == (shared ? std::string::npos : 0)) << shared;
    }
    ClearCopyKeys(&gCopyKeys);
    SetDefaultSettings(&gSettings);
}
