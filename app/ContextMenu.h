// The main context menu: zoom levels, view toggles, always on top,
// translucency, options and exit.
#pragma once

#include <windows.h>

// Opens the menu with its top-left corner at pt (screen coordinates) and
// runs the chosen command. 1 when an item was chosen.
int ShowContextMenu(HWND window, POINT pt);
