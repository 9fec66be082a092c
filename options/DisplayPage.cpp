#include "options/DisplayPage.h"

#include <commctrl.h>

#include "options/PageControls.h"
#include "options/SheetFrame.h"
#include "options/TokenMenu.h"
#include "platform/AppState.h"
#include "res/resource.h"

static void ShowSample(HWND page) {
    char format[TextFieldSize];
    ReadFormatBox(page, IDC_DISP_FORMAT, format);
    ShowFormatSample(page, IDC_DISP_FORMAT_SAMPLE, format);
}

static void Display_OnInitDialog(HWND page) {
    CenterSheetOnce(page);
    LoadFlagBoxes(page, DisplayFlagBoxes, DisplayFlagBoxCount, &gSettings);
    ApplyEnableRules(page, DisplayEnableRules, DisplayEnableRuleCount);
    for (int i = 0; i < CursorModeCount; i++)
        SendDlgItemMessageA(page, IDC_DISP_CURSOR_MODE, CB_ADDSTRING, 0, (LPARAM)CursorModeNames[i]);
    SendDlgItemMessageA(page, IDC_DISP_CURSOR_MODE, CB_SETCURSEL, (WPARAM)gSettings.CursorMode, 0);
    InitNumberField(page, FieldHistorySizeX, gSettings.HistorySizeX);
    InitNumberField(page, FieldHistorySizeY, gSettings.HistorySizeY);
    SendDlgItemMessageA(page, IDC_DISP_FORMAT, EM_LIMITTEXT, TextFieldSize - 1, 0);
    SetDlgItemTextA(page, IDC_DISP_FORMAT, gSettings.DispInfoUserFormat);
    ShowSample(page);
    InitNumberField(page, FieldTimerInterval, gSettings.TimerInterval);
}

static INT_PTR Display_OnCommand(HWND page, int id, int code) {
    switch (id) {
    case IDC_DISP_ZOOM_IMAGE:
    case IDC_DISP_INFO:
        ApplyEnableRules(page, DisplayEnableRules, DisplayEnableRuleCount);
        return TRUE;
    case IDC_DISP_FORMAT_MENU:
        return ShowTokenMenu(page, IDC_DISP_FORMAT_MENU, IDC_DISP_FORMAT);
    case IDC_DISP_FORMAT:
        if (code != EN_CHANGE)
            return FALSE;
        ShowSample(page);
        return TRUE;
    }
    return NoteNumberFieldChange(page, id, code);
}

static void Display_OnApply(HWND page) {
    StoreFlagBoxes(page, DisplayFlagBoxes, DisplayFlagBoxCount, &gSettings);
    gSettings.CursorMode = (int)SendDlgItemMessageA(page, IDC_DISP_CURSOR_MODE, CB_GETCURSEL, 0, 0);
    gSettings.HistorySizeX = ReadNumberField(page, FieldHistorySizeX);
    gSettings.HistorySizeY = ReadNumberField(page, FieldHistorySizeY);
    ReadFormatBox(page, IDC_DISP_FORMAT, gSettings.DispInfoUserFormat);
    gSettings.TimerInterval = ReadNumberField(page, FieldTimerInterval);
    FinishDisplaySettings(&gSettings);
}

INT_PTR CALLBACK DisplayPageProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        Display_OnInitDialog(page);
        return TRUE;
    case WM_COMMAND:
        return Display_OnCommand(page, LOWORD(wParam), HIWORD(wParam));
    case WM_NOTIFY:
        switch (PageNotifyCode(lParam)) {
        case PSN_SETACTIVE:
            NotePageShown(PageDisplay);
            return FALSE;
        case PSN_APPLY:
            Display_OnApply(page);
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}
