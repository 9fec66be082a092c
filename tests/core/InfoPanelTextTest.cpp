#include <gtest/gtest.h>

#include <string.h>

#include "view/InfoPanelText.h"

namespace {

std::string Line(int kind, const PanelTarget* t, int px = 640, int py = 480, int r = 18,
                 int g = 52, int b = 255) {
    char out[4096];
    memset(out, 'x', sizeof(out));
    FormatInfoLine(out, sizeof(out), kind, px, py, r, g, b, t);
    return out;
}

TEST(InfoPanelText, LinesForAWindow) {
    PanelTarget t = {};
    t.Found = 1;
    t.Handle = 0x000200A4;
    t.Pid = 32;
    t.Tid = 123456;
    t.Rect = {600, 400, 1000, 750};
    t.ClassName = "MiraboTestPattern";
    t.Text = "\x95\x5C\x8E\xA6";  // 表示: the trail byte 0x5C stays as it is
    EXPECT_EQ("Color  #1234FF ( 18, 52,255)", Line(InfoLineColor, &t));
    EXPECT_EQ("Mouse  640,480 (40,80)", Line(InfoLineMouse, &t));
    EXPECT_EQ("HWND   0x000200A4(00131236) PID:  32 TID:123456", Line(InfoLineHwnd, &t));
    EXPECT_EQ("Class  \"MiraboTestPattern\"", Line(InfoLineClass, &t));
    EXPECT_EQ("Text   \"\x95\x5C\x8E\xA6\"", Line(InfoLineTitle, &t));
    EXPECT_EQ("Area   RECT( 600, 400,1000, 750) 400 * 350", Line(InfoLineArea, &t));
    // The pointer left of and above the window gives negative offsets.
    EXPECT_EQ("Mouse  590,390 (-10,-10)", Line(InfoLineMouse, &t, 590, 390));
}

TEST(InfoPanelText, LinesWithoutAWindow) {
    PanelTarget none = {};
    EXPECT_EQ("Color  #000000 (  0,  0,  0)", Line(InfoLineColor, &none, 1, 2, 0, 0, 0));
    EXPECT_EQ("Mouse  -3,1025", Line(InfoLineMouse, &none, -3, 1025));
    EXPECT_EQ("HWND   -", Line(InfoLineHwnd, &none));
    EXPECT_EQ("Class  -", Line(InfoLineClass, &none));
    EXPECT_EQ("Text   -", Line(InfoLineTitle, &none));
    EXPECT_EQ("Area   -", Line(InfoLineArea, &none));
    EXPECT_EQ("HWND   -", Line(InfoLineHwnd, nullptr));
}

TEST(InfoPanelText, HighHandlesPrintNegativeInDecimalAndLinesStayInTheirBuffer) {
    PanelTarget t = {};
    t.Found = 1;
    t.Handle = 0xFFFFFFFEu;
    EXPECT_EQ("HWND   0xFFFFFFFE(-0000002) PID:   0 TID:   0", Line(InfoLineHwnd, &t));

    char small[12];
    memset(small, 'x', sizeof(small));
    FormatInfoLine(small, 8, InfoLineColor, 0, 0, 1, 2, 3, &t);
    EXPECT_STREQ("Color  ", small);
    EXPECT_EQ('x', small[8]);
}

}  // namespace
