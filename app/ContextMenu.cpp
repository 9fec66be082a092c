#include "app/ContextMenu.h"

#include "platform/AppState.h"
#include "app/ContextMenuModel.h"
#include "platform/PopupMenu.h"

static UINT MenuFlagsOf(const MenuItemModel& item) {
    if (item.Kind == MenuItemSeparator)
        return MF_SEPARATOR;
    UINT flags = item.Kind == MenuItemSubmenu ? MF_POPUP : MF_STRING;
    if (item.State & MenuStateChecked)
        flags |= MF_CHECKED;
    if (item.State & MenuStateGrayed)
        flags |= MF_GRAYED;
    return flags;
}

// A radio item shows its check as a dot; AppendMenu has no flag for that.
static void MakeRadioItem(HMENU menu, int command) {
    MENUITEMINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE;
    info.fType = MFT_STRING | MFT_RADIOCHECK;
    SetMenuItemInfoA(menu, (UINT)command, FALSE, &info);
}

static void AppendModelItems(HMENU menu, const MenuItemModel* items, int count,
                             const HMENU* submenus) {
    for (int i = 0; i < count; i++) {
        const MenuItemModel& item = items[i];
        UINT_PTR id = item.Kind == MenuItemSubmenu ? (UINT_PTR)submenus[item.Command]
                                                   : (UINT_PTR)item.Command;
        AppendMenuA(menu, MenuFlagsOf(item), id, item.Kind == MenuItemSeparator ? nullptr : item.Text);
        if (item.Kind == MenuItemString && (item.State & MenuStateRadio))
            MakeRadioItem(menu, item.Command);
    }
}

// The submenus, each filled from its model; 0 (and none left) when one
// cannot be made.
static int CreateSubmenus(HMENU submenus[ContextSubmenuCount]) {
    MenuItemModel zoomItems[ZoomMenuItemCount];
    MenuItemModel sizeItems[SampleSizeMenuItemCount];
    const struct {
        const MenuItemModel* Items;
        int Count;
    } models[ContextSubmenuCount] = {
        {zoomItems, BuildZoomMenuModel(&gSettings, zoomItems)},
        {sizeItems, BuildSampleSizeMenuModel(&gSettings, sizeItems)},
    };
    for (int i = 0; i < ContextSubmenuCount; i++) {
        submenus[i] = CreatePopupMenu();
        if (!submenus[i]) {
            while (i-- > 0)
                DestroyMenu(submenus[i]);
            return 0;
        }
        AppendModelItems(submenus[i], models[i].Items, models[i].Count, nullptr);
    }
    return 1;
}

HMENU CreateContextMenu() {
    HMENU submenus[ContextSubmenuCount];
    if (!CreateSubmenus(submenus))
        return nullptr;
    HMENU menu = CreatePopupMenu();
    if (!menu) {
        for (HMENU submenu : submenus)
            DestroyMenu(submenu);
        return nullptr;
    }
    MenuItemModel items[MainMenuMaxItems];
    int count = BuildMainMenuModel(&gSettings, gApp.OsVersionCode, gApp.OptionsOpen, items);
    AppendModelItems(menu, items, count, submenus);
    return menu;
}

int ShowContextMenu(HWND window, POINT pt) {
    int chosen = TrackMenuChoice(window, CreateContextMenu(), pt);
    if (chosen <= 0)
        return 0;
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
    return 1;
}
