#include "template/Template.h"

#include <stdint.h>
#include <string.h>

#include "core/Clamp.h"
#include "core/LeadByte.h"
#include "template/ColorModel.h"
#include "template/ColorScience.h"
#include "template/CssColorNames.h"
#include "template/DateEscape.h"

namespace {

// Where a token's value comes from.
enum Source : uint8_t {
    SrcRed, SrcGreen, SrcBlue,
    SrcHsvH, SrcHsvS, SrcHsvV,
    SrcHlsH, SrcHlsL, SrcHlsS,
    SrcYmcY, SrcYmcM, SrcYmcC,
    SrcColorRef, SrcMouseX, SrcMouseY,
    SrcHwnd, SrcWindowId, SrcParentHwnd, SrcHInst,
    SrcClassName, SrcText, SrcExeName, SrcExePath,
    SrcLeft, SrcTop, SrcRight, SrcBottom, SrcWidth, SrcHeight,
    SrcPid, SrcTid, SrcStyle, SrcExStyle,
    // The colour-science tokens, each family's model computed on first use.
    SrcLabL, SrcLabA, SrcLabB, SrcLchC, SrcLchH, SrcCssLab,
    SrcOkL, SrcOkA, SrcOkB, SrcOklchC, SrcOklchH, SrcCssOklch, SrcName,
    SrcXyzX, SrcXyzY, SrcXyzZ,
    SrcHwbH, SrcHwbW, SrcHwbB,
    SrcCmykC, SrcCmykM, SrcCmykY, SrcCmykK,
    SrcCssHsl, SrcCssRgb,
    SrcLuminance, SrcContrast, SrcWcag,
};

// How the value is spelled.
enum Form : uint8_t {
    FormHex02Lower,   // "%02x"
    FormHexLower,     // "%x"
    FormHighNibble2,  // low four bits cleared, "%02X": 0xAB gives A0
    FormHex02Upper,   // "%02X"
    FormHexUpper,     // "%X"
    FormHighDigit,    // shifted right by 4, "%X": 0xAB gives A
    FormDec,          // "%d"
    FormDec3,         // "%3d"
    FormPercent,      // percent, "%d"
    FormPercent3,     // percent, "%3d"
    FormHandle,       // "%08X", "-" for 0
    FormFlags,        // "%08x", also for 0
    FormText,         // the text unchanged
    FormScience,      // a colour-science value in its own form
};

struct Token {
    const char* name;
    uint8_t length;
    uint8_t source;
    uint8_t form;
};

#define TOKEN(name, source, form) {name, (uint8_t)(sizeof(name) - 1), source, form}
#define TOKEN_RGB(lr, lg, lb, form) TOKEN(lr, SrcRed, form), TOKEN(lg, SrcGreen, form), TOKEN(lb, SrcBlue, form)
#define TOKEN_3(a, b, c, sa, sb, sc, form) TOKEN(a, sa, form), TOKEN(b, sb, form), TOKEN(c, sc, form)

// The whole vocabulary. Names compare exactly and case-sensitively: the
// lower-case hex family and the upper-case HEX family are different tokens.
constexpr Token kTokens[] = {
    TOKEN_RGB("hex02r", "hex02g", "hex02b", FormHex02Lower),
    TOKEN_RGB("hexr", "hexg", "hexb", FormHexLower),
    TOKEN_RGB("hex1r", "hex1g", "hex1b", FormHighNibble2),
    TOKEN_RGB("HEX02R", "HEX02G", "HEX02B", FormHex02Upper),
    TOKEN_RGB("HEXR", "HEXG", "HEXB", FormHexUpper),
    TOKEN_RGB("HEX1R", "HEX1G", "HEX1B", FormHighDigit),
    TOKEN_RGB("DECR", "DECG", "DECB", FormDec),
    TOKEN_RGB("DEC3R", "DEC3G", "DEC3B", FormDec3),
    TOKEN_RGB("%DECR", "%DECG", "%DECB", FormPercent),
    TOKEN_RGB("%DEC3R", "%DEC3G", "%DEC3B", FormPercent3),
    TOKEN("COLORREF", SrcColorRef, FormDec),
    TOKEN_3("HSVH", "HSVS", "HSVV", SrcHsvH, SrcHsvS, SrcHsvV, FormDec),
    TOKEN_3("HSV3H", "HSV3S", "HSV3V", SrcHsvH, SrcHsvS, SrcHsvV, FormDec3),
    TOKEN_3("%HSVH", "%HSVS", "%HSVV", SrcHsvH, SrcHsvS, SrcHsvV, FormPercent),
    TOKEN_3("%HSV3H", "%HSV3S", "%HSV3V", SrcHsvH, SrcHsvS, SrcHsvV, FormPercent3),
    TOKEN_3("HLSH", "HLSL", "HLSS", SrcHlsH, SrcHlsL, SrcHlsS, FormDec),
    TOKEN_3("HLS3H", "HLS3L", "HLS3S", SrcHlsH, SrcHlsL, SrcHlsS, FormDec3),
    TOKEN_3("%HLSH", "%HLSL", "%HLSS", SrcHlsH, SrcHlsL, SrcHlsS, FormPercent),
    TOKEN_3("%HLS3H", "%HLS3L", "%HLS3S", SrcHlsH, SrcHlsL, SrcHlsS, FormPercent3),
    TOKEN_3("YMCY", "YMCM", "YMCC", SrcYmcY, SrcYmcM, SrcYmcC, FormDec),
    TOKEN_3("YMC3Y", "YMC3M", "YMC3C", SrcYmcY, SrcYmcM, SrcYmcC, FormDec3),
    TOKEN_3("%YMCY", "%YMCM", "%YMCC", SrcYmcY, SrcYmcM, SrcYmcC, FormPercent),
    TOKEN_3("%YMC3Y", "%YMC3M", "%YMC3C", SrcYmcY, SrcYmcM, SrcYmcC, FormPercent3),
    TOKEN("MOUSEX", SrcMouseX, FormDec),
    TOKEN("MOUSEY", SrcMouseY, FormDec),
    TOKEN("HWND", SrcHwnd, FormHandle),
    TOKEN("WINDOWID", SrcWindowId, FormHandle),
    TOKEN("PARENTHWND", SrcParentHwnd, FormHandle),
    TOKEN("HINST", SrcHInst, FormHandle),
    TOKEN("CLASSNAME", SrcClassName, FormText),
    TOKEN("TEXT", SrcText, FormText),
    TOKEN("LEFT", SrcLeft, FormDec),
    TOKEN("TOP", SrcTop, FormDec),
    TOKEN("RIGHT", SrcRight, FormDec),
    TOKEN("BOTTOM", SrcBottom, FormDec),
    TOKEN("WIDTH", SrcWidth, FormDec),
    TOKEN("HEIGHT", SrcHeight, FormDec),
    TOKEN("PID", SrcPid, FormDec),
    TOKEN("TID", SrcTid, FormDec),
    TOKEN("STYLE", SrcStyle, FormFlags),
    TOKEN("EXSTYLE", SrcExStyle, FormFlags),
    TOKEN("EXENAME", SrcExeName, FormText),
    TOKEN("EXEPATH", SrcExePath, FormText),
    TOKEN_3("LABL", "LABA", "LABB", SrcLabL, SrcLabA, SrcLabB, FormScience),
    TOKEN_3("LCHL", "LCHC", "LCHH", SrcLabL, SrcLchC, SrcLchH, FormScience),
    TOKEN_3("OKL", "OKA", "OKB", SrcOkL, SrcOkA, SrcOkB, FormScience),
    TOKEN_3("OKLCHL", "OKLCHC", "OKLCHH", SrcOkL, SrcOklchC, SrcOklchH, FormScience),
    TOKEN_3("XYZX", "XYZY", "XYZZ", SrcXyzX, SrcXyzY, SrcXyzZ, FormScience),
    TOKEN_3("HWBH", "HWBW", "HWBB", SrcHwbH, SrcHwbW, SrcHwbB, FormScience),
    TOKEN_3("CMYKC", "CMYKM", "CMYKY", SrcCmykC, SrcCmykM, SrcCmykY, FormScience),
    TOKEN("CMYKK", SrcCmykK, FormScience),
    TOKEN("LUM", SrcLuminance, FormScience),
    TOKEN("CONTRAST", SrcContrast, FormScience),
    TOKEN("WCAG", SrcWcag, FormScience),
    TOKEN("CSSRGB", SrcCssRgb, FormScience),
    TOKEN("CSSHSL", SrcCssHsl, FormScience),
    TOKEN("CSSLAB", SrcCssLab, FormScience),
    TOKEN("CSSOKLCH", SrcCssOklch, FormScience),
    TOKEN("NAME", SrcName, FormScience),
};

constexpr int kTokenCount = (int)(sizeof(kTokens) / sizeof(kTokens[0]));
static_assert(kTokenCount == 117, "the template vocabulary has 117 tokens");

// Names ordered by length, then byte by byte: the lookup runs on every
// token of every redraw, so it bisects instead of walking all 117.
constexpr int CompareName(const char* a, size_t aLength, const char* b, size_t bLength) {
    if (aLength != bLength)
        return aLength < bLength ? -1 : 1;
    for (size_t i = 0; i < aLength; i++) {
        unsigned char x = (unsigned char)a[i];
        unsigned char y = (unsigned char)b[i];
        if (x != y)
            return x < y ? -1 : 1;
    }
    return 0;
}

struct TokenOrder {
    uint8_t index[kTokenCount];
};

constexpr TokenOrder SortTokens() {
    TokenOrder order = {};
    for (int i = 0; i < kTokenCount; i++) {
        int j = i;
        while (j > 0) {
            const Token& prev = kTokens[order.index[j - 1]];
            if (CompareName(prev.name, prev.length, kTokens[i].name, kTokens[i].length) <= 0)
                break;
            order.index[j] = order.index[j - 1];
            j--;
        }
        order.index[j] = (uint8_t)i;
    }
    return order;
}

constexpr TokenOrder kTokenOrder = SortTokens();

enum { FragmentSize = 256, NameLimit = 255 };

// The colour-model values of one record, computed once per expansion.
struct ModelValues {
    int hsvH, hsvS, hsvV;
    int hlsH, hlsL, hlsS;
};

const Token* FindToken(const char* name, size_t length) {
    int low = 0;
    int high = kTokenCount;
    while (low < high) {
        int mid = (low + high) / 2;
        const Token& t = kTokens[kTokenOrder.index[mid]];
        int c = CompareName(t.name, t.length, name, length);
        if (c == 0)
            return &t;
        if (c < 0)
            low = mid + 1;
        else
            high = mid;
    }
    return nullptr;
}

// A record's text field: at most 255 bytes even when its terminator is
// missing.
size_t FieldLength(const char* field) {
    const void* end = memchr(field, 0, TextFieldSize - 1);
    return end ? (size_t)((const char*)end - field) : TextFieldSize - 1;
}

const char* TextOf(int source, const PointInfo* info) {
    switch (source) {
    case SrcClassName:
        return info->ClassName;
    case SrcText:
        return info->Text;
    case SrcExeName:
        return info->ExeName;
    default:
        return info->ExePath;
    }
}

// The numeric value of a source. Differences wrap the way 32-bit Windows
// arithmetic does, without overflowing a signed int.
int32_t NumberOf(int source, const PointInfo* info, const ModelValues& m) {
    switch (source) {
    case SrcRed:
        return info->Red;
    case SrcGreen:
        return info->Green;
    case SrcBlue:
        return info->Blue;
    case SrcHsvH:
        return m.hsvH;
    case SrcHsvS:
        return m.hsvS;
    case SrcHsvV:
        return m.hsvV;
    case SrcHlsH:
        return m.hlsH;
    case SrcHlsL:
        return m.hlsL;
    case SrcHlsS:
        return m.hlsS;
    case SrcYmcY:
        return (int32_t)(255u - (uint32_t)info->Red);
    case SrcYmcM:
        return (int32_t)(255u - (uint32_t)info->Green);
    case SrcYmcC:
        return (int32_t)(255u - (uint32_t)info->Blue);
    case SrcColorRef:
        return (int32_t)info->Color;
    case SrcMouseX:
        return info->MouseX;
    case SrcMouseY:
        return info->MouseY;
    case SrcHwnd:
        return (int32_t)info->Hwnd;
    case SrcWindowId:
        return (int32_t)info->WindowId;
    case SrcParentHwnd:
        return (int32_t)info->ParentHwnd;
    case SrcHInst:
        return (int32_t)info->HInst;
    case SrcLeft:
        return info->Rect.Left;
    case SrcTop:
        return info->Rect.Top;
    case SrcRight:
        return info->Rect.Right;
    case SrcBottom:
        return info->Rect.Bottom;
    case SrcWidth:
        return (int32_t)((uint32_t)info->Rect.Right - (uint32_t)info->Rect.Left);
    case SrcHeight:
        return (int32_t)((uint32_t)info->Rect.Bottom - (uint32_t)info->Rect.Top);
    case SrcPid:
        return (int32_t)info->Pid;
    case SrcTid:
        return (int32_t)info->Tid;
    case SrcStyle:
        return (int32_t)info->Style;
    default:
        return (int32_t)info->ExStyle;
    }
}

int Percent(int source, int32_t v) {
    return (source == SrcHsvH || source == SrcHlsH) ? PercentOfHue(v) : PercentOfByte(v);
}

// Digits by hand rather than through snprintf: the user line is expanded on
// every redraw and a format string costs more than the rest of the token.
// The base is a constant of each caller, so the divisions become shifts and
// multiplications.
template <unsigned Base>
int FormatUnsigned(char* out, uint32_t v, int minDigits, bool upper) {
    const char* digits = upper ? "0123456789ABCDEF" : "0123456789abcdef";
    char reversed[12];
    int n = 0;
    do {
        reversed[n++] = digits[v % Base];
        v /= Base;
    } while (v != 0);
    while (n < minDigits)
        reversed[n++] = '0';
    for (int i = 0; i < n; i++)
        out[i] = reversed[n - 1 - i];
    out[n] = 0;
    return n;
}

int FormatHex(char* out, uint32_t v, int minDigits, bool upper) {
    return FormatUnsigned<16>(out, v, minDigits, upper);
}

// "%d" with width 0, "%3d" with width 3: right-aligned, padded with spaces.
int FormatDecimal(char* out, int32_t v, int width) {
    char digits[12];
    uint32_t magnitude = v < 0 ? 0u - (uint32_t)v : (uint32_t)v;
    int n = FormatUnsigned<10>(v < 0 ? digits + 1 : digits, magnitude, 1, false);
    if (v < 0) {
        digits[0] = '-';
        n++;
    }
    int pad = width > n ? width - n : 0;
    memset(out, ' ', (size_t)pad);
    memcpy(out + pad, digits, (size_t)n + 1);
    return pad + n;
}

// Writes a numeric token's text into frag; returns its length.
int FormatNumber(const Token& t, int32_t v, char* frag) {
    uint32_t u = (uint32_t)v;
    switch (t.form) {
    case FormHex02Lower:
        return FormatHex(frag, u, 2, false);
    case FormHexLower:
        return FormatHex(frag, u, 1, false);
    case FormHighNibble2:
        return FormatHex(frag, u & ~0xFu, 2, true);
    case FormHex02Upper:
        return FormatHex(frag, u, 2, true);
    case FormHexUpper:
        return FormatHex(frag, u, 1, true);
    case FormHighDigit:
        return FormatHex(frag, u >> 4, 1, true);
    case FormDec3:
        return FormatDecimal(frag, v, 3);
    case FormPercent:
        return FormatDecimal(frag, Percent(t.source, v), 0);
    case FormPercent3:
        return FormatDecimal(frag, Percent(t.source, v), 3);
    case FormHandle:
        if (u == 0) {
            frag[0] = '-';
            frag[1] = 0;
            return 1;
        }
        return FormatHex(frag, u, 8, true);
    case FormFlags:
        return FormatHex(frag, u, 8, false);
    default:
        return FormatDecimal(frag, v, 0);
    }
}

// The colour-science models of one record, each computed when the first
// token of its family asks for it: a template without such tokens pays
// nothing for them.
enum ScienceFamily {
    FamLab = 1, FamOklab = 2, FamXyz = 4, FamHwb = 8, FamCmyk = 16, FamHsl = 32, FamLuminance = 64,
};

struct ScienceValues {
    int have;  // ScienceFamily bits
    LabColor lab;
    OklabColor oklab;
    XyzColor xyz;
    HwbColor hwb;
    CmykColor cmyk;
    HslColor hsl;
    int64_t luminance;
};

int FamilyOf(int source) {
    switch (source) {
    case SrcLabL: case SrcLabA: case SrcLabB: case SrcLchC: case SrcLchH: case SrcCssLab:
        return FamLab;
    case SrcOkL: case SrcOkA: case SrcOkB: case SrcOklchC: case SrcOklchH: case SrcCssOklch:
        return FamOklab;
    case SrcXyzX: case SrcXyzY: case SrcXyzZ:
        return FamXyz;
    case SrcHwbH: case SrcHwbW: case SrcHwbB:
        return FamHwb;
    case SrcCmykC: case SrcCmykM: case SrcCmykY: case SrcCmykK:
        return FamCmyk;
    case SrcCssHsl:
        return FamHsl;
    case SrcLuminance: case SrcContrast: case SrcWcag:
        return FamLuminance;
    default:
        return 0;  // the name and rgb() need no model of their own
    }
}

void ComputeFamily(int family, const PointInfo* info, ScienceValues* v) {
    int r = info->Red, g = info->Green, b = info->Blue;
    switch (family) {
    case FamLab:
        RgbToLab(r, g, b, &v->lab);
        break;
    case FamOklab:
        RgbToOklab(r, g, b, &v->oklab);
        break;
    case FamXyz:
        RgbToXyz(r, g, b, &v->xyz);
        break;
    case FamHwb:
        RgbToHwb(r, g, b, &v->hwb);
        break;
    case FamCmyk:
        RgbToCmyk(r, g, b, &v->cmyk);
        break;
    case FamHsl:
        RgbToCssHsl(r, g, b, &v->hsl);
        break;
    case FamLuminance:
        v->luminance = RelativeLuminance(r, g, b);
        break;
    }
}

// A number with places decimals ("-0.05", "0.00", "254.30"), or a whole
// number for 0 places. The value comes rounded already; 0 has no sign.
int FormatPlaces(char* out, int32_t v, int places) {
    if (places == 0)
        return FormatDecimal(out, v, 0);
    uint32_t scale = places == 4 ? 10000u : 100u;
    uint32_t magnitude = v < 0 ? 0u - (uint32_t)v : (uint32_t)v;
    int n = 0;
    if (v < 0)
        out[n++] = '-';
    n += FormatUnsigned<10>(out + n, magnitude / scale, 1, false);
    out[n++] = '.';
    return n + FormatUnsigned<10>(out + n, magnitude % scale, places, false);
}

int PutText(char* out, const char* text) {
    size_t n = strlen(text);
    memcpy(out, text, n + 1);
    return (int)n;
}

// One value of a CSS function with its decimal places and its unit.
struct CssValue {
    int32_t value;
    int places;
    const char* unit;
};

// "name(a b c)", CSS Color 4's space-separated form.
int FormatCssFunction(char* out, const char* name, CssValue a, CssValue b, CssValue c) {
    int n = PutText(out, name);
    out[n++] = '(';
    const CssValue values[3] = {a, b, c};
    for (int i = 0; i < 3; i++) {
        if (i > 0)
            out[n++] = ' ';
        n += FormatPlaces(out + n, values[i].value, values[i].places);
        n += PutText(out + n, values[i].unit);
    }
    return n + PutText(out + n, ")");
}

// The value of a numeric colour-science source and its decimal places.
CssValue ScienceNumber(int source, const ScienceValues& v) {
    switch (source) {
    case SrcLabL: return {v.lab.L, 2, ""};
    case SrcLabA: return {v.lab.A, 2, ""};
    case SrcLabB: return {v.lab.B, 2, ""};
    case SrcLchC: return {v.lab.C, 2, ""};
    case SrcLchH: return {v.lab.H, 2, ""};
    case SrcOkL: return {v.oklab.L, 4, ""};
    case SrcOkA: return {v.oklab.A, 4, ""};
    case SrcOkB: return {v.oklab.B, 4, ""};
    case SrcOklchC: return {v.oklab.C, 4, ""};
    case SrcOklchH: return {v.oklab.H, 2, ""};
    case SrcXyzX: return {v.xyz.X, 2, ""};
    case SrcXyzY: return {v.xyz.Y, 2, ""};
    case SrcXyzZ: return {v.xyz.Z, 2, ""};
    case SrcHwbH: return {v.hwb.H, 0, ""};
    case SrcHwbW: return {v.hwb.W, 0, ""};
    case SrcHwbB: return {v.hwb.B, 0, ""};
    case SrcCmykC: return {v.cmyk.C, 0, ""};
    case SrcCmykM: return {v.cmyk.M, 0, ""};
    case SrcCmykY: return {v.cmyk.Y, 0, ""};
    case SrcCmykK: return {v.cmyk.K, 0, ""};
    default: return {LuminanceTenThousandths(v.luminance), 4, ""};
    }
}

// Writes a colour-science token's text into frag; returns its length.
// The contrast tokens compare with the record's previous colour and print
// "-" without one.
int FormatScience(const Token& t, const PointInfo* info, ScienceValues* v, char* frag) {
    int family = FamilyOf(t.source);
    if (family && !(v->have & family)) {
        ComputeFamily(family, info, v);
        v->have |= family;
    }
    const bool previous = info->HasPreviousColor == 1;
    int64_t previousLuminance = 0;
    if (previous && (t.source == SrcContrast || t.source == SrcWcag)) {
        ColorRef c = info->PreviousColor;
        previousLuminance = RelativeLuminance(ColorRed(c), ColorGreen(c), ColorBlue(c));
    }
    switch (t.source) {
    case SrcCssRgb:
        return FormatCssFunction(frag, "rgb", {ClampInt(info->Red, 0, 255), 0, ""},
                                 {ClampInt(info->Green, 0, 255), 0, ""}, {ClampInt(info->Blue, 0, 255), 0, ""});
    case SrcCssHsl:
        return FormatCssFunction(frag, "hsl", {v->hsl.H, 0, ""}, {v->hsl.S, 0, "%"}, {v->hsl.L, 0, "%"});
    case SrcCssLab:
        return FormatCssFunction(frag, "lab", {v->lab.L, 2, ""}, {v->lab.A, 2, ""}, {v->lab.B, 2, ""});
    case SrcCssOklch:
        return FormatCssFunction(frag, "oklch", {v->oklab.L, 4, ""}, {v->oklab.C, 4, ""}, {v->oklab.H, 2, ""});
    case SrcName:
        return PutText(frag, NearestCssColorName(info->Red, info->Green, info->Blue));
    case SrcContrast:
        if (!previous)
            return PutText(frag, "-");
        return FormatPlaces(frag, ContrastHundredths(v->luminance, previousLuminance), 2);
    case SrcWcag:
        return PutText(frag, previous ? ContrastVerdict(v->luminance, previousLuminance) : "-");
    default: {
        CssValue n = ScienceNumber(t.source, *v);
        return FormatPlaces(frag, n.value, n.places);
    }
    }
}

// Length of the run of ordinary bytes from p: no token, no escape, no
// double-byte character. Bytes below 0x80 are never lead bytes in any
// Windows code page, so most text needs no lead-byte test.
size_t PlainRun(const unsigned char* p, size_t max) {
    size_t n = 0;
    while (n < max) {
        unsigned char c = p[n];
        if (c == '[' || c == '\\' || (c >= 0x80 && IsLeadByte(c)))
            break;
        n++;
    }
    return n;
}

// The expansion's output so far.
struct Output {
    char* buf;
    int capacity;
    int count;
};

// Bytes the scan found at its position, ready for the output.
struct Piece {
    const char* bytes;
    int length;  // 0: nothing to print
};

// Appends a run of plain bytes. They are pieces of one byte each, so a run
// that reaches the limit is copied up to it and ends in the "..." marker;
// 0 then.
int AppendPlain(Output* o, const char* bytes, size_t run) {
    long long room = (long long)o->capacity - 4 - o->count;
    if ((long long)run > room) {
        memcpy(o->buf + o->count, bytes, (size_t)room);
        memcpy(o->buf + o->count + room, "...", 4);
        return 0;
    }
    memcpy(o->buf + o->count, bytes, run);
    o->count += (int)run;
    return 1;
}

// The text before the marker stays within capacity - 4 bytes, so "..." and
// the terminator always fit; a piece goes in whole or not at all. 0 when
// the output was cut.
int AppendPiece(Output* o, Piece p) {
    if ((long long)o->count + p.length >= (long long)o->capacity - 3) {
        memcpy(o->buf + o->count, "...", 4);
        return 0;
    }
    memcpy(o->buf + o->count, p.bytes, (size_t)p.length);
    o->count += p.length;
    return 1;
}

// A double-byte character is never taken apart, so its second byte is
// never read as [ or \. A final lone lead byte goes alone.
Piece ScanDoubleByte(const char* tmpl, size_t n, size_t* i) {
    Piece p = {tmpl + *i, 1};
    if (*i + 1 < n) {
        p.length = 2;
        (*i)++;
    }
    return p;
}

// The [NAME] whose [ is at *i; leaves *i on the last byte it used up. An
// unknown name prints nothing.
Piece ScanToken(const char* tmpl, size_t n, size_t* i, const PointInfo* info,
                const ModelValues& m, ScienceValues* science, char* frag) {
    // The name runs byte by byte to the first ], with no double-byte test: a
    // trail byte of 0x5D closes it.
    size_t start = *i + 1;
    size_t j = 0;
    bool closed = false;
    while (start + j < n) {
        if (tmpl[start + j] == ']') {
            closed = true;
            break;
        }
        if (++j == NameLimit)
            break;
    }
    Piece p = {frag, 0};
    if (!closed) {
        // Unclosed at the end: nothing from the [ on. A name too long for
        // any token: drop what was collected and go on after it.
        *i = start + j >= n ? n : start + j - 1;
        return p;
    }
    *i = start + j;
    const Token* t = FindToken(tmpl + start, j);
    if (t && t->form == FormText) {
        p.bytes = TextOf(t->source, info);
        p.length = (int)FieldLength(p.bytes);
    } else if (t && t->form == FormScience) {
        p.length = FormatScience(*t, info, science, frag);
    } else if (t) {
        p.length = FormatNumber(*t, NumberOf(t->source, info, m), frag);
    }
    return p;
}

// The escape whose backslash is at *i; leaves *i on its last byte. A final
// lone backslash stands for itself.
Piece ScanEscape(const char* tmpl, size_t n, size_t* i, const PointInfo* info, char* frag) {
    if (*i + 1 >= n)
        return Piece{tmpl + *i, 1};
    (*i)++;
    unsigned char e = (unsigned char)tmpl[*i];
    // Before a double-byte character the backslash goes; the character
    // stays whole.
    if (IsLeadByte(e))
        return ScanDoubleByte(tmpl, n, i);
    return Piece{frag, FormatEscape(e, &info->Time, frag, FragmentSize)};
}

ModelValues ComputeModelValues(const PointInfo* info) {
    ModelValues m;
    RgbToHsv(info->Red, info->Green, info->Blue, &m.hsvH, &m.hsvS, &m.hsvV);
    RgbToHls(info->Red, info->Green, info->Blue, &m.hlsH, &m.hlsL, &m.hlsS);
    return m;
}

// The window part that holds a source's value; 0 for colour and position.
int PartOf(int source) {
    switch (source) {
    case SrcHwnd:
        return PartWindow;
    case SrcWindowId:
    case SrcParentHwnd:
    case SrcHInst:
    case SrcStyle:
    case SrcExStyle:
        return PartLongs;
    case SrcClassName:
        return PartClass;
    case SrcText:
        return PartText;
    case SrcExeName:
    case SrcExePath:
        return PartModule;
    case SrcLeft:
    case SrcTop:
    case SrcRight:
    case SrcBottom:
    case SrcWidth:
    case SrcHeight:
        return PartRect;
    case SrcPid:
    case SrcTid:
        return PartIds;
    default:
        return 0;
    }
}

}  // namespace

int TemplateParts(const char* tmpl) {
    if (!tmpl)
        return 0;
    // The view asks on every redraw, so the template is scanned once. A
    // token name holds no ], so every [ (wherever it stands) opens the
    // name that the first ] after it closes.
    int parts = 0;
    for (const char* open = strchr(tmpl, '['); open; open = strchr(open + 1, '[')) {
        const char* close = strchr(open + 1, ']');
        if (!close)
            break;
        const Token* t = FindToken(open + 1, (size_t)(close - open - 1));
        if (t)
            parts |= PartOf(t->source);
    }
    return parts ? parts | PartWindow : 0;
}

int ExpandTemplate(char* out, const char* tmpl, int capacity, const PointInfo* info) {
    if (out && capacity > 0)
        out[0] = 0;
    if (!out || !tmpl || !info || capacity <= 3)
        return 0;

    ModelValues m = ComputeModelValues(info);
    ScienceValues science;
    science.have = 0;
    // Everything stays in fixed buffers: the information panel expands its
    // user line on every redraw.
    Output o = {out, capacity, 0};
    char frag[FragmentSize];
    size_t n = strlen(tmpl);
    for (size_t i = 0; i < n; i++) {
        size_t run = PlainRun((const unsigned char*)tmpl + i, n - i);
        if (run > 0) {
            if (!AppendPlain(&o, tmpl + i, run))
                return 0;
            i += run - 1;
            continue;
        }
        // PlainRun stops only at [, at \ and at a lead byte.
        Piece p = tmpl[i] == '['    ? ScanToken(tmpl, n, &i, info, m, &science, frag)
                  : tmpl[i] == '\\' ? ScanEscape(tmpl, n, &i, info, frag)
                                     : ScanDoubleByte(tmpl, n, &i);
        if (p.length > 0 && !AppendPiece(&o, p))
            return 0;
    }
    out[o.count] = 0;
    return 1;
}
