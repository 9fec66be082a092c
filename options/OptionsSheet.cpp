#include "options/OptionsSheet.h"

#include <commctrl.h>
#include <stddef.h>

#include "options/CopyKeysPage.h"
#include "options/DisplayPage.h"
#include "options/OptionsRules.h"
#include "options/OtherPage.h"
#include "options/SheetFrame.h"
#include "options/WindowPage.h"
#include "platform/AppState.h"
#include "res/resource.h"
#include "view/RedrawView.h"

namespace {

struct OptionsPage {
    int Index;  // OptionsPageIndex
    const char* Title;
    int Template;
    DLGPROC Proc;
};

// In tab order.
const OptionsPage kPages[] = {
    {PageDisplay, "表示", IDD_PAGE_DISPLAY, DisplayPageProc},
    {PageWindow, "ウィンドウ", IDD_PAGE_WINDOW, WindowPageProc},
    {PageCopyKeys, "取得キー設定", IDD_PAGE_COPYKEYS, CopyKeysPageProc},
    {PageOther, "その他", IDD_PAGE_OTHER, OtherPageProc},
};
const int kPageCount = (int)(sizeof(kPages) / sizeof(kPages[0]));

// The version-2 layouts of the page and the header: they carry header
// bitmaps, titles and subtitles but no activation context.
constexpr UINT PageV2Size =
    offsetof(PROPSHEETPAGEA, pszHeaderSubTitle) + sizeof(PROPSHEETPAGEA::pszHeaderSubTitle);
constexpr UINT SheetV2Size = offsetof(PROPSHEETHEADERA, hbmHeader) + sizeof(PROPSHEETHEADERA::hbmHeader);
#ifndef _WIN64
static_assert(PageV2Size == 48 && SheetV2Size == 52, "the 32-bit layouts");
#endif

}  // namespace

void InitOptionsControls() {
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_UPDOWN_CLASS |
                                                 ICC_LISTVIEW_CLASSES | ICC_HOTKEY_CLASS};
    InitCommonControlsEx(&icc);
}

bool ShowOptionsSheet(HWND owner) {
    HPROPSHEETPAGE pages[kPageCount];
    int indices[kPageCount];
    for (int i = 0; i < kPageCount; i++) {
        PROPSHEETPAGEA page = {};
        page.dwSize = PageV2Size;
        page.dwFlags = PSP_USETITLE;
        page.hInstance = gApp.Instance;
        page.pszTemplate = MAKEINTRESOURCEA(kPages[i].Template);
        page.pszTitle = kPages[i].Title;
        page.pfnDlgProc = kPages[i].Proc;
        pages[i] = CreatePropertySheetPageA(&page);
        if (!pages[i]) {
            while (i-- > 0)
                DestroyPropertySheetPage(pages[i]);
            return false;
        }
        indices[i] = kPages[i].Index;
    }
    PROPSHEETHEADERA sheet = {};
    sheet.dwSize = SheetV2Size;
    sheet.dwFlags = PSH_USECALLBACK | PSH_NOAPPLYNOW | PSH_USEICONID;
    sheet.hwndParent = owner;
    sheet.hInstance = gApp.Instance;
    sheet.pszIcon = MAKEINTRESOURCEA(IDI_MIRABO);
    sheet.pszCaption = "オプション";
    sheet.nPages = (UINT)kPageCount;
    // A hand-edited EndDispoption outside the pages would keep the sheet
    // from opening at all; it opens on the first page then.
    sheet.nStartPage = (UINT)StartPagePosition(gSettings.EndDispoption, indices, kPageCount);
    sheet.phpage = pages;
    sheet.pfnCallback = SheetFrameCallback;
    if (PropertySheetA(&sheet) == -1)
        return false;
    RedrawView(owner);
    return true;
}
