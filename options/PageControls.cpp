#include "options/PageControls.h"

#include <commctrl.h>

#include "core/Clamp.h"
#include "options/CopyKeysRules.h"
#include "platform/AppState.h"
#include "template/Template.h"
#include "view/SamplePoint.h"

namespace {

// The last valid number of each field while its page is open.
int gFieldValues[NumberFieldCount];

}  // namespace

int IsBoxTicked(HWND page, int control) {
    return IsDlgButtonChecked(page, control) == BST_CHECKED ? 1 : 0;
}

void TickBox(HWND page, int control, int tick) {
    CheckDlgButton(page, control, tick ? BST_CHECKED : BST_UNCHECKED);
}

void LoadFlagBoxes(HWND page, const FlagBox* boxes, int count, const Settings* s) {
    for (int i = 0; i < count; i++)
        TickBox(page, boxes[i].Control, s->*boxes[i].Field == 1);
}

void StoreFlagBoxes(HWND page, const FlagBox* boxes, int count, Settings* s) {
    for (int i = 0; i < count; i++)
        s->*boxes[i].Field = IsBoxTicked(page, boxes[i].Control);
}

void EnableControls(HWND page, int first, int last, int enable) {
    for (int id = first; id <= last; id++)
        EnableWindow(GetDlgItem(page, id), enable ? TRUE : FALSE);
}

void ApplyEnableRules(HWND page, const EnableRule* rules, int count) {
    for (int i = 0; i < count; i++)
        EnableControls(page, rules[i].First, rules[i].Last, IsBoxTicked(page, rules[i].Switch));
}

void InitNumberField(HWND page, int field, int value) {
    const NumberField& f = NumberFields[field];
    gFieldValues[field] = ClampInt(value, f.Min, f.Max);
    if (f.MaxChars > 0)
        SendDlgItemMessageA(page, f.Edit, EM_LIMITTEXT, (WPARAM)f.MaxChars, 0);
    SendDlgItemMessageA(page, f.UpDown, UDM_SETRANGE32, (WPARAM)f.Min, (LPARAM)f.Max);
    SendDlgItemMessageA(page, f.UpDown, UDM_SETPOS32, 0, (LPARAM)gFieldValues[field]);
}

int ReadNumberField(HWND page, int field) {
    const NumberField& f = NumberFields[field];
    char text[16] = "";
    // A longer text is no number of the range anyway; cut, it fails the parse.
    if (GetDlgItemTextA(page, f.Edit, text, sizeof(text)) >= (int)sizeof(text) - 1)
        return gFieldValues[field];
    int value;
    if (ParseFieldNumber(text, f.Min, f.Max, &value))
        gFieldValues[field] = value;
    return gFieldValues[field];
}

void SetNumberField(HWND page, int field, int value) {
    SendDlgItemMessageA(page, NumberFields[field].UpDown, UDM_SETPOS32, 0, (LPARAM)value);
}

INT_PTR NoteNumberFieldChange(HWND page, int id, int code) {
    if (code != EN_CHANGE)
        return FALSE;
    for (int i = 0; i < NumberFieldCount; i++) {
        if (NumberFields[i].Edit == id) {
            ReadNumberField(page, i);
            return TRUE;
        }
    }
    return FALSE;
}

void ReadFormatBox(HWND page, int edit, char* format) {
    ReadWindowText(GetDlgItem(page, edit), format, TextFieldSize - 1);
}

void ShowFormatSample(HWND page, int sample, const char* format) {
    char text[CopyKeyTextCapacity];
    ExpandTemplate(text, format, CopyKeyTextCapacity, &gApp.CapturePointInfo);
    SetDlgItemTextA(page, sample, text);
}
