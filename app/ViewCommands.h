// The commands that only change a view setting: the display toggles, the
// zoom presets and steps, and the sizes of the sampled square. Pure, so that the rules stay testable apart
// from the window.
#pragma once

#include "core/Settings.h"

enum {
    ViewCommandUnknown = 0,    // not a view command
    ViewCommandUnchanged = 1,  // a view command that changed nothing
    ViewCommandChanged = 2,    // the view must be redrawn
};

// Applies command to s; the result says whether it was one of these
// commands and whether it changed anything.
int ApplyViewCommand(Settings* s, int command);
