// The main context menu and the capture menu as built for the system, read
// back item by item, and choices made in tracked menus.
#include <string.h>

#include <string>

#include "ShellFixture.h"
#include "app/BuiltinCopyKeys.h"
#include "app/CommandIds.h"
#include "app/ContextMenu.h"
#include "copykey/CaptureMenu.h"

namespace {

// "text=id" per item ("-" for a separator, ">" and no id for a submenu),
// "*" when checked, "~" when grey, each followed by "|".
std::string Describe(HMENU menu) {
    std::string out;
    for (int i = 0; i < GetMenuItemCount(menu); i++) {
        char text[256] = {};
        MENUITEMINFOA mi = {};
        mi.cbSize = sizeof(mi);
        mi.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        mi.dwTypeData = text;
        mi.cch = sizeof(text);
        if (!GetMenuItemInfoA(menu, i, TRUE, &mi))
            return out + "?";
        // The system reports separators as grey; only items carry a state.
        if (mi.fType & MFT_SEPARATOR) {
            out += "-|";
            continue;
        }
        out += std::string(mi.hSubMenu ? ">" : "") + text + (mi.hSubMenu ? "" : "=" + std::to_string(mi.wID));
        out += (mi.fState & MFS_CHECKED) ? "*" : "";
        out += (mi.fState & MFS_GRAYED) ? "~" : "";
        out += "|";
    }
    return out;
}

// Keys for a tracked menu, posted once the menu waits for input.
std::vector<WPARAM> gMenuKeys;
void PressMenuKeys(HWND menuWindow) {
    for (WPARAM vk : gMenuKeys) {
        PostMessageA(menuWindow, WM_KEYDOWN, vk, 0);
        PostMessageA(menuWindow, WM_KEYUP, vk, 0xC0000000);
    }
}

struct Menus : ShellFixture {
    POINT pt = {200, 200};
    void TrackWithKeys(std::initializer_list<WPARAM> keys) {
        gMenuKeys.assign(keys);
        gOwnerMenuIdle = PressMenuKeys;
    }
    void SetSample(int r, int g, int b) {
        gApp.CapturePointInfo.Red = r, gApp.CapturePointInfo.Green = g, gApp.CapturePointInfo.Blue = b;
        gApp.CapturePointInfo.Color = RGB(r, g, b);
    }
};

TEST_F(Menus, ContextMenuShowsItemsChecksAndGreyState) {
    gApp.OsVersionCode = 6;
    HMENU menu = CreateContextMenu();
    ASSERT_NE(nullptr, menu);
    EXPECT_EQ(">拡大率(&Z)|-|カーソル(&C)\tAlt+C=41005*|グリッド(&G)\tAlt+G=41006|"
              "座標情報 (&I)\tAlt+I=41007|-|常に手前に表示(&T)\tAlt+T=41002*|半透明表示 (&A)\tAlt+A=41003|-|"
              "オプション(&O)...\tAlt+O=41008|終了(&X)\tEsc=41001|",
              Describe(menu));
    EXPECT_EQ("1倍(&1)\tNum 1=42001|2倍(&2)\tNum 2=42002*|3倍(&3)\tNum 3=42003|4倍(&4)\tNum 4=42004|"
              "5倍(&5)\tNum 5=42005|6倍(&6)\tNum 6=42006|7倍(&7)\tNum 7=42007|8倍(&8)\tNum 8=42008|"
              "16倍(&9)\tNum 9=42009|32倍(&0)\tNum 0=42010|-|拡大(&U)\tNum +=42011|縮小(&D)\tNum -=42012|",
              Describe(GetSubMenu(menu, 0)));
    DestroyMenu(menu);

    gApp.OsVersionCode = 4;
    gApp.OptionsOpen = 1;
    gSettings.Zoom = 9;
    gSettings.DispCursor = 0;
    gSettings.DispGrid = 1;
    gSettings.WindowTop = 0;
    menu = CreateContextMenu();
    EXPECT_EQ(">拡大率(&Z)|-|カーソル(&C)\tAlt+C=41005|グリッド(&G)\tAlt+G=41006*|"
              "座標情報 (&I)\tAlt+I=41007|-|常に手前に表示(&T)\tAlt+T=41002|-|"
              "オプション(&O)...\tAlt+O=41008~|終了(&X)\tEsc=41001|",
              Describe(menu));
    EXPECT_EQ(std::string::npos, Describe(GetSubMenu(menu, 0)).find('*'));
    DestroyMenu(menu);
}

TEST_F(Menus, ContextMenuRunsTheChosenCommandOrNothing) {
    gApp.OsVersionCode = 6;
    TrackWithKeys({VK_ESCAPE});
    EXPECT_EQ(0, ShowContextMenu(owner, pt));
    EXPECT_EQ(0, CountMessages(WM_COMMAND));
    // Submenu, (separator), cursor, grid.
    TrackWithKeys({VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
    EXPECT_EQ(1, ShowContextMenu(owner, pt));
    EXPECT_EQ(1, CountMessages(WM_COMMAND, CmdGrid));
    EXPECT_EQ(1, gSettings.DispGrid);  // already run when the call returns
}

TEST_F(Menus, CaptureMenuListsEveryKeyWithItsIndexPlusOne) {
    AddBuiltinCopyKeys(&gCopyKeys);
    SetSample(255, 128, 0);
    strcpy(gApp.CapturePointInfo.Text, "A&B");
    HMENU menu = CreateCaptureMenu();
    ASSERT_NE(nullptr, menu);
    EXPECT_EQ(12, gSettings.CopyKeyCount);
    std::string d = Describe(menu);
    EXPECT_NE(std::string::npos, d.find("|-|画像\t0*0=7|画像\t256*256 →グラデーション=8|"
                                        "画像\t256*256 ↓グラデーション=9|画像\t32*32 色反転=10|-|"))
        << d;
    EXPECT_NE(std::string::npos, d.find("=12|")) << d;
    EXPECT_EQ(0u, d.find("テキスト\t#FF8000=1|テキスト\tRGB(255,128,0)=2|")) << d;
    // The menu takes the ampersand as a mnemonic marker, as everywhere.
    EXPECT_NE(std::string::npos, d.find("|テキスト\tA&B=12|")) << d;
    DestroyMenu(menu);

    ClearCopyKeys(&gCopyKeys);
    menu = CreateCaptureMenu();
    ASSERT_NE(nullptr, menu);
    EXPECT_EQ(0, GetMenuItemCount(menu));
    DestroyMenu(menu);
}

TEST_F(Menus, CaptureMenuChoiceCapturesTheMenusSample) {
    AddBuiltinCopyKeys(&gCopyKeys);
    SetSample(255, 0, 16);
    EXPECT_EQ(0, RunCaptureMenuChoice(owner, 0));   // dismissed
    EXPECT_EQ(0, RunCaptureMenuChoice(owner, 13));  // past the list
    EXPECT_EQ(0, gSettings.HistoryCount);
    ASSERT_EQ(1, RunCaptureMenuChoice(owner, 10));  // index 9: inverted 32 x 32
    std::vector<unsigned char> dib = ClipboardDibBytes();
    EXPECT_EQ(32, DibWidth(dib));
    EXPECT_EQ(0x00FFEFu, DibPixelAt(dib, 31, 31));
    EXPECT_EQ(RGB(255, 0, 16), gSettings.HistoryColor[0]);

    // Tracked: down to index 7 (the separator is skipped), the 256 x 256 image.
    SetSample(1, 2, 3);
    TrackWithKeys({VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
    ASSERT_EQ(1, ShowCaptureMenu(owner, pt));
    EXPECT_EQ(256, DibWidth(ClipboardDibBytes()));
    EXPECT_EQ(RGB(1, 2, 3), gSettings.HistoryColor[0]);

    // An empty list tracks an empty menu and captures nothing.
    ClearCopyKeys(&gCopyKeys);
    PutClipboardText("before");
    TrackWithKeys({VK_ESCAPE});
    EXPECT_EQ(0, ShowCaptureMenu(owner, pt));
    EXPECT_EQ("before", ClipboardText());
    EXPECT_EQ(2, gSettings.HistoryCount);
}

}  // namespace
