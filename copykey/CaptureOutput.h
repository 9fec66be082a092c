// Putting a capture on the clipboard: the expanded text of a text key or
// the bitmap of an image key, and the sampled colour into the history.
#pragma once

#include <windows.h>

#include "core/CopyKeyList.h"

enum {
    // Clipboard viewers and remote-desktop clients hold the clipboard for
    // a moment after every change: about 100 ms of patience in all.
    ClipboardOpenAttempts = 10,
    ClipboardRetryDelayMs = 10,
};

// What PutCaptureOnClipboard did.
enum CaptureResult {
    CaptureNotMade = 0,  // no memory, or a block too large: nothing placed, history unchanged
    CapturePlaced = 1,   // on the clipboard, the colour in the history
    CaptureHeld = 2,     // another program kept the clipboard; the colour is in the history
};

// Builds the capture of key over gApp.CapturePointInfo (text when asText is
// 1, else the image), places it on the clipboard for gApp.MainWindow and
// pushes the sampled colour onto the history.
int PutCaptureOnClipboard(int asText, const CopyKey* key);

// Called after every failed attempt to open the clipboard but the last.
typedef void (*ClipboardRetryWait)(int failedAttempts);

// OpenClipboard(owner), tried up to ClipboardOpenAttempts times with wait
// between the attempts (null: sleep ClipboardRetryDelayMs). 1 when open.
int OpenClipboardPatiently(HWND owner, ClipboardRetryWait wait);
