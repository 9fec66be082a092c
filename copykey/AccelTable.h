// The one accelerator table the message loop translates with
// (gApp.AccelTable): built from the built-in keys alone, or replaced by one
// that puts the capture keys' shortcuts first.
#pragma once

#include "copykey/KeyBindings.h"

// Destroys the current table and makes one of the 28 built-in entries
// current. 1 when it was created; 0 leaves no current table.
int BuildFixedAccelerators();

// Destroys the current table and makes one from entries current. 1 when it
// was created; 0 leaves no current table, except when there is no memory
// to convert the entries: then the current table stays.
int ReplaceAcceleratorTable(const AccelEntry* entries, int count);

// After the message loop: destroys the current table.
void DestroyAcceleratorTableAtExit();
