// Start-up outcomes and adapter detection.
#include <cstring>

#include "app/testing/hide_dlg_fixture.h"

namespace {

bool SameRecord(const AVAILABLE_DEV& a, const AVAILABLE_DEV& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace

using StartupTest = HideDlgTest;

TEST_F(StartupTest, MissingLibraryShowsItsPathAndEndsWithoutAnyDriverCall) {
    platform.files[kSettingsPath] = "[Settings]\r\nDebugMode=1\r\n";
    ScriptedDriver::current = &driver;
    EXPECT_FALSE(dlg->OnInitDialog());

    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, kLibraryPath);
    EXPECT_EQ(host.messages[0].caption, "Load dll fail");
    EXPECT_FALSE(host.messages[0].ownedByHiddenWindow);
    EXPECT_EQ(host.endResult, 1);
    EXPECT_TRUE(Traced(std::string("[Zelvin][NvCfg] Load dll fail: ") + kLibraryPath + "\n"));
    EXPECT_TRUE(driver.calls.empty());
    EXPECT_FALSE(host.trayPresent);
    EXPECT_TRUE(host.timers.empty());
}

TEST_F(StartupTest, WithoutDebugModeTheFailureTraceStaysOffTheChannel) {
    platform.files[kSettingsPath] = "[Settings]\r\nDebugMode=0\r\n";
    ScriptedDriver::current = &driver;
    EXPECT_FALSE(dlg->OnInitDialog());
    EXPECT_TRUE(platform.debugLines.empty());
}

TEST_F(StartupTest, NoAdministratorRightsEndsWithResult2AfterStartingTheLibrary) {
    driver.admin = 0;
    EXPECT_FALSE(Start());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Soft AP user's account must have 'Administrator' privilege.");
    EXPECT_EQ(host.messages[0].caption, "Zelvin");
    EXPECT_EQ(host.endResult, 2);
    EXPECT_EQ(driver.Count("NVAP_Initial"), 1);
    EXPECT_EQ(driver.Count("NVAP_GetAvailableAdapters"), 0);
    EXPECT_FALSE(host.trayPresent);

    dlg->OnDestroy();  // the shutdown stops the library it started
    EXPECT_EQ(driver.Count("NVAP_DeInitial"), 1);
}

TEST_F(StartupTest, WithTheAdapterTheCardComesUpTheSheetOpensAndTheTrayShowsLost) {
    EXPECT_TRUE(Start());
    EXPECT_TRUE(Traced(std::string("[Zelvin][NvCfg] Load dll Success: ") + kLibraryPath + "\n"));
    EXPECT_EQ(driver.initialName, "Norvane");
    EXPECT_EQ(driver.initialWindow, host.WindowHandle());
    EXPECT_EQ(host.mainIconSet, 1);
    EXPECT_EQ(dlg->m_bDeviceExist, 1);

    // Order: start the library, rights, detection, presence, card, then the rest.
    int initial = driver.IndexOf("NVAP_Initial");
    int admin = driver.IndexOf("NVAP_DetectUserAdmin");
    int detect = driver.IndexOf("NVAP_GetAvailableAdapters");
    int select = driver.IndexOf("NVAP_AdapterSelect");
    int card = driver.IndexOf("NVAP_InitAPSettings");
    EXPECT_LT(initial, admin);
    EXPECT_LT(admin, detect);
    EXPECT_LT(detect, select);
    EXPECT_LT(select, card);

    EXPECT_EQ(host.sheet.created, 1);
    EXPECT_EQ(host.sheetCaptions.at(0), host.texts.configTitle);
    ASSERT_EQ(host.trayStates.size(), 1u);
    EXPECT_EQ(host.trayStates[0], TrayState::Lost);
    EXPECT_EQ(host.lastTooltip, host.texts.norvaneLost);
    EXPECT_EQ(dlg->m_bTrayIconAdded, 1);
    ASSERT_EQ(host.timers.count(hidedlg::kWatchdogTimer), 1u);
    EXPECT_EQ(host.timers[hidedlg::kWatchdogTimer].period, 2000u);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(StartupTest, NoAdapterWithoutSilentSwitchShowsDriverNotOkBeforeTheIcon) {
    driver.adapters.clear();
    bool trayPresentDuringMessage = true;
    host.duringModal = [&] {
        trayPresentDuringMessage = host.trayPresent;
        EXPECT_EQ(dlg->m_bBusy, 1);
    };
    EXPECT_TRUE(Start());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, host.texts.driverNotOk);
    EXPECT_EQ(host.messages[0].caption, host.texts.apConfigMsg);
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Stop);
    EXPECT_FALSE(trayPresentDuringMessage);
    EXPECT_EQ(dlg->m_bBusy, 0);
    EXPECT_EQ(host.sheet.created, 0);
    EXPECT_EQ(host.trayStates.back(), TrayState::NotExist);
    EXPECT_EQ(driver.Count("NVAP_InitAPSettings"), 0);
}

TEST_F(StartupTest, SilentStartWithoutAdapterShowsNoMessageAndNoSheet) {
    driver.adapters.clear();
    dlg->m_bShowSheet = 0;
    EXPECT_TRUE(Start());
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(host.sheet.created, 0);
    EXPECT_EQ(host.trayStates.back(), TrayState::NotExist);
    EXPECT_EQ(host.lastTooltip, host.texts.norvaneNotExist);
}

TEST_F(StartupTest, DetectionByAdapterCount) {
    AVAILABLE_DEV first = MakeAdapter("Card A", "HW\\A");
    AVAILABLE_DEV second = MakeAdapter("Card B", "HW\\B");
    AVAILABLE_DEV third = MakeAdapter("Card A", "HW\\C");  // same description, other lines differ
    struct Case {
        const char* name;
        std::vector<AVAILABLE_DEV> adapters;
        std::optional<int> choice;
        int wantCount;
        int wantDialogs;
        std::vector<int> wantCapacities;
        int wantSelected;  // index into adapters; -1: nothing selected
    } cases[] = {
        {"none", {}, std::nullopt, 0, 0, {1}, -1},
        {"one", {first}, std::nullopt, 1, 0, {1}, 0},
        {"two, -10 then room for two", {first, second}, 1, 2, 1, {1, 2}, 1},
        {"three, user picks the third", {first, second, third}, 2, 3, 1, {1, 3}, 2},
        {"three, dialog closed without OK", {first, second, third}, std::nullopt, 3, 1, {1, 3}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedDriver d;
        d.adapters = c.adapters;
        d.Install();
        FakeHost h;
        h.adapterChoice = c.choice;
        CHideDlg window(h);
        std::memcpy(&NVAPAPI.m_SelectedAdapter, &first, sizeof first);
        platform.debugLines.clear();

        EXPECT_EQ(window.DetectAdapter(), c.wantCount);
        EXPECT_EQ(static_cast<int>(h.adapterDialogs.size()), c.wantDialogs);
        EXPECT_EQ(d.capacities, c.wantCapacities);
        if (c.wantSelected < 0) {
            EXPECT_EQ(d.Count("NVAP_AdapterSelect"), 0);
            EXPECT_EQ(NVAPAPI.m_SelectedAdapter.DeviceDesc[0], '\0');
            EXPECT_EQ(NVAPAPI.m_SelectedAdapter.HardwareId[0], '\0');
            EXPECT_EQ(NVAPAPI.m_SelectedAdapter.ExtraText1[0], '\0');
            EXPECT_EQ(NVAPAPI.m_SelectedAdapter.ExtraText2[0], '\0');
        } else {
            const AVAILABLE_DEV& want = c.adapters[static_cast<size_t>(c.wantSelected)];
            EXPECT_TRUE(SameRecord(NVAPAPI.m_SelectedAdapter, want));
            ASSERT_EQ(d.selections.size(), 1u);
            EXPECT_TRUE(SameRecord(d.selections[0], want));
        }
        if (c.wantCount == 1) {
            EXPECT_TRUE(Traced("[Zelvin] DetectAdapter(): ICS is bound by the pAvailableDevList->adapter[0]\n"));
        }
        if (c.wantCount > 1) {
            EXPECT_TRUE(Traced("[Zelvin] DetectAdapter(): selected Adapter from pAvailableDevList->adapter[" +
                               std::to_string(c.wantSelected) + "]\n"));
            EXPECT_EQ(h.adapterDialogs[0].size(), c.adapters.size());
            EXPECT_EQ(window.m_bBusy, 0);
        }
    }
}

TEST_F(StartupTest, ACountThatGrowsBetweenTheTwoCallsIsCutToTheBufferItFilled) {
    driver.adapters = {MakeAdapter("Card A", "HW\\A"), MakeAdapter("Card B", "HW\\B")};
    driver.extraCountOnSecondCall = 5;  // the second answer claims 7 adapters in room for 2
    driver.Install();
    host.adapterChoice = 1;
    EXPECT_EQ(dlg->DetectAdapter(), 2);
    EXPECT_EQ(driver.capacities, (std::vector<int>{1, 2}));
    ASSERT_EQ(host.adapterDialogs.size(), 1u);
    EXPECT_EQ(host.adapterDialogs[0].size(), 2u);
    EXPECT_STREQ(NVAPAPI.m_SelectedAdapter.HardwareId, "HW\\B");
}

TEST_F(StartupTest, ALibraryThatClaimsMoreThanFitsWithoutMinus10TakesOnlyWhatFits) {
    driver.adapters = {MakeAdapter("Card A", "HW\\A"), MakeAdapter("Card B", "HW\\B")};
    driver.answerMinus10 = false;
    driver.Install();
    EXPECT_EQ(dlg->DetectAdapter(), 1);
    EXPECT_TRUE(host.adapterDialogs.empty());
    EXPECT_STREQ(NVAPAPI.m_SelectedAdapter.HardwareId, "HW\\A");
}

TEST_F(StartupTest, CommandsAndTicksDuringTheAdapterChoiceAreIgnored) {
    driver.adapters = {MakeAdapter("Card A", "HW\\A"), MakeAdapter("Card B", "HW\\B")};
    host.adapterChoice = 0;
    host.duringModal = [&] {
        dlg->OnCommand(hidedlg::kCmdLaunchConfig);  // a second start
        dlg->OnTrayNotify(hidedlg::kMouseRightButtonDown);
        dlg->OnTimer(hidedlg::kWatchdogTimer);
        dlg->OnCommand(hidedlg::kCmdExit);
    };
    dlg->m_bShowSheet = 0;
    EXPECT_TRUE(Start());
    EXPECT_EQ(host.sheet.created, 0);
    EXPECT_TRUE(host.menus.empty());
    EXPECT_FALSE(host.endResult.has_value());
    EXPECT_EQ(dlg->m_bBusy, 0);
    EXPECT_EQ(driver.Count("NVAP_QueryAuthMode"), 0);
}
