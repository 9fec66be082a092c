// ExpandTemplate runs on every redraw of the view and must not touch the
// heap. Under AddressSanitizer every allocation, including those made
// inside the C library (snprintf's work buffers) and by operator new, passes
// the allocator hooks installed here; the Windows build has no such hooks
// and skips these tests.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <string.h>

#include <string>

#include "template/Template.h"

#if defined(__SANITIZE_ADDRESS__)
#define MIRABO_HAVE_ALLOC_HOOKS 1
extern "C" int __sanitizer_install_malloc_and_free_hooks(
    void (*mallocHook)(const volatile void*, size_t), void (*freeHook)(const volatile void*));
#else
#define MIRABO_HAVE_ALLOC_HOOKS 0
#endif

namespace {

volatile bool gCounting = false;
volatile int gAllocations = 0;

#if MIRABO_HAVE_ALLOC_HOOKS
void CountMalloc(const volatile void*, size_t) {
    if (gCounting)
        gAllocations = gAllocations + 1;
}
void IgnoreFree(const volatile void*) {}

bool InstallHooks() {
    static bool installed = __sanitizer_install_malloc_and_free_hooks(CountMalloc, IgnoreFree) != 0;
    return installed;
}
#endif

// Allocations made while f runs.
template <typename F>
int AllocationsDuring(F f) {
    gAllocations = 0;
    gCounting = true;
    f();
    gCounting = false;
    return gAllocations;
}

TEST(ExpandTemplateMemory, TheCounterSeesAllocations) {
#if MIRABO_HAVE_ALLOC_HOOKS
    ASSERT_TRUE(InstallHooks());
    // The proof below can fail: an allocation by malloc, inside the C
    // library, or by operator new is counted.
    EXPECT_EQ(1, AllocationsDuring([] { free(malloc(16)); }));
    EXPECT_GE(AllocationsDuring([] { free(strdup("abc")); }), 1);
    EXPECT_EQ(1, AllocationsDuring([] { delete[] new char[10]; }));
    EXPECT_GE(AllocationsDuring([] { std::string s(100, 'x'); (void)s; }), 1);
    EXPECT_EQ(0, AllocationsDuring([] {}));
#else
    GTEST_SKIP() << "allocator hooks need AddressSanitizer";
#endif
}

TEST(ExpandTemplateMemory, NoAllocationForAnyTokenOrEscape) {
#if MIRABO_HAVE_ALLOC_HOOKS
    ASSERT_TRUE(InstallHooks());
    PointInfo info;
    memset(&info, 0, sizeof(info));
    info.Red = 200;
    info.Green = 100;
    info.Blue = 50;
    info.Color = MakeColor(200, 100, 50);
    info.Hwnd = 0x1234;
    strcpy(info.ClassName, "Button");
    memset(info.Text, 't', 255);
    info.Text[255] = 0;
    strcpy(info.ExeName, "a.exe");
    strcpy(info.ExePath, "C:\\表");
    info.Time = {2026, 12, 0, 6, 15, 5, 9, 0};

    // The whole vocabulary, every escape, double-byte text, unknown and
    // unclosed names, and a cut with the marker.
    std::string all =
        "[hex02r][hex02g][hex02b][hexr][hexg][hexb][hex1r][hex1g][hex1b][HEX02R][HEX02G][HEX02B]"
        "[HEXR][HEXG][HEXB][HEX1R][HEX1G][HEX1B][DECR][DECG][DECB][DEC3R][DEC3G][DEC3B][%DECR]"
        "[%DECG][%DECB][%DEC3R][%DEC3G][%DEC3B][COLORREF][HSVH][HSVS][HSVV][HSV3H][HSV3S][HSV3V]"
        "[%HSVH][%HSVS][%HSVV][%HSV3H][%HSV3S][%HSV3V][HLSH][HLSL][HLSS][HLS3H][HLS3L][HLS3S]"
        "[%HLSH][%HLSL][%HLSS][%HLS3H][%HLS3L][%HLS3S][YMCY][YMCM][YMCC][YMC3Y][YMC3M][YMC3C]"
        "[%YMCY][%YMCM][%YMCC][%YMC3Y][%YMC3M][%YMC3C][MOUSEX][MOUSEY][HWND][WINDOWID]"
        "[PARENTHWND][HINST][CLASSNAME][TEXT][LEFT][TOP][RIGHT][BOTTOM][WIDTH][HEIGHT][PID][TID]"
        "[STYLE][EXSTYLE][EXENAME][EXEPATH]"
        "\\1\\2\\3\\4\\5\\6\\7\\Y\\y\\m\\M\\f\\F\\d\\D\\w\\W\\a\\g\\G\\h\\H\\i\\I\\s\\S\\p\\P\\t\\n\\\\"
        "\\x表示ソ[nothing][DECR";
    static char out[4096];
    int result = -1;
    EXPECT_EQ(0, AllocationsDuring([&] {
                  result = ExpandTemplate(out, all.c_str(), sizeof(out), &info);
              }));
    EXPECT_EQ(1, result);
    EXPECT_GT(strlen(out), 400u);  // the expansion really ran
    EXPECT_EQ(0, AllocationsDuring([&] {
                  result = ExpandTemplate(out, all.c_str(), 200, &info);
              }));
    EXPECT_EQ(0, result);
#else
    GTEST_SKIP() << "allocator hooks need AddressSanitizer";
#endif
}

}  // namespace
