// Classifies the running Windows version into a small code. The only use
// of it is TranslucencyAvailable (core/Translucency.h).
#pragma once

enum {
    OsPlatformWin32s = 0,   // VER_PLATFORM_WIN32s
    OsPlatformWindows = 1,  // VER_PLATFORM_WIN32_WINDOWS (9x)
    OsPlatformNt = 2,       // VER_PLATFORM_WIN32_NT
};

int ClassifyOsVersion(int platformId, int major, int minor);
