// What the Copy keys page and the key editor decide without a window: the
// page's buttons for a selection, what Add, Separator, Delete, Up and Down
// do to the working list and which row they leave selected, the commit at
// OK, a row's sample text and the editor's gradient choices. Pure.
#pragma once

#include "core/CopyKeyList.h"
#include "core/PointInfo.h"

enum { NoRow = -1 };

// The page's buttons: 1 enabled, 0 greyed.
struct CopyKeyButtons {
    int Add, Edit, Separator, Delete, Up, Down;
};

// The buttons for the working list with row selected (NoRow when none is):
// Add and Separator while the list is below the most keys the program
// numbers (SettingsMaxCopyKeys); Edit unless a separator is selected;
// Delete, Up and Down for a selected row that can go.
CopyKeyButtons CopyKeyButtonStates(CopyKeyList* work, int selected);

// Add and Separator: a fresh key of kind, before the selected row or at
// the end when none is selected. Its row, or NoRow when the list is full
// or memory ran out (nothing changed then).
int InsertNewCopyKey(CopyKeyList* work, int selected, int kind);

// Delete: removes the selected key. The row to select next (the same
// index, or the new last row after the last one went); NoRow when the list
// is empty now or nothing was removed.
int DeleteCopyKey(CopyKeyList* work, int selected);

// Up (up 1) and Down (up 0): moves the selected key one place. Its new
// row, or NoRow when it cannot move (nothing changed then).
int MoveCopyKeyStep(CopyKeyList* work, int selected, int up);

// OK: the live list gets the working list's records in their order, with
// the hotkey identifiers CopyKeyHotkeyBase upward; the working list is left
// empty and s->CopyKeyCount counts the live list. Nothing is copied, so
// nothing can fail halfway.
void CommitCopyKeys(CopyKeyList* live, CopyKeyList* work, Settings* s);

// Column 1 of a key's row: a text key's format expanded over info as its
// capture would copy it, an image key's description, nothing for a
// separator. out holds CopyKeyTextCapacity bytes.
void FormatCopyKeySample(const CopyKey* key, const PointInfo* info, char* out);

// The editor's gradient list, each item at its Gradient value.
enum { GradientChoiceCount = 5 };
extern const char* const GradientChoiceNames[GradientChoiceCount];
