// What the pages of the options sheet share with its frame: their indices,
// centring, the sheet's callback and the page notifications.
#pragma once

#include <windows.h>

// The index of each page, as EndDispoption stores the page last shown.
enum OptionsPageIndex {
    PageDisplay = 0,
    PageWindow = 1,
    PageCopyKeys = 2,
    PageOther = 3,
};

// Moves window to the middle of the work area of the monitor that holds
// the main window (its top-left corner inside that work area when it is
// larger), sized width x height when both are above 0, else keeping its
// size. False, leaving it in place, when no monitor is known or the
// window's rectangle cannot be read; otherwise the result of the move.
bool CenterInWorkArea(HWND window, int width, int height);

// Every page calls this first at WM_INITDIALOG: the first page made in an
// opening centres the sheet, the later ones leave it where it is.
void CenterSheetOnce(HWND page);

// The sheet's callback: gives the frame the pages' font before it is made,
// and once it is, drops the caption's help button and arms the centring.
int CALLBACK SheetFrameCallback(HWND sheet, UINT msg, LPARAM lParam);

// The sheet's code for a page notification (PSN_...), from WM_NOTIFY's lParam.
UINT PageNotifyCode(LPARAM lParam);

// PSN_SETACTIVE: the page becomes the one the sheet opens on next time.
void NotePageShown(int index);
