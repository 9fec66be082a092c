#include "app/MainWnd.h"

#include "app/AppState.h"
#include "app/Commands.h"
#include "settings/SettingsFile.h"
#include "view/RedrawView.h"

const char MainWindowClass[] = "MiraboMainFrame";
const char MainWindowTitle[] = "Mirabo";

ATOM RegisterMainWindowClass(HINSTANCE instance) {
    WNDCLASSEXA wc;
    ZeroMemory(&wc, sizeof(wc));
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = MainWndProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IconResourceId));
    wc.hIconSm = (HICON)LoadImageA(instance, MAKEINTRESOURCEA(IconResourceId), IMAGE_ICON,
                                   GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0);
    wc.hCursor = LoadCursorA(nullptr, (LPCSTR)IDC_ARROW);
    wc.hbrBackground = (HBRUSH)GetStockObject(NULL_BRUSH);
    wc.lpszClassName = MainWindowClass;
    return RegisterClassExA(&wc);
}

HWND CreateMainWindow(HINSTANCE instance) {
    return CreateWindowExA(WS_EX_TOOLWINDOW, MainWindowClass, MainWindowTitle, WS_POPUP,
                           gSettings.Left, gSettings.Top, gSettings.Width, gSettings.Height,
                           nullptr, nullptr, instance, nullptr);
}

int CreateBackBuffer(HWND hwnd) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    HDC dc = GetDC(hwnd);
    gApp.BackBufferBitmap = CreateCompatibleBitmap(dc, rc.right - rc.left, rc.bottom - rc.top);
    gApp.ReplacedBitmap = (HBITMAP)SelectObject(gApp.BackBufferDC, gApp.BackBufferBitmap);
    ReleaseDC(hwnd, dc);
    return 1;
}

void ReleaseBackBuffer() {
    if (!gApp.BackBufferDC)
        return;
    HGDIOBJ old = SelectObject(gApp.BackBufferDC, gApp.ReplacedBitmap);
    if (old)
        DeleteObject(old);
    gApp.BackBufferBitmap = nullptr;
}

int SetWindowOpacity(HWND hwnd, int percent, int force) {
    (void)hwnd;
    (void)percent;
    (void)force;
    return 0;
}

static LRESULT MainWnd_OnCreate(HWND hwnd) {
    gApp.LastPointerPos.x = -1;
    gApp.LastPointerPos.y = -1;
    gApp.ScreenDC = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
    HDC dc = GetDC(hwnd);
    gApp.BackBufferDC = CreateCompatibleDC(dc);
    ReleaseDC(hwnd, dc);
    CreateBackBuffer(hwnd);
    SetStretchBltMode(gApp.BackBufferDC, gSettings.HalfTone == 1 ? HALFTONE : COLORONCOLOR);
    RedrawView(hwnd);
    if (gApp.WindowVisible == 1)
        ShowWindow(hwnd, SW_SHOW);
    return 0;
}

static void MainWnd_OnDestroy(HWND hwnd) {
    WriteSettingsFile(hwnd);
    if (gApp.ScreenDC) {
        DeleteDC(gApp.ScreenDC);
        gApp.ScreenDC = nullptr;
    }
    ReleaseBackBuffer();
    if (gApp.BackBufferDC) {
        DeleteDC(gApp.BackBufferDC);
        gApp.BackBufferDC = nullptr;
    }
    PostQuitMessage(0);
}

static void MainWnd_OnSize(HWND hwnd, LPARAM lParam) {
    gSettings.Width = LOWORD(lParam);
    gSettings.Height = HIWORD(lParam);
    ReleaseBackBuffer();
    CreateBackBuffer(hwnd);
    RedrawView(hwnd);
}

// Painting only copies the back buffer; all drawing happens in RedrawView.
static void MainWnd_OnPaint(HWND hwnd) {
    if (!gApp.BackBufferDC)
        return;
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
           ps.rcPaint.bottom - ps.rcPaint.top, gApp.BackBufferDC, ps.rcPaint.left, ps.rcPaint.top,
           SRCCOPY);
    EndPaint(hwnd, &ps);
}

LRESULT CALLBACK MainWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE:
        return MainWnd_OnCreate(hwnd);
    case WM_DESTROY:
        MainWnd_OnDestroy(hwnd);
        return 0;
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_QUERYENDSESSION:
        DestroyWindow(hwnd);
        return 1;
    case WM_SIZE:
        MainWnd_OnSize(hwnd, lParam);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        if (!gApp.BackBufferDC)
            break;
        MainWnd_OnPaint(hwnd);
        return 0;
    case WM_COMMAND:
        HandleCommand(hwnd, wParam, lParam);
        return 0;
    case WM_HOTKEY:
        HandleHotkey(hwnd, (int)wParam);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}
