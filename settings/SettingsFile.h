// system.ini beside the executable: locating, reading and writing it.
#pragma once

#include <windows.h>

// Fills gSettings and gCopyKeys from system.ini. Returns 1 when the file was
// read, 0 when it could not be (nothing has been changed then).
int ReadSettingsFile();

// Writes gSettings and gCopyKeys to system.ini; the main window's rectangle
// gives Left and Top.
void WriteSettingsFile(HWND mainWindow);
