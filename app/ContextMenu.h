// The main context menu: zoom levels, the sampled square's size, view
// toggles, always on top, translucency, options and exit.
#pragma once

#include <windows.h>

// Opens the menu with its top-left corner at pt (screen coordinates) and
// runs the chosen command. 1 when an item was chosen.
int ShowContextMenu(HWND window, POINT pt);

// The menu as it stands for the current settings, with its submenus; null
// when it cannot be built. Destroying it destroys the submenus too.
HMENU CreateContextMenu();
