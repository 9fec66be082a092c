#include "view/ArrowMark.h"

#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include "view/MemorySurface.h"

enum { WayIcon = 0, WayAlpha = 1, WayMask = 2 };

// GdiAlphaBlend came with Windows 2000 and is looked up at run time.
typedef BOOL(WINAPI* AlphaBlendProc)(HDC, int, int, int, int, HDC, int, int, int, int,
                                     BLENDFUNCTION);

// What the stretched copies were made for, and how they draw.
struct ArrowKey {
    HCURSOR Cursor;
    int W, H;
    int StretchMode;
    COLORREF TextColor, BackColor;  // they colour a monochrome mask
    int BitsPixel;                  // of the DC drawn on
};

static struct {
    int Made;
    ArrowKey Key;
    int Way;
    MemorySurface Art;   // WayAlpha: premultiplied colour and alpha; WayMask: the colour
    MemorySurface Mask;  // WayMask: what the background is ANDed with
    RECT Visible;  // the part of the copies that changes a background
    AlphaBlendProc AlphaBlend;
} gArrow;

// A bitmap of dc's own format, with dc's stretch mode and colours.
static int MakeLike(MemorySurface* s, HDC dc, const ArrowKey& k, int w, int h) {
    if (!MakeCompatibleSurface(s, dc, w, h))
        return 0;
    SetStretchBltMode(s->Dc, k.StretchMode);
    SetTextColor(s->Dc, k.TextColor);
    SetBkColor(s->Dc, k.BackColor);
    return 1;
}

static void DrawIcon(HDC dc, const ArrowKey& k, int x, int y) {
    DrawIconEx(dc, x, y, k.Cursor, k.W, k.H, 0, nullptr, DI_NORMAL);
}

// A negative extent draws towards the left (or up) from the given corner.
static int Near(int origin, int extent) {
    return extent < 0 ? origin + extent + 1 : origin;
}

// Only the visible part: around the arrow the copies leave every
// background as it is (transparent, or masked by ones and inverted by
// nothing).
static void DrawStretched(HDC dc, int left, int top) {
    const RECT& v = gArrow.Visible;
    int x = v.left, y = v.top, w = v.right - v.left, h = v.bottom - v.top;
    if (w <= 0 || h <= 0)
        return;
    if (gArrow.Way == WayAlpha) {
        BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        gArrow.AlphaBlend(dc, left + x, top + y, w, h, gArrow.Art.Dc, x, y, w, h, blend);
    } else {
        BitBlt(dc, left + x, top + y, w, h, gArrow.Mask.Dc, x, y, SRCAND);
        BitBlt(dc, left + x, top + y, w, h, gArrow.Art.Dc, x, y, SRCINVERT);
    }
}

// The bounding box of the pixels that are not see-through: of colour or
// alpha for a blended copy, of a mask other than ones or a colour for a
// masked one.
static void FindVisible(int w, int h, const uint32_t* colour, const uint32_t* mask) {
    RECT v = {w, h, 0, 0};
    for (int y = 0; y < h; y++) {
        for (int x = 0; x < w; x++) {
            size_t i = (size_t)y * w + x;
            int seen = mask ? (mask[i] & 0xFFFFFF) != 0xFFFFFF || (colour[i] & 0xFFFFFF) != 0
                            : colour[i] != 0;
            if (!seen)
                continue;
            v.left = x < v.left ? x : v.left;
            v.top = y < v.top ? y : v.top;
            v.right = x + 1 > v.right ? x + 1 : v.right;
            v.bottom = y + 1 > v.bottom ? y + 1 : v.bottom;
        }
    }
    gArrow.Visible = v;
}

// Fills s (w x h) with background number n: two gradients that together
// meet every channel value, and a 0x55 / 0xAA checkerboard.
static void FillBackground(const MemorySurface& s, int w, int h, int n, uint32_t* bits) {
    for (int y = 0; y < h; y++) {
        for (int x = 0; x < w; x++) {
            uint32_t v;
            if (n == 2)
                v = ((x + y) & 1) ? 0x555555 : 0xAAAAAA;
            else
                v = ((x * 7 + y * 3) & 0xFF) | (((x * 5 + y * 11) & 0xFF) << 8) |
                    (((x * 13 + y) & 0xFF) << 16);
            bits[(size_t)y * w + x] = n == 1 ? ~v & 0xFFFFFF : v;
        }
    }
    BITMAPINFO bi;
    memset(&bi, 0, sizeof(bi));
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    SetDIBitsToDevice(s.Dc, 0, 0, w, h, 0, 0, 0, h, bits, &bi, DIB_RGB_COLORS);
}

static void ReadBits(const MemorySurface& s, int w, int h, uint32_t* bits) {
    BITMAPINFO bi;
    memset(&bi, 0, sizeof(bi));
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    GetDIBits(s.Dc, s.Bitmap, 0, h, bits, &bi, DIB_RGB_COLORS);
}

// 1 when the stretched copy draws exactly what DrawIconEx draws over each
// background, a pixel of margin all round included.
static int SameAsIcon(HDC dc) {
    const ArrowKey& k = gArrow.Key;
    int w = abs(k.W) + 2, h = abs(k.H) + 2;
    size_t n = (size_t)w * h;
    uint32_t* bits = (uint32_t*)malloc(n * 4 * 3);
    MemorySurface want = {}, got = {};
    int same = bits && MakeLike(&want, dc, k, w, h) && MakeLike(&got, dc, k, w, h);
    for (int background = 0; same && background < 3; background++) {
        FillBackground(want, w, h, background, bits);
        FillBackground(got, w, h, background, bits);
        DrawIcon(want.Dc, k, 1 + (k.W < 0 ? w - 3 : 0), 1 + (k.H < 0 ? h - 3 : 0));
        DrawStretched(got.Dc, 1, 1);
        ReadBits(want, w, h, bits + n);
        ReadBits(got, w, h, bits + 2 * n);
        for (size_t i = 0; same && i < n; i++)
            same = ((bits[n + i] ^ bits[2 * n + i]) & 0xFFFFFF) == 0;
    }
    FreeMemorySurface(&want);
    FreeMemorySurface(&got);
    free(bits);
    return same;
}

// Makes the stretched copies for key and finds the way that matches
// DrawIconEx: blending a premultiplied copy (what a cursor with alpha
// needs), or a mask and a colour (a cursor without).
static void MakeArrow(HDC dc, const ArrowKey& k) {
    FreeMemorySurface(&gArrow.Art);
    FreeMemorySurface(&gArrow.Mask);
    gArrow.Made = 1;
    gArrow.Key = k;
    gArrow.Way = WayIcon;
    int w = abs(k.W), h = abs(k.H);
    int x = k.W < 0 ? w - 1 : 0, y = k.H < 0 ? h - 1 : 0;
    if (!gArrow.AlphaBlend) {
        HMODULE gdi = GetModuleHandleA("gdi32.dll");
        gArrow.AlphaBlend = gdi ? (AlphaBlendProc)(void*)GetProcAddress(gdi, "GdiAlphaBlend") : nullptr;
    }
    // Drawn over transparent black, the blend leaves exactly the stretched
    // premultiplied cursor with its alpha.
    if (gArrow.AlphaBlend && MakeDibSurface(&gArrow.Art, w, h)) {
        SetStretchBltMode(gArrow.Art.Dc, k.StretchMode);
        DrawIcon(gArrow.Art.Dc, k, x, y);
        GdiFlush();
        FindVisible(w, h, gArrow.Art.Bits, nullptr);
        gArrow.Way = WayAlpha;
        if (SameAsIcon(dc))
            return;
        FreeMemorySurface(&gArrow.Art);
    }
    // Over black the icon leaves its colour; over white the mask XOR it.
    if (MakeLike(&gArrow.Art, dc, k, w, h) && MakeLike(&gArrow.Mask, dc, k, w, h)) {
        PatBlt(gArrow.Art.Dc, 0, 0, w, h, BLACKNESS);
        PatBlt(gArrow.Mask.Dc, 0, 0, w, h, WHITENESS);
        DrawIcon(gArrow.Art.Dc, k, x, y);
        DrawIcon(gArrow.Mask.Dc, k, x, y);
        BitBlt(gArrow.Mask.Dc, 0, 0, w, h, gArrow.Art.Dc, 0, 0, SRCINVERT);
        uint32_t* bits = (uint32_t*)malloc((size_t)w * h * 8);
        if (bits) {
            ReadBits(gArrow.Art, w, h, bits);
            ReadBits(gArrow.Mask, w, h, bits + (size_t)w * h);
            FindVisible(w, h, bits, bits + (size_t)w * h);
            free(bits);
            gArrow.Way = WayMask;
            if (SameAsIcon(dc))
                return;
        }
    }
    FreeMemorySurface(&gArrow.Art);
    FreeMemorySurface(&gArrow.Mask);
    gArrow.Way = WayIcon;
}

void DrawArrowMark(HDC dc, HCURSOR cursor, int x, int y, int w, int h) {
    ArrowKey k;
    memset(&k, 0, sizeof(k));
    k.Cursor = cursor;
    k.W = w;
    k.H = h;
    k.StretchMode = GetStretchBltMode(dc);
    k.TextColor = GetTextColor(dc);
    k.BackColor = GetBkColor(dc);
    BITMAP bm;
    HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
    k.BitsPixel = bitmap && GetObjectA(bitmap, sizeof(bm), &bm) ? bm.bmBitsPixel : 0;
    // Colours only tint a monochrome mask; a blended copy holds for all.
    if (gArrow.Made && gArrow.Way == WayAlpha) {
        gArrow.Key.TextColor = k.TextColor;
        gArrow.Key.BackColor = k.BackColor;
    }
    if (!gArrow.Made || memcmp(&k, &gArrow.Key, sizeof(k)) != 0)
        MakeArrow(dc, k);
    if (gArrow.Way == WayIcon)
        DrawIcon(dc, k, x, y);
    else
        DrawStretched(dc, Near(x, w), Near(y, h));
}

void ReleaseArrowMark() {
    FreeMemorySurface(&gArrow.Art);
    FreeMemorySurface(&gArrow.Mask);
    gArrow.Made = 0;
}

int ArrowMarkWay() {
    return gArrow.Way;
}
