// Captures put on the real clipboard and read back: text over a sampled
// point, an image, a refused size and a clipboard held by another thread.
#include "ShellFixture.h"
#include "copykey/CaptureOutput.h"
#include "view/SamplePoint.h"

using CaptureOutput = ShellFixture;

TEST_F(CaptureOutput, TextAndImageOfASampledPointGoOnTheClipboardAndIntoTheHistory) {
    swatch = ShowColourWindow(RGB(0x12, 0xAB, 0xEF), 700, 500);
    SamplePoint(POINT{750, 550}, &gApp.CapturePointInfo);
    CopyKey text = AddKey(CopyKindText, 0, "#[HEX02R][HEX02G][HEX02B] [TEXT]");
    ASSERT_EQ(1, PutCaptureOnClipboard(1, &text));
    EXPECT_EQ("#12ABEF colour-12ABEF", ClipboardText());
    CopyKey image = AddKey(CopyKindImage, 3);
    image.Height = 2, image.Invert = 1;
    ASSERT_EQ(1, PutCaptureOnClipboard(0, &image));
    EXPECT_EQ("3x2 ED5410", ClipboardDib(2, 1));
    // The history keeps the sampled colour, not the inverted one.
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

static ClipboardHolder* gHolder;
static int gWaits, gReleaseAfter;

static void CountingWait(int failedAttempts) {
    EXPECT_EQ(++gWaits, failedAttempts);
    if (failedAttempts == gReleaseAfter)
        gHolder->Release();
}

TEST_F(CaptureOutput, HeldClipboardIsRetriedThenTheCaptureFailsButTheColourIsKept) {
    gApp.CapturePointInfo.Color = RGB(0x44, 0x55, 0x66);
    ClipboardHolder holder;
    gHolder = &holder, gWaits = 0, gReleaseAfter = -1;
    EXPECT_EQ(0, OpenClipboardPatiently(owner, CountingWait));
    EXPECT_EQ(ClipboardOpenAttempts - 1, gWaits);
    CopyKey text = AddKey(CopyKindText, 0, "abc");
    EXPECT_EQ(0, PutCaptureOnClipboard(1, &text));
    EXPECT_EQ(1, gSettings.HistoryCount);
    EXPECT_EQ(RGB(0x44, 0x55, 0x66), gSettings.HistoryColor[0]);
    // Released while we wait: the next attempt opens it.
    gWaits = 0, gReleaseAfter = 3;
    EXPECT_EQ(1, OpenClipboardPatiently(owner, CountingWait));
    EXPECT_EQ(3, gWaits);
    CloseClipboard();
}
