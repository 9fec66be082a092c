// The options sheet in this process, where the end-to-end run cannot look:
// the back buffer's stretch mode after the Other page's OK (Wine enlarges
// in HALFTONE mode without smoothing, so the screen shows no difference),
// and the help button the sheet's callback removes (Wine's sheet has none).
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "app/InitDefaults.h"
#include "options/OptionsSheet.h"
#include "options/OtherPage.h"
#include "options/SheetFrame.h"
#include "platform/AppState.h"
#include "res/resource.h"

TEST(OptionsPages, SmoothingSwitchesTheBackBufferAtOnceAndTheSheetCaptionLosesItsHelpButton) {
    InitDefaults(GetModuleHandleA(nullptr));
    InitOptionsControls();
    HWND owner = CreateWindowExA(WS_EX_CONTEXTHELP | WS_EX_TOOLWINDOW, "STATIC", "sheet", WS_POPUP | WS_CAPTION, 0, 0,
                                 50, 40, nullptr, nullptr, nullptr, nullptr);
    gApp.BackBufferDC = CreateCompatibleDC(nullptr);  // BLACKONWHITE, neither mode the page sets
    HWND page = CreateDialogParamA(gApp.Instance, MAKEINTRESOURCEA(IDD_PAGE_OTHER), owner, OtherPageProc, 0);
    ASSERT_TRUE(owner && page);
    for (int tick : {1, 0}) {
        CheckDlgButton(page, IDC_OTHER_HALFTONE, tick ? BST_CHECKED : BST_UNCHECKED);
        NMHDR apply = {page, 0, (UINT)PSN_APPLY};
        SendMessageA(page, WM_NOTIFY, 0, (LPARAM)&apply);
        EXPECT_TRUE(gSettings.HalfTone == tick && GetStretchBltMode(gApp.BackBufferDC) == (tick ? HALFTONE : COLORONCOLOR));
    }
    DestroyWindow(page);
    DeleteDC(gApp.BackBufferDC);
    gApp.BackBufferDC = nullptr;
    // The owner stands in for the sheet.
    EXPECT_EQ(0, SheetFrameCallback(owner, PSCB_INITIALIZED, 0));
    EXPECT_EQ(WS_EX_TOOLWINDOW, GetWindowLongA(owner, GWL_EXSTYLE) & (WS_EX_CONTEXTHELP | WS_EX_TOOLWINDOW));
    DestroyWindow(owner);
}
