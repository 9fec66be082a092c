#include "view/MemorySurface.h"

#include <string.h>

void FreeMemorySurface(MemorySurface* s) {
    if (s->Dc) {
        if (s->Replaced)
            SelectObject(s->Dc, s->Replaced);
        DeleteDC(s->Dc);
    }
    if (s->Bitmap)
        DeleteObject(s->Bitmap);
    memset(s, 0, sizeof(*s));
}

static int SelectBitmap(MemorySurface* s, HBITMAP bitmap, int w, int h) {
    s->Bitmap = bitmap;
    if (!bitmap) {
        FreeMemorySurface(s);
        return 0;
    }
    s->Replaced = SelectObject(s->Dc, bitmap);
    s->Width = w;
    s->Height = h;
    return 1;
}

int MakeDibSurface(MemorySurface* s, int w, int h) {
    memset(s, 0, sizeof(*s));
    BITMAPINFO bi;
    memset(&bi, 0, sizeof(bi));
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    s->Dc = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    HBITMAP bitmap = s->Dc ? CreateDIBSection(s->Dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr;
    if (bitmap && !bits) {
        DeleteObject(bitmap);
        bitmap = nullptr;
    }
    if (!SelectBitmap(s, bitmap, w, h))
        return 0;
    s->Bits = (uint32_t*)bits;
    return 1;
}

int MakeCompatibleSurface(MemorySurface* s, HDC like, int w, int h) {
    memset(s, 0, sizeof(*s));
    s->Dc = CreateCompatibleDC(like);
    return SelectBitmap(s, s->Dc ? CreateCompatibleBitmap(like, w, h) : nullptr, w, h);
}
