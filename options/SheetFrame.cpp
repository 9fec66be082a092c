#include "options/SheetFrame.h"

#include <commctrl.h>

#include "options/TemplateFont.h"
#include "platform/AppState.h"
#include "res/resource.h"

namespace {

// True once the sheet has been centred in the current opening.
bool gSheetCentered = false;

}  // namespace

bool CenterInWorkArea(HWND window, int width, int height) {
    RECT rc = {0, 0, width, height};
    if ((width <= 0 || height <= 0) && !GetWindowRect(window, &rc))
        return false;
    // The monitor of the main window; without one, of the window itself.
    RECT owner;
    if ((!gApp.MainWindow || !GetWindowRect(gApp.MainWindow, &owner)) && !GetWindowRect(window, &owner))
        owner = rc;
    Rect32 ownerRect = {owner.left, owner.top, owner.right, owner.bottom}, place;
    if (!CentreOnWorkArea(&gApp.Monitors, &ownerRect, rc.right - rc.left, rc.bottom - rc.top, &place))
        return false;
    return MoveWindow(window, place.Left, place.Top, place.Right - place.Left, place.Bottom - place.Top,
                      TRUE) != 0;
}

void CenterSheetOnce(HWND page) {
    if (gSheetCentered)
        return;
    gSheetCentered = true;
    CenterInWorkArea(GetParent(page), 0, 0);
}

int CALLBACK SheetFrameCallback(HWND sheet, UINT msg, LPARAM lParam) {
    // The frame in the pages' font, so that it makes them room enough.
    if (msg == PSCB_PRECREATE && lParam)
        SetTemplateFont((void*)lParam, PAGE_FONT_SIZE, PAGE_FONT_FACE);
    if (msg == PSCB_INITIALIZED) {
        // No "?" button in the caption.
        SetWindowLongA(sheet, GWL_EXSTYLE, GetWindowLongA(sheet, GWL_EXSTYLE) & ~WS_EX_CONTEXTHELP);
        gSheetCentered = false;
    }
    return 0;
}

UINT PageNotifyCode(LPARAM lParam) {
    return ((const NMHDR*)lParam)->code;
}

void NotePageShown(int index) {
    gSettings.EndDispoption = index;
}
