#include "platform/PopupMenu.h"

int TrackMenuChoice(HWND window, HMENU menu, POINT pt) {
    if (!menu)
        return 0;
    int chosen = (int)TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, pt.x, pt.y, 0, window,
                                     nullptr);
    DestroyMenu(menu);
    return chosen;
}
