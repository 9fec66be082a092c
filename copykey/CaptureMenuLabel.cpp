#include "copykey/CaptureMenuLabel.h"

#include <stdio.h>
#include <string.h>

#include "template/Template.h"

static const char* GradientSuffix(int gradient) {
    switch (gradient) {
    case 1:
        return " →グラデーション";
    case 2:
        return " ←グラデーション";
    case 3:
        return " ↓グラデーション";
    case 4:
        return " ↑グラデーション";
    default:
        return "";
    }
}

int FormatCaptureMenuLabel(const CopyKey* key, const PointInfo* info, char* out) {
    out[0] = 0;
    if (key->Kind == CopyKindText) {
        char preview[CapturePreviewCapacity];
        ExpandTemplate(preview, key->Format, CapturePreviewCapacity, info);
        snprintf(out, CaptureLabelSize, "テキスト\t%s", preview);
        return 1;
    }
    if (key->Kind == CopyKindImage) {
        snprintf(out, CaptureLabelSize, "画像\t%d*%d%s%s", key->Width, key->Height,
                 key->Invert == 1 ? " 色反転" : "", GradientSuffix(key->Gradient));
        return 1;
    }
    return 0;
}
