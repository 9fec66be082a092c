// Helpers the option pages share for their controls: check boxes bound to
// flags, boxes that grey other controls, number edits with up-downs, and
// format boxes with their samples.
#pragma once

#include <windows.h>

#include "options/OptionsRules.h"

int IsBoxTicked(HWND page, int control);
void TickBox(HWND page, int control, int tick);

// Ticks each box from its flag, or stores each box into its flag.
void LoadFlagBoxes(HWND page, const FlagBox* boxes, int count, const Settings* s);
void StoreFlagBoxes(HWND page, const FlagBox* boxes, int count, Settings* s);

// Enables or disables each rule's controls by the tick of its switch; the
// ticks of the greyed boxes stay as they are.
void ApplyEnableRules(HWND page, const EnableRule* rules, int count);
void EnableControls(HWND page, int first, int last, int enable);

// Gives the field its length limit, its up-down range and the position
// value (brought into the range); the field remembers it as its last valid
// number.
void InitNumberField(HWND page, int field, int value);

// The number the field's edit shows when it is a valid one for the
// up-down's range, which it then remembers; otherwise (an empty edit, 999
// where the range ends at 100, pasted letters) the last valid number.
int ReadNumberField(HWND page, int field);

// Sets the up-down's position (its edit follows and reports the change).
void SetNumberField(HWND page, int field, int value);

// A change (EN_CHANGE) reported by the edit of a number field: the field
// remembers the number when it is a valid one. TRUE when id and code were
// such a change, FALSE for any other command.
INT_PTR NoteNumberFieldChange(HWND page, int id, int code);

// The format a format box holds: at most TextFieldSize - 1 bytes, never
// ending in half a double-byte character; format holds TextFieldSize bytes.
void ReadFormatBox(HWND page, int edit, char* format);

// Shows format expanded over the placeholder sample that the sheet's caller
// put in CapturePointInfo in the sample control, cut where a capture of it
// would be cut.
void ShowFormatSample(HWND page, int sample, const char* format);
