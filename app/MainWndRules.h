// The decisions of the main window that need no window: where a point
// resizes the frameless window, when the view timer redraws, what the
// wheel and the arrow keys do, and the opacity arithmetic.
#pragma once

// Hit-test codes, the same numbers as the system's HT... values.
enum {
    HitClient = 1,
    HitLeft = 10,
    HitRight = 11,
    HitTop = 12,
    HitTopLeft = 13,
    HitTopRight = 14,
    HitBottom = 15,
    HitBottomLeft = 16,
    HitBottomRight = 17,
};

// The resize area under client point (x, y) of a w x h window: 4-pixel
// edges, 8 x 8 corners and a 16 x 16 grip at the lower right; HitClient
// elsewhere (the window is dragged from there).
int FramelessHitTest(int x, int y, int w, int h);

enum { MinTrackWidth = 32, MinTrackHeight = 24 };

enum {
    TickIdle = 0,          // nothing to do
    TickRedraw = 1,        // the periodic redraw is due
    TickCheckPointer = 2,  // redraw only if the pointer moved
};

// One 10 ms tick of the view timer: adds the period to *elapsed and says
// what to do. The periodic redraw comes on the first tick at which interval
// milliseconds have accumulated (and restarts the count); between them,
// with mouseMoveRedraw 1, every tick checks the pointer.
int ViewTimerTick(int* elapsed, int interval, int mouseMoveRedraw);

// The zoom after one wheel message (distance delta): one step up for a
// positive distance, one down otherwise. 0 when the zoom is already at that
// end (the message then goes to the default procedure).
int WheelZoom(int zoom, int delta);

// The sampled square's size after one wheel message with Shift held: one
// size up for a positive distance, one down otherwise; 0 when the size is
// already at that end.
int WheelSampleSize(int size, int delta);

// Arrow keys move the pointer by one pixel, ten with Ctrl. Returns 1 and
// moves (*x, *y) for an arrow key, 0 for any other key.
int ArrowKeyMove(int virtualKey, int ctrlDown, int* x, int* y);
