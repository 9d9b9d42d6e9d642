#include "simdriver/channels.h"

#include <algorithm>

namespace simdrv {

namespace {

std::vector<int> Range(int first, int last, int step) {
    std::vector<int> out;
    for (int c = first; c <= last; c += step) out.push_back(c);
    return out;
}

std::vector<int> Join(std::initializer_list<std::vector<int>> parts) {
    std::vector<int> out;
    for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

// The usual 5 GHz blocks.
const std::vector<int> kLow = Range(36, 48, 4);           // 36..48
const std::vector<int> kMid = Range(52, 64, 4);           // 52..64
const std::vector<int> kHigh = Range(100, 140, 4);        // 100..140
const std::vector<int> kUpper = Range(149, 161, 4);       // 149..161
const std::vector<int> kUpper165 = Range(149, 165, 4);    // 149..165
const std::vector<int> kUpper173 = Range(149, 173, 4);    // 149..173

// Regions 0..16 for adapters with 802.11n (and 0..8 for every model).
std::vector<int> MainRegion5G(int region) {
    switch (region) {
        case 0: return Join({kLow, kMid, kUpper165});
        case 1: return Join({kLow, kMid, kHigh});
        case 2: return Join({kLow, kMid});
        case 3: return Join({kMid, kUpper});
        case 4: return kUpper165;
        case 5: return kUpper;
        case 6: return kLow;
        case 7: return Join({kLow, kMid, kHigh, kUpper165});
        case 8: return kMid;
        case 9: return Join({kLow, kMid, {100, 104, 108, 112, 116, 132, 136, 140}, kUpper165});
        case 10: return Join({kLow, kUpper165});
        case 11: return Join({kLow, kMid, Range(100, 120, 4), kUpper});
        case 12: return Join({kLow, kMid, kHigh});
        case 13: return Join({kMid, kHigh, kUpper});
        case 14: return Join({kLow, kMid, {100, 104, 108, 112, 116, 136, 140}, kUpper165});
        case 15: return kUpper173;
        case 16: return Join({kLow, kMid, kHigh, kUpper173});
        default: return {};
    }
}

}  // namespace

int HighestRegion5G(int model) {
    if (model >= 4 && model <= 8) return 16;
    if (model == 2 || model == 3) return 10;
    return 8;
}

std::vector<int> ChannelsOfRegion24G(int region) {
    switch (region) {
        case 0: return Range(1, 11, 1);
        case 1: return Range(1, 13, 1);
        case 2: return Range(10, 11, 1);
        case 3: return Range(10, 13, 1);
        case 4: return {14};
        case 5: return Range(1, 14, 1);
        case 6: return Range(3, 9, 1);
        case 7: return Range(5, 13, 1);
        default: return {};
    }
}

std::vector<int> ChannelsOfRegion5G(int region, int model) {
    if (region < 0 || region > HighestRegion5G(model)) return {};
    // Adapters without 802.11n know the Japanese 4-digit-spaced sets as 9 and 10.
    if (model == 2 || model == 3) {
        if (region == 9) return {34, 38, 42, 46};
        if (region == 10) return Join({Range(34, 48, 2), kMid});
    }
    return MainRegion5G(region);
}

bool Is5GChannel(int channel) { return channel > 14; }

unsigned ChannelToFrequencyKHz(int channel) {
    if (channel >= 1 && channel <= 13) return static_cast<unsigned>(2407 + 5 * channel) * 1000u;
    if (channel == 14) return 2484000u;
    if (channel >= 182 && channel <= 196) return static_cast<unsigned>(4000 + 5 * channel) * 1000u;  // 4.9 GHz
    if (channel >= 15 && channel <= 181) return static_cast<unsigned>(5000 + 5 * channel) * 1000u;
    return 0;
}

int FrequencyKHzToChannel(unsigned freqKHz) {
    if (freqKHz % 1000u != 0) return 0;
    const unsigned mhz = freqKHz / 1000u;
    if (mhz == 2484) return 14;
    if (mhz >= 2412 && mhz <= 2472 && (mhz - 2407) % 5 == 0) return static_cast<int>((mhz - 2407) / 5);
    if (mhz >= 4910 && mhz <= 4980 && mhz % 5 == 0) return static_cast<int>((mhz - 4000) / 5);
    if (mhz >= 5075 && mhz <= 5905 && mhz % 5 == 0) return static_cast<int>((mhz - 5000) / 5);
    return 0;
}

}  // namespace simdrv
