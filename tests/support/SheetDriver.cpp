#include "SheetDriver.h"

#include <commctrl.h>

namespace {

// A block of memory in the process that owns a window, for the messages
// whose structures the system does not carry across processes.
struct RemoteBlock {
    HANDLE process = nullptr;
    char* base = nullptr;
    RemoteBlock(HWND w, size_t size) {
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
        if (process)
            base = (char*)VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    }
    ~RemoteBlock() {
        if (base)
            VirtualFreeEx(process, base, 0, MEM_RELEASE);
        if (process)
            CloseHandle(process);
    }
    bool Put(const void* data, size_t size) { return base && WriteProcessMemory(process, base, data, size, nullptr); }
    bool Get(size_t offset, void* data, size_t size) {
        return base && ReadProcessMemory(process, base + offset, data, size, nullptr);
    }
};

}  // namespace

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

int ListRows(HWND list) {
    return (int)SendMessageA(list, LVM_GETITEMCOUNT, 0, 0);
}

int ListSelection(HWND list) {
    return (int)SendMessageA(list, LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED);
}

std::string ListRow(HWND list, int row, int columns) {
    std::string cells;
    enum { TextSize = 1024 };
    RemoteBlock block(list, sizeof(LVITEMA) + TextSize);
    for (int column = 0; column < columns; column++) {
        LVITEMA item = {};
        item.iSubItem = column;
        item.pszText = block.base + sizeof(LVITEMA);
        item.cchTextMax = TextSize;
        char text[TextSize] = "?";
        if (block.Put(&item, sizeof(item)) && SendMessageA(list, LVM_GETITEMTEXTA, (WPARAM)row, (LPARAM)block.base) >= 0)
            block.Get(sizeof(LVITEMA), text, sizeof(text));
        text[TextSize - 1] = 0;
        cells += (column ? "|" : "") + std::string(text);
    }
    return cells;
}

void SelectListRow(HWND list, int row) {
    LVITEMA item = {};
    item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
    RemoteBlock block(list, sizeof(item));
    if (block.Put(&item, sizeof(item)))
        SendMessageA(list, LVM_SETITEMSTATE, (WPARAM)row, (LPARAM)block.base);
}

RECT ListRowRect(HWND list, int row) {
    RECT rc = {LVIR_BOUNDS, 0, 0, 0};
    RemoteBlock block(list, sizeof(rc));
    if (block.Put(&rc, sizeof(rc)) && SendMessageA(list, LVM_GETITEMRECT, (WPARAM)row, (LPARAM)block.base))
        block.Get(0, &rc, sizeof(rc));
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
