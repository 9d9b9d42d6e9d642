#include "monitor/event_log_format.h"

#include <gtest/gtest.h>

#include "platform/memory/memory_platform.h"

namespace {

KX_802_11_EVENT_LOG EventAt(unsigned long long fileTime) {
    KX_802_11_EVENT_LOG record{};
    record.EventTime.dwLowDateTime = static_cast<std::uint32_t>(fileTime);
    record.EventTime.dwHighDateTime = static_cast<std::uint32_t>(fileTime >> 32);
    return record;
}

// Installs an in-memory platform whose time zone each case chooses.
class EventTimeTest : public ::testing::Test {
protected:
    void SetUp() override { zelvin::SetCurrentPlatform(&platform_); }
    void TearDown() override { zelvin::SetCurrentPlatform(nullptr); }
    zelvin::MemoryPlatform platform_;
};

struct TimeCase {
    unsigned long long fileTime;
    int64_t utcOffsetSeconds;
    const char* expected;
};

TEST_F(EventTimeTest, ShowsTheStampInLocalTime) {
    const TimeCase cases[] = {
        {134170743670000000ull, 0, "2026 / 03 / 04 - 05 : 06 : 07"},            // 2026-03-04 05:06:07 UTC
        {134170743670000000ull, 2 * 3600, "2026 / 03 / 04 - 07 : 06 : 07"},     // east of UTC
        {134170743670000000ull, -6 * 3600, "2026 / 03 / 03 - 23 : 06 : 07"},    // west, back across midnight
        {133537266000000000ull, -3600, "2024 / 02 / 29 - 23 : 30 : 00"},        // into a leap day
        {125911583990000000ull, 1, "2000 / 01 / 01 - 00 : 00 : 00"},            // across a new year
        {0ull, 0, "1601 / 01 / 01 - 00 : 00 : 00"},                             // the epoch itself
    };
    for (const TimeCase& c : cases) {
        platform_.utcOffsetSeconds = c.utcOffsetSeconds;
        EXPECT_EQ(FormatEventTime(EventAt(c.fileTime)), c.expected)
            << "stamp " << c.fileTime << " offset " << c.utcOffsetSeconds;
    }
}

TEST_F(EventTimeTest, AStampPastTheCalendarGivesAnEmptyTime) {
    EXPECT_EQ(FormatEventTime(EventAt(0xFFFFFFFFFFFFFFFFull)), "");
}

TEST(EventMessageTest, CodeDecidesTheMessageColumn) {
    const EventMessageTexts texts = {"started", "joined", "left", "refused", "timed out", "rekeyed"};
    KX_802_11_EVENT_LOG record{};
    const unsigned char mac[6] = {0x00, 0x1A, 0x2B, 0xC3, 0xD4, 0xEF};
    std::copy(mac, mac + 6, record.MacAddress);

    struct {
        std::uint16_t code;
        const char* expected;
    } const cases[] = {
        {0, "started"},
        {1, " 00-1A-2B-C3-D4-EF joined"},
        {3, " 00-1A-2B-C3-D4-EF refused"},
        {5, " 00-1A-2B-C3-D4-EF rekeyed"},
        {6, ""},
        {0xFFFF, ""},
    };
    for (const auto& c : cases) {
        record.Event = c.code;
        EXPECT_EQ(FormatEventMessage(record, texts), c.expected) << "code " << c.code;
    }
}

}  // namespace
