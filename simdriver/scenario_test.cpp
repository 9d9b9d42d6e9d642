#include "simdriver/scenario.h"

#include <gtest/gtest.h>

namespace simdrv {
namespace {

Scenario Parse(const std::string& text) {
    std::vector<std::string> problems;
    Scenario s = ParseScenario(text, problems);
    EXPECT_TRUE(problems.empty()) << text << ": " << (problems.empty() ? "" : problems.front());
    return s;
}

TEST(ScenarioFile, DefaultsDescribeAHealthyAdapter) {
    const Scenario s = Parse("# nothing set\n\n");
    EXPECT_TRUE(s.adapterPresent);
    EXPECT_EQ(s.adapters, 1);
    EXPECT_EQ(s.model, 4);
    EXPECT_TRUE(s.supports11n);
    EXPECT_TRUE(s.supports5G);
    EXPECT_TRUE(s.radioOn);
    EXPECT_FALSE(s.osGeneration.has_value());
    EXPECT_FALSE(s.admin.has_value());
    EXPECT_TRUE(s.faults.empty());
}

TEST(ScenarioFile, ReadsEveryKnob) {
    const Scenario s = Parse(
        "adapter_present = off\n"
        "adapters = 3   # three of them\n"
        "driver_not_ready_polls = 4\n"
        "drop_running_config = 2\n"
        "radio = off\n"
        "model = 2\n"
        "supports_11n = no\n"
        "supports_5ghz = false\n"
        "os_generation = 7\n"
        "admin = 0\n"
        "signal_dbm = -72\n"
        "station_arrivals_per_minute = 2.5\n"
        "station_stay_seconds = 30\n"
        "ieee80211h = yes\n"
        "side_band = 0\n"
        "custom_channels_24g = 1-3, 6\n"
        "custom_channels_5g = 149,36\n"
        "os_wireless_service = 0\n"
        "other_process = 1\n"
        "seed = 99\n"
        "fault = NVAP_QueryMacTable:3\n"
        "fault = NVAP_SetOPMode:1:-7\n");
    EXPECT_FALSE(s.adapterPresent);
    EXPECT_EQ(s.adapters, 3);
    EXPECT_EQ(s.driverNotReadyPolls, 4);
    EXPECT_EQ(s.dropRunningConfig, 2);
    EXPECT_FALSE(s.radioOn);
    EXPECT_EQ(s.model, 2);
    EXPECT_FALSE(s.supports11n);
    EXPECT_FALSE(s.supports5G);
    EXPECT_EQ(s.osGeneration, 7);
    EXPECT_EQ(s.admin, false);
    EXPECT_EQ(s.signalDbm, -72);
    EXPECT_DOUBLE_EQ(s.stationArrivalsPerMinute, 2.5);
    EXPECT_EQ(s.stationStaySeconds, 30);
    EXPECT_TRUE(s.ieee80211h);
    EXPECT_EQ(s.sideBand, 0);
    EXPECT_EQ(s.customChannels24G, (std::vector<int>{1, 2, 3, 6}));
    EXPECT_EQ(s.customChannels5G, (std::vector<int>{36, 149}));
    EXPECT_FALSE(s.osWirelessService);
    EXPECT_TRUE(s.otherProcess);
    EXPECT_EQ(s.seed, 99u);
    ASSERT_EQ(s.faults.size(), 2u);
    EXPECT_EQ(s.faults[0].entryPoint, "NVAP_QueryMacTable");
    EXPECT_EQ(s.faults[0].onCall, 3);
    EXPECT_EQ(s.faults[0].result, 0);
    EXPECT_EQ(s.faults[1].entryPoint, "NVAP_SetOPMode");
    EXPECT_EQ(s.faults[1].result, -7);
}

TEST(ScenarioFile, ReportsAndIgnoresLinesItCannotUse) {
    const char* bad[] = {
        "no equals sign",         "colour = blue",
        "adapters = 4",           "adapters = two",
        "model = -1",             "signal_dbm = 5",
        "radio = maybe",          "station_arrivals_per_minute = -1",
        "station_arrivals_per_minute = nan", "station_arrivals_per_minute = 601",
        "custom_channels_24g = 36",  // a 5 GHz channel in the 2.4 GHz list
        "custom_channels_5g = 6",    "custom_channels_24g = 15-",
        "custom_channels_5g = 36-200",
        "fault = NVAP_NoSuchCall:1", "fault = NVAP_QueryMacTable",
        "fault = NVAP_QueryMacTable:0", "fault = NVAP_QueryMacTable:1:x",
    };
    for (const char* line : bad) {
        std::vector<std::string> problems;
        const Scenario s = ParseScenario(std::string("adapters = 2\n") + line + "\n", problems);
        ASSERT_EQ(problems.size(), 1u) << line;
        EXPECT_EQ(problems[0].rfind("line 2: ", 0), 0u) << problems[0];
        EXPECT_EQ(s.adapters, 2) << "a good line stays in force next to a bad one: " << line;
        EXPECT_EQ(s.model, 4) << line;
        EXPECT_TRUE(s.faults.empty()) << line;
        EXPECT_TRUE(s.customChannels24G.empty() && s.customChannels5G.empty()) << line;
    }
}

TEST(ScenarioFile, RefusesACustomListLongerThan32Channels) {
    std::vector<std::string> problems;
    ParseScenario("custom_channels_5g = 36-64, 100-140, 149-173, 184-196\n", problems);
    EXPECT_EQ(problems.size(), 1u);
}

}  // namespace
}  // namespace simdrv
