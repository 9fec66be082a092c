// The capture menu's entries: a text key previews its expansion, an image
// key shows its size and options, anything else is a separator.
#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "copykey/CaptureMenuLabel.h"

TEST(CaptureMenuLabel, TextPreviewOrImageSizeWithInvertAndGradientArrow) {
    // A preview holds 124 letters and the marker: 127 bytes and the terminator.
    const std::string longFormat(200, 'a'), cut = "テキスト\t" + std::string(124, 'a') + "...";
    const struct { int kind; const char* format; int w, h, invert, gradient; const char* label; } cases[] = {
        {CopyKindText, "#[HEX02R][HEX02G][HEX02B]", 1, 1, 1, 1, "テキスト\t#FF8000"},
        {CopyKindText, longFormat.c_str(), 1, 1, 0, 0, cut.c_str()},
        {CopyKindImage, "", 32, 32, 0, 0, "画像\t32*32"},
        {CopyKindImage, "", 4, 8, 0, 1, "画像\t4*8 →グラデーション"},
        {CopyKindImage, "", 256, 256, 1, 2, "画像\t256*256 色反転 ←グラデーション"},
        {CopyKindImage, "", 4, 8, 0, 3, "画像\t4*8 ↓グラデーション"},
        {CopyKindImage, "", 4, 8, 1, 4, "画像\t4*8 色反転 ↑グラデーション"},
        {CopyKindImage, "", 0, 0, 2, 5, "画像\t0*0"},  // other option values add nothing
        {CopyKindSeparator, "x", 1, 1, 0, 0, ""}, {3, "x", 1, 1, 0, 0, ""}, {-1, "x", 1, 1, 0, 0, ""},
    };
    PointInfo info = {};
    info.Red = 255, info.Green = 128, info.Blue = 0;
    for (const auto& c : cases) {
        CopyKey k = {};
        k.Kind = c.kind, k.Width = c.w, k.Height = c.h, k.Invert = c.invert, k.Gradient = c.gradient;
        strcpy(k.Format, c.format);
        char out[CaptureLabelSize];
        EXPECT_EQ(c.label[0] ? 1 : 0, FormatCaptureMenuLabel(&k, &info, out)) << c.label;
        EXPECT_EQ(c.label, std::string(out));
    }
}
