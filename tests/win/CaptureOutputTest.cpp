// Captures put on the real clipboard and read back: text and an image of
// the point under the pointer, a refused size and a held clipboard.
#include <atomic>
#include <thread>

#include "ShellFixture.h"
#include "copykey/CaptureOutput.h"

using CaptureOutput = ShellFixture;

TEST_F(CaptureOutput, KeysCaptureTextAndImageAtTheRealPointerEvenWhenTheViewIsFixed) {
    swatch = ShowColourWindow(RGB(0x12, 0xAB, 0xEF), 700, 500);
    AddKey(CopyKindText, 0, "#[HEX02R][HEX02G][HEX02B] [TEXT]");
    AddKey(CopyKindImage, 3);
    ApplyCopyKeyBindings();
    gSettings.FixMouse = 1, gSettings.FixMouseX = 5, gSettings.FixMouseY = 5;
    SetCursorPos(750, 560);
    HandleCommand(owner, 45000, 0);
    EXPECT_EQ("#12ABEF colour-12ABEF", ClipboardText());
    HandleHotkey(owner, 0x8005);
    EXPECT_EQ("3x1 12ABEF", ClipboardDib(2, 0));
    EXPECT_EQ(2, gSettings.HistoryCount);
    EXPECT_EQ(RGB(0x12, 0xAB, 0xEF), gSettings.HistoryColor[0]);
}

TEST_F(CaptureOutput, ImagePast256MiBIsRefusedWithNothingPlacedAndTheHistoryUnchanged) {
    EmptyTheClipboard();
    CopyKey huge = AddKey(CopyKindImage, 8192);
    huge.Height = 8192;
    EXPECT_EQ(0, PutCaptureOnClipboard(0, &huge));
    EXPECT_EQ("", ClipboardText() + ClipboardDib(0, 0));
    EXPECT_EQ(0, gSettings.HistoryCount);
}

static std::atomic<int> gWaits;
static std::atomic<bool> gReleased;

static void WaitForTheReleaseAfterThreeAttempts(int failedAttempts) {
    gWaits = failedAttempts;
    while (failedAttempts == 3 && !gReleased)
        Sleep(1);
}

TEST_F(CaptureOutput, HeldClipboardIsRetriedThenTheCaptureFailsButTheColourIsKept) {
    gApp.CapturePointInfo.Color = RGB(0x44, 0x55, 0x66);
    CopyKey text = AddKey(CopyKindText, 0, "abc");
    ASSERT_TRUE(OpenClipboard(nullptr));  // held by this thread; the captures run on another
    std::thread([&] { EXPECT_EQ(0, PutCaptureOnClipboard(1, &text)); }).join();
    EXPECT_EQ(1, gSettings.HistoryCount);
    EXPECT_EQ(RGB(0x44, 0x55, 0x66), gSettings.HistoryColor[0]);

    // Released while the other thread waits: its next attempt opens it.
    int opened = -1;
    std::thread retry([&] {
        opened = OpenClipboardPatiently(owner, WaitForTheReleaseAfterThreeAttempts);
        CloseClipboard();
    });
    for (int ms = 0; gWaits < 3 && ms < 5000; ms++)
        Sleep(1);
    CloseClipboard();
    gReleased = true;
    retry.join();
    EXPECT_EQ(1, opened);
    EXPECT_EQ(3, gWaits);
}
