// What the capture keys and the built-in keys turn into: accelerator
// entries for the message loop and modifier flags for system-wide hotkeys.
// Plain data here; the shell hands it to CreateAcceleratorTableA and
// RegisterHotKey.
#pragma once

#include <stdint.h>

#include "core/CopyKeyList.h"

// Flags of an accelerator entry, as the platform's ACCEL record spells them.
enum {
    AccelVirtKey = 0x01,
    AccelShift = 0x04,
    AccelControl = 0x08,
    AccelAlt = 0x10,
};

// Modifier flags of RegisterHotKey.
enum {
    HotkeyModAlt = 0x0001,
    HotkeyModControl = 0x0002,
    HotkeyModShift = 0x0004,
    HotkeyModWin = 0x0008,
};

enum {
    FixedAccelCount = 28,
    // Commands are 16-bit: the key at this index would wrap around onto
    // small command numbers.
    MaxAccelCopyKeys = 0x10000 - CopyKeyCommandBase,
};

// One built-in accelerator: the high byte of KeyCode holds the accelerator
// flags themselves, the low byte the virtual key. The descriptions say
// what the key does, for the readme's table of keys.
struct FixedAccel {
    int Command;
    int KeyCode;
    const char* Japanese;
    const char* English;
};

extern const FixedAccel FixedAccelTable[FixedAccelCount];


// Same fields as the platform's ACCEL record.
struct AccelEntry {
    uint8_t Flags;
    uint16_t Key;
    uint16_t Command;
};

enum { AccelLabelSize = 32 };

// The key of the first built-in accelerator for command as the menus show
// it ("Alt+C", "Num 1", "Num +", "Esc") into out (AccelLabelSize bytes);
// empty when no built-in key runs the command. Returns the length.
int FormatAccelLabel(int command, char* out);

// RegisterHotKey modifiers for a hotkey KeyCombo.
int HotkeyModifiersFromCombo(int combo);

// Number of entries BuildAccelEntries writes for count capture keys.
int AccelEntryCount(int count);

// One entry per capture key (indexes 0 to count - 1, in list order, those
// without a shortcut with key 0) followed by the built-in entries. Keys
// past MaxAccelCopyKeys get no entry. out holds AccelEntryCount(count)
// entries; returns how many were written.
int BuildAccelEntries(CopyKeyList* list, int count, AccelEntry* out);

// The built-in entries alone; out holds FixedAccelCount entries.
void BuildFixedAccelEntries(AccelEntry* out);

// 1 when shortcut, as the key editor sets it for the key at ownIndex of
// list, would be translated for another entry of the merged table: the
// shortcut of another key of the list (the first one in the table takes
// it) or a built-in key (which the capture key would silently take from its
// command). The Windows bit plays no part in accelerators; a shortcut
// without a virtual key triggers nothing and clashes with nothing.
int ShortcutClashes(CopyKeyList* list, int ownIndex, int shortcut);
