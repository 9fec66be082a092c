#include "settings/SettingsFile.h"

#include <stdio.h>
#include <stdlib.h>

#include "platform/AppState.h"
#include "settings/SettingsText.h"

// A settings file is a few kilobytes; anything this big is not ours.
static const LONGLONG MaxSettingsFileSize = 64 * 1024 * 1024;

static int sLeaveFileAlone = 0;

static int WriteAllBytes(HANDLE file, const char* bytes, DWORD length) {
    while (length > 0) {
        DWORD written = 0;
        if (!WriteFile(file, bytes, length, &written, nullptr) || written == 0)
            return 0;
        bytes += written;
        length -= written;
    }
    return 1;
}

SettingsFileWriteFn gSettingsFileWrite = WriteAllBytes;

static int LocateSettingsFile(char* path, size_t size) {
    char exe[MAX_PATH + 1];
    DWORD n = GetModuleFileNameA(nullptr, exe, sizeof(exe));
    // A full buffer means the path was cut: better no file than a wrong one.
    if (n == 0 || n >= sizeof(exe))
        return 0;
    exe[n] = 0;
    return SettingsPathForExe(exe, path, size);
}

static int ReadWholeFile(HANDLE file, char** data, size_t* size) {
    LARGE_INTEGER length;
    if (!GetFileSizeEx(file, &length) || length.QuadPart < 0 ||
        length.QuadPart > MaxSettingsFileSize)
        return 0;
    size_t total = (size_t)length.QuadPart;
    char* buffer = (char*)calloc(total + 1, 1);
    if (!buffer)
        return 0;
    size_t got = 0;
    while (got < total) {
        DWORD n = 0;
        if (!ReadFile(file, buffer + got, (DWORD)(total - got), &n, nullptr) || n == 0) {
            free(buffer);
            return 0;
        }
        got += n;
    }
    buffer[got] = 0;
    *data = buffer;
    *size = got;
    return 1;
}

int ReadSettingsFileAt(const char* path) {
    sLeaveFileAlone = 0;
    // Shared for reading, so that another program merely reading the file
    // does not lock us out.
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        DWORD error = GetLastError();
        if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND)
            sLeaveFileAlone = 1;
        return 0;
    }
    char* data = nullptr;
    size_t size = 0;
    int ok = ReadWholeFile(file, &data, &size);
    CloseHandle(file);
    if (!ok) {
        sLeaveFileAlone = 1;
        return 0;
    }
    ParseSettingsText(data, size, &gSettings, &gCopyKeys);
    free(data);
    return 1;
}

struct FileSink {
    HANDLE file;
};

static int WriteToFileSink(void* context, const char* bytes, size_t length) {
    FileSink* sink = (FileSink*)context;
    return gSettingsFileWrite(sink->file, bytes, (DWORD)length);
}

int WriteSettingsFileAt(const char* path, HWND mainWindow) {
    if (sLeaveFileAlone)
        return 0;
    char temp[MAX_PATH + 16];
    int n = snprintf(temp, sizeof(temp), "%s.tmp", path);
    if (n < 0 || (size_t)n >= sizeof(temp))
        return 0;
    HANDLE file = CreateFileA(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 0;

    RECT rc;
    if (mainWindow && GetWindowRect(mainWindow, &rc)) {
        gSettings.Left = rc.left;
        gSettings.Top = rc.top;
    }
    FileSink sink = {file};
    int ok = WriteSettingsText(&gSettings, &gCopyKeys, WriteToFileSink, &sink);
    if (ok && !FlushFileBuffers(file))
        ok = 0;
    if (!CloseHandle(file))
        ok = 0;
    // The old file is replaced only by a complete new one.
    if (ok && !MoveFileExA(temp, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        ok = 0;
    if (!ok)
        DeleteFileA(temp);
    return ok;
}

int ReadSettingsFile() {
    char path[MAX_PATH + 16];
    if (!LocateSettingsFile(path, sizeof(path))) {
        // Without a place for the file there is nothing to write either.
        sLeaveFileAlone = 1;
        return 0;
    }
    return ReadSettingsFileAt(path);
}

void WriteSettingsFile(HWND mainWindow) {
    char path[MAX_PATH + 16];
    if (!LocateSettingsFile(path, sizeof(path)))
        return;
    WriteSettingsFileAt(path, mainWindow);
}
