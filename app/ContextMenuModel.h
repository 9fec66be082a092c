// The contents of the main context menu as plain data: every item's text,
// command and state at the moment the menu opens.
#pragma once

#include "core/Settings.h"

enum MenuItemKind {
    MenuItemString = 0,
    MenuItemSeparator = 1,
    MenuItemSubmenu = 2,  // opens the zoom submenu
};

// Item states.
enum {
    MenuStateChecked = 0x1,
    MenuStateGrayed = 0x2,
};

struct MenuItemModel {
    int Kind;
    char Text[64];  // the name, a tab and the key; empty for a separator
    int Command;    // 0 for a separator or the submenu
    int State;
};

enum {
    ZoomMenuItemCount = 13,
    MainMenuMaxItems = 11,
};

// The zoom submenu; a zoom outside the ten presets checks no item.
// out holds ZoomMenuItemCount items; returns the number written.
int BuildZoomMenuModel(const Settings* s, MenuItemModel* out);

// The main menu. The translucency item is there only when osVersionCode
// is 5 or more; Options is greyed while the options sheet is open. out
// holds MainMenuMaxItems items; returns the number written.
int BuildMainMenuModel(const Settings* s, int osVersionCode, int optionsOpen, MenuItemModel* out);
