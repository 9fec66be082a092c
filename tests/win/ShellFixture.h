// Shared set-up of the in-process shell tests: fresh process-wide state, a
// hidden owner window standing in for the main window (its WM_COMMAND and
// WM_HOTKEY go to the command handlers, every message is recorded), a
// window of a known colour to sample, and clipboard helpers.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "../support/CaptureSupport.h"
#include "../support/WineHarness.h"
#include "app/AppState.h"

struct RecordedMessage {
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};

// Messages the owner window received since the fixture started.
extern std::vector<RecordedMessage> gOwnerMessages;

// Called by the owner window for WM_ENTERIDLE while a menu of it is open.
extern void (*gOwnerMenuIdle)(HWND menuWindow);

class ShellFixture : public ::testing::Test {
protected:
    HWND owner = nullptr;
    HWND swatch = nullptr;

    void SetUp() override;
    void TearDown() override;

    // A topmost window filled with colour at (x, y), 100 x 100, shown and
    // painted. The fixture destroys it.
    HWND ShowSwatch(COLORREF colour, int x = 700, int y = 500);

    // Number of recorded messages msg (with wParam when given).
    int CountMessages(UINT msg, WPARAM wParam = (WPARAM)-1) const;
};

// Holds the clipboard open from a thread of its own until Release().
class ClipboardHolder {
public:
    bool Hold();
    void Release();
    ~ClipboardHolder() { Release(); }

private:
    static DWORD WINAPI Run(void* self);
    HANDLE thread_ = nullptr;
    HANDLE opened_ = nullptr;
    HANDLE release_ = nullptr;
    bool ok_ = false;
};
