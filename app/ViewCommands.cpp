#include "app/ViewCommands.h"

#include "app/CommandIds.h"

namespace {

struct ToggleCommand {
    int command;
    int Settings::*flag;
};

const ToggleCommand kToggles[] = {
    {CmdZoomImage, &Settings::DispZoomImage},
    {CmdCursor, &Settings::DispCursor},
    {CmdGrid, &Settings::DispGrid},
    {CmdInfo, &Settings::DispMouseDownInfo},
    {CmdInvertColor, &Settings::ReversColor},
    {CmdFlipH, &Settings::ReversH},
    {CmdFlipV, &Settings::ReversV},
    {CmdHalfTone, &Settings::HalfTone},
    {CmdWebSafe, &Settings::WebSafeColor},
};

// Indexed by command - CmdZoom1.
const int kZoomPresets[] = {1, 2, 3, 4, 5, 6, 7, 8, 16, 32};

enum { MinZoom = 1, MaxZoom = 32 };

}  // namespace

int ZoomOfPreset(int command) {
    if (command < CmdZoom1 || command > CmdZoom32)
        return 0;
    return kZoomPresets[command - CmdZoom1];
}

int ApplyViewCommand(Settings* s, int command) {
    for (const ToggleCommand& t : kToggles) {
        if (t.command == command) {
            s->*t.flag = ToggleFlag(s->*t.flag);
            return ViewCommandChanged;
        }
    }
    if (int zoom = ZoomOfPreset(command)) {
        s->Zoom = zoom;
        return ViewCommandChanged;
    }
    if (command == CmdZoomIn) {
        if (s->Zoom >= MaxZoom)
            return ViewCommandUnchanged;
        s->Zoom++;
        return ViewCommandChanged;
    }
    if (command == CmdZoomOut) {
        if (s->Zoom <= MinZoom)
            return ViewCommandUnchanged;
        s->Zoom--;
        return ViewCommandChanged;
    }
    return ViewCommandUnknown;
}
