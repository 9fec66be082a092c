#include "copykey/Hotkey.h"

#include "copykey/KeyBindings.h"
#include "copykey/KeyCombo.h"

int RegisterCopyKeyHotkey(HWND window, int combo, int id) {
    if (combo <= 0) {
        UnregisterHotKey(window, id);
        return 0;
    }
    return RegisterHotKey(window, id, (UINT)HotkeyModifiersFromCombo(combo),
                          (UINT)KeyComboKey(combo)) != 0;
}

int UnregisterCopyKeyHotkey(HWND window, int id) {
    return UnregisterHotKey(window, id) != 0;
}
