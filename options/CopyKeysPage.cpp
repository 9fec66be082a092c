#include "options/CopyKeysPage.h"

#include <commctrl.h>

#include "copykey/CaptureMenuLabel.h"
#include "copykey/KeyName.h"
#include "options/CopyKeyEditor.h"
#include "options/CopyKeysRules.h"
#include "options/SheetFrame.h"
#include "platform/AppState.h"
#include "res/resource.h"

namespace {

// The page's working copy of the capture keys, from its WM_INITDIALOG to
// OK or Cancel; row i of the list always shows record i. The edited key is
// the editor's, kept only when it ends with OK.
struct CopyKeysPageWork {
    CopyKeyList WorkCopyKeys;
    int Complete;  // the copy holds every key: only then may OK replace the live list
    CopyKey EditedCopyKey;
    int EditedIndex;
};

CopyKeysPageWork gPage;

const int kKindColumnWidth = 74;
const char* const kColumnTitles[] = {"取得形式", "取得情報サンプル", "ショートカットキー", "ホットキー"};
enum { ColumnCount = 4 };

}  // namespace

static HWND KeyList(HWND page) {
    return GetDlgItem(page, IDC_KEYS_LIST);
}

static int SelectedRow(HWND page) {
    return (int)SendMessageA(KeyList(page), LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED);
}

static void SelectRow(HWND page, int row) {
    LVITEMA item = {};
    item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(KeyList(page), LVM_SETITEMSTATE, (WPARAM)row, (LPARAM)&item);
    SendMessageA(KeyList(page), LVM_ENSUREVISIBLE, (WPARAM)row, FALSE);
}

static void SetCellText(HWND list, int row, int column, const char* text) {
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = (char*)text;
    SendMessageA(list, LVM_SETITEMTEXTA, (WPARAM)row, (LPARAM)&item);
}

// Writes the four texts of row; a new row is inserted first.
static void SetRowTexts(HWND page, int row, const CopyKey& key, bool insert) {
    HWND list = KeyList(page);
    if (insert) {
        LVITEMA item = {};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = (char*)"";
        SendMessageA(list, LVM_INSERTITEMA, 0, (LPARAM)&item);
    }
    char text[CopyKeyTextCapacity];
    SetCellText(list, row, 0, CopyKindLabel(key.Kind));
    FormatCopyKeySample(&key, &gApp.CapturePointInfo, text);
    SetCellText(list, row, 1, text);
    FormatKeyName(key.ShortcutKey, text);
    SetCellText(list, row, 2, text);
    FormatKeyName(key.Hotkey, text);
    SetCellText(list, row, 3, text);
}

// The buttons as the selection and the working list allow; all greyed
// when the working copy could not be made.
static void ShowButtons(HWND page) {
    CopyKeyButtons b = CopyKeyButtonStates(&gPage.WorkCopyKeys, SelectedRow(page));
    if (!gPage.Complete)
        b = CopyKeyButtons{};
    const struct { int Id, Enable; } buttons[] = {
        {IDC_KEYS_ADD, b.Add}, {IDC_KEYS_EDIT, b.Edit}, {IDC_KEYS_SEPARATOR, b.Separator},
        {IDC_KEYS_DELETE, b.Delete}, {IDC_KEYS_UP, b.Up}, {IDC_KEYS_DOWN, b.Down},
    };
    for (const auto& button : buttons)
        EnableWindow(GetDlgItem(page, button.Id), button.Enable ? TRUE : FALSE);
}

// The kind column at its width; the other three share what is left beside
// a vertical scroll bar.
static void InsertColumns(HWND page) {
    HWND list = KeyList(page);
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    RECT rc;
    GetWindowRect(list, &rc);
    int shared = ((rc.right - rc.left) - 2 * GetSystemMetrics(SM_CXEDGE) - GetSystemMetrics(SM_CXVSCROLL) -
                  kKindColumnWidth) / 3;
    for (int i = 0; i < ColumnCount; i++) {
        LVCOLUMNA column = {};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        column.fmt = LVCFMT_LEFT;
        column.cx = i == 0 ? kKindColumnWidth : shared;
        column.pszText = (char*)kColumnTitles[i];
        column.iSubItem = i;
        SendMessageA(list, LVM_INSERTCOLUMNA, (WPARAM)i, (LPARAM)&column);
    }
}

static void Keys_OnInitDialog(HWND page) {
    CenterSheetOnce(page);
    InsertColumns(page);
    ClearCopyKeys(&gPage.WorkCopyKeys);
    gPage.Complete = 1;
    RecountCopyKeys(&gSettings, &gCopyKeys);
    // Drawn once when all rows are in (row by row, a long list takes long).
    SendMessageA(KeyList(page), WM_SETREDRAW, FALSE, 0);
    for (int i = 0; i < gSettings.CopyKeyCount; i++) {
        CopyKey key;
        if (!GetCopyKey(&gCopyKeys, i, &key) || !InsertCopyKey(&gPage.WorkCopyKeys, i, &key)) {
            // Without the whole list OK must not replace the live one.
            ClearCopyKeys(&gPage.WorkCopyKeys);
            SendMessageA(KeyList(page), LVM_DELETEALLITEMS, 0, 0);
            gPage.Complete = 0;
            break;
        }
        SetRowTexts(page, i, key, true);
    }
    SendMessageA(KeyList(page), WM_SETREDRAW, TRUE, 0);
    if (gPage.Complete && gSettings.CopyKeyCount > 0)
        SelectRow(page, 0);
    ShowButtons(page);
}

static void Keys_OnInsert(HWND page, int kind) {
    int row = InsertNewCopyKey(&gPage.WorkCopyKeys, SelectedRow(page), kind);
    CopyKey key;
    if (row == NoRow || !GetCopyKey(&gPage.WorkCopyKeys, row, &key))
        return;
    SetRowTexts(page, row, key, true);
    SelectRow(page, row);
    ShowButtons(page);
}

static void Keys_OnEdit(HWND page) {
    int row = SelectedRow(page);
    if (row == NoRow)
        return;
    gPage.EditedIndex = row;
    if (!GetCopyKey(&gPage.WorkCopyKeys, row, &gPage.EditedCopyKey)) {
        MessageBoxA(page, "システムエラー：アイテム情報を取得できません。", "Mirabo", MB_OK);
        return;
    }
    // A separator has nothing to edit.
    if (gPage.EditedCopyKey.Kind == CopyKindSeparator)
        return;
    CopyKeyEditorInput input = {&gPage.EditedCopyKey, row, &gPage.WorkCopyKeys};
    if (RunCopyKeyEditor(page, &input) == IDOK) {
        const int edited = CopyFieldKind | CopyFieldFormat | CopyFieldWidth | CopyFieldHeight | CopyFieldInvert |
                           CopyFieldGradient | CopyFieldShortcutKey | CopyFieldHotkey;
        SetCopyKeyFields(&gPage.WorkCopyKeys, row, edited, &gPage.EditedCopyKey);
        SetRowTexts(page, row, gPage.EditedCopyKey, false);
    }
    SetFocus(KeyList(page));
}

// The buttons grey for a moment while the selection moves, and a greyed
// button loses the keyboard focus for good: the pressed button takes it
// back, or the list when the button stays greyed (the last row after
// 下へ), so that the keyboard goes on working.
static void KeepFocusAfter(HWND page, int button) {
    HWND pressed = GetDlgItem(page, button);
    HWND target = IsWindowEnabled(pressed) ? pressed : KeyList(page);
    SendMessageA(GetParent(page), WM_NEXTDLGCTL, (WPARAM)target, TRUE);
}

static void Keys_OnDelete(HWND page) {
    int row = SelectedRow(page);
    CopyKey key;
    if (!GetCopyKey(&gPage.WorkCopyKeys, row, &key))
        return;
    int next = DeleteCopyKey(&gPage.WorkCopyKeys, row);
    SendMessageA(KeyList(page), LVM_DELETEITEM, (WPARAM)row, 0);
    if (next != NoRow)
        SelectRow(page, next);
    ShowButtons(page);
}

// The two rows that changed places are written anew.
static void Keys_OnMove(HWND page, int up) {
    int row = SelectedRow(page);
    int moved = MoveCopyKeyStep(&gPage.WorkCopyKeys, row, up);
    if (moved == NoRow)
        return;
    CopyKey key;
    if (GetCopyKey(&gPage.WorkCopyKeys, row, &key))
        SetRowTexts(page, row, key, false);
    if (GetCopyKey(&gPage.WorkCopyKeys, moved, &key))
        SetRowTexts(page, moved, key, false);
    SelectRow(page, moved);
    ShowButtons(page);
}

static INT_PTR Keys_OnCommand(HWND page, int id) {
    switch (id) {
    case IDC_KEYS_ADD:
        Keys_OnInsert(page, CopyKindText);
        return TRUE;
    case IDC_KEYS_SEPARATOR:
        Keys_OnInsert(page, CopyKindSeparator);
        return TRUE;
    case IDC_KEYS_EDIT:
        Keys_OnEdit(page);
        return TRUE;
    case IDC_KEYS_DELETE:
        Keys_OnDelete(page);
        KeepFocusAfter(page, id);
        return TRUE;
    case IDC_KEYS_UP:
    case IDC_KEYS_DOWN:
        Keys_OnMove(page, id == IDC_KEYS_UP);
        KeepFocusAfter(page, id);
        return TRUE;
    }
    return FALSE;
}

static INT_PTR Keys_OnNotify(HWND page, const NMHDR* hdr) {
    if (hdr->idFrom == IDC_KEYS_LIST) {
        const NMLISTVIEW* change = (const NMLISTVIEW*)hdr;
        switch (hdr->code) {
        case LVN_ITEMCHANGED:
            // Only a change of the selection counts (each new row reports
            // a change as well).
            if (!(change->uChanged & LVIF_STATE) || !((change->uNewState ^ change->uOldState) & LVIS_SELECTED))
                return FALSE;
            ShowButtons(page);
            return FALSE;
        case NM_CLICK:
        case NM_RCLICK:
            ShowButtons(page);
            return FALSE;
        case NM_DBLCLK:
            Keys_OnEdit(page);
            return FALSE;
        }
        return FALSE;
    }
    switch (hdr->code) {
    case PSN_SETACTIVE:
        NotePageShown(PageCopyKeys);
        return FALSE;
    case PSN_APPLY:
        if (gPage.Complete)
            CommitCopyKeys(&gCopyKeys, &gPage.WorkCopyKeys, &gSettings);
        ClearCopyKeys(&gPage.WorkCopyKeys);
        return TRUE;
    case PSN_RESET:
        ClearCopyKeys(&gPage.WorkCopyKeys);
        return TRUE;
    }
    return FALSE;
}

INT_PTR CALLBACK CopyKeysPageProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        Keys_OnInitDialog(page);
        return TRUE;
    case WM_COMMAND:
        return Keys_OnCommand(page, LOWORD(wParam));
    case WM_NOTIFY:
        return Keys_OnNotify(page, (const NMHDR*)lParam);
    }
    return FALSE;
}
