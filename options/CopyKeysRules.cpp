#include "options/CopyKeysRules.h"

#include "copykey/CaptureMenuLabel.h"
#include "settings/SettingsText.h"
#include "template/Template.h"

CopyKeyButtons CopyKeyButtonStates(CopyKeyList* work, int selected) {
    int rows = CountCopyKeys(work);
    CopyKey key;
    int has = GetCopyKey(work, selected, &key);
    CopyKeyButtons b;
    b.Add = b.Separator = rows < SettingsMaxCopyKeys ? 1 : 0;
    b.Edit = has && key.Kind == CopyKindSeparator ? 0 : 1;
    b.Delete = has;
    b.Up = has && selected > 0 ? 1 : 0;
    b.Down = has && selected < rows - 1 ? 1 : 0;
    return b;
}

int InsertNewCopyKey(CopyKeyList* work, int selected, int kind) {
    int rows = CountCopyKeys(work);
    if (rows >= SettingsMaxCopyKeys)
        return NoRow;
    int at = selected >= 0 && selected < rows ? selected : rows;
    CopyKey key;
    InitCopyKey(&key);
    key.Kind = kind;
    return InsertCopyKey(work, at, &key) ? at : NoRow;
}

int DeleteCopyKey(CopyKeyList* work, int selected) {
    if (!RemoveCopyKeyAt(work, selected))
        return NoRow;
    int rows = CountCopyKeys(work);
    if (rows == 0)
        return NoRow;
    return selected < rows ? selected : rows - 1;
}

int MoveCopyKeyStep(CopyKeyList* work, int selected, int up) {
    int rows = CountCopyKeys(work);
    int to = up ? selected - 1 : selected + 1;
    if (selected < 0 || selected >= rows || to < 0 || to >= rows)
        return NoRow;
    // The move's target counts in the order before it: one up stands
    // before the row above, one down before the row after the next.
    if (!MoveCopyKey(work, selected, up ? selected - 1 : selected + 2))
        return NoRow;
    return to;
}

void CommitCopyKeys(CopyKeyList* live, CopyKeyList* work, Settings* s) {
    ClearCopyKeys(live);
    *live = *work;
    *work = nullptr;
    int i = 0;
    for (CopyKey* key = *live; key; key = key->Next)
        key->HotkeyId = CopyKeyHotkeyBase + i++;
    RecountCopyKeys(s, live);
}

void FormatCopyKeySample(const CopyKey* key, const PointInfo* info, char* out) {
    out[0] = 0;
    if (key->Kind == CopyKindText)
        ExpandTemplate(out, key->Format, CopyKeyTextCapacity, info);
    else if (key->Kind == CopyKindImage)
        FormatImageDescription(key, out);
}

const char* const GradientChoiceNames[GradientChoiceCount] = {
    "しない",
    "→ 左から右",
    "← 右から左",
    "↓ 上から下",
    "↑ 下から上",
};
