// The options property sheet.
#pragma once

#include <windows.h>

// Runs the modal sheet owned by window; true when it was confirmed.
bool ShowOptionsSheet(HWND window);
