#include "options/OptionsSheet.h"

// The pages are not built yet: nothing is shown and nothing changes.
bool ShowOptionsSheet(HWND window) {
    (void)window;
    return false;
}
