// The operating-system services the simulated adapter needs. The simulation
// itself never touches the OS: the library edge installs the real host, native
// tests a fake one with a clock and files they control.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace simdrv {

class Host {
public:
    virtual ~Host() = default;

    // Now, in 100-ns intervals since 1 January 1601 UTC (a FILETIME).
    virtual uint64_t NowFileTime() = 0;
    virtual std::optional<std::string> GetEnv(const char* name) = 0;

    virtual std::optional<std::string> ReadFile(const std::string& path) = 0;
    // Replaces the file so that a reader, or a crash at any moment, sees the
    // old or the new content and never a mix.
    virtual bool WriteFileAtomic(const std::string& path, std::string_view bytes) = 0;
    virtual bool AppendFile(const std::string& path, std::string_view bytes) = 0;
    virtual bool FileExists(const std::string& path) = 0;
    virtual bool MakeDirectories(const std::string& path) = 0;

    // Full path of the library file itself (a real file).
    virtual std::string LibraryPath() = 0;
    // Folder of the store when no environment variable names one.
    virtual std::string DefaultStoreFolder() = 0;
    virtual char PathSeparator() = 0;

    // Generation code of the running operating system (10 for Windows 10/11).
    virtual int OsGenerationCode() = 0;
    virtual bool UserIsAdmin() = 0;
    virtual bool IsWow64() = 0;

    // Posts a message to the program's window (no-op without one).
    virtual void PostWindowMessage(void* window, unsigned message, uintptr_t wParam) = 0;
    // One line on the debug-output channel.
    virtual void DebugOutput(std::string_view line) = 0;
    // Entropy for the factory passphrase and the simulation's seed.
    virtual uint64_t RandomSeed() = 0;
};

// The host of the platform the library is built for.
std::unique_ptr<Host> MakeSystemHost();

}  // namespace simdrv
