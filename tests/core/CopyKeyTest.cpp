// The capture-key list and the Copy keys page's operations and buttons on
// it, the spelling of key combinations, the accelerator entries, the
// capture menu's labels and the bytes of an image capture.
#include <gtest/gtest.h>

#include <limits.h>

#include "copykey/CaptureImage.h"
#include "copykey/CaptureMenuLabel.h"
#include "copykey/KeyBindings.h"
#include "copykey/KeyCombo.h"
#include "options/CopyKeysRules.h"
#include "settings/SettingsText.h"

namespace {

struct CopyKeyListTest : ::testing::Test {
    CopyKeyList list = nullptr;
    void TearDown() override { ClearCopyKeys(&list); }
    int Insert(int index, char name, int shortcut = 0) {
        CopyKey k;
        InitCopyKey(&k);
        k.Format[0] = name, k.ShortcutKey = shortcut;
        k.Next = &k;  // a stray link in the input must not enter the list
        return InsertCopyKey(&list, index, &k);
    }
    // The list's formats joined, a separator as "-", e.g. "A,-,C".
    std::string Order() {
        std::string s;
        CopyKey k;
        for (int i = 0; GetCopyKey(&list, i, &k); i++)
            s += (i ? "," : "") + (k.Kind == CopyKindSeparator ? "-" : std::string(k.Format));
        return s;
    }
};

// Each operation on A,B,C: its result, then the order. Positions of a move
// count in the order before it; a refused operation leaves the list alone.
TEST_F(CopyKeyListTest, InsertMoveRemoveAndSetOnThreeKeys) {
    const struct { char op; int a, b, result; const char* order; } cases[] = {
        {'i', 0, 0, 1, "N,A,B,C"}, {'i', 2, 0, 1, "A,B,N,C"}, {'i', -1, 0, 1, "A,B,C,N"}, {'i', 5, 0, 1, "A,B,C,N"},
        {'m', 0, 2, 1, "B,A,C"}, {'m', 2, 0, 1, "C,A,B"}, {'m', 1, 3, 1, "A,C,B"}, {'m', 0, 3, 1, "B,C,A"},
        {'m', 1, 0, 1, "B,A,C"}, {'m', 0, -1, 1, "B,C,A"}, {'m', 0, 1, 0, "A,B,C"}, {'m', 2, 3, 0, "A,B,C"},
        {'m', 1, 1, 0, "A,B,C"}, {'m', 2, 5, 0, "A,B,C"}, {'m', 2, -1, 0, "A,B,C"}, {'m', 3, 0, 0, "A,B,C"},
        {'m', -1, 0, 0, "A,B,C"}, {'m', INT_MAX, INT_MIN, 0, "A,B,C"}, {'m', 0, INT_MIN, 1, "B,C,A"},
        {'m', 1, INT_MAX, 1, "A,C,B"}, {'r', 1, 0, 1, "A,C"}, {'r', 3, 0, 0, "A,B,C"}, {'r', -1, 0, 0, "A,B,C"},
        {'s', 1, CopyFieldFormat, 1, "A,N,C"}, {'s', 3, 0x1FF, 0, "A,B,C"}, {'s', -1, 0x1FF, 0, "A,B,C"},
    };
    const CopyKey n = {CopyKindText, "N"};
    for (const auto& c : cases) {
        ClearCopyKeys(&list);
        for (char name : {'A', 'B', 'C'})
            ASSERT_EQ(1, Insert(-1, name));
        int r = c.op == 'i' ? Insert(c.a, 'N') : c.op == 'm' ? MoveCopyKey(&list, c.a, c.b)
              : c.op == 'r' ? RemoveCopyKeyAt(&list, c.a) : SetCopyKeyFields(&list, c.a, c.b, &n);
        EXPECT_EQ(c.result, r) << c.op << c.a << "," << c.b;
        EXPECT_EQ(c.order, Order()) << c.op << c.a << "," << c.b;
        EXPECT_EQ((int)strlen(c.order) / 2 + 1, CountCopyKeys(&list));
    }
}

TEST_F(CopyKeyListTest, GetAndSetCopyWholeRecordsByFieldMask) {
    Insert(-1, 'A'), Insert(-1, 'B');
    CopyKey in = {CopyKindImage, "new", 7, 8, 1, 3, 0x243, 0x244, 0x8010, nullptr}, a, b;
    ASSERT_EQ(1, SetCopyKeyFields(&list, 1, CopyFieldHotkeyId, &in));
    ASSERT_EQ(1, SetCopyKeyFields(&list, 0, 0xFF, &in));  // all but the identifier
    GetCopyKey(&list, 0, &a);
    GetCopyKey(&list, 1, &b);
    EXPECT_TRUE(a.Kind == CopyKindImage && a.Width == 7 && a.Height == 8 && a.Invert == 1 && a.Gradient == 3 &&
                a.ShortcutKey == 0x243 && a.Hotkey == 0x244 && a.HotkeyId == 0 && a.Next == nullptr);
    // InitCopyKey's defaults travel with the copy.
    EXPECT_TRUE(b.Kind == CopyKindText && b.Width == 32 && b.Hotkey == 0 && b.HotkeyId == 0x8010);
    EXPECT_EQ("new,B", Order());
    // A miss gives an empty text key of 1 x 1.
    for (int index : {-1, 2}) {
        memset(&a, 0x55, sizeof(a));
        EXPECT_EQ(0, GetCopyKey(&list, index, &a)) << index;
        EXPECT_TRUE(a.Kind == CopyKindText && a.Format[0] == 0 && a.Width == 1 && a.Height == 1 &&
                    a.Hotkey == 0 && a.Next == nullptr) << index;
    }
    // An unterminated format keeps 255 bytes.
    memset(in.Format, 'x', sizeof(in.Format));
    ASSERT_EQ(1, InsertCopyKey(&list, 0, &in));
    EXPECT_EQ(std::string(255, 'x') + ",new,B", Order());
}

// The Copy keys page from an empty list, one operation after the other: the
// row it reports, the keys' order (a new key is named by the next letter)
// and the buttons for the selection it leaves (Add, Edit, Separator,
// Delete, Up, dowN; "-" greyed).
TEST_F(CopyKeyListTest, PageOperationsOrderAndButtons) {
    auto buttons = [&](int selected) {
        CopyKeyButtons b = CopyKeyButtonStates(&list, selected);
        const int on[] = {b.Add, b.Edit, b.Separator, b.Delete, b.Up, b.Down};
        std::string s;
        for (int i = 0; i < 6; i++)
            s += on[i] ? "AESDUN"[i] : '-';
        return s;
    };
    EXPECT_EQ("AES---", buttons(NoRow));
    char next = 'a';
    const struct { char op; int selected, row; const char* order; const char* buttons; } steps[] = {
        {'a', NoRow, 0, "a", "AESD--"},       // the first key
        {'a', 0, 0, "b,a", "AESD-N"},         // before the selected row
        {'a', NoRow, 2, "b,a,c", "AESDU-"},   // nothing selected: at the end
        {'s', 1, 1, "b,-,a,c", "A-SDUN"},     // a separator greys Edit
        {'n', 1, 2, "b,a,-,c", "A-SDUN"},     // row 1 down: 0, 2, 1, 3
        {'u', 0, NoRow, "b,a,-,c", "AES---"}, {'n', 3, NoRow, "b,a,-,c", "AES---"},  // no move past the ends
        {'u', 3, 2, "b,a,c,-", "AESDUN"},
        {'d', 3, 2, "b,a,c", "AESDU-"},       // the last row: the new last one
        {'d', 1, 1, "b,c", "AESDU-"},         // a middle row: the same index
        {'d', 5, NoRow, "b,c", "AES---"},     // no such row
        {'d', 0, 0, "c", "AESD--"}, {'d', 0, NoRow, "", "AES---"},  // the only row
    };
    for (const auto& step : steps) {
        int row = NoRow;
        if (step.op == 'a' || step.op == 's') {
            row = InsertNewCopyKey(&list, step.selected, step.op == 'a' ? CopyKindText : CopyKindSeparator);
            CopyKey k;
            GetCopyKey(&list, row, &k);
            EXPECT_TRUE(k.Width == 32 && k.Height == 32 && k.Format[0] == 0 && k.ShortcutKey == 0);
            k.Format[0] = next++;
            SetCopyKeyFields(&list, row, CopyFieldFormat, &k);
        } else if (step.op == 'd') {
            row = DeleteCopyKey(&list, step.selected);
        } else {
            row = MoveCopyKeyStep(&list, step.selected, step.op == 'u');
        }
        EXPECT_EQ(step.row, row) << step.op << step.selected;
        EXPECT_EQ(step.order, Order()) << step.op << step.selected;
        EXPECT_EQ(step.buttons, buttons(row)) << step.op << step.selected;
    }
}

// The list cannot outgrow the identifiers: at the most keys the program
// numbers, Add and Separator are greyed and insert nothing.
TEST_F(CopyKeyListTest, PageAddStopsAtTheMostKeys) {
    for (int i = 0; i < SettingsMaxCopyKeys - 1; i++)
        Insert(0, 'k');
    EXPECT_TRUE(CopyKeyButtonStates(&list, 0).Add && CopyKeyButtonStates(&list, 0).Separator);
    EXPECT_EQ(SettingsMaxCopyKeys - 1, InsertNewCopyKey(&list, NoRow, CopyKindSeparator));
    CopyKeyButtons b = CopyKeyButtonStates(&list, 0);
    EXPECT_TRUE(!b.Add && !b.Separator && b.Edit && b.Delete);
    EXPECT_EQ(NoRow, InsertNewCopyKey(&list, 0, CopyKindText));
    EXPECT_EQ(SettingsMaxCopyKeys, CountCopyKeys(&list));
}

TEST(KeyCombo, ComposedAndSpelledModifiersFirst) {
    // The control's extended-key flag dropped; the Windows key only for a flag of 1.
    EXPECT_EQ((std::vector<int>{0x143, 0xF70, 0x031}),
              (std::vector<int>{ComposeKeyCombo(0x0943, 0), ComposeKeyCombo(0xFF70, 1), ComposeKeyCombo(0x10031, 2)}));
    // A layout that names only F1, and one that overruns its buffer.
    KeyNameLookup onlyF1 = [](int vk, char* out, int size) { return vk == 0x70 ? snprintf(out, (size_t)size, "F1") : 0; };
    KeyNameLookup overlong = [](int, char* out, int size) { return memset(out, 'n', (size_t)size), 1000; };
    const struct { int combo; KeyNameLookup lookup; std::string text; } cases[] = {
        {0x0F70, onlyF1, "Windows+Shift+Ctrl+Alt+F1"}, {0x158, onlyF1, "Shift+X"}, {0x280, onlyF1, "Ctrl+80"},
        // Modifiers alone carry a + only between them; higher bits mean nothing.
        {0x0F00, onlyF1, "Windows+Shift+Ctrl+Alt"}, {0x0500, onlyF1, "Shift+Alt"}, {0x1000, onlyF1, ""},
        {0x243, nullptr, "Ctrl+C"}, {0x0F41, overlong, "Windows+Shift+Ctrl+Alt+" + std::string(63, 'n')},
    };
    for (const auto& c : cases) {
        char out[256];
        memset(out, 'Z', sizeof(out));
        EXPECT_EQ(1, FormatKeyNameWith(c.combo, out, c.lookup));
        EXPECT_EQ(c.text, out) << std::hex << c.combo;
    }
}

// Keys whose command would pass 65535 get no entry. The editor's "重複"
// beside the shortcut: another key's shortcut (the Windows bit plays no
// part in accelerators) or a built-in key.
TEST_F(CopyKeyListTest, AccelEntriesNoneBeyond65535AndShortcutClashesWithOtherKeysAndTheBuiltInOnes) {
    EXPECT_EQ(28, AccelEntryCount(-4));
    // The list empty: missing records read as keys without a shortcut.
    std::vector<AccelEntry> e(AccelEntryCount(30000));
    // Commands 45000 to 65535 for the first 20536 keys, then the built-in
    // entries from Esc.
    ASSERT_EQ(20536 + 28, BuildAccelEntries(&list, 30000, e.data()));
    EXPECT_TRUE(e[20535].Command == 65535 && e[20536].Command == 41001) << e[20535].Command;
    for (int shortcut : {0x243, 0x200, 0xA44})  // Ctrl+C; Ctrl alone; Windows+Ctrl+D
        Insert(-1, 'k', shortcut);
    // The built-in keys: Alt+C the cursor mark, Space the capture menu,
    // Alt+Space the context menu, Num 1 zoom 1. A key of 0 or modifiers
    // alone has nothing to clash.
    const struct { int own, shortcut, clash; } cases[] = {
        {1, 0x243, 1}, {0, 0x243, 0}, {1, 0x244, 1}, {2, 0x244, 0}, {2, 0x243, 1}, {1, 0x143, 0}, {1, 0x443, 1},
        {1, 0x20, 1}, {1, 0x420, 1}, {1, 0x61, 1}, {1, 0x31, 0}, {1, 0x161, 0}, {0, 0x200, 0}, {0, 0x600, 0}, {0, 0, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.clash, ShortcutClashes(&list, c.own, c.shortcut)) << c.own << " " << std::hex << c.shortcut;
}

// The capture menu's entry and the Copy keys page's sample column: the
// menu cuts a text preview, the page does not; the page spells the options
// without the menu's blanks.
TEST(CaptureMenuLabel, TextPreviewOrImageSizeWithInvertAndGradientArrow) {
    // A preview holds 124 letters and the marker: 127 bytes and the terminator.
    const std::string hex = "#[HEX02R][HEX02G][HEX02B]", a200(200, 'a'), cut = "テキスト\t" + a200.substr(0, 124) + "...";
    const struct { int kind; std::string format; int w, h, invert, gradient; std::string label, sample; } cases[] = {
        {CopyKindText, hex, 1, 1, 1, 1, "テキスト\t#FF8000", "#FF8000"}, {CopyKindText, a200, 1, 1, 0, 0, cut, a200},
        {CopyKindImage, hex, 32, 32, 0, 0, "画像\t32*32", "32*32"},
        {CopyKindImage, "", 4, 8, 0, 1, "画像\t4*8 →グラデーション", "4*8 →グラデーション"},
        {CopyKindImage, "", 256, 256, 1, 2, "画像\t256*256 色反転 ←グラデーション", "256*256 反転←グラデーション"},
        {CopyKindImage, "", 4, 8, 0, 3, "画像\t4*8 ↓グラデーション", "4*8 ↓グラデーション"},
        {CopyKindImage, "", 4, 8, 1, 4, "画像\t4*8 色反転 ↑グラデーション", "4*8 反転↑グラデーション"},
        {CopyKindImage, "", 4, 8, 1, 0, "画像\t4*8 色反転", "4*8 反転"},
        {CopyKindImage, "", 0, 0, 2, 5, "画像\t0*0", "0*0"},  // other option values add nothing
        {CopyKindSeparator, hex, 1, 1, 0, 0, "", ""}, {3, hex, 1, 1, 0, 0, "", ""}, {-1, hex, 1, 1, 0, 0, "", ""}};
    PointInfo info = {};
    info.Red = 255, info.Green = 128, info.Blue = 0;
    for (const auto& c : cases) {
        CopyKey k = {c.kind, "", c.w, c.h, c.invert, c.gradient};
        strcpy(k.Format, c.format.c_str());
        char out[CaptureLabelSize];
        EXPECT_EQ(c.label.empty() ? 0 : 1, FormatCaptureMenuLabel(&k, &info, out)) << c.label;
        EXPECT_EQ(c.label, out);
        FormatCopyKeySample(&k, &info, out);
        EXPECT_EQ(c.sample, out);
    }
}

const ColorRef Black = MakeColor(0, 0, 0), White = MakeColor(255, 255, 255);

struct Capture { int width, height, invert, gradient; ColorRef current, previous; int historyCount, webSafe; };

// "<width>x<height>" from the header, then "|" and the pixels of each row
// from the bottom up, each pixel's 32-bit value in hex. The header is
// checked here, and a guard pattern behind the computed size shows a write
// past the block.
std::string Pixels(const Capture& c) {
    Settings s = {};
    s.HistoryColor[0] = c.previous, s.HistoryCount = c.historyCount, s.WebSafeColor = c.webSafe;
    PointInfo info = {0, 0, 0, ColorRed(c.current), ColorGreen(c.current), ColorBlue(c.current)};
    CopyKey key = {CopyKindImage, "", c.width, c.height, c.invert, c.gradient};
    CaptureImageParams params;
    MakeCaptureImageParams(&key, &info, &s, &params);
    size_t size = 0;
    EXPECT_EQ(1, CaptureDibSize(params.Width, params.Height, &size));
    std::vector<uint32_t> d(size / 4 + 4, 0xA5A5A5A5);
    FillCaptureDib((uint8_t*)d.data(), &params);
    // An uncompressed 32-bit bottom-up info header: one plane, 32 bits.
    EXPECT_EQ((std::vector<uint32_t>{40, d[1], d[2], 0x200001, 0, 0, 0, 0, 0, 0}), std::vector<uint32_t>(&d[0], &d[10]));
    EXPECT_EQ(std::vector<uint32_t>(4, 0xA5A5A5A5), std::vector<uint32_t>(d.end() - 4, d.end()));
    std::string out = std::to_string(d[1]) + "x" + std::to_string(d[2]);
    for (size_t i = 10; i < size / 4; i++) {
        char buf[16];
        snprintf(buf, sizeof(buf), "%s%06x", (i - 10) % d[1] ? " " : "|", d[i]);
        out += buf;
    }
    return out;
}

TEST(CaptureDib, HeaderPixelsAndSizeOfPlainInvertedAndGradientImages) {
    const ColorRef Grey100 = MakeColor(100, 100, 100);
    const struct { Capture c; const char* pixels; } cases[] = {
        // Blue in the lowest byte, no row padding.
        {{3, 2, 0, 0, MakeColor(0x12, 0x34, 0x56), White, 1, 0}, "3x2|123456 123456 123456|123456 123456 123456"},
        {{2, 1, 1, 0, MakeColor(255, 0, 16), Black, 1, 0}, "2x1|00ffef 00ffef"},
        // Gradients run from the sample to the newest history colour:
        // 1 rightwards, 2 leftwards, 3 downwards, 4 upwards.
        {{4, 2, 0, 1, Black, White, 1, 0}, "4x2|3f3f3f 7f7f7f bfbfbf ffffff|3f3f3f 7f7f7f bfbfbf ffffff"},
        {{4, 1, 0, 2, Black, White, 1, 0}, "4x1|c0c0c0 808080 404040 000000"},
        {{3, 2, 0, 3, Black, Grey100, 1, 0}, "3x2|323232 323232 323232|000000 000000 000000"},
        {{1, 4, 0, 4, Black, White, 1, 0}, "1x4|3f3f3f|7f7f7f|bfbfbf|ffffff"},
        {{4, 1, 0, 1, Black, White, 0, 0}, "4x1|000000 000000 000000 000000"},  // no history yet
        {{4, 1, 1, 1, Black, White, 1, 0}, "4x1|c0c0c0 808080 404040 000000"},  // both ends inverted
        {{4, 1, 0, 1, Black, White, 1, 1}, "4x1|333333 999999 cccccc ffffff"},  // each line web-safe
        // Components truncate toward zero: red 200 -> 0, green 0 -> 9, blue stays 7.
        {{3, 1, 0, 1, MakeColor(200, 0, 7), MakeColor(0, 9, 7), 1, 0}, "3x1|860307 430607 000907"},
        // A hand-edited negative size counts as 0; no pixels, the header alone.
        {{-20, 7, 0, 1, Black, White, 1, 0}, "0x7"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.pixels, Pixels(c.c));
    // 256 MiB of pixels plus the header is too much; so is anything past 32
    // bits or negative. A refused size is 0.
    const struct { int w, h; size_t size; } sizes[] = {
        {256, 256, 40 + 256 * 256 * 4}, {1, ((256 << 20) - 40) / 4, 256 << 20}, {8192, 8192, 0}, {65536, 65536, 0},
        {0x7FFFFFFF, 0x7FFFFFFF, 0}, {-1, 4, 0}, {4, -1, 0}};
    for (const auto& c : sizes) {
        size_t size = 1;
        EXPECT_EQ(c.size != 0, CaptureDibSize(c.w, c.h, &size)) << c.w << "x" << c.h;
        EXPECT_EQ(c.size, size) << c.w << "x" << c.h;
    }
    // 255 times 2^24 lines is past 32 bits; the last line is still the end.
    EXPECT_EQ(White, GradientLineColor(Black, White, (1 << 24) - 1, 1 << 24));
    EXPECT_EQ(MakeColor(127, 127, 127), GradientLineColor(Black, White, (1 << 23) - 1, 1 << 24));
}

}  // namespace
