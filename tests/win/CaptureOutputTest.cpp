// Captures put on the real clipboard and read back: text over a sampled
// point, image bytes, the history push, refusals and a held clipboard.
#include <string.h>

#include "ShellFixture.h"
#include "app/Commands.h"
#include "copykey/CaptureOutput.h"
#include "view/SamplePoint.h"

namespace {

CopyKey TextKey(const char* format) {
    CopyKey k;
    InitCopyKey(&k);
    k.Kind = CopyKindText;
    strcpy(k.Format, format);
    return k;
}

CopyKey ImageKey(int w, int h, int invert = 0, int gradient = 0) {
    CopyKey k;
    InitCopyKey(&k);
    k.Kind = CopyKindImage;
    k.Width = w;
    k.Height = h;
    k.Invert = invert;
    k.Gradient = gradient;
    return k;
}

struct CaptureOutput : ShellFixture {
    void SetSample(int r, int g, int b) {
        gApp.CapturePointInfo.Red = r;
        gApp.CapturePointInfo.Green = g;
        gApp.CapturePointInfo.Blue = b;
        gApp.CapturePointInfo.Color = RGB(r, g, b);
    }
};

TEST_F(CaptureOutput, TextOfASampledPointGoesOnTheClipboard) {
    ShowSwatch(RGB(0x12, 0xAB, 0xEF));
    POINT pt = {750, 550};
    SamplePoint(pt, &gApp.CapturePointInfo);
    ASSERT_EQ(RGB(0x12, 0xAB, 0xEF), gApp.CapturePointInfo.Color);
    if (!TemplatesExpand())
        GTEST_SKIP() << "template expansion is not built in this tree";
    CopyKey key = TextKey("#[HEX02R][HEX02G][HEX02B] [CLASSNAME]");
    ASSERT_EQ(1, PutCaptureOnClipboard(1, &key));
    char cls[64];
    GetClassNameA(swatch, cls, sizeof(cls));
    EXPECT_EQ(std::string("#12ABEF ") + cls, ClipboardText());
    EXPECT_EQ(1, gSettings.HistoryCount);
    EXPECT_EQ(RGB(0x12, 0xAB, 0xEF), gSettings.HistoryColor[0]);
}

TEST_F(CaptureOutput, LongTextIsCutByTheExpander) {
    if (!TemplatesExpand())
        GTEST_SKIP() << "template expansion is not built in this tree";
    // 20 tokens of 255 bytes expand far past 4095 bytes; whole tokens are
    // kept while they leave room for the "..." marker and the terminator.
    strcpy(gApp.CapturePointInfo.Text, std::string(255, 'w').c_str());
    CopyKey key = TextKey("");
    for (int i = 0; i < 20; i++)
        strcat(key.Format, "[TEXT]");
    ASSERT_EQ(1, PutCaptureOnClipboard(1, &key));
    std::string text = ClipboardText();
    EXPECT_EQ(16u * 255 + 3, text.size());
    EXPECT_TRUE(text == std::string(16 * 255, 'w') + "...");
}

TEST_F(CaptureOutput, TextKeyPlacesCfTextEvenWhenItIsEmpty) {
    PutClipboardText("marker");
    CopyKey key = TextKey("");
    ASSERT_EQ(1, PutCaptureOnClipboard(1, &key));
    EXPECT_TRUE(ClipboardHasFormat(CF_TEXT));
    EXPECT_FALSE(ClipboardHasFormat(CF_DIB));
    EXPECT_EQ("", ClipboardText());
    EXPECT_EQ(1, gSettings.HistoryCount);
}

TEST_F(CaptureOutput, ImageIsAThirtyTwoBitDibOfTheSampledColour) {
    SetSample(0x12, 0x34, 0x56);
    CopyKey key = ImageKey(3, 2);
    ASSERT_EQ(1, PutCaptureOnClipboard(0, &key));
    std::vector<unsigned char> dib = ClipboardDibBytes();
    ASSERT_GE(dib.size(), 40u + 3 * 2 * 4);
    EXPECT_EQ(40, dib[0]);
    EXPECT_EQ(3, dib[4]);
    EXPECT_EQ(2, dib[8]);
    EXPECT_EQ(1, dib[12]);
    EXPECT_EQ(32, dib[14]);
    EXPECT_EQ(0, dib[16]);  // uncompressed
    for (int r = 0; r < 2; r++)
        for (int x = 0; x < 3; x++)
            EXPECT_EQ(0x123456u, DibPixelAt(dib, x, r));
    EXPECT_EQ(RGB(0x12, 0x34, 0x56), gSettings.HistoryColor[0]);
}

TEST_F(CaptureOutput, GradientRunsToThePreviousCaptureAndHistoryKeepsTheRealColour) {
    SetSample(255, 255, 255);
    CopyKey plain = ImageKey(1, 1);
    ASSERT_EQ(1, PutCaptureOnClipboard(0, &plain));
    SetSample(0, 0, 0);
    CopyKey key = ImageKey(4, 1, 0, 1);
    ASSERT_EQ(1, PutCaptureOnClipboard(0, &key));
    std::vector<unsigned char> dib = ClipboardDibBytes();
    ASSERT_GE(dib.size(), 40u + 16);
    EXPECT_EQ(0x3F3F3Fu, DibPixelAt(dib, 0, 0));
    EXPECT_EQ(0x7F7F7Fu, DibPixelAt(dib, 1, 0));
    EXPECT_EQ(0xBFBFBFu, DibPixelAt(dib, 2, 0));
    EXPECT_EQ(0xFFFFFFu, DibPixelAt(dib, 3, 0));

    // Inverted: RGB(255, 0, 16) becomes RGB(0, 255, 239) in the image only.
    SetSample(255, 0, 16);
    CopyKey inverted = ImageKey(2, 2, 1, 0);
    ASSERT_EQ(1, PutCaptureOnClipboard(0, &inverted));
    dib = ClipboardDibBytes();
    ASSERT_GE(dib.size(), 40u + 16);
    EXPECT_EQ(0x00FFEFu, DibPixelAt(dib, 1, 1));
    EXPECT_EQ(3, gSettings.HistoryCount);
    EXPECT_EQ(RGB(255, 0, 16), gSettings.HistoryColor[0]);
    EXPECT_EQ(RGB(0, 0, 0), gSettings.HistoryColor[1]);
}

TEST_F(CaptureOutput, ZeroAndNegativeSizesGiveAHeaderOnly) {
    SetSample(1, 2, 3);
    CopyKey zero = ImageKey(0, 0);
    ASSERT_EQ(1, PutCaptureOnClipboard(0, &zero));
    std::vector<unsigned char> dib = ClipboardDibBytes();
    ASSERT_GE(dib.size(), 40u);
    EXPECT_EQ(0, dib[4]);
    EXPECT_EQ(1, gSettings.HistoryCount);

    // A hand-edited negative width counts as 0, in the header as well.
    CopyKey negative = ImageKey(-7, 5);
    ASSERT_EQ(1, PutCaptureOnClipboard(0, &negative));
    dib = ClipboardDibBytes();
    ASSERT_GE(dib.size(), 40u);
    EXPECT_EQ(0u, (unsigned)(dib[4] | (dib[5] << 8) | (dib[6] << 16) | (dib[7] << 24)));
    EXPECT_EQ(5, dib[8]);
    EXPECT_EQ(2, gSettings.HistoryCount);
}

TEST_F(CaptureOutput, OversizedImageIsRefusedWithoutTouchingAnything) {
    ASSERT_TRUE(PutClipboardText("before"));
    SetSample(9, 9, 9);
    for (CopyKey key : {ImageKey(8192, 8192), ImageKey(65536, 65536), ImageKey(0x7FFFFFFF, 3)}) {
        EXPECT_EQ(0, PutCaptureOnClipboard(0, &key)) << key.Width;
        EXPECT_EQ("before", ClipboardText());
        EXPECT_FALSE(ClipboardHasFormat(CF_DIB));
        EXPECT_EQ(0, gSettings.HistoryCount);
    }
}

TEST_F(CaptureOutput, HeldClipboardFailsTheCaptureButKeepsTheColour) {
    ASSERT_TRUE(PutClipboardText("before"));
    SetSample(0x44, 0x55, 0x66);
    {
        ClipboardHolder holder;
        ASSERT_TRUE(holder.Hold());
        CopyKey key = ImageKey(2, 2);
        EXPECT_EQ(0, PutCaptureOnClipboard(0, &key));
        CopyKey text = TextKey("abc");
        EXPECT_EQ(0, PutCaptureOnClipboard(1, &text));
    }
    EXPECT_EQ("before", ClipboardText());
    EXPECT_FALSE(ClipboardHasFormat(CF_DIB));
    EXPECT_EQ(2, gSettings.HistoryCount);
    EXPECT_EQ(RGB(0x44, 0x55, 0x66), gSettings.HistoryColor[0]);
}

ClipboardHolder* gHolder;
int gWaits;
int gReleaseAfter;

void CountingWait(int failedAttempts) {
    gWaits++;
    EXPECT_EQ(gWaits, failedAttempts);
    if (failedAttempts == gReleaseAfter)
        gHolder->Release();
}

TEST_F(CaptureOutput, OpeningTheClipboardIsRetriedBeforeGivingUp) {
    ClipboardHolder holder;
    ASSERT_TRUE(holder.Hold());
    gHolder = &holder;
    gWaits = 0;
    gReleaseAfter = -1;
    EXPECT_EQ(0, OpenClipboardPatiently(owner, CountingWait));
    EXPECT_EQ(ClipboardOpenAttempts - 1, gWaits);
    // The whole patience stays around a tenth of a second.
    EXPECT_LE((ClipboardOpenAttempts - 1) * ClipboardRetryDelayMs, 100);
    EXPECT_GE((ClipboardOpenAttempts - 1) * ClipboardRetryDelayMs, 50);

    // Released while we wait: the next attempt opens it.
    gWaits = 0;
    gReleaseAfter = 3;
    EXPECT_EQ(1, OpenClipboardPatiently(owner, CountingWait));
    EXPECT_EQ(3, gWaits);
    CloseClipboard();
}

TEST_F(CaptureOutput, FreeClipboardOpensAtTheFirstAttempt) {
    gWaits = 0;
    gReleaseAfter = -1;
    ASSERT_EQ(1, OpenClipboardPatiently(owner, CountingWait));
    EXPECT_EQ(0, gWaits);
    CloseClipboard();
}

}  // namespace
