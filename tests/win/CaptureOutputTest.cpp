// Captures put on the real clipboard and read back: text over a sampled
// point, an image, the history push, refusals and a held clipboard.
#include <string.h>

#include "ShellFixture.h"
#include "copykey/CaptureOutput.h"
#include "view/SamplePoint.h"

namespace {

CopyKey Key(int kind, const char* format, int w = 0, int h = 0, int invert = 0, int gradient = 0) {
    CopyKey k;
    InitCopyKey(&k);
    k.Kind = kind;
    strcpy(k.Format, format);
    k.Width = w, k.Height = h, k.Invert = invert, k.Gradient = gradient;
    return k;
}

struct CaptureOutput : ShellFixture {
    void SetSample(int r, int g, int b) {
        gApp.CapturePointInfo.Red = r, gApp.CapturePointInfo.Green = g, gApp.CapturePointInfo.Blue = b;
        gApp.CapturePointInfo.Color = RGB(r, g, b);
    }
};

TEST_F(CaptureOutput, TextOfASampledPointGoesOnTheClipboard) {
    ShowSwatch(RGB(0x12, 0xAB, 0xEF));
    POINT pt = {750, 550};
    SamplePoint(pt, &gApp.CapturePointInfo);
    ASSERT_EQ(RGB(0x12, 0xAB, 0xEF), gApp.CapturePointInfo.Color);
    CopyKey key = Key(CopyKindText, "#[HEX02R][HEX02G][HEX02B] [CLASSNAME]");
    ASSERT_EQ(1, PutCaptureOnClipboard(1, &key));
    char cls[64];
    GetClassNameA(swatch, cls, sizeof(cls));
    EXPECT_EQ(std::string("#12ABEF ") + cls, ClipboardText());
    EXPECT_EQ(1, gSettings.HistoryCount);
    EXPECT_EQ(RGB(0x12, 0xAB, 0xEF), gSettings.HistoryColor[0]);

    // 4080 bytes of window text, then letters: the text stops where the
    // marker and terminator still fit a capacity of 4095.
    strcpy(gApp.CapturePointInfo.Text, std::string(255, 'w').c_str());
    key = Key(CopyKindText, "");
    for (int i = 0; i < 16; i++)
        strcat(key.Format, "[TEXT]");
    strcat(key.Format, "abcdefghijklmnop");
    ASSERT_EQ(1, PutCaptureOnClipboard(1, &key));
    std::string text = ClipboardText();
    EXPECT_EQ(4094u, text.size());
    EXPECT_TRUE(text == std::string(16 * 255, 'w') + "abcdefghijk...");
}

TEST_F(CaptureOutput, ImageIsADibOfTheSampleAndTheHistoryKeepsTheRealColour) {
    SetSample(255, 255, 255);
    CopyKey plain = Key(CopyKindImage, "", 1, 1);
    ASSERT_EQ(1, PutCaptureOnClipboard(0, &plain));
    // From black at the left to the previous capture, white, at the right.
    SetSample(0, 0, 0);
    CopyKey gradient = Key(CopyKindImage, "", 4, 2, 0, 1);
    ASSERT_EQ(1, PutCaptureOnClipboard(0, &gradient));
    std::vector<unsigned char> dib = ClipboardDibBytes();
    ASSERT_GE(dib.size(), 40u + 4 * 2 * 4);
    EXPECT_LT(dib.size(), 40u + 4 * 2 * 4 + 32) << "the block is sized to the image";
    EXPECT_EQ(40, dib[0]);
    EXPECT_EQ(2, DibHeight(dib));
    EXPECT_EQ(32, dib[14]);
    EXPECT_EQ(0x3F3F3Fu, DibPixelAt(dib, 0, 1));
    EXPECT_EQ(0xBFBFBFu, DibPixelAt(dib, 2, 0));

    SetSample(255, 0, 16);
    CopyKey inverted = Key(CopyKindImage, "", 2, 2, 1, 0);
    ASSERT_EQ(1, PutCaptureOnClipboard(0, &inverted));
    EXPECT_EQ(0x00FFEFu, DibPixelAt(ClipboardDibBytes(), 1, 1));
    EXPECT_EQ(3, gSettings.HistoryCount);
    EXPECT_EQ(RGB(255, 0, 16), gSettings.HistoryColor[0]);
    EXPECT_EQ(RGB(0, 0, 0), gSettings.HistoryColor[1]);
}

TEST_F(CaptureOutput, OddSizesGiveAHeaderAndHugeOnesAreRefused) {
    SetSample(9, 9, 9);
    // A hand-edited negative width counts as 0, in the header as well.
    CopyKey negative = Key(CopyKindImage, "", -7, 5);
    ASSERT_EQ(1, PutCaptureOnClipboard(0, &negative));
    std::vector<unsigned char> dib = ClipboardDibBytes();
    EXPECT_EQ(0, DibWidth(dib));
    EXPECT_EQ(5, DibHeight(dib));
    EXPECT_EQ(1, gSettings.HistoryCount);

    ASSERT_TRUE(PutClipboardText("before"));
    for (CopyKey key : {Key(CopyKindImage, "", 8192, 8192), Key(CopyKindImage, "", 65536, 65536)}) {
        EXPECT_EQ(0, PutCaptureOnClipboard(0, &key)) << key.Width;
        EXPECT_EQ("before", ClipboardText());
        EXPECT_FALSE(ClipboardHasFormat(CF_DIB));
        EXPECT_EQ(1, gSettings.HistoryCount);
    }
}

TEST_F(CaptureOutput, HeldClipboardFailsTheCaptureButKeepsTheColour) {
    ASSERT_TRUE(PutClipboardText("before"));
    SetSample(0x44, 0x55, 0x66);
    {
        ClipboardHolder holder;
        ASSERT_TRUE(holder.Hold());
        CopyKey image = Key(CopyKindImage, "", 2, 2);
        EXPECT_EQ(0, PutCaptureOnClipboard(0, &image));
        CopyKey text = Key(CopyKindText, "abc");
        EXPECT_EQ(0, PutCaptureOnClipboard(1, &text));
    }
    EXPECT_EQ("before", ClipboardText());
    EXPECT_EQ(2, gSettings.HistoryCount);
    EXPECT_EQ(RGB(0x44, 0x55, 0x66), gSettings.HistoryColor[0]);
}

ClipboardHolder* gHolder;
int gWaits;
int gReleaseAfter;

void CountingWait(int failedAttempts) {
    EXPECT_EQ(++gWaits, failedAttempts);
    if (failedAttempts == gReleaseAfter)
        gHolder->Release();
}

TEST_F(CaptureOutput, OpeningTheClipboardIsRetriedForAboutATenthOfASecond) {
    gWaits = 0;
    ASSERT_EQ(1, OpenClipboardPatiently(owner, CountingWait));
    EXPECT_EQ(0, gWaits);  // free: no waiting
    CloseClipboard();

    ClipboardHolder holder;
    ASSERT_TRUE(holder.Hold());
    gHolder = &holder;
    gReleaseAfter = -1;
    EXPECT_EQ(0, OpenClipboardPatiently(owner, CountingWait));
    EXPECT_EQ(ClipboardOpenAttempts - 1, gWaits);
    int patience = (ClipboardOpenAttempts - 1) * ClipboardRetryDelayMs;
    EXPECT_TRUE(patience >= 50 && patience <= 100) << patience;

    // Released while we wait: the next attempt opens it.
    gWaits = 0;
    gReleaseAfter = 3;
    EXPECT_EQ(1, OpenClipboardPatiently(owner, CountingWait));
    EXPECT_EQ(3, gWaits);
    CloseClipboard();
}

}  // namespace
