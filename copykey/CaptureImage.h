// The device-independent bitmap of an image capture: a 40-byte header and
// 32-bit pixels, bottom row first, filled with the sampled colour or with a
// gradient between it and the previously captured colour.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include "core/Settings.h"
#include "core/CopyKeyList.h"
#include "core/PointInfo.h"

enum {
    DibHeaderSize = 40,
    // A hand-edited size must not make the program claim gigabytes of
    // memory or write past a block whose size wrapped around.
    MaxCaptureBlockSize = 256 * 1024 * 1024,
};

struct CaptureImageParams {
    int Width;   // never negative
    int Height;  // never negative
    int Invert;
    int Gradient;
    ColorRef Current;   // the sampled colour
    ColorRef Previous;  // the newest history colour
    int HasPrevious;    // the history holds at least one colour
    int WebSafe;        // round every gradient line to web-safe values
};

// The inputs of an image capture: the key's size and options (a negative
// size counts as 0), the sampled colour and the history's newest colour.
void MakeCaptureImageParams(const CopyKey* key, const PointInfo* info, const Settings* s,
                          CaptureImageParams* params);

// Bytes of the block for width x height pixels (header included) into
// *size. 0 when the block would exceed MaxCaptureBlockSize or a size is
// negative; *size is then 0.
int CaptureDibSize(int width, int height, size_t* size);

// Writes header and pixels into block, which holds CaptureDibSize bytes.
void FillCaptureDib(uint8_t* block, const CaptureImageParams* params);

// The colour of gradient line k of n from start to end, each component
// start + (end - start) * (k + 1) / n truncated toward zero.
ColorRef GradientLineColor(ColorRef start, ColorRef end, int k, int n);
