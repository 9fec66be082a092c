#include "copykey/CaptureMenuLabel.h"

#include <stdio.h>
#include <string.h>

#include "template/Template.h"

const char* CopyKindLabel(int kind) {
    if (kind == CopyKindText)
        return "テキスト";
    if (kind == CopyKindImage)
        return "画像";
    return "-";
}

const char* GradientLabel(int gradient) {
    switch (gradient) {
    case 1:
        return "→グラデーション";
    case 2:
        return "←グラデーション";
    case 3:
        return "↓グラデーション";
    case 4:
        return "↑グラデーション";
    default:
        return "";
    }
}

void FormatImageDescription(const CopyKey* key, char* out) {
    const char* invert = key->Invert == 1 ? "反転" : "";
    const char* gradient = GradientLabel(key->Gradient);
    // The blank only when an option follows it.
    snprintf(out, ImageDescriptionSize, "%d*%d%s%s%s", key->Width, key->Height,
             *invert || *gradient ? " " : "", invert, gradient);
}

int FormatCaptureMenuLabel(const CopyKey* key, const PointInfo* info, char* out) {
    out[0] = 0;
    if (key->Kind == CopyKindText) {
        char preview[CapturePreviewCapacity];
        ExpandTemplate(preview, key->Format, CapturePreviewCapacity, info);
        snprintf(out, CaptureLabelSize, "%s\t%s", CopyKindLabel(key->Kind), preview);
        return 1;
    }
    if (key->Kind == CopyKindImage) {
        const char* gradient = GradientLabel(key->Gradient);
        snprintf(out, CaptureLabelSize, "%s\t%d*%d%s%s%s", CopyKindLabel(key->Kind), key->Width, key->Height,
                 key->Invert == 1 ? " 色反転" : "", *gradient ? " " : "", gradient);
        return 1;
    }
    return 0;
}
