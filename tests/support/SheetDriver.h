// Driving the running program's options sheet from the test process: the
// sheet, its pages, their controls and the capture-key editor through the
// window messages a user's clicks and keys would cause.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <stddef.h>

#include <string>

#include "WineHarness.h"
#include "res/resource.h"

// The program's window of the given class and caption once it is visible;
// null after timeoutMs.
inline HWND WaitForWindowOf(const MiraboProcess& p, const char* className, const char* caption,
                            DWORD timeoutMs = 10000) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindWindowOf(p.pi.dwProcessId, className, caption, true)) != nullptr; }, timeoutMs);
    return found;
}

// Posts the Options command to the program and waits for its sheet.
inline HWND OpenOptionsSheet(const MiraboProcess& p) {
    PostMessageA(p.hwnd, WM_COMMAND, 41008, 0);  // CmdOptions
    HWND sheet = WaitForWindowOf(p, "#32770", "オプション");
    PumpMessages(100);  // the first page finishes its initialisation
    return sheet;
}

// The page shown, and the page at a position after a switch to it (as a
// click on its tab).
inline HWND CurrentPage(HWND sheet) { return (HWND)SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0); }
inline HWND ShowPage(HWND sheet, int position) {
    SendMessageA(sheet, PSM_SETCURSEL, (WPARAM)position, 0);
    return CurrentPage(sheet);
}

// Whether the window lies in the middle of the work area of the monitor
// that holds x, y (the nearest one), as the system gives that work area.
inline bool CentredOnWorkAreaAt(HWND w, int x, int y) {
    MONITORINFO info = {sizeof(info)};
    GetMonitorInfoA(MonitorFromPoint(POINT{x, y}, MONITOR_DEFAULTTONEAREST), &info);
    const RECT& work = info.rcWork;
    RECT rc = {};
    GetWindowRect(w, &rc);
    return rc.left == work.left + (work.right - work.left - (rc.right - rc.left)) / 2 &&
           rc.top == work.top + (work.bottom - work.top - (rc.bottom - rc.top)) / 2;
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
// Presses the key editor's OK or Cancel and waits until the editor is
// gone: the page stores the edit only after the editor's own loop ends, and
// a message sent to the page before then runs inside that loop, ahead of
// the store. False when it stayed.
inline bool CloseEditor(HWND editor, int button) {
    Click(editor, button);
    return WaitUntil([&] { return !IsWindow(editor); }, 10000);
}
inline bool Ticked(HWND page, int id) { return SendDlgItemMessageA(page, id, BM_GETCHECK, 0, 0) == BST_CHECKED; }
inline bool Enabled(HWND page, int id) { return IsWindowEnabled(GetDlgItem(page, id)) != 0; }

// The control's text (GetWindowText would give another process's edit its
// first text only), and text put into it as a paste would (an edit reports
// the change).
inline std::string TextOf(HWND page, int id) {
    char text[4096] = "";
    SendDlgItemMessageA(page, id, WM_GETTEXT, sizeof(text), (LPARAM)text);
    return text;
}
inline void SetText(HWND page, int id, const std::string& text) {
    SendDlgItemMessageA(page, id, WM_SETTEXT, 0, (LPARAM)text.c_str());
}

// Sends msg to a window of another process with lParam pointing at a copy
// of data in that process's memory (the system carries no structures
// across), and copies the block back; -1 when the copy failed. A text
// pointer at offset `rebase` within data holds an offset into the block and
// is made to point there in the copy.
inline LRESULT SendWithBlock(HWND w, UINT msg, WPARAM wp, void* data, size_t size, int rebase = -1) {
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    char* base = process ? (char*)VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)
                         : nullptr;
    LRESULT result = -1;
    if (base && rebase >= 0)
        *(char**)((char*)data + rebase) += (size_t)base;
    if (base && WriteProcessMemory(process, base, data, size, nullptr)) {
        result = SendMessageA(w, msg, wp, (LPARAM)base);
        ReadProcessMemory(process, base, data, size, nullptr);
    }
    if (base)
        VirtualFreeEx(process, base, 0, MEM_RELEASE);
    if (process)
        CloseHandle(process);
    return result;
}

// A list view of the program: the selected row (-1 for none), a row's cells joined by "|", a row selected as a click would, and the
// row's place on the screen. The messages that carry structures get them
// in the program's memory.
inline int ListSelection(HWND list) { return (int)SendMessageA(list, LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED); }
inline std::string ListRow(HWND list, int row, int columns = 4) {
    std::string cells;
    for (int column = 0; column < columns; column++) {
        struct { LVITEMA item; char text[1024]; } cell = {};
        cell.item.iSubItem = column;
        cell.item.pszText = (char*)offsetof(decltype(cell), text);
        cell.item.cchTextMax = sizeof(cell.text);
        if (SendWithBlock(list, LVM_GETITEMTEXTA, (WPARAM)row, &cell, sizeof(cell), offsetof(LVITEMA, pszText)) < 0)
            strcpy(cell.text, "?");
        cell.text[sizeof(cell.text) - 1] = 0;
        cells += (column ? "|" : "") + std::string(cell.text);
    }
    return cells;
}
inline void SelectListRow(HWND list, int row) {
    LVITEMA item = {};
    item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendWithBlock(list, LVM_SETITEMSTATE, (WPARAM)row, &item, sizeof(item));
}
inline RECT ListRowRect(HWND list, int row) {
    RECT rc = {LVIR_BOUNDS, 0, 0, 0};
    SendWithBlock(list, LVM_GETITEMRECT, (WPARAM)row, &rc, sizeof(rc));
    MapWindowPoints(list, nullptr, (POINT*)&rc, 2);
    return rc;
}

// The value of "Key=" in a system.ini text; "(none)" when it has no such line.
inline std::string IniValue(const std::string& ini, const std::string& key) {
    size_t at = ini.find("\n" + key + "=");
    if (at == std::string::npos)
        return "(none)";
    at += key.size() + 2;
    return ini.substr(at, ini.find('\r', at) - at);
}

// Real clicks ("click 3", "click --repeat 2 1") at a point of the screen.
// The pointer comes from beside the point: a move to where the pointer is
// already never ends (--sync waits for a move).
inline void ClickAt(int x, int y, const std::string& click) {
    Xdotool("mousemove --sync " + std::to_string(x + 7) + " " + std::to_string(y + 7) + " mousemove --sync " +
            std::to_string(x) + " " + std::to_string(y) + " " + click);
}

// The editor on the selected row by the Edit button, or on the row by a
// double click; null when it did not open.
inline HWND OpenEditor(const MiraboProcess& p, HWND page, int row, bool doubleClick = false) {
    RECT rc = ListRowRect(GetDlgItem(page, IDC_KEYS_LIST), row);
    if (doubleClick)
        ClickAt((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2, "click --repeat 2 1");
    else
        PostClick(page, IDC_KEYS_EDIT);
    std::string caption = "取得キー情報の変更 [" + std::to_string(row) + "]";
    HWND editor = WaitForWindowOf(p, "#32770", caption.c_str(), doubleClick ? 3000 : 10000);
    return editor && FocusWindow(editor, "取得キー情報の変更.*") ? editor : nullptr;
}
