// The colour history: up to 20 captured colours, newest first, kept in the
// settings (HistoryColor, HistoryCount) and changed only here.
#pragma once

#include "core/PointInfo.h"
#include "core/Settings.h"

// Puts colour at the front. With HistoryOrder 1 a colour already present
// moves to the front instead of being added again; otherwise every capture
// is added, and a full history drops its oldest entry.
void PushHistoryColor(Settings* s, ColorRef colour);

// Gives a sample the newest colour of the history, the one the contrast
// tokens compare with; none when the history is empty. A capture takes it
// when it samples, before it adds its own colour.
void NotePreviousColor(const Settings* s, PointInfo* info);
