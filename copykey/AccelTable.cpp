#include "copykey/AccelTable.h"

#include "platform/AppState.h"

static void DestroyCurrentTable() {
    if (gApp.AccelTable) {
        DestroyAcceleratorTable(gApp.AccelTable);
        gApp.AccelTable = nullptr;
    }
}

int ReplaceAcceleratorTable(const ACCEL* entries, int count) {
    DestroyCurrentTable();
    if (!entries || count <= 0)
        return 0;
    gApp.AccelTable = CreateAcceleratorTableA((ACCEL*)entries, count);
    return gApp.AccelTable != nullptr;
}

static void ToAccel(const AccelEntry& in, ACCEL* out) {
    out->fVirt = in.Flags;
    out->key = in.Key;
    out->cmd = in.Command;
}

int ReplaceAcceleratorEntries(const AccelEntry* entries, int count) {
    if (count <= 0)
        return ReplaceAcceleratorTable(nullptr, 0);
    ACCEL* table = (ACCEL*)HeapAlloc(GetProcessHeap(), 0, sizeof(ACCEL) * (size_t)count);
    if (!table)
        return 0;
    for (int i = 0; i < count; i++)
        ToAccel(entries[i], &table[i]);
    int made = ReplaceAcceleratorTable(table, count);
    HeapFree(GetProcessHeap(), 0, table);
    return made;
}

int BuildFixedAccelerators() {
    AccelEntry fixed[FixedAccelCount];
    BuildFixedAccelEntries(fixed);
    ACCEL table[FixedAccelCount];
    for (int i = 0; i < FixedAccelCount; i++)
        ToAccel(fixed[i], &table[i]);
    return ReplaceAcceleratorTable(table, FixedAccelCount);
}

HACCEL CurrentAcceleratorTable() {
    return gApp.AccelTable;
}

void DestroyAcceleratorTableAtExit() {
    DestroyCurrentTable();
}
