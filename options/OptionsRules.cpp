#include "options/OptionsRules.h"

#include "core/Clamp.h"
#include "core/Translucency.h"
#include "res/resource.h"

const FlagBox DisplayFlagBoxes[DisplayFlagBoxCount] = {
    {IDC_DISP_ZOOM_IMAGE, &Settings::DispZoomImage},
    {IDC_DISP_CURSOR, &Settings::DispCursor},
    {IDC_DISP_GRID, &Settings::DispGrid},
    {IDC_DISP_INFO, &Settings::DispMouseDownInfo},
    {IDC_DISP_INFO_USER, &Settings::DispInfoUser},
    {IDC_DISP_INFO_COLOR, &Settings::DispInfoColor},
    {IDC_DISP_INFO_MOUSE, &Settings::DispInfoMouse},
    {IDC_DISP_INFO_HWND, &Settings::DispInfoHWND},
    {IDC_DISP_INFO_CLASS, &Settings::DispInfoClass},
    {IDC_DISP_INFO_TITLE, &Settings::DispInfoTitle},
    {IDC_DISP_INFO_AREA, &Settings::DispInfoArea},
    {IDC_DISP_COLOR_HISTORY, &Settings::DispColorHistory},
    {IDC_DISP_MOUSE_MOVE, &Settings::MouseMoveRedraw},
};

const FlagBox OtherFlagBoxes[OtherFlagBoxCount] = {
    {IDC_OTHER_REVERS_COLOR, &Settings::ReversColor},
    {IDC_OTHER_REVERS_H, &Settings::ReversH},
    {IDC_OTHER_REVERS_V, &Settings::ReversV},
    {IDC_OTHER_HALFTONE, &Settings::HalfTone},
    {IDC_OTHER_WEBSAFE, &Settings::WebSafeColor},
    {IDC_OTHER_HISTORY_ORDER, &Settings::HistoryOrder},
    {IDC_OTHER_DOUBLECLICK_MIN, &Settings::DoubleClickMin},
    {IDC_OTHER_INVALID_HOTKEY, &Settings::InvalidHotkey},
};

const EnableRule DisplayEnableRules[DisplayEnableRuleCount] = {
    {IDC_DISP_ZOOM_IMAGE, IDC_DISP_CURSOR, IDC_DISP_GRID},
    {IDC_DISP_INFO, IDC_DISP_INFO_USER, IDC_DISP_COLOR_HISTORY},
};

const EnableRule WindowEnableRules[WindowEnableRuleCount] = {
    {IDC_WIN_ALPHA, IDC_WIN_OPACITY_SLIDER, IDC_WIN_OPACITY_PERCENT},
    {IDC_WIN_BACK_FIXED, IDC_WIN_BACK_SWATCH, IDC_WIN_BACK_CHANGE},
};

// A swatch is at least as high as a line of the panel's text. The
// interval's upper end is above what the reader keeps (it brings more than
// 3000 down to 1000 at the next start).
const NumberField NumberFields[NumberFieldCount] = {
    {IDC_DISP_HISTORY_X, IDC_DISP_HISTORY_X_SPIN, 1, 100, 3},
    {IDC_DISP_HISTORY_Y, IDC_DISP_HISTORY_Y_SPIN, InfoFontHeight, 100, 3},
    {IDC_DISP_INTERVAL, IDC_DISP_INTERVAL_SPIN, 10, 5000, 0},
    {IDC_WIN_OPACITY, IDC_WIN_OPACITY_SPIN, OpacityMin, OpacityMax, 3},
    {IDC_WIN_FRAME, IDC_WIN_FRAME_SPIN, 0, 10, 3},
    {IDC_KEY_WIDTH, IDC_KEY_WIDTH_SPIN, 1, 999, 3},
    {IDC_KEY_HEIGHT, IDC_KEY_HEIGHT_SPIN, 1, 999, 3},
};

int ParseFieldNumber(const char* text, int lo, int hi, int* value) {
    if (!text || text[0] == 0)
        return 0;
    long long v = 0;
    for (const char* p = text; *p; p++) {
        if (*p < '0' || *p > '9')
            return 0;
        v = v * 10 + (*p - '0');
        if (v > hi)
            return 0;
    }
    if (v < lo)
        return 0;
    *value = (int)v;
    return 1;
}

int BoundTypedNumber(const char* text, int lo, int hi) {
    const char* p = text;
    while (*p == ' ' || *p == '\t')
        p++;
    bool negative = *p == '-';
    if (*p == '-' || *p == '+')
        p++;
    long long v = 0;
    // Past hi the value stops growing: it is held, not wrapped.
    for (; *p >= '0' && *p <= '9'; p++)
        if (v <= hi)
            v = v * 10 + (*p - '0');
    if (negative)
        v = -v;
    return v < lo ? lo : v > hi ? hi : (int)v;
}

int StartPagePosition(int endDispoption, const int* pageIndices, int count) {
    for (int i = 0; i < count; i++)
        if (pageIndices[i] == endDispoption)
            return i;
    return 0;
}

const char* const CursorModeNames[CursorModeCount] = {
    "マウスカーソル",
    "十字１",
    "十字２",
    "ピクセル枠",
};

void FinishDisplaySettings(Settings* s) {
    s->InfoLineCount = CountInfoLines(s);
    // The swatches of the history are the one part of the panel that is no line.
    if (s->InfoLineCount == 0 && s->DispColorHistory != 1)
        s->DispMouseDownInfo = 0;
    s->CursorMode = ClampInt(s->CursorMode, 0, CursorModeCount - 1);
    if (s->HistorySizeX < NumberFields[FieldHistorySizeX].Min)
        s->HistorySizeX = NumberFields[FieldHistorySizeX].Min;
    if (s->HistorySizeY < NumberFields[FieldHistorySizeY].Min)
        s->HistorySizeY = NumberFields[FieldHistorySizeY].Min;
}

void TranslucencyFromBox(int ticked, int shownOpacity, int* workAlpha, int* workOpacity) {
    *workAlpha = ticked ? 1 : 0;
    *workOpacity = ticked ? ClampOpacity(shownOpacity) : OpacityMax;
}
