// Helpers for tests that run under Wine: starting the real mirabo.exe in a
// folder of its own, reading files and the clipboard, and running X11 tools
// (xdotool) for real input.
#pragma once

#include <windows.h>

#include <string>

// A folder under the temporary folder holding a copy of the program
// (MIRABO_EXE) and a system.ini of the text given, or none (it lives beside
// the executable). "" when the file could not be written: no program
// starts from there.
std::string MakeRunDir(const char* name, const char* ini = nullptr);

struct MiraboProcess {
    PROCESS_INFORMATION pi = {};
    HWND hwnd = nullptr;
};

// Starts dir\mirabo.exe with the given show command and waits until its
// main window exists (visible or not). False when it did not appear, also
// at once when the process ended first.
bool StartMirabo(MiraboProcess* p, const std::string& dir, int showCmd = SW_SHOWNORMAL, DWORD timeoutMs = 20000);

// Posts WM_CLOSE when there is a window (clear p->hwnd to wait for a
// process that should end by itself), waits for the exit code (-1 on
// time-out) and ends the process.
int CloseMirabo(MiraboProcess* p, DWORD timeoutMs = 20000);

// Kills the process if it still runs and closes its handles.
void EndMirabo(MiraboProcess* p);

// Runs the Windows program at a Unix path and waits; its exit code, or -1
// when it could not be started or timed out.
int RunWindowsProgram(const char* unixPath, DWORD timeoutMs = 10000);

// A top-level window of the process with the class and caption (any when
// null), only a visible one if asked; null when there is none.
HWND FindWindowOf(DWORD pid, const char* className, const char* caption, bool visible);

// The file's bytes, "(none)" when it cannot be opened.
std::string ReadWholeFile(const std::string& path);
bool WriteWholeFile(const std::string& path, const std::string& bytes);

// Runs a Unix command line (an absolute program path and its arguments,
// without double quotes) through /bin/sh and waits;
// its exit code, or -1 when it could not be started or timed out.
int RunUnix(const std::string& commandLine, DWORD timeoutMs = 10000);

// Runs xdotool with the given arguments (real X input); true when it succeeded.
inline bool Xdotool(const std::string& args) { return RunUnix("/usr/bin/xdotool " + args) == 0; }

// Waits for a popup menu (with its top left corner at `at`, when given),
// types the keys (xdotool's names) into it and waits for every menu to
// close; false when no menu came or one stayed. Keys typed faster than
// this get lost.
bool TypeIntoMenu(const std::string& keys, const POINT* at = nullptr);

// Gives w, titled title, the keyboard focus as the user's click would: the
// X server's focus (keys from xdotool go to the X window that has it) and
// Windows'.
bool FocusWindow(HWND w, const std::string& title);

// The clipboard's block in the format ("" when there is none), and its
// text as CF_TEXT.
std::string ClipboardData(UINT format);
inline std::string ClipboardText() { return ClipboardData(CF_TEXT).c_str(); }

// Runs the thread's message queue for about ms milliseconds. (Inline, as
// the pattern windows of the benchmarks need it without the rest.)
inline void PumpMessages(DWORD ms) {
    for (DWORD start = GetTickCount();; Sleep(5)) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (GetTickCount() - start >= ms)
            return;
    }
}

// Polls cond every 20 ms until it holds or timeoutMs passes.
template <typename F>
bool WaitUntil(F cond, DWORD timeoutMs) {
    for (DWORD start = GetTickCount(); !cond(); PumpMessages(20))
        if (GetTickCount() - start > timeoutMs)
            return false;
    return true;
}
