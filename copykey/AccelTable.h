// The one accelerator table the message loop translates with
// (gApp.AccelTable): built from the built-in keys alone, or replaced by one
// that puts the capture keys' shortcuts first.
#pragma once

#include <windows.h>

#include "copykey/KeyBindings.h"

// Destroys the current table and makes one of the 28 built-in entries
// current. 1 when it was created; 0 leaves no current table.
int BuildFixedAccelerators();

// Destroys the current table and makes one from entries current. 1 when it
// was created; 0 leaves no current table.
int ReplaceAcceleratorTable(const ACCEL* entries, int count);

// ReplaceAcceleratorTable with entries in the platform's record form. 0
// and the current table untouched when there is no memory to convert them.
int ReplaceAcceleratorEntries(const AccelEntry* entries, int count);

// The current table, null when there is none.
HACCEL CurrentAcceleratorTable();

// After the message loop: destroys the current table.
void DestroyAcceleratorTableAtExit();
