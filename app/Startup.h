// Process start-up, the single-instance rule and the message loop.
#pragma once

#include <windows.h>

// The whole life of the program; returns the process exit code.
int RunMirabo(HINSTANCE instance, int showCmd);
