// Shared fixture of the contract tests: the exported entry points over a
// simulated adapter whose host (clock, files, window posts) the test owns.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "core/nvap_entry_points.h"
#include "simdriver/fake_host.h"
#include "simdriver/library.h"

// The exported functions, as the program sees them.
#define SIMDRV_DECLARE(name, params) extern "C" int NVAP_CALL name params;
NVAP_ENTRY_POINTS(SIMDRV_DECLARE)
#undef SIMDRV_DECLARE

namespace simdrv {

class SimDriverTest : public ::testing::Test {
protected:
    static constexpr const char* kScenario = "/scenario.txt";
    static constexpr const char* kStoreFile = "/store/NvAPAPI-sim-store.txt";

    void SetUp() override {
        host.env[kStoreFolderVariable] = "/store";
        host.env[kScenarioVariable] = kScenario;
        StartProcess();
    }
    void TearDown() override { InstallAdapter(nullptr); }

    // A new process over the same files (store, scenario).
    void StartProcess() { InstallAdapter(std::make_unique<SimAdapter>(std::make_unique<FakeHost>(host))); }

    void SetScenario(const std::string& text) { host.files[kScenario] = text; }
    void Advance(double seconds) { host.now += static_cast<uint64_t>(seconds * 1e7); }
    std::string Fired() { return host.files[std::string(kScenario) + ".fired"]; }

    AVAILABLE_DEV Adapter(int index) { return SimAdapter::AdapterRecord(index); }

    // What the program does at start-up: start the library, select adapter
    // 0, switch to access point mode and push the stored configuration.
    void BringUp() {
        NVAP_Initial("Norvane", kWindow);
        AVAILABLE_DEV dev = Adapter(0);
        ASSERT_EQ(NVAP_AdapterSelect(&dev, 0, kWindow), 1);
        ASSERT_EQ(NVAP_SetOPMode(1), 1);
        NVAP_InitAPSettings();
        int state = 0;
        NVAP_QueryInitialState(&state);
        ASSERT_EQ(state, 1);
        PushStored();
    }
    void PushStored() {
        AP_CONFIG_DATA cfg{};
        AP_CONFIG_EXT ext{};
        NVAP_ReadConfigData(&cfg);
        ASSERT_EQ(NVAP_SetConfigData(&cfg, &ext), 1);
    }
    AP_CONFIG_DATA Stored() {
        AP_CONFIG_DATA cfg{};
        NVAP_ReadConfigData(&cfg);
        return cfg;
    }
    void WriteConfig(const AP_CONFIG_DATA& cfg) { ASSERT_EQ(NVAP_WriteandSetConfigData(cfg, AP_CONFIG_EXT{}), 1); }

    static void SetSsid(AP_CONFIG_DATA& cfg, const std::string& ssid) {
        std::memset(cfg.Ssid, 0, sizeof cfg.Ssid);
        std::memcpy(cfg.Ssid, ssid.data(), ssid.size());
        cfg.SsidLength = static_cast<uint32_t>(ssid.size());
    }
    static std::string Ssid(const AP_CONFIG_DATA& cfg) {
        return std::string(reinterpret_cast<const char*>(cfg.Ssid), cfg.SsidLength);
    }

    inline static void* const kWindow = reinterpret_cast<void*>(0x1234);
    FakeHostState host;
};

}  // namespace simdrv
