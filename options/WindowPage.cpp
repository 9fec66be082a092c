#include "options/WindowPage.h"

#include <commctrl.h>
#include <commdlg.h>

#include "core/CommandIds.h"
#include "core/Translucency.h"
#include "options/PageControls.h"
#include "options/SheetFrame.h"
#include "platform/AppState.h"
#include "platform/WindowOpacity.h"
#include "res/resource.h"

static_assert(sizeof(COLORREF) == sizeof(ColorRef), "the colour dialog edits CustomColor in place");

namespace {

// The page's working values, from its WM_INITDIALOG to OK or Cancel. Only
// the translucency preview reaches the main window before OK.
struct WindowPageWork {
    int StartWindowTop;  // the tick of "always on top" when the page opened
    int WorkWindowAlpha;
    int WorkOpacity;
    ColorRef WorkBackColor;
    HBRUSH SwatchBrush;  // paints the swatch in WorkBackColor
};

WindowPageWork gWork;

}  // namespace

static void PreviewOpacity(int percent) {
    SetWindowOpacity(gApp.MainWindow, percent, 1);
}

static void DeleteSwatchBrush() {
    if (gWork.SwatchBrush)
        DeleteObject(gWork.SwatchBrush);
    gWork.SwatchBrush = nullptr;
}

static void Window_OnInitDialog(HWND page) {
    CenterSheetOnce(page);
    gWork.WorkOpacity = gSettings.Opacity;
    gWork.WorkBackColor = gSettings.BackColor;
    gWork.WorkWindowAlpha = gSettings.WindowAlpha;
    gWork.StartWindowTop = gSettings.WindowTop == 1 ? 1 : 0;
    TickBox(page, IDC_WIN_TOP, gWork.StartWindowTop);
    if (TranslucencyAvailable(gApp.OsVersionCode)) {
        TickBox(page, IDC_WIN_ALPHA, gSettings.WindowAlpha == 1);
        SendDlgItemMessageA(page, IDC_WIN_OPACITY_SLIDER, TBM_SETRANGE, TRUE, MAKELPARAM(OpacityMin, OpacityMax));
        SendDlgItemMessageA(page, IDC_WIN_OPACITY_SLIDER, TBM_SETPOS, TRUE, (LPARAM)gWork.WorkOpacity);
    } else {
        EnableWindow(GetDlgItem(page, IDC_WIN_ALPHA), FALSE);
    }
    // Also without layered windows: OK then keeps the live Opacity.
    InitNumberField(page, FieldOpacity, gWork.WorkOpacity);
    CheckDlgButton(page, gSettings.BackColorMode == 0 ? IDC_WIN_BACK_FIXED : IDC_WIN_BACK_MOUSE, BST_CHECKED);
    ApplyEnableRules(page, WindowEnableRules, WindowEnableRuleCount);
    gWork.SwatchBrush = CreateSolidBrush(gSettings.BackColor);
    InitNumberField(page, FieldFrameWidth, gSettings.FrameWidth);
}

// The colour dialog edits the sixteen custom colours of the settings
// themselves: they stay whichever button closes the sheet.
static void ChooseBackColor(HWND page) {
    CHOOSECOLORA cc = {};
    cc.lStructSize = sizeof(cc);
    cc.hwndOwner = page;
    cc.rgbResult = gWork.WorkBackColor;
    cc.lpCustColors = (COLORREF*)gSettings.CustomColor;
    cc.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!ChooseColorA(&cc))
        return;
    gWork.WorkBackColor = cc.rgbResult;
    HBRUSH brush = CreateSolidBrush(cc.rgbResult);
    if (brush) {
        DeleteSwatchBrush();
        gWork.SwatchBrush = brush;
    }
    InvalidateRect(GetDlgItem(page, IDC_WIN_BACK_SWATCH), nullptr, FALSE);
}

static INT_PTR Window_OnCommand(HWND page, int id, int code) {
    switch (id) {
    case IDC_WIN_ALPHA:
        TranslucencyFromBox(IsBoxTicked(page, IDC_WIN_ALPHA), ReadNumberField(page, FieldOpacity),
                            &gWork.WorkWindowAlpha, &gWork.WorkOpacity);
        ApplyEnableRules(page, WindowEnableRules, WindowEnableRuleCount);
        PreviewOpacity(gWork.WorkOpacity);
        return TRUE;
    case IDC_WIN_OPACITY:
        if (!IsBoxTicked(page, IDC_WIN_ALPHA))
            return FALSE;
        if (code != EN_CHANGE)
            return TRUE;
        gWork.WorkOpacity = ReadNumberField(page, FieldOpacity);
        SendDlgItemMessageA(page, IDC_WIN_OPACITY_SLIDER, TBM_SETPOS, TRUE, (LPARAM)gWork.WorkOpacity);
        PreviewOpacity(gWork.WorkOpacity);
        return TRUE;
    case IDC_WIN_BACK_FIXED:
    case IDC_WIN_BACK_MOUSE:
        ApplyEnableRules(page, WindowEnableRules, WindowEnableRuleCount);
        return TRUE;
    case IDC_WIN_BACK_CHANGE:
        ChooseBackColor(page);
        return TRUE;
    }
    return NoteNumberFieldChange(page, id, code);
}

// The slider moved: the edit follows it, and its change previews.
static INT_PTR Window_OnHScroll(HWND page) {
    if (!IsBoxTicked(page, IDC_WIN_ALPHA))
        return FALSE;
    int t = (int)SendDlgItemMessageA(page, IDC_WIN_OPACITY_SLIDER, TBM_GETPOS, 0, 0);
    gWork.WorkOpacity = ReadNumberField(page, FieldOpacity);
    if (t != gWork.WorkOpacity) {
        SetNumberField(page, FieldOpacity, t);
        PreviewOpacity(t);
    }
    return TRUE;
}

static void Window_OnApply(HWND page) {
    // The main window's own toggle sets WindowTop and the topmost state.
    if (IsBoxTicked(page, IDC_WIN_TOP) != gWork.StartWindowTop)
        PostMessageA(gApp.MainWindow, WM_COMMAND, CmdAlwaysOnTop, 0);
    gSettings.WindowAlpha = IsBoxTicked(page, IDC_WIN_ALPHA);
    // Kept also while translucency is off, for the next time it is on.
    gSettings.Opacity = ReadNumberField(page, FieldOpacity);
    if (gSettings.WindowAlpha == 1)
        SetWindowOpacity(gApp.MainWindow, gSettings.Opacity, 1);
    else
        SetWindowOpacity(gApp.MainWindow, OpacityMax, 0);
    gSettings.BackColorMode = IsBoxTicked(page, IDC_WIN_BACK_FIXED) ? 0 : 1;
    gSettings.BackColor = gWork.WorkBackColor;
    RecomputeDerivedColors(&gSettings);
    gSettings.FrameWidth = ReadNumberField(page, FieldFrameWidth);
    DeleteSwatchBrush();
}

// Cancel: the live translucency again, whatever the preview showed.
static void Window_OnReset() {
    SetWindowOpacity(gApp.MainWindow, gSettings.WindowAlpha == 1 ? gSettings.Opacity : OpacityMax,
                     gSettings.WindowAlpha);
    DeleteSwatchBrush();
}

INT_PTR CALLBACK WindowPageProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        Window_OnInitDialog(page);
        return TRUE;
    case WM_COMMAND:
        return Window_OnCommand(page, LOWORD(wParam), HIWORD(wParam));
    case WM_HSCROLL:
        if ((HWND)lParam != GetDlgItem(page, IDC_WIN_OPACITY_SLIDER))
            return FALSE;
        return Window_OnHScroll(page);
    case WM_CTLCOLORSTATIC:
        if ((HWND)lParam != GetDlgItem(page, IDC_WIN_BACK_SWATCH))
            return FALSE;
        return (INT_PTR)gWork.SwatchBrush;
    case WM_NOTIFY:
        switch (PageNotifyCode(lParam)) {
        case PSN_SETACTIVE:
            NotePageShown(PageWindow);
            return FALSE;
        case PSN_APPLY:
            Window_OnApply(page);
            return TRUE;
        case PSN_RESET:
            Window_OnReset();
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}
