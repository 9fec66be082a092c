// Expansion of a user template (bracket tokens and backslash escapes) over
// one sampled point.
#pragma once

#include "core/PointInfo.h"

// Expands tmpl into out, which holds capacity bytes (4 or more). Returns 1
// when the whole template was expanded, 0 when the call was refused or the
// result was cut short with "..."; out is always a terminated text.
int ExpandTemplate(char* out, const char* tmpl, int capacity, const PointInfo* info);

// The PointInfo window parts (PartWindow, PartClass, ...) whose fields the
// template's tokens print, or more: every "[NAME]" of a window token
// counts wherever it stands. Colour, position and time are always there.
int TemplateParts(const char* tmpl);
