// Window translucency: the main window's command and the options sheet's
// live preview both go through here.
#pragma once

#include <windows.h>

// Makes the window translucent at percent (0 to 100) or, at 100 without
// force, plainly opaque again. 1 when the translucency was set or removed.
int SetWindowOpacity(HWND hwnd, int percent, int force);
