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

TEST(OptionsPages, SmoothingSwitchesTheBackBufferAtOnce) {
    InitDefaults(GetModuleHandleA(nullptr));
    InitOptionsControls();
    HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 50, 40, nullptr, nullptr, nullptr, nullptr);
    gApp.BackBufferDC = CreateCompatibleDC(nullptr);
    SetStretchBltMode(gApp.BackBufferDC, COLORONCOLOR);
    HWND page = CreateDialogParamA(gApp.Instance, MAKEINTRESOURCEA(IDD_PAGE_OTHER), owner, OtherPageProc, 0);
    ASSERT_TRUE(page);
    for (int tick : {1, 0}) {
        CheckDlgButton(page, IDC_OTHER_HALFTONE, tick ? BST_CHECKED : BST_UNCHECKED);
        NMHDR apply = {page, 0, (UINT)PSN_APPLY};
        SendMessageA(page, WM_NOTIFY, 0, (LPARAM)&apply);
        EXPECT_EQ(tick, gSettings.HalfTone);
        EXPECT_EQ(tick ? HALFTONE : COLORONCOLOR, GetStretchBltMode(gApp.BackBufferDC));
    }
    DestroyWindow(page);
    DestroyWindow(owner);
    DeleteDC(gApp.BackBufferDC);
    gApp.BackBufferDC = nullptr;
}

TEST(OptionsPages, SheetCaptionLosesItsHelpButton) {
    HWND sheet = CreateWindowExA(WS_EX_CONTEXTHELP | WS_EX_TOOLWINDOW, "STATIC", "sheet", WS_POPUP | WS_CAPTION, 0, 0,
                                 50, 40, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(sheet);
    EXPECT_EQ(0, SheetFrameCallback(sheet, PSCB_INITIALIZED, 0));
    EXPECT_EQ(WS_EX_TOOLWINDOW, GetWindowLongA(sheet, GWL_EXSTYLE) & (WS_EX_CONTEXTHELP | WS_EX_TOOLWINDOW));
    DestroyWindow(sheet);
}
