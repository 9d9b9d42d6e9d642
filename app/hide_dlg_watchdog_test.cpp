// The watchdog tick, the driver-ready poll, power and device events, and the
// radio and connection messages.
#include <cstring>

#include "app/testing/hide_dlg_fixture.h"

using WatchdogTest = HideDlgTest;

namespace {

KX_802_11_EVENT_TABLE EventTable(unsigned count) {
    KX_802_11_EVENT_TABLE table;
    std::memset(&table, 0, sizeof table);
    table.EventCount = count;
    return table;
}

}  // namespace

TEST_F(WatchdogTest, DriverPollPushesAfterWaitforDriverInitializedTicksWhateverTheState) {
    driver.initialStates = {0, 0, 0, 0, 0, 0, 0};  // start-up, then five polls, then one more
    StartRunning();
    ASSERT_EQ(host.timers.count(hidedlg::kDriverPollTimer), 1u);
    host.Advance(4000);
    EXPECT_EQ(dlg->m_nCountReconnect, 4);
    EXPECT_EQ(driver.Count("NVAP_SetConfigData"), 0);
    host.Advance(1000);
    EXPECT_EQ(driver.Count("NVAP_SetConfigData"), 1);
    EXPECT_EQ(driver.Count("NVAP_EnableDhcpServer"), 1);
    EXPECT_EQ(dlg->m_nCountReconnect, 0);
    EXPECT_EQ(host.timers.count(hidedlg::kDriverPollTimer), 0u);
    EXPECT_TRUE(Traced("[Zelvin] HideDlg::OnTimer(): NVAP_QueryInitialState return 0, m_nCountReconnect = 5 --> "
                       "SetOidFromReg and reset m_nCountReconnect to zero\n"));
}

TEST_F(WatchdogTest, DriverReadyOnTheSecondPollIsPushedThenAndTheCountReturnsToZero) {
    driver.initialStates = {0, 0, 1};
    StartRunning();
    host.Advance(1000);
    EXPECT_EQ(driver.Count("NVAP_SetConfigData"), 0);
    EXPECT_EQ(dlg->m_nCountReconnect, 1);
    host.Advance(1000);
    EXPECT_EQ(driver.Count("NVAP_SetConfigData"), 1);
    EXPECT_EQ(dlg->m_nCountReconnect, 0);
    EXPECT_TRUE(Traced("[Zelvin] HideDlg::OnTimer(): NVAP_QueryInitialState return 1, m_nCountReconnect = 2 --> "
                       "SetOidFromReg and reset m_nCountReconnect to zero\n"));
}

TEST_F(WatchdogTest, WaitforDriverInitializedZeroPollsUntilTheDriverIsReady) {
    platform.files[kSettingsPath] = "[Settings]\r\nDebugMode=1\r\n[Advance]\r\nWaitforDriverInitialized=0\r\n";
    driver.initialStates = std::deque<int>(12, 0);
    ASSERT_TRUE(Start(platform.files[kSettingsPath]));
    host.Advance(11000);
    EXPECT_EQ(driver.Count("NVAP_SetConfigData"), 0);
    EXPECT_EQ(dlg->m_nCountReconnect, 11);
    host.Advance(1000);
    EXPECT_EQ(driver.Count("NVAP_SetConfigData"), 1);
}

TEST_F(WatchdogTest, TrayStateFollowsSignalQuality) {
    StartRunning();
    struct Case {
        int quality;
        TrayState state;
        const char* tooltip;
    } cases[] = {
        {100, TrayState::Good, "AP good"}, {71, TrayState::Good, "AP good"},   {70, TrayState::Normal, "AP normal"},
        {41, TrayState::Normal, "AP normal"}, {40, TrayState::Weak, "AP weak"}, {0, TrayState::Weak, "AP weak"},
        {-1, TrayState::Good, "AP good"},  // compared unsigned
    };
    for (const Case& c : cases) {
        driver.quality = c.quality;
        host.Advance(2000);
        EXPECT_EQ(host.trayStates.back(), c.state) << c.quality;
        EXPECT_EQ(host.lastTooltip, c.tooltip) << c.quality;
        EXPECT_EQ(host.sheet.smallIcons.back(), c.state) << c.quality;
    }
    EXPECT_EQ(host.sheet.blockAckUpdates, 7);
}

TEST_F(WatchdogTest, ADriverThatLostItsConfigurationGetsItAgainAtTheNextTick) {
    StartRunning();
    host.Advance(2000);
    EXPECT_EQ(driver.Count("NVAP_SetConfigData"), 0);
    driver.runningAuthMode = 0;
    host.Advance(2000);
    EXPECT_EQ(driver.Count("NVAP_SetConfigData"), 1);
    EXPECT_TRUE(Traced("[Zelvin] HideDlg::On Timer : QueryAuthMode(0) != ReadAuthMode (4) --->SetOidFromReg\n "));
    host.Advance(2000);
    EXPECT_EQ(driver.Count("NVAP_SetConfigData"), 1);
}

TEST_F(WatchdogTest, OnlySuccessfulEventQueriesReachTheStore) {
    StartRunning();
    driver.events = {EventTable(3)};
    host.Advance(4000);
    EXPECT_EQ(driver.Count("NVAP_QueryEventTable"), 2);
    ASSERT_EQ(host.appendedEvents.size(), 1u);
    EXPECT_EQ(host.appendedEvents[0].EventCount, 3u);
}

TEST_F(WatchdogTest, OldSystemsHaveTheirWirelessConfigurationStoppedOnEachTick) {
    struct Case {
        int winOS;
        int zeroConfig;
        int wantStops;
    } cases[] = {{9, 1, 1}, {9, 0, 0}, {10, 1, 0}};
    for (const Case& c : cases) {
        driver.Install();
        dlg->m_bDeviceExist = 1;
        driver.winOS = c.winOS;
        driver.zeroConfig = c.zeroConfig;
        std::memcpy(&NVAPAPI.m_SelectedAdapter, &driver.adapters[0], sizeof(AVAILABLE_DEV));
        driver.calls.clear();
        dlg->OnTimer(hidedlg::kWatchdogTimer);
        EXPECT_EQ(driver.Count("NVAP_StopXpZeroConfig"), c.wantStops) << c.winOS << "/" << c.zeroConfig;
    }
}

TEST_F(WatchdogTest, RadioMessages) {
    StartRunning();
    driver.SetStoredSsid("Office");

    dlg->OnTurnOnRadio();  // already on: no profile
    EXPECT_TRUE(driver.profileSsids.empty());

    dlg->OnTurnOffRadio();
    EXPECT_EQ(host.trayStates.back(), TrayState::Lost);
    EXPECT_EQ(dlg->m_bRadioOn, 0);
    driver.calls.clear();
    host.Advance(2000);
    EXPECT_EQ(host.trayStates.back(), TrayState::Lost);
    EXPECT_EQ(driver.Count("NVAP_QueryAuthMode"), 0);
    EXPECT_EQ(driver.Count("NVAP_QuerySignalStrength"), 0);
    EXPECT_EQ(driver.Count("NVAP_QueryEventTable"), 0);

    dlg->OnTurnOnRadio();
    EXPECT_EQ(dlg->m_bRadioOn, 1);
    EXPECT_EQ(driver.profileSsids, (std::vector<std::string>{"Office"}));
    EXPECT_TRUE(Traced("[Zelvin] HideDlg::OnTurnOnRadio() --> SetVistaWindowsProfile(strSSID = getUpdatedSSID)\n"));
    host.Advance(2000);
    EXPECT_EQ(driver.Count("NVAP_QuerySignalStrength"), 1);
}

TEST_F(WatchdogTest, ConnectCompletePushesTheKeysOnlyForAPendingProfileOnNewSystems) {
    StartRunning();
    driver.SetStoredSsid("Office");
    struct Case {
        int winOS;
        int pending;
        int wantKeys;
        int wantPendingAfter;
    } cases[] = {{10, 1, 1, 0}, {10, 0, 0, 0}, {9, 1, 0, 1}};
    for (const Case& c : cases) {
        driver.keySsids.clear();
        driver.winOS = c.winOS;
        dlg->m_bProfilePending = c.pending;
        dlg->OnConnectComplete();
        EXPECT_EQ(static_cast<int>(driver.keySsids.size()), c.wantKeys) << c.winOS << "/" << c.pending;
        EXPECT_EQ(dlg->m_bProfilePending, c.wantPendingAfter) << c.winOS << "/" << c.pending;
    }
    dlg->m_bProfilePending = 1;
    driver.winOS = 10;
    dlg->OnConnectComplete();
    EXPECT_EQ(driver.keySsids, (std::vector<std::string>{"Office"}));
    EXPECT_TRUE(Traced("[Zelvin] HideDlg::OnConnectComplete(): strSSID = Office\n"));
}

TEST_F(WatchdogTest, DeviceChangeWithTheAdapterPresentIsOnlyTraced) {
    StartRunning();
    host.windowsByTitle["AP Config"] = 1;
    dlg->OnDeviceChange();
    EXPECT_TRUE(Traced("[Zelvin]Detect WM_DEVICECHANGE\n"));
    EXPECT_EQ(G_bDeviceRemoved, 0);
    EXPECT_TRUE(host.closeRequests.empty());
}

TEST_F(WatchdogTest, AdapterPulledWithTheSheetOpenAndPluggedBack) {
    StartRunning();
    host.windowsByTitle["HTML Help"] = 1;
    ASSERT_TRUE(host.sheet.windowAlive);

    driver.plugged = false;
    dlg->OnDeviceChange();
    EXPECT_EQ(G_bDeviceRemoved, 1);
    EXPECT_TRUE(Traced("[Zelvin]WM_DEVICECHANGE : Set G_bDeviceRemoved = TRUE\n"));
    EXPECT_EQ(host.closeRequests, (std::vector<std::string>{"HTML Help"}));

    host.Advance(2000);  // one tick: sheet gone, NotExist, detection again
    EXPECT_FALSE(host.sheet.windowAlive);
    EXPECT_EQ(host.sheet.liveObjects, 0);
    EXPECT_EQ(dlg->m_pSheet, nullptr);
    EXPECT_EQ(host.trayStates.back(), TrayState::NotExist);
    EXPECT_EQ(dlg->m_bDeviceExist, 0);
    EXPECT_EQ(NVAPAPI.m_SelectedAdapter.HardwareId[0], '\0');
    EXPECT_TRUE(Traced("[Zelvin] HideDlg::OnTimer : m_bDeviceExist = 0, DetectAdapter again\n "));

    dlg->OnCommand(hidedlg::kCmdLaunchConfig);  // refused while the adapter is away
    EXPECT_EQ(host.sheet.created, 1);

    driver.plugged = true;
    dlg->OnDeviceChange();  // the record was cleared, so the driver does not know it yet
    driver.calls.clear();
    host.Advance(2000);  // detects it again
    EXPECT_EQ(driver.Count("NVAP_AdapterSelect"), 1);
    EXPECT_EQ(driver.Count("NVAP_InitAPSettings"), 0);
    host.Advance(2000);  // and brings the card up
    EXPECT_EQ(driver.Count("NVAP_InitAPSettings"), 1);
    EXPECT_EQ(driver.Count("NVAP_SetConfigData"), 1);
    EXPECT_EQ(G_bDeviceRemoved, 0);
    EXPECT_EQ(dlg->m_bDeviceExist, 1);
    EXPECT_EQ(host.trayStates.back(), TrayState::Lost);
    EXPECT_TRUE(Traced("[Zelvin] HideDlg::OnTimer : G_bDeviceRemoved = TRUE : InitCard()\n"));
    host.Advance(2000);  // running again; the sheet stays closed
    EXPECT_EQ(host.trayStates.back(), TrayState::Good);
    EXPECT_EQ(host.sheet.created, 1);
    ASSERT_EQ(host.timers.count(hidedlg::kWatchdogTimer), 1u);
}

TEST_F(WatchdogTest, SuspendStopsEveryTimerAndResumePushesOrPolls) {
    driver.initialStates = {1, 0, 0};  // start-up ready; first resume ready; second not
    StartRunning();
    host.SetTimer(2, 500);
    host.SetTimer(3, 500);

    dlg->OnPowerBroadcast(hidedlg::kPowerSuspend);
    EXPECT_TRUE(host.timers.empty());

    driver.initialStates = {1};
    dlg->OnPowerBroadcast(hidedlg::kPowerResumeAutomatic);
    EXPECT_EQ(host.timers.count(hidedlg::kWatchdogTimer), 1u);
    EXPECT_EQ(driver.Count("NVAP_SetConfigData"), 1);
    EXPECT_EQ(driver.Count("NVAP_EnableDhcpServer"), 1);
    EXPECT_TRUE(Traced("[Zelvin]Detect PBT_APMRESUMEAUTOMATIC: NVAP_QueryInitialState return 1 --> SetOidFromReg\n"));

    dlg->OnPowerBroadcast(hidedlg::kPowerSuspend);
    dlg->m_nCountReconnect = 3;
    driver.initialStates = {0};
    dlg->OnPowerBroadcast(hidedlg::kPowerResumeAutomatic);
    EXPECT_EQ(dlg->m_nCountReconnect, 0);
    EXPECT_EQ(host.timers.count(hidedlg::kDriverPollTimer), 1u);
    EXPECT_EQ(driver.Count("NVAP_SetConfigData"), 1);

    dlg->OnPowerBroadcast(0x000A);  // another power event
    EXPECT_EQ(host.timers.size(), 2u);
}

TEST_F(WatchdogTest, TicksDoNothingWhileBusy) {
    StartRunning();
    dlg->m_bBusy = 1;
    driver.plugged = false;
    host.Advance(6000);
    EXPECT_TRUE(driver.calls.empty());
    EXPECT_TRUE(host.sheet.windowAlive);
}
