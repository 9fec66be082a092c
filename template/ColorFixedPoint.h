// The colour arithmetic under the colour-science tokens, in 2^30 fixed
// point and integers only: x87 and SSE builds, and any C library, give
// the same bits, so every build prints the same digits. constexpr, so that
// a table of colours (the CSS names) holds its Oklab values ready-made and
// equal to what the conversion gives at run time. Pure.
//
// The constants are the published matrices (CSS Color 4) times 2^30,
// rounded; tools/color-reference.py prints them.
#pragma once

#include <stdint.h>

inline constexpr int64_t FixedOne = int64_t(1) << 30;

// The sRGB transfer function undone: component 0..255 to linear light,
// FixedOne for 255.
inline constexpr int32_t kLinearLight[256] = {
    0, 325910, 651819, 977729, 1303638, 1629548, 1955458, 2281367,
    2607277, 2933187, 3259096, 3593315, 3947620, 4321507, 4715275, 5129215,
    5563611, 6018743, 6494885, 6992304, 7511264, 8052024, 8614838, 9199955,
    9807621, 10438078, 11091563, 11768311, 12468553, 13192516, 13940425, 14712500,
    15508959, 16330018, 17175889, 18046782, 18942904, 19864460, 20811652, 21784679,
    22783739, 23809028, 24860738, 25939060, 27044185, 28176297, 29335584, 30522228,
    31736409, 32978309, 34248105, 35545972, 36872087, 38226621, 39609746, 41021632,
    42462447, 43932358, 45431531, 46960130, 48518318, 50106255, 51724102, 53372019,
    55050162, 56758688, 58497751, 60267507, 62068108, 63899705, 65762450, 67656491,
    69581978, 71539057, 73527875, 75548577, 77601309, 79686212, 81803430, 83953105,
    86135376, 88350384, 90598267, 92879164, 95193211, 97540545, 99921301, 102335613,
    104783616, 107265443, 109781225, 112331094, 114915182, 117533617, 120186529, 122874047,
    125596298, 128353410, 131145508, 133972719, 136835167, 139732978, 142666274, 145635179,
    148639815, 151680304, 154756767, 157869325, 161018098, 164203205, 167424766, 170682897,
    173977717, 177309344, 180677893, 184083480, 187526222, 191006232, 194523626, 198078517,
    201671019, 205301244, 208969304, 212675312, 216419380, 220201616, 224022134, 227881041,
    231778447, 235714462, 239689194, 243702751, 247755241, 251846770, 255977446, 260147374,
    264356662, 268605413, 272893733, 277221727, 281589499, 285997153, 290444792, 294932518,
    299460435, 304028645, 308637249, 313286350, 317976047, 322706442, 327477635, 332289726,
    337142814, 342036999, 346972379, 351949053, 356967119, 362026675, 367127818, 372270646,
    377455255, 382681741, 387950201, 393260730, 398613424, 404008378, 409445687, 414925445,
    420447746, 426012685, 431620355, 437270848, 442964258, 448700678, 454480200, 460302916,
    466168917, 472078296, 478031143, 484027549, 490067605, 496151400, 502279026, 508450572,
    514666128, 520925782, 527229623, 533577741, 539970223, 546407158, 552888633, 559414737,
    565985557, 572601179, 579261691, 585967179, 592717729, 599513428, 606354362, 613240616,
    620172276, 627149426, 634172152, 641240538, 648354668, 655514628, 662720500, 669972369,
    677270318, 684614430, 692004789, 699441477, 706924577, 714454171, 722030342, 729653171,
    737322740, 745039131, 752802424, 760612702, 768470045, 776374533, 784326247, 792325268,
    800371676, 808465549, 816606969, 824796014, 833032764, 841317297, 849649694, 858030031,
    866458389, 874934845, 883459477, 892032363, 900653581, 909323208, 918041323, 926808001,
    935623320, 944487357, 953400188, 962361890, 971372539, 980432212, 989540983, 998698930,
    1007906126, 1017162649, 1026468572, 1035823971, 1045228922, 1054683498, 1064187774, 1073741824,
};

typedef int64_t FixedMatrix[3][3];

// Linear sRGB to CIE XYZ (D65).
inline constexpr FixedMatrix kXyzFromLinear = {
    {442801249, 383953261, 193789771},
    {228319394, 767906522, 77515908},
    {20756309, 127984420, 1020626127},
};

// Linear sRGB to CIE XYZ adapted to D50 (Bradford), each row divided by
// the D50 white's component: what Lab's f() takes.
inline constexpr FixedMatrix kLabXyzFromLinear = {
    {485558571, 428865642, 159317611},
    {238900230, 769751569, 65090025},
    {18119759, 126335834, 929286231},
};

// Linear sRGB to Oklab's cone responses (CSS Color 4's XYZ-to-LMS matrix
// times its sRGB-to-XYZ one), and their cube roots to L, a, b.
inline constexpr FixedMatrix kLmsFromLinear = {
    {442619433, 575882677, 55239715},
    {227529646, 730895577, 115316601},
    {94814044, 302493300, 676434480},
};
inline constexpr FixedMatrix kOklabFromLms = {
    {225973550, 852140597, -4372323},
    {2123859752, -2607681064, 483821312},
    {27814254, 840494726, -868308980},
};

struct Fixed3 {
    int64_t V[3];
};

// value / 2^shift to the nearest integer, halves away from zero. A right
// shift of a negative number is left alone: it is not the same everywhere.
constexpr int64_t ShiftRounded(int64_t value, int shift) {
    int64_t half = int64_t(1) << (shift - 1);
    return value >= 0 ? (value + half) >> shift : -((-value + half) >> shift);
}

// m times v. Coefficients and values of 2^30 fixed point stay below 2^32
// in magnitude, so every product and sum fits in 64 bits.
constexpr Fixed3 FixedApply(const FixedMatrix& m, const Fixed3& v) {
    Fixed3 out = {};
    for (int i = 0; i < 3; i++)
        out.V[i] = ShiftRounded(m[i][0] * v.V[0] + m[i][1] * v.V[1] + m[i][2] * v.V[2], 30);
    return out;
}

constexpr Fixed3 LinearOf(int r, int g, int b) {
    return Fixed3{{kLinearLight[r], kLinearLight[g], kLinearLight[b]}};
}

// The cube root of t (0 to 2^31), the exact floor of 2^30 * cbrt(t / 2^30):
// Newton's step in integers from above, floor(cbrt(N)) for N = t * 2^60
// (too wide for 64 bits, so N / y is built from two divisions).
constexpr int64_t FixedCbrt(int64_t t) {
    if (t <= 0)
        return 0;
    int bits = 0;
    for (int64_t v = t; v != 0; v >>= 1)
        bits++;
    // 2^ceil((bits + 60) / 3) is at or above the root, at most twice it.
    int64_t y = int64_t(1) << ((bits + 62) / 3);
    for (;;) {
        int64_t q = (t << 30) / y;
        int64_t nOverY = (q << 30) + (((t << 30) % y) << 30) / y;  // floor(N / y)
        int64_t next = (2 * y + nOverY / y) / 3;
        if (next >= y)
            return y;
        y = next;
    }
}

// Oklab in 2^30 fixed point: L from 0 to FixedOne. A grey's cube roots
// come out equal and the a and b rows sum to 0, so its a and b are 0
// exactly (the tests go through all 256 greys).
struct FixedOklab {
    int64_t L, A, B;
};

constexpr FixedOklab OklabOf(int r, int g, int b) {
    Fixed3 lms = FixedApply(kLmsFromLinear, LinearOf(r, g, b));
    for (int64_t& v : lms.V)
        v = FixedCbrt(v);
    Fixed3 lab = FixedApply(kOklabFromLms, lms);
    return FixedOklab{lab.V[0], lab.V[1], lab.V[2]};
}
