#include "core/Settings.h"

#include <string.h>

const char DefaultUserFormat[] = "HSV([HSV3H],[HSV3S],[HSV3V]) HLS([HLS3H],[HLS3L],[HLS3S])";

void RecomputeDerivedColors(Settings* s) {
    s->HighlightColor = LighterColor(s->BackColor);
    s->ShadowColor = DarkerColor(s->BackColor);
    s->ContrastTextColor = ContrastTextFor(s->BackColor);
}

int CountInfoLines(const Settings* s) {
    const int flags[] = {s->DispInfoUser,  s->DispInfoColor, s->DispInfoMouse, s->DispInfoHWND,
                         s->DispInfoClass, s->DispInfoTitle, s->DispInfoArea};
    int n = 0;
    for (int f : flags) {
        if (f == 1)
            n++;
    }
    return n;
}

void SetDefaultSettings(Settings* s) {
    memset(s, 0, sizeof(*s));
    s->EndDispoption = 0;
    s->CopyKeyCount = 0;
    s->BackColorMode = 0;
    s->BackColor = MakeColor(238, 238, 238);
    RecomputeDerivedColors(s);
    for (int i = 0; i < CustomColorCount; i++)
        s->CustomColor[i] = MakeColor(17 * i, 17 * i, 17 * i);
    s->HalfTone = 0;
    s->ReversColor = 0;
    s->ReversH = 0;
    s->ReversV = 0;
    s->WebSafeColor = 0;
    s->InvalidHotkey = 1;
    s->DoubleClickMin = 0;
    s->SampleSize = 1;
    s->Left = 100;
    s->Top = 100;
    s->Width = 300;
    s->Height = 260;
    s->FrameWidth = 2;
    s->WindowTop = 1;
    s->WindowAlpha = 0;
    s->Opacity = 80;
    s->FixMouse = 0;
    s->FixMouseX = 0;
    s->FixMouseY = 0;
    s->Zoom = 2;
    s->DispZoomImage = 1;
    s->DispCursor = 1;
    s->CursorMode = 0;
    s->DispGrid = 0;
    s->MouseMoveRedraw = 1;
    s->TimerInterval = 100;
    s->DispMouseDownInfo = 0;
    s->DispInfoUser = 0;
    strcpy(s->DispInfoUserFormat, DefaultUserFormat);
    for (int i = 0; i < HistoryCapacity; i++)
        s->HistoryColor[i] = MakeColor(255, 255, 255);
    s->DispInfoColor = 1;
    s->DispInfoMouse = 1;
    s->DispInfoHWND = 1;
    s->DispInfoClass = 1;
    s->DispInfoTitle = 1;
    s->DispInfoArea = 1;
    s->InfoLineCount = 6;
    s->DispColorHistory = 1;
    s->HistorySizeX = 16;
    s->HistorySizeY = 16;
    s->HistoryOrder = 0;
    s->HistoryCount = 0;
}
