#include "app/MainWnd.h"

#include "app/Commands.h"
#include "app/ContextMenu.h"
#include "app/MainWndRules.h"
#include "app/TrayIcon.h"
#include "platform/AppState.h"
#include "platform/WindowOpacity.h"
#include "res/resource.h"
#include "settings/SettingsFile.h"
#include "view/BackBuffer.h"
#include "view/RedrawView.h"

// Sent from Windows 8.1 on; the headers name it only for newer targets.
#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

static_assert(HitClient == HTCLIENT && HitLeft == HTLEFT && HitRight == HTRIGHT &&
                  HitTop == HTTOP && HitTopLeft == HTTOPLEFT && HitTopRight == HTTOPRIGHT &&
                  HitBottom == HTBOTTOM && HitBottomLeft == HTBOTTOMLEFT &&
                  HitBottomRight == HTBOTTOMRIGHT,
              "hit-test codes are the system's");

static LRESULT CALLBACK MainWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

ATOM RegisterMainWindowClass(HINSTANCE instance) {
    WNDCLASSEXA wc;
    ZeroMemory(&wc, sizeof(wc));
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = MainWndProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_MIRABO));
    wc.hIconSm = (HICON)LoadImageA(instance, MAKEINTRESOURCEA(IDI_MIRABO), IMAGE_ICON,
                                   GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0);
    wc.hCursor = LoadCursorA(nullptr, (LPCSTR)IDC_ARROW);
    wc.hbrBackground = (HBRUSH)GetStockObject(NULL_BRUSH);
    wc.lpszClassName = MainWindowClass;
    return RegisterClassExA(&wc);
}

// A hand-edited size far beyond every screen would make a window, and a
// back buffer, of gigabytes; no view needs more than the whole desktop.
static int LimitExtent(int v, int desktop) {
    if (desktop < MinTrackWidth)
        desktop = MinTrackWidth;
    return v > desktop ? desktop : v;
}

HWND CreateMainWindow(HINSTANCE instance) {
    const MonitorLayout& m = gApp.Monitors;
    Settings& s = gSettings;
    s.Width = LimitExtent(s.Width, m.Virtual.Right - m.Virtual.Left);
    s.Height = LimitExtent(s.Height, m.Virtual.Bottom - m.Virtual.Top);
    // Saved on a monitor that is gone: onto one that is there, and that
    // place is what system.ini keeps.
    Rect32 r = RescueWindowRect(&m, s.Left, s.Top, s.Width, s.Height);
    s.Left = r.Left, s.Top = r.Top, s.Width = r.Right - r.Left, s.Height = r.Bottom - r.Top;
    return CreateWindowExA(WS_EX_TOOLWINDOW, MainWindowClass, MainWindowTitle, WS_POPUP,
                           s.Left, s.Top, s.Width, s.Height, nullptr, nullptr, instance, nullptr);
}

static LRESULT MainWnd_OnCreate(HWND hwnd) {
    gApp.LastPointerPos.x = -1;
    gApp.LastPointerPos.y = -1;
    AddTrayIcon(hwnd);
    ScreenDC();
    CreateBackBuffer(hwnd);
    RedrawView(hwnd);
    SetTimer(hwnd, ViewTimerId, ViewTimerPeriod, nullptr);
    if (gSettings.WindowAlpha == 1)
        SetWindowOpacity(hwnd, gSettings.Opacity, 1);
    if (gApp.WindowVisible == 1)
        ShowWindow(hwnd, SW_SHOW);
    return 0;
}

static void MainWnd_OnDestroy(HWND hwnd) {
    KillTimer(hwnd, ViewTimerId);
    WriteSettingsFile(hwnd);
    ReleaseScreenDC();
    DestroyBackBuffer();
    RemoveTrayIcon(hwnd);
    PostQuitMessage(0);
}

static void MainWnd_OnSize(HWND hwnd, LPARAM lParam) {
    gSettings.Width = LOWORD(lParam);
    gSettings.Height = HIWORD(lParam);
    ResizeBackBuffer(hwnd);
    RedrawView(hwnd);
}

static void MainWnd_OnGetMinMaxInfo(LPARAM lParam) {
    MINMAXINFO* info = (MINMAXINFO*)lParam;
    if (!info)
        return;
    info->ptMinTrackSize.x = MinTrackWidth;
    info->ptMinTrackSize.y = MinTrackHeight;
}

// Painting only copies the back buffer; all drawing happens in RedrawView.
// 0 when there is none (the default procedure then validates the window).
static int MainWnd_OnPaint(HWND hwnd) {
    if (!gApp.BackBufferDC)
        return 0;
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
           ps.rcPaint.bottom - ps.rcPaint.top, gApp.BackBufferDC, ps.rcPaint.left, ps.rcPaint.top,
           SRCCOPY);
    EndPaint(hwnd, &ps);
    return 1;
}

// No question is asked; the settings are saved as the window goes, also
// when Windows ends the session.
static void MainWnd_OnClose(HWND hwnd) {
    DestroyWindow(hwnd);
}

// The window has no frame: its edges and corners resize it.
static LRESULT MainWnd_OnNcHitTest(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    POINT pt;
    GetCursorPos(&pt);
    ScreenToClient(hwnd, &pt);
    LRESULT hit = DefWindowProcA(hwnd, WM_NCHITTEST, wParam, lParam);
    if (hit != HTCLIENT)
        return hit;
    return FramelessHitTest(pt.x, pt.y, gSettings.Width, gSettings.Height);
}

// Dragging the client area moves the window as its caption would.
static void MainWnd_OnLButtonDown(HWND hwnd, LPARAM lParam) {
    PostMessageA(hwnd, WM_NCLBUTTONDOWN, HTCAPTION, lParam);
}

static void MainWnd_OnLButtonDblClk(HWND hwnd) {
    if (gSettings.DoubleClickMin == 1) {
        gApp.WindowVisible = 0;
        ShowWindow(hwnd, SW_HIDE);
    } else {
        PostMessageA(hwnd, WM_CLOSE, 0, 0);
    }
}

static void MainWnd_OnRButtonDown(HWND hwnd, LPARAM lParam) {
    POINT pt = {(short)LOWORD(lParam), (short)HIWORD(lParam)};
    ClientToScreen(hwnd, &pt);
    ShowContextMenu(hwnd, pt);
}

// The menu key and Shift+F10 open the menu at the window's corner.
static void MainWnd_OnContextMenu(HWND hwnd) {
    RECT rc;
    GetWindowRect(hwnd, &rc);
    POINT pt = {rc.left, rc.top};
    ShowContextMenu(hwnd, pt);
}

static void MainWnd_OnMButtonDown(HWND hwnd) {
    PostMessageA(hwnd, WM_COMMAND, CmdOptions, 0);
}

// One step per message, whatever the distance: of the zoom, or with Shift
// of the sampled square's size.
static LRESULT MainWnd_OnMouseWheel(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    int delta = (short)HIWORD(wParam);
    int shift = (LOWORD(wParam) & MK_SHIFT) != 0;
    int* setting = shift ? &gSettings.SampleSize : &gSettings.Zoom;
    int stepped = shift ? WheelSampleSize(*setting, delta) : WheelZoom(*setting, delta);
    if (stepped == 0)
        return DefWindowProcA(hwnd, WM_MOUSEWHEEL, wParam, lParam);
    *setting = stepped;
    RedrawView(hwnd);
    return 0;
}

// The view follows the moved pointer at the next tick.
static void MainWnd_OnKeyDown(WPARAM wParam) {
    GetCursorPos(&gApp.PointerPos);
    int x = gApp.PointerPos.x;
    int y = gApp.PointerPos.y;
    int ctrl = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
    if (ArrowKeyMove((int)wParam, ctrl, &x, &y))
        SetCursorPos(x, y);
}

static void MainWnd_OnTimer(HWND hwnd, WPARAM id) {
    if (gApp.WindowVisible == 0 || id != ViewTimerId)
        return;
    int action = ViewTimerTick(&gApp.RedrawElapsed, gSettings.TimerInterval,
                               gSettings.MouseMoveRedraw);
    if (action == TickRedraw) {
        RefreshView(hwnd);
    } else if (action == TickCheckPointer) {
        GetCursorPos(&gApp.PointerPos);
        if (gApp.PointerPos.x != gApp.LastPointerPos.x ||
            gApp.PointerPos.y != gApp.LastPointerPos.y)
            RedrawViewAt(hwnd, gApp.PointerPos);
        gApp.LastPointerPos = gApp.PointerPos;
    }
}

// A window left where no monitor shows it (its monitor went, or shrank)
// moves onto the nearest one; one that still shows stays where it is.
static void KeepWindowReachable(HWND hwnd) {
    RECT rc;
    if (!GetWindowRect(hwnd, &rc))
        return;
    Rect32 r = RescueWindowRect(&gApp.Monitors, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
    if (r.Left == rc.left && r.Top == rc.top && r.Right == rc.right && r.Bottom == rc.bottom)
        return;
    SetWindowPos(hwnd, nullptr, r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    gSettings.Left = r.Left;
    gSettings.Top = r.Top;
}

// Monitors came, went or changed: the renderer keeps its copy inside the
// new desktop and reads it through a display context of the new mode.
static LRESULT MainWnd_OnDisplayChange(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    RefreshMonitors();
    ReleaseScreenDC();
    ScreenDC();
    KeepWindowReachable(hwnd);
    return DefWindowProcA(hwnd, WM_DISPLAYCHANGE, wParam, lParam);
}

// A task bar moved or resized changes a work area, where dialogs centre
// and a rescued window goes.
static LRESULT MainWnd_OnSettingChange(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    if (wParam == SPI_SETWORKAREA) {
        RefreshMonitors();
        KeepWindowReachable(hwnd);
    }
    return DefWindowProcA(hwnd, WM_SETTINGCHANGE, wParam, lParam);
}

static LRESULT CALLBACK MainWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE:
        return MainWnd_OnCreate(hwnd);
    case WM_DESTROY:
        MainWnd_OnDestroy(hwnd);
        return 0;
    case WM_CLOSE:
        MainWnd_OnClose(hwnd);
        return 0;
    case WM_QUERYENDSESSION:
        MainWnd_OnClose(hwnd);
        return 1;
    case WM_ENDSESSION:
        // Ended without being asked first (a forced log-off): the settings
        // are saved all the same.
        if (wParam)
            MainWnd_OnClose(hwnd);
        return 0;
    case WM_SIZE:
        MainWnd_OnSize(hwnd, lParam);
        return 0;
    case WM_GETMINMAXINFO:
        MainWnd_OnGetMinMaxInfo(lParam);
        return 0;
    case WM_ERASEBKGND:
        return 1;  // the back buffer covers the whole client area
    case WM_PAINT:
        if (MainWnd_OnPaint(hwnd))
            return 0;
        break;
    case WM_NCHITTEST:
        return MainWnd_OnNcHitTest(hwnd, wParam, lParam);
    case WM_LBUTTONDOWN:
        MainWnd_OnLButtonDown(hwnd, lParam);
        return 0;
    case WM_LBUTTONDBLCLK:
        MainWnd_OnLButtonDblClk(hwnd);
        return 0;
    case WM_RBUTTONDOWN:
        MainWnd_OnRButtonDown(hwnd, lParam);
        return 0;
    case WM_CONTEXTMENU:
        MainWnd_OnContextMenu(hwnd);
        return 0;
    case WM_MBUTTONDOWN:
        MainWnd_OnMButtonDown(hwnd);
        return 0;
    case WM_MOUSEWHEEL:
        return MainWnd_OnMouseWheel(hwnd, wParam, lParam);
    case WM_MOUSEMOVE:
        return 0;
    case WM_KEYDOWN:
        MainWnd_OnKeyDown(wParam);
        return 0;
    case WM_TIMER:
        MainWnd_OnTimer(hwnd, wParam);
        return 0;
    case WM_DISPLAYCHANGE:
        return MainWnd_OnDisplayChange(hwnd, wParam, lParam);
    case WM_SETTINGCHANGE:
        return MainWnd_OnSettingChange(hwnd, wParam, lParam);
    case WM_DPICHANGED:
        // The view works in the screen's own pixels (the manifest declares
        // per-monitor awareness): on a monitor of another scale the window
        // keeps its pixel size and place, not the rescaled suggestion. The
        // scale changed, or the window came onto a monitor of another one:
        // the monitors' scales are read again (the arrow mark's size).
        RefreshMonitors();
        return 0;
    case WM_COMMAND:
        HandleCommand(hwnd, wParam, lParam);
        return 0;
    case WM_HOTKEY:
        HandleHotkey(hwnd, (int)wParam);
        return 0;
    case TrayCallbackMessage:
        HandleTrayIconMessage(hwnd, lParam);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}
