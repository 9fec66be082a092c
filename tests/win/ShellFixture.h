// Shared set-up of the in-process shell tests: fresh process-wide state, a
// hidden window standing in for the main window, and capture keys.
#pragma once

#include <gtest/gtest.h>
#include <string.h>
#include <windows.h>

#include <string>

#include "../support/CaptureSupport.h"
#include "../support/WineHarness.h"
#include "app/AppState.h"
#include "app/Commands.h"

struct ShellFixture : ::testing::Test {
    HWND owner = nullptr, swatch = nullptr;  // swatch: a window to sample, destroyed with the fixture

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
