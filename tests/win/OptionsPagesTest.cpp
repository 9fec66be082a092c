// The options sheet in this process, where the end-to-end run cannot look:
// the back buffer's stretch mode after the Other page's OK (Wine enlarges
// in HALFTONE mode without smoothing, so the screen shows no difference),
// the help button the sheet's callback removes (Wine's sheet has none),
// and the samples of a text too long for the clipboard beside the capture.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "../support/WineHarness.h"
#include "app/InitDefaults.h"
#include "copykey/CaptureOutput.h"
#include "options/CopyKeysRules.h"
#include "options/DisplayPage.h"
#include "options/OptionsSheet.h"
#include "options/OtherPage.h"
#include "options/SheetFrame.h"
#include "platform/AppState.h"
#include "res/resource.h"

TEST(OptionsPages, SmoothingAppliesAtOnceTheHelpButtonGoesAndSamplesEndWhereTheCapturedTextEnds) {
    InitDefaults(GetModuleHandleA(nullptr));
    InitOptionsControls();
    HWND owner = gApp.MainWindow = CreateWindowExA(WS_EX_CONTEXTHELP | WS_EX_TOOLWINDOW, "STATIC", "sheet",
                                                   WS_POPUP | WS_CAPTION, 0, 0, 50, 40, nullptr, nullptr, nullptr, nullptr);
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

    // A sample shows what the capture copies, also where the expansion is
    // cut: the Display page's sample and the Copy keys page's sample column
    // end where the clipboard's text ends. 16 texts of 255 bytes and 12
    // letters: 4092 bytes. A capture keeps 4094 bytes and the terminator,
    // that is 4091 and "...".
    memset(gApp.CapturePointInfo.Text, 'x', 255);
    gApp.CapturePointInfo.Text[255] = 0;
    std::string format;
    for (int i = 0; i < 16; i++)
        format += "[TEXT]";
    format += "abcdefghijkl";
    const std::string cut = std::string(16 * 255, 'x') + "abcdefghijk...";
    strcpy(gSettings.DispInfoUserFormat, format.c_str());
    page = CreateDialogParamA(gApp.Instance, MAKEINTRESOURCEA(IDD_PAGE_DISPLAY), owner, DisplayPageProc, 0);
    ASSERT_TRUE(page);
    // Its length and its end, for a readable failure.
    auto ending = [](const std::string& s) { return std::to_string(s.size()) + " ..." + s.substr(s.size() - 16); };
    static char shown[8192];
    GetDlgItemTextA(page, IDC_DISP_FORMAT_SAMPLE, shown, sizeof(shown));
    EXPECT_TRUE(cut == shown) << ending(shown);
    DestroyWindow(page);
    CopyKey key;
    InitCopyKey(&key);
    strcpy(key.Format, format.c_str());
    static char column[8192];
    FormatCopyKeySample(&key, &gApp.CapturePointInfo, column);
    EXPECT_TRUE(cut == column) << ending(column);
    ASSERT_EQ(CapturePlaced, PutCaptureOnClipboard(1, &key));
    EXPECT_TRUE(cut == ClipboardText()) << ending(ClipboardText());
    DestroyWindow(owner);
}
