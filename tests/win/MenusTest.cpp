// The main context menu and the capture menu as built for the system:
// items, identifiers, check marks and grey state read back, and choices
// made in a tracked menu.
#include <string.h>

#include <string>

#include "ShellFixture.h"
#include "app/BuiltinCopyKeys.h"
#include "app/CommandIds.h"
#include "app/ContextMenu.h"
#include "copykey/CaptureMenu.h"

namespace {

struct Item {
    std::string text;
    UINT id = 0;
    UINT type = 0;
    UINT state = 0;
    HMENU sub = nullptr;
};

Item ReadItem(HMENU menu, int pos) {
    char text[256] = {};
    MENUITEMINFOA mi = {};
    mi.cbSize = sizeof(mi);
    mi.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    mi.dwTypeData = text;
    mi.cch = sizeof(text);
    Item it;
    EXPECT_TRUE(GetMenuItemInfoA(menu, pos, TRUE, &mi)) << pos;
    it.text = text;
    it.id = mi.wID;
    it.type = mi.fType;
    it.state = mi.fState;
    it.sub = mi.hSubMenu;
    return it;
}

bool Checked(const Item& it) {
    return (it.state & MFS_CHECKED) != 0;
}
bool Grayed(const Item& it) {
    return (it.state & MFS_GRAYED) != 0;
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
    void TrackWithKeys(std::initializer_list<WPARAM> keys) {
        gMenuKeys.assign(keys);
        gOwnerMenuIdle = PressMenuKeys;
    }
};

TEST_F(Menus, ContextMenuHasItsItemsInOrder) {
    gApp.OsVersionCode = 6;
    HMENU menu = CreateContextMenu();
    ASSERT_NE(nullptr, menu);
    ASSERT_EQ(11, GetMenuItemCount(menu));
    const char* texts[] = {"拡大率(&Z)", "", "カーソル(&C)\tAlt+C", "グリッド(&G)\tAlt+G",
                           "座標情報 (&I)\tAlt+I", "", "常に手前に表示(&T)\tAlt+T",
                           "半透明表示 (&A)\tAlt+A", "", "オプション(&O)...\tAlt+O", "終了(&X)\tEsc"};
    const UINT ids[] = {0, 0, CmdCursor, CmdGrid, CmdInfo, 0, CmdAlwaysOnTop, CmdTranslucent, 0,
                        CmdOptions, CmdExit};
    for (int i = 0; i < 11; i++) {
        Item it = ReadItem(menu, i);
        if (texts[i][0] == 0) {
            EXPECT_TRUE(it.type & MFT_SEPARATOR) << i;
            continue;
        }
        EXPECT_EQ(texts[i], it.text) << i;
        if (i > 0)
            EXPECT_EQ(ids[i], it.id) << i;
        EXPECT_FALSE(Grayed(it)) << i;
    }
    HMENU zoom = GetSubMenu(menu, 0);
    ASSERT_NE(nullptr, zoom);
    ASSERT_EQ(13, GetMenuItemCount(zoom));
    EXPECT_EQ("16倍(&9)\tNum 9", ReadItem(zoom, 8).text);
    EXPECT_EQ((UINT)CmdZoom16, ReadItem(zoom, 8).id);
    EXPECT_TRUE(ReadItem(zoom, 10).type & MFT_SEPARATOR);
    EXPECT_EQ("縮小(&D)\tNum -", ReadItem(zoom, 12).text);
    EXPECT_EQ((UINT)CmdZoomOut, ReadItem(zoom, 12).id);
    DestroyMenu(menu);
}

TEST_F(Menus, ContextMenuChecksTheCurrentState) {
    gApp.OsVersionCode = 6;
    gSettings.Zoom = 32;
    gSettings.DispCursor = 0;
    gSettings.DispGrid = 1;
    gSettings.DispMouseDownInfo = 1;
    gSettings.WindowTop = 0;
    gSettings.WindowAlpha = 1;
    HMENU menu = CreateContextMenu();
    ASSERT_NE(nullptr, menu);
    EXPECT_FALSE(Checked(ReadItem(menu, 2)));
    EXPECT_TRUE(Checked(ReadItem(menu, 3)));
    EXPECT_TRUE(Checked(ReadItem(menu, 4)));
    EXPECT_FALSE(Checked(ReadItem(menu, 6)));
    EXPECT_TRUE(Checked(ReadItem(menu, 7)));
    EXPECT_FALSE(Checked(ReadItem(menu, 9)));
    HMENU zoom = GetSubMenu(menu, 0);
    for (int i = 0; i < 13; i++)
        EXPECT_EQ(i == 9, Checked(ReadItem(zoom, i))) << i;
    DestroyMenu(menu);

    gSettings.Zoom = 9;
    menu = CreateContextMenu();
    zoom = GetSubMenu(menu, 0);
    for (int i = 0; i < 13; i++)
        EXPECT_FALSE(Checked(ReadItem(zoom, i))) << i;
    DestroyMenu(menu);
}

TEST_F(Menus, OptionsGreyedWhileOpenAndNoTranslucencyOnOldSystems) {
    gApp.OsVersionCode = 4;
    gApp.OptionsOpen = 1;
    HMENU menu = CreateContextMenu();
    ASSERT_NE(nullptr, menu);
    ASSERT_EQ(10, GetMenuItemCount(menu));
    EXPECT_TRUE(ReadItem(menu, 5).type & MFT_SEPARATOR);
    EXPECT_EQ((UINT)CmdAlwaysOnTop, ReadItem(menu, 6).id);
    EXPECT_TRUE(ReadItem(menu, 7).type & MFT_SEPARATOR);
    Item options = ReadItem(menu, 8);
    EXPECT_EQ((UINT)CmdOptions, options.id);
    EXPECT_TRUE(Grayed(options));
    EXPECT_FALSE(Grayed(ReadItem(menu, 9)));
    DestroyMenu(menu);
}

TEST_F(Menus, ChoosingAContextMenuItemRunsItsCommand) {
    gApp.OsVersionCode = 6;
    ASSERT_EQ(0, gSettings.DispGrid);
    // Submenu, separator skipped, cursor, grid.
    TrackWithKeys({VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
    POINT pt = {200, 200};
    EXPECT_EQ(1, ShowContextMenu(owner, pt));
    EXPECT_EQ(1, CountMessages(WM_COMMAND, CmdGrid));
    EXPECT_EQ(1, gSettings.DispGrid);
}

TEST_F(Menus, DismissedContextMenuRunsNothing) {
    TrackWithKeys({VK_ESCAPE});
    POINT pt = {200, 200};
    EXPECT_EQ(0, ShowContextMenu(owner, pt));
    EXPECT_EQ(0, CountMessages(WM_COMMAND));
}

TEST_F(Menus, CaptureMenuListsTheKeysWithTheirIdentifiers) {
    AddBuiltinCopyKeys(&gCopyKeys);
    HMENU menu = CreateCaptureMenu();
    ASSERT_NE(nullptr, menu);
    EXPECT_EQ(12, gSettings.CopyKeyCount);
    ASSERT_EQ(12, GetMenuItemCount(menu));
    for (int i = 0; i < 12; i++) {
        Item it = ReadItem(menu, i);
        if (i == 5 || i == 10) {
            EXPECT_TRUE(it.type & MFT_SEPARATOR) << i;
            continue;
        }
        EXPECT_EQ((UINT)(i + 1), it.id) << i;
        EXPECT_EQ(0u, it.state & (MFS_CHECKED | MFS_GRAYED)) << i;
        EXPECT_EQ(i < 5 || i == 11 ? "テキスト\t" : "画像\t", it.text.substr(0, it.text.find('\t') + 1))
            << i;
    }
    EXPECT_EQ("画像\t0*0", ReadItem(menu, 6).text);
    EXPECT_EQ("画像\t256*256 →グラデーション", ReadItem(menu, 7).text);
    EXPECT_EQ("画像\t256*256 ↓グラデーション", ReadItem(menu, 8).text);
    EXPECT_EQ("画像\t32*32 色反転", ReadItem(menu, 9).text);
    DestroyMenu(menu);
}

TEST_F(Menus, CaptureMenuPreviewsTextOverTheSample) {
    if (!TemplatesExpand())
        GTEST_SKIP() << "template expansion is not built in this tree";
    AddBuiltinCopyKeys(&gCopyKeys);
    gApp.CapturePointInfo.Red = 255;
    gApp.CapturePointInfo.Green = 128;
    gApp.CapturePointInfo.Blue = 0;
    gApp.CapturePointInfo.Color = RGB(255, 128, 0);
    strcpy(gApp.CapturePointInfo.Text, "A&B");
    HMENU menu = CreateCaptureMenu();
    ASSERT_NE(nullptr, menu);
    EXPECT_EQ("テキスト\t#FF8000", ReadItem(menu, 0).text);
    EXPECT_EQ("テキスト\tRGB(255,128,0)", ReadItem(menu, 1).text);
    EXPECT_EQ("テキスト\tA&B", ReadItem(menu, 11).text);
    DestroyMenu(menu);
}

TEST_F(Menus, EmptyListGivesAnEmptyMenu) {
    HMENU menu = CreateCaptureMenu();
    ASSERT_NE(nullptr, menu);
    EXPECT_EQ(0, GetMenuItemCount(menu));
    DestroyMenu(menu);
    TrackWithKeys({VK_ESCAPE});
    POINT pt = {200, 200};
    PutClipboardText("before");
    EXPECT_EQ(0, ShowCaptureMenu(owner, pt));
    EXPECT_EQ("before", ClipboardText());
    EXPECT_EQ(0, gSettings.HistoryCount);
}

TEST_F(Menus, ChosenEntryCapturesTheMenusSample) {
    AddBuiltinCopyKeys(&gCopyKeys);
    gApp.CapturePointInfo.Red = 255;
    gApp.CapturePointInfo.Green = 0;
    gApp.CapturePointInfo.Blue = 16;
    gApp.CapturePointInfo.Color = RGB(255, 0, 16);
    EXPECT_EQ(0, RunCaptureMenuChoice(owner, 0));   // dismissed
    EXPECT_EQ(0, RunCaptureMenuChoice(owner, 13));  // past the list
    EXPECT_EQ(0, gSettings.HistoryCount);
    // Entry 10 is index 9, the inverted 32 x 32 image.
    ASSERT_EQ(1, RunCaptureMenuChoice(owner, 10));
    std::vector<unsigned char> dib = ClipboardDibBytes();
    ASSERT_GE(dib.size(), 40u + 32 * 32 * 4);
    EXPECT_EQ(32, dib[4]);
    EXPECT_EQ(0x00FFEFu, DibPixelAt(dib, 31, 31));
    EXPECT_EQ(RGB(255, 0, 16), gSettings.HistoryColor[0]);
}

TEST_F(Menus, CaptureMenuTrackedWithKeys) {
    AddBuiltinCopyKeys(&gCopyKeys);
    gApp.CapturePointInfo.Red = 1;
    gApp.CapturePointInfo.Green = 2;
    gApp.CapturePointInfo.Blue = 3;
    gApp.CapturePointInfo.Color = RGB(1, 2, 3);
    // Down to index 7 (the separator at 5 is skipped): the 256 x 256 gradient.
    TrackWithKeys({VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
    POINT pt = {100, 100};
    ASSERT_EQ(1, ShowCaptureMenu(owner, pt));
    std::vector<unsigned char> dib = ClipboardDibBytes();
    ASSERT_GE(dib.size(), 40u);
    EXPECT_EQ(0, dib[4]);
    EXPECT_EQ(1, dib[5]);  // 256 wide
    EXPECT_EQ(RGB(1, 2, 3), gSettings.HistoryColor[0]);
}

}  // namespace
