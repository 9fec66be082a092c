#include "view/SamplePoint.h"

#include <string.h>

#include "platform/AppState.h"
#include "core/TextUtil.h"

static void ToSysTime(const SYSTEMTIME& st, SysTime* out) {
    static_assert(sizeof(SYSTEMTIME) == sizeof(SysTime), "same layout");
    memcpy(out, &st, sizeof(*out));
}

void ResetPointInfo(PointInfo* info) {
    if (!info)
        return;
    SYSTEMTIME st;
    GetSystemTime(&st);
    SysTime now;
    ToSysTime(st, &now);
    ResetPointInfoFields(info, &now);
}

void ReadWindowText(HWND window, char* buffer, int limit) {
    buffer[0] = 0;
    GetWindowTextA(window, buffer, limit + 1);
    buffer[limit] = 0;
    DropTrailingLeadByte(buffer);
}

enum { ModuleNameForm = 0, ModuleFolderForm = 1 };

// File name (form 0) or folder (form 1) of the module behind the window's
// instance handle; "-" when it cannot be found. out holds 256 bytes.
static void ModuleNameOf(HWND window, char* out, int form) {
    strcpy(out, "-");
    if (!window)
        return;
    HINSTANCE h = (HINSTANCE)GetWindowLongPtrA(window, GWLP_HINSTANCE);
    if (!h)
        return;
    char path[MAX_PATH + 1];
    if (GetModuleFileNameA(h, path, MAX_PATH) == 0)
        return;
    path[MAX_PATH] = 0;
    char name[TextFieldSize];
    char folder[TextFieldSize];
    SplitModulePath(path, name, folder);
    strcpy(out, form == ModuleFolderForm ? folder : name);
}

static void ClearWindowFields(PointInfo* info) {
    strcpy(info->ClassName, "-");
    strcpy(info->Text, "-");
    strcpy(info->ExeName, "-");
    strcpy(info->ExePath, "-");
    memset(&info->Rect, 0, sizeof(info->Rect));
    info->WindowId = 0;
    info->Pid = 0;
    info->Tid = 0;
    info->ParentHwnd = 0;
    info->HInst = 0;
    info->Style = 0;
    info->ExStyle = 0;
}

// The pixel at pt; the display context is the caller's (the main window
// keeps one and renews it when the display changes).
static void SampleColor(HDC screenDC, int webSafe, POINT pt, PointInfo* info) {
    COLORREF pixel = GetPixel(screenDC, pt.x, pt.y);
    info->Color = pixel;
    info->Red = ColorRed(pixel);
    info->Green = ColorGreen(pixel);
    info->Blue = ColorBlue(pixel);
    if (webSafe == 1) {
        info->Color = WebSafeColor(pixel);
        info->Red = ColorRed(info->Color);
        info->Green = ColorGreen(info->Color);
        info->Blue = ColorBlue(info->Color);
    }
}

static void SampleWindowRect(HWND hwnd, Rect32* out) {
    RECT rc;
    if (!GetWindowRect(hwnd, &rc))
        SetRectEmpty(&rc);
    out->Left = rc.left;
    out->Top = rc.top;
    out->Right = rc.right;
    out->Bottom = rc.bottom;
}

static void SampleWindow(HWND hwnd, PointInfo* info) {
    if (GetClassNameA(hwnd, info->ClassName, TextFieldSize - 1) == 0)
        strcpy(info->ClassName, "-");
    ReadWindowText(hwnd, info->Text, TextFieldSize - 1);
    if (info->Text[0] == 0)
        strcpy(info->Text, "-");
    SampleWindowRect(hwnd, &info->Rect);
    DWORD pid = 0;
    info->Tid = GetWindowThreadProcessId(hwnd, &pid);
    info->Pid = pid;
    info->ParentHwnd = (uint32_t)GetWindowLongPtrA(hwnd, GWLP_HWNDPARENT);
    info->HInst = (uint32_t)GetWindowLongPtrA(hwnd, GWLP_HINSTANCE);
    info->Style = (uint32_t)GetWindowLongA(hwnd, GWL_STYLE);
    info->ExStyle = (uint32_t)GetWindowLongA(hwnd, GWL_EXSTYLE);
    // The window identifier is a child window's control ID, what a dialog
    // programmer looks the control up by; a top-level window keeps its menu
    // handle in that slot, so it has none (0, printed as "-").
    info->WindowId = (info->Style & WS_CHILD) ? (uint32_t)GetWindowLongPtrA(hwnd, GWLP_ID) : 0;
    ModuleNameOf(hwnd, info->ExeName, ModuleNameForm);
    ModuleNameOf(hwnd, info->ExePath, ModuleFolderForm);
}

void SamplePoint(HDC screenDC, int webSafe, POINT pt, PointInfo* info) {
    if (!info)
        return;
    SYSTEMTIME st;
    GetLocalTime(&st);
    ToSysTime(st, &info->Time);
    info->MouseX = pt.x;
    info->MouseY = pt.y;
    // Without a display context the colour keeps its last value and no
    // window is looked up.
    HWND hwnd = nullptr;
    if (screenDC) {
        SampleColor(screenDC, webSafe, pt, info);
        hwnd = WindowFromPoint(pt);
    }
    info->Hwnd = HandleValue(hwnd);
    if (hwnd)
        SampleWindow(hwnd, info);
    else
        ClearWindowFields(info);
}
