#include "monitor/event_store.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace {

// Each record carries its serial number in its time stamp so a test can see
// which ones the store kept and in what order.
KX_802_11_EVENT_LOG Event(std::uint32_t serial) {
    KX_802_11_EVENT_LOG record{};
    record.EventTime.dwLowDateTime = serial;
    record.Event = static_cast<std::uint16_t>(serial % 6);
    return record;
}

std::vector<KX_802_11_EVENT_LOG> Events(std::uint32_t firstSerial, std::size_t count) {
    std::vector<KX_802_11_EVENT_LOG> records;
    for (std::size_t i = 0; i < count; ++i) records.push_back(Event(firstSerial + static_cast<std::uint32_t>(i)));
    return records;
}

std::vector<std::uint32_t> StoredSerials() {
    std::vector<std::uint32_t> serials;
    for (const auto& record : G_EventLogArray) serials.push_back(record.EventTime.dwLowDateTime);
    return serials;
}

std::vector<std::uint32_t> Range(std::uint32_t first, std::uint32_t last) {
    std::vector<std::uint32_t> serials;
    for (std::uint32_t s = first; s <= last; ++s) serials.push_back(s);
    return serials;
}

class EventStoreTest : public ::testing::Test {
protected:
    void SetUp() override { ClearEventStore(); }
    void TearDown() override { ClearEventStore(); }

    // Holds `count` records with serials 0..count-1, `shown` of them listed.
    void Hold(std::size_t count, std::size_t shown) {
        auto records = Events(0, count);
        AppendEventRecords(records.data(), records.size());
        G_nEventLogShown = shown;
    }
};

struct StoreRuleCase {
    const char* name;
    std::size_t held, shown, added;
    std::size_t expectedShown;
    std::uint32_t expectedFirstSerial;  // serial of the oldest record kept
};

class EventStoreRuleTest : public EventStoreTest, public ::testing::WithParamInterface<StoreRuleCase> {};

TEST_P(EventStoreRuleTest, DropsJustTheExcessOldestAndLowersTheShownCount) {
    const StoreRuleCase& c = GetParam();
    Hold(c.held, c.shown);
    auto fresh = Events(1000, c.added);
    AppendEventRecords(fresh.data(), fresh.size());

    std::vector<std::uint32_t> expected;
    if (c.expectedFirstSerial < c.held) expected = Range(c.expectedFirstSerial, static_cast<std::uint32_t>(c.held - 1));
    for (auto s : Range(1000, static_cast<std::uint32_t>(1000 + c.added - 1))) expected.push_back(s);
    EXPECT_EQ(StoredSerials(), expected);
    EXPECT_EQ(G_nEventLogShown, c.expectedShown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EventStoreRuleTest,
    ::testing::Values(
        StoreRuleCase{"RoomForAll", 5, 5, 3, 5, 0},
        StoreRuleCase{"FillsExactlyTo100", 90, 40, 10, 40, 0},
        StoreRuleCase{"Ninety5Plus12ShownThirty", 95, 30, 12, 23, 7},
        StoreRuleCase{"Ninety5Plus12ShownThree", 95, 3, 12, 0, 7},
        StoreRuleCase{"FullStoreAllShownPlus3", 100, 100, 3, 97, 3},
        StoreRuleCase{"NothingNew", 42, 17, 0, 17, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EventStoreTest, MoreThanAHundredAtOnceKeepsTheNewestHundred) {
    Hold(20, 20);
    auto fresh = Events(1000, 105);
    AppendEventRecords(fresh.data(), fresh.size());
    EXPECT_EQ(StoredSerials(), Range(1005, 1104));
    EXPECT_EQ(G_nEventLogShown, 0u);
}

TEST_F(EventStoreTest, TableAppendsItsRecordsInTableOrder) {
    KX_802_11_EVENT_TABLE table{};
    table.EventCount = 3;
    for (std::uint32_t i = 0; i < 3; ++i) table.Log[i] = Event(500 + i);
    Hold(2, 1);
    AppendEventTable(table);
    EXPECT_EQ(StoredSerials(), (std::vector<std::uint32_t>{0, 1, 500, 501, 502}));
    EXPECT_EQ(G_nEventLogShown, 1u);
}

// The driver's count is never trusted past the ten records the table holds;
// under AddressSanitizer a read past the table would fail this test.
TEST_F(EventStoreTest, TableCountAboveTenTakesOnlyTheTenRecordsItHolds) {
    for (std::uint32_t reported : {11u, 200u, 0xFFFFFFFFu}) {
        ClearEventStore();
        auto table = std::make_unique<KX_802_11_EVENT_TABLE>();
        table->EventCount = reported;
        for (std::uint32_t i = 0; i < 10; ++i) table->Log[i] = Event(i);
        AppendEventTable(*table);
        EXPECT_EQ(StoredSerials(), Range(0, 9)) << "EventCount " << reported;
    }
}

TEST_F(EventStoreTest, EmptyTableChangesNothing) {
    Hold(7, 4);
    KX_802_11_EVENT_TABLE table{};
    AppendEventTable(table);
    EXPECT_EQ(StoredSerials(), Range(0, 6));
    EXPECT_EQ(G_nEventLogShown, 4u);
}

TEST_F(EventStoreTest, ClearEmptiesTheStoreAndResetsTheShownCount) {
    Hold(30, 25);
    ClearEventStore();
    EXPECT_TRUE(G_EventLogArray.empty());
    EXPECT_EQ(G_nEventLogShown, 0u);
}

TEST(EventFileTimeTest, JoinsTheTwoHalves) {
    KX_802_11_EVENT_LOG record{};
    record.EventTime.dwLowDateTime = 0x89ABCDEFu;
    record.EventTime.dwHighDateTime = 0x01234567u;
    EXPECT_EQ(EventFileTime(record), 0x0123456789ABCDEFull);
}

}  // namespace
