#include "SheetDriver.h"

#include <stddef.h>

// Sends msg to a window of another process with lParam pointing at a copy
// of data in that process's memory (the system carries no structures
// across), and copies the block back; -1 when the copy failed. A text
// pointer at offset `rebase` within data holds an offset into the block and
// is made to point there in the copy.
static LRESULT SendWithBlock(HWND w, UINT msg, WPARAM wp, void* data, size_t size, int rebase = -1) {
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

HWND WaitForWindowOf(const MiraboProcess& p, const char* className, const char* caption, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindWindowOf(p.pi.dwProcessId, className, caption, true)) != nullptr; }, timeoutMs);
    return found;
}

HWND OpenOptionsSheet(const MiraboProcess& p) {
    PostMessageA(p.hwnd, WM_COMMAND, 41008, 0);  // CmdOptions
    HWND sheet = WaitForWindowOf(p, "#32770", "オプション");
    PumpMessages(100);  // the first page finishes its initialisation
    return sheet;
}

std::string TextOf(HWND page, int id) {
    char text[4096] = "";
    SendDlgItemMessageA(page, id, WM_GETTEXT, sizeof(text), (LPARAM)text);
    return text;
}

std::string ListRow(HWND list, int row, int columns) {
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

void SelectListRow(HWND list, int row) {
    LVITEMA item = {};
    item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendWithBlock(list, LVM_SETITEMSTATE, (WPARAM)row, &item, sizeof(item));
}

RECT ListRowRect(HWND list, int row) {
    RECT rc = {LVIR_BOUNDS, 0, 0, 0};
    SendWithBlock(list, LVM_GETITEMRECT, (WPARAM)row, &rc, sizeof(rc));
    MapWindowPoints(list, nullptr, (POINT*)&rc, 2);
    return rc;
}

std::string IniValue(const std::string& ini, const std::string& key) {
    size_t at = ini.find("\n" + key + "=");
    if (at == std::string::npos)
        return "(none)";
    at += key.size() + 2;
    return ini.substr(at, ini.find('\r', at) - at);
}
