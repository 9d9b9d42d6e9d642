// Long runs of the events a tray program lives through: the adapter pulled and
// plugged back, sleep and resume, a driver that is late or forgets its
// configuration. After each return the stored configuration must be pushed
// again, and nothing may pile up: sheets, timers, tray icons.
#include "app/testing/hide_dlg_fixture.h"

class RobustnessTest : public HideDlgTest {
protected:
    static constexpr int kCycles = 200;

    void ExpectNothingPiledUp(int cycle) {
        ASSERT_LE(host.sheet.liveObjects, 1) << "cycle " << cycle;
        ASSERT_LE(host.timers.size(), 2u) << "cycle " << cycle;
        ASSERT_EQ(host.timers.count(hidedlg::kWatchdogTimer), 1u) << "cycle " << cycle;
        ASSERT_TRUE(host.trayPresent) << "cycle " << cycle;
        ASSERT_EQ(dlg->m_nCountReconnect, 0) << "cycle " << cycle;
    }
};

TEST_F(RobustnessTest, UnplugAndReplugWithTheSheetOpen) {
    StartRunning();
    for (int cycle = 0; cycle < kCycles; ++cycle) {
        dlg->OnCommand(hidedlg::kCmdLaunchConfig);
        ASSERT_TRUE(host.sheet.windowAlive) << cycle;
        size_t pushed = driver.appliedConfigs.size();

        driver.plugged = false;
        dlg->OnDeviceChange();
        host.Advance(2000);
        ASSERT_EQ(host.sheet.liveObjects, 0) << cycle;
        ASSERT_EQ(host.trayStates.back(), TrayState::NotExist) << cycle;

        driver.plugged = true;
        dlg->OnDeviceChange();
        host.Advance(4000);
        ASSERT_EQ(driver.appliedConfigs.size(), pushed + 1) << cycle;
        ASSERT_EQ(dlg->m_bDeviceExist, 1) << cycle;
        ASSERT_EQ(G_bDeviceRemoved, 0) << cycle;
        host.Advance(2000);
        ASSERT_EQ(host.trayStates.back(), TrayState::Good) << cycle;
        ExpectNothingPiledUp(cycle);
    }
    EXPECT_EQ(host.sheet.created, kCycles);
}

TEST_F(RobustnessTest, SleepAndResumeWithADriverThatIsSometimesLate) {
    StartRunning();
    for (int cycle = 0; cycle < kCycles; ++cycle) {
        size_t pushed = driver.appliedConfigs.size();
        dlg->OnPowerBroadcast(hidedlg::kPowerSuspend);
        ASSERT_TRUE(host.timers.empty()) << cycle;
        host.Advance(60000);  // asleep: nothing runs
        ASSERT_EQ(driver.appliedConfigs.size(), pushed) << cycle;

        int lateBy = cycle % 4;  // 0: ready at once; else ready after that many polls
        driver.initialStates = std::deque<int>(static_cast<size_t>(lateBy), 0);
        dlg->OnPowerBroadcast(hidedlg::kPowerResumeAutomatic);
        host.Advance(1000 * (lateBy + 1));
        ASSERT_EQ(driver.appliedConfigs.size(), pushed + 1) << cycle;
        ExpectNothingPiledUp(cycle);
    }
}

TEST_F(RobustnessTest, ADriverThatNeverBecomesReadyOrForgetsItsConfiguration) {
    StartRunning();
    for (int cycle = 0; cycle < kCycles; ++cycle) {
        size_t pushed = driver.appliedConfigs.size();
        if (cycle % 2 == 0) {
            // Never ready: pushed anyway after WaitforDriverInitialized (5) polls.
            driver.initialStates = std::deque<int>(6, 0);
            dlg->OnPowerBroadcast(hidedlg::kPowerSuspend);
            dlg->OnPowerBroadcast(hidedlg::kPowerResumeAutomatic);
            host.Advance(5000);
        } else {
            driver.runningAuthMode = 0;  // the driver dropped its security settings
            host.Advance(2000);
        }
        ASSERT_EQ(driver.appliedConfigs.size(), pushed + 1) << cycle;
        ExpectNothingPiledUp(cycle);
    }
}
