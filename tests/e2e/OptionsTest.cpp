// The options sheet of the real program, driven from this process: each
// page's controls and the capture-key editor changed as a user would, OK
// or Cancel pressed, and what the program then shows, does and saves in
// system.ini. Each run opens the sheet twice, as a user would.
#include <gtest/gtest.h>

#include <windows.h>
#include <colordlg.h>
#include <commctrl.h>

#include <string>

#include "../support/FullSettingsFile.h"
#include "../support/PatternWindow.h"  // ReadPixels, ShowCornerWindow
#include "../support/SheetDriver.h"
#include "../support/WineHarness.h"
#include "res/resource.h"

namespace {

// The positions of the pages in the sheet.
enum { DisplayTab, WindowTab, CopyKeysTab, OtherTab };

// The window's layered alpha; -1 when it is not layered.
int Alpha(HWND w) {
    BYTE alpha = 0;
    bool layered = GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_LAYERED;
    return layered && GetLayeredWindowAttributes(w, nullptr, &alpha, nullptr) ? alpha : -1;
}

bool Topmost(HWND w) { return GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_TOPMOST; }

// Whether this process can take Ctrl+Alt+F9 as a hotkey, as another
// program would (it gives it back at once).
bool HotkeyFree() { return RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, VK_F9) && UnregisterHotKey(nullptr, 1); }

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

// The Copy keys page's buttons as "AESDUN" (Add, Edit, Separator, Delete,
// Up, dowN), "-" for each greyed one.
std::string Buttons(HWND page) {
    std::string s = "AESDUN";
    const int ids[] = {IDC_KEYS_ADD, IDC_KEYS_EDIT, IDC_KEYS_SEPARATOR, IDC_KEYS_DELETE, IDC_KEYS_UP, IDC_KEYS_DOWN};
    for (int i = 0; i < 6; i++)
        if (!Enabled(page, ids[i]))
            s[i] = '-';
    return s;
}

// A click on the list below its rows.
void ClickUnderRows(HWND list) {
    RECT rc;
    GetWindowRect(list, &rc);
    ClickAt((rc.left + rc.right) / 2, rc.bottom - 12, "click 1");
    WaitUntil([&] { return ListSelection(list) == -1; }, 3000);
}

// The window that has the keyboard focus in w's thread of the program.
HWND FocusIn(HWND w) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    return GetGUIThreadInfo(GetWindowThreadProcessId(w, nullptr), &info) ? info.hwndFocus : nullptr;
}

int FieldKey(HWND editor, int field) { return (int)SendDlgItemMessageA(editor, field, HKM_GETHOTKEY, 0, 0); }

// Types keys (xdotool's names) into a key field of the editor; the key the
// field then holds (waiting a while for the one expected).
int TypeKey(HWND editor, int field, const std::string& keys, int expected) {
    SendMessageA(editor, WM_NEXTDLGCTL, (WPARAM)GetDlgItem(editor, field), TRUE);
    Xdotool("key " + keys);
    WaitUntil([&] { return FieldKey(editor, field) == expected; }, 3000);
    return FieldKey(editor, field);
}

// Waits until the label is shown (or hidden): the editor hears of some
// keys by a posted message.
bool Shows(HWND editor, int label, bool shown) {
    return WaitUntil([&] { return (IsWindowVisible(GetDlgItem(editor, label)) != 0) == shown; }, 3000);
}

using IniValues = std::initializer_list<std::pair<const char*, std::string>>;

// The settings text with the value of each key replaced.
std::string WithValues(std::string ini, IniValues values) {
    for (const auto& [key, value] : values) {
        size_t at = ini.find("\n" + std::string(key) + "=") + strlen(key) + 2;
        ini.replace(at, ini.find('\r', at) - at, value);
    }
    return ini;
}

struct OptionsE2E : ::testing::Test {
    MiraboProcess p;
    std::string dir;
    HWND other = nullptr;  // a window of another program
    HWND corner = nullptr;  // a black and white pattern
    void TearDown() override {
        EndMirabo(&p);
        UnregisterHotKey(nullptr, 2);
        DestroyWindow(other);
        DestroyWindow(corner);
    }
    // Starts the program over the given settings file.
    void Start(const char* name, const std::string& ini) {
        dir = MakeRunDir(name, ini.c_str());
        ASSERT_TRUE(StartMirabo(&p, dir));
    }
    // Ends the program and returns what it saved.
    std::string Saved() {
        EXPECT_EQ(0, CloseMirabo(&p));
        return ReadWholeFile(dir + "\\system.ini");
    }
};

// Cancel discards every page's edits (the capture keys' too, all deleted,
// the key editor's Cancel its own, the sampled square's size) and the
// translucency preview; only the page last shown is kept. The hotkeys are
// free while the sheet is open and taken again after it. Opened again on
// that page and centred anew, the Window page previews the opacity and
// stores it, a colour and the frame on OK, and toggles always-on-top once.
TEST_F(OptionsE2E, CancelKeepsAllButTheStartPageThenTheWindowPageStoresOnOk) {
    Start("options-window", kFullSettingsFile);  // EndDispoption=2: the Copy keys page
    EXPECT_EQ(65 * 255 / 100, Alpha(p.hwnd));
    HWND sheet = OpenOptionsSheet(p);
    ASSERT_TRUE(sheet);
    EXPECT_TRUE(HotkeyFree());
    // No Apply button (0x3021) beside OK and Cancel.
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(sheet, 0x3021)));
    HWND page = CurrentPage(sheet), list = GetDlgItem(page, IDC_KEYS_LIST);
    ASSERT_TRUE(list);
    // The file's keys over the placeholder sample (white), the first one
    // selected; in the second key's template a backslash before ソ is
    // dropped, ソ stays whole.
    const char* rows[] = {"テキスト|#FFFFFF|Ctrl+C|", "テキスト|RGB(255,255,255)\r\n\t表示ソ||Ctrl+Alt+F9"};
    EXPECT_EQ("AESD-N", Buttons(page));
    // The editor's Cancel keeps the row; the page's edits are a deleted row,
    // the next one selected in its place.
    HWND editor = OpenEditor(p, page, 0);
    ASSERT_TRUE(editor);
    SetText(editor, IDC_KEY_FORMAT, "x");
    Click(editor, IDC_KEY_IMAGE);
    EXPECT_TRUE(CloseEditor(editor, IDCANCEL));
    EXPECT_EQ(rows[0], ListRow(list, 0));
    // The buttons grey while the selection moves, and a greyed button
    // loses the keyboard focus: after 削除, 下へ and 上へ it is back on the
    // pressed button, or on the list when that button ends greyed (the last
    // row after 下へ, the first after 上へ, an empty list). Each button, the
    // row selected after it, whether the focus is on the list.
    ASSERT_TRUE(FocusWindow(sheet, "オプション"));
    const struct { int button, row; bool onList; } steps[] = {
        {IDC_KEYS_DELETE, 0, false}, {IDC_KEYS_DOWN, 1, false}, {IDC_KEYS_DOWN, 2, false}, {IDC_KEYS_DOWN, 3, true},
        {IDC_KEYS_UP, 2, false},     {IDC_KEYS_UP, 1, false},   {IDC_KEYS_UP, 0, true},     {IDC_KEYS_DELETE, 0, false},
        {IDC_KEYS_DELETE, 0, false}, {IDC_KEYS_DELETE, 0, false}, {IDC_KEYS_DELETE, -1, true}};
    for (int i = 0; i < 11; i++) {
        Click(page, steps[i].button);  // a click leaves the focus on the button
        HWND want = steps[i].onList ? list : GetDlgItem(page, steps[i].button);
        EXPECT_EQ(steps[i].row, ListSelection(list)) << "step " << i;
        EXPECT_TRUE(WaitUntil([&] { return FocusIn(sheet) == want; }, 3000)) << "step " << i << ": " << FocusIn(sheet);
        if (i == 0)  // the next row in the deleted one's place
            EXPECT_EQ(rows[1], ListRow(list, 0));
    }
    EXPECT_TRUE(ControlsInside(page));
    page = ShowPage(sheet, DisplayTab);
    EXPECT_TRUE(ControlsInside(page));
    Click(page, IDC_DISP_ZOOM_IMAGE);
    SetText(page, IDC_DISP_FORMAT, "x");
    page = ShowPage(sheet, OtherTab);
    EXPECT_TRUE(ControlsInside(page));
    Click(page, IDC_OTHER_REVERS_H);
    Click(page, IDC_OTHER_INVALID_HOTKEY);
    EXPECT_EQ("5 × 5", TextOf(page, IDC_OTHER_SAMPLE_SIZE));  // the sampled square's size
    SendDlgItemMessageA(page, IDC_OTHER_SAMPLE_SIZE, CB_SETCURSEL, 7, 0);  // 15 x 15
    page = ShowPage(sheet, WindowTab);
    EXPECT_TRUE(ControlsInside(page));
    SetText(page, IDC_WIN_OPACITY, "30");  // previewed
    Click(page, IDC_WIN_TOP);
    ASSERT_TRUE(CloseSheet(sheet, PSBTN_CANCEL));
    EXPECT_EQ(65 * 255 / 100, Alpha(p.hwnd));
    PumpMessages(200);
    EXPECT_FALSE(Topmost(p.hwnd));
    EXPECT_FALSE(HotkeyFree());

    sheet = OpenOptionsSheet(p);
    ASSERT_TRUE(sheet);
    EXPECT_TRUE(CentredOnWorkAreaAt(sheet, 0, 0));  // of the one monitor here
    page = CurrentPage(sheet);
    ASSERT_TRUE(GetDlgItem(page, IDC_WIN_TOP));
    // The slider moves the edit, the edit the slider; both preview. An
    // empty edit or 999 is no opacity: the preview and OK keep 70.
    HWND slider = GetDlgItem(page, IDC_WIN_OPACITY_SLIDER);
    SendMessageA(slider, TBM_SETPOS, TRUE, 40);
    SendMessageA(page, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 40), (LPARAM)slider);
    EXPECT_EQ("40", TextOf(page, IDC_WIN_OPACITY));
    EXPECT_EQ(40 * 255 / 100, Alpha(p.hwnd));
    for (const char* typed : {"70", "", "999"})
        SetText(page, IDC_WIN_OPACITY, typed);
    EXPECT_EQ(70, SendMessageA(slider, TBM_GETPOS, 0, 0));
    EXPECT_EQ(70 * 255 / 100, Alpha(p.hwnd));
    Click(page, IDC_WIN_ALPHA);  // cleared: previewed opaque, the opacity greyed
    EXPECT_EQ(255, Alpha(p.hwnd));
    EXPECT_FALSE(Enabled(page, IDC_WIN_OPACITY_SLIDER) || Enabled(page, IDC_WIN_OPACITY));
    // Ticked, cleared and ticked again: one change.
    for (int i = 0; i < 3; i++)
        Click(page, IDC_WIN_TOP);

    // The colour under the pointer greys the fixed colour; a fixed colour
    // and a custom colour chosen in the colour dialog, the swatch showing
    // the colour at once.
    EXPECT_FALSE(Enabled(page, IDC_WIN_BACK_SWATCH) || Enabled(page, IDC_WIN_BACK_CHANGE));
    Click(page, IDC_WIN_BACK_FIXED);
    PostClick(page, IDC_WIN_BACK_CHANGE);
    HWND colors = WaitForWindowOf(p, "#32770", "色");  // the colour dialog
    ASSERT_TRUE(colors && GetDlgItem(colors, COLOR_RED));
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
    SendDlgItemMessageA(page, IDC_WIN_FRAME_SPIN, UDM_SETPOS32, 0, 7);
    ASSERT_TRUE(CloseSheet(sheet, PSBTN_OK));
    EXPECT_EQ(-1, Alpha(p.hwnd));
    EXPECT_TRUE(WaitUntil([&] { return Topmost(p.hwnd); }, 3000));
    std::string custom = IniValue(kFullSettingsFile, "CustomColor").replace(0, 7, "#0C2238");
    EXPECT_EQ(WithValues(kFullSettingsFile, {{"WindowTop", "1"}, {"WindowAlpha", "0"}, {"Opacity", "70"},
                                             {"EndDispoption", "1"}, {"CustomColor", custom},
                                             {"BackColorMode", "0"}, {"BackColor", "#0C2238"}, {"FrameWidth", "7"}}),
              Saved());
}

// Opened by its key, Alt+O, on the Display page: the "+" menu from the
// keyboard puts the chosen entry's token in place of the selection (Ctrl+Z
// brings it back, Esc changes nothing). The Display page's boxes, format
// and numbers and the Other page's switches and sampled square's size are
// stored on OK, the hotkeys staying off. Opened again: from an empty list to four capture keys, the
// page's buttons, the editor's key fields and its "重複" marks; after OK
// the keys work at once by hotkey, shortcut and capture menu, and
// system.ini holds them in their new order.
TEST_F(OptionsE2E, PagesStoreOnOkAndNewCopyKeysWorkAtOnce) {
    other = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "mirabo-other", WS_POPUP | WS_VISIBLE, 450, 100, 60, 60,
                            nullptr, nullptr, nullptr, nullptr);
    // Ctrl+Alt+F8 taken, as by another program.
    ASSERT_TRUE(RegisterHotKey(nullptr, 2, MOD_CONTROL | MOD_ALT, VK_F8));
    Start("options-ok", "[System]\r\nDispMouseDownInfo=1\r\nDispCursor=1\r\nDispGrid=1\r\nHistorySizeX=20\r\n"
                        "HistorySizeY=30\r\nInvalidHotkey=0\r\n[CopyKey]\r\nKey=0,[HEX02R],32,32,0,0,0,1656\r\n");
    // The pointer away from where the menus open: they select what is
    // under it.
    POINT pt = {};
    ASSERT_TRUE(SetCursorPos(1, 1) && GetCursorPos(&pt) && pt.x == 1 && pt.y == 1);
    ASSERT_TRUE(FocusWindow(p.hwnd, "Mirabo"));
    ASSERT_TRUE(Xdotool("key alt+o"));
    HWND sheet = WaitForWindowOf(p, "#32770", "オプション");
    ASSERT_TRUE(sheet);
    ASSERT_TRUE(FocusWindow(sheet, "オプション"));
    HWND page = CurrentPage(sheet), edit = GetDlgItem(page, IDC_DISP_FORMAT);
    ASSERT_TRUE(edit);
    // The menu drops down under the button.
    auto choose = [&](const std::string& keys) {
        RECT button;
        GetWindowRect(GetDlgItem(page, IDC_DISP_FORMAT_MENU), &button);
        POINT under = {button.left, button.bottom};
        PostClick(page, IDC_DISP_FORMAT_MENU);
        EXPECT_TRUE(TypeIntoMenu(keys, &under)) << keys;
    };
    SetText(page, IDC_DISP_FORMAT, "ABC");
    SendMessageA(edit, EM_SETSEL, 1, 2);
    // The ninth submenu's sixteenth entry, "[TID]::\tスレッドID".
    choose("Down Down Down Down Down Down Down Down Down Right Down Down Down Down Down Down Down Down Down Down Down "
           "Down Down Down Down Return");
    EXPECT_EQ("A[TID]C", TextOf(page, IDC_DISP_FORMAT));
    ASSERT_TRUE(Xdotool("key ctrl+z"));  // the chosen token leaves the focus in the edit
    EXPECT_TRUE(WaitUntil([&] { return TextOf(page, IDC_DISP_FORMAT) == "ABC"; }, 3000)) << TextOf(page, IDC_DISP_FORMAT);
    choose("Escape");
    EXPECT_EQ("ABC", TextOf(page, IDC_DISP_FORMAT));

    // Greyed boxes keep their ticks; every information item cleared.
    Click(page, IDC_DISP_ZOOM_IMAGE);
    EXPECT_FALSE(Enabled(page, IDC_DISP_CURSOR) || Enabled(page, IDC_DISP_GRID));
    for (int id = IDC_DISP_INFO_USER; id <= IDC_DISP_COLOR_HISTORY; id++)
        if (Ticked(page, id))
            Click(page, id);
    // The format and its sample are cut before a lone lead byte at 255
    // (Wine's own text conversion stops there too; the core tests cover the
    // cut that does it on Windows).
    SetText(page, IDC_DISP_FORMAT, std::string(254, 'a') + "\x95");
    EXPECT_EQ(std::string(254, 'a'), TextOf(page, IDC_DISP_FORMAT_SAMPLE));
    SetText(page, IDC_DISP_HISTORY_X, "40");
    SendDlgItemMessageA(page, IDC_DISP_INTERVAL_SPIN, UDM_SETPOS32, 0, 5000);
    SendDlgItemMessageA(page, IDC_DISP_CURSOR_MODE, CB_SETCURSEL, 3, 0);
    page = ShowPage(sheet, OtherTab);
    for (int id : {IDC_OTHER_INVALID_HOTKEY, IDC_OTHER_HALFTONE, IDC_OTHER_REVERS_H})
        Click(page, id);
    SendDlgItemMessageA(page, IDC_OTHER_SAMPLE_SIZE, CB_SETCURSEL, 5, 0);  // 11 x 11
    ASSERT_TRUE(CloseSheet(sheet, PSBTN_OK));
    PumpMessages(300);
    EXPECT_TRUE(HotkeyFree());

    // Hotkeys on again; the one key deleted leaves the list empty.
    sheet = OpenOptionsSheet(p);
    ASSERT_TRUE(sheet);
    ASSERT_TRUE(FocusWindow(sheet, "オプション"));
    Click(CurrentPage(sheet), IDC_OTHER_INVALID_HOTKEY);
    page = ShowPage(sheet, CopyKeysTab);
    HWND list = GetDlgItem(page, IDC_KEYS_LIST);
    ASSERT_TRUE(list);
    RECT rc;
    GetWindowRect(list, &rc);
    int shared = (rc.right - rc.left - 2 * GetSystemMetrics(SM_CXEDGE) - GetSystemMetrics(SM_CXVSCROLL) - 74) / 3;
    for (int column = 0; column < 4; column++)
        EXPECT_EQ(column ? shared : 74, SendMessageA(list, LVM_GETCOLUMNWIDTH, column, 0));
    Click(page, IDC_KEYS_DELETE);
    Click(page, IDC_KEYS_ADD);

    // Key A, on the new row the page selected. The shortcut field takes
    // keys bare, also those a hot-key control refuses (Space, the capture
    // menu's key, shown as taken).
    HWND editor = OpenEditor(p, page, 0);
    ASSERT_TRUE(editor);
    SetText(editor, IDC_KEY_FORMAT, "[DECR]");
    EXPECT_EQ("255", TextOf(editor, IDC_KEY_SAMPLE));
    SetText(editor, IDC_KEY_FORMAT, "shortcut-A");
    EXPECT_EQ(VK_SPACE, TypeKey(editor, IDC_KEY_SHORTCUT, "space", VK_SPACE));
    EXPECT_TRUE(Shows(editor, IDC_KEY_SHORTCUT_TAKEN, true));
    // The right-click menu's second entry, Enter.
    GetWindowRect(GetDlgItem(editor, IDC_KEY_SHORTCUT), &rc);
    ClickAt(rc.left + 8, rc.top + 4, "click 3");
    EXPECT_TRUE(TypeIntoMenu("Down Down Return"));
    EXPECT_TRUE(WaitUntil([&] { return FieldKey(editor, IDC_KEY_SHORTCUT) == VK_RETURN; }, 3000));
    EXPECT_EQ('K', TypeKey(editor, IDC_KEY_SHORTCUT, "ctrl+k", 'K'));
    Click(editor, IDC_KEY_SHORTCUT_CTRL);
    EXPECT_TRUE(CloseEditor(editor, IDOK));

    // After a click under the rows Add appends. Key B, opened by a double
    // click: a hotkey another program holds is marked, a free one not; A's
    // shortcut is marked until cleared.
    ClickUnderRows(list);
    EXPECT_EQ("AES---", Buttons(page));
    Click(page, IDC_KEYS_ADD);
    editor = OpenEditor(p, page, 1, true);
    ASSERT_TRUE(editor);
    SetText(editor, IDC_KEY_FORMAT, "hotkey-B");
    Click(editor, IDC_KEY_HOTKEY_CTRL);
    Click(editor, IDC_KEY_HOTKEY_ALT);
    EXPECT_EQ(VK_F8, TypeKey(editor, IDC_KEY_HOTKEY, "F8", VK_F8));
    EXPECT_TRUE(Shows(editor, IDC_KEY_HOTKEY_TAKEN, true));
    // Not a function key: X makes Ctrl+Alt+F9 a switch of the console.
    EXPECT_EQ('H', TypeKey(editor, IDC_KEY_HOTKEY, "h", 'H'));
    EXPECT_TRUE(Shows(editor, IDC_KEY_HOTKEY_TAKEN, false));
    EXPECT_EQ('K', TypeKey(editor, IDC_KEY_SHORTCUT, "k", 'K'));
    Click(editor, IDC_KEY_SHORTCUT_CTRL);
    EXPECT_TRUE(Shows(editor, IDC_KEY_SHORTCUT_TAKEN, true));
    Click(editor, IDC_KEY_SHORTCUT_CLEAR);
    EXPECT_TRUE(Shows(editor, IDC_KEY_SHORTCUT_TAKEN, false));
    EXPECT_TRUE(CloseEditor(editor, IDOK));

    // A separator at the selected row: nothing to edit.
    Click(page, IDC_KEYS_SEPARATOR);
    EXPECT_FALSE(OpenEditor(p, page, 1, true));

    // Key C, an image: the text part greyed, the gradients in their order,
    // sizes that are no size bounded.
    ClickUnderRows(list);
    Click(page, IDC_KEYS_ADD);
    editor = OpenEditor(p, page, 3);
    ASSERT_TRUE(editor);
    Click(editor, IDC_KEY_IMAGE);
    EXPECT_FALSE(Enabled(editor, IDC_KEY_FORMAT) || Enabled(editor, IDC_KEY_FORMAT_MENU));
    EXPECT_TRUE(Enabled(editor, IDC_KEY_WIDTH) && Enabled(editor, IDC_KEY_GRADIENT));
    SetText(editor, IDC_KEY_WIDTH, "-5");
    SetText(editor, IDC_KEY_HEIGHT, "99999");
    Click(editor, IDC_KEY_INVERT);
    SendDlgItemMessageA(editor, IDC_KEY_GRADIENT, CB_SETCURSEL, 4, 0);
    SendMessageA(editor, WM_COMMAND, MAKEWPARAM(IDC_KEY_GRADIENT, CBN_SELCHANGE),
                 (LPARAM)GetDlgItem(editor, IDC_KEY_GRADIENT));
    EXPECT_EQ("↑ 下から上", TextOf(editor, IDC_KEY_GRADIENT));  // inserted by index, not sorted
    EXPECT_TRUE(CloseEditor(editor, IDOK));

    // A, -, B, C to B, A, -, C: the moved row stays selected (B goes up
    // twice), the rows show what the editor stored.
    SelectListRow(list, 2);
    Click(page, IDC_KEYS_UP);
    Click(page, IDC_KEYS_UP);
    const char* rows[] = {"テキスト|hotkey-B||Ctrl+Alt+H", "テキスト|shortcut-A|Ctrl+K|", "-|||",
                          "画像|1*999 反転↑グラデーション||"};
    for (int row = 0; row < 4; row++)  // the rows' count: system.ini below
        EXPECT_EQ(rows[row], ListRow(list, row));
    ASSERT_TRUE(CloseSheet(sheet, PSBTN_OK));

    // At once: B's hotkey from another window, A's shortcut in the program,
    // the capture menu's first entry (B).
    ASSERT_TRUE(FocusWindow(other, "mirabo-other"));
    ASSERT_TRUE(Xdotool("key ctrl+alt+h"));
    EXPECT_TRUE(WaitUntil([] { return ClipboardText() == "hotkey-B"; }, 5000)) << ClipboardText();
    ASSERT_TRUE(FocusWindow(p.hwnd, "Mirabo"));
    ASSERT_TRUE(Xdotool("key ctrl+k"));
    EXPECT_TRUE(WaitUntil([] { return ClipboardText() == "shortcut-A"; }, 5000)) << ClipboardText();
    ASSERT_TRUE(Xdotool("key space"));
    EXPECT_TRUE(TypeIntoMenu("Down Return"));
    EXPECT_TRUE(WaitUntil([] { return ClipboardText() == "hotkey-B"; }, 5000)) << ClipboardText();

    std::string ini = Saved();
    for (const auto& [key, value] : IniValues{
             {"DispZoomImage", "0"}, {"DispCursor", "1"}, {"DispGrid", "1"},
             {"DispMouseDownInfo", "0"},  // nothing left to show in the panel
             {"DispInfoUser", "0"}, {"DispColorHistory", "0"}, {"CursorMode", "3"}, {"HistorySizeX", "40"},
             {"HistorySizeY", "30"}, {"TimerInterval", "5000"}, {"DispInfoUserFormat", std::string(254, 'a')},
             {"InvalidHotkey", "0"}, {"HalfTone", "1"}, {"ReversH", "1"}, {"ReversV", "0"}, {"EndDispoption", "2"},
             {"SampleSize", "11"}})
        EXPECT_EQ(value, IniValue(ini, key)) << key;
    EXPECT_NE(std::string::npos, ini.find("[CopyKey]\r\nKey=0,hotkey-B,32,32,0,0,0,1608\r\n"
                                          "Key=0,shortcut-A,32,32,0,0,587,0\r\nKey=2,,32,32,0,0,0,0\r\n"
                                          "Key=1,,1,999,1,4,0,0\r\n\r\n"))
        << ini;
}

// The sampled square's size: from the context menu (Alt+Space, its
// second submenu), by Shift and the wheel over the window (the wheel alone
// still zooms); a capture by a hotkey then takes the mean of that square.
// The size is kept in system.ini. (The Other page's drop-down: the other
// runs.)
TEST_F(OptionsE2E, SampleSizeFromTheMenuAndTheWheelAndTheCapturesMean) {
    Start("sample-size", "[System]\r\nEndDispoption=3\r\nInvalidHotkey=0\r\n"  // the options open on the Other page
                         "[CopyKey]\r\nKey=0,#[HEX02R][HEX02G][HEX02B],32,32,0,0,0,55\r\n");  // 7 as a hotkey
    // The pointer away from where the menu opens: it selects what is under it.
    ASSERT_TRUE(SetCursorPos(1, 1));
    ASSERT_TRUE(FocusWindow(p.hwnd, "Mirabo"));
    ASSERT_TRUE(Xdotool("key alt+space"));
    // The second item's fourth size: 7 x 7.
    ASSERT_TRUE(TypeIntoMenu("Down Down Right Down Down Down Return"));
    // Over the window (100, 100, 300 x 260): down one size, up one zoom step.
    ASSERT_TRUE(Xdotool("mousemove --sync 250 230 keydown shift click 5 keyup shift"));
    PumpMessages(300);
    ASSERT_TRUE(Xdotool("click 4"));
    PumpMessages(300);
    // Black, white from 700, 500 on: the 5 x 5 square round 701, 499 holds
    // white in 4 columns of 2 rows, 8 x 255 / 25 = 81.6, rounded 82 (0x52);
    // the pointer's own pixel is black.
    corner = ShowCornerWindow(600, 400, 200, 200, 700, 500);
    ASSERT_TRUE(corner);
    OpenClipboard(nullptr), EmptyClipboard(), CloseClipboard();
    ASSERT_TRUE(Xdotool("mousemove --sync 701 499 key 7"));
    EXPECT_TRUE(WaitUntil([] { return ClipboardText() == "#525252"; }, 5000)) << ClipboardText();
    std::string ini = Saved();
    EXPECT_EQ("5", IniValue(ini, "SampleSize")) << ini;
    EXPECT_EQ("3", IniValue(ini, "Zoom"));
    EXPECT_EQ("#525252", IniValue(ini, "HistoryColor"));
}

}  // namespace
