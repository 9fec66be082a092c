// The main context menu and the capture menu as data: texts, commands,
// check marks, grey state, and the capture keys' labels.
#include <gtest/gtest.h>

#include <string.h>

#include <algorithm>
#include <string>

#include "app/BuiltinCopyKeys.h"
#include "app/CommandIds.h"
#include "app/ContextMenuModel.h"
#include "copykey/CaptureMenuLabel.h"
#include "template/Template.h"

namespace {

// "text=command" for strings, "-" for separators, ">" for the submenu; a
// trailing "*" for a check mark and "~" for grey.
std::string Describe(const MenuItemModel* items, int n) {
    std::string out;
    for (int i = 0; i < n; i++) {
        const MenuItemModel& m = items[i];
        if (m.Kind == MenuItemSeparator)
            out += "-";
        else
            out += std::string(m.Kind == MenuItemSubmenu ? ">" : "") + m.Text + "=" + std::to_string(m.Command);
        out += (m.State & MenuStateChecked) ? "*" : "";
        out += (m.State & MenuStateGrayed) ? "~" : "";
        out += "|";
    }
    return out;
}

std::string MainMenu(const Settings& s, int os, int optionsOpen) {
    MenuItemModel items[MainMenuMaxItems];
    return Describe(items, BuildMainMenuModel(&s, os, optionsOpen, items));
}

std::string ZoomMenu(const Settings& s) {
    MenuItemModel items[ZoomMenuItemCount];
    return Describe(items, BuildZoomMenuModel(&s, items));
}

TEST(ContextMenuModel, ZoomSubmenuChecksOnlyAPresetFactor) {
    Settings s;
    SetDefaultSettings(&s);
    EXPECT_EQ("1倍(&1)\tNum 1=42001|2倍(&2)\tNum 2=42002*|3倍(&3)\tNum 3=42003|4倍(&4)\tNum 4=42004|"
              "5倍(&5)\tNum 5=42005|6倍(&6)\tNum 6=42006|7倍(&7)\tNum 7=42007|8倍(&8)\tNum 8=42008|"
              "16倍(&9)\tNum 9=42009|32倍(&0)\tNum 0=42010|-|拡大(&U)\tNum +=42011|縮小(&D)\tNum -=42012|",
              ZoomMenu(s));
    s.Zoom = 16;
    std::string m = ZoomMenu(s);
    EXPECT_NE(std::string::npos, m.find("Num 9=42009*|"));
    EXPECT_EQ(1, std::count(m.begin(), m.end(), '*'));
    for (int unchecked : {9, 13}) {  // reachable by the wheel, no preset
        s.Zoom = unchecked;
        EXPECT_EQ(std::string::npos, ZoomMenu(s).find('*')) << unchecked;
    }
}

TEST(ContextMenuModel, MainMenuFollowsTheSettings) {
    Settings s;
    SetDefaultSettings(&s);
    EXPECT_EQ(">拡大率(&Z)=0|-|カーソル(&C)\tAlt+C=41005*|グリッド(&G)\tAlt+G=41006|"
              "座標情報 (&I)\tAlt+I=41007|-|常に手前に表示(&T)\tAlt+T=41002*|半透明表示 (&A)\tAlt+A=41003|-|"
              "オプション(&O)...\tAlt+O=41008|終了(&X)\tEsc=41001|",
              MainMenu(s, 5, 0));
    s.DispCursor = 0;
    s.DispGrid = 1;
    s.DispMouseDownInfo = 1;
    s.WindowTop = 2;  // only exactly 1 counts as on
    s.WindowAlpha = 1;
    // Before Windows 2000 there is no translucency item; Options greys while open.
    EXPECT_EQ(">拡大率(&Z)=0|-|カーソル(&C)\tAlt+C=41005|グリッド(&G)\tAlt+G=41006*|"
              "座標情報 (&I)\tAlt+I=41007*|-|常に手前に表示(&T)\tAlt+T=41002|-|"
              "オプション(&O)...\tAlt+O=41008~|終了(&X)\tEsc=41001|",
              MainMenu(s, 4, 1));
    EXPECT_NE(std::string::npos, MainMenu(s, 8, 0).find("半透明表示 (&A)\tAlt+A=41003*|"));
}

std::string Label(const CopyKey& k, int* isString = nullptr) {
    PointInfo info;
    ResetPointInfoFields(&info, nullptr);
    info.Red = 255, info.Green = 128, info.Blue = 0;
    info.Color = MakeColor(255, 128, 0);
    char out[CaptureLabelSize];
    int r = FormatCaptureMenuLabel(&k, &info, out);
    if (isString)
        *isString = r;
    return out;
}

CopyKey Key(int kind, int w, int h, int invert, int gradient) {
    CopyKey k;
    InitCopyKey(&k);
    k.Kind = kind, k.Width = w, k.Height = h, k.Invert = invert, k.Gradient = gradient;
    return k;
}

TEST(CaptureMenuLabel, ImageKeysShowSizeAndOptionsSeparatorsNothing) {
    EXPECT_EQ("画像\t32*32", Label(Key(CopyKindImage, 32, 32, 0, 0)));
    EXPECT_EQ("画像\t256*256 色反転 ←グラデーション", Label(Key(CopyKindImage, 256, 256, 1, 2)));
    EXPECT_EQ("画像\t4*8 →グラデーション", Label(Key(CopyKindImage, 4, 8, 0, 1)));
    EXPECT_EQ("画像\t4*8 ↓グラデーション", Label(Key(CopyKindImage, 4, 8, 0, 3)));
    EXPECT_EQ("画像\t4*8 色反転 ↑グラデーション", Label(Key(CopyKindImage, 4, 8, 1, 4)));
    EXPECT_EQ("画像\t0*0", Label(Key(CopyKindImage, 0, 0, 2, 5)));  // other values add nothing
    for (int kind : {(int)CopyKindSeparator, 3, -1}) {
        int isString = 1;
        EXPECT_EQ("", Label(Key(kind, 1, 1, 0, 0), &isString));
        EXPECT_EQ(0, isString);
    }
}

TEST(CaptureMenuLabel, TextKeysPreviewTheirExpansionWithCapacity128) {
    CopyKeyList list = nullptr;
    AddBuiltinCopyKeys(&list);
    CopyKey first;
    ASSERT_EQ(1, GetCopyKey(&list, 0, &first));
    ClearCopyKeys(&list);
    int isString = 0;
    EXPECT_EQ("テキスト\t#FF8000", Label(first, &isString));
    EXPECT_EQ(1, isString);
    // 124 letters and the marker: 127 bytes and the terminator.
    CopyKey k = Key(CopyKindText, 0, 0, 0, 0);
    memset(k.Format, 'a', 200);
    k.Format[200] = 0;
    EXPECT_EQ("テキスト\t" + std::string(124, 'a') + "...", Label(k));
}

}  // namespace
