#include "view/BackBuffer.h"

#include "platform/AppState.h"
#include "view/ArrowMark.h"
#include "view/DrawPrimitives.h"
#include "view/RedrawView.h"
#include "view/ScreenCopy.h"

// "ＭＳ ゴシック", the Japanese MS Gothic.
static const char ViewFontFace[] = "ＭＳ ゴシック";

static void SelectNewBitmap(HWND hwnd) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    HDC dc = GetDC(hwnd);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, rc.right - rc.left, rc.bottom - rc.top);
    ReleaseDC(hwnd, dc);
    // Without a bitmap the old one stays selected and the view is not drawn
    // (RedrawView checks).
    if (!bitmap || !gApp.BackBufferDC) {
        if (bitmap)
            DeleteObject(bitmap);
        return;
    }
    HBITMAP replaced = (HBITMAP)SelectObject(gApp.BackBufferDC, bitmap);
    if (!gApp.ReplacedBitmap)
        gApp.ReplacedBitmap = replaced;
    gApp.BackBufferBitmap = bitmap;
}

static void ReleaseBitmap() {
    if (!gApp.BackBufferDC || !gApp.BackBufferBitmap)
        return;
    SelectObject(gApp.BackBufferDC, gApp.ReplacedBitmap);
    DeleteObject(gApp.BackBufferBitmap);
    gApp.BackBufferBitmap = nullptr;
}

// Fixed for the back buffer's lifetime: text at its top-left corner on a
// transparent background, no spacing tricks.
static void SetTextMode(HDC dc) {
    SetMapMode(dc, MM_TEXT);
    SetTextCharacterExtra(dc, 0);
    SetTextJustification(dc, 0, 0);
    SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    SetBkMode(dc, TRANSPARENT);
}

static void SelectViewFont() {
    gApp.ViewFont = CreateFontA(InfoFontHeight, 0, 0, 0, 0, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                                0, 0, 0, 0, ViewFontFace);
    if (gApp.ViewFont)
        gApp.ReplacedFont = (HFONT)SelectObject(gApp.BackBufferDC, gApp.ViewFont);
}

void CreateBackBuffer(HWND hwnd) {
    ForgetDrawnView();
    HDC dc = GetDC(hwnd);
    gApp.BackBufferDC = CreateCompatibleDC(dc);
    ReleaseDC(hwnd, dc);
    gApp.ReplacedBitmap = nullptr;
    gApp.BackBufferBitmap = nullptr;
    SelectNewBitmap(hwnd);
    if (!gApp.BackBufferDC)
        return;
    ApplyStretchMode();
    SetTextMode(gApp.BackBufferDC);
    SelectViewFont();
    SelectShapeObjects(gApp.BackBufferDC);
}

void ResizeBackBuffer(HWND hwnd) {
    ForgetDrawnView();
    ReleaseBitmap();
    SelectNewBitmap(hwnd);
}

void DestroyBackBuffer() {
    ForgetDrawnView();
    ReleaseBitmap();
    ReleaseScreenCopy();
    ReleaseArrowMark();
    if (gApp.ViewFont) {
        SelectObject(gApp.BackBufferDC, gApp.ReplacedFont);
        DeleteObject(gApp.ViewFont);
        gApp.ViewFont = nullptr;
        gApp.ReplacedFont = nullptr;
    }
    if (gApp.BackBufferDC) {
        ForgetShapeObjects(gApp.BackBufferDC);
        DeleteDC(gApp.BackBufferDC);
        gApp.BackBufferDC = nullptr;
    }
    gApp.ReplacedBitmap = nullptr;
}

void ApplyStretchMode() {
    if (gApp.BackBufferDC)
        SetStretchBltMode(gApp.BackBufferDC, gSettings.HalfTone == 1 ? HALFTONE : COLORONCOLOR);
}
