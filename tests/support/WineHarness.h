// Helpers for tests that run under Wine: starting the real mirabo.exe in a
// folder of its own, finding its window, reading files and the clipboard,
// and running X11 tools (xdotool) for real input.
#pragma once

#include <windows.h>

#include <string>

// "/a/b" -> "Z:\a\b" (Wine maps the Unix root to drive Z:).
std::string ToWindowsPath(const std::string& unixPath);

// The program under test, from the MIRABO_EXE environment variable.
std::string MiraboExePath();

// A fresh, empty folder under the temporary folder holding a copy of the
// program (system.ini lives beside the executable). Returns its path.
std::string MakeRunDir(const char* name);

struct MiraboProcess {
    std::string dir;
    PROCESS_INFORMATION pi = {};
    HWND hwnd = nullptr;
};

// Starts dir\mirabo.exe with the given show command and waits until its
// main window exists (visible or not). False when it did not appear.
bool StartMirabo(MiraboProcess* p, const std::string& dir, int showCmd = SW_SHOWNORMAL,
                 DWORD timeoutMs = 20000);

// Starts the program and waits only for it to end; returns its exit code,
// or -1 when it did not end within the time.
int RunMiraboToExit(const std::string& dir, DWORD timeoutMs = 20000);

// The top-level window of class MiraboMainFrame owned by pid, or null.
HWND FindMiraboWindow(DWORD pid);

// Waits for the process to end; its exit code, or -1 on time-out.
int WaitForExit(MiraboProcess* p, DWORD timeoutMs = 20000);

// Posts WM_CLOSE and waits for the exit code (-1 on time-out).
int CloseMirabo(MiraboProcess* p, DWORD timeoutMs = 20000);

// Kills the process if it still runs and closes its handles.
void EndMirabo(MiraboProcess* p);

bool ReadWholeFile(const std::string& path, std::string* out);
bool WriteWholeFile(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);

// Runs a Unix command line (an absolute program path and its arguments,
// no double quotes needed) through /bin/sh and waits;
// its exit code, or -1 when it could not be started or timed out.
int RunUnix(const std::string& commandLine, DWORD timeoutMs = 10000);

// Text on the clipboard as CF_TEXT ("" when there is none).
std::string ClipboardText();

// Runs the thread's message queue for about ms milliseconds.
void PumpMessages(DWORD ms);

// Polls cond every 20 ms until it holds or timeoutMs passes.
template <typename F>
bool WaitUntil(F cond, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        if (cond())
            return true;
        if (GetTickCount() - start > timeoutMs)
            return false;
        PumpMessages(20);
    }
}
