// The information panel on real pixels: its lines compared with the same
// texts drawn in the same font, the swatches, the grip and the zoom label.
#include <gtest/gtest.h>

#include <stdarg.h>
#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

#include "../support/MainWindowHarness.h"
#include "app/AppState.h"
#include "view/RedrawView.h"
#include "view/SamplePoint.h"

namespace {

const int PatX = 560, PatY = 360, PatSize = 440;
const int PtrX = 780, PtrY = 580;

class InfoPanelTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        hwnd_ = OpenMainWindow(20, 40, 300, 260);
        if (hwnd_)
            KillTimer(hwnd_, 101);
        pattern_ = ShowPatternWindow(PatX, PatY, PatSize, PatSize);
    }
    static void TearDownTestSuite() {
        CloseMainWindow(hwnd_);
        ClosePatternWindow(pattern_);
    }

    void SetUp() override {
        ASSERT_NE(nullptr, hwnd_);
        ASSERT_NE(nullptr, pattern_);
        SetDefaultSettings(&gSettings);
        gSettings.DispMouseDownInfo = 1;
        gSettings.DispCursor = 0;
    }

    PixelImage Redraw() {
        SetCursorPos(PtrX, PtrY);
        RedrawView(hwnd_);
        RedrawView(hwnd_);
        return ReadBackBuffer();
    }

    // The given lines drawn by GDI in the view's font and text colour on
    // the background, as the panel must look from y0 down.
    PixelImage Reference(const std::vector<std::string>& lines, int x0, int y0, COLORREF back,
                         COLORREF text) {
        HDC dc = CreateCompatibleDC(gApp.BackBufferDC);
        HBITMAP bitmap = CreateCompatibleBitmap(gApp.BackBufferDC, 300, 260);
        HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
        HGDIOBJ oldFont = SelectObject(dc, gApp.ViewFont);
        RECT rc = {0, 0, 300, 260};
        HBRUSH brush = CreateSolidBrush(back);
        FillRect(dc, &rc, brush);
        DeleteObject(brush);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, text);
        int y = y0;
        for (const std::string& line : lines) {
            TextOutA(dc, x0, y, line.c_str(), (int)line.size());
            y += 12;
        }
        SelectObject(dc, oldFont);
        SelectObject(dc, oldBitmap);
        PixelImage image = ReadBitmap(dc, bitmap);
        DeleteObject(bitmap);
        DeleteDC(dc);
        return image;
    }

    static HWND hwnd_;
    static HWND pattern_;
};

HWND InfoPanelTest::hwnd_ = nullptr;
HWND InfoPanelTest::pattern_ = nullptr;

// Counts differing pixels in a rectangle.
int Differences(const PixelImage& a, const PixelImage& b, int x0, int y0, int x1, int y1) {
    int n = 0;
    for (int y = y0; y < y1; y++)
        for (int x = x0; x < x1; x++)
            n += a.At(x, y) != b.At(x, y);
    return n;
}

std::string Format(const char* fmt, ...) {
    char buf[512];
    va_list ap;
    va_start(ap, fmt);
    vsnprintf(buf, sizeof(buf), fmt, ap);
    va_end(ap);
    return buf;
}

TEST_F(InfoPanelTest, LinesDescribeThePixelAndTheWindowUnderThePointer) {
    PixelImage img = Redraw();
    COLORREF c = PatternColor(PtrX, PtrY);
    int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
    DWORD pid = 0;
    DWORD tid = GetWindowThreadProcessId(pattern_, &pid);
    unsigned handle = (unsigned)(uintptr_t)pattern_;
    std::vector<std::string> lines = {
        Format("Color  #%02X%02X%02X (%3d,%3d,%3d)", r, g, b, r, g, b),
        Format("Mouse  %d,%d (%d,%d)", PtrX, PtrY, PtrX - PatX, PtrY - PatY),
        Format("HWND   0x%08X(%08d) PID:%4d TID:%4d", handle, (int)handle, (int)pid, (int)tid),
        "Class  \"MiraboTestPattern\"",
        "Text   \"pattern\"",
        Format("Area   RECT(%4d,%4d,%4d,%4d) %d * %d", PatX, PatY, PatX + PatSize, PatY + PatSize,
               PatSize, PatSize),
    };
    // Six lines: the panel is 75 pixels high, the history row 18.
    int textY = 2 + (260 - 4 - 18 - 75) + 2;
    PixelImage want = Reference(lines, 3, textY, RGB(238, 238, 238), RGB(0, 0, 0));
    // Left of the zoom label; the lines hold dark text pixels.
    EXPECT_EQ(0, Differences(img, want, 3, textY, 270, textY + 72));
    int ink = 0;
    for (int y = textY; y < textY + 72; y++)
        for (int x = 3; x < 270; x++)
            ink += img.At(x, y) == RGB(0, 0, 0);
    EXPECT_GT(ink, 500);

    // The zoom label at W - 22 on the first line.
    PixelImage label = Reference({"\x81\x7E" "2"}, 278, textY, RGB(238, 238, 238), RGB(0, 0, 0));
    EXPECT_EQ(0, Differences(img, label, 270, textY, 298, textY + 12));
}

TEST_F(InfoPanelTest, WebSafeColourLineAndAZoomLabelForOneLine) {
    gSettings.WebSafeColor = 1;
    gSettings.DispInfoMouse = gSettings.DispInfoHWND = gSettings.DispInfoClass = 0;
    gSettings.DispInfoTitle = gSettings.DispInfoArea = 0;
    gSettings.InfoLineCount = 1;
    gSettings.Zoom = 12;
    PixelImage img = Redraw();
    COLORREF c = PatternColor(PtrX, PtrY);
    int r = WebSafeRound(GetRValue(c)), g = WebSafeRound(GetGValue(c)),
        b = WebSafeRound(GetBValue(c));
    int textY = 2 + (260 - 4 - 18 - 15) + 2;
    PixelImage want = Reference({Format("Color  #%02X%02X%02X (%3d,%3d,%3d)", r, g, b, r, g, b)},
                                3, textY, RGB(238, 238, 238), RGB(0, 0, 0));
    EXPECT_EQ(0, Differences(img, want, 3, textY, 250, textY + 12));
    // With one line and a two-digit zoom the label moves to W - 40.
    PixelImage label = Reference({"\x81\x7E" "12"}, 260, textY, RGB(238, 238, 238), RGB(0, 0, 0));
    EXPECT_EQ(0, Differences(img, label, 250, textY, 298, textY + 12));
    // The first swatch has the rounded colour too.
    EXPECT_EQ(RGB(r, g, b), img.At(3, textY + 12 + 2));
}

TEST_F(InfoPanelTest, SwatchesShowThePointerColourThenTheHistory) {
    gSettings.HistoryCount = 3;
    gSettings.HistoryColor[0] = RGB(200, 10, 10);
    gSettings.HistoryColor[1] = RGB(10, 200, 10);
    gSettings.HistoryColor[2] = RGB(10, 10, 200);
    gSettings.HistoryColor[3] = RGB(1, 2, 3);  // beyond the count: not shown
    PixelImage img = Redraw();
    int rowY = 2 + (260 - 4 - 18 - 75) + 2 + 6 * 12 + 2;
    EXPECT_EQ(257, rowY + 16);  // one pixel above the bottom band
    COLORREF want[5] = {PatternColor(PtrX, PtrY), RGB(200, 10, 10), RGB(10, 200, 10),
                        RGB(10, 10, 200), RGB(238, 238, 238)};
    for (int i = 0; i < 5; i++) {
        int x = 3 + i * 18;
        for (int dy = 0; dy < 16; dy++)
            for (int dx = 0; dx < 16; dx++)
                ASSERT_EQ(want[i], img.At(x + dx, rowY + dy)) << i << " " << dx << "," << dy;
        // Two pixels of background between swatches.
        EXPECT_EQ(RGB(238, 238, 238), img.At(x + 16, rowY + 8)) << i;
        EXPECT_EQ(RGB(238, 238, 238), img.At(x + 17, rowY + 8)) << i;
    }

    // A full history shows as many as fit: (300 - 4 - 36) / 18 = 14.
    gSettings.HistoryCount = 20;
    for (int i = 0; i < 20; i++)
        gSettings.HistoryColor[i] = RGB(10 * i, 255 - 10 * i, 77);
    img = Redraw();
    for (int i = 0; i < 14; i++)
        EXPECT_EQ(gSettings.HistoryColor[i], img.At(3 + (i + 1) * 18 + 8, rowY + 8)) << i;
    EXPECT_EQ(RGB(238, 238, 238), img.At(3 + 15 * 18 + 8, rowY + 8));
}

TEST_F(InfoPanelTest, PointerColourIsTheScreenPixelInEveryMode) {
    const int rowY = 2 + (260 - 4 - 18 - 75) + 2 + 6 * 12 + 2;
    const COLORREF want = PatternColor(PtrX, PtrY);
    struct Case {
        int zoom, invert, mirror, halftone, fixed, image;
    } cases[] = {
        {2, 0, 0, 0, 0, 1}, {1, 1, 0, 0, 0, 1}, {32, 0, 1, 0, 0, 1}, {3, 1, 1, 0, 0, 1},
        {4, 0, 0, 1, 0, 1}, {2, 0, 0, 0, 1, 1}, {2, 1, 0, 0, 1, 1}, {2, 0, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        gSettings.Zoom = c.zoom;
        gSettings.ReversColor = c.invert;
        gSettings.ReversH = gSettings.ReversV = c.mirror;
        gSettings.HalfTone = c.halftone;
        SetStretchBltMode(gApp.BackBufferDC, c.halftone ? HALFTONE : COLORONCOLOR);
        gSettings.FixMouse = c.fixed;
        gSettings.FixMouseX = PtrX - 40;  // the view elsewhere, the colour still the pointer's
        gSettings.FixMouseY = PtrY + 25;
        gSettings.DispZoomImage = c.image;
        int y = c.image ? rowY : 2 + 2 + 6 * 12 + 2;
        PixelImage img = Redraw();
        EXPECT_EQ(want, img.At(3, y)) << c.zoom << c.invert << c.mirror << c.halftone << c.fixed
                                      << c.image;
        EXPECT_EQ(want, img.At(18, y + 15));
    }
    SetStretchBltMode(gApp.BackBufferDC, COLORONCOLOR);
}

TEST_F(InfoPanelTest, ResizeGripDotsLookRaised) {
    PixelImage img = Redraw();
    const int w = 300, h = 260;
    const int offsets[6][2] = {{5, 5}, {9, 5}, {13, 5}, {5, 9}, {9, 9}, {5, 13}};
    for (const auto& o : offsets) {
        int x = w - o[0], y = h - o[1];
        // Dark 2 x 2 at (x - 1, y - 1), the light one shows below and right.
        EXPECT_EQ(RGB(174, 174, 174), img.At(x - 1, y - 1));
        EXPECT_EQ(RGB(174, 174, 174), img.At(x, y));
        EXPECT_EQ(RGB(255, 255, 255), img.At(x + 1, y + 1));
        EXPECT_EQ(RGB(255, 255, 255), img.At(x + 1, y));
        EXPECT_EQ(RGB(238, 238, 238), img.At(x - 2, y - 2));
    }
}

TEST_F(InfoPanelTest, PointerColourSchemeColoursThePanel) {
    gSettings.BackColorMode = 1;
    gSettings.DispInfoUser = 0;
    PixelImage img = Redraw();
    COLORREF c = PatternColor(PtrX, PtrY);  // dark: white text
    int textY = 2 + (260 - 4 - 18 - 75) + 2;
    EXPECT_EQ(c, img.At(280, textY + 40));
    int white = 0;
    for (int y = textY; y < textY + 72; y++)
        for (int x = 3; x < 270; x++)
            white += img.At(x, y) == RGB(255, 255, 255);
    EXPECT_GT(white, 500);
}

TEST_F(InfoPanelTest, UserLineSamplesThePointIntoTheViewRecord) {
    gSettings.DispInfoUser = 1;
    gSettings.InfoLineCount = 7;
    ResetPointInfo(&gApp.ViewPointInfo);
    Redraw();
    const PointInfo& v = gApp.ViewPointInfo;
    EXPECT_EQ(PtrX, v.MouseX);
    EXPECT_EQ(PtrY, v.MouseY);
    EXPECT_EQ(PatternColor(PtrX, PtrY), v.Color);
    EXPECT_STREQ("MiraboTestPattern", v.ClassName);
    EXPECT_STREQ("pattern", v.Text);
    EXPECT_EQ(HandleValue(pattern_), v.Hwnd);
    // The sampling replaced the display context the image is copied from.
    EXPECT_NE(nullptr, gApp.ScreenDC);
    // Without the user line the record is left alone.
    gSettings.DispInfoUser = 0;
    gSettings.InfoLineCount = 6;
    ResetPointInfo(&gApp.ViewPointInfo);
    Redraw();
    EXPECT_STREQ("(classname)", gApp.ViewPointInfo.ClassName);
}

TEST_F(InfoPanelTest, UserLineShowsTheExpandedTemplateFirst) {
    gSettings.DispInfoUser = 1;
    gSettings.DispInfoMouse = gSettings.DispInfoHWND = gSettings.DispInfoClass = 0;
    gSettings.DispInfoTitle = gSettings.DispInfoArea = 0;
    gSettings.InfoLineCount = 2;
    strcpy(gSettings.DispInfoUserFormat, "RGB([DECR],[DECG],[DECB])");
    PixelImage img = Redraw();
    COLORREF c = PatternColor(PtrX, PtrY);
    int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
    int textY = 2 + (260 - 4 - 18 - 27) + 2;
    PixelImage want = Reference({Format("RGB(%d,%d,%d)", r, g, b),
                                 Format("Color  #%02X%02X%02X (%3d,%3d,%3d)", r, g, b, r, g, b)},
                                3, textY, RGB(238, 238, 238), RGB(0, 0, 0));
    EXPECT_EQ(0, Differences(img, want, 3, textY, 270, textY + 24));
}

TEST_F(InfoPanelTest, HistoryRowAloneAndAnEmptyView) {
    // Only the history row: the panel background, no text, no grip.
    gSettings.DispMouseDownInfo = 0;
    gSettings.DispColorHistory = 1;
    PixelImage img = Redraw();
    // The image reaches the bottom band.
    EXPECT_EQ(PatternColor(PtrX, PtrY + 60), img.At(149, 129 + 2 * 60));
    EXPECT_EQ(PatternColor(PtrX + 74, PtrY + 64), img.At(297, 257));

    // No image and no panel: the inside is the background colour.
    gSettings.DispZoomImage = 0;
    img = Redraw();
    for (int y = 2; y < 258; y += 7)
        for (int x = 2; x < 298; x += 7)
            ASSERT_EQ(RGB(238, 238, 238), img.At(x, y)) << x << "," << y;
}

}  // namespace
