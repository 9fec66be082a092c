#include <gtest/gtest.h>

#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

#include "template/Template.h"

#if defined(__SANITIZE_ADDRESS__)
// Every allocation, by malloc, operator new or inside the C library, passes
// these hooks. The Windows builds have none and leave the allocation test
// out (a skipped test ends the 32-bit test run under Wine).
extern "C" int __sanitizer_install_malloc_and_free_hooks(
    void (*mallocHook)(const volatile void*, size_t), void (*freeHook)(const volatile void*));
#endif

namespace {

// Brown under a notepad window, sampled on Sunday 6 December 2026 15:05:09;
// within each colour family every value differs.
const PointInfo kSample = {640, -12, MakeColor(200, 100, 10), 200, 100, 10, 0x10A2C, 0, 0xBEEF,
                          0x400000, "Notepad", "無題 - メモ帳", {10, 20, 110, 320}, 4242, 77,
                          0x14CF0000, 0, "notepad.exe", "C:\\Windows", {2026, 12, 0, 6, 15, 5, 9, 0}};

std::string Expand(const std::string& tmpl, const PointInfo& info, int capacity = 4096,
                   int* result = nullptr) {
    std::vector<char> out(capacity);  // exactly: AddressSanitizer sees any write past it
    int r = ExpandTemplate(out.data(), tmpl.c_str(), capacity, &info);
    if (result)
        *result = r;
    return out.data();
}

// The whole vocabulary, family by family. hex1r and HEX1R are different
// forms; handles give "-" for 0, styles zeros.
const char kVocabulary[] =
    "[hex02r] [hex02g] [hex02b]|[hexr] [hexg] [hexb]|[hex1r] [hex1g] [hex1b]|"
    "[HEX02R] [HEX02G] [HEX02B]|[HEXR] [HEXG] [HEXB]|[HEX1R] [HEX1G] [HEX1B]|"
    "[DECR] [DECG] [DECB]|[DEC3R] [DEC3G] [DEC3B]|[%DECR] [%DECG] [%DECB]|[%DEC3R] [%DEC3G] [%DEC3B]|"
    "[HSVH] [HSVS] [HSVV]|[HSV3H] [HSV3S] [HSV3V]|[%HSVH] [%HSVS] [%HSVV]|[%HSV3H] [%HSV3S] [%HSV3V]|"
    "[HLSH] [HLSL] [HLSS]|[HLS3H] [HLS3L] [HLS3S]|[%HLSH] [%HLSL] [%HLSS]|[%HLS3H] [%HLS3L] [%HLS3S]|"
    "[YMCY] [YMCM] [YMCC]|[YMC3Y] [YMC3M] [YMC3C]|[%YMCY] [%YMCM] [%YMCC]|[%YMC3Y] [%YMC3M] [%YMC3C]|"
    "[COLORREF] [MOUSEX] [MOUSEY]|[HWND] [WINDOWID] [PARENTHWND] [HINST]|"
    "[CLASSNAME]|[TEXT]|[EXENAME]|[EXEPATH]|[LEFT] [TOP] [RIGHT] [BOTTOM] [WIDTH] [HEIGHT]|"
    "[PID] [TID] [STYLE] [EXSTYLE]";

TEST(ExpandTemplate, EveryTokenOfTheVocabulary) {
    EXPECT_EQ("c8 64 0a|c8 64 a|C0 60 00|"
              "C8 64 0A|C8 64 A|C 6 0|"
              "200 100 10|200 100  10|78 39 3| 78  39   3|"
              "28 242 200| 28 242 200|7 94 78|  7  94  78|"
              "28 105 230| 28 105 230|7 41 90|  7  41  90|"
              "55 155 245| 55 155 245|21 60 96| 21  60  96|"
              "681160 640 -12|00010A2C - 0000BEEF 00400000|"
              "Notepad|無題 - メモ帳|notepad.exe|C:\\Windows|10 20 110 320 100 300|"
              "4242 77 14cf0000 00000000",
              Expand(kVocabulary, kSample));
}

TEST(ExpandTemplate, NamesEscapesDoubleByteTextAndTheOutputLimit) {
    const std::string q254(254, 'q'), q255(255, 'q');
    const struct { std::string tmpl; int capacity; std::string expected; int result; } cases[] = {
        {"[decr][Hex02r][hsvh][Text][HEX1r]x", 4096, "x", 1},  // names are case-sensitive
        {"a[DECR", 4096, "a", 1},                           // unclosed at the end: dropped
        {"a]b([])", 4096, "a]b()", 1},
        {"[[DECR]", 4096, "", 1},                           // the name is "[DECR"
        {"\\[[DECR]\\]\\x\\nb\\tc\\\\d", 4096, "[200]x\r\nb\tc\\d", 1},
        {"end\\", 4096, "end\\", 1},                        // a trailing backslash stays
        // 254 bytes and a ] close a name that matches nothing; 255 bytes give
        // up the name, and what follows is scanned as text.
        {"a[" + q254 + "]b", 4096, "ab", 1},
        {"a[" + q255 + "]b", 4096, "a]b", 1},
        {"a[" + q255 + "[DECR]", 4096, "a200", 1},
        // 表 and ソ end in 0x5C, ゼ in 0x5B: none starts an escape or a token,
        // and an escaped double-byte character stays whole.
        {"表n ソ3 ゼDECR] \\表n 表示 [DECR]", 4096, "表n ソ3 ゼDECR] 表n 表示 200", 1},
        {"[TEゾXT]", 4096, "XT]", 1},                       // inside a name ゾ's 0x5D closes it
        {"a\x95", 4096, "a\x95", 1},                        // a lead byte at the end goes alone
        {"a\\\x95", 4096, "a\x95", 1},
        // The text before "..." keeps within capacity - 4; a piece goes in
        // whole or not at all.
        {"abcdef", 10, "abcdef", 1},          {"abcdefg", 10, "abcdef...", 0},
        {"abcdefghij", 10, "abcdef...", 0},   {"abc[DECR]", 10, "abc200", 1},
        {"abcd[DECR]", 10, "abcd...", 0},     {"abcde表", 10, "abcde...", 0},
    };
    for (const auto& c : cases) {
        int r = -1;
        EXPECT_EQ(c.expected, Expand(c.tmpl, kSample, c.capacity, &r)) << c.tmpl;
        EXPECT_EQ(c.result, r) << c.tmpl;
    }
}

TEST(ExpandTemplate, LongTextFieldsAndDamagedRecords) {
    PointInfo info = kSample;
    memset(info.Text, 'w', 250);
    int r = -1;
    EXPECT_EQ("title: ...", Expand("title: [TEXT] end", info, 200, &r));  // left out whole
    EXPECT_EQ(0, r);
    memset(info.ClassName, 'c', sizeof(info.ClassName));  // no terminator: 255 bytes
    EXPECT_EQ(std::string(255, 'c'), Expand("[CLASSNAME]", info));
    // Differences wrap as 32-bit values instead of overflowing.
    info.Rect = {INT32_MIN, 0, INT32_MAX, 5};
    info.Red = INT32_MIN;
    EXPECT_EQ("-1 -2147483393", Expand("[WIDTH] [YMCY]", info));
}

#if defined(__SANITIZE_ADDRESS__)
volatile bool gCounting = false;
volatile int gAllocations = 0;

void CountMalloc(const volatile void*, size_t) {
    if (gCounting)
        gAllocations = gAllocations + 1;
}
void IgnoreFree(const volatile void*) {}

// Installed once: every further install would count each allocation again.
const int gHooksInstalled = __sanitizer_install_malloc_and_free_hooks(CountMalloc, IgnoreFree);

template <typename F>
int AllocationsDuring(F f) {
    EXPECT_NE(0, gHooksInstalled);
    gAllocations = 0;
    gCounting = true;
    f();
    gCounting = false;
    return gAllocations;
}

// The user line is expanded on every redraw and must not touch the heap.
TEST(ExpandTemplate, NeverAllocates) {
    // The counter sees allocations by malloc, by new and inside the C library.
    EXPECT_EQ(1, AllocationsDuring([] { free(malloc(16)); }));
    EXPECT_EQ(1, AllocationsDuring([] { delete[] new char[10]; }));
    EXPECT_GE(AllocationsDuring([] { free(strdup("abc")); }), 1);

    PointInfo info = kSample;
    memset(info.Text, 't', 255);
    std::string all = std::string(kVocabulary) + "\\1\\2\\3\\4\\5\\6\\7\\Y\\y\\m\\M\\f\\F\\d\\D\\w\\W\\a\\g\\G\\h\\H" +
                      "\\i\\I\\s\\S\\p\\P\\t\\n\\\\\\x表示ソ[nothing][DECR";
    static char out[4096];
    int full = -1, cut = -1;
    EXPECT_EQ(0, AllocationsDuring([&] { full = ExpandTemplate(out, all.c_str(), sizeof(out), &info); }));
    EXPECT_EQ(1, full);
    EXPECT_EQ(0, AllocationsDuring([&] { cut = ExpandTemplate(out, all.c_str(), 200, &info); }));
    EXPECT_EQ(0, cut);
}
#endif

}  // namespace
