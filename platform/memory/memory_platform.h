// In-memory platform for native tests: a settable executable path, a debug
// channel that tests read back, files served from memory (falling back to the
// real file system) and libraries either registered as export tables or
// loaded from a real path.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace zelvin {

class MemoryPlatform : public Platform {
public:
    std::string ExecutablePath() override { return executablePath; }
    void DebugOutput(std::string_view line) override;
    void* LoadLibraryFromPath(const std::string& fullPath) override;
    void* FindExport(void* library, const char* name) override;
    std::optional<std::string> ReadWholeFile(const std::string& path) override;
    uint16_t SystemDefaultLanguage() override { return language; }

    // A fake library: LoadLibraryFromPath(path) succeeds and FindExport
    // answers from this table.
    void RegisterLibrary(const std::string& path, std::map<std::string, void*> exports);

    std::string executablePath = "C:\\Zelvin\\Zelvin.exe";
    std::vector<std::string> debugLines;
    std::map<std::string, std::string> files;
    uint16_t language = 0x0409;
    std::vector<std::string> loadRequests;  // every path asked for, in order
    bool echoToStderr = false;

    // --- Event log time stamps and the help file of the configuration sheet ---
    std::optional<CalendarTime> UtcFileTimeToLocalCalendar(uint64_t fileTime) override {
        return CalendarFromFileTime(fileTime, utcOffsetSeconds);
    }
    bool ShellOpen(const std::string& path, void* ownerWindow) override {
        shellOpenRequests.push_back({path, ownerWindow});
        return true;
    }
    int64_t utcOffsetSeconds = 0;              // the simulated time zone
    struct ShellOpenRequest {
        std::string path;
        void* ownerWindow;
    };
    std::vector<ShellOpenRequest> shellOpenRequests;

private:
    struct FakeLibrary {
        std::map<std::string, void*> exports;
    };
    std::map<std::string, FakeLibrary> fakeLibraries_;
};

}  // namespace zelvin
