// Desktops of monitors made up for a test, in place of the system's.
#pragma once

#include <initializer_list>

#include "core/MonitorLayout.h"

// A monitor's area, its work area (the area when empty), its scale (the
// system's when 0) and whether it is the primary.
struct MadeUpMonitor {
    Rect32 Area, Work;
    int Dpi, Primary;
};

// The monitors added in the order given.
inline MonitorLayout MadeUpMonitors(std::initializer_list<MadeUpMonitor> monitors) {
    MonitorLayout m;
    ClearMonitorLayout(&m);
    for (const MadeUpMonitor& a : monitors)
        AddMonitor(&m, a.Area, a.Work, a.Dpi, a.Primary);
    return m;
}
