// Putting a capture on the clipboard: the expanded text of a text key or
// the bitmap of an image key, and the sampled colour into the history.
#pragma once

#include <windows.h>

#include "core/CopyKeyList.h"

enum {
    CaptureTextSize = 4096,
    CaptureTextCapacity = 4095,
    // Clipboard viewers and remote-desktop clients hold the clipboard for
    // a moment after every change: about 100 ms of patience in all.
    ClipboardOpenAttempts = 10,
    ClipboardRetryDelayMs = 10,
};

// Builds the capture of key over gApp.CapturePointInfo (text when asText is
// 1, else the image), places it on the clipboard for gApp.MainWindow and
// pushes the sampled colour onto the history. Returns 1 when the capture
// is on the clipboard. 0 when its memory could not be had or the block
// would be too large (nothing placed, history unchanged), or when the
// clipboard stayed held by another program (history still updated).
int PutCaptureOnClipboard(int asText, const CopyKey* key);

// Called after every failed attempt to open the clipboard but the last.
typedef void (*ClipboardRetryWait)(int failedAttempts);

// OpenClipboard(owner), tried up to ClipboardOpenAttempts times with wait
// between the attempts (null: sleep ClipboardRetryDelayMs). 1 when open.
int OpenClipboardPatiently(HWND owner, ClipboardRetryWait wait);
