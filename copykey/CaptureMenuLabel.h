// How a capture key is named to the user: its kind, the size and options
// of an image key, and the entries of the capture menu (a live preview of
// a text key's result, an image key's description, a separator line).
#pragma once

#include "core/CopyKeyList.h"
#include "core/PointInfo.h"

enum {
    CaptureLabelSize = 4096,
    CapturePreviewCapacity = 128,
    ImageDescriptionSize = 64,
};

// "テキスト" for a text key, "画像" for an image key, "-" for the rest.
const char* CopyKindLabel(int kind);

// "→グラデーション" and the other three arrows for Gradient 1 to 4; ""
// for any other value.
const char* GradientLabel(int gradient);

// An image key's "<w>*<h>", then after a blank "反転" when Invert is 1 and
// the gradient's label, e.g. "32*32 反転↑グラデーション"; out holds
// ImageDescriptionSize bytes.
void FormatImageDescription(const CopyKey* key, char* out);

// Writes the entry's text for key into out (CaptureLabelSize bytes): for a
// text key "テキスト\t" and its format expanded over info, for an image key
// "画像\t<w>*<h>" and its options. Returns 1 for a string entry, 0 when the
// entry is a separator (out is then empty).
int FormatCaptureMenuLabel(const CopyKey* key, const PointInfo* info, char* out);
