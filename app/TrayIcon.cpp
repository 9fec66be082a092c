#include "app/TrayIcon.h"

#include <shellapi.h>

#include "app/ContextMenu.h"
#include "core/CommandIds.h"
#include "platform/AppState.h"
#include "res/resource.h"

static void FillTrayIconData(HWND hwnd, NOTIFYICONDATAA* nid) {
    ZeroMemory(nid, sizeof(*nid));
    nid->cbSize = NOTIFYICONDATAA_V1_SIZE;
    nid->hWnd = hwnd;
    nid->uID = TrayIconId;
    nid->uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    nid->uCallbackMessage = TrayCallbackMessage;
    nid->hIcon = (HICON)LoadImageA(gApp.Instance, MAKEINTRESOURCEA(IDI_MIRABO), IMAGE_ICON,
                                   GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                   LR_SHARED);
    lstrcpynA(nid->szTip, MainWindowTitle, sizeof(nid->szTip));
}

void AddTrayIcon(HWND hwnd) {
    NOTIFYICONDATAA nid;
    FillTrayIconData(hwnd, &nid);
    Shell_NotifyIconA(NIM_ADD, &nid);
}

void RemoveTrayIcon(HWND hwnd) {
    NOTIFYICONDATAA nid;
    FillTrayIconData(hwnd, &nid);
    Shell_NotifyIconA(NIM_DELETE, &nid);
}

static void ToggleWindowVisible(HWND hwnd) {
    if (gApp.WindowVisible == 1) {
        gApp.WindowVisible = 0;
        ShowWindow(hwnd, SW_HIDE);
    } else {
        gApp.WindowVisible = 1;
        ShowWindow(hwnd, SW_SHOW);
    }
}

void HandleTrayIconMessage(HWND hwnd, LPARAM lParam) {
    switch (lParam) {
    case WM_LBUTTONDOWN:
        SetForegroundWindow(hwnd);
        ToggleWindowVisible(hwnd);
        break;
    case WM_LBUTTONDBLCLK:
        // A double click toggles twice, as two single clicks would.
        PostMessageA(hwnd, TrayCallbackMessage, 0, WM_LBUTTONDOWN);
        break;
    case WM_RBUTTONDOWN:
        SetForegroundWindow(hwnd);
        GetCursorPos(&gApp.PointerPos);
        ShowContextMenu(hwnd, gApp.PointerPos);
        break;
    }
}
