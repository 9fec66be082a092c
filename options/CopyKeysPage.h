// The Copy keys page of the options sheet: the capture keys as a list that
// the user adds to, edits, reorders and deletes from; the program's list
// takes the page's working copy at OK.
#pragma once

#include <windows.h>

INT_PTR CALLBACK CopyKeysPageProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam);
