#include <windows.h>

#include "platform/OsVersionWin.h"

#include "core/OsVersion.h"

int ReadOsVersionCode() {
    OSVERSIONINFOA vi;
    ZeroMemory(&vi, sizeof(vi));
    vi.dwOSVersionInfoSize = sizeof(vi);
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#endif
    BOOL ok = GetVersionExA(&vi);
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif
    if (!ok)
        return 0;
    return ClassifyOsVersion((int)vi.dwPlatformId, (int)vi.dwMajorVersion, (int)vi.dwMinorVersion);
}
