// Spelling a KeyCombo with the keyboard layout's key names.
#pragma once

// The layout's name of a virtual key (MapVirtualKeyA, GetKeyNameTextA
// without the extended-key flag, so the keys doubled on the numeric pad
// get their pad names); its length, 0 when the key has no name.
int LookupLayoutKeyName(int virtualKey, char* out, int outSize);

// "Windows+Shift+Ctrl+Alt+<key name>" for combo into out (at least 256
// bytes). Returns 1.
int FormatKeyName(int combo, char* out);
