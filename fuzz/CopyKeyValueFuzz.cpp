// Any value of a Key= line: the parser keeps Format within 255 bytes and
// whole characters, and escaping what it read then parsing that again gives
// the same record.
#include <stdint.h>
#include <stdio.h>
#include <string.h>

#include <string>

#include "FuzzCheck.h"
#include "core/LeadByte.h"
#include "settings/SettingsText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // What a line of the file can hold: the line reader ends lines at CR,
    // LF and zero bytes and drops tabs.
    std::string value;
    for (size_t i = 0; i < size; i++) {
        char c = (char)data[i];
        if (c != 0 && c != '\r' && c != '\n' && c != '\t')
            value += c;
    }
    CopyKey first;
    memset(&first, 0x5A, sizeof(first));
    ParseCopyKeyValue(value.c_str(), &first);
    size_t length = strlen(first.Format);
    FUZZ_CHECK(length <= TextFieldSize - 1);
    size_t i = 0;
    while (i < length) {
        unsigned char c = (unsigned char)first.Format[i];
        if (IsLeadByte(c)) {
            FUZZ_CHECK(i + 1 < length);  // never half a character
            i += 2;
            continue;
        }
        if (c == '\r')
            FUZZ_CHECK(first.Format[i + 1] == '\n');  // line breaks stay whole
        i++;
    }

    char escaped[EscapedFormatSize];
    size_t n = EscapeCopyKeyFormat(first.Format, escaped);
    FUZZ_CHECK(n == strlen(escaped) && n < sizeof(escaped));
    FUZZ_CHECK(!strpbrk(escaped, "\r\n\t"));
    char line[1100];
    snprintf(line, sizeof(line), "%d,%s,%d,%d,%d,%d,%d,%d", first.Kind, escaped, first.Width,
             first.Height, first.Invert, first.Gradient, first.ShortcutKey, first.Hotkey);
    FUZZ_CHECK(strlen(line) + 4 <= SettingsLineLimit);  // "Key=" and the value fit one line

    CopyKey second;
    ParseCopyKeyValue(line, &second);
    FUZZ_CHECK(first.Kind == second.Kind);
    FUZZ_CHECK(strcmp(first.Format, second.Format) == 0);
    FUZZ_CHECK(first.Width == second.Width && first.Height == second.Height);
    FUZZ_CHECK(first.Invert == second.Invert && first.Gradient == second.Gradient);
    FUZZ_CHECK(first.ShortcutKey == second.ShortcutKey && first.Hotkey == second.Hotkey);
    return 0;
}
