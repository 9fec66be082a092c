#include "template/TokenMenuTable.h"

#include <stdio.h>

#include "core/Settings.h"
#include "core/TextUtil.h"

const TokenSubmenu TokenSubmenus[TokenSubmenuCount] = {
    {"RGB16進数(&H)", 0},
    {"RGB10進数(&D)", 0},
    {"HSV(&V)", 0},
    {"HLS(&S)", 0},
    {"YMC(&Y)", 0},
    {"色空間(&L)", 0},
    {"CSS(&C)", 0},
    {"コントラスト(&A)", 0},
    {"ウィンドウ情報(&W)", 0},
    {"日時(&T)", 1},
    {"その他(&O)", 0},
};

#define ITEM(submenu, id, token, description, english) {submenu, id, token, description, english, 0}
#define SEPARATOR(submenu) {submenu, 0, nullptr, nullptr, nullptr, 0}

const TokenMenuItem TokenMenuItems[] = {
    // RGB16進数(&H)
    ITEM(SubHex, 1001, "[hex02r]", "小文字赤2桁揃え", "lower-case red, two digits"),
    ITEM(SubHex, 1002, "[hex02g]", "小文字緑2桁揃え", "lower-case green, two digits"),
    ITEM(SubHex, 1003, "[hex02b]", "小文字青2桁揃え", "lower-case blue, two digits"),
    ITEM(SubHex, 1004, "[hexr]", "小文字赤", "lower-case red"),
    ITEM(SubHex, 1005, "[hexg]", "小文字緑", "lower-case green"),
    ITEM(SubHex, 1006, "[hexb]", "小文字青", "lower-case blue"),
    ITEM(SubHex, 1007, "[hex1r]", "小文字赤左1桁目", "lower-case red, first digit from the left"),
    ITEM(SubHex, 1008, "[hex1g]", "小文字緑左1桁目", "lower-case green, first digit from the left"),
    ITEM(SubHex, 1009, "[hex1b]", "小文字青左1桁目", "lower-case blue, first digit from the left"),
    SEPARATOR(SubHex),
    ITEM(SubHex, 1010, "[HEX02R]", "大文字赤2桁揃え", "upper-case red, two digits"),
    ITEM(SubHex, 1011, "[HEX02G]", "大文字緑2桁揃え", "upper-case green, two digits"),
    ITEM(SubHex, 1012, "[HEX02B]", "大文字青2桁揃え", "upper-case blue, two digits"),
    ITEM(SubHex, 1013, "[HEXR]", "大文字赤", "upper-case red"),
    ITEM(SubHex, 1014, "[HEXG]", "大文字緑", "upper-case green"),
    ITEM(SubHex, 1015, "[HEXB]", "大文字青", "upper-case blue"),
    ITEM(SubHex, 1016, "[HEX1R]", "大文字赤左1桁目", "upper-case red, first digit from the left"),
    ITEM(SubHex, 1017, "[HEX1G]", "大文字緑左1桁目", "upper-case green, first digit from the left"),
    ITEM(SubHex, 1018, "[HEX1B]", "大文字青左1桁目", "upper-case blue, first digit from the left"),
    // RGB10進数(&D)
    ITEM(SubDec, 2001, "[DECR]", "赤", "red"),
    ITEM(SubDec, 2002, "[DECG]", "緑", "green"),
    ITEM(SubDec, 2003, "[DECB]", "青", "blue"),
    ITEM(SubDec, 2004, "[DEC3R]", "赤3桁揃え", "red, three places"),
    ITEM(SubDec, 2005, "[DEC3G]", "緑3桁揃え", "green, three places"),
    ITEM(SubDec, 2006, "[DEC3B]", "青3桁揃え", "blue, three places"),
    ITEM(SubDec, 2007, "[%DECR]", "％赤", "percent red"),
    ITEM(SubDec, 2008, "[%DECG]", "％緑", "percent green"),
    ITEM(SubDec, 2009, "[%DECB]", "％青", "percent blue"),
    ITEM(SubDec, 2010, "[%DEC3R]", "％赤3桁揃え", "percent red, three places"),
    ITEM(SubDec, 2011, "[%DEC3G]", "％緑3桁揃え", "percent green, three places"),
    ITEM(SubDec, 2012, "[%DEC3B]", "％青3桁揃え", "percent blue, three places"),
    SEPARATOR(SubDec),
    ITEM(SubDec, 2013, "[COLORREF]", "COLORREF型", "COLORREF type"),
    // HSV(&V)
    ITEM(SubHsv, 3001, "[HSVH]", "色相", "hue"),
    ITEM(SubHsv, 3002, "[HSVS]", "彩度", "saturation"),
    ITEM(SubHsv, 3003, "[HSVV]", "明度", "value"),
    ITEM(SubHsv, 3004, "[HSV3H]", "色相3桁揃え", "hue, three places"),
    ITEM(SubHsv, 3005, "[HSV3S]", "彩度3桁揃え", "saturation, three places"),
    ITEM(SubHsv, 3006, "[HSV3V]", "明度3桁揃え", "value, three places"),
    ITEM(SubHsv, 3007, "[%HSVH]", "％色相", "percent hue"),
    ITEM(SubHsv, 3008, "[%HSVS]", "％彩度", "percent saturation"),
    ITEM(SubHsv, 3009, "[%HSVV]", "％明度", "percent value"),
    ITEM(SubHsv, 3010, "[%HSV3H]", "％色相3桁揃え", "percent hue, three places"),
    ITEM(SubHsv, 3011, "[%HSV3S]", "％彩度3桁揃え", "percent saturation, three places"),
    ITEM(SubHsv, 3012, "[%HSV3V]", "％明度3桁揃え", "percent value, three places"),
    // HLS(&S)
    ITEM(SubHls, 4001, "[HLSH]", "色相", "hue"),
    ITEM(SubHls, 4002, "[HLSL]", "輝度", "lightness"),
    ITEM(SubHls, 4003, "[HLSS]", "彩度", "saturation"),
    ITEM(SubHls, 4004, "[HLS3H]", "色相3桁揃え", "hue, three places"),
    ITEM(SubHls, 4005, "[HLS3L]", "輝度3桁揃え", "lightness, three places"),
    ITEM(SubHls, 4006, "[HLS3S]", "彩度3桁揃え", "saturation, three places"),
    ITEM(SubHls, 4007, "[%HLSH]", "％色相", "percent hue"),
    ITEM(SubHls, 4008, "[%HLSL]", "％輝度", "percent lightness"),
    ITEM(SubHls, 4009, "[%HLSS]", "％彩度", "percent saturation"),
    ITEM(SubHls, 4010, "[%HLS3H]", "％色相3桁揃え", "percent hue, three places"),
    ITEM(SubHls, 4011, "[%HLS3L]", "％輝度3桁揃え", "percent lightness, three places"),
    ITEM(SubHls, 4012, "[%HLS3S]", "％彩度3桁揃え", "percent saturation, three places"),
    // YMC(&Y)
    ITEM(SubYmc, 5001, "[YMCY]", "イエロー", "yellow"),
    ITEM(SubYmc, 5002, "[YMCM]", "マゼンタ", "magenta"),
    ITEM(SubYmc, 5003, "[YMCC]", "シアン", "cyan"),
    ITEM(SubYmc, 5004, "[YMC3Y]", "イエロー3桁揃え", "yellow, three places"),
    ITEM(SubYmc, 5005, "[YMC3M]", "マゼンタ3桁揃え", "magenta, three places"),
    ITEM(SubYmc, 5006, "[YMC3C]", "シアン3桁揃え", "cyan, three places"),
    ITEM(SubYmc, 5007, "[%YMCY]", "％イエロー", "percent yellow"),
    ITEM(SubYmc, 5008, "[%YMCM]", "％マゼンタ", "percent magenta"),
    ITEM(SubYmc, 5009, "[%YMCC]", "％シアン", "percent cyan"),
    ITEM(SubYmc, 5010, "[%YMC3Y]", "％イエロー3桁揃え", "percent yellow, three places"),
    ITEM(SubYmc, 5011, "[%YMC3M]", "％マゼンタ3桁揃え", "percent magenta, three places"),
    ITEM(SubYmc, 5012, "[%YMC3C]", "％シアン3桁揃え", "percent cyan, three places"),
    // 色空間(&L)
    ITEM(SubColorSpace, 6001, "[LABL]", "Lab 明度 L*", "CIE Lab lightness L* (D50), two decimals"),
    ITEM(SubColorSpace, 6002, "[LABA]", "Lab a*（緑－赤）", "CIE Lab a* (green to red), two decimals"),
    ITEM(SubColorSpace, 6003, "[LABB]", "Lab b*（青－黄）", "CIE Lab b* (blue to yellow), two decimals"),
    SEPARATOR(SubColorSpace),
    ITEM(SubColorSpace, 6004, "[LCHL]", "LCh 明度", "LCh lightness (the Lab L*), two decimals"),
    ITEM(SubColorSpace, 6005, "[LCHC]", "LCh 彩度", "LCh chroma, two decimals"),
    ITEM(SubColorSpace, 6006, "[LCHH]", "LCh 色相（度）", "LCh hue in degrees, two decimals"),
    SEPARATOR(SubColorSpace),
    ITEM(SubColorSpace, 6007, "[OKL]", "Oklab 明度（0～1）", "Oklab lightness (0 to 1), four decimals"),
    ITEM(SubColorSpace, 6008, "[OKA]", "Oklab a（緑－赤）", "Oklab a (green to red), four decimals"),
    ITEM(SubColorSpace, 6009, "[OKB]", "Oklab b（青－黄）", "Oklab b (blue to yellow), four decimals"),
    SEPARATOR(SubColorSpace),
    ITEM(SubColorSpace, 6010, "[OKLCHL]", "OKLCH 明度（0～1）", "OKLCH lightness (0 to 1), four decimals"),
    ITEM(SubColorSpace, 6011, "[OKLCHC]", "OKLCH 彩度", "OKLCH chroma, four decimals"),
    ITEM(SubColorSpace, 6012, "[OKLCHH]", "OKLCH 色相（度）", "OKLCH hue in degrees, two decimals"),
    SEPARATOR(SubColorSpace),
    ITEM(SubColorSpace, 6013, "[XYZX]", "XYZ X（D65）", "CIE XYZ X (D65, white Y = 100), two decimals"),
    ITEM(SubColorSpace, 6014, "[XYZY]", "XYZ Y（D65、白＝100）", "CIE XYZ Y, two decimals"),
    ITEM(SubColorSpace, 6015, "[XYZZ]", "XYZ Z（D65）", "CIE XYZ Z, two decimals"),
    SEPARATOR(SubColorSpace),
    ITEM(SubColorSpace, 6016, "[HWBH]", "HWB 色相（度）", "HWB hue in degrees"),
    ITEM(SubColorSpace, 6017, "[HWBW]", "HWB 白さ（％）", "HWB whiteness in percent"),
    ITEM(SubColorSpace, 6018, "[HWBB]", "HWB 黒さ（％）", "HWB blackness in percent"),
    SEPARATOR(SubColorSpace),
    ITEM(SubColorSpace, 6019, "[CMYKC]", "CMYK シアン（％）", "CMYK cyan in percent"),
    ITEM(SubColorSpace, 6020, "[CMYKM]", "CMYK マゼンタ（％）", "CMYK magenta in percent"),
    ITEM(SubColorSpace, 6021, "[CMYKY]", "CMYK イエロー（％）", "CMYK yellow in percent"),
    ITEM(SubColorSpace, 6022, "[CMYKK]", "CMYK ブラック（％）", "CMYK black in percent"),
    // CSS(&C)
    ITEM(SubCss, 7001, "[CSSRGB]", "rgb() 形式", "CSS rgb(R G B)"),
    ITEM(SubCss, 7002, "[CSSHSL]", "hsl() 形式", "CSS hsl(H S% L%)"),
    ITEM(SubCss, 7003, "[CSSLAB]", "lab() 形式", "CSS lab(L a b)"),
    ITEM(SubCss, 7004, "[CSSOKLCH]", "oklch() 形式", "CSS oklch(L C H)"),
    SEPARATOR(SubCss),
    ITEM(SubCss, 7005, "[NAME]", "最も近いCSS色名", "the nearest CSS colour name"),
    // コントラスト(&A)
    ITEM(SubContrast, 8001, "[LUM]", "相対輝度（WCAG）", "relative luminance (WCAG 2), four decimals"),
    ITEM(SubContrast, 8002, "[CONTRAST]", "直前の履歴色とのコントラスト比",
         "contrast ratio with the newest history colour, cut to two decimals"),
    ITEM(SubContrast, 8003, "[WCAG]", "コントラスト比の判定（AAA/AA/AA large/fail）",
         "WCAG verdict on that ratio: AAA, AA, AA large or fail"),
    // ウィンドウ情報(&W)
    ITEM(SubWindow, 9001, "[MOUSEX]", "マウスX座標", "mouse X coordinate"),
    ITEM(SubWindow, 9002, "[MOUSEY]", "マウスY座標", "mouse Y coordinate"),
    ITEM(SubWindow, 9003, "[HWND]", "ウィンドウハンドル", "window handle"),
    ITEM(SubWindow, 9004, "[WINDOWID]", "ウィンドウID", "window ID"),
    ITEM(SubWindow, 9005, "[PARENTHWND]", "親ウィンドウハンドル", "parent window handle"),
    ITEM(SubWindow, 9006, "[HINST]", "インスタンスハンドル", "instance handle"),
    ITEM(SubWindow, 9007, "[CLASSNAME]", "クラス名", "class name"),
    ITEM(SubWindow, 9008, "[TEXT]", "テキスト", "text"),
    ITEM(SubWindow, 9009, "[LEFT]", "矩形Left", "rectangle left"),
    ITEM(SubWindow, 9010, "[TOP]", "矩形Top", "rectangle top"),
    ITEM(SubWindow, 9011, "[RIGHT]", "矩形Right", "rectangle right"),
    ITEM(SubWindow, 9012, "[BOTTOM]", "矩形Bottom", "rectangle bottom"),
    ITEM(SubWindow, 9013, "[WIDTH]", "幅", "width"),
    ITEM(SubWindow, 9014, "[HEIGHT]", "高さ", "height"),
    ITEM(SubWindow, 9015, "[PID]", "プロセスID", "process ID"),
    {SubWindow, 9016, "[TID]", "スレッドID", "thread ID", 1},  // the item text has "::"
    ITEM(SubWindow, 9017, "[STYLE]", "スタイル", "style"),
    ITEM(SubWindow, 9018, "[EXSTYLE]", "拡張スタイル", "extended style"),
    ITEM(SubWindow, 9019, "[EXENAME]", "実行ファイル名", "executable file name"),
    ITEM(SubWindow, 9020, "[EXEPATH]", "実行ファイルのフォルダパス", "executable's folder path"),
    // 日時(&T)
    ITEM(SubTime, 10001, "\\1", "日付", "date"),
    ITEM(SubTime, 10002, "\\2", "時刻", "time"),
    ITEM(SubTime, 10003, "\\3", "日付と時刻", "date and time"),
    ITEM(SubTime, 10004, "\\4", "年月日", "year, month, day"),
    ITEM(SubTime, 10005, "\\5", "年月日と曜日", "date and day of the week"),
    ITEM(SubTime, 10006, "\\6", "年月日と時刻", "date and time of day"),
    ITEM(SubTime, 10007, "\\7", "英語表記", "English notation"),
    SEPARATOR(SubTime),
    ITEM(SubTime, 10008, "\\Y", "年月日の年", "year"),
    ITEM(SubTime, 10009, "\\y", "年月日の年（2桁）", "year (two digits)"),
    ITEM(SubTime, 10010, "\\m", "年月日の月", "month"),
    ITEM(SubTime, 10011, "\\M", "年月日の月（2桁）", "month (two digits)"),
    ITEM(SubTime, 10012, "\\f", "年月日の月（英語3文字）", "month (three English letters)"),
    ITEM(SubTime, 10013, "\\F", "年月日の月（英語）", "month (English)"),
    ITEM(SubTime, 10014, "\\d", "年月日の日", "day"),
    ITEM(SubTime, 10015, "\\D", "年月日の日（2桁）", "day (two digits)"),
    ITEM(SubTime, 10016, "\\w", "曜日（英語3文字）", "day of the week (three English letters)"),
    ITEM(SubTime, 10017, "\\W", "曜日（英語）", "day of the week (English)"),
    ITEM(SubTime, 10018, "\\a", "曜日（日本語）", "day of the week (Japanese)"),
    SEPARATOR(SubTime),
    ITEM(SubTime, 10019, "\\g", "時刻の時（12時間制）", "hour (12-hour clock)"),
    ITEM(SubTime, 10020, "\\G", "時刻の時（12時間制2桁に揃える）", "hour (12-hour clock, two digits)"),
    ITEM(SubTime, 10021, "\\h", "時刻の時（24時間制）", "hour (24-hour clock)"),
    ITEM(SubTime, 10022, "\\H", "時刻の時（24時間制2桁に揃える）", "hour (24-hour clock, two digits)"),
    ITEM(SubTime, 10023, "\\i", "時刻の分", "minute"),
    ITEM(SubTime, 10024, "\\I", "時刻の分（2桁に揃える）", "minute (two digits)"),
    ITEM(SubTime, 10025, "\\s", "時刻の秒", "second"),
    ITEM(SubTime, 10026, "\\S", "時刻の秒（2桁に揃える）", "second (two digits)"),
    ITEM(SubTime, 10027, "\\p", "午前午後（略語）", "AM/PM (abbreviation)"),
    ITEM(SubTime, 10028, "\\P", "午前午後（日本語）", "AM/PM (Japanese)"),
    // その他(&O)
    ITEM(SubOther, 11001, "\\t", "タブ文字", "tab character"),
    ITEM(SubOther, 11002, "\\n", "改行", "line break"),
    ITEM(SubOther, 11003, "\\\\", "\\の文字", "the backslash character"),
};

const int TokenMenuItemCount = (int)(sizeof(TokenMenuItems) / sizeof(TokenMenuItems[0]));

const TokenMenuItem* FindTokenMenuItem(int id) {
    if (id <= 0)
        return nullptr;
    for (int i = 0; i < TokenMenuItemCount; i++)
        if (TokenMenuItems[i].Id == id)
            return &TokenMenuItems[i];
    return nullptr;
}

int IsEscapeItem(const TokenMenuItem* item) {
    return item->Token[0] == '\\' ? 1 : 0;
}

void FormatTokenMenuText(const TokenMenuItem* item, char* out, int size) {
    if (size <= 0)
        return;
    const char* joiner = IsEscapeItem(item) ? ": " : item->DoubledColon ? "::\t" : ":\t";
    char text[TextFieldSize];
    snprintf(text, sizeof(text), "%s%s%s", item->Token, joiner, item->Description);
    CopyTextCut(out, text, (size_t)size - 1);
}
