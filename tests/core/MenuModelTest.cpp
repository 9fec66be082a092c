// The main context menu and the capture menu as data: texts, commands,
// check marks, grey state, and the preview labels of the capture keys.
#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "app/BuiltinCopyKeys.h"
#include "app/CommandIds.h"
#include "app/ContextMenuModel.h"
#include "copykey/CaptureMenuLabel.h"
#include "template/Template.h"

namespace {

struct MenuFixture : ::testing::Test {
    Settings s;
    MenuItemModel main[MainMenuMaxItems];
    MenuItemModel zoom[ZoomMenuItemCount];
    void SetUp() override { SetDefaultSettings(&s); }
    // Commands of the checked zoom items.
    std::string CheckedZooms() {
        int n = BuildZoomMenuModel(&s, zoom);
        std::string out;
        for (int i = 0; i < n; i++)
            if (zoom[i].State & MenuStateChecked)
                out += std::to_string(zoom[i].Command) + " ";
        return out;
    }
};

TEST_F(MenuFixture, ZoomSubmenuListsPresetsThenSteps) {
    ASSERT_EQ(13, BuildZoomMenuModel(&s, zoom));
    const char* texts[] = {"1倍(&1)\tNum 1", "2倍(&2)\tNum 2", "3倍(&3)\tNum 3",
                           "4倍(&4)\tNum 4", "5倍(&5)\tNum 5", "6倍(&6)\tNum 6",
                           "7倍(&7)\tNum 7", "8倍(&8)\tNum 8", "16倍(&9)\tNum 9",
                           "32倍(&0)\tNum 0"};
    for (int i = 0; i < 10; i++) {
        EXPECT_EQ(MenuItemString, zoom[i].Kind);
        EXPECT_STREQ(texts[i], zoom[i].Text);
        EXPECT_EQ(CmdZoom1 + i, zoom[i].Command);
    }
    EXPECT_EQ(MenuItemSeparator, zoom[10].Kind);
    EXPECT_STREQ("拡大(&U)\tNum +", zoom[11].Text);
    EXPECT_EQ(CmdZoomIn, zoom[11].Command);
    EXPECT_STREQ("縮小(&D)\tNum -", zoom[12].Text);
    EXPECT_EQ(CmdZoomOut, zoom[12].Command);
    for (int i = 0; i < 13; i++)
        EXPECT_EQ(0, zoom[i].State & MenuStateGrayed);
}

TEST_F(MenuFixture, ZoomCheckMarkFollowsTheFactor) {
    EXPECT_EQ("42002 ", CheckedZooms());  // the default 2
    s.Zoom = 16;
    EXPECT_EQ("42009 ", CheckedZooms());
    s.Zoom = 32;
    EXPECT_EQ("42010 ", CheckedZooms());
    s.Zoom = 9;  // reachable by the wheel, no preset
    EXPECT_EQ("", CheckedZooms());
    s.Zoom = 13;
    EXPECT_EQ("", CheckedZooms());
}

TEST_F(MenuFixture, MainMenuWithTranslucency) {
    ASSERT_EQ(11, BuildMainMenuModel(&s, 5, 0, main));
    EXPECT_EQ(MenuItemSubmenu, main[0].Kind);
    EXPECT_STREQ("拡大率(&Z)", main[0].Text);
    EXPECT_EQ(MenuItemSeparator, main[1].Kind);
    EXPECT_STREQ("カーソル(&C)\tAlt+C", main[2].Text);
    EXPECT_EQ(CmdCursor, main[2].Command);
    EXPECT_STREQ("グリッド(&G)\tAlt+G", main[3].Text);
    EXPECT_EQ(CmdGrid, main[3].Command);
    EXPECT_STREQ("座標情報 (&I)\tAlt+I", main[4].Text);
    EXPECT_EQ(CmdInfo, main[4].Command);
    EXPECT_EQ(MenuItemSeparator, main[5].Kind);
    EXPECT_STREQ("常に手前に表示(&T)\tAlt+T", main[6].Text);
    EXPECT_EQ(CmdAlwaysOnTop, main[6].Command);
    EXPECT_STREQ("半透明表示 (&A)\tAlt+A", main[7].Text);
    EXPECT_EQ(CmdTranslucent, main[7].Command);
    EXPECT_EQ(MenuItemSeparator, main[8].Kind);
    EXPECT_STREQ("オプション(&O)...\tAlt+O", main[9].Text);
    EXPECT_EQ(CmdOptions, main[9].Command);
    EXPECT_STREQ("終了(&X)\tEsc", main[10].Text);
    EXPECT_EQ(CmdExit, main[10].Command);
}

TEST_F(MenuFixture, OldSystemsHaveNoTranslucencyItem) {
    for (int os : {0, 1, 4}) {
        ASSERT_EQ(10, BuildMainMenuModel(&s, os, 0, main)) << os;
        EXPECT_EQ(MenuItemSeparator, main[5].Kind);
        EXPECT_EQ(CmdAlwaysOnTop, main[6].Command);
        EXPECT_EQ(MenuItemSeparator, main[7].Kind);
        EXPECT_EQ(CmdOptions, main[8].Command);
        for (int i = 0; i < 10; i++)
            EXPECT_NE(CmdTranslucent, main[i].Command);
    }
    EXPECT_EQ(11, BuildMainMenuModel(&s, 8, 0, main));
}

TEST_F(MenuFixture, CheckMarksFollowTheFlags) {
    // Defaults: cursor on, grid off, panel off, on top on, translucent off.
    BuildMainMenuModel(&s, 6, 0, main);
    EXPECT_EQ(MenuStateChecked, main[2].State);
    EXPECT_EQ(0, main[3].State);
    EXPECT_EQ(0, main[4].State);
    EXPECT_EQ(MenuStateChecked, main[6].State);
    EXPECT_EQ(0, main[7].State);

    s.DispCursor = 0;
    s.DispGrid = 1;
    s.DispMouseDownInfo = 1;
    s.WindowTop = 2;  // only exactly 1 counts as on
    s.WindowAlpha = 1;
    BuildMainMenuModel(&s, 6, 0, main);
    EXPECT_EQ(0, main[2].State);
    EXPECT_EQ(MenuStateChecked, main[3].State);
    EXPECT_EQ(MenuStateChecked, main[4].State);
    EXPECT_EQ(0, main[6].State);
    EXPECT_EQ(MenuStateChecked, main[7].State);
    // No other item ever carries a state.
    for (int i : {0, 9, 10})
        EXPECT_EQ(0, main[i].State) << i;
}

TEST_F(MenuFixture, OptionsIsGreyedOnlyWhileTheSheetIsOpen) {
    BuildMainMenuModel(&s, 6, 1, main);
    EXPECT_EQ(MenuStateGrayed, main[9].State);
    for (int i = 0; i < 11; i++)
        if (i != 9)
            EXPECT_EQ(0, main[i].State & MenuStateGrayed) << i;
    BuildMainMenuModel(&s, 6, 0, main);
    EXPECT_EQ(0, main[9].State);
}

CopyKey ImageKey(int w, int h, int invert, int gradient) {
    CopyKey k;
    InitCopyKey(&k);
    k.Kind = CopyKindImage;
    k.Width = w;
    k.Height = h;
    k.Invert = invert;
    k.Gradient = gradient;
    return k;
}

std::string Label(const CopyKey& k, const PointInfo& info, int* isString = nullptr) {
    char out[CaptureLabelSize];
    int r = FormatCaptureMenuLabel(&k, &info, out);
    if (isString)
        *isString = r;
    return out;
}

struct CaptureLabelFixture : ::testing::Test {
    PointInfo info;
    void SetUp() override { ResetPointInfoFields(&info, nullptr); }
};

TEST_F(CaptureLabelFixture, ImageKeysShowSizeAndOptions) {
    EXPECT_EQ("画像\t32*32", Label(ImageKey(32, 32, 0, 0), info));
    EXPECT_EQ("画像\t256*256 色反転 ←グラデーション", Label(ImageKey(256, 256, 1, 2), info));
    EXPECT_EQ("画像\t4*8 →グラデーション", Label(ImageKey(4, 8, 0, 1), info));
    EXPECT_EQ("画像\t4*8 ↓グラデーション", Label(ImageKey(4, 8, 0, 3), info));
    EXPECT_EQ("画像\t4*8 色反転 ↑グラデーション", Label(ImageKey(4, 8, 1, 4), info));
    // Other gradient and invert values add nothing.
    EXPECT_EQ("画像\t0*0", Label(ImageKey(0, 0, 2, 5), info));
    EXPECT_EQ("画像\t-3*7", Label(ImageKey(-3, 7, 0, -1), info));
}

TEST_F(CaptureLabelFixture, SeparatorsAndUnknownKindsAreSeparatorLines) {
    CopyKey k = ImageKey(1, 1, 0, 0);
    for (int kind : {(int)CopyKindSeparator, 3, -1}) {
        k.Kind = kind;
        int isString = 1;
        EXPECT_EQ("", Label(k, info, &isString));
        EXPECT_EQ(0, isString);
    }
    k.Kind = CopyKindImage;
    int isString = 0;
    Label(k, info, &isString);
    EXPECT_EQ(1, isString);
}

// Text previews need the template expander.
bool TemplatesExpand() {
    PointInfo info;
    ResetPointInfoFields(&info, nullptr);
    char probe[16];
    ExpandTemplate(probe, "x", sizeof(probe), &info);
    return strcmp(probe, "x") == 0;
}

TEST_F(CaptureLabelFixture, TextKeysPreviewTheirExpansion) {
    if (!TemplatesExpand())
        GTEST_SKIP() << "template expansion is not built in this tree";
    CopyKeyList list = nullptr;
    AddBuiltinCopyKeys(&list);
    CopyKey first;
    ASSERT_EQ(1, GetCopyKey(&list, 0, &first));
    ClearCopyKeys(&list);
    info.Red = 255;
    info.Green = 128;
    info.Blue = 0;
    info.Color = MakeColor(255, 128, 0);
    int isString = 0;
    EXPECT_EQ("テキスト\t#FF8000", Label(first, info, &isString));
    EXPECT_EQ(1, isString);
}

TEST_F(CaptureLabelFixture, TextPreviewIsExpandedWithCapacity128) {
    if (!TemplatesExpand())
        GTEST_SKIP() << "template expansion is not built in this tree";
    CopyKey k;
    InitCopyKey(&k);
    k.Kind = CopyKindText;
    memset(k.Format, 'a', 200);
    k.Format[200] = 0;
    // 124 letters, then the marker: 127 bytes and the terminator.
    EXPECT_EQ("テキスト\t" + std::string(124, 'a') + "...", Label(k, info));
    k.Format[5] = 0;
    EXPECT_EQ("テキスト\taaaaa", Label(k, info));
}

}  // namespace
