#include "app/ContextMenuModel.h"

#include "core/CommandIds.h"
#include "core/Translucency.h"

namespace {

struct ZoomPreset {
    const char* text;
    int command;
    int zoom;
};

const ZoomPreset kZoomPresets[] = {
    {"1倍(&1)\tNum 1", CmdZoom1, 1},
    {"2倍(&2)\tNum 2", CmdZoom2, 2},
    {"3倍(&3)\tNum 3", CmdZoom3, 3},
    {"4倍(&4)\tNum 4", CmdZoom4, 4},
    {"5倍(&5)\tNum 5", CmdZoom5, 5},
    {"6倍(&6)\tNum 6", CmdZoom6, 6},
    {"7倍(&7)\tNum 7", CmdZoom7, 7},
    {"8倍(&8)\tNum 8", CmdZoom8, 8},
    {"16倍(&9)\tNum 9", CmdZoom16, 16},
    {"32倍(&0)\tNum 0", CmdZoom32, 32},
};

MenuItemModel StringItem(const char* text, int command, int state) {
    MenuItemModel m = {MenuItemString, text, command, state};
    return m;
}

MenuItemModel Separator() {
    MenuItemModel m = {MenuItemSeparator, nullptr, 0, 0};
    return m;
}

int CheckedWhen(int flag) {
    return flag == 1 ? MenuStateChecked : 0;
}

}  // namespace

int BuildZoomMenuModel(const Settings* s, MenuItemModel* out) {
    int n = 0;
    for (const ZoomPreset& p : kZoomPresets)
        out[n++] = StringItem(p.text, p.command, s->Zoom == p.zoom ? MenuStateChecked : 0);
    out[n++] = Separator();
    out[n++] = StringItem("拡大(&U)\tNum +", CmdZoomIn, 0);
    out[n++] = StringItem("縮小(&D)\tNum -", CmdZoomOut, 0);
    return n;
}

int BuildMainMenuModel(const Settings* s, int osVersionCode, int optionsOpen, MenuItemModel* out) {
    int n = 0;
    MenuItemModel zoom = {MenuItemSubmenu, "拡大率(&Z)", 0, 0};
    out[n++] = zoom;
    out[n++] = Separator();
    out[n++] = StringItem("カーソル(&C)\tAlt+C", CmdCursor, CheckedWhen(s->DispCursor));
    out[n++] = StringItem("グリッド(&G)\tAlt+G", CmdGrid, CheckedWhen(s->DispGrid));
    out[n++] = StringItem("座標情報 (&I)\tAlt+I", CmdInfo, CheckedWhen(s->DispMouseDownInfo));
    out[n++] = Separator();
    out[n++] = StringItem("常に手前に表示(&T)\tAlt+T", CmdAlwaysOnTop, CheckedWhen(s->WindowTop));
    if (TranslucencyAvailable(osVersionCode))
        out[n++] = StringItem("半透明表示 (&A)\tAlt+A", CmdTranslucent, CheckedWhen(s->WindowAlpha));
    out[n++] = Separator();
    out[n++] = StringItem("オプション(&O)...\tAlt+O", CmdOptions, optionsOpen == 1 ? MenuStateGrayed : 0);
    out[n++] = StringItem("終了(&X)\tEsc", CmdExit, 0);
    return n;
}
