// Any template over any record and any capacity: the output is always
// terminated inside its capacity, a cut result is a prefix of the full one
// followed by "...", and a result that fits equals the full one.
#include <stdint.h>
#include <string.h>

#include <vector>

#include "FuzzCheck.h"
#include "template/Template.h"

namespace {

PointInfo Sample() {
    PointInfo info;
    memset(&info, 0, sizeof(info));
    info.Red = 200;
    info.Green = 100;
    info.Blue = 50;
    info.Color = MakeColor(200, 100, 50);
    info.Hwnd = 0x10A2C;
    strcpy(info.ClassName, "Button");
    strcpy(info.Text, "OK");
    info.Rect = {10, 20, 110, 320};
    strcpy(info.ExeName, "a.exe");
    strcpy(info.ExePath, "C:\\");
    info.Time = {2026, 12, 0, 6, 15, 5, 9, 0};
    return info;
}

}  // namespace

// Layout: two bytes of capacity, the template up to the first zero byte,
// then bytes that overwrite the record from its start.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    int capacity = (data[0] | (data[1] << 8)) % 5000;
    const char* rest = (const char*)data + 2;
    size_t restSize = size - 2;
    size_t tmplLength = strnlen(rest, restSize);
    std::vector<char> tmpl(rest, rest + tmplLength);
    tmpl.push_back(0);
    PointInfo info = Sample();
    if (tmplLength + 1 < restSize) {
        size_t n = restSize - tmplLength - 1;
        memcpy(&info, rest + tmplLength + 1, n < sizeof(info) ? n : sizeof(info));
    }

    // Exactly capacity bytes, so AddressSanitizer sees any write past them.
    std::vector<char> out(capacity > 0 ? (size_t)capacity : 1, 'x');
    int r = ExpandTemplate(out.data(), tmpl.data(), capacity, &info);
    FUZZ_CHECK(r == 0 || r == 1);
    if (capacity <= 3) {
        FUZZ_CHECK(r == 0);
        FUZZ_CHECK(out[0] == (capacity > 0 ? 0 : 'x'));  // emptied when there is room
        return 0;
    }
    size_t length = strnlen(out.data(), (size_t)capacity);
    FUZZ_CHECK(length < (size_t)capacity);

    // No piece is longer than 255 bytes and each takes at least one byte of
    // the template: this capacity never cuts.
    size_t bigCapacity = tmplLength * 255 + 64;
    std::vector<char> full(bigCapacity);
    FUZZ_CHECK(ExpandTemplate(full.data(), tmpl.data(), (int)bigCapacity, &info) == 1);
    size_t fullLength = strlen(full.data());
    if (r == 1) {
        FUZZ_CHECK(length == fullLength && memcmp(out.data(), full.data(), length) == 0);
    } else {
        FUZZ_CHECK(length >= 3 && memcmp(out.data() + length - 3, "...", 3) == 0);
        FUZZ_CHECK(length - 3 <= (size_t)capacity - 4);
        FUZZ_CHECK(length - 3 <= fullLength);
        FUZZ_CHECK(memcmp(out.data(), full.data(), length - 3) == 0);
    }

    // The same call again gives the same bytes: no state between calls.
    std::vector<char> again((size_t)capacity);
    FUZZ_CHECK(ExpandTemplate(again.data(), tmpl.data(), capacity, &info) == r);
    FUZZ_CHECK(strcmp(again.data(), out.data()) == 0);
    return 0;
}
