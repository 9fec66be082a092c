#include "core/OsVersion.h"

int ClassifyOsVersion(int platformId, int major, int minor) {
    switch (platformId) {
    case OsPlatformWin32s:
        return 1;
    case OsPlatformWindows:
        if (major == 4 && minor == 0)
            return 2;
        if (major == 4 && minor == 10)
            return 3;
        if (major == 4 && minor == 90)
            return 4;
        return 0;
    case OsPlatformNt:
        if (major == 3 || major == 4)
            return 1;
        if (major == 5)
            return minor == 0 ? 5 : minor == 1 ? 6 : 0;
        if (major == 6)
            return minor == 0 ? 7 : 8;
        if (major > 6)
            return 8;
        return 0;
    default:
        return 0;
    }
}
