// Country regions, their channel sets and channel/frequency conversion of the
// simulated adapter.
#pragma once

#include <vector>

namespace simdrv {

inline constexpr int kCustomRegion = 30;
inline constexpr int kHighestRegion24G = 7;
inline constexpr unsigned kMaxChannelsPerBand = 32;

// Highest 5 GHz region code the adapter accepts for a device model code.
int HighestRegion5G(int model);

// Channel numbers in ascending order; empty for a region the adapter does not
// know. Region 30 is answered by the caller's custom list, not here.
std::vector<int> ChannelsOfRegion24G(int region);
std::vector<int> ChannelsOfRegion5G(int region, int model);

// Centre frequency in kHz of an IEEE 802.11 channel; 0 for no such channel.
unsigned ChannelToFrequencyKHz(int channel);
// The channel whose centre frequency is exactly freqKHz; 0 when none is.
int FrequencyKHzToChannel(unsigned freqKHz);

// True for a 5 GHz (or 4.9 GHz) channel number.
bool Is5GChannel(int channel);

}  // namespace simdrv
