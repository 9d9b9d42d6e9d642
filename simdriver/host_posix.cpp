// The host on Linux and other POSIX systems, where the library is built as a
// shared object for the native tests.
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>

#include "simdriver/host.h"

namespace simdrv {

namespace {

constexpr uint64_t kUnixEpochInFileTimeSeconds = 11644473600ull;

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

class PosixHost : public Host {
public:
    uint64_t NowFileTime() override {
        timespec ts{};
        clock_gettime(CLOCK_REALTIME, &ts);
        return (static_cast<uint64_t>(ts.tv_sec) + kUnixEpochInFileTimeSeconds) * 10000000ull +
               static_cast<uint64_t>(ts.tv_nsec) / 100u;
    }

    std::optional<std::string> GetEnv(const char* name) override {
        const char* value = std::getenv(name);
        if (!value) return std::nullopt;
        return std::string(value);
    }

    std::optional<std::string> ReadFile(const std::string& path) override {
        std::ifstream in(path, std::ios::binary);
        if (!in) return std::nullopt;
        std::ostringstream bytes;
        bytes << in.rdbuf();
        if (in.bad()) return std::nullopt;
        return bytes.str();
    }

    bool WriteFileAtomic(const std::string& path, std::string_view bytes) override {
        // Write a private temporary file, flush it to disk, then rename it over
        // the store: rename is atomic, so a crash leaves the old or new file.
        const std::string temp = path + ".tmp." + std::to_string(::getpid());
        int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        if (fd < 0) return false;
        bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
        ok = ::close(fd) == 0 && ok;
        if (ok && ::rename(temp.c_str(), path.c_str()) == 0) return true;
        ::unlink(temp.c_str());
        return false;
    }

    bool AppendFile(const std::string& path, std::string_view bytes) override {
        int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
        if (fd < 0) return false;
        bool ok = WriteAll(fd, bytes);
        return ::close(fd) == 0 && ok;
    }

    bool FileExists(const std::string& path) override {
        struct stat st{};
        return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
    }

    bool MakeDirectories(const std::string& path) override {
        for (size_t pos = 1; pos <= path.size(); ++pos) {
            if (pos == path.size() || path[pos] == '/') {
                const std::string prefix = path.substr(0, pos);
                if (::mkdir(prefix.c_str(), 0700) != 0 && errno != EEXIST) return false;
            }
        }
        return true;
    }

    std::string LibraryPath() override {
        Dl_info info{};
        if (::dladdr(reinterpret_cast<void*>(&MakeSystemHost), &info) == 0 || !info.dli_fname) return {};
        char resolved[PATH_MAX];
        if (::realpath(info.dli_fname, resolved)) return resolved;
        return info.dli_fname;
    }

    std::string DefaultStoreFolder() override {
        if (auto state = GetEnv("XDG_STATE_HOME"); state && !state->empty()) return *state + "/zelvin-simadapter";
        if (auto home = GetEnv("HOME"); home && !home->empty()) return *home + "/.local/state/zelvin-simadapter";
        return "/tmp/zelvin-simadapter";
    }

    char PathSeparator() override { return '/'; }
    // No Windows here: report the current generation unless a scenario says otherwise.
    int OsGenerationCode() override { return 10; }
    // There is no Windows administrator group to check; the scenario can deny it.
    bool UserIsAdmin() override { return true; }
    bool IsWow64() override { return false; }
    void PostWindowMessage(void*, unsigned, uintptr_t) override {}

    void DebugOutput(std::string_view line) override {
        if (std::getenv("NVAPAPI_SIM_TRACE")) std::cerr << line << std::flush;
    }

    uint64_t RandomSeed() override {
        std::random_device device;
        return (uint64_t{device()} << 32) ^ device() ^ NowFileTime();
    }
};

}  // namespace

std::unique_ptr<Host> MakeSystemHost() { return std::make_unique<PosixHost>(); }

}  // namespace simdrv
