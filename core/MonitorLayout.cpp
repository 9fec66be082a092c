#include "core/MonitorLayout.h"

#include <string.h>

#include "core/Clamp.h"

// Positions from a hand-edited system.ini can be anything; this far out
// every window is off every monitor, and the arithmetic below stays in
// 64 bits.
enum { FarCoordinate = 1 << 24 };

typedef long long Wide;

static Wide Min(Wide a, Wide b) { return a < b ? a : b; }
static Wide Max(Wide a, Wide b) { return a > b ? a : b; }

static int Empty(const Rect32& r) {
    return r.Right <= r.Left || r.Bottom <= r.Top;
}

static int Inside(const Rect32& inner, const Rect32& outer) {
    return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right &&
           inner.Bottom <= outer.Bottom;
}

// The rectangle of a window, its position brought within FarCoordinate.
struct Box {
    Wide Left, Top, Right, Bottom;
};

static Box BoxOf(int left, int top, int width, int height) {
    Box b;
    b.Left = ClampInt(left, -FarCoordinate, FarCoordinate);
    b.Top = ClampInt(top, -FarCoordinate, FarCoordinate);
    b.Right = b.Left + Max(width, 0);
    b.Bottom = b.Top + Max(height, 0);
    return b;
}

static Box BoxOf(const Rect32& r) {
    return BoxOf(r.Left, r.Top, (int)Min((Wide)r.Right - r.Left, FarCoordinate),
                 (int)Min((Wide)r.Bottom - r.Top, FarCoordinate));
}

// How far the box overlaps the area across and down (0 or less: not at all).
static Wide OverlapX(const Box& b, const Rect32& a) { return Min(b.Right, a.Right) - Max(b.Left, a.Left); }
static Wide OverlapY(const Box& b, const Rect32& a) { return Min(b.Bottom, a.Bottom) - Max(b.Top, a.Top); }

// The gap between the box and the area along one axis, 0 where they overlap.
static Wide Gap(Wide lo, Wide hi, Wide areaLo, Wide areaHi) {
    return hi < areaLo ? areaLo - hi : lo > areaHi ? lo - areaHi : 0;
}

void ClearMonitorLayout(MonitorLayout* m) {
    memset(m, 0, sizeof(*m));
    m->SystemDpi = StandardDpi;
}

int AddMonitor(MonitorLayout* m, Rect32 area, Rect32 work, int dpi, int primary) {
    if (m->Count >= MonitorCapacity || Empty(area))
        return 0;
    if (Empty(work) || !Inside(work, area))
        work = area;
    int at = primary ? 0 : m->Count;
    for (int i = m->Count; i > at; i--) {
        m->Area[i] = m->Area[i - 1];
        m->Work[i] = m->Work[i - 1];
        m->Dpi[i] = m->Dpi[i - 1];
    }
    m->Area[at] = area;
    m->Work[at] = work;
    m->Dpi[at] = dpi > 0 ? dpi : m->SystemDpi;
    Rect32& v = m->Virtual;
    if (m->Count == 0) {
        v = area;
    } else {
        v.Left = area.Left < v.Left ? area.Left : v.Left;
        v.Top = area.Top < v.Top ? area.Top : v.Top;
        v.Right = area.Right > v.Right ? area.Right : v.Right;
        v.Bottom = area.Bottom > v.Bottom ? area.Bottom : v.Bottom;
    }
    m->Count++;
    return 1;
}

int PointOnMonitor(const MonitorLayout* m, int x, int y) {
    for (int i = 0; i < m->Count; i++) {
        const Rect32& a = m->Area[i];
        if (x >= a.Left && x < a.Right && y >= a.Top && y < a.Bottom)
            return i;
    }
    return -1;
}

static int MonitorOfBox(const MonitorLayout* m, const Box& b) {
    int best = -1;
    Wide bestOverlap = 0;
    for (int i = 0; i < m->Count; i++) {
        Wide w = OverlapX(b, m->Area[i]), h = OverlapY(b, m->Area[i]);
        if (w > 0 && h > 0 && w * h > bestOverlap) {
            best = i;
            bestOverlap = w * h;
        }
    }
    if (best >= 0)
        return best;
    Wide bestDistance = 0;
    for (int i = 0; i < m->Count; i++) {
        const Rect32& a = m->Area[i];
        Wide dx = Gap(b.Left, b.Right, a.Left, a.Right), dy = Gap(b.Top, b.Bottom, a.Top, a.Bottom);
        if (best < 0 || dx * dx + dy * dy < bestDistance) {
            best = i;
            bestDistance = dx * dx + dy * dy;
        }
    }
    return best;
}

int MonitorOfRect(const MonitorLayout* m, const Rect32* r) {
    return MonitorOfBox(m, BoxOf(*r));
}

int MonitorPieces(const MonitorLayout* m, const Rect32* area, Rect32* pieces) {
    int n = 0;
    for (int i = 0; i < m->Count; i++) {
        const Rect32& a = m->Area[i];
        Rect32 p = {area->Left > a.Left ? area->Left : a.Left, area->Top > a.Top ? area->Top : a.Top,
                    area->Right < a.Right ? area->Right : a.Right,
                    area->Bottom < a.Bottom ? area->Bottom : a.Bottom};
        if (!Empty(p))
            pieces[n++] = p;
    }
    return n;
}

static int Reachable(const MonitorLayout* m, const Box& b) {
    // A window narrower than the corner has to show whole, but at least a pixel.
    Wide needX = Max(Min(b.Right - b.Left, VisibleCorner), 1);
    Wide needY = Max(Min(b.Bottom - b.Top, VisibleCorner), 1);
    for (int i = 0; i < m->Count; i++)
        if (OverlapX(b, m->Area[i]) >= needX && OverlapY(b, m->Area[i]) >= needY)
            return 1;
    return 0;
}

int WindowReachable(const MonitorLayout* m, int left, int top, int width, int height) {
    return Reachable(m, BoxOf(left, top, width, height));
}

// Moves [lo, lo + extent) as little as it takes into [areaLo, areaHi), the
// extent shrunk to fit first.
static void FitAxis(Wide lo, Wide extent, int areaLo, int areaHi, int32_t* outLo, int32_t* outHi) {
    extent = Min(extent, (Wide)areaHi - areaLo);
    lo = Max(Min(lo, areaHi - extent), areaLo);
    *outLo = (int32_t)lo;
    *outHi = (int32_t)(lo + extent);
}

Rect32 RescueWindowRect(const MonitorLayout* m, int left, int top, int width, int height) {
    Box b = BoxOf(left, top, width, height);
    Rect32 r;
    if (m->Count == 0 || Reachable(m, b)) {
        r.Left = left;
        r.Top = top;
        r.Right = (int32_t)Min((Wide)left + Max(width, 0), 0x7FFFFFFF);
        r.Bottom = (int32_t)Min((Wide)top + Max(height, 0), 0x7FFFFFFF);
        return r;
    }
    const Rect32& work = m->Work[MonitorOfBox(m, b)];
    FitAxis(b.Left, b.Right - b.Left, work.Left, work.Right, &r.Left, &r.Right);
    FitAxis(b.Top, b.Bottom - b.Top, work.Top, work.Bottom, &r.Top, &r.Bottom);
    return r;
}

// The start of an extent centred in [areaLo, areaHi), never before areaLo.
static int32_t CentreAxis(int areaLo, int areaHi, int extent) {
    Wide lo = areaLo + ((Wide)areaHi - areaLo - extent) / 2;
    return (int32_t)Max(lo, areaLo);
}

int CentreOnWorkArea(const MonitorLayout* m, const Rect32* owner, int width, int height, Rect32* out) {
    int i = MonitorOfRect(m, owner);
    if (i < 0)
        return 0;
    const Rect32& work = m->Work[i];
    width = ClampInt(width, 0, FarCoordinate);
    height = ClampInt(height, 0, FarCoordinate);
    out->Left = CentreAxis(work.Left, work.Right, width);
    out->Top = CentreAxis(work.Top, work.Bottom, height);
    out->Right = out->Left + width;
    out->Bottom = out->Top + height;
    return 1;
}

int DpiAt(const MonitorLayout* m, int x, int y) {
    int i = PointOnMonitor(m, x, y);
    return i >= 0 ? m->Dpi[i] : m->SystemDpi;
}

int ScaleForDpi(int value, int fromDpi, int toDpi) {
    if (fromDpi <= 0 || toDpi <= 0 || fromDpi == toDpi)
        return value;
    Wide v = (Wide)value * toDpi;
    v = v >= 0 ? (v + fromDpi / 2) / fromDpi : -((-v + fromDpi / 2) / fromDpi);
    return (int)Max(Min(v, FarCoordinate), -FarCoordinate);
}
