// The twelve capture keys a first start offers when there is no system.ini.
#pragma once

#include "core/CopyKeyList.h"

enum { BuiltinCopyKeyCount = 12 };

// Appends the built-in keys to list in their order; returns how many went in.
int AddBuiltinCopyKeys(CopyKeyList* list);
