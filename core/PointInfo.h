// Everything sampled at one screen point: the pixel colour, the window there
// and the time of the sampling. Plain data, copied and passed by address.
#pragma once

#include <stdint.h>

#include "core/Rect32.h"
#include "core/Settings.h"

// Same layout as the Win32 SYSTEMTIME.
struct SysTime {
    uint16_t Year;
    uint16_t Month;
    uint16_t DayOfWeek;  // 0 = Sunday
    uint16_t Day;
    uint16_t Hour;
    uint16_t Minute;
    uint16_t Second;
    uint16_t Milliseconds;
};

struct PointInfo {
    int32_t MouseX;
    int32_t MouseY;
    ColorRef Color;
    int32_t Red;
    int32_t Green;
    int32_t Blue;
    uint32_t Hwnd;
    uint32_t WindowId;
    uint32_t ParentHwnd;
    uint32_t HInst;
    char ClassName[TextFieldSize];
    char Text[TextFieldSize];
    Rect32 Rect;
    uint32_t Pid;
    uint32_t Tid;
    uint32_t Style;
    uint32_t ExStyle;
    char ExeName[TextFieldSize];
    char ExePath[TextFieldSize];
    SysTime Time;
    // The newest colour of the history when the point was sampled, before
    // a capture adds its own: what the contrast tokens compare with.
    int32_t HasPreviousColor;  // 1: PreviousColor holds it; 0: the history was empty
    ColorRef PreviousColor;
};

// The groups of window fields, each read by calls of its own: a reader that
// shows only some fields (the view) samples only their parts.
enum PointInfoPart {
    PartWindow = 1,   // Hwnd, the window at the point; every other part needs it
    PartClass = 2,    // ClassName
    PartText = 4,     // Text
    PartRect = 8,     // Rect
    PartIds = 16,     // Pid, Tid
    PartLongs = 32,   // ParentHwnd, HInst, Style, ExStyle, WindowId
    PartModule = 64,  // ExeName, ExePath
    PartAllWindow = 127,
};

// Fills info with the placeholder values that template previews show:
// white, zero handles, "(classname)", "(text)" and so on; the time is the
// given one (the shell passes the current UTC time). A null info does nothing.
void ResetPointInfoFields(PointInfo* info, const SysTime* now);

// Splits a module path into its name form ("name.ext") and its folder form
// ("C:\dir", no trailing backslash), each cut to 255 bytes.
void SplitModulePath(const char* path, char* nameOut, char* folderOut);
