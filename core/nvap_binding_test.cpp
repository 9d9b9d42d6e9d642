#include "core/nvap_binding.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/trace.h"
#include "platform/memory/memory_platform.h"

namespace {

int NVAP_CALL FakeGetWinOS() { return 7; }
int NVAP_CALL FakeIsDeviceExist(const AVAILABLE_DEV*) { return 1; }

// Remembers which exports were asked for, in order.
class RecordingPlatform : public zelvin::MemoryPlatform {
public:
    void* FindExport(void* library, const char* name) override {
        lookups.emplace_back(name);
        return MemoryPlatform::FindExport(library, name);
    }
    std::vector<std::string> lookups;
};

class BindingTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform_.executablePath = "C:\\Apps\\Zelvin.exe";
        zelvin::SetCurrentPlatform(&platform_);
        nvap::ForgetReportedMissingEntryPoints();
    }
    void TearDown() override {
        NVAPAPI = CNvApApi{};
        nvap::ForgetReportedMissingEntryPoints();
        zelvin::SetCurrentPlatform(nullptr);
    }

    void FillAdapterTexts(CNvApApi& api) {
        std::strcpy(api.m_SelectedAdapter.DeviceDesc, "desc");
        std::strcpy(api.m_SelectedAdapter.HardwareId, "hwid");
        std::strcpy(api.m_SelectedAdapter.ExtraText1, "one");
        std::strcpy(api.m_SelectedAdapter.ExtraText2, "two");
        std::strcpy(api.m_SelectedAdapter.LocationInfo, "kept");
    }

    RecordingPlatform platform_;
};

TEST_F(BindingTest, EverySlotStartsEmptyAndAnswersZero) {
    CNvApApi api;
    EXPECT_EQ(api.m_hLibrary, nullptr);
    EXPECT_FALSE(api.IsBound("NVAP_Initial"));
    EXPECT_FALSE(api.IsBound("NVAP_DisableDhcpServer"));
    EXPECT_FALSE(api.IsBound("NVAP_NoSuchEntry"));
    EXPECT_EQ(api.NVAP_GetWinOS(), 0);
    EXPECT_EQ(api.NVAP_IsDeviceExist(&api.m_SelectedAdapter), 0);
    AP_CONFIG_DATA cfg{};
    AP_CONFIG_EXT ext{};
    EXPECT_EQ(api.NVAP_WriteandSetConfigData(cfg, ext), 0);
}

TEST_F(BindingTest, EmptySlotTracesItsNameOnceWhenDebugModeIsOn) {
    NVAPAPI.m_Settings.debugMode = true;
    CNvApApi api;
    api.NVAP_QueryOPMode();
    api.NVAP_QueryOPMode();
    api.NVAP_SetOPMode(1);
    ASSERT_EQ(platform_.debugLines.size(), 2u);
    EXPECT_EQ(platform_.debugLines[0], "[Zelvin] missing entry point NVAP_QueryOPMode\n");
    EXPECT_EQ(platform_.debugLines[1], "[Zelvin] missing entry point NVAP_SetOPMode\n");
}

TEST_F(BindingTest, SettingsAreReadEvenWithoutAPath) {
    platform_.files["C:\\Apps\\Zelvin.ini"] = "[Settings]\nDebugMode=1\n[Advance]\nWaitforDriverInitialized=9\n";
    CNvApApi api;
    EXPECT_FALSE(api.LoadDll(nullptr));
    EXPECT_TRUE(api.m_Settings.debugMode);
    EXPECT_EQ(api.m_Settings.waitforDriverInitialized, 9);
    EXPECT_TRUE(platform_.loadRequests.empty());

    CNvApApi other;
    EXPECT_FALSE(other.LoadDll(""));
    EXPECT_TRUE(other.m_Settings.debugMode);
}

TEST_F(BindingTest, FailedLoadLeavesEverythingEmpty) {
    platform_.files["C:\\Apps\\Zelvin.ini"] = "[Settings]\nDebugMode=1\n";
    CNvApApi api;
    FillAdapterTexts(api);
    EXPECT_FALSE(api.LoadDll("C:\\Apps\\NvAPAPI.dll"));
    EXPECT_TRUE(api.m_Settings.debugMode);
    EXPECT_EQ(api.m_hLibrary, nullptr);
    EXPECT_FALSE(api.IsBound("NVAP_Initial"));
    EXPECT_TRUE(platform_.lookups.empty());
    ASSERT_EQ(platform_.loadRequests.size(), 1u);
    EXPECT_EQ(platform_.loadRequests[0], "C:\\Apps\\NvAPAPI.dll");
}

TEST_F(BindingTest, DebugModeOffKeepsTheLoadFailureLineOffTheChannel) {
    platform_.files["C:\\Apps\\Zelvin.ini"] = "[Settings]\nDebugMode=0\n";
    EXPECT_FALSE(NVAPAPI.LoadDll("C:\\Apps\\NvAPAPI.dll"));
    TraceOut("[Zelvin][NvCfg] Load dll fail: %s\n", "C:\\Apps\\NvAPAPI.dll");
    EXPECT_TRUE(platform_.debugLines.empty());

    platform_.files["C:\\Apps\\Zelvin.ini"] = "[Settings]\nDebugMode=1\n";
    EXPECT_FALSE(NVAPAPI.LoadDll("C:\\Apps\\NvAPAPI.dll"));
    TraceOut("[Zelvin][NvCfg] Load dll fail: %s\n", "C:\\Apps\\NvAPAPI.dll");
    ASSERT_EQ(platform_.debugLines.size(), 1u);
    EXPECT_EQ(platform_.debugLines[0], "[Zelvin][NvCfg] Load dll fail: C:\\Apps\\NvAPAPI.dll\n");
}

TEST_F(BindingTest, PartialLibraryLoadsAndBindsInAbiOrder) {
    platform_.RegisterLibrary("C:\\Apps\\NvAPAPI.dll",
                              {{"NVAP_GetWinOS", reinterpret_cast<void*>(&FakeGetWinOS)},
                               {"NVAP_IsDeviceExist", reinterpret_cast<void*>(&FakeIsDeviceExist)}});
    CNvApApi api;
    FillAdapterTexts(api);
    ASSERT_TRUE(api.LoadDll("C:\\Apps\\NvAPAPI.dll"));
    EXPECT_NE(api.m_hLibrary, nullptr);

    EXPECT_TRUE(api.IsBound("NVAP_GetWinOS"));
    EXPECT_TRUE(api.IsBound("NVAP_IsDeviceExist"));
    EXPECT_FALSE(api.IsBound("NVAP_Initial"));
    EXPECT_EQ(api.NVAP_GetWinOS(), 7);
    EXPECT_EQ(api.NVAP_IsDeviceExist(&api.m_SelectedAdapter), 1);
    EXPECT_EQ(api.NVAP_Initial("Norvane", nullptr), 0);

    ASSERT_EQ(platform_.lookups.size(), static_cast<size_t>(nvap::kEntryPointCount));
    for (int i = 0; i < nvap::kEntryPointCount; ++i) {
        EXPECT_EQ(platform_.lookups[i], nvap::EntryPointName(static_cast<nvap::EntryPoint>(i)));
    }
    EXPECT_EQ(platform_.lookups.front(), "NVAP_Initial");
    EXPECT_EQ(platform_.lookups[8], "NVAP_GetAvailableAdapters");
    EXPECT_EQ(platform_.lookups[44], "NVAP_ReadConfigData");
    EXPECT_EQ(platform_.lookups.back(), "NVAP_DisableDhcpServer");
}

TEST_F(BindingTest, LoadClearsTheFourAdapterTexts) {
    platform_.RegisterLibrary("C:\\Apps\\NvAPAPI.dll", {});
    CNvApApi api;
    FillAdapterTexts(api);
    ASSERT_TRUE(api.LoadDll("C:\\Apps\\NvAPAPI.dll"));
    EXPECT_STREQ(api.m_SelectedAdapter.DeviceDesc, "");
    EXPECT_STREQ(api.m_SelectedAdapter.HardwareId, "");
    EXPECT_STREQ(api.m_SelectedAdapter.ExtraText1, "");
    EXPECT_STREQ(api.m_SelectedAdapter.ExtraText2, "");
    EXPECT_STREQ(api.m_SelectedAdapter.LocationInfo, "kept");
}

// The real loader of the platform, against a library built for the purpose.
class RealLibraryTest : public ::testing::Test {
protected:
    void SetUp() override { zelvin::SetCurrentPlatform(nullptr); }

    static std::string LibraryPath() {
#if defined(_WIN32)
        const std::string exe = zelvin::CurrentPlatform().ExecutablePath();
        return exe.substr(0, exe.find_last_of('\\') + 1) + ZELVIN_PARTIAL_DRIVER_NAME;
#else
        return ZELVIN_PARTIAL_DRIVER_PATH;
#endif
    }
};

TEST_F(RealLibraryTest, BindsWhatTheLibraryExportsAndCallsThroughIt) {
    CNvApApi api;
    ASSERT_TRUE(api.LoadDll(LibraryPath().c_str())) << LibraryPath();
    EXPECT_EQ(api.NVAP_GetWinOS(), 10);
    EXPECT_EQ(api.NVAP_SetOPMode(1), 101);
    unsigned char mac[6] = {};
    EXPECT_EQ(api.NVAP_GetMacAddrs(mac), 1);
    EXPECT_EQ(mac[0], 0x02);
    EXPECT_EQ(mac[5], 0x55);
    AP_CONFIG_DATA cfg{};
    cfg.SsidLength = 7;
    cfg.Ssid[31] = 3;
    AP_CONFIG_EXT ext{};
    ext.nIdleTime = 300;
    EXPECT_EQ(api.NVAP_WriteandSetConfigData(cfg, ext), 7330);
    EXPECT_EQ(api.NVAP_DisableDhcpServer(), 76);
    EXPECT_TRUE(api.IsBound("NVAP_DisableDhcpServer"));
    EXPECT_FALSE(api.IsBound("NVAP_Initial"));
    EXPECT_EQ(api.NVAP_Initial("Norvane", nullptr), 0);
}

TEST_F(RealLibraryTest, RefusesARelativePath) {
    CNvApApi api;
    EXPECT_FALSE(api.LoadDll(ZELVIN_PARTIAL_DRIVER_NAME));
    EXPECT_EQ(api.m_hLibrary, nullptr);
}

}  // namespace
