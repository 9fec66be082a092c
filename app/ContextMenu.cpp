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

static void AppendModelItems(HMENU menu, const MenuItemModel* items, int count, HMENU submenu) {
    for (int i = 0; i < count; i++) {
        const MenuItemModel& item = items[i];
        UINT_PTR id = item.Kind == MenuItemSubmenu ? (UINT_PTR)submenu : (UINT_PTR)item.Command;
        AppendMenuA(menu, MenuFlagsOf(item), id, item.Kind == MenuItemSeparator ? nullptr : item.Text);
    }
}

HMENU CreateContextMenu() {
    HMENU zoom = CreatePopupMenu();
    if (!zoom)
        return nullptr;
    MenuItemModel zoomItems[ZoomMenuItemCount];
    int zoomCount = BuildZoomMenuModel(&gSettings, zoomItems);
    AppendModelItems(zoom, zoomItems, zoomCount, nullptr);

    HMENU menu = CreatePopupMenu();
    if (!menu) {
        DestroyMenu(zoom);
        return nullptr;
    }
    MenuItemModel items[MainMenuMaxItems];
    int count = BuildMainMenuModel(&gSettings, gApp.OsVersionCode, gApp.OptionsOpen, items);
    AppendModelItems(menu, items, count, zoom);
    return menu;
}

int ShowContextMenu(HWND window, POINT pt) {
    int chosen = TrackMenuChoice(window, CreateContextMenu(), pt);
    if (chosen <= 0)
        return 0;
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
    return 1;
}
