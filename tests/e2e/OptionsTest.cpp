// The options sheet of the real program, driven from this process: each
// page's controls changed as a user would, OK or Cancel pressed, and what
// the program then shows and saves in system.ini.
#include <gtest/gtest.h>

#include <windows.h>
#include <colordlg.h>
#include <commctrl.h>

#include <string>

#include "../support/FullSettingsFile.h"
#include "../support/PatternWindow.h"  // ReadPixels
#include "../support/SheetDriver.h"
#include "../support/WineHarness.h"
#include "res/resource.h"

namespace {

// The positions of the pages in the sheet.
enum { DisplayTab = 0, WindowTab = 1, OtherTab = 2 };

// The window's layered alpha; -1 when it is not layered.
int Alpha(HWND w) {
    BYTE alpha = 0;
    DWORD flags = 0;
    if (!(GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_LAYERED) ||
        !GetLayeredWindowAttributes(w, nullptr, &alpha, &flags))
        return -1;
    return alpha;
}

bool Topmost(HWND w) {
    return (GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

// Whether this process can take Ctrl+Alt+F9 as a hotkey, as another
// program would (it gives it back at once).
bool HotkeyFree() {
    if (!RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, VK_F9))
        return false;
    UnregisterHotKey(nullptr, 1);
    return true;
}

// Whether every control of the page lies within the room the sheet gave
// the page (a frame in another font than the pages' gives too little).
bool ControlsInside(HWND page) {
    RECT room, rc;
    GetWindowRect(page, &room);
    for (HWND c = GetWindow(page, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if (GetWindowRect(c, &rc) && (rc.right > room.right || rc.bottom > room.bottom))
            return false;
    return GetWindow(page, GW_CHILD) != nullptr;
}

// Centred by the work area's right and bottom edges.
bool Centred(HWND sheet) {
    RECT work, rc;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(sheet, &rc);
    return rc.left == (work.right - (rc.right - rc.left)) / 2 && rc.top == (work.bottom - (rc.bottom - rc.top)) / 2;
}

void ExpectIni(const std::string& ini, std::initializer_list<std::pair<const char*, std::string>> expected) {
    for (const auto& [key, value] : expected)
        EXPECT_EQ(value, IniValue(ini, key)) << key;
}

struct OptionsE2E : ::testing::Test {
    MiraboProcess p;
    std::string dir;
    void TearDown() override { EndMirabo(&p); }

    // Starts the program over the given settings file.
    void Start(const char* name, const std::string& ini) {
        dir = MakeRunDir(name);
        ASSERT_TRUE(WriteWholeFile(dir + "\\system.ini", ini));
        ASSERT_TRUE(StartMirabo(&p, dir));
    }
    // Ends the program and returns what it saved.
    std::string Saved() {
        EXPECT_EQ(0, CloseMirabo(&p));
        std::string ini;
        ReadWholeFile(dir + "\\system.ini", &ini);
        return ini;
    }
};

// The Display page's boxes, format and numbers, then the Other page's
// switches; after OK the hotkeys stay off.
TEST_F(OptionsE2E, DisplayAndOtherPagesStoreTheirControlsOnOk) {
    Start("options-ok", "[System]\r\nDispMouseDownInfo=1\r\nDispCursor=1\r\nDispGrid=1\r\nHistorySizeX=20\r\n"
                        "HistorySizeY=30\r\nInvalidHotkey=0\r\n[CopyKey]\r\nKey=0,[HEX02R],32,32,0,0,0,1656\r\n");
    EXPECT_FALSE(HotkeyFree());  // the key's Ctrl+Alt+F9
    HWND sheet = OpenOptionsSheet(p);
    ASSERT_TRUE(sheet);
    EXPECT_TRUE(Centred(sheet));
    // OK and Cancel; no Apply button (0x3021).
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(sheet, IDOK)) && IsWindowVisible(GetDlgItem(sheet, IDCANCEL)));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(sheet, 0x3021)));
    HWND page = CurrentPage(sheet);
    ASSERT_TRUE(GetDlgItem(page, IDC_DISP_ZOOM_IMAGE));

    // Greyed boxes keep their ticks; every information item cleared.
    Click(page, IDC_DISP_ZOOM_IMAGE);
    EXPECT_FALSE(Enabled(page, IDC_DISP_CURSOR) || Enabled(page, IDC_DISP_GRID));
    EXPECT_TRUE(Ticked(page, IDC_DISP_CURSOR) && Ticked(page, IDC_DISP_GRID));
    for (int id = IDC_DISP_INFO_USER; id <= IDC_DISP_COLOR_HISTORY; id++)
        if (Ticked(page, id))
            Click(page, id);

    // The sample follows the format; both are cut before a half character
    // (Wine's own text conversion stops there too; the core tests cover the
    // cut that does it on Windows).
    SetText(page, IDC_DISP_FORMAT, "[DECR]");
    EXPECT_EQ("255", TextOf(page, IDC_DISP_FORMAT_SAMPLE));  // the placeholder is white
    for (const char* last : {"\x95", "表"}) {  // a lead byte at 255, alone or with its trail at 256
        SetText(page, IDC_DISP_FORMAT, std::string(254, 'a') + last);
        EXPECT_EQ(std::string(254, 'a'), TextOf(page, IDC_DISP_FORMAT_SAMPLE));
    }

    // Numbers the up-downs do not take leave the last valid one.
    SetText(page, IDC_DISP_HISTORY_X, "40");
    SetText(page, IDC_DISP_HISTORY_X, "999");
    SetText(page, IDC_DISP_HISTORY_Y, "");
    SendDlgItemMessageA(page, IDC_DISP_INTERVAL_SPIN, UDM_SETPOS32, 0, 5000);
    EXPECT_EQ("5000", TextOf(page, IDC_DISP_INTERVAL));
    SetText(page, IDC_DISP_INTERVAL, "12a");
    SendDlgItemMessageA(page, IDC_DISP_CURSOR_MODE, CB_SETCURSEL, 3, 0);

    page = ShowPage(sheet, OtherTab);
    for (int id : {IDC_OTHER_INVALID_HOTKEY, IDC_OTHER_HALFTONE, IDC_OTHER_REVERS_H})
        Click(page, id);
    ASSERT_TRUE(CloseSheet(sheet, PSBTN_OK));
    PumpMessages(300);
    EXPECT_TRUE(HotkeyFree());
    ExpectIni(Saved(), {{"DispZoomImage", "0"}, {"DispCursor", "1"}, {"DispGrid", "1"},
                        {"DispMouseDownInfo", "0"},  // nothing left to show in the panel
                        {"DispInfoUser", "0"}, {"DispColorHistory", "0"}, {"CursorMode", "3"},
                        {"HistorySizeX", "40"}, {"HistorySizeY", "30"}, {"TimerInterval", "5000"},
                        {"DispInfoUserFormat", std::string(254, 'a')}, {"InvalidHotkey", "1"},
                        {"HalfTone", "1"}, {"ReversH", "1"}, {"ReversV", "0"}, {"EndDispoption", "3"}});
}

// Cancel discards every page's edits and the translucency preview; only the
// page last shown is kept. The hotkeys are free while the sheet is open and
// taken again after it. A start page the sheet lacks opens the first one.
TEST_F(OptionsE2E, CancelKeepsEverythingButTheStartPage) {
    Start("options-cancel", kFullSettingsFile);  // EndDispoption=2, the page not shown
    EXPECT_EQ(65 * 255 / 100, Alpha(p.hwnd));
    EXPECT_FALSE(HotkeyFree());
    HWND sheet = OpenOptionsSheet(p);
    ASSERT_TRUE(sheet);
    EXPECT_TRUE(HotkeyFree());
    HWND page = CurrentPage(sheet);
    ASSERT_TRUE(GetDlgItem(page, IDC_DISP_ZOOM_IMAGE));
    EXPECT_TRUE(ControlsInside(page));
    Click(page, IDC_DISP_GRID);
    SetText(page, IDC_DISP_FORMAT, "x");
    page = ShowPage(sheet, OtherTab);
    EXPECT_TRUE(ControlsInside(page));
    Click(page, IDC_OTHER_REVERS_H);
    Click(page, IDC_OTHER_INVALID_HOTKEY);
    page = ShowPage(sheet, WindowTab);
    EXPECT_TRUE(ControlsInside(page));
    Click(page, IDC_WIN_ALPHA);  // cleared: previewed opaque
    EXPECT_EQ(255, Alpha(p.hwnd));
    Click(page, IDC_WIN_ALPHA);
    SetText(page, IDC_WIN_OPACITY, "30");
    EXPECT_EQ(30 * 255 / 100, Alpha(p.hwnd));
    Click(page, IDC_WIN_TOP);
    SendDlgItemMessageA(page, IDC_WIN_FRAME_SPIN, UDM_SETPOS32, 0, 9);
    ASSERT_TRUE(CloseSheet(sheet, PSBTN_CANCEL));
    EXPECT_EQ(65 * 255 / 100, Alpha(p.hwnd));
    PumpMessages(200);
    EXPECT_FALSE(Topmost(p.hwnd));
    EXPECT_FALSE(HotkeyFree());

    // Open again: on the page last shown, centred again.
    sheet = OpenOptionsSheet(p);
    ASSERT_TRUE(sheet);
    EXPECT_TRUE(GetDlgItem(CurrentPage(sheet), IDC_WIN_TOP));
    EXPECT_TRUE(Centred(sheet));
    ASSERT_TRUE(CloseSheet(sheet, PSBTN_CANCEL));

    std::string expected = kFullSettingsFile;
    expected.replace(expected.find("EndDispoption=2"), 15, "EndDispoption=1");
    EXPECT_EQ(expected, Saved());
}

TEST_F(OptionsE2E, WindowPagePreviewsTranslucencyAndStoresOnOk) {
    Start("options-window", "[System]\r\nWindowTop=1\r\nWindowAlpha=0\r\nOpacity=80\r\n[CopyKey]\r\n");
    EXPECT_EQ(-1, Alpha(p.hwnd));
    EXPECT_TRUE(Topmost(p.hwnd));
    HWND sheet = OpenOptionsSheet(p);
    ASSERT_TRUE(sheet);
    HWND page = ShowPage(sheet, WindowTab);
    EXPECT_FALSE(Enabled(page, IDC_WIN_OPACITY_SLIDER) || Enabled(page, IDC_WIN_OPACITY));
    Click(page, IDC_WIN_ALPHA);
    EXPECT_TRUE(Enabled(page, IDC_WIN_OPACITY_SLIDER) && Enabled(page, IDC_WIN_OPACITY));
    EXPECT_EQ(80 * 255 / 100, Alpha(p.hwnd));

    // The slider moves the edit, the edit the slider; both preview.
    HWND slider = GetDlgItem(page, IDC_WIN_OPACITY_SLIDER);
    SendMessageA(slider, TBM_SETPOS, TRUE, 40);
    SendMessageA(page, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 40), (LPARAM)slider);
    EXPECT_EQ("40", TextOf(page, IDC_WIN_OPACITY));
    EXPECT_EQ(40 * 255 / 100, Alpha(p.hwnd));
    SetText(page, IDC_WIN_OPACITY, "70");
    EXPECT_EQ(70, SendMessageA(slider, TBM_GETPOS, 0, 0));
    EXPECT_EQ(70 * 255 / 100, Alpha(p.hwnd));
    // An empty edit or 999 is no opacity: the preview keeps 70.
    for (const char* typed : {"", "999"})
        SetText(page, IDC_WIN_OPACITY, typed);
    EXPECT_EQ(70 * 255 / 100, Alpha(p.hwnd));
    SetText(page, IDC_WIN_OPACITY, "70");
    Click(page, IDC_WIN_ALPHA);  // cleared: opaque, the edit keeps 70
    EXPECT_EQ(255, Alpha(p.hwnd));

    // Ticked and cleared again is no change; a third click is one.
    for (int i = 0; i < 3; i++)
        Click(page, IDC_WIN_TOP);

    // The colour dialog: a colour and a custom colour chosen; the swatch
    // shows the colour at once.
    PostClick(page, IDC_WIN_BACK_CHANGE);
    HWND colors = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        while ((colors = FindWindowExA(nullptr, colors, "#32770", nullptr)))
            if (IsWindowVisible(colors) && GetDlgItem(colors, COLOR_RED))
                return true;
        return false;
    }, 10000));
    SetText(colors, COLOR_RED, "12");
    SetText(colors, COLOR_GREEN, "34");
    SetText(colors, COLOR_BLUE, "56");
    Click(colors, COLOR_ADD);
    PostClick(colors, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(colors); }, 5000));
    RECT swatch;
    GetWindowRect(GetDlgItem(page, IDC_WIN_BACK_SWATCH), &swatch);
    EXPECT_TRUE(WaitUntil([&] {
        return ReadPixels(nullptr, (swatch.left + swatch.right) / 2, (swatch.top + swatch.bottom) / 2, 1, 1)
                   .At(0, 0) == RGB(12, 34, 56);
    }, 3000));

    Click(page, IDC_WIN_BACK_MOUSE);
    EXPECT_FALSE(Enabled(page, IDC_WIN_BACK_SWATCH) || Enabled(page, IDC_WIN_BACK_CHANGE));
    SendDlgItemMessageA(page, IDC_WIN_FRAME_SPIN, UDM_SETPOS32, 0, 7);
    ASSERT_TRUE(CloseSheet(sheet, PSBTN_OK));
    EXPECT_EQ(-1, Alpha(p.hwnd));
    EXPECT_TRUE(WaitUntil([&] { return !Topmost(p.hwnd); }, 3000));

    std::string ini = Saved();
    ExpectIni(ini, {{"WindowAlpha", "0"}, {"Opacity", "70"}, {"WindowTop", "0"}, {"FrameWidth", "7"},
                    {"BackColorMode", "1"}, {"BackColor", "#0C2238"}, {"EndDispoption", "1"}});
    EXPECT_EQ("#0C2238,", IniValue(ini, "CustomColor").substr(0, 8));
}

// The "+" menu from the keyboard: the chosen entry's token replaces the
// selection (Ctrl+Z brings it back), Esc changes nothing. The sheet itself
// opens by the Options key, Alt+O.
TEST_F(OptionsE2E, TokenMenuInsertsTheChosenTokenUndoably) {
    Start("options-tokens", "[System]\r\n[CopyKey]\r\n");
    // The pointer away from where the menus open: they select what is
    // under it.
    POINT pt = {};
    ASSERT_TRUE(SetCursorPos(1, 1) && GetCursorPos(&pt) && pt.x == 1 && pt.y == 1);
    ASSERT_TRUE(FocusWindow(p.hwnd, "Mirabo"));
    ASSERT_TRUE(Xdotool("key alt+o"));
    HWND sheet = WaitForWindowOf(p, "#32770", "オプション");
    ASSERT_TRUE(sheet);
    ASSERT_TRUE(FocusWindow(sheet, "オプション"));
    HWND page = CurrentPage(sheet);
    HWND edit = GetDlgItem(page, IDC_DISP_FORMAT);
    ASSERT_TRUE(edit);
    // Opens the menu, which drops down under the button, types the keys and
    // waits for every menu window to close.
    auto menuAt = [](const POINT* at) {
        HWND w = nullptr;
        RECT rc;
        while ((w = FindWindowExA(nullptr, w, "#32768", nullptr)))
            if (IsWindowVisible(w) && GetWindowRect(w, &rc) && (!at || (rc.left == at->x && rc.top == at->y)))
                return true;
        return false;
    };
    auto choose = [&](const std::string& keys) {
        RECT button;
        GetWindowRect(GetDlgItem(page, IDC_DISP_FORMAT_MENU), &button);
        POINT under = {button.left, button.bottom};
        PostClick(page, IDC_DISP_FORMAT_MENU);
        ASSERT_TRUE(WaitUntil([&] { return menuAt(&under); }, 5000));
        PumpMessages(300);
        // Typed keys faster than this lose some in the menu.
        ASSERT_TRUE(Xdotool("key --delay 100 " + keys));
        ASSERT_TRUE(WaitUntil([&] { return !menuAt(nullptr); }, 5000)) << keys;
        PumpMessages(300);
    };

    SetText(page, IDC_DISP_FORMAT, "x");
    SendMessageA(edit, EM_SETSEL, 1, 1);
    // The sixth submenu's sixteenth entry, "[TID]::\tスレッドID".
    choose("Down Down Down Down Down Down Right Down Down Down Down Down Down Down Down Down Down Down Down Down "
           "Down Down Return");
    EXPECT_EQ("x[TID]", TextOf(page, IDC_DISP_FORMAT));
    EXPECT_EQ("x0", TextOf(page, IDC_DISP_FORMAT_SAMPLE));  // the placeholder's thread
    GUITHREADINFO gui = {sizeof(gui)};
    EXPECT_TRUE(GetGUIThreadInfo(p.pi.dwThreadId, &gui) && gui.hwndFocus == edit);
    choose("Up Right Down Down Return");  // "\\: \の文字"
    EXPECT_EQ("x[TID]\\\\", TextOf(page, IDC_DISP_FORMAT));
    EXPECT_EQ("x0\\", TextOf(page, IDC_DISP_FORMAT_SAMPLE));
    choose("Escape");
    EXPECT_EQ("x[TID]\\\\", TextOf(page, IDC_DISP_FORMAT));

    SetText(page, IDC_DISP_FORMAT, "ABC");
    SendMessageA(edit, EM_SETSEL, 0, 3);
    choose("Down Down Right Return");
    EXPECT_EQ("[DECR]", TextOf(page, IDC_DISP_FORMAT));
    ASSERT_TRUE(Xdotool("key ctrl+z"));
    EXPECT_TRUE(WaitUntil([&] { return TextOf(page, IDC_DISP_FORMAT) == "ABC"; }, 3000))
        << TextOf(page, IDC_DISP_FORMAT);
    ASSERT_TRUE(CloseSheet(sheet, PSBTN_CANCEL));
}

}  // namespace
