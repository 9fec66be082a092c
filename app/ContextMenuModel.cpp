#include "app/ContextMenuModel.h"

#include <stdio.h>

#include "copykey/KeyBindings.h"
#include "core/CommandIds.h"
#include "core/SampleSize.h"
#include "core/Translucency.h"
#include "core/Zoom.h"

namespace {

// The item's name, then a tab and the key that runs its command without
// the menu, as the accelerator table has it, when there is one.
MenuItemModel StringItem(const char* name, int command, int state) {
    MenuItemModel m = {MenuItemString, "", command, state};
    char key[AccelLabelSize];
    if (FormatAccelLabel(command, key) > 0)
        snprintf(m.Text, sizeof(m.Text), "%s\t%s", name, key);
    else
        snprintf(m.Text, sizeof(m.Text), "%s", name);
    return m;
}

MenuItemModel SubmenuItem(const char* name, int submenu) {
    MenuItemModel m = {MenuItemSubmenu, "", submenu, 0};
    snprintf(m.Text, sizeof(m.Text), "%s", name);
    return m;
}

MenuItemModel Separator() {
    MenuItemModel m = {MenuItemSeparator, "", 0, 0};
    return m;
}

int CheckedWhen(int flag) {
    return flag == 1 ? MenuStateChecked : 0;
}

}  // namespace

int BuildZoomMenuModel(const Settings* s, MenuItemModel* out) {
    int n = 0;
    for (int i = 0; i < ZoomPresetCount; i++) {
        // The mnemonic is the preset's Num key: 16x sits on 9, 32x on 0.
        char name[32];
        snprintf(name, sizeof(name), "%d倍(&%d)", ZoomPresets[i], (i + 1) % 10);
        out[n++] = StringItem(name, CmdZoom1 + i, s->Zoom == ZoomPresets[i] ? MenuStateChecked : 0);
    }
    out[n++] = Separator();
    out[n++] = StringItem("拡大(&U)", CmdZoomIn, 0);
    out[n++] = StringItem("縮小(&D)", CmdZoomOut, 0);
    return n;
}

int BuildSampleSizeMenuModel(const Settings* s, MenuItemModel* out) {
    int n = 0;
    for (int i = 0; i < SampleSizeCount; i++) {
        char name[SampleSizeLabelSize];
        FormatSampleSizeLabel(SampleSizes[i], name);
        int checked = s->SampleSize == SampleSizes[i] ? MenuStateChecked : 0;
        out[n++] = StringItem(name, CmdSampleSize1 + i, MenuStateRadio | checked);
    }
    return n;
}

int BuildMainMenuModel(const Settings* s, int osVersionCode, int optionsOpen, MenuItemModel* out) {
    int n = 0;
    out[n++] = SubmenuItem("拡大率(&Z)", SubmenuZoom);
    out[n++] = SubmenuItem("取得範囲(&A)", SubmenuSampleSize);
    out[n++] = Separator();
    out[n++] = StringItem("カーソル(&C)", CmdCursor, CheckedWhen(s->DispCursor));
    out[n++] = StringItem("グリッド(&G)", CmdGrid, CheckedWhen(s->DispGrid));
    out[n++] = StringItem("座標情報 (&I)", CmdInfo, CheckedWhen(s->DispMouseDownInfo));
    out[n++] = Separator();
    out[n++] = StringItem("常に手前に表示(&T)", CmdAlwaysOnTop, CheckedWhen(s->WindowTop));
    if (TranslucencyAvailable(osVersionCode))
        out[n++] = StringItem("半透明表示 (&A)", CmdTranslucent, CheckedWhen(s->WindowAlpha));
    out[n++] = Separator();
    out[n++] = StringItem("オプション(&O)...", CmdOptions, optionsOpen == 1 ? MenuStateGrayed : 0);
    out[n++] = StringItem("終了(&X)", CmdExit, 0);
    return n;
}
