#include "copykey/CaptureMenu.h"

#include "app/AppState.h"
#include "app/ContextMenu.h"
#include "copykey/CaptureMenuLabel.h"
#include "copykey/CaptureOutput.h"
#include "view/RedrawView.h"

HMENU CreateCaptureMenu() {
    HMENU menu = CreatePopupMenu();
    if (!menu)
        return nullptr;
    gSettings.CopyKeyCount = CountCopyKeys(&gCopyKeys);
    for (int i = 0; i < gSettings.CopyKeyCount; i++) {
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

int RunCaptureMenuChoice(HWND window, int chosen) {
    if (chosen <= 0)
        return 0;
    CopyKey key;
    if (!GetCopyKey(&gCopyKeys, chosen - 1, &key))
        return 0;
    if (!PutCaptureOnClipboard(key.Kind == CopyKindText ? 1 : 0, &key))
        return 0;
    RedrawView(window);
    return 1;
}

int ShowCaptureMenu(HWND window, POINT pt) {
    return RunCaptureMenuChoice(window, TrackMenuChoice(window, CreateCaptureMenu(), pt));
}
