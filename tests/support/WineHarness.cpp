#include "WineHarness.h"

#include <stdio.h>
#include <stdlib.h>

std::string ToWindowsPath(const std::string& unixPath) {
    if (unixPath.size() > 1 && unixPath[1] == ':')
        return unixPath;
    std::string out = "Z:";
    for (char c : unixPath)
        out += (c == '/') ? '\\' : c;
    return out;
}

std::string MiraboExePath() {
    const char* p = getenv("MIRABO_EXE");
    return p ? ToWindowsPath(p) : std::string();
}

static void DeleteFolderFiles(const std::string& dir) {
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((dir + "\\*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE)
        return;
    do {
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            DeleteFileA((dir + "\\" + fd.cFileName).c_str());
    } while (FindNextFileA(h, &fd));
    FindClose(h);
}

std::string MakeRunDir(const char* name) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string root = std::string(temp) + "mirabo-tests";
    CreateDirectoryA(root.c_str(), nullptr);
    std::string dir = root + "\\" + name;
    CreateDirectoryA(dir.c_str(), nullptr);
    DeleteFolderFiles(dir);
    CopyFileA(MiraboExePath().c_str(), (dir + "\\mirabo.exe").c_str(), FALSE);
    return dir;
}

HWND FindMiraboWindow(DWORD pid) {
    struct Search {
        DWORD pid;
        HWND found;
    } s = {pid, nullptr};
    EnumWindows(
        [](HWND hwnd, LPARAM lp) -> BOOL {
            Search* s = (Search*)lp;
            DWORD owner = 0;
            GetWindowThreadProcessId(hwnd, &owner);
            char cls[64];
            if (owner == s->pid && GetClassNameA(hwnd, cls, sizeof(cls)) &&
                strcmp(cls, "MiraboMainFrame") == 0) {
                s->found = hwnd;
                return FALSE;
            }
            return TRUE;
        },
        (LPARAM)&s);
    return s.found;
}

static bool LaunchMirabo(const std::string& dir, int showCmd, PROCESS_INFORMATION* pi) {
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = (WORD)showCmd;
    std::string exe = dir + "\\mirabo.exe";
    std::string cmd = "\"" + exe + "\"";
    return CreateProcessA(exe.c_str(), &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(),
                          &si, pi) != 0;
}

bool StartMirabo(MiraboProcess* p, const std::string& dir, int showCmd, DWORD timeoutMs) {
    p->dir = dir;
    p->hwnd = nullptr;
    if (!LaunchMirabo(dir, showCmd, &p->pi))
        return false;
    WaitUntil([&] { return (p->hwnd = FindMiraboWindow(p->pi.dwProcessId)) != nullptr; }, timeoutMs);
    // Let the window finish its creation and first paint.
    PumpMessages(200);
    return p->hwnd != nullptr;
}

int RunMiraboToExit(const std::string& dir, DWORD timeoutMs) {
    PROCESS_INFORMATION pi;
    if (!LaunchMirabo(dir, SW_SHOWNORMAL, &pi))
        return -1;
    int code = -1;
    if (WaitForSingleObject(pi.hProcess, timeoutMs) == WAIT_OBJECT_0) {
        DWORD c = 0;
        GetExitCodeProcess(pi.hProcess, &c);
        code = (int)c;
    } else {
        TerminateProcess(pi.hProcess, 99);
    }
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return code;
}

int WaitForExit(MiraboProcess* p, DWORD timeoutMs) {
    if (!p->pi.hProcess)
        return -1;
    DWORD start = GetTickCount();
    while (WaitForSingleObject(p->pi.hProcess, 20) == WAIT_TIMEOUT) {
        if (GetTickCount() - start > timeoutMs)
            return -1;
        PumpMessages(0);
    }
    DWORD code = 0;
    GetExitCodeProcess(p->pi.hProcess, &code);
    return (int)code;
}

int CloseMirabo(MiraboProcess* p, DWORD timeoutMs) {
    if (p->hwnd)
        PostMessageA(p->hwnd, WM_CLOSE, 0, 0);
    int code = WaitForExit(p, timeoutMs);
    EndMirabo(p);
    return code;
}

void EndMirabo(MiraboProcess* p) {
    if (p->pi.hProcess) {
        if (WaitForSingleObject(p->pi.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(p->pi.hProcess, 99);
            WaitForSingleObject(p->pi.hProcess, 5000);
        }
        CloseHandle(p->pi.hProcess);
        CloseHandle(p->pi.hThread);
    }
    p->pi = PROCESS_INFORMATION();
    p->hwnd = nullptr;
}

bool ReadWholeFile(const std::string& path, std::string* out) {
    out->clear();
    FILE* f = fopen(path.c_str(), "rb");
    if (!f)
        return false;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof(buf), f)) > 0)
        out->append(buf, n);
    fclose(f);
    return true;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
    FILE* f = fopen(path.c_str(), "wb");
    if (!f)
        return false;
    bool ok = fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return fclose(f) == 0 && ok;
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Wine cannot wait on the handle of a Unix process (the wait fails at
// once), so the command runs under /bin/sh, which leaves its exit code in a
// file that appears whole (written, then renamed) when the command ends.
int RunUnix(const std::string& commandLine, DWORD timeoutMs) {
    static int counter = 0;
    char name[64];
    snprintf(name, sizeof(name), "mirabo-unix-%lu-%d", GetCurrentProcessId(), counter++);
    std::string unixDone = std::string("/tmp/") + name;
    std::string windowsDone = ToWindowsPath(unixDone);
    DeleteFileA(windowsDone.c_str());
    std::string quoted;
    for (char c : commandLine) {
        if (c == '"')
            quoted += '\\';
        quoted += c;
    }
    std::string cmd = "Z:\\bin\\sh -c \"" + quoted + "; echo $? > " + unixDone + ".part && mv " +
                      unixDone + ".part " + unixDone + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi;
    if (!CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return -1;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    DWORD start = GetTickCount();
    while (!FileExists(windowsDone)) {
        if (GetTickCount() - start > timeoutMs)
            return -1;
        Sleep(10);
    }
    std::string text;
    ReadWholeFile(windowsDone, &text);
    DeleteFileA(windowsDone.c_str());
    return text.empty() ? -1 : atoi(text.c_str());
}

std::string ClipboardText() {
    std::string text;
    for (int attempt = 0; attempt < 20; attempt++) {
        if (OpenClipboard(nullptr)) {
            HANDLE h = GetClipboardData(CF_TEXT);
            if (h) {
                const char* p = (const char*)GlobalLock(h);
                if (p)
                    text = p;
                GlobalUnlock(h);
            }
            CloseClipboard();
            return text;
        }
        Sleep(10);
    }
    return text;
}

void PumpMessages(DWORD ms) {
    DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (ms)
            Sleep(5);
    } while (GetTickCount() - start < ms);
}
