// system.ini beside the executable: locating, reading and writing it.
#pragma once

#include <windows.h>

// Fills gSettings and gCopyKeys from system.ini. Returns 1 when the file was
// read, 0 when it could not be (nothing has been changed then).
int ReadSettingsFile();

// Writes gSettings and gCopyKeys to system.ini; the main window's rectangle
// gives Left and Top.
void WriteSettingsFile(HWND mainWindow);

// The same two for a given path. A file that exists but could not be read
// (locked by another program, no permission) is remembered, and the writer
// then leaves it alone instead of replacing the user's settings with
// defaults. The writer fills a temporary file beside it and replaces the old
// file only when every byte is on disk; on any failure the old file stays as
// it was. Both return 1 for success.
int ReadSettingsFileAt(const char* path);
int WriteSettingsFileAt(const char* path, HWND mainWindow);

// Writes bytes to the open file; returns 1 when all of them went out. Tests
// swap it for one that fails.
typedef int (*SettingsFileWriteFn)(HANDLE file, const char* bytes, DWORD length);
extern SettingsFileWriteFn gSettingsFileWrite;
