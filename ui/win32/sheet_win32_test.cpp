// The configuration sheet and the adapter selection dialog on real windows.
// Each test also saves a screenshot (PNG) into the test folder of the build.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "core/nvap_binding.h"
#include "monitor/event_store.h"
#include "platform/win32/win32_text.h"
#include "toolkit/win32/win32_backend.h"
#include "ui/adapter_select_dlg.h"
#include "ui/nv_prop_sheet.h"
#include "toolkit/win32/screenshot.h"

using namespace zelvin::tk;

namespace {

int NVAP_CALL FakeGetWinOS() { return 10; }
int NVAP_CALL FakeIs80211NSupport() { return 1; }
int NVAP_CALL FakeIsFileExist(const char*) { return 1; }

// Runs the message loop until `done` holds or about five seconds pass.
template <typename Condition>
bool PumpUntil(Condition done) {
    for (int round = 0; round < 250 && !done(); ++round) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (!Win32Backend::PreTranslate(message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
        if (!done()) Sleep(20);
    }
    return done();
}

// Lets the window paint, captures it and writes it into the build's
// screenshot folder; true when the picture holds more than one flat colour.
bool SaveScreenshot(HWND window, const char* name) {
    SetWindowPos(window, HWND_TOP, 40, 40, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    SetForegroundWindow(window);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    int rounds = 0;
    PumpUntil([&] { return ++rounds > 15; });  // a few hundred ms for the X server
    Pixels pixels = CaptureWindow(window);
    if (pixels.width == 0) return false;
    auto [low, high] = std::minmax_element(pixels.rgb.begin(), pixels.rgb.end());
    std::filesystem::create_directories(ZELVIN_SCREENSHOT_DIR);
    return *high - *low > 100 && WritePng(pixels, zelvin::ToWide(std::string(ZELVIN_SCREENSHOT_DIR) + "/" + name));
}

KX_802_11_EVENT_LOG Event(unsigned long long fileTime, unsigned char last, uint16_t code) {
    KX_802_11_EVENT_LOG record{};
    record.EventTime.dwLowDateTime = static_cast<uint32_t>(fileTime);
    record.EventTime.dwHighDateTime = static_cast<uint32_t>(fileTime >> 32);
    const unsigned char mac[6] = {0x00, 0x0C, 0x43, 0x28, 0x60, last};
    std::memcpy(record.MacAddress, mac, 6);
    record.Event = code;
    return record;
}

class Win32SheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetCurrentBackend(&backend_);
        saved_ = {NVAPAPI.NVAP_GetWinOS, NVAPAPI.NVAP_Is80211NSupport, NVAPAPI.NVAP_IsFileExist};
        NVAPAPI.NVAP_GetWinOS = &FakeGetWinOS;
        NVAPAPI.NVAP_Is80211NSupport = &FakeIs80211NSupport;
        NVAPAPI.NVAP_IsFileExist = &FakeIsFileExist;
        NVAPAPI.m_Settings.page11nSetting = true;
        texts_ = g_UIStr;
        g_UIStr.IDS_TAB_CONFIG = "Config";
        g_UIStr.IDS_TAB_ACCESSCONTROL = "Access Control";
        g_UIStr.IDS_TAB_MACTABLE = "Station List";
        g_UIStr.IDS_TAB_EVENTLOG = "Event Log";
        g_UIStr.IDS_TAB_STATISTICS = "Statistics";
        g_UIStr.IDS_TAB_ABOUT = "About";
        g_UIStr.IDS_TAB_BLOCK_ACK = "Block Ack";
        g_UIStr.IDS_EVENTTIME = "Time";
        g_UIStr.IDS_EVENTMSG = "Message";
        g_UIStr.IDS_CLEAR = "CLEAR";
        g_UIStr.IDS_EVENTMSG0 = "Access point started";
        g_UIStr.IDS_EVENTMSG1 = "associated";
        g_UIStr.IDS_EVENTMSG2 = "disassociated";
        ClearEventStore();
    }
    void TearDown() override {
        ClearEventStore();
        g_UIStr = texts_;
        NVAPAPI.NVAP_GetWinOS = saved_.winOs;
        NVAPAPI.NVAP_Is80211NSupport = saved_.is11n;
        NVAPAPI.NVAP_IsFileExist = saved_.fileExists;
        NVAPAPI.m_Settings.page11nSetting = false;
        SetCurrentBackend(nullptr);
    }

    Win32Backend backend_;
    CUISTR texts_;
    struct {
        nvap::NVAP_GetWinOS_fn winOs;
        nvap::NVAP_Is80211NSupport_fn is11n;
        nvap::NVAP_IsFileExist_fn fileExists;
    } saved_{};
};

TEST_F(Win32SheetTest, SheetOpensWithItsTabsAndTheEventLogShowsRows) {
    const unsigned long long stamp = 134170743670000000ull;  // 2026-03-04 05:06:07 UTC
    KX_802_11_EVENT_LOG records[] = {Event(stamp, 0x01, 0), Event(stamp + 30 * 10000000ull, 0x2A, 1),
                                     Event(stamp + 95 * 10000000ull, 0x2A, 2)};
    AppendEventRecords(records, 3);
    G_nEventLogShown = 0;

    auto sheet = std::make_unique<CNvPropSheet>("Zelvin Configuration", nullptr);
    ASSERT_TRUE(sheet->Create());
    ASSERT_TRUE(sheet->IsWindowAlive());
    HWND window = ToHwnd(sheet->Handle());
    ASSERT_TRUE(IsWindow(window));
    EXPECT_EQ(sheet->PageCount(), 6);
    EXPECT_EQ(sheet->TabText(0), "Config");
    EXPECT_EQ(sheet->TabText(3), "Event Log");
    EXPECT_EQ(sheet->TabText(5), "About");
    EXPECT_TRUE(sheet->Button(kSheetHelp).IsVisible());

    sheet->UpdateBlockAckPage();
    ASSERT_EQ(sheet->PageCount(), 7);
    EXPECT_EQ(sheet->TabText(6), "Block Ack");

    // The sheet as the hidden window lays it out: 10 pixels below Help.
    Rect rect = sheet->WindowRect();
    rect.bottom = sheet->HelpButtonRect().bottom + 10;
    sheet->Move(rect);
    sheet->BringToForeground();

    ASSERT_TRUE(sheet->SetActivePage(3));
    Control& list = sheet->Page(3).Item(CEventLogPage::kIdEventList);
    EXPECT_TRUE(PumpUntil([&] { return list.ItemCount() == 3; })) << "rows: " << list.ItemCount();
    EXPECT_EQ(list.SubItemText(0, 1), "Access point started");
    EXPECT_EQ(list.SubItemText(1, 1), " 00-0C-43-28-60-2A associated");
    EXPECT_EQ(list.SubItemText(2, 1), " 00-0C-43-28-60-2A disassociated");
    EXPECT_EQ(list.ItemText(0).size(), std::string("2026 / 03 / 04 - 05 : 06 : 07").size());
    EXPECT_EQ(sheet->Page(3).Item(CEventLogPage::kIdClear).Text(), "CLEAR");

    EXPECT_TRUE(SaveScreenshot(window, "config_sheet_event_log.png"));

    sheet->Page(3).Item(CEventLogPage::kIdClear).Click();
    EXPECT_EQ(list.ItemCount(), 0);
    EXPECT_TRUE(G_EventLogArray.empty());

    sheet->DestroyWindow();
    EXPECT_FALSE(sheet->IsWindowAlive());
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(Win32SheetTest, AdapterDialogListsTheAdaptersAndReturnsTheChoice) {
    std::vector<AVAILABLE_DEV> adapters(3);
    const char* names[] = {"USB 802.11n Wireless LAN Card", "PCI Wireless Adapter", "USB 802.11n Wireless LAN Card"};
    const char* ids[] = {"USB\\VID_1111&PID_0001", "PCI\\VEN_2222&DEV_0002", "USB\\VID_1111&PID_0001\\2"};
    for (int i = 0; i < 3; ++i) {
        std::strcpy(adapters[i].DeviceDesc, names[i]);
        std::strcpy(adapters[i].HardwareId, ids[i]);
        std::snprintf(adapters[i].LocationInfo, sizeof adapters[i].LocationInfo, "Port_#000%d.Hub_#0004", i + 1);
        std::strcpy(adapters[i].Manufacturer, i == 1 ? "Second Maker" : "First Maker");
    }
    int entries = 0;
    std::string hardwareLine;
    bool saved = false;
    backend_.QueueModalScript([&](Dialog& dialog) {
        Control& list = dialog.Item(CSelCardDlg::kIdAdapterList);
        entries = list.ItemCount();
        list.Select(1);
        dialog.SendCommand(CSelCardDlg::kIdAdapterList, Notification::SelChange);
        hardwareLine = dialog.Item(CSelCardDlg::kIdHardwareId).Text();
        saved = SaveScreenshot(ToHwnd(dialog.Handle()), "adapter_select_dialog.png");
        dialog.Item(kIdOk).Click();
    });
    EXPECT_EQ(ChooseAdapter(adapters, nullptr), 1);
    EXPECT_EQ(entries, 3);
    EXPECT_EQ(hardwareLine, "PCI\\VEN_2222&DEV_0002");
    EXPECT_TRUE(saved);
}

}  // namespace
