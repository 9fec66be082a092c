#include "platform/WindowOpacity.h"

#include "core/Translucency.h"
#include "platform/AppState.h"

typedef BOOL(WINAPI* SetLayeredWindowAttributesFn)(HWND, COLORREF, BYTE, DWORD);

int SetWindowOpacity(HWND hwnd, int percent, int force) {
    if (!TranslucencyAvailable(gApp.OsVersionCode))
        return 0;
    int alpha = OpacityAlpha(percent);
    LONG ex = GetWindowLongA(hwnd, GWL_EXSTYLE);
    if (alpha == 255 && force != 1) {
        SetWindowLongA(hwnd, GWL_EXSTYLE, ex & ~WS_EX_LAYERED);
        return 1;
    }
    // Looked up at run time: the program also starts on systems without it.
    HMODULE user32 = LoadLibraryA("user32.dll");
    if (!user32)
        return 0;
    SetLayeredWindowAttributesFn setAttributes =
        (SetLayeredWindowAttributesFn)(void*)GetProcAddress(user32, "SetLayeredWindowAttributes");
    if (!setAttributes) {
        FreeLibrary(user32);
        return 0;
    }
    SetWindowLongA(hwnd, GWL_EXSTYLE, ex | WS_EX_LAYERED);
    setAttributes(hwnd, 0, (BYTE)alpha, LWA_ALPHA);
    FreeLibrary(user32);
    return 1;
}
