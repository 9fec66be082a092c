// The colour history: up to 20 captured colours, newest first, kept in the
// settings (HistoryColor, HistoryCount) and changed only here.
#pragma once

#include "core/Settings.h"

// Puts colour at the front. With HistoryOrder 1 a colour already present
// moves to the front instead of being added again; otherwise every capture
// is added, and a full history drops its oldest entry.
void PushHistoryColor(Settings* s, ColorRef colour);
