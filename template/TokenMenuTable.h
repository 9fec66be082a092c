// The vocabulary of the template language as the "+" buttons of the format
// boxes offer it: every bracket token and every escape with its Japanese
// description, its submenu and its menu command, in menu order. One table
// drives the menu (and can print a reference of the language). Pure data.
#pragma once

enum TokenSubmenuIndex {
    SubHex,     // RGB in hexadecimal
    SubDec,     // RGB in decimal
    SubHsv,
    SubHls,
    SubYmc,
    SubColorSpace,  // Lab, LCh, Oklab, OKLCH, XYZ, HWB, CMYK
    SubCss,         // the CSS forms and the nearest colour name
    SubContrast,    // WCAG luminance, contrast and verdict
    SubWindow,      // the window under the point
    SubTime,        // date and time escapes
    SubOther,       // tab, line break, backslash
    TokenSubmenuCount
};

struct TokenSubmenu {
    const char* Title;
    int SeparatorBefore;  // 1: a separator stands above it in the root menu
};

// One entry of a submenu. A separator has Id 0 and no token.
struct TokenMenuItem {
    int Submenu;              // TokenSubmenuIndex
    int Id;                   // menu command: (Submenu + 1) * 1000 + place
    const char* Token;        // what is inserted, e.g. "[HEX02R]" or "\\1"
    const char* Description;  // what follows the token in the item text
    const char* English;      // the same in English, for the English reference
    int DoubledColon;         // 1: the item text has "::" (the thread ID item)
};

extern const TokenSubmenu TokenSubmenus[TokenSubmenuCount];
extern const TokenMenuItem TokenMenuItems[];
extern const int TokenMenuItemCount;  // separators included

// The entry with this command; null for 0, a separator or an unknown one.
const TokenMenuItem* FindTokenMenuItem(int id);

// 1 for an escape ("\\1"), 0 for a bracket token.
int IsEscapeItem(const TokenMenuItem* item);

// The item's menu text into out (size bytes, cut safely): a bracket token,
// ":" and a tab before the description ("[HEX02R]:\t大文字赤2桁揃え"), so the
// descriptions line up; an escape, ":" and a space ("\\1: 日付").
void FormatTokenMenuText(const TokenMenuItem* item, char* out, int size);
