#include "app/MainWndRules.h"

#include "core/CommandIds.h"
#include "core/SampleSize.h"
#include "core/Zoom.h"

int FramelessHitTest(int x, int y, int w, int h) {
    if (x >= w - 16 && y >= h - 16 && x < w && y < h)
        return HitBottomRight;
    if (x >= 0 && x < 8 && y >= 0 && y < 8)
        return HitTopLeft;
    if (x >= w - 8 && x < w && y >= 0 && y < 8)
        return HitTopRight;
    if (x >= 0) {
        if (y >= h - 8 && x < 8 && y < h)
            return HitBottomLeft;
        if (y >= 0 && y < 4 && x < w)
            return HitTop;
        if (y >= h - 4 && y < h && x < w)
            return HitBottom;
        if (x < 4 && y >= 0 && y < h)
            return HitLeft;
    }
    if (x >= w - 4 && x < w && y >= 0 && y < h)
        return HitRight;
    return HitClient;
}

int ViewTimerTick(int* elapsed, int interval, int mouseMoveRedraw) {
    *elapsed += ViewTimerPeriod;
    if (*elapsed >= interval) {
        *elapsed = 0;
        return TickRedraw;
    }
    return mouseMoveRedraw == 1 ? TickCheckPointer : TickIdle;
}

int WheelZoom(int zoom, int delta) {
    int stepped = StepZoom(zoom, delta > 0 ? 1 : -1);
    return stepped == zoom ? 0 : stepped;
}

int WheelSampleSize(int size, int delta) {
    int stepped = StepSampleSize(size, delta > 0 ? 1 : -1);
    return stepped == size ? 0 : stepped;
}

enum { KeyLeft = 0x25, KeyUp = 0x26, KeyRight = 0x27, KeyDown = 0x28 };

int ArrowKeyMove(int virtualKey, int ctrlDown, int* x, int* y) {
    int step = ctrlDown ? 10 : 1;
    switch (virtualKey) {
    case KeyLeft:
        *x -= step;
        return 1;
    case KeyUp:
        *y -= step;
        return 1;
    case KeyRight:
        *x += step;
        return 1;
    case KeyDown:
        *y += step;
        return 1;
    }
    return 0;
}
