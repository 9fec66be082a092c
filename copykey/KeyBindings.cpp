#include "copykey/KeyBindings.h"

#include <stdio.h>

#include "core/CommandIds.h"
#include "copykey/KeyCombo.h"

// Virtual keys: 0x1B Esc, 0x20 Space, 0x60 to 0x69 the numeric pad's digits,
// 0x6B Num +, 0x6D Num -. The main keyboard's digits stay free for the
// built-in capture keys.
const FixedAccel FixedAccelTable[FixedAccelCount] = {
    {CmdExit, 0x011B, "終了", "exit"},
    {CmdAlwaysOnTop, 0x1154, "常に手前に表示 (切り替え)", "always on top, on or off"},
    {CmdTranslucent, 0x1141, "半透明表示 (切り替え)", "translucent window, on or off"},
    {CmdZoomImage, 0x115A, "拡大画面の表示 (切り替え)", "magnified image, on or off"},
    {CmdCursor, 0x1143, "カーソル表示 (切り替え)", "cursor mark, on or off"},
    {CmdGrid, 0x1147, "グリッド表示 (切り替え)", "grid, on or off"},
    {CmdInfo, 0x1149, "座標情報の表示 (切り替え)", "information panel, on or off"},
    {CmdOptions, 0x114F, "オプション", "options"},
    {CmdContextMenu, 0x1120, "右クリックメニュー", "context menu"},
    {CmdZoom1, 0x0161, "拡大率 1 倍", "zoom 1x"},
    {CmdZoom2, 0x0162, "拡大率 2 倍", "zoom 2x"},
    {CmdZoom3, 0x0163, "拡大率 3 倍", "zoom 3x"},
    {CmdZoom4, 0x0164, "拡大率 4 倍", "zoom 4x"},
    {CmdZoom5, 0x0165, "拡大率 5 倍", "zoom 5x"},
    {CmdZoom6, 0x0166, "拡大率 6 倍", "zoom 6x"},
    {CmdZoom7, 0x0167, "拡大率 7 倍", "zoom 7x"},
    {CmdZoom8, 0x0168, "拡大率 8 倍", "zoom 8x"},
    {CmdZoom16, 0x0169, "拡大率 16 倍", "zoom 16x"},
    {CmdZoom32, 0x0160, "拡大率 32 倍", "zoom 32x"},
    {CmdZoomIn, 0x016B, "拡大 (1 段)", "zoom in one step"},
    {CmdZoomOut, 0x016D, "縮小 (1 段)", "zoom out one step"},
    {CmdCaptureMenu, 0x0120, "取得メニューをポインタの位置に開く", "capture menu at the pointer"},
    {CmdFixPoint, 0x1146, "表示位置を固定 / ポインタに追従 (切り替え)", "fix the view on the point under the pointer, or follow the pointer again"},
    {CmdInvertColor, 0x1152, "拡大画像の色反転 (切り替え)", "inverted colours, on or off"},
    {CmdFlipH, 0x1148, "拡大画像の左右反転 (切り替え)", "mirrored left to right, on or off"},
    {CmdFlipV, 0x1156, "拡大画像の上下反転 (切り替え)", "mirrored top to bottom, on or off"},
    {CmdHalfTone, 0x114D, "拡大画像の補完表示 (切り替え)", "smoothed magnification, on or off"},
    {CmdWebSafe, 0x1153, "Web セーフカラー (切り替え)", "web-safe colours, on or off"},
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

// An accelerator's flags in the high byte and its key in the low byte, as
// the built-in table writes them.
static int AccelKeyCode(int combo) {
    return AccelFlagsFromCombo(combo) << 8 | KeyComboKey(combo);
}

int ShortcutClashes(CopyKeyList* list, int ownIndex, int shortcut) {
    if (KeyComboKey(shortcut) == 0)
        return 0;
    int code = AccelKeyCode(shortcut);
    for (const FixedAccel& a : FixedAccelTable)
        if (a.KeyCode == code)
            return 1;
    int i = 0;
    for (const CopyKey* key = *list; key; key = key->Next, i++)
        if (i != ownIndex && KeyComboKey(key->ShortcutKey) != 0 && AccelKeyCode(key->ShortcutKey) == code)
            return 1;
    return 0;
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
