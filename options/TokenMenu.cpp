#include "options/TokenMenu.h"

#include "core/Settings.h"
#include "platform/PopupMenu.h"
#include "template/TokenMenuTable.h"

// The root popup with its submenus; null when a menu cannot be made.
static HMENU BuildTokenMenu() {
    HMENU submenus[TokenSubmenuCount] = {};
    HMENU root = CreatePopupMenu();
    bool made = root != nullptr;
    for (int i = 0; i < TokenSubmenuCount; i++)
        made = (submenus[i] = CreatePopupMenu()) != nullptr && made;
    if (!made) {
        for (HMENU m : submenus)
            if (m)
                DestroyMenu(m);
        if (root)
            DestroyMenu(root);
        return nullptr;
    }
    for (int i = 0; i < TokenMenuItemCount; i++) {
        const TokenMenuItem& item = TokenMenuItems[i];
        if (item.Id == 0) {
            AppendMenuA(submenus[item.Submenu], MF_SEPARATOR, 0, nullptr);
            continue;
        }
        char text[TextFieldSize];
        FormatTokenMenuText(&item, text, sizeof(text));
        AppendMenuA(submenus[item.Submenu], MF_STRING, (UINT_PTR)item.Id, text);
    }
    // Destroying the root destroys the submenus appended to it.
    for (int i = 0; i < TokenSubmenuCount; i++) {
        if (TokenSubmenus[i].SeparatorBefore)
            AppendMenuA(root, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(root, MF_POPUP, (UINT_PTR)submenus[i], TokenSubmenus[i].Title);
    }
    return root;
}

BOOL ShowTokenMenu(HWND dialog, int buttonId, int editId) {
    RECT rc;
    if (!GetWindowRect(GetDlgItem(dialog, buttonId), &rc))
        return TRUE;
    // Directly below the button, aligned with its left side.
    POINT pt = {rc.left, rc.bottom};
    const TokenMenuItem* item = FindTokenMenuItem(TrackMenuChoice(dialog, BuildTokenMenu(), pt));
    if (!item)
        return TRUE;
    HWND edit = GetDlgItem(dialog, editId);
    SendMessageA(edit, EM_REPLACESEL, TRUE, (LPARAM)item->Token);
    SetFocus(edit);
    return TRUE;
}
