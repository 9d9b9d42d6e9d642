// The native shared object, loaded by full path the way the program loads
// the DLL: its exports, its store shared between processes, and a writer
// killed in the middle of its writes.
#include <dlfcn.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>

#include "core/nvap_entry_points.h"

namespace {

class SharedObjectTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* base = std::getenv("ZELVIN_TEST_TMP");
        std::string pattern = std::string(base ? base : "/tmp") + "/simdriver-XXXXXX";
        std::filesystem::create_directories(std::filesystem::path(pattern).parent_path());
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        ::setenv("NVAPAPI_SIM_STORE_DIR", folder_.c_str(), 1);
        ::unsetenv("NVAPAPI_SIM_SCENARIO");
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    // Runs `body` in a fresh child process (which loads the library afresh)
    // and returns its exit code.
    static int InChild(const std::function<int()>& body) {
        const pid_t pid = ::fork();
        if (pid == 0) ::_exit(body());
        int status = 0;
        ::waitpid(pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }

    std::string folder_;
};

struct Library {
    void* handle = ::dlopen(SIMDRV_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
    template <typename Fn>
    Fn Get(const char* name) {
        return reinterpret_cast<Fn>(::dlsym(handle, name));
    }
};

std::string SsidOf(const AP_CONFIG_DATA& cfg) {
    return std::string(reinterpret_cast<const char*>(cfg.Ssid), cfg.SsidLength > 32 ? 32 : cfg.SsidLength);
}

int WriteSsid(Library& lib, const std::string& ssid) {
    auto read = lib.Get<nvap::NVAP_ReadConfigData_fn>("NVAP_ReadConfigData");
    auto write = lib.Get<nvap::NVAP_WriteandSetConfigData_fn>("NVAP_WriteandSetConfigData");
    AP_CONFIG_DATA cfg{};
    read(&cfg);
    std::memset(cfg.Ssid, 0, sizeof cfg.Ssid);
    std::memcpy(cfg.Ssid, ssid.data(), ssid.size());
    cfg.SsidLength = static_cast<uint32_t>(ssid.size());
    return write(cfg, AP_CONFIG_EXT{});
}

TEST_F(SharedObjectTest, ExportsEveryEntryPointUnderItsPlainName) {
    Library lib;
    ASSERT_NE(lib.handle, nullptr) << ::dlerror();
#define SIMDRV_EXPECT_EXPORT(name, params) EXPECT_NE(::dlsym(lib.handle, #name), nullptr) << #name;
    NVAP_ENTRY_POINTS(SIMDRV_EXPECT_EXPORT)
#undef SIMDRV_EXPECT_EXPORT
    ::dlclose(lib.handle);
}

TEST_F(SharedObjectTest, TheStoreIsSharedByTwoProcesses) {
    ASSERT_EQ(InChild([] {
                  Library lib;
                  if (!lib.handle) return 10;
                  if (WriteSsid(lib, "across-processes") != 1) return 11;
                  if (lib.Get<nvap::NVAP_WriteAccessPolicy_fn>("NVAP_WriteAccessPolicy")(2) != 1) return 12;
                  const char list[] = "0A1B2C3D4E5F\0";
                  if (lib.Get<nvap::NVAP_WriteAccessList_fn>("NVAP_WriteAccessList")(list, 14) != 1) return 13;
                  if (lib.Get<nvap::NVAP_WriteBACap_fn>("NVAP_WriteBACap")(0x036B2020u) != 1) return 14;
                  return 0;
              }),
              0);
    ASSERT_EQ(InChild([] {
                  Library lib;
                  if (!lib.handle) return 20;
                  AP_CONFIG_DATA cfg{};
                  lib.Get<nvap::NVAP_ReadConfigData_fn>("NVAP_ReadConfigData")(&cfg);
                  if (SsidOf(cfg) != "across-processes") return 21;
                  char policy[1024] = {}, list[1024] = {};
                  lib.Get<nvap::NVAP_ReadAccessPolicy_fn>("NVAP_ReadAccessPolicy")(policy);
                  if (std::strcmp(policy, "2") != 0) return 22;
                  lib.Get<nvap::NVAP_ReadAccessList_fn>("NVAP_ReadAccessList")(list);
                  if (std::memcmp(list, "0A1B2C3D4E5F\0\0", 14) != 0) return 23;
                  unsigned int word = 0;
                  lib.Get<nvap::NVAP_ReadBACap_fn>("NVAP_ReadBACap")(&word);
                  return word == 0x036B2020u ? 0 : 24;
              }),
              0);
}

TEST_F(SharedObjectTest, MakesAMissingStoreFolderAndReadsTheScenarioFromDisk) {
    const std::string nested = folder_ + "/not/yet/there";
    ::setenv("NVAPAPI_SIM_STORE_DIR", nested.c_str(), 1);
    const std::string scenario = folder_ + "/scenario.txt";
    std::FILE* file = std::fopen(scenario.c_str(), "w");
    ASSERT_NE(file, nullptr);
    std::fputs("fault = NVAP_GetWinOS:1:-3\n", file);
    std::fclose(file);
    ::setenv("NVAPAPI_SIM_SCENARIO", scenario.c_str(), 1);

    EXPECT_EQ(InChild([] {
                  Library lib;
                  if (lib.Get<nvap::NVAP_GetWinOS_fn>("NVAP_GetWinOS")() != -3) return 40;
                  return WriteSsid(lib, "nested") == 1 ? 0 : 41;
              }),
              0);
    EXPECT_TRUE(std::filesystem::exists(nested + "/NvAPAPI-sim-store.txt"));
    std::FILE* fired = std::fopen((scenario + ".fired").c_str(), "r");
    ASSERT_NE(fired, nullptr) << "the fault reports that it fired";
    char line[64] = {};
    std::fgets(line, sizeof line, fired);
    std::fclose(fired);
    EXPECT_STREQ(line, "NVAP_GetWinOS 1 -3\n");
}

TEST_F(SharedObjectTest, AWriterKilledMidWriteLeavesTheOldOrTheNewStore) {
    for (int killAfter : {1, 7, 40}) {
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t writer = ::fork();
        if (writer == 0) {
            ::close(ready[0]);
            Library lib;
            for (int i = 0;; ++i) {
                WriteSsid(lib, i % 2 ? "second" : "first");
                const char tick = 1;
                if (::write(ready[1], &tick, 1) != 1) ::_exit(1);
            }
        }
        ::close(ready[1]);
        // Kill it while it keeps writing, at no particular point of a write.
        char tick = 0;
        for (int i = 0; i < killAfter; ++i) ASSERT_EQ(::read(ready[0], &tick, 1), 1);
        ::kill(writer, SIGKILL);
        ::waitpid(writer, nullptr, 0);
        ::close(ready[0]);

        EXPECT_EQ(InChild([] {
                      Library lib;
                      AP_CONFIG_DATA cfg{};
                      lib.Get<nvap::NVAP_ReadConfigData_fn>("NVAP_ReadConfigData")(&cfg);
                      const std::string ssid = SsidOf(cfg);
                      return ssid == "first" || ssid == "second" ? 0 : 30;  // defaults would mean a torn store
                  }),
                  0)
            << "killed after " << killAfter << " writes";
    }
}

}  // namespace
