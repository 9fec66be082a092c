// The program's main window with view settings from the command line, for
// screenshots of views that need settings the default start does not have:
//   view_demo.exe zoom=8 grid panel user cursor=3 sample=5
// Runs the same window code as mirabo.exe but reads and writes no
// system.ini.
#include <windows.h>

#include <stdlib.h>
#include <string.h>

#include "app/InitDefaults.h"
#include "platform/AppState.h"
#include "app/MainWnd.h"

static void ApplyArgument(const char* arg) {
    if (strcmp(arg, "grid") == 0)
        gSettings.DispGrid = 1;
    else if (strcmp(arg, "panel") == 0)
        gSettings.DispMouseDownInfo = 1;
    else if (strcmp(arg, "user") == 0)
        gSettings.DispInfoUser = 1;
    else if (strncmp(arg, "zoom=", 5) == 0)
        gSettings.Zoom = atoi(arg + 5);
    else if (strncmp(arg, "cursor=", 7) == 0)
        gSettings.CursorMode = atoi(arg + 7);
    else if (strncmp(arg, "sample=", 7) == 0)
        gSettings.SampleSize = atoi(arg + 7);
    else if (strncmp(arg, "size=", 5) == 0)
        gSettings.Width = atoi(arg + 5), gSettings.Height = atoi(strchr(arg, 'x') + 1);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR cmdLine, int) {
    InitDefaults(instance);
    char args[1024];
    lstrcpynA(args, cmdLine, sizeof(args));
    for (char* tok = strtok(args, " "); tok; tok = strtok(nullptr, " "))
        ApplyArgument(tok);
    gSettings.InfoLineCount = CountInfoLines(&gSettings);
    if (!RegisterMainWindowClass(instance))
        return 1;
    gApp.MainWindow = CreateMainWindow(instance);
    if (!gApp.MainWindow)
        return 1;
    SetWindowPos(gApp.MainWindow, HWND_TOPMOST, gSettings.Left, gSettings.Top, gSettings.Width,
                 gSettings.Height, SWP_FRAMECHANGED);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
