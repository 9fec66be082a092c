// Driving the running program's options sheet from the test process: the
// sheet, its pages and their controls through the window messages a user's
// clicks and keys would cause.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "WineHarness.h"

// The program's window of the given class and caption once it is visible;
// null after timeoutMs.
HWND WaitForWindowOf(const MiraboProcess& p, const char* className, const char* caption, DWORD timeoutMs = 10000);

// Posts the Options command to the program and waits for its sheet.
HWND OpenOptionsSheet(const MiraboProcess& p);

// The page shown, and the page at a position after a switch to it (as a
// click on its tab).
inline HWND CurrentPage(HWND sheet) { return (HWND)SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0); }
inline HWND ShowPage(HWND sheet, int position) {
    SendMessageA(sheet, PSM_SETCURSEL, (WPARAM)position, 0);
    return CurrentPage(sheet);
}

// Presses OK (PSBTN_OK) or Cancel (PSBTN_CANCEL) and waits for the sheet
// to close. False when it stayed.
inline bool CloseSheet(HWND sheet, int button) {
    PostMessageA(sheet, PSM_PRESSBUTTON, (WPARAM)button, 0);
    return WaitUntil([&] { return !IsWindow(sheet); }, 10000);
}

// A click on a button, a check box or a radio button (Post for one that
// opens something modal, so that the call does not wait for it).
inline void Click(HWND page, int id) { SendDlgItemMessageA(page, id, BM_CLICK, 0, 0); }
inline void PostClick(HWND page, int id) { PostMessageA(GetDlgItem(page, id), BM_CLICK, 0, 0); }
inline bool Ticked(HWND page, int id) { return SendDlgItemMessageA(page, id, BM_GETCHECK, 0, 0) == BST_CHECKED; }
inline bool Enabled(HWND page, int id) { return IsWindowEnabled(GetDlgItem(page, id)) != 0; }

// The control's text (GetWindowText would give another process's edit its
// first text only), and text put into it as a paste would (an edit reports
// the change).
std::string TextOf(HWND page, int id);
inline void SetText(HWND page, int id, const std::string& text) {
    SendDlgItemMessageA(page, id, WM_SETTEXT, 0, (LPARAM)text.c_str());
}

// A list view of the program: its rows, the selected row (-1 for none),
// a row's cells joined by "|", a row selected as a click would, and the
// row's place on the screen. The messages that carry structures get them
// in the program's memory.
inline int ListRows(HWND list) { return (int)SendMessageA(list, LVM_GETITEMCOUNT, 0, 0); }
inline int ListSelection(HWND list) { return (int)SendMessageA(list, LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED); }
std::string ListRow(HWND list, int row, int columns = 4);
void SelectListRow(HWND list, int row);
RECT ListRowRect(HWND list, int row);

// The value of "Key=" in a system.ini text; "(none)" when it has no such line.
std::string IniValue(const std::string& ini, const std::string& key);
