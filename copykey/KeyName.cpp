#include "copykey/KeyName.h"

#include <string.h>
#include <windows.h>

#include "copykey/KeyCombo.h"
#include "core/TextUtil.h"

// The layout's name of a virtual key. The scan code goes to
// GetKeyNameTextA without the extended-key flag, so the keys doubled on the
// numeric pad get their pad names. Its length, 0 when the key has no name.
static int LookupLayoutKeyName(int virtualKey, char* out, int outSize) {
    if (outSize <= 0)
        return 0;
    out[0] = 0;
    UINT scan = MapVirtualKeyA((UINT)virtualKey, 0);
    if (scan == 0)
        return 0;
    char name[KeyNameSize];
    int n = GetKeyNameTextA((LONG)(scan << 16), name, KeyNameSize);
    if (n <= 0)
        return 0;
    name[KeyNameSize - 1] = 0;
    CopyTextCut(out, name, (size_t)outSize - 1);
    return (int)strlen(out);
}

int FormatKeyName(int combo, char* out) {
    return FormatKeyNameWith(combo, out, LookupLayoutKeyName);
}
