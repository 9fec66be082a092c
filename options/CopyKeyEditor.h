// The capture-key editor: one text or image key's form, template with its
// sample, image size and options, shortcut key and hotkey.
#pragma once

#include <windows.h>

#include "core/CopyKeyList.h"

// What the editor works on: the key, edited in place (the caller keeps it
// only after OK), its row, and the list it stands in, against whose other
// shortcuts the editor marks a shortcut as taken.
struct CopyKeyEditorInput {
    CopyKey* Key;
    int Index;
    CopyKeyList* Keys;
};

// Runs the editor modally, owned by owner: IDOK or IDCANCEL (also for Esc
// and the close box).
INT_PTR RunCopyKeyEditor(HWND owner, const CopyKeyEditorInput* input);

INT_PTR CALLBACK CopyKeyEditorProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

// The subclass of the editor's two hot-key controls: Backspace, Tab,
// Enter, Esc, Space and Delete become the field's key instead of being
// refused, and a right click offers Tab, Enter and Esc, which the dialog
// would otherwise take for itself.
LRESULT CALLBACK KeyFieldProc(HWND field, UINT msg, WPARAM wParam, LPARAM lParam);
