// A program started under this process's debugger, so that its debug-output
// lines can be read back: the only way to watch another process's trace
// channel without a system-wide listener that parallel tests would share.
#pragma once

#include <windows.h>

#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

class DebuggedProcess {
public:
    // Starts `exe` with `arguments` in `folder`; the process inherits this
    // process's environment.
    DebuggedProcess(const std::wstring& exe, const std::wstring& arguments, const std::wstring& folder);
    ~DebuggedProcess();
    DebuggedProcess(const DebuggedProcess&) = delete;
    DebuggedProcess& operator=(const DebuggedProcess&) = delete;

    bool Started();
    DWORD Id() const { return id_; }
    // Waits up to `ms` for the process to end; its exit code when it did.
    std::optional<DWORD> WaitForExit(DWORD ms);
    std::vector<std::string> DebugLines();

private:
    void Run(std::wstring exe, std::wstring arguments, std::wstring folder);

    std::mutex mutex_;
    std::vector<std::string> lines_;
    HANDLE started_ = nullptr;  // signalled once CreateProcess has answered
    HANDLE exited_ = nullptr;
    bool ok_ = false;
    DWORD exitCode_ = 0;
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
    std::thread debugger_;
};
