// The zoom factor: its range and the ten presets that the Num keys and the
// zoom menu offer.
#pragma once

#include "core/Clamp.h"

enum {
    ZoomMin = 1,
    ZoomMax = 32,
    ZoomPresetCount = 10,
};

// Preset i belongs to command CmdZoom1 + i; its menu mnemonic and Num key
// is the digit (i + 1) % 10.
extern const int ZoomPresets[ZoomPresetCount];

inline int ClampZoom(int zoom) { return ClampInt(zoom, ZoomMin, ZoomMax); }

// The zoom after one step up (direction > 0) or down; the same zoom when it
// is already at that end of the range.
inline int StepZoom(int zoom, int direction) {
    return ClampZoom(direction > 0 ? zoom + 1 : zoom - 1);
}
