// A capture key and the ordered list of them. The list owns one heap copy of
// each record; records go in and come out only by copying, so callers never
// hold a pointer into the list. Operations take the list by the address of
// its first-element link and return 1 for success and 0 for refusal.
#pragma once

#include "core/Settings.h"

enum CopyKind {
    CopyKindText = 0,
    CopyKindImage = 1,
    CopyKindSeparator = 2,
};

enum {
    CopyKeyHotkeyBase = 0x8004,   // hotkey identifier of the key at index 0
    HotkeyTestId = 0x8003,        // the key editor's availability test
    CopyKeyCommandBase = 45000,   // command of the key at index 0
    // A text key's expansion as the capture copies it and as every sample
    // shows it: 4094 bytes and the terminator.
    CopyKeyTextCapacity = 4095,
};

// Field mask bits of SetCopyKeyFields.
enum {
    CopyFieldKind = 0x001,
    CopyFieldFormat = 0x002,
    CopyFieldWidth = 0x004,
    CopyFieldHeight = 0x008,
    CopyFieldInvert = 0x010,
    CopyFieldGradient = 0x020,
    CopyFieldShortcutKey = 0x040,
    CopyFieldHotkey = 0x080,
    CopyFieldHotkeyId = 0x100,
};

struct CopyKey {
    int Kind;
    char Format[TextFieldSize];
    int Width;
    int Height;
    int Invert;
    int Gradient;     // 0 plain, 1 right, 2 left, 3 down, 4 up
    int ShortcutKey;  // KeyCombo, 0 for none
    int Hotkey;       // KeyCombo, 0 or below for none
    int HotkeyId;     // run time only
    CopyKey* Next;    // link inside the list; always null outside it
};

typedef CopyKey* CopyKeyList;

void InitCopyKey(CopyKey* key);
int GetCopyKey(CopyKeyList* list, int index, CopyKey* out);
int SetCopyKeyFields(CopyKeyList* list, int index, int mask, const CopyKey* in);
int InsertCopyKey(CopyKeyList* list, int index, const CopyKey* in);
int CountCopyKeys(CopyKeyList* list);
int ClearCopyKeys(CopyKeyList* list);
int RemoveCopyKeyAt(CopyKeyList* list, int index);
int MoveCopyKey(CopyKeyList* list, int from, int to);

// Stores the list's length in s->CopyKeyCount (the command and hotkey
// dispatch read it) and returns it; whoever changes the list calls this.
int RecountCopyKeys(Settings* s, CopyKeyList* list);
