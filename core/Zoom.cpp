#include "core/Zoom.h"

const int ZoomPresets[ZoomPresetCount] = {1, 2, 3, 4, 5, 6, 7, 8, 16, 32};
