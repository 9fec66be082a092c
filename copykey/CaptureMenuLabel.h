// The entries of the capture menu: a live preview of a text key's result,
// the size and options of an image key, a separator line for the rest.
#pragma once

#include "core/CopyKeyList.h"
#include "core/PointInfo.h"

enum {
    CaptureLabelSize = 4096,
    CapturePreviewCapacity = 128,
};

// Writes the entry's text for key into out (CaptureLabelSize bytes): for a
// text key "テキスト\t" and its format expanded over info, for an image key
// "画像\t<w>*<h>" and its options. Returns 1 for a string entry, 0 when the
// entry is a separator (out is then empty).
int FormatCaptureMenuLabel(const CopyKey* key, const PointInfo* info, char* out);
