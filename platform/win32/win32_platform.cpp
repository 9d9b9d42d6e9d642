// The real platform on Windows.
#include <windows.h>
#include <shellapi.h>

#include "platform/platform.h"
#include "platform/utf.h"
#include "platform/win32/win32_text.h"

namespace zelvin {

namespace {

class Win32Platform : public Platform {
public:
    std::string ExecutablePath() override {
        std::wstring path(MAX_PATH, L'\0');
        for (;;) {
            DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
            if (n == 0) return {};
            if (n < path.size()) {
                path.resize(n);
                return ToUtf8(path);
            }
            path.resize(path.size() * 2);
        }
    }

    void DebugOutput(std::string_view line) override { OutputDebugStringW(ToWide(line).c_str()); }

    void* LoadLibraryFromPath(const std::string& fullPath) override {
        // Dependencies resolve from the library's own folder, never the
        // current directory; a relative path is refused outright.
        std::wstring wide = ToWide(fullPath);
        if (wide.size() < 3 || !(wide[1] == L':' || (wide[0] == L'\\' && wide[1] == L'\\'))) return nullptr;
        return LoadLibraryExW(wide.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    }

    void* FindExport(void* library, const char* name) override {
        if (!library) return nullptr;
        return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
    }

    std::optional<std::string> ReadWholeFile(const std::string& path) override {
        HANDLE file = CreateFileW(ToWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return std::nullopt;
        std::string bytes;
        char chunk[4096];
        DWORD got = 0;
        bool ok = true;
        while ((ok = ReadFile(file, chunk, sizeof chunk, &got, nullptr) != FALSE) && got > 0) bytes.append(chunk, got);
        CloseHandle(file);
        if (!ok) return std::nullopt;
        return bytes;
    }

    uint16_t SystemDefaultLanguage() override { return GetSystemDefaultLangID(); }

    // --- Event log time stamps and the help file of the configuration sheet ---
    std::optional<CalendarTime> UtcFileTimeToLocalCalendar(uint64_t fileTime) override {
        FILETIME utc{static_cast<DWORD>(fileTime & 0xFFFFFFFFu), static_cast<DWORD>(fileTime >> 32)};
        FILETIME local{};
        SYSTEMTIME fields{};
        if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &fields)) return std::nullopt;
        return CalendarTime{fields.wYear, fields.wMonth, fields.wDay, fields.wHour, fields.wMinute, fields.wSecond};
    }

    bool ShellOpen(const std::string& path, void* ownerWindow) override {
        HINSTANCE result = ShellExecuteW(static_cast<HWND>(ownerWindow), L"open", ToWide(path).c_str(), nullptr,
                                         nullptr, SW_SHOWNORMAL);
        return reinterpret_cast<INT_PTR>(result) > 32;  // the documented success threshold
    }
};

}  // namespace

Platform* CreateDefaultPlatform() {
    static Win32Platform platform;
    return &platform;
}

}  // namespace zelvin
