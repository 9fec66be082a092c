// Bounding a number to a range: the one helper every limit goes through.
#pragma once

inline int ClampInt(int v, int lo, int hi) {
    return v < lo ? lo : v > hi ? hi : v;
}
