#!/usr/bin/python3
# The colour science of the template tokens computed the plain way, in
# floating point from the published definitions (CSS Color 4: sRGB, XYZ
# D65, the Bradford adaptation to D50, Lab, Oklab; WCAG 2), as a second
# opinion on the program's integer arithmetic:
#
#   color-reference.py tables        the 2^30 fixed-point constants of
#                                    template/ColorFixedPoint.h (exact
#                                    rational arithmetic, 60 digits)
#   color-reference.py expect R G B  every token's value for a colour,
#                                    printed to its stated decimals
#   color-reference.py contrast R G B R G B
#                                    the WCAG ratio to six decimals
#
# Needs only Python 3. The CSS names of the program's table were checked
# against Debian's python3-webcolors (the 147 CSS3 keywords) plus
# rebeccapurple, which CSS Color 4 adds.
import math
import sys
from decimal import Decimal, getcontext, ROUND_HALF_UP
from fractions import Fraction as F

getcontext().prec = 60

# sRGB linear light to XYZ D65, as CSS Color 4 gives it (rationals).
SRGB_TO_XYZ = [
    [F(506752, 1228815), F(87881, 245763), F(12673, 70218)],
    [F(87098, 409605), F(175762, 245763), F(12673, 175545)],
    [F(7918, 409605), F(87881, 737289), F(1001167, 1053270)],
]
# CSS Color 4's Bradford chromatic adaptation, D65 to D50.
D65_TO_D50 = [
    [F("1.0479297925449969"), F("0.022946870601609652"), F("-0.05019226628920524")],
    [F("0.02962780877005599"), F("0.9904344267538799"), F("-0.017073799063418826")],
    [F("-0.009243040646204504"), F("0.015055191490298152"), F("0.7518742814281371")],
]
D50_WHITE = [F("0.3457") / F("0.3585"), F(1), (1 - F("0.3457") - F("0.3585")) / F("0.3585")]
# CSS Color 4's Oklab: XYZ D65 to LMS, and the cube roots of LMS to Oklab.
XYZ_TO_LMS = [
    [F("0.8190224379967030"), F("0.3619062600528904"), F("-0.1288737815209879")],
    [F("0.0329836539323885"), F("0.9292868615863434"), F("0.0361446663506424")],
    [F("0.0481771893596242"), F("0.2642395317527308"), F("0.6335478284694309")],
]
LMS_TO_OKLAB = [
    [F("0.2104542683093140"), F("0.7936177747023054"), F("-0.0040720430116193")],
    [F("1.9779985324311684"), F("-2.4285922420485799"), F("0.4505937096174110")],
    [F("0.0259040424655478"), F("0.7827717124575296"), F("-0.8086757549230774")],
]


def mul(a, b):
    return [[sum(a[i][k] * b[k][j] for k in range(3)) for j in range(3)] for i in range(3)]


def apply(m, v):
    return [sum(m[i][k] * v[k] for k in range(3)) for i in range(3)]


def linear_exact(c):
    """The sRGB transfer function undone, to 60 digits."""
    v = Decimal(c) / 255
    if v <= Decimal("0.04045"):
        return v / Decimal("12.92")
    return ((v + Decimal("0.055")) / Decimal("1.055")) ** Decimal("2.4")


def linear(c):
    v = c / 255
    return v / 12.92 if v <= 0.04045 else ((v + 0.055) / 1.055) ** 2.4


def q30(x):
    """Nearest integer to x * 2^30, halves away from zero."""
    d = Decimal(x.numerator) / Decimal(x.denominator) if isinstance(x, F) else Decimal(x)
    return int((d * (1 << 30)).to_integral_value(rounding=ROUND_HALF_UP))


def tables():
    print("// sRGB component 0..255 to linear light, 2^30 = 1")
    values = [q30(linear_exact(c)) for c in range(256)]
    for i in range(0, 256, 8):
        print("    " + " ".join("%d," % v for v in values[i:i + 8]))
    # Lab works on XYZ D50 over the D50 white: one matrix from linear sRGB.
    lab = mul(D65_TO_D50, SRGB_TO_XYZ)
    lab = [[lab[i][j] / D50_WHITE[i] for j in range(3)] for i in range(3)]
    for name, m in (("XYZ D65", SRGB_TO_XYZ), ("XYZ D50 over its white", lab),
                    ("LMS", mul(XYZ_TO_LMS, SRGB_TO_XYZ)), ("Oklab from LMS cube roots", LMS_TO_OKLAB)):
        print("// linear sRGB (or LMS) to", name)
        for row in m:
            print("    {" + ", ".join("%d" % q30(v) for v in row) + "},")
    print("// atan(2^-i) in degrees times 2^32")
    atans = [int(Decimal(math.degrees(math.atan(2.0 ** -i))) * (1 << 32) + Decimal("0.5")) for i in range(32)]
    for i in range(0, 32, 4):
        print("    " + " ".join("%d," % v for v in atans[i:i + 4]))


def to_float_matrix(m):
    return [[float(v) for v in row] for row in m]


SRGB_TO_XYZ_F = to_float_matrix(SRGB_TO_XYZ)
LAB_F = to_float_matrix(mul(D65_TO_D50, SRGB_TO_XYZ))
D50_F = [float(v) for v in D50_WHITE]
XYZ_TO_LMS_F = to_float_matrix(XYZ_TO_LMS)
LMS_TO_OKLAB_F = to_float_matrix(LMS_TO_OKLAB)


def hue(a, b):
    h = math.degrees(math.atan2(b, a))
    return h + 360 if h < 0 else h


def lab(r, g, b):
    rgb = [linear(c) for c in (r, g, b)]
    xyz = apply(LAB_F, rgb)
    eps, kappa = 216 / 24389, 24389 / 27
    f = [(t ** (1 / 3)) if t > eps else (kappa * t + 16) / 116 for t in (xyz[i] / D50_F[i] for i in range(3))]
    L, A, B = 116 * f[1] - 16, 500 * (f[0] - f[1]), 200 * (f[1] - f[2])
    return L, A, B, math.hypot(A, B), hue(A, B)


def oklab(r, g, b):
    rgb = [linear(c) for c in (r, g, b)]
    lms = apply(XYZ_TO_LMS_F, apply(SRGB_TO_XYZ_F, rgb))
    L, A, B = apply(LMS_TO_OKLAB_F, [math.copysign(abs(v) ** (1 / 3), v) for v in lms])
    return L, A, B, math.hypot(A, B), hue(A, B)


def luminance(r, g, b):
    lin = [linear(c) for c in (r, g, b)]
    return 0.2126 * lin[0] + 0.7152 * lin[1] + 0.0722 * lin[2]


def fixed(v, places):
    """v to places decimals, halves away from zero, never "-0"."""
    s = str(Decimal(repr(v)).quantize(Decimal(1).scaleb(-places), rounding=ROUND_HALF_UP))
    return s[1:] if s.startswith("-") and float(s) == 0 else s


def degrees(h):
    """A hue to two decimals, 0 <= h < 360: 359.996 prints as 0.00."""
    s = fixed(h, 2)
    return "0.00" if s == "360.00" else s


def expect(r, g, b):
    L, A, B, C, H = lab(r, g, b)
    if r == g == b:
        A = B = C = H = 0.0
    print("Lab", fixed(L, 2), fixed(A, 2), fixed(B, 2), " LCh", fixed(L, 2), fixed(C, 2), degrees(H))
    L, A, B, C, H = oklab(r, g, b)
    if r == g == b:
        A = B = C = H = 0.0
    print("Oklab", fixed(L, 4), fixed(A, 4), fixed(B, 4), " OKLCH", fixed(L, 4), fixed(C, 4), degrees(H))
    xyz = apply(SRGB_TO_XYZ_F, [linear(c) for c in (r, g, b)])
    print("XYZ", *(fixed(v * 100, 2) for v in xyz))
    print("luminance", fixed(luminance(r, g, b), 4), repr(luminance(r, g, b)))
    hwb, cmyk, hsl = exact_models(r, g, b)
    print("HWB", *hwb, " CMYK", *cmyk, " hsl", *hsl)


def whole(x):
    """A non-negative Fraction to the nearest integer, halves up."""
    return int((2 * x + 1) // 2)


def exact_models(r, g, b):
    """HWB, CMYK and CSS hsl() from the CSS Color 4 algorithms in exact
    fractions, each rounded to a whole number."""
    mx, mn = max(r, g, b), min(r, g, b)
    d = F(mx - mn)
    hue = 0
    if d:
        if mx == r:
            h = (g - b) / d + (6 if g < b else 0)
        elif mx == g:
            h = (b - r) / d + 2
        else:
            h = (r - g) / d + 4
        hue = whole(60 * h) % 360
    light = F(mx + mn, 510)
    sat = 0 if d == 0 else whole(100 * d / min(mx + mn, 510 - mx - mn))
    hwb = (hue, whole(F(100 * mn, 255)), whole(F(100 * (255 - mx), 255)))
    if mx == 0:
        cmyk = (0, 0, 0, 100)
    else:
        k = 1 - F(mx, 255)
        cmyk = tuple(whole(100 * (1 - F(c, 255) - k) / (1 - k)) for c in (r, g, b)) + (whole(100 * k),)
    return hwb, cmyk, (hue, sat, whole(100 * light))


def contrast(c1, c2):
    l1, l2 = sorted((luminance(*c1), luminance(*c2)), reverse=True)
    print("%.6f" % ((l1 + 0.05) / (l2 + 0.05)))


if __name__ == "__main__":
    args = sys.argv[1:]
    if args == ["tables"]:
        tables()
    elif len(args) == 4 and args[0] == "expect":
        expect(*map(int, args[1:]))
    elif len(args) == 7 and args[0] == "contrast":
        v = list(map(int, args[1:]))
        contrast(v[:3], v[3:])
    else:
        sys.exit("usage: color-reference.py tables | expect R G B | contrast R G B R G B")
