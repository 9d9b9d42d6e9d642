#include "platform/memory/memory_platform.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#if !defined(_WIN32)
#include <dlfcn.h>
#endif

namespace zelvin {

void MemoryPlatform::DebugOutput(std::string_view line) {
    debugLines.emplace_back(line);
    if (echoToStderr) std::fprintf(stderr, "%.*s", static_cast<int>(line.size()), line.data());
}

void MemoryPlatform::RegisterLibrary(const std::string& path, std::map<std::string, void*> exports) {
    fakeLibraries_[path] = FakeLibrary{std::move(exports)};
}

void* MemoryPlatform::LoadLibraryFromPath(const std::string& fullPath) {
    loadRequests.push_back(fullPath);
    auto fake = fakeLibraries_.find(fullPath);
    if (fake != fakeLibraries_.end()) return &fake->second;
#if !defined(_WIN32)
    // Only an absolute path: dlopen must never search.
    if (!fullPath.empty() && fullPath[0] == '/') return dlopen(fullPath.c_str(), RTLD_NOW | RTLD_LOCAL);
#endif
    return nullptr;
}

void* MemoryPlatform::FindExport(void* library, const char* name) {
    if (!library) return nullptr;
    for (auto& [path, fake] : fakeLibraries_) {
        if (&fake == library) {
            auto it = fake.exports.find(name);
            return it == fake.exports.end() ? nullptr : it->second;
        }
    }
#if !defined(_WIN32)
    return dlsym(library, name);
#else
    return nullptr;
#endif
}

std::optional<std::string> MemoryPlatform::ReadWholeFile(const std::string& path) {
    auto it = files.find(path);
    if (it != files.end()) return it->second;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

#if !defined(_WIN32)
Platform* CreateDefaultPlatform() {
    static MemoryPlatform platform;
    const char* echo = std::getenv("ZELVIN_TRACE_STDERR");
    platform.echoToStderr = echo && *echo && *echo != '0';
    return &platform;
}
#endif

}  // namespace zelvin
