// The running Windows version as the code of core/OsVersion.h.
#pragma once

// Asks GetVersionExA; 0 when that fails.
int ReadOsVersionCode();
