// The rules of window translucency that the commands, the context menu and
// the options sheet share.
#pragma once

#include "core/Clamp.h"

// Layered windows came with Windows 2000 (version code 5); a system of
// version 5.2 classifies as 0 and so counts as too old.
inline int TranslucencyAvailable(int osVersionCode) { return osVersionCode >= 5; }

enum { OpacityMin = 0, OpacityMax = 100 };  // percent

inline int ClampOpacity(int percent) { return ClampInt(percent, OpacityMin, OpacityMax); }

// The layered-window alpha for an opacity in percent (clamped to 0..100).
inline int OpacityAlpha(int percent) { return ClampOpacity(percent) * 255 / 100; }
