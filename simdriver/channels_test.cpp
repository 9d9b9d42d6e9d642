#include "simdriver/channels.h"

#include <gtest/gtest.h>

#include <string>

namespace simdrv {
namespace {

// Channel numbers named in a region label such as "7:   CH   36,   40, ...".
std::vector<int> ChannelsInLabel(const std::string& label) {
    std::vector<int> out;
    const size_t start = label.find("CH");
    int value = -1;
    for (size_t i = start + 2; i <= label.size(); ++i) {
        const char c = i < label.size() ? label[i] : ' ';
        if (c >= '0' && c <= '9') {
            value = (value < 0 ? 0 : value * 10) + (c - '0');
        } else if (value >= 0) {
            out.push_back(value);
            value = -1;
        }
    }
    return out;
}

TEST(ChannelFrequency, FollowsTheIeeeChannelPlan) {
    const struct {
        int channel;
        unsigned kHz;
    } plan[] = {{1, 2412000},   {6, 2437000},   {11, 2462000},  {13, 2472000},  {14, 2484000},
                {34, 5170000},  {36, 5180000},  {64, 5320000},  {100, 5500000}, {140, 5700000},
                {149, 5745000}, {165, 5825000}, {173, 5865000}, {184, 4920000}, {196, 4980000}};
    for (const auto& p : plan) {
        EXPECT_EQ(ChannelToFrequencyKHz(p.channel), p.kHz) << p.channel;
        EXPECT_EQ(FrequencyKHzToChannel(p.kHz), p.channel) << p.kHz;
    }
}

TEST(ChannelFrequency, RefusesWhatIsNoChannel) {
    for (int channel : {0, -1, -36, 197, 255, 1000}) EXPECT_EQ(ChannelToFrequencyKHz(channel), 0u) << channel;
    for (unsigned kHz : {0u, 2412500u, 2413000u, 2480000u, 2437u, 5181000u, 6000000u, 4294967295u})
        EXPECT_EQ(FrequencyKHzToChannel(kHz), 0) << kHz;
}

TEST(CountryRegions, TwoPointFourGigahertzSetsMatchTheirLabels) {
    const char* labels[] = {"0: CH1-11", "1: CH1-13", "2: CH10-11", "3: CH10-13",
                            "4: CH14",   "5: CH1-14", "6: CH3-9",   "7: CH5-13"};
    for (int region = 0; region <= kHighestRegion24G; ++region) {
        std::vector<int> channels = ChannelsOfRegion24G(region);
        ASSERT_FALSE(channels.empty()) << labels[region];
        const std::string label = labels[region];
        const size_t dash = label.find('-');
        const int first = std::stoi(label.substr(label.find("CH") + 2));
        const int last = dash == std::string::npos ? first : std::stoi(label.substr(dash + 1));
        EXPECT_EQ(channels.front(), first) << label;
        EXPECT_EQ(channels.back(), last) << label;
        EXPECT_EQ(channels.size(), static_cast<size_t>(last - first + 1)) << label;
    }
    EXPECT_TRUE(ChannelsOfRegion24G(8).empty());
    EXPECT_TRUE(ChannelsOfRegion24G(-1).empty());
}

TEST(CountryRegions, FiveGigahertzSetsMatchTheLabelsOfAnAdapterWith11n) {
    const char* labels[] = {
        "0:   CH   36,   40,   44,   48,   52,   56,   60,   64, 149, 153, 157, 161, 165",
        "1:   CH   36,   40,   44,   48,   52,   56,   60,   64, 100, 104, 108, 112, 116, 120, 124, 128, 132, 136, 140",
        "2:   CH   36,   40,   44,   48,   52,   56,   60,   64",
        "3:   CH   52,   56,   60,   64, 149, 153, 157, 161",
        "4:   CH 149, 153, 157, 161, 165",
        "5:   CH 149, 153, 157, 161",
        "6:   CH   36,   40,   44,   48",
        "7:   CH   36,   40,   44,   48,   52,   56,   60,   64, 100, 104, 108, 112, 116, 120, 124, 128, 132, 136, "
        "140, 149, 153, 157, 161, 165",
        "8:   CH   52,   56,   60,   64",
        "9:   CH   36,   40,   44,   48,   52,   56,   60,   64, 100, 104, 108, 112, 116, 132, 136, 140, 149, 153, 157, "
        "161, 165",
        "10:  CH   36,   40,   44,   48, 149, 153, 157, 161, 165",
        "11:  CH   36,   40,   44,   48,   52,   56,   60,   64, 100, 104, 108, 112, 116, 120, 149, 153, 157, 161",
        "12:  CH   36,   40,   44,   48,   52,   56,   60,   64, 100, 104, 108, 112, 116, 120, 124, 128, 132, 136, 140",
        "13:  CH   52,   56,   60,   64, 100, 104, 108, 112, 116, 120, 124, 128, 132, 136, 140, 149, 153, 157, 161",
        "14:  CH   36,   40,   44,   48,   52,   56,   60,   64, 100, 104 108, 112, 116, 136, 140, 149, 153, 157, 161, "
        "165",
        "15:  CH   149, 153, 157, 161, 165, 169, 173",
        "16:  CH   36,   40,   44,   48,   52,   56,   60,   64, 100, 104, 108, 112, 116, 120, 124, 128, 132, 136, 140, "
        "149, 153, 157, 161, 165, 169, 173",
    };
    for (int model = 4; model <= 8; ++model) {
        ASSERT_EQ(HighestRegion5G(model), 16);
        for (int region = 0; region <= 16; ++region)
            EXPECT_EQ(ChannelsOfRegion5G(region, model), ChannelsInLabel(labels[region])) << "region " << region;
        EXPECT_TRUE(ChannelsOfRegion5G(17, model).empty());
    }
}

TEST(CountryRegions, AdaptersWithout11nHaveTheirOwnRegionsNineAndTen) {
    for (int model : {2, 3}) {
        EXPECT_EQ(HighestRegion5G(model), 10);
        EXPECT_EQ(ChannelsOfRegion5G(9, model), ChannelsInLabel("9:   CH   34,   38,   42,   46"));
        EXPECT_EQ(ChannelsOfRegion5G(10, model),
                  ChannelsInLabel("10:  CH   34,   36,   38,   40,   42,   44,   46,   48,   52,   56,   60,   64"));
        EXPECT_EQ(ChannelsOfRegion5G(4, model), ChannelsOfRegion5G(4, 4));
        EXPECT_TRUE(ChannelsOfRegion5G(11, model).empty());
    }
}

TEST(CountryRegions, EveryKnownSetIsAscendingConvertibleAndFitsTheArray) {
    auto check = [](const std::vector<int>& channels, const std::string& what) {
        EXPECT_LE(channels.size(), kMaxChannelsPerBand) << what;
        for (size_t i = 0; i < channels.size(); ++i) {
            EXPECT_NE(ChannelToFrequencyKHz(channels[i]), 0u) << what;
            if (i > 0) {
                EXPECT_LT(channels[i - 1], channels[i]) << what;
            }
        }
    };
    for (int region = 0; region <= kHighestRegion24G; ++region) check(ChannelsOfRegion24G(region), "2.4 GHz");
    for (int model = 0; model <= 8; ++model)
        for (int region = 0; region <= HighestRegion5G(model); ++region)
            check(ChannelsOfRegion5G(region, model), "5 GHz model " + std::to_string(model));
}

}  // namespace
}  // namespace simdrv
