#include "settings/SettingsFile.h"

int ReadSettingsFile() {
    return 0;
}

void WriteSettingsFile(HWND mainWindow) {
    (void)mainWindow;
}
