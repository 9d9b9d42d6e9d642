// The host on Windows: the library's edge to the operating system.
#include <windows.h>

#include <random>

#include "platform/win32/win32_text.h"
#include "simdriver/host.h"

namespace simdrv {

namespace {

using zelvin::ToUtf8;
using zelvin::ToWide;

class Win32Host : public Host {
public:
    uint64_t NowFileTime() override {
        FILETIME ft{};
        GetSystemTimeAsFileTime(&ft);
        return (uint64_t{ft.dwHighDateTime} << 32) | ft.dwLowDateTime;
    }

    std::optional<std::string> GetEnv(const char* name) override {
        const std::wstring wideName = ToWide(name);
        DWORD size = GetEnvironmentVariableW(wideName.c_str(), nullptr, 0);
        if (size == 0) return std::nullopt;
        std::wstring value(size, L'\0');
        DWORD got = GetEnvironmentVariableW(wideName.c_str(), value.data(), size);
        if (got == 0 || got >= size) return std::nullopt;
        value.resize(got);
        return ToUtf8(value);
    }

    std::optional<std::string> ReadFile(const std::string& path) override {
        HANDLE file = CreateFileW(ToWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return std::nullopt;
        std::string bytes;
        char chunk[4096];
        DWORD got = 0;
        bool ok = true;
        while ((ok = ::ReadFile(file, chunk, sizeof chunk, &got, nullptr) != FALSE) && got > 0) bytes.append(chunk, got);
        CloseHandle(file);
        if (!ok) return std::nullopt;
        return bytes;
    }

    bool WriteFileAtomic(const std::string& path, std::string_view bytes) override {
        // Write a private temporary file, flush it, then move it over the store
        // in one step, so a crash leaves the old or the new file.
        const std::wstring target = ToWide(path);
        const std::wstring temp = target + L".tmp." + std::to_wstring(GetCurrentProcessId());
        HANDLE file = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return false;
        DWORD written = 0;
        bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                  written == bytes.size() && FlushFileBuffers(file);
        ok = CloseHandle(file) && ok;
        if (ok && MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
        DeleteFileW(temp.c_str());
        return false;
    }

    bool AppendFile(const std::string& path, std::string_view bytes) override {
        HANDLE file = CreateFileW(ToWide(path).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return false;
        DWORD written = 0;
        bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                  written == bytes.size();
        return CloseHandle(file) && ok;
    }

    bool FileExists(const std::string& path) override {
        DWORD attributes = GetFileAttributesW(ToWide(path).c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    }

    bool MakeDirectories(const std::string& path) override {
        const std::wstring wide = ToWide(path);
        for (size_t pos = 3; pos <= wide.size(); ++pos) {
            if (pos == wide.size() || wide[pos] == L'\\' || wide[pos] == L'/') {
                const std::wstring prefix = wide.substr(0, pos);
                if (!CreateDirectoryW(prefix.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) return false;
            }
        }
        return true;
    }

    std::string LibraryPath() override {
        HMODULE self = nullptr;
        if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                                reinterpret_cast<LPCWSTR>(&MakeSystemHost), &self))
            return {};
        std::wstring path(MAX_PATH, L'\0');
        DWORD n = GetModuleFileNameW(self, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0 || n >= path.size()) return {};
        path.resize(n);
        return ToUtf8(path);
    }

    std::string DefaultStoreFolder() override {
        for (const char* variable : {"LOCALAPPDATA", "APPDATA"}) {
            if (auto base = GetEnv(variable); base && !base->empty()) return *base + "\\ZelvinSimAdapter";
        }
        std::string self = LibraryPath();
        return self.substr(0, self.find_last_of('\\'));
    }

    char PathSeparator() override { return '\\'; }

    int OsGenerationCode() override {
        // GetVersionEx lies to programs without a manifest; ask ntdll (always loaded).
        using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
        HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
        auto getVersion = ntdll ? reinterpret_cast<RtlGetVersionFn>(
                                      reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")))
                                : nullptr;
        OSVERSIONINFOW info{};
        info.dwOSVersionInfoSize = sizeof info;
        if (!getVersion || getVersion(&info) != 0) return 10;
        if (info.dwMajorVersion >= 10) return 10;  // Windows 10 and 11
        if (info.dwMajorVersion == 6) {
            switch (info.dwMinorVersion) {
                case 0: return 6;   // Vista
                case 1: return 7;   // 7
                case 2: return 8;   // 8
                default: return 9;  // 8.1
            }
        }
        return static_cast<int>(info.dwMajorVersion);  // XP and older: 5
    }

    bool UserIsAdmin() override {
        SID_IDENTIFIER_AUTHORITY nt = SECURITY_NT_AUTHORITY;
        PSID administrators = nullptr;
        if (!AllocateAndInitializeSid(&nt, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0,
                                      &administrators))
            return false;
        BOOL member = FALSE;
        if (!CheckTokenMembership(nullptr, administrators, &member)) member = FALSE;
        FreeSid(administrators);
        return member != FALSE;
    }

    bool IsWow64() override {
        BOOL wow64 = FALSE;
        return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
    }

    void PostWindowMessage(void* window, unsigned message, uintptr_t wParam) override {
        PostMessageW(static_cast<HWND>(window), message, static_cast<WPARAM>(wParam), 0);
    }

    void DebugOutput(std::string_view line) override { OutputDebugStringW(ToWide(line).c_str()); }

    uint64_t RandomSeed() override {
        std::random_device device;
        return (uint64_t{device()} << 32) ^ device() ^ NowFileTime() ^ GetCurrentProcessId();
    }
};

}  // namespace

std::unique_ptr<Host> MakeSystemHost() { return std::make_unique<Win32Host>(); }

}  // namespace simdrv
