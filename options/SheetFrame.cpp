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
    RECT work;
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0))
        return false;
    RECT rc = {0, 0, width, height};
    if ((width <= 0 || height <= 0) && !GetWindowRect(window, &rc))
        return false;
    int w = rc.right - rc.left;
    int h = rc.bottom - rc.top;
    return MoveWindow(window, (work.right - w) / 2, (work.bottom - h) / 2, w, h, TRUE) != 0;
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
