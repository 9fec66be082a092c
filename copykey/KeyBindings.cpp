#include "copykey/KeyBindings.h"

#include <stdio.h>

#include "core/CommandIds.h"
#include "copykey/KeyCombo.h"

// Virtual keys: 0x1B Esc, 0x20 Space, 0x60 to 0x69 the numeric pad's digits,
// 0x6B Num +, 0x6D Num -. The main keyboard's digits stay free for the
// built-in capture keys.
const FixedAccel FixedAccelTable[FixedAccelCount] = {
    {CmdExit, 0x011B},
    {CmdAlwaysOnTop, 0x1154},
    {CmdTranslucent, 0x1141},
    {CmdZoomImage, 0x115A},
    {CmdCursor, 0x1143},
    {CmdGrid, 0x1147},
    {CmdInfo, 0x1149},
    {CmdOptions, 0x114F},
    {CmdContextMenu, 0x1120},
    {CmdZoom1, 0x0161},
    {CmdZoom2, 0x0162},
    {CmdZoom3, 0x0163},
    {CmdZoom4, 0x0164},
    {CmdZoom5, 0x0165},
    {CmdZoom6, 0x0166},
    {CmdZoom7, 0x0167},
    {CmdZoom8, 0x0168},
    {CmdZoom16, 0x0169},
    {CmdZoom32, 0x0160},
    {CmdZoomIn, 0x016B},
    {CmdZoomOut, 0x016D},
    {CmdCaptureMenu, 0x0120},
    {CmdFixPoint, 0x1146},
    {CmdInvertColor, 0x1152},
    {CmdFlipH, 0x1148},
    {CmdFlipV, 0x1156},
    {CmdHalfTone, 0x114D},
    {CmdWebSafe, 0x1153},
};

// The names of the keys the built-in table uses.
static void FormatAccelKeyName(int key, char* out, size_t size) {
    if (key >= 0x60 && key <= 0x69)  // VK_NUMPAD0..9
        snprintf(out, size, "Num %d", key - 0x60);
    else if (key == 0x6B)  // VK_ADD
        snprintf(out, size, "Num +");
    else if (key == 0x6D)  // VK_SUBTRACT
        snprintf(out, size, "Num -");
    else if (key == 0x1B)  // VK_ESCAPE
        snprintf(out, size, "Esc");
    else if (key == 0x20)  // VK_SPACE
        snprintf(out, size, "Space");
    else if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'))
        snprintf(out, size, "%c", key);
    else
        snprintf(out, size, "%02X", (unsigned)key);
}

int FormatAccelLabel(int command, char* out) {
    out[0] = 0;
    for (const FixedAccel& a : FixedAccelTable) {
        if (a.Command != command)
            continue;
        int flags = a.KeyCode >> 8;
        char key[16];
        FormatAccelKeyName(a.KeyCode & 0xFF, key, sizeof(key));
        return snprintf(out, AccelLabelSize, "%s%s%s%s", flags & AccelShift ? "Shift+" : "",
                        flags & AccelControl ? "Ctrl+" : "", flags & AccelAlt ? "Alt+" : "", key);
    }
    return 0;
}

static int AccelFlagsFromCombo(int combo) {
    int flags = AccelVirtKey;
    if (combo & KeyModShift)
        flags |= AccelShift;
    if (combo & KeyModCtrl)
        flags |= AccelControl;
    if (combo & KeyModAlt)
        flags |= AccelAlt;
    return flags;
}

int HotkeyModifiersFromCombo(int combo) {
    int mods = 0;
    if (combo & KeyModShift)
        mods |= HotkeyModShift;
    if (combo & KeyModCtrl)
        mods |= HotkeyModControl;
    if (combo & KeyModAlt)
        mods |= HotkeyModAlt;
    if (combo & KeyModWin)
        mods |= HotkeyModWin;
    return mods;
}

static int AccelCopyKeyCount(int count) {
    if (count < 0)
        return 0;
    return count < MaxAccelCopyKeys ? count : MaxAccelCopyKeys;
}

int AccelEntryCount(int count) {
    return AccelCopyKeyCount(count) + FixedAccelCount;
}

void BuildFixedAccelEntries(AccelEntry* out) {
    for (int i = 0; i < FixedAccelCount; i++) {
        out[i].Flags = (uint8_t)(FixedAccelTable[i].KeyCode >> 8);
        out[i].Key = (uint16_t)(FixedAccelTable[i].KeyCode & 0xFF);
        out[i].Command = (uint16_t)FixedAccelTable[i].Command;
    }
}

int BuildAccelEntries(CopyKeyList* list, int count, AccelEntry* out) {
    int keys = AccelCopyKeyCount(count);
    for (int i = 0; i < keys; i++) {
        CopyKey key;
        // A record that is missing leaves the miss defaults: no shortcut.
        GetCopyKey(list, i, &key);
        out[i].Flags = (uint8_t)AccelFlagsFromCombo(key.ShortcutKey);
        out[i].Key = (uint16_t)KeyComboKey(key.ShortcutKey);
        out[i].Command = (uint16_t)(CopyKeyCommandBase + i);
    }
    BuildFixedAccelEntries(out + keys);
    return keys + FixedAccelCount;
}
