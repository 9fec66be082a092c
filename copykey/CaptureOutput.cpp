#include "copykey/CaptureOutput.h"

#include <string.h>

#include "platform/AppState.h"
#include "copykey/CaptureImage.h"
#include "template/Template.h"
#include "view/ColorHistory.h"

// GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE: what the clipboard expects.
static const UINT kClipboardAllocFlags = 0x2042;

static void SleepBetweenAttempts(int failedAttempts) {
    (void)failedAttempts;
    Sleep(ClipboardRetryDelayMs);
}

int OpenClipboardPatiently(HWND owner, ClipboardRetryWait wait) {
    if (!wait)
        wait = SleepBetweenAttempts;
    for (int attempt = 1;; attempt++) {
        if (OpenClipboard(owner))
            return 1;
        if (attempt >= ClipboardOpenAttempts)
            return 0;
        wait(attempt);
    }
}

static HGLOBAL BuildTextBlock(const CopyKey* key) {
    char text[CopyKeyTextCapacity];
    ExpandTemplate(text, key->Format, CopyKeyTextCapacity, &gApp.CapturePointInfo);
    size_t n = strlen(text);
    HGLOBAL block = GlobalAlloc(kClipboardAllocFlags, n + 1);
    if (!block)
        return nullptr;
    char* p = (char*)GlobalLock(block);
    if (!p) {
        GlobalFree(block);
        return nullptr;
    }
    memcpy(p, text, n + 1);
    GlobalUnlock(block);
    return block;
}

static HGLOBAL BuildImageBlock(const CopyKey* key) {
    CaptureImageParams params;
    MakeCaptureImageParams(key, &gApp.CapturePointInfo, &gSettings, &params);
    size_t size;
    if (!CaptureDibSize(params.Width, params.Height, &size))
        return nullptr;
    HGLOBAL block = GlobalAlloc(kClipboardAllocFlags, size);
    if (!block)
        return nullptr;
    uint8_t* p = (uint8_t*)GlobalLock(block);
    if (!p) {
        GlobalFree(block);
        return nullptr;
    }
    FillCaptureDib(p, &params);
    GlobalUnlock(block);
    return block;
}

// 1 when the clipboard took the block; otherwise the block is freed here.
static int PlaceOnClipboard(UINT format, HGLOBAL block) {
    if (!OpenClipboardPatiently(gApp.MainWindow, nullptr)) {
        GlobalFree(block);
        return 0;
    }
    EmptyClipboard();
    int placed = SetClipboardData(format, block) != nullptr;
    CloseClipboard();
    // A refused block stays ours.
    if (!placed)
        GlobalFree(block);
    return placed;
}

int PutCaptureOnClipboard(int asText, const CopyKey* key) {
    HGLOBAL block = asText == 1 ? BuildTextBlock(key) : BuildImageBlock(key);
    if (!block)
        return 0;
    int placed = PlaceOnClipboard(asText == 1 ? CF_TEXT : CF_DIB, block);
    // The colour was sampled and shown to the user; it belongs in the
    // history even when another program kept the clipboard.
    PushHistoryColor(&gSettings, gApp.CapturePointInfo.Color);
    return placed ? CapturePlaced : CaptureHeld;
}
