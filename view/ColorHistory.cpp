#include "view/ColorHistory.h"

static void ShiftAndPut(Settings* s, int count, ColorRef colour) {
    for (int i = count; i > 0; i--)
        s->HistoryColor[i] = s->HistoryColor[i - 1];
    s->HistoryColor[0] = colour;
}

void PushHistoryColor(Settings* s, ColorRef colour) {
    // A hand-edited count outside 0..20 must not reach past the array.
    if (s->HistoryCount < 0)
        s->HistoryCount = 0;
    if (s->HistoryCount > HistoryCapacity)
        s->HistoryCount = HistoryCapacity;

    if (s->HistoryOrder == 1) {
        for (int i = 0; i < s->HistoryCount; i++) {
            if (s->HistoryColor[i] == colour) {
                ShiftAndPut(s, i, colour);
                return;
            }
        }
    }
    int k = s->HistoryCount < HistoryCapacity ? s->HistoryCount : HistoryCapacity - 1;
    ShiftAndPut(s, k, colour);
    if (s->HistoryCount < HistoryCapacity)
        s->HistoryCount++;
}

void NotePreviousColor(const Settings* s, PointInfo* info) {
    int have = s->HistoryCount > 0;
    info->HasPreviousColor = have ? 1 : 0;
    info->PreviousColor = have ? s->HistoryColor[0] : 0;
}
