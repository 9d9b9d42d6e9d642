// The operating-system services the portable logic may use. Portable code
// includes only this header, never an OS header; the Win32 program installs
// the real implementation, native tests the in-memory one.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zelvin {

class Platform {
public:
    virtual ~Platform() = default;

    // Full path of the running executable, UTF-8, with the platform's separators
    // ("C:\\Program Files\\Zelvin\\Zelvin.exe" on Windows).
    virtual std::string ExecutablePath() = 0;

    // One line on the debug-output channel.
    virtual void DebugOutput(std::string_view line) = 0;

    // Loads a library from exactly this path, never through a search order.
    // Returns nullptr when it does not load.
    virtual void* LoadLibraryFromPath(const std::string& fullPath) = 0;
    // The address of a named export, or nullptr.
    virtual void* FindExport(void* library, const char* name) = 0;

    // The whole file as bytes; nullopt when it cannot be read.
    virtual std::optional<std::string> ReadWholeFile(const std::string& path) = 0;

    // The system default language identifier (LANGID), e.g. 0x0409.
    virtual uint16_t SystemDefaultLanguage() = 0;

    // --- Event log time stamps and the help file of the configuration sheet ---
    struct CalendarTime {
        int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    };
    // A UTC time stamp in 100-ns intervals since 1 January 1601 as local
    // calendar fields under the current time-zone setting; nullopt when the
    // value cannot be converted.
    virtual std::optional<CalendarTime> UtcFileTimeToLocalCalendar(uint64_t fileTime);
    // Opens a document with the shell's "open" verb in a normal window owned
    // by ownerWindow (a native window handle, may be null).
    virtual bool ShellOpen(const std::string& /*path*/, void* /*ownerWindow*/) { return false; }
};

// Calendar fields of a time stamp in 100-ns intervals since 1 January 1601,
// shifted by offsetSeconds; nullopt past year 9999.
std::optional<Platform::CalendarTime> CalendarFromFileTime(uint64_t fileTime, int64_t offsetSeconds);

// The process-wide platform. Set once at start (or by a test fixture).
Platform& CurrentPlatform();
void SetCurrentPlatform(Platform* platform);

}  // namespace zelvin
