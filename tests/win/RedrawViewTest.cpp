// The program's main window inside the test process, made by its own
// routines so that RedrawView and the window procedure run exactly as in
// mirabo.exe: the rendered view on real pixels (pattern windows on the
// screen, the pointer on them, the back buffer compared pixel by pixel with
// what each cell, mark, frame, panel line and swatch must show), the
// sampling of a point, and the window's reactions to messages.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>
#include <stdio.h>
#include <string.h>

#include <atomic>
#include <string>
#include <thread>

#include "../support/MadeUpMonitors.h"
#include "../support/PatternWindow.h"
#include "../support/WineHarness.h"
#include "app/InitDefaults.h"
#include "platform/AppState.h"
#include "app/Commands.h"
#include "app/MainWnd.h"
#include "core/CommandIds.h"
#include "view/InfoPanelText.h"
#include "view/RedrawView.h"
#include "view/SamplePoint.h"

namespace {

const COLORREF Black = RGB(0, 0, 0), Red = RGB(255, 0, 0), Back = RGB(238, 238, 238), Magenta = RGB(255, 0, 255);
const int W = 300, H = 260, MidX = 780, MidY = 580, Panel = 18 + 6 * 12 + 3;
const int PatX = 560, PatY = 360, PatSize = 440;  // the window the panel describes

// Fresh defaults and a hidden main window of w x h at 20, 40. A window
// once active would take Wine two seconds to hide.
HWND OpenMainWindow(int w, int h) {
    InitDefaults(GetModuleHandleA(nullptr));
    RegisterMainWindowClass(gApp.Instance);  // fails harmlessly once registered
    gSettings.Left = 20, gSettings.Top = 40, gSettings.Width = w, gSettings.Height = h;
    gApp.WindowVisible = 0;
    return gApp.MainWindow = CreateMainWindow(gApp.Instance);
}

// Destroys it (when given), drops the quit message its destruction posts (a
// later modal loop in this thread would end at once) and removes the
// system.ini it wrote beside the test program; false when there was none.
bool CloseMainWindow(HWND hwnd) {
    DestroyWindow(hwnd);
    MSG msg;  // the quit message comes once the queue is empty
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE) && msg.message != WM_QUIT)
        DispatchMessageA(&msg);
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    strcpy(strrchr(path, '\\') + 1, "system.ini");
    return DeleteFileA(path) != 0;
}

// What the view must show at x, y above its six-line panel, from the
// picture's own geometry: the centre point's pixel in the middle cell of
// the image area, its neighbours cell by cell around it (the other way
// round when mirrored), black beyond the screen (or off the monitors
// given); the mark on the pointer's cell, the grid over that, the
// sampled square's outline; the frame around it all.
COLORREF Want(const Settings& s, int cx, int cy, int px, int py, int x, int y, const MonitorLayout* monitors = nullptr) {
    const int f = s.FrameWidth, z = s.Zoom, mh = s.ReversH, mv = s.ReversV;
    const COLORREF back = s.BackColorMode ? PatternColor(px, py) : s.BackColor;
    if (x < f || y < f || x >= W - f)
        return x == W - 1 ? DarkerColor(back) : x == 0 || y == 0 ? LighterColor(back) : back;
    const int cellX = f + (W - 2 * f) / 2 - z / 2, cellY = f + (H - 2 * f - Panel) / 2 - z / 2;
    const int kx = FloorDiv(x - cellX, z), ky = FloorDiv(y - cellY, z);
    const int sx = cx + (mh ? -kx : kx), sy = cy + (mv ? -ky : ky);
    static const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    COLORREF c = Black;
    if (monitors ? PointOnMonitor(monitors, sx, sy) >= 0 : sx >= 0 && sy >= 0 && sx < sw && sy < sh)
        c = s.ReversColor ? (~PatternColor(sx, sy) & 0xFFFFFF) : PatternColor(sx, sy);
    const int mx = cellX + z * (mh ? cx - px : px - cx), my = cellY + z * (mv ? cy - py : py - cy);
    const int mark = s.DispCursor ? s.CursorMode : 0;
    bool armH = y >= my && y < my + z && x >= mx - 5 * z && x < mx + 6 * z;
    bool armV = x >= mx && x < mx + z && y >= my - 5 * z && y < my + 6 * z;
    bool lines = (y >= my + z / 2 - 1 && y <= my + z / 2) || (x >= mx + z / 2 - 1 && x <= mx + z / 2);
    // The small cross leaves the pointer's cell, inverted twice, as it is.
    if ((mark == 1 && armH != armV) || (mark == 2 && lines))
        c = ~c & 0xFFFFFF;
    const int grid = s.DispGrid == 1 && z > 1;
    if (grid && (kx * z == x - cellX || ky * z == y - cellY))
        c = RGB(136, 136, 136);
    // The pixel frame round the pointer's cell and, over everything, the
    // outline of an area sample's size x size cells round it: each on the
    // grid lines or one pixel outside the cells.
    auto outlines = [&](int cells) {
        const int left = mx - z * (cells / 2) - !grid, top = my - z * (cells / 2) - !grid, n = z * cells + 1 + !grid;
        return x >= left && x < left + n && y >= top && y < top + n &&
               (x == left || x == left + n - 1 || y == top || y == top + n - 1);
    };
    return (mark == 3 && outlines(1)) || (s.SampleSize > 1 && outlines(s.SampleSize)) ? Red : c;
}

class RedrawViewTest : public ::testing::Test {
protected:
    // One main window and three pattern windows serve the suite: one over
    // all the screen but its last row (Wine would manage a full-screen one
    // and take two seconds to close it), one over the bottom-right corner,
    // a small one on top as the window under the pointer.
    static void SetUpTestSuite() {
        hwnd_ = OpenMainWindow(W, H);
        KillTimer(hwnd_, 101);  // its redraws would come between a test's steps
        int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
        patterns_[0] = ShowPatternWindow(0, 0, sw, sh - 1);
        patterns_[1] = ShowPatternWindow(sw - PatSize, sh - PatSize, PatSize, PatSize);
        patterns_[2] = ShowPatternWindow(PatX, PatY, PatSize, PatSize);
    }
    static void TearDownTestSuite() {
        CloseMainWindow(hwnd_);
        for (HWND p : patterns_)
            ClosePatternWindow(p);
    }
    void SetUp() override {
        ASSERT_TRUE(hwnd_ && patterns_[0] && patterns_[1] && patterns_[2]);
        SetDefaultSettings(&gSettings);
        gSettings.DispMouseDownInfo = 1;
    }
    // Redraws twice: the window lookup of a redraw uses the pointer
    // position the previous one read. A redraw draws again only the rows
    // around the image where a shape or a text changed; the picture must
    // be the one drawn whole, whatever the test changed since the last.
    static PixelImage Redraw(int px = MidX, int py = MidY) {
        SetCursorPos(px, py);
        RedrawView(hwnd_);
        RedrawView(hwnd_);
        PixelImage partly = ReadPixels(gApp.BackBufferDC, 0, 0, W, H);
        ForgetDrawnView();
        RedrawView(hwnd_);
        EXPECT_TRUE(partly.Bits == ReadPixels(gApp.BackBufferDC, 0, 0, W, H).Bits)
            << "drawn in part at " << px << "," << py << ", zoom " << gSettings.Zoom;
        return partly;
    }
    // The point's sample, over a record filled with junk first.
    static PointInfo Sample(int x, int y) {
        PointInfo info;
        memset(&info, 0x55, sizeof(info));
        SamplePoint(ScreenDC(), gSettings.WebSafeColor, gSettings.SampleSize, POINT{x, y}, &info);
        return info;
    }
    static inline HWND hwnd_, patterns_[3];
};

TEST_F(RedrawViewTest, EveryPixelShowsItsCellMarkGridFrameAndOutlineInEveryMode) {
    const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN), no = -1;
    // sample: the side of the sampled square; cut: the screen split into two
    // made-up monitors at MidX, MidY, its lower right corner on neither.
    const struct { const char* what; int px, py, fixX, fixY, grid, mark, frame; COLORREF back; int sample, cut; } configs[] = {
        {"top-left corner, no frame", 0, 0, no, 0, 0, 0, 0, Back, 1, 0},
        {"bottom-right corner", sw - 1, sh - 1, no, 0, 0, 0, 2, Back, 1, 0},
        // GetCursorPos stays on the screen: a fixed point stands for a
        // pointer on a monitor to the right.
        {"beyond the right edge", 900, 500, sw + 20, 500, 0, 0, 2, Back, 1, 0},
        {"grid, dark frame", MidX, MidY, no, 0, 1, 0, 3, RGB(30, 60, 90), 1, 0},
        {"frame in the pointer's colour", MidX, MidY, no, 0, 1, 3, 3, CLR_INVALID, 1, 0},
        {"pixel frame, grid flag neither 0 nor 1", MidX, MidY, no, 0, 2, 3, 2, Back, 1, 0},
        {"fixed image, mark on the pointer", MidX + 3, MidY - 2, MidX, MidY, 0, 3, 2, Back, 1, 0},
        // The outline of an area sample's cells lies over every mark, on the
        // grid lines or round the cells, beyond the image when larger.
        {"3 x 3 outline, small cross", MidX, MidY, no, 0, 0, 1, 2, Back, 3, 0},
        {"5 x 5 outline over the pixel frame on the grid", MidX, MidY, no, 0, 1, 3, 2, Back, 5, 0},
        {"15 x 15 outline, fixed, full cross, grid", MidX + 3, MidY - 2, MidX, MidY, 1, 2, 2, Back, 15, 0},
        // Cells whose pixel lies on no monitor show black, whatever the
        // screen holds there, also inverted; the read stays inside the
        // virtual screen.
        {"off the monitors", MidX + 5, MidY - 5, no, 0, 0, 0, 2, Back, 1, 1},
        {"off the monitors, at the edge", sw - 3, MidY - 2, no, 0, 0, 0, 2, Back, 1, 1},
    };
    Settings& s = gSettings;
    for (const auto& c : configs) {
        MonitorLayout& m = gApp.Monitors;
        if (c.cut)
            m = MadeUpMonitors({{{0, 0, MidX, sh}, {}, 0, 1}, {{MidX, 0, sw, MidY}, {}, 0, 0}});
        for (int zoom : {1, 2, 3, 4, 8, 32})
            for (int mode = 0; mode < 8; mode++) {  // mirrored across, down; inverted
                s.Zoom = zoom, s.ReversH = mode & 1, s.ReversV = (mode >> 1) & 1, s.ReversColor = mode >> 2;
                s.FixMouse = c.fixX != no, s.FixMouseX = c.fixX, s.FixMouseY = c.fixY;
                s.DispGrid = c.grid, s.DispCursor = c.mark != 0, s.CursorMode = c.mark, s.SampleSize = c.sample;
                s.FrameWidth = c.frame, s.BackColorMode = c.back == CLR_INVALID, s.BackColor = c.back & 0xFFFFFF;
                RecomputeDerivedColors(&s);
                PixelImage img = Redraw(c.px, c.py);
                int cx = s.FixMouse ? c.fixX : c.px, cy = s.FixMouse ? c.fixY : c.py, bad = 0;
                for (int y = 0; y < H - c.frame - Panel; y++)
                    for (int x = 0; x < W; x++)
                        bad += img.At(x, y) != Want(s, cx, cy, c.px, c.py, x, y, c.cut ? &m : nullptr);
                ASSERT_EQ(0, bad) << c.what << ", zoom " << zoom << ", mode " << mode;
                // The pointer's swatch below the six lines shows its own
                // pixel, here also the mean of any square round it.
                ASSERT_EQ(PatternColor(c.px, c.py), img.At(c.frame + 9, H - c.frame - 9));
            }
        RefreshMonitors();
    }
    // The enlarged arrow hangs from the pointer's cell (146, 79) over the
    // outline's lower right, yet the outline lies over it whole: 8 x 5 + 1
    // pixels a side on the grid lines two cells before the pointer's.
    s.Zoom = 8, s.ReversH = s.ReversV = s.ReversColor = s.FixMouse = 0, s.DispGrid = 1, s.SampleSize = 5;
    s.DispCursor = 1, s.CursorMode = 0, s.FrameWidth = 2;
    PixelImage img = Redraw();
    const int left = 146 - 16, top = 79 - 16;
    int red = 0, arrow = 0;
    for (int k = 0; k <= 40; k++)
        for (POINT q : {POINT{left + k, top}, POINT{left + k, top + 40}, POINT{left, top + k}, POINT{left + 40, top + k}})
            red += img.At(q.x, q.y) == Red;
    for (int y = top + 17; y < top + 40; y++)
        for (int x = left + 17; x < left + 40; x++)
            arrow += img.At(x, y) != Want(s, MidX, MidY, MidX, MidY, x, y);
    EXPECT_TRUE(red == 4 * 41 && arrow > 50) << red << " red, " << arrow << " of the arrow";
}

// An area sample takes the mean of the square round the pointer in the
// view (the colour line's swatch, the user line) wherever the view finds
// the square: in its copy, in the copy grown for it, read on its own while
// the view shows a point far away, or without an image. Web-safe rounding
// applies to the mean. A capture's sample leaves out what no monitor shows
// as the view does, its position the pointer's. (Its mean, text and
// history: the end-to-end options run; its web-safe rounding: the samples
// test.)
TEST_F(RedrawViewTest, AreaSampleTakesTheMeanInTheViewAndInCaptures) {
    // Black, white from 300, 660 right and down. The 5 x 5 square round
    // 301, 659 (299 to 303, 657 to 661) holds white in 4 columns of 2 rows:
    // 8 x 255 / 25 = 81.6, rounded 82; web-safe the nearest of 51, 102
    // is 102. The pixel at 301, 659 alone is black.
    HWND corner = ShowCornerWindow(200, 560, 200, 200, 300, 660);
    ASSERT_TRUE(corner);
    const POINT p = {301, 659};  // (long members)
    const COLORREF mean = RGB(82, 82, 82), webSafe = RGB(102, 102, 102);
    Settings& s = gSettings;
    s.DispInfoUser = 1, s.BackColorMode = 1;  // the frame in the pointer's colour
    strcpy(s.DispInfoUserFormat, "[DECR]");
    // (Where the view finds the square: the view layout tests.)
    const struct { const char* what; int size, image, fixX; COLORREF want; } cases[] = {
        {"one pixel", 1, 1, 0, RGB(0, 0, 0)},
        {"in the copy", 5, 1, 0, mean},
        {"in the copy, web-safe", 5, 1, 0, webSafe},
        // Fixed 75 pixels left: the pointer lies one column past the 149 shown.
        {"in the grown copy", 5, 1, p.x - 75, mean},
        {"apart from a fixed view", 5, 1, p.x - 400, mean},
        {"apart, web-safe", 5, 1, p.x - 400, webSafe},
        {"without an image", 5, 0, 0, mean},
    };
    for (const auto& c : cases) {
        s.SampleSize = c.size, s.DispZoomImage = c.image, s.WebSafeColor = c.want == webSafe;
        s.FixMouse = c.fixX != 0, s.FixMouseX = c.fixX, s.FixMouseY = p.y;
        PixelImage img = Redraw(p.x, p.y);
        EXPECT_TRUE(gApp.ViewPointInfo.Color == c.want && img.At(1, 100) == c.want)
            << c.what << ": " << std::hex << gApp.ViewPointInfo.Color << " " << img.At(1, 100);
    }
    s.SampleSize = 5, s.WebSafeColor = 0, s.DispZoomImage = 1;

    // Pixels on no monitor are left out, in the view's copy (black there)
    // and in a capture's read (white there) alike: two monitors made up
    // over the screen leave x >= 302, y >= 660 to none, 4 white pixels of
    // the square. The other 21 hold 4 white: 4 x 255 / 21 = 48.6, 49.
    const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    gApp.Monitors = MadeUpMonitors({{{0, 0, 302, sh}, {}, 0, 1}, {{302, 0, sw, 660}, {}, 0, 0}});
    for (int fixX : {0, (int)p.x - 400}) {
        s.FixMouse = fixX != 0, s.FixMouseX = fixX;
        Redraw(p.x, p.y);
        EXPECT_EQ(RGB(49, 49, 49), gApp.ViewPointInfo.Color) << fixX;
    }
    const PointInfo i = Sample(p.x, p.y);
    EXPECT_TRUE(i.Color == RGB(49, 49, 49) && i.MouseX == p.x && i.MouseY == p.y) << std::hex << i.Color;
    RefreshMonitors();
    ClosePatternWindow(corner);
}

// A capture takes the pixel under the pointer, also while the view is
// fixed elsewhere; one whose clipboard stays held still records the colour,
// and the view shows the new swatch at once, not at the next tick. An image
// past 256 MiB is refused: nothing placed, no colour recorded.
TEST_F(RedrawViewTest, CapturesTakeThePointersPixelShowTheSwatchAtOnceAlsoWhenTheClipboardIsHeldButRefuseHugeImages) {
    CopyKey key;
    InitCopyKey(&key);
    InsertCopyKey(&gCopyKeys, -1, &key);
    key.Kind = CopyKindImage, key.Width = key.Height = 8192;
    InsertCopyKey(&gCopyKeys, -1, &key);
    gSettings.CopyKeyCount = 2, gSettings.FixMouse = 1, gSettings.FixMouseX = gSettings.FixMouseY = 5;
    OpenClipboard(nullptr), EmptyClipboard(), CloseClipboard();
    EXPECT_TRUE(RunCopyKey(hwnd_, 1) == 0 && CountClipboardFormats() == 0 && gSettings.HistoryCount == 0);
    Redraw();  // an empty history: no swatch beside the pointer's
    // Held by this thread, which answers the capture's questions to its
    // windows while it waits. (The key's text on a free clipboard: the
    // end-to-end hotkey.)
    ASSERT_TRUE(OpenClipboard(nullptr));
    std::atomic<int> placed{-1};
    std::thread capture([&] { placed = RunCopyKey(hwnd_, 0); });
    WaitUntil([&] { return placed != -1; }, 5000);
    capture.join();
    CloseClipboard();
    ClearCopyKeys(&gCopyKeys);
    EXPECT_TRUE(placed == 0 && gSettings.HistoryCount == 1) << placed;
    EXPECT_EQ(PatternColor(MidX, MidY), GetPixel(gApp.BackBufferDC, 2 + 9 + 18, H - 2 - 9));  // the second swatch
}

TEST_F(RedrawViewTest, PanelShowsTheUserLineThePixelTheWindowAndTheSwatches) {
    DWORD pid = 0, tid = GetWindowThreadProcessId(patterns_[2], &pid);
    PanelTarget t = {1, HandleValue(patterns_[2]), pid, tid,
                     {PatX, PatY, PatX + PatSize, PatY + PatSize}, "MiraboTestPattern", "pattern"};
    const COLORREF c = PatternColor(MidX, MidY);
    gSettings.DispInfoUser = 1, gSettings.InfoLineCount = 7, gSettings.HistoryCount = 3;
    strcpy(gSettings.DispInfoUserFormat, "RGB([DECR],[DECG],[DECB])");
    COLORREF swatches[5] = {c, RGB(200, 10, 10), RGB(10, 200, 10), RGB(10, 10, 200), Back};
    for (int i = 0; i < 4; i++)
        gSettings.HistoryColor[i] = i < 3 ? swatches[i + 1] : RGB(1, 2, 3);  // [3]: not shown
    // Without the image, at the top on the pointer's colour (white text on
    // this dark pixel); then under the image on the fixed background.
    HDC dc = gApp.BackBufferDC;
    int rowY = 0;
    for (int image : {0, 1}) {
        gSettings.DispZoomImage = image, gSettings.BackColorMode = !image;
        swatches[4] = image ? Back : c;  // the background between the swatches
        PixelImage img = Redraw();
        // The user line's contrast tokens compare with the newest swatch.
        EXPECT_TRUE(gApp.ViewPointInfo.HasPreviousColor == 1 && gApp.ViewPointInfo.PreviousColor == swatches[1]);
        // The same texts drawn by GDI over the panel, in its font and
        // colours; under them the current colour, the history, two pixels
        // of background between.
        const int top = image ? H - 2 - Panel - 12 : 2, textY = top + 2;
        rowY = textY + 7 * 12 + 2;
        for (int i = 4; i >= 0; i--) {  // the background first
            RECT rc = i == 4 ? RECT{2, top, W - 2, rowY + 16} : RECT{3 + 18 * i, rowY, 19 + 18 * i, rowY + 16};
            SetDCBrushColor(dc, swatches[i]);
            FillRect(dc, &rc, (HBRUSH)GetStockObject(DC_BRUSH));
        }
        SetTextColor(dc, image ? RGB(0, 0, 0) : RGB(255, 255, 255));
        if (image)
            TextOutA(dc, W - 22, textY, "\x81\x7E" "2", 3);  // the zoom label, x2
        char line[4096];
        snprintf(line, sizeof(line), "RGB(%d,%d,%d)", GetRValue(c), GetGValue(c), GetBValue(c));
        TextOutA(dc, 3, textY, line, (int)strlen(line));
        for (int kind = InfoLineColor; kind <= InfoLineArea; kind++) {
            FormatInfoLine(line, sizeof(line), kind, MidX, MidY, GetRValue(c), GetGValue(c), GetBValue(c), &t);
            TextOutA(dc, 3, textY + 12 * (kind + 1), line, (int)strlen(line));
        }
        PixelImage want = ReadPixels(dc, 0, 0, W, H);
        ForgetDrawnView();  // drawn over by the test
        int bad = 0, ink = 0;  // the swatch row up to the fifth place: the grip dots lie beyond
        for (int y = top; y < rowY + 16; y++)
            for (int x = 2; x < (y < rowY ? W - 2 : 3 + 5 * 18); x++)
                bad += img.At(x, y) != want.At(x, y), ink += y < rowY && want.At(x, y) != swatches[4];
        EXPECT_TRUE(bad == 0 && ink > 7 * 20) << "image " << image << ": " << bad << " wrong, ink " << ink;
    }
    gSettings.HistoryCount = 20;  // as many as fit: (300 - 4 - 36) / 18 = 14
    PixelImage img = Redraw();
    EXPECT_TRUE(img.At(3 + 14 * 18 + 8, rowY + 8) == gSettings.HistoryColor[13] &&
                img.At(3 + 15 * 18 + 8, rowY + 8) == Back);
}

// A capture's sample reads every field afresh, or dashes without a window.
// The user line reads only the window fields its tokens print, and what a
// window keeps for life again when another window is under the pointer.
TEST_F(RedrawViewTest, SamplesReadTheWindowAChildAndNothingTheUserLineOnlyWhatItPrints) {
    PointInfo i = Sample(600, 400);
    EXPECT_TRUE(i.Color == PatternColor(600, 400) && RGB(i.Red, i.Green, i.Blue) == i.Color);
    EXPECT_TRUE(i.Hwnd == HandleValue(patterns_[2]) && i.WindowId == 0);  // a top-level window has no identifier
    EXPECT_EQ("MiraboTestPattern pattern inproc_tests.exe", std::string(i.ClassName) + " " + i.Text + " " + i.ExeName);
    EXPECT_TRUE(i.Rect.Left == PatX && i.Rect.Top == PatY && i.Rect.Right == PatX + PatSize &&
                i.Rect.Bottom == PatY + PatSize && i.Pid == GetCurrentProcessId() && i.Tid == GetCurrentThreadId());
    // The button has no module of this process behind it.
    HWND child = CreateWindowExA(0, "BUTTON", "press", WS_CHILD | WS_VISIBLE, 10, 10, 100, 50, patterns_[2],
                                 (HMENU)(INT_PTR)1234, nullptr, nullptr);
    i = Sample(PatX + 20, PatY + 20);
    EXPECT_TRUE(i.Hwnd == HandleValue(child) && i.ParentHwnd == HandleValue(patterns_[2]) && i.WindowId == 1234);
    // The panel in the pointer's colour, the grid and swatches: each move
    // below redraws in part.
    gSettings.DispInfoUser = 1, gSettings.InfoLineCount = 7, gSettings.BackColorMode = 1;
    gSettings.HistoryCount = 4, gSettings.DispGrid = 1;
    strcpy(gSettings.DispInfoUserFormat, "[CLASSNAME] [TEXT] [EXENAME]");
    const PointInfo& v = gApp.ViewPointInfo;
    std::string seen;
    for (POINT p : {POINT{MidX, MidY}, POINT{PatX + 20, PatY + 20}, POINT{MidX, MidY}}) {
        gApp.ViewPointInfo.Pid = 77;  // no token prints it
        Redraw(p.x, p.y);
        seen += std::string(v.ClassName) + " " + v.Text + " " + v.ExeName + " " + std::to_string(v.Pid) + "|";
    }
    DestroyWindow(child);
    EXPECT_EQ("MiraboTestPattern pattern inproc_tests.exe 77|Button press - 77|MiraboTestPattern pattern inproc_tests.exe 77|",
              seen);

    i = Sample(-30000, -30000);
    EXPECT_TRUE(i.Hwnd == 0 && i.Pid == 0 && i.Rect.Right == 0 && i.Style == 0 && i.HInst == 0);
    EXPECT_EQ("- - - -", std::string(i.ClassName) + " " + i.Text + " " + i.ExeName + " " + i.ExePath);

    gSettings.WebSafeColor = 1;  // the pattern's 24, 25, 145 there
    i = Sample(536, 281);
    EXPECT_TRUE(i.Color == RGB(0, 51, 153) && RGB(i.Red, i.Green, i.Blue) == i.Color);
    // A title is cut at 255 bytes, here right after 表 (0x95 0x5C). (A cut
    // after a lead byte: the core tests; Wine's title never ends in one.)
    const std::string title = std::string(253, 'a') + "\x95\x5C" + "b";
    SetWindowTextA(patterns_[2], title.c_str());
    EXPECT_EQ(title.substr(0, 255), Sample(600, 400).Text);
    Redraw(600, 400);  // a panel text past the right edge
    SetWindowTextA(patterns_[2], "pattern");
}

// The periodic redraw draws nothing while nothing changes, yet a screen
// that changes under a still pointer shows within one interval, also
// where the pointer's own pixel stays the same, and a command that
// changes a setting redraws at once. A tick redraws when the interval is
// due or, between, when the pointer moved; another timer or a hidden
// window does nothing. The ticks come from here; the window stays hidden.
TEST_F(RedrawViewTest, SkippedRedrawsNeverHideAChangeAndCommandsRedrawAtOnce) {
    // "R" when a tick painted over the marked pixel of the cell at 20, 20.
    auto tick = [](WPARAM id = 101, int visible = 1) {
        gApp.WindowVisible = visible;
        SetPixel(gApp.BackBufferDC, 20, 20, Magenta);
        SendMessageA(hwnd_, WM_TIMER, id, 0);
        return GetPixel(gApp.BackBufferDC, 20, 20) != Magenta ? 'R' : '-';
    };
    auto cell = [](int y) { return GetPixel(gApp.BackBufferDC, 20, y); };
    SetCursorPos(750, 500);
    gApp.RedrawElapsed = 90;  // 10 ms more make the 100 ms interval
    std::string seen = {tick(102), tick(101, 0)};
    for (int i = 0; i < 23; i++)  // then two intervals with nothing changed
        seen += tick();
    EXPECT_EQ(PatternColor(685, 500), cell(82));  // the cell left of the pointer's
    SetCursorPos(751, 500);
    EXPECT_EQ("--RR" + std::string(21, '-') + "R", seen + tick());
    // A grey block appears left of the pointer: the cells at 20, 82 and
    // 20, 20 show its screen pixels 686, 500 and 686, 469.
    HWND block = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, "STATIC", "",
                                 WS_POPUP | SS_GRAYRECT, 660, 440, 40, 80, nullptr, nullptr, nullptr, nullptr);
    ShowWindow(block, SW_SHOWNOACTIVATE);
    COLORREF now = 0;
    ASSERT_TRUE(WaitUntil([&] { return (now = ReadPixels(nullptr, 686, 500, 1, 1).At(0, 0)) != PatternColor(686, 500); }, 5000));
    int n = 0;
    for (; n < 10 && cell(82) != now; n++)
        tick();
    EXPECT_TRUE(cell(82) == now && cell(20) == now) << n;
    DestroyWindow(block);
    SetPixel(gApp.BackBufferDC, 20, 20, Magenta);
    SendMessageA(hwnd_, WM_COMMAND, CmdGrid, 0);  // every cell gets its top and left line
    EXPECT_TRUE(GetPixel(gApp.BackBufferDC, 21, 100) == RGB(136, 136, 136) && cell(20) != Magenta);
}

// Only an existing icon can be modified.
bool HasTrayIcon(HWND hwnd) {
    NOTIFYICONDATAA nid = {NOTIFYICONDATAA_V1_SIZE, hwnd, 201};
    return Shell_NotifyIconA(NIM_MODIFY, &nid) != 0;
}

TEST(MainWnd, SavedStateShapesItResizesAndClicksHideShowAndCloseIt) {
    // A size far beyond the desktop. (A translucent start: the end-to-end
    // options run.)
    HWND hwnd = OpenMainWindow(1000000, 1000000);
    ASSERT_NE(nullptr, hwnd);
    RECT rc;
    GetClientRect(hwnd, &rc);
    EXPECT_TRUE(rc.right == GetSystemMetrics(SM_CXVIRTUALSCREEN) && gSettings.Height == GetSystemMetrics(SM_CYVIRTUALSCREEN));
    EXPECT_TRUE(gApp.BackBufferBitmap && HasTrayIcon(hwnd));  // a bitmap of that size could be made

    SetWindowPos(hwnd, nullptr, 0, 0, 420, 333, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(gSettings.Width == 420 && gSettings.Height == 333);
    EXPECT_EQ(RGB(174, 174, 174), GetPixel(gApp.BackBufferDC, 419, 332));  // the frame's corner
    MINMAXINFO mmi = {};
    SendMessageA(hwnd, WM_GETMINMAXINFO, 0, (LPARAM)&mmi);
    EXPECT_TRUE(mmi.ptMinTrackSize.x == 32 && mmi.ptMinTrackSize.y == 24);

    // A display change, and a change of the work area, read the monitors
    // again and bring a window that no monitor shows any more whole onto
    // the nearest work area (here below, on the left), keeping its size,
    // its place what system.ini keeps; any other setting change does
    // neither. A display change also takes a new display context.
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const struct { UINT msg; WPARAM w; bool back; } changes[] = {
        {WM_SETTINGCHANGE, SPI_SETDESKWALLPAPER, false}, {WM_SETTINGCHANGE, SPI_SETWORKAREA, true},
        {WM_DISPLAYCHANGE, 32, true}};
    for (const auto& c : changes) {
        SetWindowPos(hwnd, nullptr, -3000, 2500, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ClearMonitorLayout(&gApp.Monitors);
        ReleaseScreenDC();
        SendMessageA(hwnd, c.msg, c.w, MAKELPARAM(1280, 1024));
        GetWindowRect(hwnd, &rc);
        const RECT want = c.back ? RECT{work.left, work.bottom - 333, work.left + 420, work.bottom}
                                 : RECT{-3000, 2500, -3000 + 420, 2500 + 333};
        EXPECT_TRUE(EqualRect(&rc, &want) && gSettings.Width == 420 && gSettings.Height == 333) << rc.left << "," << rc.top;
        EXPECT_EQ(c.back, gSettings.Left == want.left && gSettings.Top == want.top && gApp.Monitors.Count == 1) << c.msg;
        EXPECT_EQ(c.msg == WM_DISPLAYCHANGE, gApp.ScreenDC && GetDeviceCaps(gApp.ScreenDC, HORZRES) == GetSystemMetrics(SM_CXSCREEN));
    }

    // On a monitor of another scale (WM_DPICHANGED) the window keeps its
    // pixels, not the suggested rescaled rectangle.
    RECT place, suggested = {10, 20, 640, 520};
    GetWindowRect(hwnd, &place);
    EXPECT_EQ(0, SendMessageA(hwnd, 0x02E0, MAKEWPARAM(144, 144), (LPARAM)&suggested));
    GetWindowRect(hwnd, &rc);
    EXPECT_TRUE(EqualRect(&rc, &place) && gSettings.Width == 420 && gSettings.Height == 333);

    // The window commands change the window itself, and the flag each
    // keeps. (Smoothing switched off again: the Other page's test.)
    auto state = [&] {
        const LONG ex = GetWindowLongA(hwnd, GWL_EXSTYLE);
        BYTE a = 0;
        if (ex & WS_EX_LAYERED)
            GetLayeredWindowAttributes(hwnd, nullptr, &a, nullptr);
        char text[128];
        snprintf(text, sizeof(text), "top %d/%d alpha %d/%d fix %d/%d,%d halftone %d/%d", gSettings.WindowTop,
                 (ex & WS_EX_TOPMOST) != 0, gSettings.WindowAlpha, a, gSettings.FixMouse, gSettings.FixMouseX,
                 gSettings.FixMouseY, gSettings.HalfTone, GetStretchBltMode(gApp.BackBufferDC));
        return std::string(text);
    };
    gSettings.WindowTop = 0;  // the test made the window without placing it on top
    const struct { int command, x, y; const char* want; } steps[] = {
        {CmdAlwaysOnTop, 321, 123, "top 1/1 alpha 0/0 fix 0/0,0 halftone 0/3"},
        {CmdTranslucent, 321, 123, "top 1/1 alpha 1/204 fix 0/0,0 halftone 0/3"},
        {CmdFixPoint, 321, 123, "top 1/1 alpha 1/204 fix 1/321,123 halftone 0/3"},
        {CmdHalfTone, 321, 123, "top 1/1 alpha 1/204 fix 1/321,123 halftone 1/4"},
        {CmdAlwaysOnTop, 300, 200, "top 0/0 alpha 1/204 fix 1/321,123 halftone 1/4"},
        {CmdTranslucent, 300, 200, "top 0/0 alpha 0/0 fix 1/321,123 halftone 1/4"},
        {CmdFixPoint, 300, 200, "top 0/0 alpha 0/0 fix 0/321,123 halftone 1/4"},  // the point is kept
    };
    for (const auto& step : steps) {
        SetCursorPos(step.x, step.y);
        SendMessageA(hwnd, WM_COMMAND, step.command, 0);
        EXPECT_EQ(step.want, state()) << step.command;
    }

    // A click on the icon shows the hidden window, another hides it; a
    // double click on the icon arrives after its first click and toggles
    // once more; with DoubleClickMin a double click on the window hides
    // it (without it the window closes: below).
    const struct { UINT msg; WPARAM w; LPARAM l; } clicks[] = {{0x8001, 201, WM_LBUTTONDOWN}, {0x8001, 201, WM_LBUTTONDOWN},
                                                             {0x8001, 201, WM_LBUTTONDBLCLK}, {WM_LBUTTONDBLCLK, 0, 0}};
    std::string seen;  // the window visible, the flag
    gApp.WindowVisible = 0, gSettings.DoubleClickMin = 1;
    for (const auto& c : clicks) {
        SendMessageA(hwnd, c.msg, c.w, c.l);
        PumpMessages(30);
        seen += std::to_string(IsWindowVisible(hwnd) != 0) + std::to_string(gApp.WindowVisible) + " ";
    }
    EXPECT_EQ("11 00 11 00 ", seen);
    CloseMainWindow(hwnd);
}

// A double click on the window closes it through a posted WM_CLOSE.
// Logging off saves the settings as closing does, and lets Windows go on; a
// log-off called off ends nothing; one the program was not asked about
// (forced) saves as well. Each lets go of everything it made.
TEST(MainWnd, DoubleClickAndLogOffCloseItAndSaveTheSettings) {
    for (UINT end : {WM_LBUTTONDBLCLK, WM_QUERYENDSESSION, WM_ENDSESSION}) {
        HWND hwnd = OpenMainWindow(W, H);
        EXPECT_EQ(0, SendMessageA(hwnd, WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF));
        EXPECT_TRUE(IsWindow(hwnd));
        EXPECT_EQ(end == WM_QUERYENDSESSION, SendMessageA(hwnd, end, end == WM_ENDSESSION, ENDSESSION_LOGOFF));
        EXPECT_EQ(end == WM_LBUTTONDBLCLK, IsWindow(hwnd) != 0) << end;
        PumpMessages(50);
        EXPECT_TRUE(!IsWindow(hwnd) && !gApp.ScreenDC && !gApp.BackBufferDC && !gApp.BackBufferBitmap &&
                    !gApp.ViewFont && !HasTrayIcon(hwnd)) << end;
        EXPECT_TRUE(CloseMainWindow(nullptr)) << end;
    }
}

}  // namespace
