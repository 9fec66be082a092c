// Spelling a KeyCombo with the keyboard layout's key names.
#pragma once

// "Windows+Shift+Ctrl+Alt+<key name>" for combo into out (at least 256
// bytes). Returns 1.
int FormatKeyName(int combo, char* out);
