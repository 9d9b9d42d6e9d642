#include "simdriver/air.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "simdriver/channels.h"

namespace simdrv {

namespace {

constexpr uint64_t kMaxCatchUp = 3600 * kTicksPerSecond;

bool SameMac(const unsigned char a[6], const unsigned char b[6]) { return std::memcmp(a, b, 6) == 0; }

bool IsWpa(const AP_CONFIG_DATA& cfg) { return cfg.AuthSecuData.AuthenMode >= 3; }
bool Is11n(const AP_CONFIG_DATA& cfg) { return cfg.WirelessMode == 8 || cfg.WirelessMode == 9; }
bool Is5G(const AP_CONFIG_DATA& cfg) { return Is5GChannel(FrequencyKHzToChannel(cfg.lFreq)); }

}  // namespace

void Air::Post(uint64_t now, const unsigned char mac[6], uint16_t code) {
    KX_802_11_EVENT_LOG e{};
    e.EventTime.dwLowDateTime = static_cast<uint32_t>(now & 0xFFFFFFFFu);
    e.EventTime.dwHighDateTime = static_cast<uint32_t>(now >> 32);
    std::memcpy(e.MacAddress, mac, 6);
    e.Event = code;
    // A program that never asks must not make the queue grow without end.
    if (events_.size() == kMaxPendingEvents) events_.pop_front();
    events_.push_back(e);
}

void Air::TakeEvents(KX_802_11_EVENT_TABLE& table) {
    table.EventCount = 0;
    while (!events_.empty() && table.EventCount < 10) {
        table.Log[table.EventCount++] = events_.front();
        events_.pop_front();
    }
}

void Air::ScheduleArrival(uint64_t from, const BssSettings& bss) {
    if (bss.arrivalsPerMinute <= 0) {
        nextArrival_ = 0;
        return;
    }
    // Exponential gaps: arrivals form a Poisson stream at the configured rate.
    // Capped at about two years so that a tiny rate cannot overflow the clock.
    const double minutes = std::min(-std::log(1.0 - random_.Unit()) / bss.arrivalsPerMinute, 1.0e6);
    nextArrival_ = from + 1 + static_cast<uint64_t>(minutes * 60.0 * static_cast<double>(kTicksPerSecond));
}

bool Air::AclAllows(const KX_802_11_ACCESS_CONTROL& acl, const unsigned char mac[6]) const {
    if (acl.Policy == 0 || acl.EntryCount == 0) return true;
    bool listed = false;
    for (uint32_t i = 0; i < acl.EntryCount && i < 32; ++i) listed = listed || SameMac(acl.Entry[i].MacAddress, mac);
    return acl.Policy == 1 ? listed : !listed;
}

unsigned char Air::FreeAid() const {
    for (unsigned char aid = 1;; ++aid) {
        bool used = std::any_of(stations_.begin(), stations_.end(), [&](const Station& s) { return s.aid == aid; });
        if (!used) return aid;
    }
}

uint16_t Air::PickTxRate(bool ht, const AP_CONFIG_DATA& cfg) {
    const uint32_t phy = cfg.HT_PhyMode;
    if (ht && Is11n(cfg)) {
        const uint32_t mode = ((phy >> 16) & 1u) ? 3u : 2u;  // green field or mixed mode
        uint32_t mcs = (phy >> 4) & 0x7Fu;
        if (mcs > 15) mcs = random_.Below(16);  // automatic: what the link sustains
        const uint32_t bw = (cfg.bAllowBW40 == 1 && ((phy >> 11) & 1u)) ? 1u : 0u;
        const uint32_t gi = ((phy >> 12) & 1u) ? random_.Below(2) : 0u;  // short GI only where allowed
        const uint32_t stbc = ((phy >> 13) & 1u) ? 1u : 0u;
        return static_cast<uint16_t>(mcs | (bw << 7) | (gi << 8) | (stbc << 9) | (mode << 14));
    }
    if (!Is5G(cfg) && random_.Below(3) == 0) return static_cast<uint16_t>(random_.Below(4));  // CCK 1..11 Mbps
    return static_cast<uint16_t>(random_.Below(8) | (1u << 14));                             // OFDM 6..54 Mbps
}

void Air::StartAutomaticSessions(Station& station, const BssSettings& bss) {
    const KX_802_11_BA_CAPABILITY& cap = bss.baCapability;
    if (!station.ht || !Is11n(bss.config) || cap.Policy != 1 || cap.AutoBA != 1) return;
    station.originatorTids |= 1u;
    station.recipientTids |= 1u;
    station.windowSize[0] = 64;
    station.sequence[0] = static_cast<uint16_t>(random_.Below(4096));
}

void Air::Arrive(uint64_t now, const BssSettings& bss) {
    if (stations_.size() >= kMaxStations) return;
    Station s;
    const KX_802_11_ACCESS_CONTROL& acl = bss.acl;
    if (acl.Policy == 1 && acl.EntryCount > 0) {
        // Only listed stations may join; one that is already here cannot come twice.
        const uint32_t count = std::min<uint32_t>(acl.EntryCount, 32);
        const uint32_t pick = random_.Below(count);
        std::memcpy(s.mac, acl.Entry[pick].MacAddress, 6);
        bool present = std::any_of(stations_.begin(), stations_.end(), [&](const Station& o) { return SameMac(o.mac, s.mac); });
        if (present) return;
    } else if (acl.Policy == 2 && acl.EntryCount > 0 && random_.Below(4) == 0) {
        // A rejected station tries and is turned away.
        std::memcpy(s.mac, acl.Entry[random_.Below(std::min<uint32_t>(acl.EntryCount, 32))].MacAddress, 6);
        Post(now, s.mac, kEventAuthFailed);
        return;
    } else {
        for (auto& b : s.mac) b = static_cast<unsigned char>(random_.Below(256));
        s.mac[0] &= 0xFE;  // a station is never a group address
    }
    if (!AclAllows(acl, s.mac)) return;
    s.aid = FreeAid();
    s.ht = random_.Below(5) != 0;
    s.txRate = PickTxRate(s.ht, bss.config);
    const double stay = static_cast<double>(bss.staySeconds) * (0.5 + random_.Unit());
    s.leaveAt = now + 1 + static_cast<uint64_t>(stay * static_cast<double>(kTicksPerSecond));
    s.leavesIdle = random_.Below(5) == 0;
    StartAutomaticSessions(s, bss);
    stations_.push_back(s);
    Post(now, s.mac, kEventAssociated);
    if (IsWpa(bss.config)) Post(now, s.mac, kEventAuthenticated);
}

void Air::Leave(size_t index, uint64_t now, uint16_t code) {
    Post(now, stations_[index].mac, code);
    stations_.erase(stations_.begin() + static_cast<std::ptrdiff_t>(index));
}

void Air::AddTraffic(uint64_t from, uint64_t to) {
    if (stations_.empty() || to <= from) return;
    const double seconds = static_cast<double>(to - from) / static_cast<double>(kTicksPerSecond);
    trafficCarry_ += seconds * static_cast<double>(stations_.size()) * 60.0 * (0.8 + 0.4 * random_.Unit());
    const auto frames = static_cast<uint64_t>(trafficCarry_);
    trafficCarry_ -= static_cast<double>(frames);
    if (frames == 0) return;
    Counters& c = counters_;
    c.txOk += frames;
    c.txMulticast += frames / 40;
    c.txRetry += frames / 20;
    c.txMultipleRetry += frames / 50;
    c.txFailed += frames / 500;
    c.rtsOk += frames / 100;
    c.rtsFailed += frames / 2000;
    c.ackFailed += frames / 400;
    const uint64_t rx = frames * 3 / 4;
    c.rxOk += rx;
    c.rxMulticast += rx / 30;
    c.rxDuplicate += rx / 300;
    c.rxCrcError += rx / 100;
    c.rxDropped += rx / 1000;
    for (Station& s : stations_) {
        // Stations doze now and then; roughly one change per half minute.
        if (random_.Unit() < std::min(1.0, seconds / 30.0)) s.powerSave = !s.powerSave;
    }
}

void Air::Advance(uint64_t now, const BssSettings& bss) {
    if (lastTime_ == 0 || now < lastTime_) lastTime_ = now;
    uint64_t t = now - lastTime_ > kMaxCatchUp ? now - kMaxCatchUp : lastTime_;
    lastTime_ = now;
    if (!bss.running) {
        nextArrival_ = 0;
        return;
    }
    if (nextArrival_ == 0 || nextArrival_ < t) ScheduleArrival(t, bss);
    for (;;) {
        size_t leaving = stations_.size();
        uint64_t next = nextArrival_ == 0 ? UINT64_MAX : nextArrival_;
        for (size_t i = 0; i < stations_.size(); ++i) {
            if (stations_[i].leaveAt < next) {
                next = stations_[i].leaveAt;
                leaving = i;
            }
        }
        if (next > now) break;
        AddTraffic(t, next);
        t = next;
        if (leaving < stations_.size()) {
            Leave(leaving, t, stations_[leaving].leavesIdle ? kEventIdleRemoved : kEventDisassociated);
        } else {
            Arrive(t, bss);
            ScheduleArrival(t, bss);
        }
    }
    AddTraffic(t, now);
}

void Air::Restart(uint64_t now, const unsigned char apMac[6], const BssSettings& bss) {
    Stop(now);
    Post(now, apMac, kEventApStarted);
    lastTime_ = now;
    ScheduleArrival(now, bss);
}

void Air::Stop(uint64_t now) {
    while (!stations_.empty()) Leave(stations_.size() - 1, now, kEventDisassociated);
    nextArrival_ = 0;
}

void Air::EnforceAcl(uint64_t now, const KX_802_11_ACCESS_CONTROL& acl) {
    for (size_t i = stations_.size(); i-- > 0;)
        if (!AclAllows(acl, stations_[i].mac)) Leave(i, now, kEventDisassociated);
}

bool Air::BlockAckRequest(const KX_802_11_BA_SESSION_REQUEST& req, const BssSettings& bss) {
    if (req.Tid > 7 || req.IsRecipient > 1) return false;
    auto it = std::find_if(stations_.begin(), stations_.end(), [&](const Station& s) { return SameMac(s.mac, req.MacAddress); });
    if (it == stations_.end()) return false;
    unsigned char& tids = req.IsRecipient ? it->recipientTids : it->originatorTids;
    const unsigned char bits = req.AllTid ? 0xFF : static_cast<unsigned char>(1u << req.Tid);
    if (req.BaWinSize == 0) {  // a request without a window size tears down
        if ((tids & bits) == 0) return false;
        tids = static_cast<unsigned char>(tids & ~bits);
        return true;
    }
    if (!it->ht || !Is11n(bss.config) || bss.baCapability.Policy != 1) return false;
    tids = static_cast<unsigned char>(tids | bits);
    for (int tid = 0; tid < 8; ++tid) {
        if (bits & (1u << tid)) {
            it->windowSize[tid] = req.BaWinSize;
            it->sequence[tid] = static_cast<uint16_t>(random_.Below(4096));
        }
    }
    return true;
}

void Air::EndAllSessions() {
    for (Station& s : stations_) s.originatorTids = s.recipientTids = 0;
}

void Air::FillBlockAckTable(KX_802_11_BLOCK_ACK_TABLE& table) const {
    table = {};
    for (const Station& s : stations_) {
        auto fill = [&](KX_802_11_BLOCK_ACK_ENTRY& e, unsigned char tids) {
            std::memcpy(e.MacAddress, s.mac, 6);
            e.TidBitmap = tids;
            for (int tid = 0; tid < 8; ++tid) {
                if (tids & (1u << tid)) {
                    e.TidValue[tid] = s.windowSize[tid];
                    e.TidSlot[tid].Value = s.sequence[tid];
                }
            }
        };
        if (s.originatorTids) fill(table.Originator[table.OriginatorCount++], s.originatorTids);
        if (s.recipientTids) fill(table.Recipient[table.RecipientCount++], s.recipientTids);
    }
}

}  // namespace simdrv
