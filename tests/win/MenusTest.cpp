// The main context menu and the capture menu as built for the system and
// read back item by item.
#include "ShellFixture.h"
#include "app/ContextMenu.h"
#include "copykey/CaptureMenu.h"

// "text=id" per item ("-" for a separator, ">" and no id for a submenu),
// "*" when checked, "~" when grey, each followed by "|".
static std::string Describe(HMENU menu) {
    std::string out;
    for (int i = 0; i < GetMenuItemCount(menu); i++) {
        char text[256] = {};
        GetMenuStringA(menu, i, text, sizeof(text), MF_BYPOSITION);
        UINT state = GetMenuState(menu, i, MF_BYPOSITION), id = GetMenuItemID(menu, i);
        if (id == (UINT)-1)  // a submenu; the state's high byte is its item count
            out += ">" + std::string(text) + "|";
        else if (state & MF_SEPARATOR)  // reported grey by the system
            out += "-|";
        else
            out += text + ("=" + std::to_string(id)) + (state & MF_CHECKED ? "*" : "") + (state & MF_GRAYED ? "~" : "") + "|";
    }
    return out;
}

using Menus = ShellFixture;

TEST_F(Menus, ContextMenuShowsItemsChecksAndGreyState) {
    gApp.OsVersionCode = 5, gSettings.WindowAlpha = 1;
    HMENU menu = CreateContextMenu();
    EXPECT_EQ(">拡大率(&Z)|-|カーソル(&C)\tAlt+C=41005*|グリッド(&G)\tAlt+G=41006|"
              "座標情報 (&I)\tAlt+I=41007|-|常に手前に表示(&T)\tAlt+T=41002*|半透明表示 (&A)\tAlt+A=41003*|-|"
              "オプション(&O)...\tAlt+O=41008|終了(&X)\tEsc=41001|",
              Describe(menu));
    EXPECT_EQ("1倍(&1)\tNum 1=42001|2倍(&2)\tNum 2=42002*|3倍(&3)\tNum 3=42003|4倍(&4)\tNum 4=42004|"
              "5倍(&5)\tNum 5=42005|6倍(&6)\tNum 6=42006|7倍(&7)\tNum 7=42007|8倍(&8)\tNum 8=42008|"
              "16倍(&9)\tNum 9=42009|32倍(&0)\tNum 0=42010|-|拡大(&U)\tNum +=42011|縮小(&D)\tNum -=42012|",
              Describe(GetSubMenu(menu, 0)));
    DestroyMenu(menu);

    // Before Windows 2000 there is no translucency item; Options greys while open.
    gApp.OsVersionCode = 4, gApp.OptionsOpen = 1;
    gSettings.DispCursor = 0, gSettings.DispGrid = 1, gSettings.DispMouseDownInfo = 1;
    gSettings.WindowTop = 2, gSettings.Zoom = 9;  // only exactly 1 counts as on; 9 has no preset
    menu = CreateContextMenu();
    EXPECT_EQ(">拡大率(&Z)|-|カーソル(&C)\tAlt+C=41005|グリッド(&G)\tAlt+G=41006*|"
              "座標情報 (&I)\tAlt+I=41007*|-|常に手前に表示(&T)\tAlt+T=41002|-|"
              "オプション(&O)...\tAlt+O=41008~|終了(&X)\tEsc=41001|",
              Describe(menu));
    EXPECT_EQ(std::string::npos, Describe(GetSubMenu(menu, 0)).find('*'));
    DestroyMenu(menu);
}

TEST_F(Menus, CaptureMenuListsEveryKeyOverTheSampleWithItsIndexPlusOne) {
    AddKey(CopyKindText, 1, "#[HEX02R][HEX02G][HEX02B]");
    AddKey(CopyKindSeparator, 1);
    AddKey(CopyKindImage, 4);
    gApp.CapturePointInfo.Red = 255, gApp.CapturePointInfo.Green = 128, gApp.CapturePointInfo.Blue = 0;
    HMENU menu = CreateCaptureMenu();
    EXPECT_EQ("テキスト\t#FF8000=1|-|画像\t4*1=3|", Describe(menu));
    DestroyMenu(menu);
}
