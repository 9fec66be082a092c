// The contents of the main context menu as plain data: every item's text,
// command and state at the moment the menu opens.
#pragma once

#include "core/Settings.h"

enum MenuItemKind {
    MenuItemString = 0,
    MenuItemSeparator = 1,
    MenuItemSubmenu = 2,  // opens the submenu its Command names
};

// The submenus of the main menu, as a submenu item's Command names them.
enum ContextSubmenu {
    SubmenuZoom = 0,
    SubmenuSampleSize = 1,
    ContextSubmenuCount = 2,
};

// Item states.
enum {
    MenuStateChecked = 0x1,
    MenuStateGrayed = 0x2,
    MenuStateRadio = 0x4,  // one of a group: checked shows a dot
};

struct MenuItemModel {
    int Kind;
    char Text[64];  // the name, and a tab and the key when a key runs it; empty for a separator
    int Command;    // 0 for a separator; a ContextSubmenu for a submenu
    int State;
};

enum {
    ZoomMenuItemCount = 13,
    SampleSizeMenuItemCount = 8,
    MainMenuMaxItems = 12,
};

// The zoom submenu; a zoom outside the ten presets checks no item.
// out holds ZoomMenuItemCount items; returns the number written.
int BuildZoomMenuModel(const Settings* s, MenuItemModel* out);

// The sample-size submenu: one radio item per size, the current one
// checked. out holds SampleSizeMenuItemCount items; returns the number
// written.
int BuildSampleSizeMenuModel(const Settings* s, MenuItemModel* out);

// The main menu. The translucency item is there only when osVersionCode
// is 5 or more; Options is greyed while the options sheet is open. out
// holds MainMenuMaxItems items; returns the number written.
int BuildMainMenuModel(const Settings* s, int osVersionCode, int optionsOpen, MenuItemModel* out);
