#include "app/ViewCommands.h"

#include "core/CommandIds.h"
#include "core/SampleSize.h"
#include "core/Zoom.h"

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

}  // namespace

static int ZoomOfPreset(int command) {
    if (command < CmdZoom1 || command > CmdZoom32)
        return 0;
    return ZoomPresets[command - CmdZoom1];
}

static int SampleSizeOfCommand(int command) {
    if (command < CmdSampleSize1 || command >= CmdSampleSize1 + SampleSizeCount)
        return 0;
    return SampleSizes[command - CmdSampleSize1];
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
    if (int size = SampleSizeOfCommand(command)) {
        if (size == s->SampleSize)
            return ViewCommandUnchanged;
        s->SampleSize = size;
        return ViewCommandChanged;
    }
    if (command == CmdZoomIn || command == CmdZoomOut) {
        int zoom = StepZoom(s->Zoom, command == CmdZoomIn ? 1 : -1);
        if (zoom == s->Zoom)
            return ViewCommandUnchanged;
        s->Zoom = zoom;
        return ViewCommandChanged;
    }
    return ViewCommandUnknown;
}
