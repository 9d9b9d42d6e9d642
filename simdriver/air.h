// What happens on the air while the access point runs: stations that come and
// go, their rates and power-save state, block-ack sessions, frame counters and
// the driver's event queue. Advanced from elapsed time at each library call,
// never by a thread, so a test that sets the clock sees the same air each run.
#pragma once

#include <cstdint>
#include <deque>
#include <vector>

#include "core/nvap_records.h"
#include "simdriver/random.h"

namespace simdrv {

inline constexpr uint64_t kTicksPerSecond = 10000000;  // FILETIME units
inline constexpr size_t kMaxStations = 32;
inline constexpr size_t kMaxPendingEvents = 1024;

// Event codes the driver reports.
enum EventCode : uint16_t {
    kEventApStarted = 0,
    kEventAssociated = 1,
    kEventDisassociated = 2,
    kEventAuthenticated = 3,
    kEventAuthFailed = 4,
    kEventIdleRemoved = 5,
};

// What the air needs to know of the access point.
struct BssSettings {
    bool running = false;
    AP_CONFIG_DATA config{};
    KX_802_11_ACCESS_CONTROL acl{};
    KX_802_11_BA_CAPABILITY baCapability{};
    double arrivalsPerMinute = 0;
    int staySeconds = 120;
};

struct Station {
    unsigned char mac[6] = {};
    unsigned char aid = 0;
    bool ht = false;
    bool powerSave = false;
    uint16_t txRate = 0;
    uint64_t leaveAt = 0;
    bool leavesIdle = false;
    unsigned char originatorTids = 0;  // block-ack bitmaps by TID
    unsigned char recipientTids = 0;
    unsigned char windowSize[8] = {};
    uint16_t sequence[8] = {};
};

struct Counters {
    uint64_t txOk = 0, txMulticast = 0, txFailed = 0, txRetry = 0, txMultipleRetry = 0;
    uint64_t rtsOk = 0, rtsFailed = 0, ackFailed = 0, rxDuplicate = 0, rxOk = 0, rxMulticast = 0;
    uint64_t rxCrcError = 0, rxDropped = 0;
};

class Air {
public:
    explicit Air(uint64_t seed) : random_(seed) {}

    void Reseed(uint64_t seed) { random_ = Random(seed); }

    // Plays the air from the last call up to `now` (at most one hour back).
    void Advance(uint64_t now, const BssSettings& bss);
    // The access point (re)started with a new configuration: every station is
    // dropped and the start is reported.
    void Restart(uint64_t now, const unsigned char apMac[6], const BssSettings& bss);
    // The access point stopped (radio off, station mode, adapter gone).
    void Stop(uint64_t now);
    // Drops stations the access-control record now rejects.
    void EnforceAcl(uint64_t now, const KX_802_11_ACCESS_CONTROL& acl);

    // Block-ack session request; false when refused.
    bool BlockAckRequest(const KX_802_11_BA_SESSION_REQUEST& req, const BssSettings& bss);
    // Aggregation switched off: every session ends.
    void EndAllSessions();
    void FillBlockAckTable(KX_802_11_BLOCK_ACK_TABLE& table) const;

    // Moves at most 10 pending events into the table; the rest wait.
    void TakeEvents(KX_802_11_EVENT_TABLE& table);
    void ResetCounters() { counters_ = {}; }

    const std::vector<Station>& Stations() const { return stations_; }
    const Counters& counters() const { return counters_; }
    size_t PendingEvents() const { return events_.size(); }

private:
    void Arrive(uint64_t now, const BssSettings& bss);
    void Leave(size_t index, uint64_t now, uint16_t code);
    void AddTraffic(uint64_t from, uint64_t to);
    void Post(uint64_t now, const unsigned char mac[6], uint16_t code);
    void ScheduleArrival(uint64_t from, const BssSettings& bss);
    uint16_t PickTxRate(bool ht, const AP_CONFIG_DATA& cfg);
    bool AclAllows(const KX_802_11_ACCESS_CONTROL& acl, const unsigned char mac[6]) const;
    unsigned char FreeAid() const;
    void StartAutomaticSessions(Station& station, const BssSettings& bss);

    Random random_;
    std::vector<Station> stations_;
    std::deque<KX_802_11_EVENT_LOG> events_;
    Counters counters_;
    uint64_t lastTime_ = 0;
    uint64_t nextArrival_ = 0;  // 0: none scheduled
    double trafficCarry_ = 0;
};

}  // namespace simdrv
