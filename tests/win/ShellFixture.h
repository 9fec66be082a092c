// Shared set-up of the in-process shell tests: fresh process-wide state, a
// hidden window standing in for the main window, capture keys, and a thread
// that holds the clipboard.
#pragma once

#include <gtest/gtest.h>
#include <string.h>
#include <windows.h>

#include <string>
#include <thread>

#include "../support/CaptureSupport.h"
#include "../support/WineHarness.h"
#include "app/AppState.h"
#include "app/Commands.h"

struct ShellFixture : ::testing::Test {
    HWND owner = nullptr;
    HWND swatch = nullptr;  // a window to sample, destroyed with the fixture

    void SetUp() override {
        InitDefaults(GetModuleHandleA(nullptr));
        owner = gApp.MainWindow = CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 50, 40, nullptr,
                                                  nullptr, nullptr, nullptr);
        ASSERT_NE(nullptr, owner);
    }
    void TearDown() override {
        DestroyWindow(swatch);
        DestroyWindow(owner);  // its hotkeys go with it
        DestroyAcceleratorTable(gApp.AccelTable);
        DeleteDC(gApp.ScreenDC);
        ClearCopyKeys(&gCopyKeys);
    }
    // Appends a capture key one pixel high; returns it for tests to adjust.
    static CopyKey AddKey(int kind, int width, const char* format = "", int shortcut = 0, int hotkey = 0) {
        CopyKey k;
        InitCopyKey(&k);
        k.Kind = kind, k.Width = width, k.Height = 1, k.ShortcutKey = shortcut, k.Hotkey = hotkey;
        strcpy(k.Format, format);
        InsertCopyKey(&gCopyKeys, -1, &k);
        return k;
    }
};

// Holds the clipboard open from a thread of its own until released.
struct ClipboardHolder {
    HANDLE opened = CreateEventA(nullptr, TRUE, FALSE, nullptr), release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::thread holder{[this] {
        BOOL held = OpenClipboard(nullptr);
        SetEvent(opened);
        WaitForSingleObject(release, 30000);
        if (held)
            CloseClipboard();
    }};
    ClipboardHolder() { WaitForSingleObject(opened, 10000); }
    void Release() {
        SetEvent(release);
        if (holder.joinable())
            holder.join();
    }
    ~ClipboardHolder() {
        Release();
        CloseHandle(opened);
        CloseHandle(release);
    }
};
