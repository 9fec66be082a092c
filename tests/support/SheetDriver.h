// Driving the running program's options sheet from the test process: the
// sheet, its pages and their controls through the window messages a user's
// clicks and keys would cause.
#pragma once

#include <windows.h>

#include <string>

#include "WineHarness.h"

// Posts the Options command to the program and waits for its sheet.
HWND OpenOptionsSheet(const MiraboProcess& p, DWORD timeoutMs = 10000);

// The program's window of the given class and caption once it is visible;
// null after timeoutMs.
HWND WaitForWindowOf(const MiraboProcess& p, const char* className, const char* caption,
                     DWORD timeoutMs = 10000);

// Switches the sheet to the page at position (as a click on its tab) and
// returns that page; CurrentPage returns the page shown.
HWND ShowPage(HWND sheet, int position);
HWND CurrentPage(HWND sheet);

// Presses OK (PSBTN_OK) or Cancel (PSBTN_CANCEL) and waits for the sheet
// to close. False when it stayed.
bool CloseSheet(HWND sheet, int button);

// A click on a button, a check box or a radio button (Post for one that
// opens something modal, so that the call does not wait for it).
void Click(HWND page, int id);
void PostClick(HWND page, int id);
bool Ticked(HWND page, int id);
bool Enabled(HWND page, int id);

// The control's text, and text put into it as a paste would (an edit
// reports the change).
std::string TextOf(HWND page, int id);
void SetText(HWND page, int id, const std::string& text);

// A list view of the program: its rows, the selected row (-1 for none),
// a row's cells joined by "|", a row selected as a click would, and the
// row's place on the screen. The messages that carry structures get them
// in the program's memory.
int ListRows(HWND list);
int ListSelection(HWND list);
std::string ListRow(HWND list, int row, int columns = 4);
void SelectListRow(HWND list, int row);
RECT ListRowRect(HWND list, int row);

// The value of "Key=" in a system.ini text; "(none)" when it has no such line.
std::string IniValue(const std::string& ini, const std::string& key);
