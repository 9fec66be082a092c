// The enlarged arrow of cursor mode 0. DrawIconEx stretches and blends the
// cursor anew on every call, which costs more than the rest of the image;
// the arrow is instead stretched once per size, mirroring and DC state and
// then only blended (or masked and inverted) from that copy, after it was
// checked over test backgrounds to give exactly DrawIconEx's pixels. Where
// it does not, DrawIconEx draws every time.
#pragma once

#include <windows.h>

// Draws cursor as DrawIconEx(dc, x, y, cursor, w, h, 0, none, DI_NORMAL)
// would (a negative w or h mirrors it).
void DrawArrowMark(HDC dc, HCURSOR cursor, int x, int y, int w, int h);

// Frees the stretched copies (the back buffer is going).
void ReleaseArrowMark();

// How the last DrawArrowMark drew: 0 by DrawIconEx, 1 by blending the
// stretched copy, 2 by its mask and colour.
int ArrowMarkWay();
