#include "app/ContextMenu.h"

int ShowContextMenu(HWND window, POINT pt) {
    (void)window;
    (void)pt;
    return 0;
}
