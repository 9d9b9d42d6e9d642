// Contract tests of what the running access point reports: stations, rates,
// events, counters, signal and block-ack sessions.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "simdriver/sim_test_fixture.h"

namespace simdrv {
namespace {

class AirTest : public SimDriverTest {
protected:
    KX_802_11_MAC_TABLE Table() {
        KX_802_11_MAC_TABLE table{};
        EXPECT_EQ(NVAP_QueryMacTable(&table) & 0xFF, 1);
        return table;
    }
    // Every event the driver holds, drained ten at a time.
    std::vector<KX_802_11_EVENT_LOG> DrainEvents() {
        std::vector<KX_802_11_EVENT_LOG> all;
        for (;;) {
            KX_802_11_EVENT_TABLE table{};
            EXPECT_EQ(NVAP_QueryEventTable(&table) & 0xFF, 1);
            EXPECT_LE(table.EventCount, 10u);
            all.insert(all.end(), table.Log, table.Log + std::min<uint32_t>(table.EventCount, 10));
            if (table.EventCount < 10) return all;
        }
    }
    static int Mode(uint16_t txRate) { return txRate >> 14; }
};

TEST_F(AirTest, StationsArriveAndLeaveWithUniqueAssociationIds) {
    SetScenario("station_arrivals_per_minute = 30\nstation_stay_seconds = 60\n");
    BringUp();
    size_t most = 0;
    std::set<std::string> seen;
    for (int step = 0; step < 60; ++step) {
        Advance(5);
        KX_802_11_MAC_TABLE table = Table();
        std::set<int> aids;
        for (uint32_t i = 0; i < table.EntryCount; ++i) {
            EXPECT_NE(table.Entry[i].AssocId, 0);
            aids.insert(table.Entry[i].AssocId);
            EXPECT_EQ(table.Entry[i].MacAddress[0] & 1, 0) << "stations are unicast";
            seen.insert(std::string(reinterpret_cast<const char*>(table.Entry[i].MacAddress), 6));
        }
        EXPECT_EQ(aids.size(), table.EntryCount);
        most = std::max<size_t>(most, table.EntryCount);
    }
    EXPECT_GT(most, 5u);
    Advance(3600);  // everyone seen so far has left; new ones keep coming
    const KX_802_11_MAC_TABLE later = Table();
    EXPECT_GT(later.EntryCount, 0u);
    for (uint32_t i = 0; i < later.EntryCount; ++i)
        EXPECT_EQ(seen.count(std::string(reinterpret_cast<const char*>(later.Entry[i].MacAddress), 6)), 0u);
}

TEST_F(AirTest, TheStationTableNeverHoldsMoreThan32) {
    SetScenario("station_arrivals_per_minute = 600\nstation_stay_seconds = 86400\n");
    BringUp();
    Advance(600);
    EXPECT_EQ(Table().EntryCount, 32u);
    KX_802_11_MAC_TABLE_NOT_11N legacy{};
    ASSERT_EQ(NVAP_QueryMacTableNOT_11N(&legacy) & 0xFF, 1);
    EXPECT_EQ(legacy.EntryCount, 32u);
    const KX_802_11_MAC_TABLE table = Table();
    for (int i = 0; i < 32; ++i) EXPECT_EQ(std::memcmp(legacy.Entry[i].MacAddress, table.Entry[i].MacAddress, 6), 0);
}

TEST_F(AirTest, RatesFollowTheConfiguredBandAnd11nSettings) {
    const struct {
        const char* what;
        uint32_t wirelessMode;
        int channel;
        uint32_t htPhyMode;
        uint32_t allowBw40;
    } cases[] = {
        {"2.4 GHz 11n, 40 MHz, short GI allowed, MCS 7", 9, 6, 9u | (7u << 4) | (1u << 11) | (1u << 12) | (1u << 15), 1},
        {"5 GHz 11n, 20 MHz, long GI, green field", 8, 36, 8u | (33u << 4) | (1u << 15) | (1u << 16), 0},
        {"2.4 GHz without 11n", 0, 11, 0, 0},
        {"5 GHz without 11n", 2, 149, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SetScenario(std::string("station_arrivals_per_minute = 60\nstation_stay_seconds = 86400\n# ") + c.what);
        BringUp();
        AP_CONFIG_DATA cfg = Stored();
        cfg.WirelessMode = c.wirelessMode;
        cfg.lFreq = static_cast<uint32_t>(NVAP_ChannelToFrequency(c.channel));
        cfg.HT_PhyMode = c.htPhyMode;
        cfg.bAllowBW40 = c.allowBw40;
        WriteConfig(cfg);
        Advance(120);
        KX_802_11_MAC_TABLE table = Table();
        ASSERT_GT(table.EntryCount, 10u);
        std::set<int> modes;
        for (uint32_t i = 0; i < table.EntryCount; ++i) {
            const uint16_t rate = table.Entry[i].TxRate;
            const int mode = Mode(rate);
            modes.insert(mode);
            if (mode >= 2) {
                ASSERT_TRUE(c.wirelessMode == 8 || c.wirelessMode == 9) << "HT rate without 11n";
                EXPECT_EQ(mode, (c.htPhyMode >> 16) & 1 ? 3 : 2);
                EXPECT_EQ((rate >> 7) & 1, c.allowBw40 && ((c.htPhyMode >> 11) & 1) ? 1 : 0);
                if (!((c.htPhyMode >> 12) & 1)) {
                    EXPECT_EQ((rate >> 8) & 1, 0) << "short GI not allowed";
                }
                const uint32_t mcs = (c.htPhyMode >> 4) & 0x7F;
                if (mcs <= 15) {
                    EXPECT_EQ(rate & 0x7Fu, mcs) << "a fixed MCS is used";
                } else {
                    EXPECT_LE(rate & 0x7F, 15) << "automatic MCS stays within two streams";
                }
            } else if (mode == 0) {
                EXPECT_LT(c.channel, 15) << "CCK only on 2.4 GHz";
                EXPECT_LE(rate & 0x7F, 3);
            } else {
                EXPECT_LE(rate & 0x7F, 7);
            }
        }
        const bool htSeen = modes.count(2) || modes.count(3);
        EXPECT_EQ(htSeen, c.wirelessMode == 8 || c.wirelessMode == 9);
    }
}

TEST_F(AirTest, EveryAssociationAndDepartureIsReportedAndNoneIsLost) {
    SetScenario("station_arrivals_per_minute = 20\nstation_stay_seconds = 30\n");
    BringUp();
    std::vector<KX_802_11_EVENT_LOG> events;
    uint64_t earliest = host.now;
    for (int step = 0; step < 40; ++step) {
        Advance(7);
        // Ask rarely: more than ten events pile up between queries.
        if (step % 8 == 7) {
            auto got = DrainEvents();
            events.insert(events.end(), got.begin(), got.end());
        }
    }
    auto rest = DrainEvents();
    events.insert(events.end(), rest.begin(), rest.end());

    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.front().Event, 0) << "the start comes first";
    unsigned char apMac[6];
    SimAdapter::AdapterMac(0, apMac);
    EXPECT_EQ(std::memcmp(events.front().MacAddress, apMac, 6), 0);
    std::map<std::string, int> balance;  // associations minus departures per station
    uint64_t previous = 0;
    for (const auto& e : events) {
        const uint64_t t = (uint64_t{e.EventTime.dwHighDateTime} << 32) | e.EventTime.dwLowDateTime;
        EXPECT_GE(t, earliest);
        EXPECT_LE(t, host.now);
        EXPECT_GE(t, previous) << "events come oldest first";
        previous = t;
        EXPECT_LE(e.Event, 5);
        const std::string mac(reinterpret_cast<const char*>(e.MacAddress), 6);
        if (e.Event == 1) ++balance[mac];
        if (e.Event == 2 || e.Event == 5) --balance[mac];
    }
    const KX_802_11_MAC_TABLE table = Table();
    int stillHere = 0;
    for (const auto& [mac, count] : balance) {
        EXPECT_GE(count, 0);
        EXPECT_LE(count, 1);
        stillHere += count;
    }
    EXPECT_EQ(static_cast<uint32_t>(stillHere), table.EntryCount) << "every station in the table was announced";
    EXPECT_GT(events.size(), 20u);
}

TEST_F(AirTest, AccessControlDecidesWhoMayJoin) {
    SetScenario("station_arrivals_per_minute = 60\nstation_stay_seconds = 86400\n");
    BringUp();
    KX_802_11_ACCESS_CONTROL acl{};
    acl.Policy = 1;
    acl.EntryCount = 2;
    const unsigned char allowed[2][6] = {{0x00, 0xA0, 0xC9, 0xFF, 0x12, 0x34}, {0x0A, 0x1B, 0x2C, 0x3D, 0x4E, 0x5F}};
    std::memcpy(acl.Entry[0].MacAddress, allowed[0], 6);
    std::memcpy(acl.Entry[1].MacAddress, allowed[1], 6);
    ASSERT_EQ(NVAP_Set80211ACL(&acl), 1);
    Advance(600);
    KX_802_11_MAC_TABLE table = Table();
    EXPECT_EQ(table.EntryCount, 2u) << "only the two listed stations, each once";
    for (uint32_t i = 0; i < table.EntryCount; ++i)
        EXPECT_TRUE(std::memcmp(table.Entry[i].MacAddress, allowed[0], 6) == 0 ||
                    std::memcmp(table.Entry[i].MacAddress, allowed[1], 6) == 0);

    // Rejecting the first one sends it away and keeps it away.
    acl.Policy = 2;
    acl.EntryCount = 1;
    ASSERT_EQ(NVAP_Set80211ACL(&acl), 1);
    Advance(600);
    table = Table();
    EXPECT_GT(table.EntryCount, 1u);
    for (uint32_t i = 0; i < table.EntryCount; ++i)
        EXPECT_NE(std::memcmp(table.Entry[i].MacAddress, allowed[0], 6), 0);
    bool refusedSeen = false;
    for (const auto& e : DrainEvents())
        refusedSeen = refusedSeen || (e.Event == 4 && std::memcmp(e.MacAddress, allowed[0], 6) == 0);
    EXPECT_TRUE(refusedSeen) << "the rejected station's attempts are reported";
}

TEST_F(AirTest, CountersGrowWithTrafficAndResetOnRequest) {
    SetScenario("station_arrivals_per_minute = 30\nstation_stay_seconds = 86400\n");
    BringUp();
    Advance(60);
    AP_WLAN_STATUS first{};
    ASSERT_EQ(NVAP_QueryApWLANStatus(&first), 1);
    Advance(60);
    AP_WLAN_STATUS second{};
    NVAP_QueryApWLANStatus(&second);
    EXPECT_GT(second.TransmittedFragmentCount, first.TransmittedFragmentCount);
    EXPECT_GT(second.ReceivedFrameCount64, first.ReceivedFrameCount64);
    EXPECT_GE(second.RetryCount, first.RetryCount);
    EXPECT_GT(second.FCSErrorCount, 0u);
    EXPECT_LT(second.FailedCount, second.TransmittedFragmentCount);
    EXPECT_EQ(second.ReceivedFrameCount, static_cast<uint32_t>(second.ReceivedFrameCount64));

    NVAP_ResetStatisticsCounter();
    AP_WLAN_STATUS reset{};
    NVAP_QueryApWLANStatus(&reset);
    EXPECT_EQ(reset.TransmittedFragmentCount, 0u);
    EXPECT_EQ(reset.ReceivedFrameCount64, 0u);
    EXPECT_EQ(reset.RxDropNoResourceCount, 0u);
}

TEST_F(AirTest, SignalQualityFromStrength) {
    const std::pair<int, int> table[] = {{-30, 100}, {-50, 100}, {-65, 70}, {-80, 40}, {-99, 2}, {-100, 0}, {-120, 0}};
    for (const auto& [rssi, quality] : table) EXPECT_EQ(NVAP_ConvertRssiToSignalQuality(rssi), quality) << rssi;
    BringUp();
    int rssi = 0;
    ASSERT_EQ(NVAP_QuerySignalStrength(&rssi), 1);
    EXPECT_GT(NVAP_ConvertRssiToSignalQuality(rssi), 70) << "a healthy default link";
}

TEST_F(AirTest, BlockAckSessionsAreAddedListedAndTornDown) {
    SetScenario("station_arrivals_per_minute = 30\nstation_stay_seconds = 86400\nseed = 7\n");
    BringUp();
    const KX_802_11_BA_CAPABILITY manual{32, 32, 1, 5, 0, 0, 3, 0};
    ASSERT_EQ(NVAP_SetBACap(manual), 1);
    Advance(120);
    KX_802_11_MAC_TABLE stations = Table();
    int ht = -1;
    for (uint32_t i = 0; i < stations.EntryCount && ht < 0; ++i)
        if ((stations.Entry[i].TxRate >> 14) >= 2) ht = static_cast<int>(i);
    ASSERT_GE(ht, 0);
    KX_802_11_BLOCK_ACK_TABLE table{};
    ASSERT_NE(NVAP_QueryBATable(&table), 0);
    EXPECT_EQ(table.OriginatorCount, 0) << "manual set-up starts no session by itself";

    KX_802_11_BA_SESSION_REQUEST add{};
    std::memcpy(add.MacAddress, stations.Entry[ht].MacAddress, 6);
    add.Tid = 5;
    add.BaWinSize = 44;
    ASSERT_EQ(NVAP_SetIMMEBA(add), 1);
    NVAP_QueryBATable(&table);
    ASSERT_EQ(table.OriginatorCount, 1);
    EXPECT_EQ(std::memcmp(table.Originator[0].MacAddress, add.MacAddress, 6), 0);
    EXPECT_EQ(table.Originator[0].TidBitmap, 1 << 5);
    EXPECT_EQ(table.Originator[0].TidValue[5], 44);

    KX_802_11_BA_SESSION_REQUEST teardown{};
    std::memcpy(teardown.MacAddress, add.MacAddress, 6);
    teardown.Tid = 5;
    ASSERT_EQ(NVAP_SetIMMEBA(teardown), 1);
    NVAP_QueryBATable(&table);
    EXPECT_EQ(table.OriginatorCount, 0);
    EXPECT_EQ(NVAP_SetIMMEBA(teardown), 0) << "no such session";

    KX_802_11_BA_SESSION_REQUEST stranger = add;
    stranger.MacAddress[5] ^= 0xFF;
    EXPECT_EQ(NVAP_SetIMMEBA(stranger), 0);
    KX_802_11_BA_SESSION_REQUEST badTid = add;
    badTid.Tid = 8;
    EXPECT_EQ(NVAP_SetIMMEBA(badTid), 0);
}

TEST_F(AirTest, AutomaticSetUpGivesHtStationsSessions) {
    SetScenario("station_arrivals_per_minute = 30\nstation_stay_seconds = 86400\n");
    BringUp();
    Advance(120);
    const KX_802_11_MAC_TABLE stations = Table();
    int htStations = 0;
    for (uint32_t i = 0; i < stations.EntryCount; ++i) htStations += (stations.Entry[i].TxRate >> 14) >= 2;
    KX_802_11_BLOCK_ACK_TABLE table{};
    ASSERT_NE(NVAP_QueryBATable(&table), 0);
    EXPECT_GT(htStations, 0);
    EXPECT_EQ(table.OriginatorCount, htStations);
    EXPECT_EQ(table.RecipientCount, htStations);

    const KX_802_11_BA_CAPABILITY off{32, 32, 2, 5, 0, 0, 3, 1};
    ASSERT_EQ(NVAP_SetBACap(off), 1);
    NVAP_QueryBATable(&table);
    EXPECT_EQ(table.OriginatorCount, 0) << "switching aggregation off ends every session";
    EXPECT_EQ(table.RecipientCount, 0);
}

TEST_F(AirTest, ANewConfigurationRestartsTheAccessPoint) {
    SetScenario("station_arrivals_per_minute = 30\nstation_stay_seconds = 86400\n");
    BringUp();
    Advance(60);
    const uint32_t before = Table().EntryCount;
    ASSERT_GT(before, 0u);
    DrainEvents();
    AP_CONFIG_DATA cfg = Stored();
    SetSsid(cfg, "renamed");
    WriteConfig(cfg);
    EXPECT_EQ(Table().EntryCount, 0u);
    const auto events = DrainEvents();
    ASSERT_EQ(events.size(), before + 1);
    for (uint32_t i = 0; i < before; ++i) EXPECT_EQ(events[i].Event, 2);
    EXPECT_EQ(events.back().Event, 0);
}

}  // namespace
}  // namespace simdrv
