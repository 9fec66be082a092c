#include "copykey/CaptureMenu.h"

#include "copykey/CaptureMenuLabel.h"
#include "platform/AppState.h"
#include "platform/PopupMenu.h"

HMENU CreateCaptureMenu() {
    HMENU menu = CreatePopupMenu();
    if (!menu)
        return nullptr;
    int count = RecountCopyKeys(&gSettings, &gCopyKeys);
    for (int i = 0; i < count; i++) {
        CopyKey key;
        if (!GetCopyKey(&gCopyKeys, i, &key)) {
            DestroyMenu(menu);
            return nullptr;
        }
        char label[CaptureLabelSize];
        if (FormatCaptureMenuLabel(&key, &gApp.CapturePointInfo, label))
            AppendMenuA(menu, MF_STRING, (UINT_PTR)(i + 1), label);
        else
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    }
    return menu;
}

int ShowCaptureMenu(HWND window, POINT pt) {
    return TrackMenuChoice(window, CreateCaptureMenu(), pt) - 1;
}
