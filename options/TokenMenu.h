// The "+" menu beside a format box: every token and escape of the template
// language, inserted into the box at the caret.
#pragma once

#include <windows.h>

// Drops the token menu down under button and puts the chosen token in
// place of edit's selection (undoably; the edit reports its change as if
// typed), then gives edit the focus. Dismissing the menu changes nothing.
// The menus are built for this click and destroyed before the insertion.
// Always TRUE.
BOOL ShowTokenMenu(HWND dialog, int buttonId, int editId);
