// Any template over any record and any capacity: the output is always
// terminated inside its capacity, a cut result is a prefix of the full one
// followed by "...", and a result that fits equals the full one. The
// colour-science tokens of the record's colour parse back within one unit
// of their last place of the same values computed here the plain way.
#include <math.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "template/CssColorNames.h"
#include "template/Template.h"

namespace {

// The published definitions in floating point, with the C library's pow,
// cbrt and atan2: sRGB to XYZ (D65) and the Bradford adaptation to D50 of
// CSS Color 4, CIE Lab over the D50 white, Oklab by Ottosson's own
// matrices from linear sRGB, WCAG 2's luminance.
const double kXyz[3][3] = {{0.41239079926595934, 0.357584339383878, 0.1804807884018343},
                           {0.21263900587151027, 0.715168678767756, 0.07219231536073371},
                           {0.01933081871559182, 0.11919477979462598, 0.9505321522496607}};
const double kBradford[3][3] = {{1.0479297925449969, 0.022946870601609652, -0.05019226628920524},
                                {0.02962780877005599, 0.9904344267538799, -0.017073799063418826},
                                {-0.009243040646204504, 0.015055191490298152, 0.7518742814281371}};
const double kD50[3] = {0.3457 / 0.3585, 1.0, (1.0 - 0.3457 - 0.3585) / 0.3585};
const double kLms[3][3] = {{0.4122214708, 0.5363325363, 0.0514459929},
                           {0.2119034982, 0.6806995451, 0.1073969566},
                           {0.0883024619, 0.2817188376, 0.6299787005}};
const double kOklab[3][3] = {{0.2104542553, 0.7936177850, -0.0040720468},
                             {1.9779984951, -2.4285922050, 0.4505937099},
                             {0.0259040371, 0.7827717662, -0.8086757660}};

double Linear(int c) {
    double v = c / 255.0;
    return v <= 0.04045 ? v / 12.92 : pow((v + 0.055) / 1.055, 2.4);
}

void Apply(const double m[3][3], const double* in, double* out) {
    for (int i = 0; i < 3; i++)
        out[i] = m[i][0] * in[0] + m[i][1] * in[1] + m[i][2] * in[2];
}

double Degrees(double a, double b) {
    double h = atan2(b, a) * 180.0 / M_PI;
    return h < 0 ? h + 360.0 : h;
}

int Clamp(int v) {
    return v < 0 ? 0 : v > 255 ? 255 : v;
}

double Luminance(int r, int g, int b) {
    return 0.2126 * Linear(r) + 0.7152 * Linear(g) + 0.0722 * Linear(b);
}

void ComputeOklab(int r, int g, int b, double* ok) {
    double lin[3] = {Linear(r), Linear(g), Linear(b)}, lms[3];
    Apply(kLms, lin, lms);
    for (double& v : lms)
        v = cbrt(v);
    Apply(kOklab, lms, ok);
}

struct Expected {
    const char* token;
    double value;
    int places;
    bool hue;  // compared across 0 and 360; a grey's is 0
};

// One number of the expansion at *p, ending at a space or the end: the
// stated places, no sign on a zero, within one unit of the last place
// (and a little for the reference's own rounding) of the value.
void CheckNumber(const char** p, const Expected& e, bool grey) {
    char* end = nullptr;
    double got = strtod(*p, &end);
    FUZZ_CHECK(end != *p);
    const char* point = strchr(*p, '.');
    int places = point && point < end ? (int)(end - point - 1) : 0;
    FUZZ_CHECK(places == e.places);
    FUZZ_CHECK(!(got == 0 && **p == '-'));
    double unit = pow(10.0, -e.places), d = fabs(got - e.value);
    if (e.hue) {
        FUZZ_CHECK(got >= 0 && got < 360);
        d = grey ? got : fmin(d, 360 - d);
    }
    FUZZ_CHECK(d <= unit * 1.001);
    *p = *end ? end + 1 : end;
}

std::string Expand(const char* tmpl, const PointInfo& info) {
    char out[1024];
    FUZZ_CHECK(ExpandTemplate(out, tmpl, sizeof(out), &info) == 1);
    return out;
}

void CheckColourScience(const PointInfo& info) {
    const int r = Clamp(info.Red), g = Clamp(info.Green), b = Clamp(info.Blue);
    const bool grey = r == g && g == b;
    double lin[3] = {Linear(r), Linear(g), Linear(b)}, xyz[3], xyz50[3], f[3], ok[3];
    Apply(kXyz, lin, xyz);
    Apply(kBradford, xyz, xyz50);
    for (int i = 0; i < 3; i++) {
        double t = xyz50[i] / kD50[i];
        f[i] = t > 216.0 / 24389.0 ? cbrt(t) : (24389.0 / 27.0 * t + 16.0) / 116.0;
    }
    const double labL = 116 * f[1] - 16, labA = 500 * (f[0] - f[1]), labB = 200 * (f[1] - f[2]);
    ComputeOklab(r, g, b, ok);
    const int max = r > g ? (r > b ? r : b) : (g > b ? g : b);
    const int min = r < g ? (r < b ? r : b) : (g < b ? g : b);
    const double k = 1 - max / 255.0;
    const Expected expected[] = {
        {"[LABL]", labL, 2, false}, {"[LABA]", labA, 2, false}, {"[LABB]", labB, 2, false},
        {"[LCHL]", labL, 2, false}, {"[LCHC]", hypot(labA, labB), 2, false}, {"[LCHH]", Degrees(labA, labB), 2, true},
        {"[OKL]", ok[0], 4, false}, {"[OKA]", ok[1], 4, false}, {"[OKB]", ok[2], 4, false},
        {"[OKLCHL]", ok[0], 4, false}, {"[OKLCHC]", hypot(ok[1], ok[2]), 4, false},
        {"[OKLCHH]", Degrees(ok[1], ok[2]), 2, true},
        {"[XYZX]", 100 * xyz[0], 2, false}, {"[XYZY]", 100 * xyz[1], 2, false}, {"[XYZZ]", 100 * xyz[2], 2, false},
        // HSV's hue from atan2 of the hexagon's projection would be a
        // different hue: this is the sextant formula, in floating point.
        {"[HWBH]", max == min ? 0.0 : max == r ? fmod(60.0 * (g - b) / (max - min) + 360.0, 360.0)
                                    : max == g ? 60.0 * (b - r) / (max - min) + 120.0
                                               : 60.0 * (r - g) / (max - min) + 240.0, 0, true},
        {"[HWBW]", min * 100.0 / 255.0, 0, false}, {"[HWBB]", 100 - max * 100.0 / 255.0, 0, false},
        {"[CMYKC]", max ? (1 - r / 255.0 - k) / (1 - k) * 100 : 0, 0, false},
        {"[CMYKM]", max ? (1 - g / 255.0 - k) / (1 - k) * 100 : 0, 0, false},
        {"[CMYKY]", max ? (1 - b / 255.0 - k) / (1 - k) * 100 : 0, 0, false},
        {"[CMYKK]", 100 * k, 0, false},
        {"[LUM]", Luminance(r, g, b), 4, false},
    };
    std::string tmpl;
    for (const Expected& e : expected)
        tmpl += std::string(e.token) + " ";
    tmpl.pop_back();
    const std::string text = Expand(tmpl.c_str(), info);
    const char* p = text.c_str();
    for (const Expected& e : expected)
        CheckNumber(&p, e, grey);
    FUZZ_CHECK(*p == 0);

    // The CSS forms hold the numbers of their tokens.
    FUZZ_CHECK(Expand("[CSSLAB]", info) == "lab(" + Expand("[LABL] [LABA] [LABB]", info) + ")");
    FUZZ_CHECK(Expand("[CSSOKLCH]", info) == "oklch(" + Expand("[OKLCHL] [OKLCHC] [OKLCHH]", info) + ")");
    FUZZ_CHECK(Expand("[CSSRGB]", info) == "rgb(" + std::to_string(r) + " " + std::to_string(g) + " " +
                                               std::to_string(b) + ")");

    // The name lies nearest in Oklab, or as near as makes no difference.
    const std::string name = Expand("[NAME]", info);
    double nearest = 1e9, chosen = -1;
    for (int i = 0; i < CssColorNameCount; i++) {
        uint32_t rgb = 0;
        const char* n = CssColorNameAt(i, &rgb);
        double o[3];
        ComputeOklab((int)(rgb >> 16), (int)((rgb >> 8) & 0xFF), (int)(rgb & 0xFF), o);
        double d = sqrt((o[0] - ok[0]) * (o[0] - ok[0]) + (o[1] - ok[1]) * (o[1] - ok[1]) +
                        (o[2] - ok[2]) * (o[2] - ok[2]));
        nearest = fmin(nearest, d);
        if (name == n)
            chosen = d;
    }
    FUZZ_CHECK(chosen >= 0 && chosen <= nearest + 1e-6);

    // Against a previous colour from the record's first bytes: the ratio
    // cut, never above the plain one and less than a hundredth below; the
    // verdict unless the ratio sits on a threshold's edge.
    PointInfo withPrevious = info;
    withPrevious.HasPreviousColor = 1;
    withPrevious.PreviousColor = (ColorRef)info.MouseX;
    const ColorRef c = withPrevious.PreviousColor;
    double l1 = Luminance(r, g, b), l2 = Luminance(ColorRed(c), ColorGreen(c), ColorBlue(c));
    double ratio = (fmax(l1, l2) + 0.05) / (fmin(l1, l2) + 0.05);
    const std::string contrast = Expand("[CONTRAST] [WCAG]", withPrevious);
    char* end = nullptr;
    double cut = strtod(contrast.c_str(), &end);
    FUZZ_CHECK(end - contrast.c_str() >= 4 && end[-3] == '.');
    FUZZ_CHECK(cut <= ratio + 1e-9 && cut > ratio - 0.01 - 1e-9);
    const char* verdict = ratio >= 7 ? "AAA" : ratio >= 4.5 ? "AA" : ratio >= 3 ? "AA large" : "fail";
    bool edge = fabs(ratio - 7) < 1e-9 || fabs(ratio - 4.5) < 1e-9 || fabs(ratio - 3) < 1e-9;
    FUZZ_CHECK(edge || strcmp(end + 1, verdict) == 0);
    if (info.HasPreviousColor != 1)
        FUZZ_CHECK(Expand("[CONTRAST] [WCAG]", info) == "- -");
}

PointInfo Sample() {
    PointInfo info;
    memset(&info, 0, sizeof(info));
    info.Red = 200;
    info.Green = 100;
    info.Blue = 50;
    info.Color = MakeColor(200, 100, 50);
    info.Hwnd = 0x10A2C;
    strcpy(info.ClassName, "Button");
    strcpy(info.Text, "OK");
    info.Rect = {10, 20, 110, 320};
    strcpy(info.ExeName, "a.exe");
    strcpy(info.ExePath, "C:\\");
    info.Time = {2026, 12, 0, 6, 15, 5, 9, 0};
    return info;
}

}  // namespace

// Layout: two bytes of capacity, the template up to the first zero byte,
// then bytes that overwrite the record from its start.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    int capacity = (data[0] | (data[1] << 8)) % 5000;
    const char* rest = (const char*)data + 2;
    size_t restSize = size - 2;
    size_t tmplLength = strnlen(rest, restSize);
    std::vector<char> tmpl(rest, rest + tmplLength);
    tmpl.push_back(0);
    PointInfo info = Sample();
    if (tmplLength + 1 < restSize) {
        size_t n = restSize - tmplLength - 1;
        memcpy(&info, rest + tmplLength + 1, n < sizeof(info) ? n : sizeof(info));
    }

    // Exactly capacity bytes, so AddressSanitizer sees any write past them.
    std::vector<char> out(capacity > 0 ? (size_t)capacity : 1, 'x');
    int r = ExpandTemplate(out.data(), tmpl.data(), capacity, &info);
    FUZZ_CHECK(r == 0 || r == 1);
    if (capacity <= 3) {
        FUZZ_CHECK(r == 0);
        FUZZ_CHECK(out[0] == (capacity > 0 ? 0 : 'x'));  // emptied when there is room
        return 0;
    }
    size_t length = strnlen(out.data(), (size_t)capacity);
    FUZZ_CHECK(length < (size_t)capacity);

    // No piece is longer than 255 bytes and each takes at least one byte of
    // the template: this capacity never cuts.
    size_t bigCapacity = tmplLength * 255 + 64;
    std::vector<char> full(bigCapacity);
    FUZZ_CHECK(ExpandTemplate(full.data(), tmpl.data(), (int)bigCapacity, &info) == 1);
    size_t fullLength = strlen(full.data());
    if (r == 1) {
        FUZZ_CHECK(length == fullLength && memcmp(out.data(), full.data(), length) == 0);
    } else {
        FUZZ_CHECK(length >= 3 && memcmp(out.data() + length - 3, "...", 3) == 0);
        FUZZ_CHECK(length - 3 <= (size_t)capacity - 4);
        FUZZ_CHECK(length - 3 <= fullLength);
        FUZZ_CHECK(memcmp(out.data(), full.data(), length - 3) == 0);
    }

    // The same call again gives the same bytes: no state between calls.
    std::vector<char> again((size_t)capacity);
    FUZZ_CHECK(ExpandTemplate(again.data(), tmpl.data(), capacity, &info) == r);
    FUZZ_CHECK(strcmp(again.data(), out.data()) == 0);

    CheckColourScience(info);
    return 0;
}
