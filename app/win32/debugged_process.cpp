#include "app/win32/debugged_process.h"

#include "platform/win32/win32_text.h"

DebuggedProcess::DebuggedProcess(const std::wstring& exe, const std::wstring& arguments, const std::wstring& folder)
    : started_(CreateEventW(nullptr, TRUE, FALSE, nullptr)), exited_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    // The debugger of a process must be the thread that started it.
    debugger_ = std::thread([this, exe, arguments, folder] { Run(exe, arguments, folder); });
    WaitForSingleObject(started_, INFINITE);
}

DebuggedProcess::~DebuggedProcess() {
    if (ok_ && WaitForSingleObject(exited_, 0) != WAIT_OBJECT_0) TerminateProcess(process_, 99);
    if (debugger_.joinable()) debugger_.join();
    CloseHandle(started_);
    CloseHandle(exited_);
}

bool DebuggedProcess::Started() { return ok_; }

std::optional<DWORD> DebuggedProcess::WaitForExit(DWORD ms) {
    if (!ok_ || WaitForSingleObject(exited_, ms) != WAIT_OBJECT_0) return std::nullopt;
    return exitCode_;
}

std::vector<std::string> DebuggedProcess::DebugLines() {
    std::lock_guard<std::mutex> lock(mutex_);
    return lines_;
}

void DebuggedProcess::Run(std::wstring exe, std::wstring arguments, std::wstring folder) {
    std::wstring commandLine = L"\"" + exe + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    ok_ = CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, DEBUG_ONLY_THIS_PROCESS, nullptr,
                         folder.c_str(), &startup, &info) != FALSE;
    process_ = info.hProcess;
    id_ = info.dwProcessId;
    SetEvent(started_);
    if (!ok_) return;
    CloseHandle(info.hThread);

    for (;;) {
        DEBUG_EVENT event = {};
        if (!WaitForDebugEvent(&event, INFINITE)) break;
        DWORD status = DBG_CONTINUE;
        if (event.dwDebugEventCode == OUTPUT_DEBUG_STRING_EVENT) {
            const OUTPUT_DEBUG_STRING_INFO& text = event.u.DebugString;
            size_t units = text.nDebugStringLength;
            std::string line;
            if (text.fUnicode) {
                std::wstring wide(units, L'\0');
                SIZE_T got = 0;
                ReadProcessMemory(info.hProcess, text.lpDebugStringData, wide.data(), units * sizeof(wchar_t), &got);
                wide.resize(got / sizeof(wchar_t));
                line = zelvin::ToUtf8(wide);
            } else {
                line.assign(units, '\0');
                SIZE_T got = 0;
                ReadProcessMemory(info.hProcess, text.lpDebugStringData, line.data(), units, &got);
                line.resize(got);
            }
            while (!line.empty() && line.back() == '\0') line.pop_back();
            std::lock_guard<std::mutex> lock(mutex_);
            lines_.push_back(line);
        } else if (event.dwDebugEventCode == EXCEPTION_DEBUG_EVENT) {
            // The loader's initial breakpoint is ours to swallow; any other
            // exception goes back to the program as if no debugger were there.
            if (event.u.Exception.ExceptionRecord.ExceptionCode != EXCEPTION_BREAKPOINT) status = DBG_EXCEPTION_NOT_HANDLED;
        } else if (event.dwDebugEventCode == CREATE_PROCESS_DEBUG_EVENT) {
            if (event.u.CreateProcessInfo.hFile) CloseHandle(event.u.CreateProcessInfo.hFile);
        } else if (event.dwDebugEventCode == LOAD_DLL_DEBUG_EVENT) {
            if (event.u.LoadDll.hFile) CloseHandle(event.u.LoadDll.hFile);
        }
        bool ended = event.dwDebugEventCode == EXIT_PROCESS_DEBUG_EVENT;
        if (ended) exitCode_ = event.u.ExitProcess.dwExitCode;
        ContinueDebugEvent(event.dwProcessId, event.dwThreadId, status);
        if (ended) break;
    }
    CloseHandle(info.hProcess);
    SetEvent(exited_);
}
