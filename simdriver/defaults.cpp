#include "simdriver/defaults.h"

#include <cstdio>
#include <cstring>

#include "simdriver/channels.h"

namespace simdrv {

std::string DefaultSsid(const unsigned char mac[6]) {
    char text[32];
    std::snprintf(text, sizeof text, "SoftAP-%02X%02X%02X", mac[3], mac[4], mac[5]);
    return text;
}

std::string MakeFactoryPassphrase(Random& random) {
    static const char alphabet[] = "abcdefghijkmnpqrstuvwxyzABCDEFGHJKLMNPQRSTUVWXYZ23456789";
    std::string key;
    for (int i = 0; i < 12; ++i) key += alphabet[random.Below(sizeof alphabet - 1)];
    return key;
}

AP_CONFIG_DATA FactoryConfig(const unsigned char mac[6], const std::string& passphrase) {
    AP_CONFIG_DATA cfg{};
    const std::string ssid = DefaultSsid(mac);
    cfg.SsidLength = static_cast<uint32_t>(ssid.size());
    std::memcpy(cfg.Ssid, ssid.data(), ssid.size());
    cfg.WirelessMode = 9;
    cfg.lFreq = ChannelToFrequencyKHz(6);
    cfg.bAllowBW40 = 1;
    // PhyMode 9, MCS automatic (33), 40 MHz, GI auto, STBC auto, bit 15, mixed mode, extension above.
    cfg.HT_PhyMode = 9u | (33u << 4) | (1u << 11) | (1u << 12) | (1u << 13) | (1u << 15) | (1u << 17);
    cfg.nBeaconPeriod = 100;
    cfg.nRTSThreshold = 2346;
    cfg.nFragThreshold = 2347;
    cfg.bTxBurst = 1;
    cfg.bShortSlot = 1;
    AUTH_SECU_DATA& sec = cfg.AuthSecuData;
    sec.AuthenMode = 7;   // WPA2-PSK
    sec.EncryStatus = 6;  // AES
    const size_t keyLength = passphrase.size() < sizeof sec.PskKey ? passphrase.size() : sizeof sec.PskKey;
    std::memcpy(sec.PskKey, passphrase.data(), keyLength);
    sec.PskKeyLen = static_cast<uint32_t>(keyLength);
    sec.GroupRekeyInterval = 60;
    cfg.nIdleTime = 300;
    return cfg;
}

}  // namespace simdrv
