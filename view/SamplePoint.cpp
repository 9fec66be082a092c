#include "view/SamplePoint.h"

#include <string.h>

#include "platform/AppState.h"
#include "core/SampleSize.h"
#include "core/TextUtil.h"
#include "view/ScreenCopy.h"

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

// The colour fields from the colour sampled at the point.
static void SetColor(uint32_t pixel, int webSafe, PointInfo* info) {
    info->Color = webSafe == 1 ? WebSafeColor(pixel) : pixel;
    info->Red = ColorRed(info->Color);
    info->Green = ColorGreen(info->Color);
    info->Blue = ColorBlue(info->Color);
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

// What cannot change while a window lives: its class, process and thread,
// and the module behind it. The view keeps them for the last window it
// asked about and reads them again for another one.
enum { KnownClass = 1, KnownPanelClass = 2, KnownIds = 4, KnownModule = 8 };

struct KnownWindow {
    HWND Hwnd;
    int Have;
    char ClassName[TextFieldSize];
    char PanelClassName[PanelTextLimit + 4];
    uint32_t Pid;
    uint32_t Tid;
    char ExeName[TextFieldSize];
    char ExePath[TextFieldSize];
};

static KnownWindow gKnown;

// The facts in want of hwnd: from the kept entry (emptied when hwnd is
// another window), or read afresh into scratch when one is given.
static const KnownWindow* Know(HWND hwnd, int want, KnownWindow* scratch) {
    KnownWindow* k = scratch;
    if (!scratch) {
        k = &gKnown;
        if (k->Hwnd != hwnd)
            k->Have = 0;
    } else {
        k->Have = 0;
    }
    k->Hwnd = hwnd;
    want &= ~k->Have;
    if (want & KnownClass) {
        if (GetClassNameA(hwnd, k->ClassName, TextFieldSize - 1) == 0)
            strcpy(k->ClassName, "-");
    }
    if (want & KnownPanelClass) {
        if (GetClassNameA(hwnd, k->PanelClassName, PanelTextLimit) == 0)
            k->PanelClassName[0] = 0;
    }
    if (want & KnownIds) {
        DWORD pid = 0;
        k->Tid = GetWindowThreadProcessId(hwnd, &pid);
        k->Pid = pid;
    }
    if (want & KnownModule) {
        ModuleNameOf(hwnd, k->ExeName, ModuleNameForm);
        ModuleNameOf(hwnd, k->ExePath, ModuleFolderForm);
    }
    k->Have |= want;
    return k;
}

// The window fields of the parts asked for; remember 0 reads everything
// afresh (a capture), 1 keeps the lasting facts of the window.
static void SampleWindowParts(HWND hwnd, int parts, int remember, PointInfo* info) {
    KnownWindow scratch;
    int want = ((parts & PartClass) ? KnownClass : 0) | ((parts & PartIds) ? KnownIds : 0) |
               ((parts & PartModule) ? KnownModule : 0);
    const KnownWindow* k = Know(hwnd, want, remember ? nullptr : &scratch);
    if (parts & PartClass)
        strcpy(info->ClassName, k->ClassName);
    if (parts & PartText) {
        ReadWindowText(hwnd, info->Text, TextFieldSize - 1);
        if (info->Text[0] == 0)
            strcpy(info->Text, "-");
    }
    if (parts & PartRect)
        SampleWindowRect(hwnd, &info->Rect);
    if (parts & PartIds) {
        info->Tid = k->Tid;
        info->Pid = k->Pid;
    }
    if (parts & PartLongs) {
        info->ParentHwnd = (uint32_t)GetWindowLongPtrA(hwnd, GWLP_HWNDPARENT);
        info->HInst = (uint32_t)GetWindowLongPtrA(hwnd, GWLP_HINSTANCE);
        info->Style = (uint32_t)GetWindowLongA(hwnd, GWL_STYLE);
        info->ExStyle = (uint32_t)GetWindowLongA(hwnd, GWL_EXSTYLE);
        // The window identifier is a child window's control ID, what a
        // dialog programmer looks the control up by; a top-level window
        // keeps its menu handle in that slot, so it has none (0, printed
        // as "-").
        info->WindowId =
            (info->Style & WS_CHILD) ? (uint32_t)GetWindowLongPtrA(hwnd, GWLP_ID) : 0;
    }
    if (parts & PartModule) {
        strcpy(info->ExeName, k->ExeName);
        strcpy(info->ExePath, k->ExePath);
    }
}

static void SampleTimeAndPlace(POINT pt, PointInfo* info) {
    SYSTEMTIME st;
    GetLocalTime(&st);
    ToSysTime(st, &info->Time);
    info->MouseX = pt.x;
    info->MouseY = pt.y;
}

uint32_t SampleScreenColor(HDC screenDC, POINT pt, int size) {
    size = NormalSampleSize(size);
    const MonitorLayout& m = gApp.Monitors;
    int half = size / 2;
    Rect32 square = {pt.x - half, pt.y - half, pt.x + half + 1, pt.y + half + 1};
    Rect32 pieces[MonitorCapacity];
    ScreenPixels copy;
    ColorRef mean;
    if (size > 1 && MonitorPieces(&m, &square, pieces) > 0 &&
        ReadScreenSquare(screenDC, square.Left, square.Top, size, &copy) &&
        AverageSquare(&copy, pt.x, pt.y, size, m.Area, m.Count, &mean))
        return mean;
    return GetPixel(screenDC, pt.x, pt.y);
}

void SamplePoint(HDC screenDC, int webSafe, int sampleSize, POINT pt, PointInfo* info) {
    if (!info)
        return;
    SampleTimeAndPlace(pt, info);
    // Without a display context the colour keeps its last value and no
    // window is looked up.
    HWND hwnd = nullptr;
    if (screenDC) {
        SetColor(SampleScreenColor(screenDC, pt, sampleSize), webSafe, info);
        hwnd = WindowFromPoint(pt);
    }
    info->Hwnd = HandleValue(hwnd);
    if (hwnd)
        SampleWindowParts(hwnd, PartAllWindow, 0, info);
    else
        ClearWindowFields(info);
}

void SampleViewPoint(const ViewSample* v, PointInfo* info) {
    SampleTimeAndPlace(v->Point, info);
    HWND hwnd = nullptr;
    if (v->HaveScreen) {
        SetColor(v->Pixel, v->WebSafe, info);
        hwnd = v->Window;
    }
    if (!v->Parts)
        return;
    info->Hwnd = HandleValue(hwnd);
    if (hwnd)
        SampleWindowParts(hwnd, v->Parts, 1, info);
    else
        ClearWindowFields(info);
}

void SamplePanelTarget(HWND hwnd, int parts, PanelTarget* t, char* className, char* text) {
    memset(t, 0, sizeof(*t));
    if (!hwnd)
        return;
    t->Found = 1;
    t->Handle = HandleValue(hwnd);
    int want = ((parts & PartClass) ? KnownPanelClass : 0) | ((parts & PartIds) ? KnownIds : 0);
    const KnownWindow* k = Know(hwnd, want, nullptr);
    if (parts & PartIds) {
        t->Pid = k->Pid;
        t->Tid = k->Tid;
    }
    if (parts & PartRect) {
        SampleWindowRect(hwnd, &t->Rect);
    }
    if (parts & PartClass) {
        strcpy(className, k->PanelClassName);
        t->ClassName = className;
    }
    if (parts & PartText) {
        ReadWindowText(hwnd, text, PanelTextLimit);
        t->Text = text;
    }
}
