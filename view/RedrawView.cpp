#include "view/RedrawView.h"

#include "app/AppState.h"

int RedrawView(HWND window) {
    if (!window || !gApp.BackBufferDC)
        return 1;
    RECT rc = {0, 0, gSettings.Width, gSettings.Height};
    HBRUSH brush = CreateSolidBrush(gSettings.BackColor);
    FillRect(gApp.BackBufferDC, &rc, brush);
    DeleteObject(brush);
    InvalidateRect(window, nullptr, FALSE);
    return 1;
}
