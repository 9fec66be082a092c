#include "core/Color.h"

#include "core/Clamp.h"

int WebSafeRound(int v) {
    int q = v / 51;
    int r = v % 51;
    if (r == 0)
        return v;
    return r >= 25 ? (q + 1) * 51 : q * 51;
}

ColorRef WebSafeColor(ColorRef c) {
    return MakeColor(WebSafeRound(ColorRed(c)), WebSafeRound(ColorGreen(c)),
                     WebSafeRound(ColorBlue(c)));
}

ColorRef InvertColor(ColorRef c) {
    return MakeColor(255 - ColorRed(c), 255 - ColorGreen(c), 255 - ColorBlue(c));
}

static ColorRef ShiftColor(ColorRef c, int delta) {
    return MakeColor(ClampInt(ColorRed(c) + delta, 0, 255), ClampInt(ColorGreen(c) + delta, 0, 255),
                     ClampInt(ColorBlue(c) + delta, 0, 255));
}

ColorRef LighterColor(ColorRef c) {
    return ShiftColor(c, 64);
}

ColorRef DarkerColor(ColorRef c) {
    return ShiftColor(c, -64);
}

ColorRef ContrastTextFor(ColorRef c) {
    // Perceived brightness; a mid grey of 128 (exactly 128.0) takes black text.
    double y = 0.298912 * ColorRed(c) + 0.586611 * ColorGreen(c) + 0.114478 * ColorBlue(c);
    return (int)y >= 128 ? MakeColor(0, 0, 0) : MakeColor(255, 255, 255);
}
