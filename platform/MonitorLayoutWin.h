// Reading the desktop's monitors from the system into a MonitorLayout.
#pragma once

#include "core/MonitorLayout.h"

// Every monitor's area and work area (GetMonitorInfo), its scale where
// the system can tell one (Windows 8.1 on, else the system's for all),
// and the virtual screen (SM_*VIRTUALSCREEN). A system that knows no
// monitors gets the primary screen and its work area as the only one.
// Asks the window system a dozen times: read at start-up and when the
// display changes, never per redraw.
void ReadMonitorLayout(MonitorLayout* out);
