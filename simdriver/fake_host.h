// A host for tests: a clock they set, files in memory, recorded posts and
// trace lines, a fixed seed.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "simdriver/host.h"

namespace simdrv {

struct FakeHostState {
    uint64_t now = 133000000000000000ull;  // some day in 2022
    std::map<std::string, std::string> env;
    std::map<std::string, std::string> files;
    struct Post {
        void* window;
        unsigned message;
        uintptr_t wParam;
        bool operator==(const Post&) const = default;
    };
    std::vector<Post> posts;
    std::vector<std::string> trace;
    int osGeneration = 10;
    bool admin = true;
    bool wow64 = false;
    bool failWrites = false;
    int writes = 0;
    std::vector<std::string> madeDirectories;
};

class FakeHost : public Host {
public:
    explicit FakeHost(FakeHostState& state) : s_(state) {}

    uint64_t NowFileTime() override { return s_.now; }
    std::optional<std::string> GetEnv(const char* name) override {
        auto it = s_.env.find(name);
        if (it == s_.env.end()) return std::nullopt;
        return it->second;
    }
    std::optional<std::string> ReadFile(const std::string& path) override {
        auto it = s_.files.find(path);
        if (it == s_.files.end()) return std::nullopt;
        return it->second;
    }
    bool WriteFileAtomic(const std::string& path, std::string_view bytes) override {
        if (s_.failWrites) return false;
        ++s_.writes;
        s_.files[path] = std::string(bytes);
        return true;
    }
    bool AppendFile(const std::string& path, std::string_view bytes) override {
        s_.files[path] += std::string(bytes);
        return true;
    }
    bool FileExists(const std::string& path) override { return s_.files.count(path) != 0; }
    bool MakeDirectories(const std::string& path) override {
        s_.madeDirectories.push_back(path);
        return true;
    }
    std::string LibraryPath() override { return "/opt/sim/NvAPAPI.so"; }
    std::string DefaultStoreFolder() override { return "/default-store"; }
    char PathSeparator() override { return '/'; }
    int OsGenerationCode() override { return s_.osGeneration; }
    bool UserIsAdmin() override { return s_.admin; }
    bool IsWow64() override { return s_.wow64; }
    void PostWindowMessage(void* window, unsigned message, uintptr_t wParam) override {
        s_.posts.push_back({window, message, wParam});
    }
    void DebugOutput(std::string_view line) override { s_.trace.emplace_back(line); }
    uint64_t RandomSeed() override { return 42; }

private:
    FakeHostState& s_;
};

}  // namespace simdrv
