// A hidden window over a scripted driver and a fake windowing system, with
// trace lines captured from the in-memory platform.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/hide_dlg.h"
#include "app/testing/fake_host.h"
#include "app/testing/scripted_driver.h"
#include "core/nvap_binding.h"
#include "core/settings.h"
#include "platform/memory/memory_platform.h"

class HideDlgTest : public ::testing::Test {
protected:
    static constexpr const char* kLibraryPath = "C:\\Zelvin\\NvAPAPI.dll";
    static constexpr const char* kSettingsPath = "C:\\Zelvin\\Zelvin.ini";

    void SetUp() override {
        zelvin::SetCurrentPlatform(&platform);
        platform.files[kSettingsPath] = "[Settings]\r\nDebugMode=1\r\n";
        NVAPAPI = CNvApApi{};  // each test starts from a process that has loaded nothing
        LoadSettings(NVAPAPI.m_Settings);
        G_bDeviceRemoved = 0;
        driver.adapters = {MakeAdapter("USB Wireless", "USB\\VID_1&PID_1")};
        dlg = std::make_unique<CHideDlg>(host);
        host.dlg = dlg.get();
    }

    void TearDown() override {
        host.dlg = nullptr;
        dlg.reset();
        zelvin::SetCurrentPlatform(nullptr);
    }

    // Start-up through the library load, the way the program does it.
    bool Start(const std::string& settings = "[Settings]\r\nDebugMode=1\r\n") {
        platform.files[kSettingsPath] = settings;
        platform.RegisterLibrary(kLibraryPath, ScriptedDriver::Exports());
        ScriptedDriver::current = &driver;
        return dlg->OnInitDialog();
    }

    // A window that is already up and running on the one adapter, with the
    // driver's record of calls cleared.
    void StartRunning() {
        ASSERT_TRUE(Start());
        driver.calls.clear();
        driver.appliedConfigs.clear();
        platform.debugLines.clear();
    }

    bool Traced(const std::string& line) const {
        return std::find(platform.debugLines.begin(), platform.debugLines.end(), line) != platform.debugLines.end();
    }
    int TraceCount(const std::string& line) const {
        return static_cast<int>(std::count(platform.debugLines.begin(), platform.debugLines.end(), line));
    }

    zelvin::MemoryPlatform platform;
    ScriptedDriver driver;
    FakeHost host;
    std::unique_ptr<CHideDlg> dlg;
};
