// Measures one tray program under Wine, started minimal (no sheet at start):
//   start-up   from process start until its icon is in the notification
//              area (a new tray icon window there) and its hidden window
//              answers a message;
//   idle CPU   user + kernel time over the idle window that follows, as the
//              system reports it (Wine reports none for another process, so
//              the script also reads it from the host: with ZELVIN_PROBE_SYNC
//              set to a folder, the probe marks the window's start and end
//              there as files idle-begin and idle-end and waits for the
//              script's idle-begin.ack and idle-end.ack);
//   peak set   the peak working set at the end;
//   open       from posting the open command until the window titled
//              `sheetTitle` of that process exists.
// Usage: lightness_probe <exe> <arguments> <hidden title> <sheet title> <idle seconds>
// Prints one line: startup_ms cpu_ms peak_kb open_ms
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/win32/tray_icon_windows.h"

namespace {

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency) {
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

LARGE_INTEGER Now() {
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t;
}

HWND FindOf(DWORD processId, const wchar_t* title) {
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, nullptr, title)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId) return window;
    }
    return nullptr;
}

using zelvin::tray_icons::TrayIconWindows;

bool HasNewIcon(const std::vector<HWND>& before) { return !zelvin::tray_icons::NewTrayIconWindows(before).empty(); }

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Tells the script a mark was reached and waits (bounded) for its reading.
void Mark(const std::wstring& syncFolder, const wchar_t* name) {
    if (syncFolder.empty()) return;
    std::wstring path = syncFolder + L"\\" + name;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    for (int i = 0; i < 1000 && !Exists(path + L".ack"); ++i) Sleep(10);
}

template <typename Predicate>
bool Poll(Predicate ready, DWORD limitMs) {
    for (DWORD waited = 0; waited <= limitMs; waited += 5) {
        if (ready()) return true;
        Sleep(5);
    }
    return false;
}

double CpuMs(HANDLE process) {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(process, &created, &exited, &kernel, &user);
    auto value = [](FILETIME t) { return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    return static_cast<double>(value(kernel) + value(user)) / 10000.0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: lightness_probe exe arguments hidden-title sheet-title idle-seconds\n");
        return 2;
    }
    std::wstring exe = argv[1];
    std::wstring commandLine = L"\"" + exe + L"\" " + argv[2];
    std::wstring folder = exe.substr(0, exe.find_last_of(L'\\') + 1);
    const wchar_t* hiddenTitle = argv[3];
    const wchar_t* sheetTitle = argv[4];
    DWORD idleMs = static_cast<DWORD>(_wtoi(argv[5])) * 1000;

    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    const std::vector<HWND> iconsBefore = TrayIconWindows();
    LARGE_INTEGER t0 = Now();
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &info)) {
        std::fprintf(stderr, "cannot start the program\n");
        return 1;
    }
    HWND hidden = nullptr;
    if (!Poll([&] { return (hidden = FindOf(info.dwProcessId, hiddenTitle)) != nullptr; }, 60000)) return 1;
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(hidden, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &ignored);
    // Without an observable notification area this is the reply alone.
    Poll([&] { return HasNewIcon(iconsBefore); }, 10000);
    double startupMs = Milliseconds(t0, Now(), frequency);

    wchar_t sync[MAX_PATH] = {};
    GetEnvironmentVariableW(L"ZELVIN_PROBE_SYNC", sync, MAX_PATH);
    Mark(sync, L"idle-begin");
    double cpuBefore = CpuMs(info.hProcess);
    Sleep(idleMs);
    double idleCpuMs = CpuMs(info.hProcess) - cpuBefore;
    Mark(sync, L"idle-end");

    LARGE_INTEGER t1 = Now();
    PostMessageW(hidden, WM_COMMAND, 32771, 0);
    Poll([&] { return FindOf(info.dwProcessId, sheetTitle) != nullptr; }, 60000);
    double openMs = Milliseconds(t1, Now(), frequency);

    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(info.hProcess, &memory, sizeof memory);

    PostMessageW(hidden, WM_COMMAND, 32772, 0);
    if (WaitForSingleObject(info.hProcess, 30000) != WAIT_OBJECT_0) TerminateProcess(info.hProcess, 1);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    std::printf("%.0f %.0f %.0f %.0f\n", startupMs, idleCpuMs, static_cast<double>(memory.PeakWorkingSetSize) / 1024.0,
                openMs);
    return 0;
}
