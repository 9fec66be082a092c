// The options property sheet: the page table and running the sheet.
#pragma once

#include <windows.h>

// Registers the common controls the pages use; once, at start-up.
void InitOptionsControls();

// Runs the modal sheet owned by the main window, opening on the page last
// shown, and redraws the view afterwards. True when the sheet ran, closed
// with OK or Cancel; false when a page or the sheet could not be made.
bool ShowOptionsSheet(HWND owner);
