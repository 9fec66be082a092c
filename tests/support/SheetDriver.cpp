#include "SheetDriver.h"

#include <commctrl.h>

HWND WaitForWindowOf(const MiraboProcess& p, const char* className, const char* caption, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil([&] {
        HWND w = nullptr;
        DWORD pid = 0;
        while ((w = FindWindowExA(nullptr, w, className, caption)))
            if (GetWindowThreadProcessId(w, &pid) && pid == p.pi.dwProcessId && IsWindowVisible(w))
                return (found = w) != nullptr;
        return false;
    }, timeoutMs);
    return found;
}

HWND OpenOptionsSheet(const MiraboProcess& p, DWORD timeoutMs) {
    PostMessageA(p.hwnd, WM_COMMAND, 41008, 0);  // CmdOptions
    HWND sheet = WaitForWindowOf(p, "#32770", "オプション", timeoutMs);
    PumpMessages(100);  // the first page finishes its initialisation
    return sheet;
}

HWND ShowPage(HWND sheet, int position) {
    SendMessageA(sheet, PSM_SETCURSEL, (WPARAM)position, 0);
    return CurrentPage(sheet);
}

HWND CurrentPage(HWND sheet) {
    return (HWND)SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0);
}

bool CloseSheet(HWND sheet, int button) {
    PostMessageA(sheet, PSM_PRESSBUTTON, (WPARAM)button, 0);
    return WaitUntil([&] { return !IsWindow(sheet); }, 10000);
}

void Click(HWND page, int id) {
    SendMessageA(GetDlgItem(page, id), BM_CLICK, 0, 0);
}

void PostClick(HWND page, int id) {
    PostMessageA(GetDlgItem(page, id), BM_CLICK, 0, 0);
}

bool Ticked(HWND page, int id) {
    return SendMessageA(GetDlgItem(page, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool Enabled(HWND page, int id) {
    return IsWindowEnabled(GetDlgItem(page, id)) != 0;
}

std::string TextOf(HWND page, int id) {
    // GetWindowText would give another process's edit its first text only.
    char text[4096] = "";
    SendMessageA(GetDlgItem(page, id), WM_GETTEXT, sizeof(text), (LPARAM)text);
    return text;
}

void SetText(HWND page, int id, const std::string& text) {
    SendMessageA(GetDlgItem(page, id), WM_SETTEXT, 0, (LPARAM)text.c_str());
}

std::string IniValue(const std::string& ini, const std::string& key) {
    size_t at = ini.find("\n" + key + "=");
    if (at == std::string::npos)
        return "(none)";
    at += key.size() + 2;
    return ini.substr(at, ini.find('\r', at) - at);
}
