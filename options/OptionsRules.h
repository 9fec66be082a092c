// What the options pages decide without a window: which box edits which
// setting, the number fields with their ranges and how a typed number is
// taken, which controls a box greys, the page the sheet opens on, and what
// the Display and Window pages derive when they store their values.
#pragma once

#include "core/Settings.h"

// A check box and the flag it edits: 1 when ticked, 0 otherwise.
struct FlagBox {
    int Control;
    int Settings::*Field;
};

enum { DisplayFlagBoxCount = 13, OtherFlagBoxCount = 8 };
extern const FlagBox DisplayFlagBoxes[DisplayFlagBoxCount];
extern const FlagBox OtherFlagBoxes[OtherFlagBoxCount];

// Controls First to Last are enabled while Switch is ticked.
struct EnableRule {
    int Switch;
    int First;
    int Last;
};

enum { DisplayEnableRuleCount = 2, WindowEnableRuleCount = 2 };
extern const EnableRule DisplayEnableRules[DisplayEnableRuleCount];
extern const EnableRule WindowEnableRules[WindowEnableRuleCount];

// An edit that holds a number, with the up-down attached to it. MaxChars 0
// leaves the edit's length alone.
struct NumberField {
    int Edit;
    int UpDown;
    int Min;
    int Max;
    int MaxChars;
};

enum NumberFieldId {
    FieldHistorySizeX,
    FieldHistorySizeY,
    FieldTimerInterval,
    FieldOpacity,
    FieldFrameWidth,
    FieldImageWidth,
    FieldImageHeight,
    NumberFieldCount
};
extern const NumberField NumberFields[NumberFieldCount];

// 1 and *value when text is a decimal number within lo..hi (digits only,
// as the edits accept them); 0 for an empty text, other characters, a value
// outside the range or one too large for an int, leaving *value alone.
int ParseFieldNumber(const char* text, int lo, int hi, int* value);

// A number typed into an edit that the reader takes as far as it goes:
// leading blanks, a sign and the leading digits count, no digits give 0;
// then brought into lo..hi. Digits past what fits an int hold it at hi (or
// lo, after a minus), never wrap.
int BoundTypedNumber(const char* text, int lo, int hi);

// The place in the sheet of the page whose index (EndDispoption) is
// endDispoption, among the indices of the pages shown; the first page
// when none has it (a hand-edited value, or a page not shown).
int StartPagePosition(int endDispoption, const int* pageIndices, int count);

// The kinds of cursor mark in the Display page's list, at their CursorMode.
enum { CursorModeCount = 4 };
extern const char* const CursorModeNames[CursorModeCount];

// After the Display page stored its boxes and numbers: an information panel
// with nothing in it is switched off, the lines are recounted, and the
// cursor mode and swatch sizes are brought into their ranges.
void FinishDisplaySettings(Settings* s);

// The Window page's working translucency once its box was ticked (the
// opacity the edit shows, within 0..100) or cleared (opaque, 100).
void TranslucencyFromBox(int ticked, int shownOpacity, int* workAlpha, int* workOpacity);
