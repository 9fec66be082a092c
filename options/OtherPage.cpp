#include "options/OtherPage.h"

#include <commctrl.h>

#include "options/PageControls.h"
#include "options/SheetFrame.h"
#include "platform/AppState.h"
#include "view/BackBuffer.h"

// The boxes toggle by themselves and nothing depends on them while the page
// is open, so the page handles no commands.
static void Other_OnApply(HWND page) {
    StoreFlagBoxes(page, OtherFlagBoxes, OtherFlagBoxCount, &gSettings);
    // The next redraw already smooths, or stops smoothing.
    ApplyStretchMode();
}

INT_PTR CALLBACK OtherPageProc(HWND page, UINT msg, WPARAM, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        CenterSheetOnce(page);
        LoadFlagBoxes(page, OtherFlagBoxes, OtherFlagBoxCount, &gSettings);
        return TRUE;
    case WM_NOTIFY:
        switch (PageNotifyCode(lParam)) {
        case PSN_SETACTIVE:
            NotePageShown(PageOther);
            return FALSE;
        case PSN_APPLY:
            Other_OnApply(page);
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}
