// Process start-up, the single-instance rule and the message loop.
#pragma once

#include <windows.h>

// The whole life of the program; returns the process exit code.
int RunMirabo(HINSTANCE instance, int showCmd);

// 1 when this is the only instance; otherwise asks the running one to show
// its window and returns 0. The mutex is held until the process ends.
int CheckSingleInstance();
