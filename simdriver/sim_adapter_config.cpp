// The stored and the running configuration: AP record, access control,
// block-ack capability, country regions.
#include <cstdio>
#include <cstring>

#include "simdriver/ba_capability.h"
#include "simdriver/channels.h"
#include "simdriver/defaults.h"
#include "simdriver/sim_adapter.h"
#include "simdriver/trace.h"

namespace simdrv {

namespace {

bool IsSaneConfig(const AP_CONFIG_DATA& cfg) { return cfg.SsidLength <= 32 && cfg.AuthSecuData.PskKeyLen <= 64; }

bool IsHexText(std::string_view text) {
    for (char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'))) return false;
    return true;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The list text up to and including its closing empty string, or nullopt
// when the bytes are not zero-terminated 12-digit addresses closed by an
// empty string within `length`.
std::optional<std::string> AccessListFrom(const char* buf, size_t length) {
    size_t pos = 0;
    while (pos < length) {
        const void* nul = std::memchr(buf + pos, '\0', length - pos);
        if (!nul) return std::nullopt;
        const size_t end = static_cast<size_t>(static_cast<const char*>(nul) - buf);
        if (end == pos) return std::string(buf, end + 1);
        const std::string_view entry(buf + pos, end - pos);
        if (entry.size() != 12 || !IsHexText(entry)) return std::nullopt;
        pos = end + 1;
    }
    return std::nullopt;
}

void WriteChannels(const std::vector<int>& channels, unsigned char* out32, int* count) {
    std::memset(out32, 0, kMaxChannelsPerBand);
    size_t n = 0;
    for (int c : channels) {
        if (n == kMaxChannelsPerBand) break;
        out32[n++] = static_cast<unsigned char>(c);
    }
    *count = static_cast<int>(n);
}

}  // namespace

// --- Store -------------------------------------------------------------------

StoreData SimAdapter::FactoryStore() {
    StoreData data;
    Random random(host_->RandomSeed());
    data.factoryPassphrase = MakeFactoryPassphrase(random);
    unsigned char mac[6];
    SelectedMac(mac);
    data.config = FactoryConfig(mac, data.factoryPassphrase);
    data.baCapabilityWord = PackBaCapability(DefaultBaCapability());
    return data;
}

StoreData SimAdapter::LoadStore() { return store_.Load([this] { return FactoryStore(); }); }

KX_802_11_BA_CAPABILITY& SimAdapter::BaInForce() {
    // Until the program sets one, the stored capability is in force.
    if (!baInForce_) baInForce_ = UnpackBaCapability(LoadStore().baCapabilityWord);
    return *baInForce_;
}

// --- AP configuration --------------------------------------------------------

int SimAdapter::ReadConfigData(AP_CONFIG_DATA* cfg) {
    if (!cfg) return 0;
    *cfg = LoadStore().config;
    return 1;
}

int SimAdapter::GetAPDefault(AP_CONFIG_DATA* cfg) {
    if (!cfg) return 0;
    unsigned char mac[6];
    SelectedMac(mac);
    *cfg = FactoryConfig(mac, LoadStore().factoryPassphrase);
    return 1;
}

void SimAdapter::Apply(const AP_CONFIG_DATA& cfg) {
    running_ = cfg;
    Trace(*host_, "configuration applied: SSID of %u bytes, mode %u, channel %d, auth %u, encryption %u",
          static_cast<unsigned>(cfg.SsidLength), static_cast<unsigned>(cfg.WirelessMode),
          FrequencyKHzToChannel(cfg.lFreq), static_cast<unsigned>(cfg.AuthSecuData.AuthenMode),
          static_cast<unsigned>(cfg.AuthSecuData.EncryStatus));
    if (apStarted_) {
        // A new configuration restarts the BSS: every station has to come again.
        unsigned char mac[6];
        SelectedMac(mac);
        air_.Restart(host_->NowFileTime(), mac, Bss());
    }
    Reconcile();
}

int SimAdapter::SetConfigData(const AP_CONFIG_DATA* cfg, const AP_CONFIG_EXT* ext) {
    if (!cfg || !ext || !IsSaneConfig(*cfg) || !SelectedPresent()) return 0;
    Apply(*cfg);
    return 1;
}

int SimAdapter::WriteandSetConfigData(const AP_CONFIG_DATA& cfg, const AP_CONFIG_EXT& ext) {
    (void)ext;  // repeats fields of the record; the record is what is kept
    if (!IsSaneConfig(cfg)) {
        Trace(*host_, "configuration refused: SSID length %u, key length %u", static_cast<unsigned>(cfg.SsidLength),
              static_cast<unsigned>(cfg.AuthSecuData.PskKeyLen));
        return 0;
    }
    StoreData data = LoadStore();
    data.config = cfg;
    if (!store_.Save(data)) return 0;
    if (SelectedPresent()) Apply(cfg);
    return 1;
}

int SimAdapter::QueryAuthMode(int* mode) {
    if (!mode) return 0;
    *mode = running_ ? static_cast<int>(running_->AuthSecuData.AuthenMode) : 0;
    return 1;
}

int SimAdapter::ReadAuthMode(int* mode) {
    if (!mode) return 0;
    *mode = static_cast<int>(LoadStore().config.AuthSecuData.AuthenMode);
    return 1;
}

int SimAdapter::SetAuthSecuKey(const AUTH_SECU_DATA* sec, const unsigned char* ssid, int ssidLength) {
    if (!sec || !ssid || ssidLength < 0 || ssidLength > 32 || sec->PskKeyLen > 64) return 0;
    if (!running_) return 0;
    running_->AuthSecuData = *sec;
    Trace(*host_, "security keys set for an SSID of %d bytes, auth %u", ssidLength,
          static_cast<unsigned>(sec->AuthenMode));
    return 1;
}

// --- Access control ----------------------------------------------------------

int SimAdapter::ReadAccessPolicy(char* text1024) {
    if (!text1024) return 0;
    const std::string policy = LoadStore().policyText;
    const size_t n = policy.size() < kAccessTextBytes - 1 ? policy.size() : kAccessTextBytes - 1;
    std::memcpy(text1024, policy.data(), n);
    text1024[n] = '\0';
    return 1;
}

int SimAdapter::ReadAccessList(char* text1024) {
    if (!text1024) return 0;
    const std::string list = LoadStore().accessList;
    std::memcpy(text1024, list.data(), list.size() <= kAccessTextBytes ? list.size() : kAccessTextBytes);
    return 1;
}

int SimAdapter::WriteAccessPolicy(int policy) {
    if (policy < 0 || policy > 2) return 0;
    StoreData data = LoadStore();
    data.policyText = std::to_string(policy);
    return store_.Save(data) ? 1 : 0;
}

int SimAdapter::WriteAccessList(const char* buf, int length) {
    if (!buf || length < 1 || static_cast<size_t>(length) > kAccessTextBytes) return 0;
    std::optional<std::string> list = AccessListFrom(buf, static_cast<size_t>(length));
    if (!list) {
        Trace(*host_, "access list of %d bytes refused: not 12-digit addresses closed by an empty string", length);
        return 0;
    }
    StoreData data = LoadStore();
    data.accessList = *list;
    return store_.Save(data) ? 1 : 0;
}

int SimAdapter::Set80211ACL(const KX_802_11_ACCESS_CONTROL* acl) {
    if (!acl || acl->Policy > 2 || acl->EntryCount > 32 || !SelectedPresent()) return 0;
    acl_ = *acl;
    Trace(*host_, "access control in force: policy %u, %u addresses", static_cast<unsigned>(acl->Policy),
          static_cast<unsigned>(acl->EntryCount));
    air_.EnforceAcl(host_->NowFileTime(), acl_);
    return 1;
}

// --- Block-ack capability ----------------------------------------------------

int SimAdapter::ReadBACap(unsigned int* word) {
    if (!word) return 0;
    *word = LoadStore().baCapabilityWord;
    return 1;
}

int SimAdapter::WriteBACap(unsigned int word) {
    StoreData data = LoadStore();
    data.baCapabilityWord = word & 0x03FFFFFFu;  // bits 26..31 carry nothing
    return store_.Save(data) ? 1 : 0;
}

int SimAdapter::QueryBACap(KX_802_11_BA_CAPABILITY* cap) {
    if (!cap || !SelectedPresent()) return 0;
    *cap = BaInForce();
    return 1;
}

int SimAdapter::SetBACap(const KX_802_11_BA_CAPABILITY& cap) {
    const bool valid = (cap.Policy == 1 || cap.Policy == 2) && cap.AmsduEnable <= 1 && cap.AmsduSize <= 1 &&
                       cap.MmpsMode <= 3 && cap.AutoBA <= 1;
    if (!valid || !SelectedPresent()) return 0;
    BaInForce() = cap;
    if (cap.Policy != 1) air_.EndAllSessions();
    return 1;
}

// --- Country regions ---------------------------------------------------------

int SimAdapter::QueryCountryRegion(unsigned int* regions, int* hwSupportsA, int* hwSupportBG) {
    if (!regions || !hwSupportsA || !hwSupportBG || !Present()) return 0;
    const AP_CONFIG_DATA stored = LoadStore().config;
    const unsigned highest5G = scenario_.supports5G ? static_cast<unsigned>(HighestRegion5G(scenario_.model)) : 0u;
    *regions = (static_cast<unsigned>(kHighestRegion24G) << 16) | (highest5G << 24) |
               (stored.CountryRegion_11BG & 0xFFu) | ((stored.CountryRegion_11A & 0xFFu) << 8);
    *hwSupportsA = scenario_.supports5G ? 1 : 0;
    *hwSupportBG = 1;
    return 1;
}

int SimAdapter::GetCountryChannel(unsigned char* ch5g, unsigned char* ch24g, int* n24, int* n5, int region24,
                                  int region5) {
    if (!ch5g || !ch24g || !n24 || !n5 || !Present()) return 0;
    const std::vector<int> band24 =
        region24 == kCustomRegion ? scenario_.customChannels24G : ChannelsOfRegion24G(region24);
    std::vector<int> band5;
    if (scenario_.supports5G)
        band5 = region5 == kCustomRegion ? scenario_.customChannels5G : ChannelsOfRegion5G(region5, scenario_.model);
    WriteChannels(band24, ch24g, n24);
    WriteChannels(band5, ch5g, n5);
    return 1;
}

int SimAdapter::ConvertMACStrToByte(const char* text128, unsigned char* mac6) {
    if (!text128 || !mac6 || !std::memchr(text128, '\0', 128)) return 0;
    // "XX-XX-XX-XX-XX-XX", "XX:XX:XX:XX:XX:XX" or twelve digits.
    const std::string_view text(text128);
    const bool separated = text.size() == 17;
    if (!separated && text.size() != 12) return 0;
    unsigned char out[6];
    for (int i = 0; i < 6; ++i) {
        const size_t at = separated ? static_cast<size_t>(i) * 3 : static_cast<size_t>(i) * 2;
        if (separated && i > 0 && text[at - 1] != '-' && text[at - 1] != ':') return 0;
        const int hi = HexValue(text[at]), lo = HexValue(text[at + 1]);
        if (hi < 0 || lo < 0) return 0;
        out[i] = static_cast<unsigned char>(hi * 16 + lo);
    }
    std::memcpy(mac6, out, 6);
    return 1;
}

}  // namespace simdrv
