// Defaults of the settings and of the run-time state; runs first at start-up.
#pragma once

#include <windows.h>

void InitDefaults(HINSTANCE instance);
