// The notification-area icon: a click hides or shows the window, a right
// click opens the context menu at the pointer.
#pragma once

#include <windows.h>

void AddTrayIcon(HWND hwnd);
void RemoveTrayIcon(HWND hwnd);

// The icon's callback message (TrayCallbackMessage) with the mouse message
// in lParam.
void HandleTrayIconMessage(HWND hwnd, LPARAM lParam);
