// The 16-bit coding of shortcut keys and hotkeys: the low byte is a
// virtual-key code, the high byte holds the modifiers.
#pragma once

enum {
    KeyModShift = 0x100,
    KeyModCtrl = 0x200,
    KeyModAlt = 0x400,
    KeyModWin = 0x800,
};

inline int KeyComboKey(int combo) { return combo & 0xFF; }

// A KeyCombo from a hot-key control's value (virtual key in the low byte,
// HOTKEYF_SHIFT 0x01, HOTKEYF_CONTROL 0x02, HOTKEYF_ALT 0x04 in the high
// byte; its other flags are dropped), with KeyModWin added when winFlag is 1.
int ComposeKeyCombo(int hotkeyControlValue, int winFlag);

// The longest key name taken from the keyboard layout, terminator included.
enum { KeyNameSize = 64 };

// Looks up the display name of a virtual key; returns its length, 0 when
// the key has no name. The Windows build asks the keyboard layout.
typedef int (*KeyNameLookup)(int virtualKey, char* out, int outSize);

// Spells combo as "Windows+Shift+Ctrl+Alt+<key name>" into out (at least
// 256 bytes). Returns 1.
int FormatKeyNameWith(int combo, char* out, KeyNameLookup lookup);
