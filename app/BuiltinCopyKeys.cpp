#include "app/BuiltinCopyKeys.h"

#include <string.h>

namespace {

struct BuiltinKey {
    int kind;
    const char* format;
    int width;
    int height;
    int invert;
    int gradient;
    int keyCombo;  // both the shortcut key and the hotkey
};

// Digits are the main keyboard's, not the numeric pad's; 0x200 is Ctrl.
const BuiltinKey kBuiltinKeys[BuiltinCopyKeyCount] = {
    {CopyKindText, "#[HEX02R][HEX02G][HEX02B]", 32, 32, 0, 0, 0x0243},
    {CopyKindText, "RGB([DECR],[DECG],[DECB])", 32, 32, 0, 0, 0x0031},
    {CopyKindText, "HSV([HSVH],[HSVS],[HSVV])", 32, 32, 0, 0, 0x0032},
    {CopyKindText, "HLS([HLSH],[HLSL],[HLSS])", 32, 32, 0, 0, 0x0033},
    {CopyKindText, "YMC([YMCY],[YMCM],[YMCC])", 32, 32, 0, 0, 0x0034},
    {CopyKindSeparator, "", 0, 0, 0, 0, 0},
    {CopyKindImage, "", 0, 0, 0, 0, 0x0247},
    {CopyKindImage, "", 256, 256, 0, 1, 0x0035},
    {CopyKindImage, "", 256, 256, 0, 3, 0x0036},
    {CopyKindImage, "", 32, 32, 1, 0, 0x0037},
    {CopyKindSeparator, "", 0, 0, 0, 0, 0},
    {CopyKindText, "[TEXT]", 32, 32, 0, 0, 0x0258},
};

}  // namespace

int AddBuiltinCopyKeys(CopyKeyList* list) {
    int added = 0;
    for (const BuiltinKey& b : kBuiltinKeys) {
        CopyKey key;
        InitCopyKey(&key);
        key.Kind = b.kind;
        strcpy(key.Format, b.format);
        key.Width = b.width;
        key.Height = b.height;
        key.Invert = b.invert;
        key.Gradient = b.gradient;
        key.ShortcutKey = b.keyCombo;
        key.Hotkey = b.keyCombo;
        key.HotkeyId = 0;
        added += InsertCopyKey(list, -1, &key);
    }
    return added;
}
