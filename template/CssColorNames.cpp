#include "template/CssColorNames.h"

#include "core/Clamp.h"
#include "template/ColorFixedPoint.h"

namespace {

// A keyword with its Oklab value, worked out by the compiler with the same
// arithmetic as a sample's, so that a keyword's own colour lies at
// distance 0 from it.
struct NamedColor {
    const char* Name;
    uint32_t Rgb;  // 0xRRGGBB
    int32_t L, A, B;
};

constexpr NamedColor Named(const char* name, uint32_t rgb) {
    FixedOklab o = OklabOf((int)(rgb >> 16), (int)((rgb >> 8) & 0xFF), (int)(rgb & 0xFF));
    return NamedColor{name, rgb, (int32_t)o.L, (int32_t)o.A, (int32_t)o.B};
}

// CSS Color 4's keyword table in alphabetical order: the 147 keywords of
// CSS 3 and rebeccapurple.
constexpr NamedColor kNamedColors[] = {
    Named("aliceblue", 0xF0F8FF),
    Named("antiquewhite", 0xFAEBD7),
    Named("aqua", 0x00FFFF),
    Named("aquamarine", 0x7FFFD4),
    Named("azure", 0xF0FFFF),
    Named("beige", 0xF5F5DC),
    Named("bisque", 0xFFE4C4),
    Named("black", 0x000000),
    Named("blanchedalmond", 0xFFEBCD),
    Named("blue", 0x0000FF),
    Named("blueviolet", 0x8A2BE2),
    Named("brown", 0xA52A2A),
    Named("burlywood", 0xDEB887),
    Named("cadetblue", 0x5F9EA0),
    Named("chartreuse", 0x7FFF00),
    Named("chocolate", 0xD2691E),
    Named("coral", 0xFF7F50),
    Named("cornflowerblue", 0x6495ED),
    Named("cornsilk", 0xFFF8DC),
    Named("crimson", 0xDC143C),
    Named("cyan", 0x00FFFF),
    Named("darkblue", 0x00008B),
    Named("darkcyan", 0x008B8B),
    Named("darkgoldenrod", 0xB8860B),
    Named("darkgray", 0xA9A9A9),
    Named("darkgreen", 0x006400),
    Named("darkgrey", 0xA9A9A9),
    Named("darkkhaki", 0xBDB76B),
    Named("darkmagenta", 0x8B008B),
    Named("darkolivegreen", 0x556B2F),
    Named("darkorange", 0xFF8C00),
    Named("darkorchid", 0x9932CC),
    Named("darkred", 0x8B0000),
    Named("darksalmon", 0xE9967A),
    Named("darkseagreen", 0x8FBC8F),
    Named("darkslateblue", 0x483D8B),
    Named("darkslategray", 0x2F4F4F),
    Named("darkslategrey", 0x2F4F4F),
    Named("darkturquoise", 0x00CED1),
    Named("darkviolet", 0x9400D3),
    Named("deeppink", 0xFF1493),
    Named("deepskyblue", 0x00BFFF),
    Named("dimgray", 0x696969),
    Named("dimgrey", 0x696969),
    Named("dodgerblue", 0x1E90FF),
    Named("firebrick", 0xB22222),
    Named("floralwhite", 0xFFFAF0),
    Named("forestgreen", 0x228B22),
    Named("fuchsia", 0xFF00FF),
    Named("gainsboro", 0xDCDCDC),
    Named("ghostwhite", 0xF8F8FF),
    Named("gold", 0xFFD700),
    Named("goldenrod", 0xDAA520),
    Named("gray", 0x808080),
    Named("green", 0x008000),
    Named("greenyellow", 0xADFF2F),
    Named("grey", 0x808080),
    Named("honeydew", 0xF0FFF0),
    Named("hotpink", 0xFF69B4),
    Named("indianred", 0xCD5C5C),
    Named("indigo", 0x4B0082),
    Named("ivory", 0xFFFFF0),
    Named("khaki", 0xF0E68C),
    Named("lavender", 0xE6E6FA),
    Named("lavenderblush", 0xFFF0F5),
    Named("lawngreen", 0x7CFC00),
    Named("lemonchiffon", 0xFFFACD),
    Named("lightblue", 0xADD8E6),
    Named("lightcoral", 0xF08080),
    Named("lightcyan", 0xE0FFFF),
    Named("lightgoldenrodyellow", 0xFAFAD2),
    Named("lightgray", 0xD3D3D3),
    Named("lightgreen", 0x90EE90),
    Named("lightgrey", 0xD3D3D3),
    Named("lightpink", 0xFFB6C1),
    Named("lightsalmon", 0xFFA07A),
    Named("lightseagreen", 0x20B2AA),
    Named("lightskyblue", 0x87CEFA),
    Named("lightslategray", 0x778899),
    Named("lightslategrey", 0x778899),
    Named("lightsteelblue", 0xB0C4DE),
    Named("lightyellow", 0xFFFFE0),
    Named("lime", 0x00FF00),
    Named("limegreen", 0x32CD32),
    Named("linen", 0xFAF0E6),
    Named("magenta", 0xFF00FF),
    Named("maroon", 0x800000),
    Named("mediumaquamarine", 0x66CDAA),
    Named("mediumblue", 0x0000CD),
    Named("mediumorchid", 0xBA55D3),
    Named("mediumpurple", 0x9370DB),
    Named("mediumseagreen", 0x3CB371),
    Named("mediumslateblue", 0x7B68EE),
    Named("mediumspringgreen", 0x00FA9A),
    Named("mediumturquoise", 0x48D1CC),
    Named("mediumvioletred", 0xC71585),
    Named("midnightblue", 0x191970),
    Named("mintcream", 0xF5FFFA),
    Named("mistyrose", 0xFFE4E1),
    Named("moccasin", 0xFFE4B5),
    Named("navajowhite", 0xFFDEAD),
    Named("navy", 0x000080),
    Named("oldlace", 0xFDF5E6),
    Named("olive", 0x808000),
    Named("olivedrab", 0x6B8E23),
    Named("orange", 0xFFA500),
    Named("orangered", 0xFF4500),
    Named("orchid", 0xDA70D6),
    Named("palegoldenrod", 0xEEE8AA),
    Named("palegreen", 0x98FB98),
    Named("paleturquoise", 0xAFEEEE),
    Named("palevioletred", 0xDB7093),
    Named("papayawhip", 0xFFEFD5),
    Named("peachpuff", 0xFFDAB9),
    Named("peru", 0xCD853F),
    Named("pink", 0xFFC0CB),
    Named("plum", 0xDDA0DD),
    Named("powderblue", 0xB0E0E6),
    Named("purple", 0x800080),
    Named("rebeccapurple", 0x663399),
    Named("red", 0xFF0000),
    Named("rosybrown", 0xBC8F8F),
    Named("royalblue", 0x4169E1),
    Named("saddlebrown", 0x8B4513),
    Named("salmon", 0xFA8072),
    Named("sandybrown", 0xF4A460),
    Named("seagreen", 0x2E8B57),
    Named("seashell", 0xFFF5EE),
    Named("sienna", 0xA0522D),
    Named("silver", 0xC0C0C0),
    Named("skyblue", 0x87CEEB),
    Named("slateblue", 0x6A5ACD),
    Named("slategray", 0x708090),
    Named("slategrey", 0x708090),
    Named("snow", 0xFFFAFA),
    Named("springgreen", 0x00FF7F),
    Named("steelblue", 0x4682B4),
    Named("tan", 0xD2B48C),
    Named("teal", 0x008080),
    Named("thistle", 0xD8BFD8),
    Named("tomato", 0xFF6347),
    Named("turquoise", 0x40E0D0),
    Named("violet", 0xEE82EE),
    Named("wheat", 0xF5DEB3),
    Named("white", 0xFFFFFF),
    Named("whitesmoke", 0xF5F5F5),
    Named("yellow", 0xFFFF00),
    Named("yellowgreen", 0x9ACD32),
};

static_assert(sizeof(kNamedColors) / sizeof(kNamedColors[0]) == CssColorNameCount, "148 keywords");

}  // namespace

const char* NearestCssColorName(int red, int green, int blue) {
    FixedOklab o = OklabOf(ClampInt(red, 0, 255), ClampInt(green, 0, 255), ClampInt(blue, 0, 255));
    // Oklab's L spans 2^30 and a and b less: the squared distances stay
    // below 2^62. Only a strictly nearer keyword replaces an earlier one.
    const NamedColor* best = &kNamedColors[0];
    int64_t bestDistance = INT64_MAX;
    for (const NamedColor& n : kNamedColors) {
        int64_t dl = o.L - n.L, da = o.A - n.A, db = o.B - n.B;
        int64_t distance = dl * dl + da * da + db * db;
        if (distance < bestDistance) {
            best = &n;
            bestDistance = distance;
        }
    }
    return best->Name;
}

const char* CssColorNameAt(int index, uint32_t* rgb) {
    if (index < 0 || index >= CssColorNameCount)
        return nullptr;
    *rgb = kNamedColors[index].Rgb;
    return kNamedColors[index].Name;
}
