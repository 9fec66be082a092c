#include "copykey/KeyCombo.h"

#include <stdio.h>
#include <string.h>

// The hot-key control's HOTKEYF_SHIFT, HOTKEYF_CONTROL and HOTKEYF_ALT sit in
// the same bits as KeyModShift, KeyModCtrl and KeyModAlt; its HOTKEYF_EXT
// (0x08 of the high byte) is dropped and that bit is the Windows key here.
int ComposeKeyCombo(int hotkeyControlValue, int winFlag) {
    int combo = hotkeyControlValue & (0xFF | KeyModShift | KeyModCtrl | KeyModAlt);
    if (winFlag == 1)
        combo |= KeyModWin;
    return combo;
}

static void Append(char* out, size_t* used, const char* text) {
    size_t n = strlen(text);
    memcpy(out + *used, text, n + 1);
    *used += n;
}

int FormatKeyNameWith(int combo, char* out, KeyNameLookup lookup) {
    size_t used = 0;
    out[0] = 0;
    int key = KeyComboKey(combo);
    bool win = (combo & KeyModWin) != 0;
    bool shift = (combo & KeyModShift) != 0;
    bool ctrl = (combo & KeyModCtrl) != 0;
    bool alt = (combo & KeyModAlt) != 0;

    if (key == 0) {
        // Modifiers alone: only a modifier followed by another one carries
        // the "+".
        if (win)
            Append(out, &used, shift || ctrl || alt ? "Windows+" : "Windows");
        if (shift)
            Append(out, &used, ctrl || alt ? "Shift+" : "Shift");
        if (ctrl)
            Append(out, &used, alt ? "Ctrl+" : "Ctrl");
        if (alt)
            Append(out, &used, "Alt");
        return 1;
    }

    if (win)
        Append(out, &used, "Windows+");
    if (shift)
        Append(out, &used, "Shift+");
    if (ctrl)
        Append(out, &used, "Ctrl+");
    if (alt)
        Append(out, &used, "Alt+");

    char name[KeyNameSize];
    name[0] = 0;
    int length = lookup ? lookup(key, name, KeyNameSize) : 0;
    if (length > 0) {
        // Trust the terminator, not the reported length, and never more
        // than the name buffer holds.
        name[KeyNameSize - 1] = 0;
        Append(out, &used, name);
        return 1;
    }
    char code[4];
    if (key <= 0x7F)
        snprintf(code, sizeof(code), "%c", key);
    else
        snprintf(code, sizeof(code), "%02X", (unsigned)key & 0xFFu);
    Append(out, &used, code);
    return 1;
}
