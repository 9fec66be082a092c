// The text of system.ini: parsing a whole file image into the settings and
// the capture-key list, and writing them back. Pure: byte buffers in, bytes
// out through a sink; the Win32 part only moves the bytes to and from disk.
#pragma once

#include <stddef.h>

#include "core/Settings.h"
#include "core/CopyKeyList.h"

enum {
    SettingsKeyCount = 44,
    // Longest line the reader takes; the rest starts a new line.
    SettingsLineLimit = 1023,
    // Hotkey identifiers 0x8004 + index must stay within the application
    // range (up to 0xBFFF), and a file with more keys than any menu can show
    // must not make start-up crawl: later Key lines are ignored.
    SettingsMaxCopyKeys = 0xBFFF - CopyKeyHotkeyBase + 1,
    // Escaped Format: every byte may double.
    EscapedFormatSize = 2 * (TextFieldSize - 1) + 1,
};

// Reads size bytes of a system.ini image (a terminator is not needed) into
// s, appends its capture keys to list, and applies the post-load rules. Any
// bytes are accepted; what is not understood is ignored.
void ParseSettingsText(const char* data, size_t size, Settings* s, CopyKeyList* list);

// "#RRGGBB" to a colour reference: scanned from the end, non-hex characters
// skipped, up to seven digits taken, the low 24 bits used. No digits: black.
ColorRef ParseColorText(const char* text, size_t length);

// Comma-separated colours (tabs skipped) into at most capacity slots;
// returns how many were stored. Text after the last comma counts only when
// it is not empty.
int ParseColorList(const char* value, ColorRef* slots, int capacity);

// One [CopyKey] value: eight comma-separated fields, the second an escaped
// Format. key starts from the defaults of a fresh record.
void ParseCopyKeyValue(const char* value, CopyKey* key);

// The writer's escaping of a Format into out (EscapedFormatSize bytes);
// returns the length.
size_t EscapeCopyKeyFormat(const char* format, char* out);

// Receives the file's bytes in order; returns 1 when they were taken.
typedef int (*SettingsSink)(void* context, const char* bytes, size_t length);

// Writes the whole file through sink: the [System] section with its 44
// keys, then the [CopyKey] section; CR LF line ends. Stores the key count
// in s->CopyKeyCount. Returns 1, or 0 as soon as the sink refuses.
int WriteSettingsText(Settings* s, CopyKeyList* list, SettingsSink sink, void* context);

// system.ini in the folder of the executable at exePath. Returns 0 when the
// result would not fit outSize bytes.
int SettingsPathForExe(const char* exePath, char* out, size_t outSize);
