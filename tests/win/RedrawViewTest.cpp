// The rendered view on real pixels: a pattern window on the screen, the
// pointer on it, RedrawView into the main window's back buffer, and every
// pixel of the result compared with the screen pixel its cell must show.
#include <gtest/gtest.h>

#include <stdio.h>
#include <string.h>

#include <set>
#include <string>
#include <utility>

#include "../support/MainWindowHarness.h"
#include "../support/WineHarness.h"
#include "app/AppState.h"
#include "view/RedrawView.h"

namespace {

const COLORREF Black = RGB(0, 0, 0);
const COLORREF Grey = RGB(136, 136, 136);
const COLORREF Red = RGB(255, 0, 0);

int FloorDiv(int a, int b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// What the view must show, worked out from the picture's own geometry: the
// centre point's pixel in the middle cell of the image area, its
// neighbours cell by cell around it (the other way round when mirrored),
// black beyond the screen, inverted colours when asked.
struct Expectation {
    int W, H, F, Z;
    int ScreenW, ScreenH;
    int IH;  // image height
    int CentreX, CentreY;
    bool MirrorH, MirrorV, Invert;

    int CellLeft() const { return F + (W - 2 * F) / 2 - Z / 2; }
    int CellTop() const { return F + IH / 2 - Z / 2; }

    // The screen pixel shown at back-buffer pixel (x, y).
    void Source(int x, int y, int* sx, int* sy) const {
        int kx = FloorDiv(x - CellLeft(), Z);
        int ky = FloorDiv(y - CellTop(), Z);
        *sx = CentreX + (MirrorH ? -kx : kx);
        *sy = CentreY + (MirrorV ? -ky : ky);
    }

    COLORREF Pixel(int x, int y) const {
        int sx, sy;
        Source(x, y, &sx, &sy);
        if (sx < 0 || sy < 0 || sx >= ScreenW || sy >= ScreenH)
            return Black;
        COLORREF c = PatternColor(sx, sy);
        return Invert ? (~c & 0xFFFFFF) : c;
    }

    bool OnGridLine(int x, int y) const {
        return ((x - CellLeft()) % Z + Z) % Z == 0 || ((y - CellTop()) % Z + Z) % Z == 0;
    }
};

// Compares the image area pixel by pixel; skip() excludes pixels (marks).
template <typename Want>
::testing::AssertionResult ImageMatches(const PixelImage& img, const Expectation& e, Want want) {
    int bad = 0;
    std::string first;
    for (int y = e.F; y < e.F + e.IH; y++) {
        for (int x = e.F; x < e.W - e.F; x++) {
            COLORREF expected = want(x, y);
            if (img.At(x, y) != expected) {
                if (bad < 5) {
                    char buf[96];
                    snprintf(buf, sizeof(buf), " (%d,%d) is %06lX, not %06lX;", x, y,
                             (unsigned long)img.At(x, y), (unsigned long)expected);
                    first += buf;
                }
                bad++;
            }
        }
    }
    if (bad == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << bad << " pixels differ:" << first;
}

class RedrawViewTest : public ::testing::Test {
protected:
    // One main window serves the whole suite: removing its notification
    // icon takes Wine two seconds.
    static void SetUpTestSuite() {
        hwnd_ = OpenMainWindow(20, 40, 300, 260);
        // The view's own timer would redraw between the test's steps.
        if (hwnd_)
            KillTimer(hwnd_, 101);
    }
    static void TearDownTestSuite() {
        CloseMainWindow(hwnd_);
        hwnd_ = nullptr;
    }

    // The pattern around the pointer and the magnifier elsewhere, with the
    // default settings but no cursor mark.
    void Open(int patternX, int patternY, int windowX, int windowY) {
        ASSERT_NE(nullptr, hwnd_);
        SetDefaultSettings(&gSettings);
        gSettings.DispCursor = 0;
        SetWindowPos(hwnd_, nullptr, windowX, windowY, 300, 260, SWP_NOZORDER | SWP_NOACTIVATE);
        pattern_ = ShowPatternWindow(patternX, patternY, 440, 440);
        ASSERT_NE(nullptr, pattern_);
    }

    void TearDown() override { ClosePatternWindow(pattern_); }

    // Places the pointer and redraws twice: the window lookup of a redraw
    // uses the pointer position the previous one read.
    PixelImage Redraw(int px, int py) {
        SetCursorPos(px, py);
        RedrawView(hwnd_);
        RedrawView(hwnd_);
        return ReadBackBuffer();
    }

    Expectation Expect(int cx, int cy) const {
        Expectation e;
        e.W = gSettings.Width;
        e.H = gSettings.Height;
        e.F = gSettings.FrameWidth;
        e.Z = gSettings.Zoom;
        e.IH = e.H - 2 * e.F;
        e.ScreenW = GetSystemMetrics(SM_CXSCREEN);
        e.ScreenH = GetSystemMetrics(SM_CYSCREEN);
        e.CentreX = cx;
        e.CentreY = cy;
        e.MirrorH = gSettings.ReversH == 1;
        e.MirrorV = gSettings.ReversV == 1;
        e.Invert = gSettings.ReversColor == 1;
        return e;
    }

    // Every zoom the brief names, mirrored or not, inverted or not.
    void CheckAllModes(int px, int py) {
        for (int zoom : {1, 2, 3, 4, 32}) {
            for (int mode = 0; mode < 8; mode++) {
                gSettings.Zoom = zoom;
                gSettings.ReversH = mode & 1;
                gSettings.ReversV = (mode >> 1) & 1;
                gSettings.ReversColor = (mode >> 2) & 1;
                PixelImage img = Redraw(px, py);
                Expectation e = Expect(px, py);
                EXPECT_TRUE(ImageMatches(img, e, [&](int x, int y) { return e.Pixel(x, y); }))
                    << "zoom " << zoom << " mirror " << gSettings.ReversH << gSettings.ReversV
                    << " invert " << gSettings.ReversColor << " at " << px << "," << py;
            }
        }
    }

    HWND pattern_ = nullptr;
    static HWND hwnd_;
};

HWND RedrawViewTest::hwnd_ = nullptr;

const int MidX = 780, MidY = 580;

TEST_F(RedrawViewTest, EveryCellShowsItsScreenPixel) {
    Open(560, 360, 20, 40);
    CheckAllModes(MidX, MidY);
}

TEST_F(RedrawViewTest, TopLeftCornerLeavesCellsBeyondTheScreenBlack) {
    Open(0, 0, 700, 500);
    CheckAllModes(0, 0);
    CheckAllModes(3, 1);
}

TEST_F(RedrawViewTest, BottomRightCornerLeavesCellsBeyondTheScreenBlack) {
    int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    Open(sw - 440, sh - 440, 20, 40);
    CheckAllModes(sw - 1, sh - 1);
}

TEST_F(RedrawViewTest, PointerBeyondTheScreenPullsTheImageBack) {
    int sw = GetSystemMetrics(SM_CXSCREEN);
    Open(sw - 440, 300, 20, 40);
    // GetCursorPos stays on the screen, so the fixed point stands for a
    // pointer on a monitor to the right.
    gSettings.FixMouse = 1;
    gSettings.FixMouseX = sw + 20;
    gSettings.FixMouseY = 500;
    gSettings.Zoom = 4;
    PixelImage img = Redraw(900, 500);
    Expectation e = Expect(sw + 20, 500);
    EXPECT_TRUE(ImageMatches(img, e, [&](int x, int y) { return e.Pixel(x, y); }));
    // The last screen column is 21 cells left of the centre cell.
    EXPECT_EQ(PatternColor(sw - 1, 500), img.At(e.CellLeft() - 21 * 4, e.CellTop()));
    EXPECT_EQ(Black, img.At(e.CellLeft() - 20 * 4, e.CellTop()));
}

TEST_F(RedrawViewTest, GridLinesRunAlongEveryCellsTopAndLeft) {
    Open(560, 360, 20, 40);
    gSettings.DispGrid = 1;
    for (int zoom : {3, 4, 32}) {
        for (int mirror = 0; mirror < 2; mirror++) {
            gSettings.Zoom = zoom;
            gSettings.ReversH = mirror;
            gSettings.ReversV = mirror;
            PixelImage img = Redraw(MidX, MidY);
            Expectation e = Expect(MidX, MidY);
            EXPECT_TRUE(ImageMatches(img, e, [&](int x, int y) {
                return e.OnGridLine(x, y) ? Grey : e.Pixel(x, y);
            })) << "zoom " << zoom << " mirror " << mirror;
        }
    }
    // Zoom 1 has no grid.
    gSettings.Zoom = 1;
    gSettings.ReversH = gSettings.ReversV = 0;
    PixelImage img = Redraw(MidX, MidY);
    Expectation e = Expect(MidX, MidY);
    EXPECT_TRUE(ImageMatches(img, e, [&](int x, int y) { return e.Pixel(x, y); }));
}

// The pixels where two renders differ.
std::set<std::pair<int, int>> Changed(const PixelImage& a, const PixelImage& b, int f) {
    std::set<std::pair<int, int>> out;
    for (int y = f; y < a.Height - f; y++)
        for (int x = f; x < a.Width - f; x++)
            if (a.At(x, y) != b.At(x, y))
                out.insert({x, y});
    return out;
}

TEST_F(RedrawViewTest, CrossMarksInvertTheirArms) {
    Open(560, 360, 20, 40);
    for (int zoom : {1, 4}) {
        gSettings.Zoom = zoom;
        gSettings.DispCursor = 0;
        PixelImage plain = Redraw(MidX, MidY);
        Expectation e = Expect(MidX, MidY);
        int x = e.CellLeft(), y = e.CellTop(), z = zoom;

        gSettings.DispCursor = 1;
        gSettings.CursorMode = 1;
        PixelImage small = Redraw(MidX, MidY);
        std::set<std::pair<int, int>> want;
        for (int i = x - 5 * z; i < x + 6 * z; i++)
            for (int j = y; j < y + z; j++)
                if (i < x || i >= x + z)  // the pointer's cell is inverted twice
                    want.insert({i, j});
        for (int j = y - 5 * z; j < y + 6 * z; j++)
            for (int i = x; i < x + z; i++)
                if (j < y || j >= y + z)
                    want.insert({i, j});
        EXPECT_EQ(want, Changed(plain, small, e.F)) << "zoom " << zoom;
        for (auto p : want)
            ASSERT_EQ(~plain.At(p.first, p.second) & 0xFFFFFF, small.At(p.first, p.second));

        gSettings.CursorMode = 2;
        PixelImage full = Redraw(MidX, MidY);
        int x2 = x + z / 2 - 1, y2 = y + z / 2 - 1;
        want.clear();
        for (int i = e.F; i < e.W - e.F; i++)
            for (int j = y2; j < y2 + 2; j++)
                want.insert({i, j});
        for (int j = e.F; j < e.H - e.F; j++)
            for (int i = x2; i < x2 + 2; i++)
                if (j < y2 || j >= y2 + 2)
                    want.insert({i, j});
        EXPECT_EQ(want, Changed(plain, full, e.F)) << "zoom " << zoom;
        for (auto p : want)
            ASSERT_EQ(~plain.At(p.first, p.second) & 0xFFFFFF, full.At(p.first, p.second));
    }
}

// A red square outline with its top-left at (x, y) and side n; the rest of
// the image as expected.
bool OnOutline(int px, int py, int x, int y, int n) {
    bool inside = px >= x && px < x + n && py >= y && py < y + n;
    return inside && (px == x || px == x + n - 1 || py == y || py == y + n - 1);
}

TEST_F(RedrawViewTest, PixelFrameMarksThePointersCell) {
    Open(560, 360, 20, 40);
    gSettings.DispCursor = 1;
    gSettings.CursorMode = 3;
    for (int zoom : {1, 4}) {
        gSettings.Zoom = zoom;
        PixelImage img = Redraw(MidX, MidY);
        Expectation e = Expect(MidX, MidY);
        int x = e.CellLeft(), y = e.CellTop();
        EXPECT_TRUE(ImageMatches(img, e, [&](int px, int py) {
            return OnOutline(px, py, x - 1, y - 1, zoom + 2) ? Red : e.Pixel(px, py);
        })) << "zoom " << zoom;
    }
    // With the grid the frame lies on the cell's grid lines, over the grid.
    gSettings.DispGrid = 1;
    gSettings.Zoom = 4;
    PixelImage img = Redraw(MidX, MidY);
    Expectation e = Expect(MidX, MidY);
    int x = e.CellLeft(), y = e.CellTop();
    EXPECT_TRUE(ImageMatches(img, e, [&](int px, int py) {
        if (OnOutline(px, py, x, y, 5))
            return Red;
        return e.OnGridLine(px, py) ? Grey : e.Pixel(px, py);
    }));
    // Any other mode value frames the cell without the grid only.
    gSettings.CursorMode = 7;
    img = Redraw(MidX, MidY);
    EXPECT_TRUE(ImageMatches(img, e, [&](int px, int py) {
        return e.OnGridLine(px, py) ? Grey : e.Pixel(px, py);
    }));
}

TEST_F(RedrawViewTest, ArrowMarkPutsItsHotSpotOnThePointersCell) {
    Open(560, 360, 20, 40);
    ASSERT_NE(nullptr, gApp.ArrowCursor);
    for (int mirror = 0; mirror < 2; mirror++) {
        gSettings.Zoom = 4;
        gSettings.ReversH = mirror;
        gSettings.ReversV = mirror;
        gSettings.DispCursor = 0;
        PixelImage plain = Redraw(MidX, MidY);
        gSettings.DispCursor = 1;
        gSettings.CursorMode = 0;
        PixelImage marked = Redraw(MidX, MidY);
        Expectation e = Expect(MidX, MidY);
        int z = 4;
        int hx = gApp.CursorHotspotX, hy = gApp.CursorHotspotY;
        int cw = gApp.CursorWidth * z, ch = gApp.CursorHeight * z;
        // The enlarged arrow covers cw x ch pixels placed so that its hot
        // spot's cell is the pointer's; mirrored it extends the other way.
        int left = mirror ? e.CellLeft() + z * (hx + 1) - cw : e.CellLeft() - z * hx;
        int top = mirror ? e.CellTop() + z * (hy + 1) - ch : e.CellTop() - z * hy;
        std::set<std::pair<int, int>> changed = Changed(plain, marked, e.F);
        ASSERT_FALSE(changed.empty()) << "mirror " << mirror;
        for (auto p : changed) {
            ASSERT_GE(p.first, left) << "mirror " << mirror;
            ASSERT_LT(p.first, left + cw) << "mirror " << mirror;
            ASSERT_GE(p.second, top) << "mirror " << mirror;
            ASSERT_LT(p.second, top + ch) << "mirror " << mirror;
        }
        // The arrow's tip is drawn on the pointer's cell.
        int tip = 0;
        for (int j = 0; j < z; j++)
            for (int i = 0; i < z; i++)
                tip += changed.count({e.CellLeft() + i, e.CellTop() + j}) ? 1 : 0;
        EXPECT_GT(tip, 0) << "mirror " << mirror;
    }
}

TEST_F(RedrawViewTest, FixedPointHoldsTheImageWhileTheMarkFollowsThePointer) {
    Open(560, 360, 20, 40);
    gSettings.FixMouse = 1;
    gSettings.FixMouseX = MidX;
    gSettings.FixMouseY = MidY;
    gSettings.DispCursor = 1;
    gSettings.CursorMode = 3;
    for (int mirror = 0; mirror < 2; mirror++) {
        gSettings.Zoom = 4;
        gSettings.ReversH = mirror;
        gSettings.ReversV = mirror;
        PixelImage img = Redraw(MidX + 3, MidY - 2);
        Expectation e = Expect(MidX, MidY);
        int dx = mirror ? -3 : 3, dy = mirror ? 2 : -2;
        int x = e.CellLeft() + 4 * dx, y = e.CellTop() + 4 * dy;
        EXPECT_TRUE(ImageMatches(img, e, [&](int px, int py) {
            return OnOutline(px, py, x - 1, y - 1, 6) ? Red : e.Pixel(px, py);
        })) << "mirror " << mirror;
        // The framed cell shows the pointer's pixel.
        EXPECT_EQ(PatternColor(MidX + 3, MidY - 2), img.At(x + 1, y + 1));
    }
}

TEST_F(RedrawViewTest, WithoutADisplayContextTheImageIsBlackAndThePointerRed) {
    Open(560, 360, 20, 40);
    gSettings.DispMouseDownInfo = 1;
    gSettings.DispInfoUser = 0;
    DeleteDC(gApp.ScreenDC);
    gApp.ScreenDC = nullptr;
    PixelImage img = Redraw(MidX, MidY);
    gApp.ScreenDC = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
    int ih = 260 - 4 - 18 - 75;
    for (int y = 2; y < 2 + ih; y++)
        for (int x = 2; x < 298; x++)
            ASSERT_EQ(Black, img.At(x, y)) << x << "," << y;
    // The current-colour swatch below the six lines.
    int swatchY = 2 + ih + 2 + 6 * 12 + 2;
    EXPECT_EQ(Red, img.At(3, swatchY));
    EXPECT_EQ(Red, img.At(18, swatchY + 15));
}

TEST_F(RedrawViewTest, FrameTakesItsColoursFromBackColourOrThePointer) {
    Open(560, 360, 20, 40);
    struct Case {
        int mode;
        COLORREF back, light, dark;
    } cases[] = {
        {0, RGB(238, 238, 238), RGB(255, 255, 255), RGB(174, 174, 174)},
        {0, RGB(30, 60, 90), RGB(94, 124, 154), RGB(0, 0, 26)},
        {1, PatternColor(MidX, MidY), 0, 0},
    };
    for (Case c : cases) {
        gSettings.BackColorMode = c.mode;
        gSettings.BackColor = c.mode == 0 ? c.back : RGB(1, 2, 3);
        RecomputeDerivedColors(&gSettings);
        if (c.mode == 1) {
            c.light = LighterColor(c.back);
            c.dark = DarkerColor(c.back);
        }
        gSettings.FrameWidth = 3;
        PixelImage img = Redraw(MidX, MidY);
        const int w = 300, h = 260;
        // Bands inside the edges.
        for (int i = 1; i < 3; i++) {
            EXPECT_EQ(c.back, img.At(150, i));
            EXPECT_EQ(c.back, img.At(i, 130));
            EXPECT_EQ(c.back, img.At(w - 1 - i, 130));
            EXPECT_EQ(c.back, img.At(150, h - 1 - i));
        }
        // Light top and left edges, dark bottom and right; the dark ones
        // are drawn last and take the two far corners.
        for (int x = 0; x < w - 1; x++)
            ASSERT_EQ(c.light, img.At(x, 0)) << x;
        for (int y = 0; y < h - 1; y++)
            ASSERT_EQ(c.light, img.At(0, y)) << y;
        for (int x = 0; x < w; x++)
            ASSERT_EQ(c.dark, img.At(x, h - 1)) << x;
        for (int y = 0; y < h; y++)
            ASSERT_EQ(c.dark, img.At(w - 1, y)) << y;
        // The image starts right inside the band.
        EXPECT_NE(c.back, img.At(3, 130));
    }
    // No frame: the image reaches the window's edge.
    gSettings.BackColorMode = 0;
    gSettings.FrameWidth = 0;
    gSettings.Zoom = 1;
    PixelImage img = Redraw(MidX, MidY);
    Expectation e = Expect(MidX, MidY);
    EXPECT_TRUE(ImageMatches(img, e, [&](int x, int y) { return e.Pixel(x, y); }));
}

}  // namespace
