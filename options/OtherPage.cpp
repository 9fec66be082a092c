#include "options/OtherPage.h"

#include <commctrl.h>

#include "core/SampleSize.h"
#include "options/PageControls.h"
#include "options/SheetFrame.h"
#include "platform/AppState.h"
#include "res/resource.h"
#include "view/BackBuffer.h"

// The sizes of the sampled square in their order, the current one chosen.
static void LoadSampleSizes(HWND page) {
    for (int i = 0; i < SampleSizeCount; i++) {
        char label[SampleSizeLabelSize];
        FormatSampleSizeLabel(SampleSizes[i], label);
        SendDlgItemMessageA(page, IDC_OTHER_SAMPLE_SIZE, CB_INSERTSTRING, (WPARAM)i, (LPARAM)label);
    }
    SendDlgItemMessageA(page, IDC_OTHER_SAMPLE_SIZE, CB_SETCURSEL,
                        (WPARAM)SampleSizeIndex(gSettings.SampleSize), 0);
}

// The boxes and the list change by themselves and nothing depends on them
// while the page is open, so the page handles no commands.
static void Other_OnApply(HWND page) {
    StoreFlagBoxes(page, OtherFlagBoxes, OtherFlagBoxCount, &gSettings);
    int chosen = (int)SendDlgItemMessageA(page, IDC_OTHER_SAMPLE_SIZE, CB_GETCURSEL, 0, 0);
    if (chosen >= 0 && chosen < SampleSizeCount)
        gSettings.SampleSize = SampleSizes[chosen];
    // The next redraw already smooths, or stops smoothing.
    ApplyStretchMode();
}

INT_PTR CALLBACK OtherPageProc(HWND page, UINT msg, WPARAM, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        CenterSheetOnce(page);
        LoadFlagBoxes(page, OtherFlagBoxes, OtherFlagBoxCount, &gSettings);
        LoadSampleSizes(page);
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
