// Every value the user can configure, each field named by its key in
// system.ini, plus the values derived from them. Plain data: the parts of
// the program that need a field read and write it directly, and whoever
// changes a source value recomputes the derived value itself.
#pragma once

#include "core/Color.h"

enum {
    CustomColorCount = 16,
    HistoryCapacity = 20,
    TextFieldSize = 256,  // 255 bytes and the terminator
    InfoFontHeight = 12,
};

struct Settings {
    int Left;
    int Top;
    int Width;
    int Height;
    int WindowTop;
    int WindowAlpha;
    int Opacity;
    int EndDispoption;
    ColorRef CustomColor[CustomColorCount];
    int BackColorMode;
    ColorRef BackColor;
    int FrameWidth;
    int DispZoomImage;
    int DispCursor;
    int CursorMode;
    int DispGrid;
    int Zoom;
    int TimerInterval;
    int MouseMoveRedraw;
    int DispMouseDownInfo;
    int DispInfoUser;
    char DispInfoUserFormat[TextFieldSize];
    int DispInfoColor;
    int DispInfoMouse;
    int DispInfoHWND;
    int DispInfoClass;
    int DispInfoTitle;
    int DispInfoArea;
    int DispColorHistory;
    int HistorySizeX;
    int HistorySizeY;
    int HistoryOrder;
    ColorRef HistoryColor[HistoryCapacity];  // index 0 is the newest
    int HistoryCount;
    int FixMouse;
    int FixMouseX;
    int FixMouseY;
    int ReversColor;
    int ReversH;
    int ReversV;
    int HalfTone;
    int WebSafeColor;
    int InvalidHotkey;  // hotkeys are registered only while this is 0
    int DoubleClickMin;
    int SampleSize;  // side of the square a sample averages, one of SampleSizes

    // Derived, never saved.
    int InfoLineCount;
    ColorRef HighlightColor;
    ColorRef ShadowColor;
    ColorRef ContrastTextColor;
    int CopyKeyCount;
};

extern const char DefaultUserFormat[];

// Fills every saved and derived field with its default.
void SetDefaultSettings(Settings* s);

// Highlight, shadow and contrast-text colours from BackColor.
void RecomputeDerivedColors(Settings* s);

// Number of information-line flags that are exactly 1.
int CountInfoLines(const Settings* s);

// Flags hold 0 or 1; a toggle stores 1 when the flag was 0 and 0 for
// anything else (a hand-edited 2 therefore toggles to 0).
inline int ToggleFlag(int v) { return v == 0 ? 1 : 0; }
