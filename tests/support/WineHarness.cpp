#include "WineHarness.h"

#include <stdlib.h>

#include <algorithm>
#include <fstream>
#include <iterator>

// "/a/b" -> "Z:\a\b" (Wine maps the Unix root to drive Z:).
static std::string ToWindowsPath(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    return "Z:" + path;
}

std::string MakeRunDir(const char* name, const char* ini) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string dir = std::string(temp) + "mirabo-test-" + name;
    CreateDirectoryA(dir.c_str(), nullptr);
    DeleteFileA((dir + "\\system.ini").c_str());
    DeleteFileA((dir + "\\system.ini.tmp").c_str());
    const char* exe = getenv("MIRABO_EXE");
    CopyFileA(ToWindowsPath(exe ? exe : "").c_str(), (dir + "\\mirabo.exe").c_str(), FALSE);
    return !ini || WriteWholeFile(dir + "\\system.ini", ini) ? dir : "";
}

HWND FindWindowOf(DWORD pid, const char* className, const char* caption, bool visible) {
    HWND w = nullptr;
    DWORD owner = 0;
    while ((w = FindWindowExA(nullptr, w, className, caption)))
        if (GetWindowThreadProcessId(w, &owner) && owner == pid && (!visible || IsWindowVisible(w)))
            return w;
    return nullptr;
}

bool StartMirabo(MiraboProcess* p, const std::string& dir, int showCmd, DWORD timeoutMs) {
    STARTUPINFOA si = {sizeof(si)};
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = (WORD)showCmd;
    std::string exe = dir + "\\mirabo.exe", cmd = "\"" + exe + "\"";
    if (!CreateProcessA(exe.c_str(), &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &si, &p->pi))
        return false;
    // The main window of this process, unless the process ended first.
    WaitUntil([&] {
        p->hwnd = FindWindowOf(p->pi.dwProcessId, "MiraboMainFrame", nullptr, false);
        return p->hwnd || WaitForSingleObject(p->pi.hProcess, 0) == WAIT_OBJECT_0;
    }, timeoutMs);
    PumpMessages(200);  // lets the window finish its creation and first paint
    return p->hwnd != nullptr;
}

int CloseMirabo(MiraboProcess* p, DWORD timeoutMs) {
    if (p->hwnd)
        PostMessageA(p->hwnd, WM_CLOSE, 0, 0);
    DWORD code = (DWORD)-1;
    if (p->pi.hProcess &&
        WaitUntil([&] { return WaitForSingleObject(p->pi.hProcess, 0) == WAIT_OBJECT_0; }, timeoutMs))
        GetExitCodeProcess(p->pi.hProcess, &code);
    EndMirabo(p);
    return (int)code;
}

void EndMirabo(MiraboProcess* p) {
    // Each call fails harmlessly when the process has ended or never started.
    TerminateProcess(p->pi.hProcess, 99);
    WaitForSingleObject(p->pi.hProcess, 5000);
    CloseHandle(p->pi.hProcess);
    CloseHandle(p->pi.hThread);
    *p = MiraboProcess();
}

int RunWindowsProgram(const char* unixPath, DWORD timeoutMs) {
    STARTUPINFOA si = {sizeof(si)};
    MiraboProcess p;  // no window: CloseMirabo only waits
    std::string exe = ToWindowsPath(unixPath ? unixPath : "");
    bool started = CreateProcessA(exe.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &p.pi);
    return started ? CloseMirabo(&p, timeoutMs) : -1;
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return f.is_open() ? std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()) : "(none)";
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
    std::ofstream f(path, std::ios::binary);
    return (bool)(f << bytes << std::flush);
}

// Wine cannot wait on the handle of a Unix process (the wait fails at
// once), so the command runs under /bin/sh, which leaves its exit code in a
// file that appears whole (written, then renamed) when the command ends.
int RunUnix(const std::string& commandLine, DWORD timeoutMs) {
    // Process ids repeat across Wine prefixes (the two-monitor test runs
    // beside the others): the clock tells their files apart.
    static int counter = 0;
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    std::string done = "/tmp/mirabo-unix-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(counter++) +
                       "-" + std::to_string(now.QuadPart);
    std::string code, cmd = "Z:\\bin\\sh -c \"" + commandLine + "; echo $? > " + done + ".part && mv " + done +
                                  ".part " + done + "\"";
    // Not WinExec: it closes the handles CreateProcess reports, and for a
    // Unix program Wine reports no process and a thread handle that is
    // whatever lay there (now and then a handle of this process, such as
    // its standard output, which then silently stops writing). There is
    // nothing to close.
    STARTUPINFOA si = {sizeof(si)};
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return -1;
    bool ended = WaitUntil([&] { return (code = ReadWholeFile(ToWindowsPath(done))) != "(none)"; }, timeoutMs);
    DeleteFileA(ToWindowsPath(done).c_str());
    return ended && !code.empty() ? atoi(code.c_str()) : -1;
}

// Whether a popup menu is open (with its top left corner at `at`, when given).
static bool MenuShown(const POINT* at) {
    HWND w = nullptr;
    RECT rc;
    while ((w = FindWindowExA(nullptr, w, "#32768", nullptr)))
        if (IsWindowVisible(w) && GetWindowRect(w, &rc) && (!at || (rc.left == at->x && rc.top == at->y)))
            return true;
    return false;
}

bool TypeIntoMenu(const std::string& keys, const POINT* at) {
    if (!WaitUntil([&] { return MenuShown(at); }, 5000))
        return false;
    PumpMessages(300);
    bool closed = Xdotool("key --delay 100 " + keys) && WaitUntil([] { return !MenuShown(nullptr); }, 5000);
    PumpMessages(300);
    return closed;
}

bool FocusWindow(HWND w, const std::string& title) {
    if (!Xdotool("search --sync --name ^" + title + "$ windowfocus --sync"))
        return false;
    SetForegroundWindow(w);
    return WaitUntil([&] { return GetForegroundWindow() == w; }, 3000);
}

std::string ClipboardData(UINT format) {
    // Another process may hold the clipboard open for a moment.
    for (int attempt = 0; attempt < 20 && !OpenClipboard(nullptr); attempt++)
        Sleep(10);
    HANDLE h = GetClipboardData(format);
    const char* p = h ? (const char*)GlobalLock(h) : nullptr;
    std::string data = p ? std::string(p, GlobalSize(h)) : "";
    GlobalUnlock(h);
    CloseClipboard();
    return data;
}
