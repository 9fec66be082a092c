// Any colour text: the parser agrees with a plain reference (the last six
// hexadecimal digits, read forwards), a written colour reads back as
// itself, and colour lists never store more than their slots.
#include <stdint.h>
#include <stdio.h>
#include <string.h>

#include <string>

#include "FuzzCheck.h"
#include "settings/SettingsText.h"

namespace {

ColorRef Reference(const char* text, size_t length) {
    std::string digits;
    for (size_t i = 0; i < length; i++) {
        char c = text[i];
        if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'))
            digits += c;
    }
    if (digits.size() > 6)
        digits = digits.substr(digits.size() - 6);
    unsigned v = digits.empty() ? 0 : (unsigned)strtoul(digits.c_str(), nullptr, 16);
    return MakeColor((int)(v >> 16), (int)((v >> 8) & 0xFF), (int)(v & 0xFF));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const char* text = (const char*)data;
    ColorRef c = ParseColorText(text, size);
    FUZZ_CHECK(c <= 0xFFFFFF);
    FUZZ_CHECK(c == Reference(text, size));

    char written[8];
    snprintf(written, sizeof(written), "#%02X%02X%02X", ColorRed(c), ColorGreen(c), ColorBlue(c));
    FUZZ_CHECK(ParseColorText(written, 7) == c);

    // As a list (terminated at the first zero byte): never more than the
    // slots, and every item what the colour parser makes of it.
    std::string list(text, strnlen(text, size));
    ColorRef slots[HistoryCapacity + 1];
    for (ColorRef& s : slots)
        s = 0xABCDEF01;
    int count = ParseColorList(list.c_str(), slots, HistoryCapacity);
    FUZZ_CHECK(count >= 0 && count <= HistoryCapacity);
    FUZZ_CHECK(slots[HistoryCapacity] == 0xABCDEF01);
    size_t start = 0;
    for (int i = 0; i < count; i++) {
        size_t comma = list.find(',', start);
        size_t end = comma == std::string::npos ? list.size() : comma;
        FUZZ_CHECK(slots[i] == ParseColorText(list.c_str() + start, end - start));
        start = end + 1;
    }
    for (int i = count; i < HistoryCapacity; i++)
        FUZZ_CHECK(slots[i] == 0xABCDEF01);
    return 0;
}
