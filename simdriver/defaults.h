// Factory defaults of the simulated adapter.
#pragma once

#include <string>

#include "core/nvap_records.h"
#include "simdriver/random.h"

namespace simdrv {

// "SoftAP-" and the last three address bytes in hexadecimal.
std::string DefaultSsid(const unsigned char mac[6]);
// Twelve characters from an alphabet without look-alikes (no 0/O, 1/l/I).
std::string MakeFactoryPassphrase(Random& random);

// 2.4 GHz 802.11n on channel 6, WPA2-PSK/AES with the factory passphrase,
// beacon 100, idle time 300; everything else at the configuration page's
// initial values.
AP_CONFIG_DATA FactoryConfig(const unsigned char mac[6], const std::string& passphrase);

}  // namespace simdrv
