#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "view/InfoPanelText.h"

namespace {

// The six lines for the pointer at px, py of colour 18, 52, 255.
std::string Lines(const PanelTarget* t, int px, int py) {
    std::string all;
    for (int kind = InfoLineColor; kind <= InfoLineArea; kind++) {
        char out[4096];
        FormatInfoLine(out, sizeof(out), kind, px, py, 18, 52, 255, t);
        all += std::string(out) + "\n";
    }
    return all;
}

TEST(InfoPanelText, LinesForAWindowAndWithoutOneWithinTheirBuffer) {
    PanelTarget t = {1, 0x000200A4, 32, 123456, {600, 400, 1000, 750}, "MiraboTestPattern",
                     "\x95\x5C\x8E\xA6"};  // 表示: the trail byte 0x5C stays as it is
    EXPECT_EQ("Color  #1234FF ( 18, 52,255)\n"
              "Mouse  590,390 (-10,-10)\n"
              "HWND   0x000200A4(00131236) PID:  32 TID:123456\n"
              "Class  \"MiraboTestPattern\"\n"
              "Text   \"\x95\x5C\x8E\xA6\"\n"
              "Area   RECT( 600, 400,1000, 750) 400 * 350\n",
              Lines(&t, 590, 390));
    PanelTarget none = {};
    const std::string noWindow = "Color  #1234FF ( 18, 52,255)\nMouse  -3,1025\nHWND   -\n"
                                 "Class  -\nText   -\nArea   -\n";
    EXPECT_EQ(noWindow, Lines(&none, -3, 1025));
    EXPECT_EQ(noWindow, Lines(nullptr, -3, 1025));

    // High handles print negative in decimal; lines stay in their buffer.
    t.Handle = 0xFFFFFFFEu;
    char out[64];
    FormatInfoLine(out, sizeof(out), InfoLineHwnd, 0, 0, 0, 0, 0, &t);
    EXPECT_STREQ("HWND   0xFFFFFFFE(-0000002) PID:  32 TID:123456", out);
    memset(out, 'x', sizeof(out));
    FormatInfoLine(out, 8, InfoLineColor, 0, 0, 1, 2, 3, &t);
    EXPECT_STREQ("Color  ", out);
    EXPECT_EQ('x', out[8]);
}

}  // namespace
