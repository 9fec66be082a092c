#include "options/CopyKeyEditor.h"

#include <commctrl.h>
#include <stdio.h>

#include "copykey/Hotkey.h"
#include "copykey/KeyBindings.h"
#include "copykey/KeyCombo.h"
#include "core/Clamp.h"
#include "options/CopyKeysRules.h"
#include "options/PageControls.h"
#include "options/SheetFrame.h"
#include "options/TokenMenu.h"
#include "platform/AppState.h"
#include "platform/PopupMenu.h"
#include "res/resource.h"

namespace {

// The editor's input while it runs.
CopyKeyEditorInput gEditor;

// A key row of the editor: its modifier boxes (Win 0 for the shortcut,
// which has none), its hot-key control, its clear button and its red
// "重複" label.
struct KeyRow {
    int Shift, Ctrl, Alt, Win;
    int Field;
    int Clear;
    int Taken;
};
const KeyRow kShortcutRow = {IDC_KEY_SHORTCUT_SHIFT, IDC_KEY_SHORTCUT_CTRL, IDC_KEY_SHORTCUT_ALT, 0,
                             IDC_KEY_SHORTCUT, IDC_KEY_SHORTCUT_CLEAR, IDC_KEY_SHORTCUT_TAKEN};
const KeyRow kHotkeyRow = {IDC_KEY_HOTKEY_SHIFT, IDC_KEY_HOTKEY_CTRL, IDC_KEY_HOTKEY_ALT, IDC_KEY_HOTKEY_WIN,
                           IDC_KEY_HOTKEY, IDC_KEY_HOTKEY_CLEAR, IDC_KEY_HOTKEY_TAKEN};

// The keys a hot-key control refuses or the dialog takes, which a key
// field accepts as keys; the last three its right-click menu offers. The
// characters they type (all but Delete's) have the same codes.
const int kFieldKeys[] = {VK_BACK, VK_SPACE, VK_DELETE, VK_TAB, VK_RETURN, VK_ESCAPE};
const char* const kFieldMenuItems[] = {"Tabキー", "Enterキー", "Escキー"};
const int kFieldMenuFirstKey = 3;

const char kOldProcProperty[] = "OldWindowProc";

}  // namespace

static void ShowControl(HWND dialog, int id, int show) {
    ShowWindow(GetDlgItem(dialog, id), show ? SW_SHOW : SW_HIDE);
}

// Exactly one part of the form is enabled: the text part for a text key,
// the image part for any other.
static void EnableFormParts(HWND dialog) {
    int text = gEditor.Key->Kind == CopyKindText;
    EnableControls(dialog, IDC_KEY_FORMAT_LABEL, IDC_KEY_SAMPLE, text);
    EnableControls(dialog, IDC_KEY_SIZE_LABEL, IDC_KEY_GRADIENT, !text);
    EnableControls(dialog, IDC_KEY_GRADIENT_LABEL, IDC_KEY_GRADIENT_LABEL, !text);
}

// The row's key: the control's virtual key with the modifiers of the
// boxes (the control's own are always none).
static int ReadKeyRow(HWND dialog, const KeyRow& row) {
    int key = (int)SendDlgItemMessageA(dialog, row.Field, HKM_GETHOTKEY, 0, 0) & 0xFF;
    int mods = (IsBoxTicked(dialog, row.Shift) ? HOTKEYF_SHIFT : 0) |
               (IsBoxTicked(dialog, row.Ctrl) ? HOTKEYF_CONTROL : 0) | (IsBoxTicked(dialog, row.Alt) ? HOTKEYF_ALT : 0);
    return ComposeKeyCombo(key | mods << 8, row.Win ? IsBoxTicked(dialog, row.Win) : 0);
}

static void LoadKeyRow(HWND dialog, const KeyRow& row, int combo) {
    TickBox(dialog, row.Shift, combo & KeyModShift);
    TickBox(dialog, row.Ctrl, combo & KeyModCtrl);
    TickBox(dialog, row.Alt, combo & KeyModAlt);
    if (row.Win)
        TickBox(dialog, row.Win, combo & KeyModWin);
    SendDlgItemMessageA(dialog, row.Field, HKM_SETHOTKEY, (WPARAM)KeyComboKey(combo), 0);
}

// Registers the hotkey for a moment under the editor's own identifier:
// "重複" while another program (or the system) holds it. The program's
// own hotkeys are released while the sheet is open.
static void TestHotkey(HWND dialog) {
    int free = RegisterCopyKeyHotkey(gApp.MainWindow, gEditor.Key->Hotkey, HotkeyTestId);
    if (free)
        UnregisterCopyKeyHotkey(gApp.MainWindow, HotkeyTestId);
    ShowControl(dialog, IDC_KEY_HOTKEY_TAKEN, !free);
}

static void ReadShortcut(HWND dialog) {
    gEditor.Key->ShortcutKey = ReadKeyRow(dialog, kShortcutRow);
    ShowControl(dialog, IDC_KEY_SHORTCUT_TAKEN,
                ShortcutClashes(gEditor.Keys, gEditor.Index, gEditor.Key->ShortcutKey));
}

static void ReadHotkey(HWND dialog) {
    gEditor.Key->Hotkey = ReadKeyRow(dialog, kHotkeyRow);
    if (gEditor.Key->Hotkey == 0)
        ShowControl(dialog, IDC_KEY_HOTKEY_TAKEN, 0);
    else
        TestHotkey(dialog);
}

static void PrepareKeyField(HWND dialog, int id) {
    HWND field = GetDlgItem(dialog, id);
    // Every modifier combination, the bare key too, becomes the bare key:
    // the modifiers come from the boxes.
    SendMessageA(field, HKM_SETRULES, 0xFF, MAKELPARAM(0, 0));
    SetPropA(field, kOldProcProperty, (HANDLE)GetWindowLongPtrA(field, GWLP_WNDPROC));
    SetWindowLongPtrA(field, GWLP_WNDPROC, (LONG_PTR)KeyFieldProc);
}

static void Editor_OnInitDialog(HWND dialog, const CopyKeyEditorInput* input) {
    gEditor = *input;
    const CopyKey* key = gEditor.Key;
    CenterInWorkArea(dialog, -1, -1);
    char caption[64];
    snprintf(caption, sizeof(caption), "取得キー情報の変更 [%d]", gEditor.Index);
    SetWindowTextA(dialog, caption);
    SendDlgItemMessageA(dialog, IDC_KEY_FORMAT, EM_LIMITTEXT, TextFieldSize - 1, 0);
    for (int i = 0; i < GradientChoiceCount; i++)
        SendDlgItemMessageA(dialog, IDC_KEY_GRADIENT, CB_INSERTSTRING, (WPARAM)i, (LPARAM)GradientChoiceNames[i]);
    CheckRadioButton(dialog, IDC_KEY_TEXT, IDC_KEY_IMAGE, key->Kind == CopyKindText ? IDC_KEY_TEXT : IDC_KEY_IMAGE);
    EnableFormParts(dialog);
    SetDlgItemTextA(dialog, IDC_KEY_FORMAT, key->Format);
    ShowFormatSample(dialog, IDC_KEY_SAMPLE, key->Format);
    InitNumberField(dialog, FieldImageWidth, key->Width);
    InitNumberField(dialog, FieldImageHeight, key->Height);
    TickBox(dialog, IDC_KEY_INVERT, key->Invert == 1);
    SendDlgItemMessageA(dialog, IDC_KEY_GRADIENT, CB_SETCURSEL, (WPARAM)key->Gradient, 0);
    PrepareKeyField(dialog, IDC_KEY_SHORTCUT);
    PrepareKeyField(dialog, IDC_KEY_HOTKEY);
    LoadKeyRow(dialog, kShortcutRow, key->ShortcutKey);
    ShowControl(dialog, IDC_KEY_SHORTCUT_TAKEN, ShortcutClashes(gEditor.Keys, gEditor.Index, key->ShortcutKey));
    LoadKeyRow(dialog, kHotkeyRow, key->Hotkey);
    if (key->Hotkey > 0)
        TestHotkey(dialog);
}

// Width and height count only at OK; typed text that is no size of 1 to
// 999 is brought into that range.
static int ReadImageSize(HWND dialog, int field) {
    const NumberField& f = NumberFields[field];
    char text[32] = "";
    GetDlgItemTextA(dialog, f.Edit, text, sizeof(text));
    return BoundTypedNumber(text, f.Min, f.Max);
}

static INT_PTR Editor_OnCommand(HWND dialog, int id, int code) {
    CopyKey* key = gEditor.Key;
    switch (id) {
    case IDOK:
        key->Width = ReadImageSize(dialog, FieldImageWidth);
        key->Height = ReadImageSize(dialog, FieldImageHeight);
        EndDialog(dialog, IDOK);
        return TRUE;
    case IDCANCEL:
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    case IDC_KEY_TEXT:
    case IDC_KEY_IMAGE:
        key->Kind = id == IDC_KEY_TEXT ? CopyKindText : CopyKindImage;
        EnableFormParts(dialog);
        return TRUE;
    case IDC_KEY_FORMAT_MENU:
        return ShowTokenMenu(dialog, IDC_KEY_FORMAT_MENU, IDC_KEY_FORMAT);
    case IDC_KEY_FORMAT:
        if (code != EN_CHANGE)
            return FALSE;
        ReadFormatBox(dialog, IDC_KEY_FORMAT, key->Format);
        ShowFormatSample(dialog, IDC_KEY_SAMPLE, key->Format);
        return TRUE;
    case IDC_KEY_INVERT:
        key->Invert = IsBoxTicked(dialog, IDC_KEY_INVERT);
        return TRUE;
    case IDC_KEY_GRADIENT: {
        int chosen = (int)SendDlgItemMessageA(dialog, IDC_KEY_GRADIENT, CB_GETCURSEL, 0, 0);
        key->Gradient = ClampInt(chosen, 0, GradientChoiceCount - 1);
        return TRUE;
    }
    case IDC_KEY_SHORTCUT_CLEAR:
        LoadKeyRow(dialog, kShortcutRow, 0);
        [[fallthrough]];
    case IDC_KEY_SHORTCUT_SHIFT:
    case IDC_KEY_SHORTCUT_CTRL:
    case IDC_KEY_SHORTCUT_ALT:
    case IDC_KEY_SHORTCUT:
        ReadShortcut(dialog);
        return TRUE;
    case IDC_KEY_HOTKEY_CLEAR:
        LoadKeyRow(dialog, kHotkeyRow, 0);
        [[fallthrough]];
    case IDC_KEY_HOTKEY_SHIFT:
    case IDC_KEY_HOTKEY_CTRL:
    case IDC_KEY_HOTKEY_ALT:
    case IDC_KEY_HOTKEY_WIN:
    case IDC_KEY_HOTKEY:
        ReadHotkey(dialog);
        return TRUE;
    }
    return FALSE;
}

// The two "重複" labels in red on the dialog's own background.
static INT_PTR Editor_OnColorStatic(HWND dialog, HDC dc, HWND label) {
    if (label != GetDlgItem(dialog, IDC_KEY_SHORTCUT_TAKEN) && label != GetDlgItem(dialog, IDC_KEY_HOTKEY_TAKEN))
        return FALSE;
    SetTextColor(dc, RGB(255, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    return (INT_PTR)GetStockObject(HOLLOW_BRUSH);
}

INT_PTR CALLBACK CopyKeyEditorProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        Editor_OnInitDialog(dialog, (const CopyKeyEditorInput*)lParam);
        return TRUE;
    case WM_COMMAND:
        return Editor_OnCommand(dialog, LOWORD(wParam), HIWORD(wParam));
    case WM_CTLCOLORSTATIC:
        return Editor_OnColorStatic(dialog, (HDC)wParam, (HWND)lParam);
    }
    return FALSE;
}

INT_PTR RunCopyKeyEditor(HWND owner, const CopyKeyEditorInput* input) {
    return DialogBoxParamA(gApp.Instance, MAKEINTRESOURCEA(IDD_COPYKEY_EDITOR), owner, CopyKeyEditorProc,
                           (LPARAM)input);
}

// The field's key becomes vk with no modifiers, and the editor hears of it
// as of any change of the field.
static void ChooseFieldKey(HWND field, int vk) {
    SendMessageA(field, HKM_SETHOTKEY, (WPARAM)vk, 0);
    PostMessageA(GetParent(field), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(field), 0), 0);
}

// The right-click menu at the pointer: the chosen key, 0 for none.
static int ChooseKeyFromMenu(HWND field) {
    HMENU menu = CreatePopupMenu();
    if (!menu)
        return 0;
    for (int i = 0; i < (int)(sizeof(kFieldMenuItems) / sizeof(kFieldMenuItems[0])); i++)
        AppendMenuA(menu, MF_STRING, (UINT_PTR)(i + 1), kFieldMenuItems[i]);
    POINT pt;
    GetCursorPos(&pt);
    int chosen = TrackMenuChoice(field, menu, pt);
    return chosen > 0 ? kFieldKeys[kFieldMenuFirstKey + chosen - 1] : 0;
}

LRESULT CALLBACK KeyFieldProc(HWND field, UINT msg, WPARAM wParam, LPARAM lParam) {
    WNDPROC own = (WNDPROC)GetPropA(field, kOldProcProperty);
    switch (msg) {
    case WM_KEYDOWN:
        for (int vk : kFieldKeys) {
            if ((int)wParam == vk) {
                ChooseFieldKey(field, vk);
                return 0;
            }
        }
        break;
    case WM_CHAR:
        // The character that follows such a key would reach the control
        // as one more key press (Wine's takes it so), which clears it.
        for (int vk : kFieldKeys)
            if ((int)wParam == vk && vk != VK_DELETE)
                return 0;
        break;
    case WM_CONTEXTMENU: {
        int vk = ChooseKeyFromMenu(field);
        if (vk)
            ChooseFieldKey(field, vk);
        return 0;
    }
    case WM_DESTROY:
        // The control's own procedure again, which then frees what it holds.
        SetWindowLongPtrA(field, GWLP_WNDPROC, (LONG_PTR)own);
        RemovePropA(field, kOldProcProperty);
        break;
    }
    return CallWindowProcA(own, field, msg, wParam, lParam);
}
