// The monitors of the desktop: where each one lies in screen coordinates
// (negative left of and above the primary), its work area and its scale,
// as the system reported them at start-up or at the last display change.
// The rules that keep the view's source, the main window and the dialogs
// on real monitors work on this record alone. Everything is in the
// screen's own pixels: a monitor's scale never changes a size here, it
// only says how large the system draws its pointer there.
#pragma once

#include "core/Rect32.h"

enum {
    MonitorCapacity = 16,  // monitors beyond these are left out: their pixels show black
    StandardDpi = 96,      // a scale of 100 %
    VisibleCorner = 32,    // the main window is reachable while this much of it shows on a monitor
};

struct MonitorLayout {
    int Count;                     // monitors in the arrays, the primary first
    Rect32 Virtual;                // the rectangle around all of them
    Rect32 Area[MonitorCapacity];  // each monitor's whole screen
    Rect32 Work[MonitorCapacity];  // its area without the task bar and docked bars
    int Dpi[MonitorCapacity];      // its scale, StandardDpi at 100 %
    int SystemDpi;                 // the scale the system's metrics (the pointer's size) are given for
};

// No monitor, an empty virtual screen, the standard scale.
void ClearMonitorLayout(MonitorLayout* m);

// Adds a monitor: the primary at the front, any other after those there.
// A work area that does not lie inside the area counts as the whole area,
// a scale of 0 or less as the system's. Virtual grows to hold the area.
// 0, leaving the layout as it was, when it is full or the area is empty.
int AddMonitor(MonitorLayout* m, Rect32 area, Rect32 work, int dpi, int primary);

// The monitor that holds the point, -1 when none does (the corners that
// monitors of different sizes leave empty, or beyond them all).
int PointOnMonitor(const MonitorLayout* m, int x, int y);

// The monitor a rectangle belongs to: the one it overlaps most, else the
// nearest one (the primary when several are as near); -1 without monitors.
int MonitorOfRect(const MonitorLayout* m, const Rect32* r);

// The parts of area that lie on each monitor, at most MonitorCapacity of
// them; the count. What lies outside them all belongs to no monitor.
int MonitorPieces(const MonitorLayout* m, const Rect32* area, Rect32* pieces);

// 1 when a window at left, top of width x height shows at least a corner
// of VisibleCorner x VisibleCorner (all of it when it is smaller) on one
// monitor, so that it can be seen and dragged. 0 without monitors.
int WindowReachable(const MonitorLayout* m, int left, int top, int width, int height);

// Where such a window goes: left as it is when it is reachable (or there
// are no monitors), else moved whole onto the work area of the monitor it
// belongs to, as little as it takes, its size kept or shrunk to that
// work area.
Rect32 RescueWindowRect(const MonitorLayout* m, int left, int top, int width, int height);

// Where a window of width x height goes to be centred on the work area of
// the monitor that holds the owner rectangle; its top-left corner stays
// inside the work area when it is larger. 0 without monitors.
int CentreOnWorkArea(const MonitorLayout* m, const Rect32* owner, int width, int height, Rect32* out);

// The scale of the monitor at the point; the system's off every monitor.
int DpiAt(const MonitorLayout* m, int x, int y);

// A size the system gives for fromDpi as it is at toDpi, rounded to the
// nearest pixel.
int ScaleForDpi(int value, int fromDpi, int toDpi);
