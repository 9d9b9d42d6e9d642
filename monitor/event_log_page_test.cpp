#include "monitor/event_log_page.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "monitor/event_store.h"
#include "platform/memory/memory_platform.h"
#include "toolkit/memory/memory_backend.h"
#include "ui/uistr.h"

using namespace zelvin::tk;

namespace {

constexpr unsigned long long kBaseStamp = 134170743670000000ull;  // 2026-03-04 05:06:07 UTC
constexpr unsigned long long kOneSecond = 10000000ull;

// Event `serial`: one second after the base stamp per serial, code 1, and the
// serial in the last two address bytes, so each row tells which record it is.
KX_802_11_EVENT_LOG Event(unsigned serial, std::uint16_t code = 1) {
    KX_802_11_EVENT_LOG record{};
    const unsigned long long stamp = kBaseStamp + serial * kOneSecond;
    record.EventTime.dwLowDateTime = static_cast<std::uint32_t>(stamp);
    record.EventTime.dwHighDateTime = static_cast<std::uint32_t>(stamp >> 32);
    record.MacAddress[0] = 0x02;
    record.MacAddress[4] = static_cast<unsigned char>(serial >> 8);
    record.MacAddress[5] = static_cast<unsigned char>(serial);
    record.Event = code;
    return record;
}

void Store(unsigned firstSerial, unsigned count) {
    std::vector<KX_802_11_EVENT_LOG> records;
    for (unsigned i = 0; i < count; ++i) records.push_back(Event(firstSerial + i));
    AppendEventRecords(records.data(), records.size());
}

std::string JoinedMessage(unsigned serial) {
    char text[64];
    std::snprintf(text, sizeof text, " 02-00-00-00-%02X-%02X joined", (serial >> 8) & 0xFF, serial & 0xFF);
    return text;
}

// A second page, so the event log page can be left and re-entered.
class OtherPage : public PropertyPage {
public:
    OtherPage() : PropertyPage([] {
        DialogLayout layout;
        layout.caption = "Other";
        layout.cx = 100;
        layout.cy = 100;
        return layout;
    }()) {}
};

class EventLogPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        zelvin::SetCurrentPlatform(&platform_);
        SetCurrentBackend(&backend_);
        platform_.utcOffsetSeconds = 3600;
        saved_ = g_UIStr;
        g_UIStr.IDS_TAB_EVENTLOG = "Event Log";
        g_UIStr.IDS_EVENTTIME = "Time";
        g_UIStr.IDS_EVENTMSG = "Message";
        g_UIStr.IDS_CLEAR = "Clear";
        g_UIStr.IDS_EVENTMSG0 = "AP started";
        g_UIStr.IDS_EVENTMSG1 = "joined";
        g_UIStr.IDS_EVENTMSG2 = "left";
        g_UIStr.IDS_EVENTMSG3 = "changed";
        g_UIStr.IDS_EVENTMSG4 = "refused";
        g_UIStr.IDS_EVENTMSG5 = "timed out";
        ClearEventStore();
    }
    void TearDown() override {
        sheet_.reset();
        page_.reset();
        ClearEventStore();
        g_UIStr = saved_;
        SetCurrentBackend(nullptr);
        zelvin::SetCurrentPlatform(nullptr);
    }

    // Opens a sheet with the event log page first, as a new configuration
    // sheet does: the page lists the store from its start.
    void OpenSheet() {
        G_nEventLogShown = 0;
        page_ = std::make_unique<CEventLogPage>();
        sheet_ = std::make_unique<PropertySheet>("Sheet");
        sheet_->AddPage(*page_);
        sheet_->AddPage(other_);
        ASSERT_TRUE(sheet_->Create(nullptr));
    }

    void Tick() { backend_.AdvanceClock(CEventLogPage::kRefreshPeriodMs); }
    Control& List() { return page_->Item(CEventLogPage::kIdEventList); }

    std::vector<std::string> Messages() {
        std::vector<std::string> messages;
        for (int row = 0; row < List().ItemCount(); ++row) messages.push_back(List().SubItemText(row, 1));
        return messages;
    }
    std::vector<std::string> JoinedMessages(unsigned first, unsigned last) {
        std::vector<std::string> messages;
        for (unsigned s = first; s <= last; ++s) messages.push_back(JoinedMessage(s));
        return messages;
    }

    zelvin::MemoryPlatform platform_;
    MemoryBackend backend_;
    CUISTR saved_;
    std::unique_ptr<CEventLogPage> page_;
    OtherPage other_;
    std::unique_ptr<PropertySheet> sheet_;
};

TEST_F(EventLogPageTest, InitialisesTwoColumnsFromTheListWidthAndCaptionsClear) {
    OpenSheet();
    const int tenth = List().WindowRect().Width() / 10;
    ASSERT_GT(tenth, 0);
    ASSERT_EQ(List().ColumnCount(), 2);
    EXPECT_EQ(List().ColumnTitle(0), "Time");
    EXPECT_EQ(List().ColumnTitle(1), "Message");
    EXPECT_EQ(List().ColumnWidth(0), static_cast<int>(tenth * 4.0));
    EXPECT_EQ(List().ColumnWidth(1), static_cast<int>(tenth * 5.9));
    EXPECT_EQ(List().ExtendedStyle(), static_cast<uint32_t>(kLvGridLines | kLvFullRowSelect | kLvInfoTip));
    EXPECT_EQ(page_->Item(CEventLogPage::kIdClear).Text(), "Clear");
}

TEST_F(EventLogPageTest, RowsShowTheLocalTimeAndTheMessageOfEachCode) {
    OpenSheet();
    KX_802_11_EVENT_LOG records[] = {Event(0, 0), Event(1, 1), Event(2, 5), Event(3, 9)};
    AppendEventRecords(records, 4);
    Tick();
    ASSERT_EQ(List().ItemCount(), 4);
    // One hour east of UTC.
    EXPECT_EQ(List().ItemText(0), "2026 / 03 / 04 - 06 : 06 : 07");
    EXPECT_EQ(List().ItemText(3), "2026 / 03 / 04 - 06 : 06 : 10");
    EXPECT_EQ(Messages(), (std::vector<std::string>{"AP started", " 02-00-00-00-00-01 joined",
                                                    " 02-00-00-00-00-02 timed out", ""}));
    EXPECT_EQ(G_nEventLogShown, 4u);
}

TEST_F(EventLogPageTest, NewSheetListsTheWholeStoreAtItsFirstTick) {
    Store(0, 12);
    G_nEventLogShown = 12;  // listed by an earlier sheet
    OpenSheet();
    EXPECT_EQ(List().ItemCount(), 0);  // nothing before the first tick
    Tick();
    EXPECT_EQ(Messages(), JoinedMessages(0, 11));
}

TEST_F(EventLogPageTest, Of105CollectedEventsTheNewest100RowsStayOldestOnTop) {
    OpenSheet();
    Store(0, 50);
    Tick();
    Store(50, 55);  // the store drops 5 listed records to make room
    EXPECT_EQ(G_nEventLogShown, 45u);
    Tick();
    EXPECT_EQ(Messages(), JoinedMessages(5, 104));
}

TEST_F(EventLogPageTest, FullStorePlusThreeAppendsExactlyTheThreeNewRows) {
    OpenSheet();
    Store(0, 100);
    Tick();
    ASSERT_EQ(List().ItemCount(), 100);
    Store(100, 3);
    EXPECT_EQ(G_nEventLogShown, 97u);
    Tick();
    EXPECT_EQ(Messages(), JoinedMessages(3, 102));
    EXPECT_EQ(G_nEventLogShown, 100u);
}

TEST_F(EventLogPageTest, ClearEmptiesListAndStoreThenShowsOnlyNewEvents) {
    OpenSheet();
    Store(0, 8);
    Tick();
    page_->Item(CEventLogPage::kIdClear).Click();
    EXPECT_EQ(List().ItemCount(), 0);
    EXPECT_TRUE(G_EventLogArray.empty());
    EXPECT_EQ(G_nEventLogShown, 0u);
    Store(20, 2);
    Tick();
    EXPECT_EQ(Messages(), JoinedMessages(20, 21));
}

TEST_F(EventLogPageTest, RefreshesOnlyWhileActiveAndCatchesUpAfterReturning) {
    OpenSheet();
    EXPECT_EQ(backend_.TimersOf(page_->Handle()),
              (std::map<unsigned, unsigned>{{CEventLogPage::kRefreshTimer, CEventLogPage::kRefreshPeriodMs}}));
    ASSERT_TRUE(sheet_->SetActivePage(1));
    EXPECT_TRUE(backend_.TimersOf(page_->Handle()).empty());
    Store(0, 3);
    Tick();
    EXPECT_EQ(List().ItemCount(), 0);
    ASSERT_TRUE(sheet_->SetActivePage(0));
    Tick();
    EXPECT_EQ(Messages(), JoinedMessages(0, 2));
}

TEST_F(EventLogPageTest, AnEmptyTickChangesNothing) {
    OpenSheet();
    Store(0, 2);
    Tick();
    Tick();
    EXPECT_EQ(Messages(), JoinedMessages(0, 1));
    EXPECT_EQ(G_nEventLogShown, 2u);
}

}  // namespace
