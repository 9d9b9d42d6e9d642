// Each knob of the scenario file, seen through the entry points, and the
// file's re-reading and fault arming.
#include <vector>

#include "simdriver/sim_test_fixture.h"

namespace simdrv {
namespace {

using KnobTest = SimDriverTest;

uint32_t StationCount() {
    KX_802_11_MAC_TABLE table{};
    NVAP_QueryMacTable(&table);
    return table.EntryCount;
}

TEST_F(KnobTest, AdapterRemovedAndReinsertedComesBackAsAFreshDevice) {
    BringUp();
    AVAILABLE_DEV dev = Adapter(0);
    SetScenario("adapter_present = 0\n");
    EXPECT_EQ(NVAP_IsDeviceExist(&dev), 0);
    AVAILABLE_DEV_LIST list{};
    EXPECT_EQ(NVAP_GetAvailableAdapters(&list, 1), 1);
    EXPECT_EQ(list.nCount, 0u);
    int state = 1;
    EXPECT_EQ(NVAP_QueryInitialState(&state), 0);
    EXPECT_EQ(state, 0);
    SetScenario("adapter_present = 1\n");
    EXPECT_EQ(NVAP_IsDeviceExist(&dev), 1);
    // Like the system, the library tells the program's window that devices changed.
    const FakeHostState::Post change{kWindow, 0x0219u, 7};
    EXPECT_EQ(host.posts, (std::vector<FakeHostState::Post>{change, change}));
    EXPECT_EQ(NVAP_QueryOPMode(), 0) << "a re-inserted adapter starts in station mode";
    int running = -1;
    NVAP_QueryAuthMode(&running);
    EXPECT_EQ(running, 0) << "and without a running configuration";
}

TEST_F(KnobTest, NumberOfAdapters) {
    for (int n : {0, 1, 2, 3}) {
        SetScenario("adapters = " + std::to_string(n) + "\n");
        AVAILABLE_DEV_LIST list{};
        NVAP_GetAvailableAdapters(&list, 0);
        EXPECT_EQ(list.nCount, static_cast<uint32_t>(n));
    }
}

TEST_F(KnobTest, DriverNotReadyForNPollsAfterStart) {
    SetScenario("driver_not_ready_polls = 3\n");
    NVAP_Initial("Norvane", kWindow);
    AVAILABLE_DEV dev = Adapter(0);
    NVAP_AdapterSelect(&dev, 0, kWindow);
    NVAP_SetOPMode(1);
    for (int round = 0; round < 2; ++round) {
        NVAP_InitAPSettings();
        std::vector<int> states;
        for (int poll = 0; poll < 5; ++poll) {
            int state = -1;
            NVAP_QueryInitialState(&state);
            states.push_back(state);
        }
        EXPECT_EQ(states, (std::vector<int>{0, 0, 0, 1, 1})) << "round " << round;
    }
}

TEST_F(KnobTest, DroppingTheRunningConfigurationOncePerNewValue) {
    BringUp();
    auto running = [] {
        int mode = -1;
        NVAP_QueryAuthMode(&mode);
        return mode;
    };
    ASSERT_EQ(running(), 7);
    SetScenario("drop_running_config = 1\n");
    EXPECT_EQ(running(), 0);
    int stored = 0;
    NVAP_ReadAuthMode(&stored);
    EXPECT_EQ(stored, 7) << "the store is untouched";
    PushStored();
    EXPECT_EQ(running(), 7);
    SetScenario("drop_running_config = 1\n# unrelated edit\n");
    EXPECT_EQ(running(), 7) << "the same value does not drop again";
    SetScenario("drop_running_config = 2\n");
    EXPECT_EQ(running(), 0);
}

TEST_F(KnobTest, RadioSwitchPostsToTheProgramWindowAndEmptiesTheAir) {
    SetScenario("station_arrivals_per_minute = 30\nstation_stay_seconds = 86400\n");
    BringUp();
    Advance(60);
    ASSERT_GT(StationCount(), 0u);
    SetScenario("station_arrivals_per_minute = 30\nstation_stay_seconds = 86400\nradio = off\n");
    NVAP_QueryOPMode();
    ASSERT_EQ(host.posts.size(), 1u);
    EXPECT_EQ(host.posts[0], (FakeHostState::Post{kWindow, 0x403u, 0}));
    EXPECT_EQ(StationCount(), 0u);
    int rssi = 0;
    NVAP_QuerySignalStrength(&rssi);
    EXPECT_EQ(NVAP_ConvertRssiToSignalQuality(rssi), 0);
    Advance(60);
    EXPECT_EQ(StationCount(), 0u);
    SetScenario("station_arrivals_per_minute = 30\nstation_stay_seconds = 86400\nradio = on\n");
    NVAP_QueryOPMode();
    ASSERT_EQ(host.posts.size(), 2u);
    EXPECT_EQ(host.posts[1].message, 0x402u);
}

TEST_F(KnobTest, ModelCodeAndItsRegions) {
    SetScenario("model = 2\n");
    int model = 0;
    NVAP_GetCurrentDeviceModel(&model);
    EXPECT_EQ(model, 2);
    unsigned int regions = 0;
    int a = 0, bg = 0;
    NVAP_QueryCountryRegion(&regions, &a, &bg);
    EXPECT_EQ(regions >> 24, 10u);
    unsigned char ch5[32] = {}, ch24[32] = {};
    int n24 = 0, n5 = 0;
    NVAP_GetCountryChannel(ch5, ch24, &n24, &n5, 0, 9);
    ASSERT_EQ(n5, 4);
    EXPECT_EQ(ch5[0], 34);
    EXPECT_EQ(ch5[3], 46);
}

TEST_F(KnobTest, BandAndStandardSupport) {
    SetScenario("supports_11n = 0\nsupports_5ghz = 0\n");
    EXPECT_EQ(NVAP_Is80211NSupport(), 0);
    EXPECT_EQ(NVAP_Is80211ASupport(), 0);
    unsigned int regions = 0;
    int a = -1, bg = -1;
    NVAP_QueryCountryRegion(&regions, &a, &bg);
    EXPECT_EQ(a, 0);
    EXPECT_EQ(bg, 1);
    EXPECT_EQ(regions >> 24, 0u);
    unsigned char ch5[32] = {}, ch24[32] = {};
    int n24 = 0, n5 = -1;
    NVAP_GetCountryChannel(ch5, ch24, &n24, &n5, 0, 0);
    EXPECT_EQ(n5, 0);
    EXPECT_EQ(n24, 11);
    KX_802_11_BLOCK_ACK_TABLE table{};
    EXPECT_EQ(NVAP_QueryBATable(&table), 0) << "no block-ack without 802.11n";
}

TEST_F(KnobTest, GenerationCodeOverridesTheRealOne) {
    host.osGeneration = 10;
    SetScenario("os_generation = 7\n");
    EXPECT_EQ(NVAP_GetWinOS(), 7);
    const unsigned char ssid[32] = {'x'};
    EXPECT_EQ(NVAP_SetVistaWindowsProfile(ssid, 1), 0);
}

TEST_F(KnobTest, AdministratorFlagOverridesTheRealCheck) {
    host.admin = true;
    SetScenario("admin = 0\n");
    EXPECT_EQ(NVAP_DetectUserAdmin(), 0);
    host.admin = false;
    SetScenario("admin = 1\n");
    EXPECT_EQ(NVAP_DetectUserAdmin(), 1);
}

TEST_F(KnobTest, SignalStrength) {
    SetScenario("signal_dbm = -75\n");
    BringUp();
    int rssi = 0;
    NVAP_QuerySignalStrength(&rssi);
    EXPECT_EQ(rssi, -75);
    EXPECT_EQ(NVAP_ConvertRssiToSignalQuality(rssi), 50);
}

TEST_F(KnobTest, StationArrivalRateAndStay) {
    SetScenario("station_arrivals_per_minute = 0\n");
    BringUp();
    Advance(3600);
    EXPECT_EQ(StationCount(), 0u);
    SetScenario("station_arrivals_per_minute = 12\nstation_stay_seconds = 20\n");
    NVAP_QueryOPMode();
    Advance(600);
    const uint32_t shortStay = StationCount();
    // A station stays at most 30 s: only the last half minute's arrivals (about six) are here.
    EXPECT_LT(shortStay, 15u);
    SetScenario("station_arrivals_per_minute = 12\nstation_stay_seconds = 86400\n");
    NVAP_QueryOPMode();
    Advance(600);
    EXPECT_GE(StationCount(), 25u);
    SetScenario("station_arrivals_per_minute = 0.0000001\n");
    NVAP_QueryOPMode();
    const uint32_t before = StationCount();
    Advance(3600);
    EXPECT_EQ(StationCount(), before) << "a vanishing rate brings nobody new (and these stay for hours)";
}

TEST_F(KnobTest, ChannelPlanKnobs) {
    SetScenario("ieee80211h = 1\nside_band = 0\ncustom_channels_24g = 1-3, 6\ncustom_channels_5g = 36, 149\n");
    EXPECT_EQ(NVAP_CheckIEEE80211H(), 1);
    int sideBand = -1;
    NVAP_GetSideBandParaFromE2PROM_BG(&sideBand);
    EXPECT_EQ(sideBand, 0);
    unsigned char ch5[32] = {}, ch24[32] = {};
    int n24 = 0, n5 = 0;
    NVAP_GetCountryChannel(ch5, ch24, &n24, &n5, 30, 30);
    ASSERT_EQ(n24, 4);
    EXPECT_EQ(std::vector<int>(ch24, ch24 + 4), (std::vector<int>{1, 2, 3, 6}));
    ASSERT_EQ(n5, 2);
    EXPECT_EQ(ch5[1], 149);
}

TEST_F(KnobTest, OsWirelessServiceComesBack) {
    NVAP_StopXpZeroConfig();
    ASSERT_EQ(NVAP_IsZeroConfig(), 0);
    SetScenario("os_wireless_service = 0\n");
    EXPECT_EQ(NVAP_IsZeroConfig(), 0);
    SetScenario("os_wireless_service = 1\n");
    EXPECT_EQ(NVAP_IsZeroConfig(), 1) << "the system restarted its service";
}

TEST_F(KnobTest, AnotherProcessUsesTheLibrary) {
    SetScenario("other_process = 1\n");
    EXPECT_EQ(NVAP_DetectMoreThanOneProcess(), 1);
}

TEST_F(KnobTest, TheSameSeedReplaysTheSameStations) {
    auto run = [&] {
        StartProcess();
        SetScenario("seed = 1234\nstation_arrivals_per_minute = 20\nstation_stay_seconds = 86400\n");
        BringUp();
        Advance(120);
        KX_802_11_MAC_TABLE table{};
        NVAP_QueryMacTable(&table);
        return std::string(reinterpret_cast<const char*>(&table), sizeof table);
    };
    const std::string first = run();
    host.files.erase(kScenario);
    const std::string second = run();
    EXPECT_EQ(first, second);
}

TEST_F(KnobTest, AFaultFiresOnItsCallAndIsReported) {
    BringUp();
    SetScenario("fault = NVAP_QueryMacTable:2\nfault = NVAP_GetWinOS:1:-5\n");
    KX_802_11_MAC_TABLE table{};
    EXPECT_EQ(NVAP_QueryMacTable(&table), 1);
    table.EntryCount = 77;
    EXPECT_EQ(NVAP_QueryMacTable(&table), 0);
    EXPECT_EQ(table.EntryCount, 77u) << "a failing call does nothing";
    EXPECT_EQ(NVAP_QueryMacTable(&table), 1) << "fires once";
    EXPECT_EQ(NVAP_GetWinOS(), -5);
    EXPECT_EQ(NVAP_GetWinOS(), 10);
    EXPECT_EQ(Fired(), "NVAP_QueryMacTable 2 0\nNVAP_GetWinOS 1 -5\n");

    // Editing something else keeps the fired fault fired.
    SetScenario("fault = NVAP_QueryMacTable:2\nfault = NVAP_GetWinOS:1:-5\nsignal_dbm = -60\n");
    NVAP_QueryMacTable(&table);
    EXPECT_EQ(NVAP_QueryMacTable(&table), 1);
    EXPECT_EQ(NVAP_GetWinOS(), 10);
}

TEST_F(KnobTest, AFaultThatNeverComesDueIsNotReported) {
    SetScenario("fault = NVAP_SetOPMode:3\n");
    NVAP_Initial("Norvane", kWindow);
    NVAP_SetOPMode(1);
    NVAP_SetOPMode(1);
    EXPECT_EQ(Fired(), "");
    EXPECT_EQ(NVAP_SetOPMode(1), 0);
    EXPECT_EQ(Fired(), "NVAP_SetOPMode 3 0\n");
}

TEST_F(KnobTest, BadLinesAreTracedAndTheRestApplies) {
    SetScenario("adapters = 9\nmodel = 5\n");
    int model = 0;
    NVAP_GetCurrentDeviceModel(&model);
    EXPECT_EQ(model, 5);
    bool traced = false;
    for (const std::string& line : host.trace) traced = traced || line.find("line 1: bad value for 'adapters'") != std::string::npos;
    EXPECT_TRUE(traced);
}

TEST_F(KnobTest, AScenarioFileThatGoesAwayRestoresTheDefaults) {
    SetScenario("adapters = 0\n");
    EXPECT_EQ(NVAP_Is80211NSupport(), 0);
    host.files.erase(kScenario);
    EXPECT_EQ(NVAP_Is80211NSupport(), 1);
}

}  // namespace
}  // namespace simdrv
