#include "copykey/AccelTable.h"

#include "platform/AppState.h"

static void DestroyCurrentTable() {
    if (gApp.AccelTable) {
        DestroyAcceleratorTable(gApp.AccelTable);
        gApp.AccelTable = nullptr;
    }
}

int ReplaceAcceleratorTable(const AccelEntry* entries, int count) {
    ACCEL* table = nullptr;
    if (count > 0) {
        table = (ACCEL*)HeapAlloc(GetProcessHeap(), 0, sizeof(ACCEL) * (size_t)count);
        if (!table)
            return 0;
        for (int i = 0; i < count; i++) {
            table[i].fVirt = entries[i].Flags;
            table[i].key = entries[i].Key;
            table[i].cmd = entries[i].Command;
        }
    }
    DestroyCurrentTable();
    if (table) {
        gApp.AccelTable = CreateAcceleratorTableA(table, count);
        HeapFree(GetProcessHeap(), 0, table);
    }
    return gApp.AccelTable != nullptr;
}

int BuildFixedAccelerators() {
    AccelEntry fixed[FixedAccelCount];
    BuildFixedAccelEntries(fixed);
    return ReplaceAcceleratorTable(fixed, FixedAccelCount);
}

void DestroyAcceleratorTableAtExit() {
    DestroyCurrentTable();
}
