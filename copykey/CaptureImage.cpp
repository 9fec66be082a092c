#include "copykey/CaptureImage.h"

#include <string.h>

void MakeCaptureImageParams(const CopyKey* key, const PointInfo* info, const Settings* s,
                          CaptureImageParams* params) {
    params->Width = key->Width > 0 ? key->Width : 0;
    params->Height = key->Height > 0 ? key->Height : 0;
    params->Invert = key->Invert;
    params->Gradient = key->Gradient;
    params->Current = MakeColor(info->Red, info->Green, info->Blue);
    params->Previous = s->HistoryColor[0];
    params->HasPrevious = s->HistoryCount > 0;
    params->WebSafe = s->WebSafeColor == 1;
}

int CaptureDibSize(int width, int height, size_t* size) {
    *size = 0;
    if (width < 0 || height < 0)
        return 0;
    // Both factors are below 2^31, so the product fits 64 bits.
    uint64_t bytes = (uint64_t)width * (uint64_t)height * 4u + DibHeaderSize;
    if (bytes > (uint64_t)MaxCaptureBlockSize)
        return 0;
    *size = (size_t)bytes;
    return 1;
}

static void PutLe32(uint8_t* p, uint32_t v) {
    p[0] = (uint8_t)v;
    p[1] = (uint8_t)(v >> 8);
    p[2] = (uint8_t)(v >> 16);
    p[3] = (uint8_t)(v >> 24);
}

static void WriteHeader(uint8_t* block, int width, int height) {
    memset(block, 0, DibHeaderSize);
    PutLe32(block + 0, DibHeaderSize);
    PutLe32(block + 4, (uint32_t)width);
    PutLe32(block + 8, (uint32_t)height);  // positive: bottom row first
    block[12] = 1;                         // planes
    block[14] = 32;                        // bits per pixel; compression stays 0
}

static int GradientComponent(int start, int end, int k, int n) {
    // The product reaches 255 times the line count, past 32 bits for the
    // widest images the size limit allows.
    return start + (int)((int64_t)(end - start) * (k + 1) / n);
}

ColorRef GradientLineColor(ColorRef start, ColorRef end, int k, int n) {
    return MakeColor(GradientComponent(ColorRed(start), ColorRed(end), k, n),
                     GradientComponent(ColorGreen(start), ColorGreen(end), k, n),
                     GradientComponent(ColorBlue(start), ColorBlue(end), k, n));
}

// A COLORREF keeps red lowest; a DIB pixel keeps blue lowest.
static uint32_t DibPixel(ColorRef c) {
    return ((uint32_t)ColorRed(c) << 16) | ((uint32_t)ColorGreen(c) << 8) | (uint32_t)ColorBlue(c);
}

static void PutPixel(uint8_t* pixels, int width, int x, int row, uint32_t value) {
    PutLe32(pixels + ((size_t)row * (size_t)width + (size_t)x) * 4u, value);
}

static void FillPlain(uint8_t* pixels, int width, int height, ColorRef c) {
    uint32_t v = DibPixel(c);
    for (int row = 0; row < height; row++)
        for (int x = 0; x < width; x++)
            PutPixel(pixels, width, x, row, v);
}

void FillCaptureDib(uint8_t* block, const CaptureImageParams* params) {
    int width = params->Width;
    int height = params->Height;
    WriteHeader(block, width, height);
    uint8_t* pixels = block + DibHeaderSize;
    if (width == 0 || height == 0)
        return;

    ColorRef current = params->Current;
    ColorRef previous = params->Previous;
    if (params->Invert == 1) {
        current = InvertColor(current);
        previous = InvertColor(previous);
    }
    if (params->Gradient <= 0 || !params->HasPrevious) {
        FillPlain(pixels, width, height, current);
        return;
    }

    // Gradients 1 and 2 run over the columns, the others over the rows
    // (stored bottom row first); 2 and 3 start at the previous colour.
    bool columns = params->Gradient == 1 || params->Gradient == 2;
    bool fromPrevious = params->Gradient == 2 || (params->Gradient != 1 && params->Gradient != 4);
    ColorRef start = fromPrevious ? previous : current;
    ColorRef end = fromPrevious ? current : previous;
    int n = columns ? width : height;
    for (int k = 0; k < n; k++) {
        ColorRef c = GradientLineColor(start, end, k, n);
        if (params->WebSafe)
            c = WebSafeColor(c);
        uint32_t v = DibPixel(c);
        if (columns) {
            PutPixel(pixels, width, k, 0, v);
        } else {
            for (int x = 0; x < width; x++)
                PutPixel(pixels, width, x, k, v);
        }
    }
    // Every row of a column gradient repeats the bottom one.
    if (columns) {
        size_t rowBytes = (size_t)width * 4u;
        for (int row = 1; row < height; row++)
            memcpy(pixels + (size_t)row * rowBytes, pixels, rowBytes);
    }
}
