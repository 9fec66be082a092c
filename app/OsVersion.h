// Classifies the running Windows version into a small code. The only use
// of it: layered (translucent) windows need a code of 5 or more.
#pragma once

enum {
    OsPlatformWin32s = 0,   // VER_PLATFORM_WIN32s
    OsPlatformWindows = 1,  // VER_PLATFORM_WIN32_WINDOWS (9x)
    OsPlatformNt = 2,       // VER_PLATFORM_WIN32_NT
};

int ClassifyOsVersion(int platformId, int major, int minor);

// Shell side: asks GetVersionExA; 0 when that fails.
int ReadOsVersionCode();
