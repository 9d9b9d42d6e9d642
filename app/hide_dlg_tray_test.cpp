// The tray icon and menu, the sheet's creation, exit and the station-mode switch.
#include "app/station_mode_command.h"
#include "app/testing/hide_dlg_fixture.h"

using TrayTest = HideDlgTest;

TEST_F(TrayTest, ALostIconIsAddedAgainAtTheNextStateChange) {
    StartRunning();
    host.trayPresent = false;  // the notification area dropped it
    EXPECT_TRUE(dlg->SetTrayIcon(TrayState::Weak));
    EXPECT_TRUE(host.trayPresent);
    EXPECT_EQ(host.trayStates.back(), TrayState::Weak);
    EXPECT_EQ(dlg->m_bTrayIconAdded, 1);

    host.trayPresent = false;
    host.trayAccepts = false;
    EXPECT_FALSE(dlg->SetTrayIcon(TrayState::Good));
    EXPECT_EQ(dlg->m_bTrayIconAdded, 0);
}

TEST_F(TrayTest, ARestartedTaskbarGetsTheIconBackInItsCurrentState) {
    StartRunning();
    driver.quality = 50;
    host.Advance(2000);
    host.trayPresent = false;
    dlg->OnTaskbarCreated();
    EXPECT_TRUE(host.trayPresent);
    EXPECT_EQ(host.trayStates.back(), TrayState::Normal);
    EXPECT_EQ(host.lastTooltip, "AP normal");
}

TEST_F(TrayTest, TooltipTextIsFormattedSafelyFromTheLanguageText) {
    host.texts.norvaneLost = "Lost 100%% %s %n";
    StartRunning();
    EXPECT_EQ(host.lastTooltip, "Lost 100% %s %n");
}

TEST_F(TrayTest, DoubleClickOpensOrRaisesTheSheetOnlyWithTheAdapterPresent) {
    dlg->m_bShowSheet = 0;
    StartRunning();
    dlg->OnTrayNotify(hidedlg::kMouseLeftButtonDoubleClick);
    EXPECT_EQ(host.sheet.created, 1);
    EXPECT_EQ(host.eventLogResets, 1);
    int raised = host.sheet.foregroundRequests;
    dlg->OnTrayNotify(hidedlg::kMouseLeftButtonDoubleClick);
    EXPECT_EQ(host.sheet.created, 1);
    EXPECT_EQ(host.sheet.foregroundRequests, raised + 1);
    EXPECT_EQ(host.sheet.liveObjects, 1);

    host.sheet.windowAlive = false;  // the user closed it; its object stays behind
    dlg->OnTrayNotify(hidedlg::kMouseLeftButtonDoubleClick);
    EXPECT_EQ(host.sheet.created, 2);
    EXPECT_EQ(host.sheet.liveObjects, 1);
    EXPECT_EQ(host.eventLogResets, 2);

    dlg->OnTrayNotify(0x0200);  // mouse move: ignored
    EXPECT_TRUE(host.menus.empty());
}

TEST_F(TrayTest, DoubleClickAndOpenCommandDoNothingWithoutTheAdapter) {
    driver.adapters.clear();
    dlg->m_bShowSheet = 0;
    StartRunning();
    dlg->OnTrayNotify(hidedlg::kMouseLeftButtonDoubleClick);
    dlg->OnCommand(hidedlg::kCmdLaunchConfig);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(host.sheet.created, 0);
}

TEST_F(TrayTest, TheSheetEndsTenPixelsBelowItsHelpButton) {
    struct Case {
        ScreenRect window;
        ScreenRect help;
    } cases[] = {
        {{100, 100, 500, 400}, {400, 350, 480, 372}},
        {{0, 0, 300, 900}, {200, 100, 280, 120}},  // a template taller than the buttons
    };
    dlg->m_bShowSheet = 0;
    StartRunning();
    for (const Case& c : cases) {
        dlg->m_pSheet.reset();
        host.sheet.window = c.window;
        host.sheet.helpButton = c.help;
        dlg->ShowConfigSheet();
        ASSERT_TRUE(host.sheet.movedTo.has_value());
        EXPECT_EQ(host.sheet.movedTo->bottom, c.help.bottom + 10);
        EXPECT_EQ(host.sheet.movedTo->left, c.window.left);
        EXPECT_EQ(host.sheet.movedTo->top, c.window.top);
        EXPECT_EQ(host.sheet.movedTo->right, c.window.right);
    }
}

TEST_F(TrayTest, RightClickShowsTheThreeCommandsUnlessBusy) {
    StartRunning();
    dlg->m_bBusy = 1;
    dlg->OnTrayNotify(hidedlg::kMouseRightButtonDown);
    EXPECT_TRUE(host.menus.empty());
    dlg->m_bBusy = 0;
    EXPECT_EQ(dlg->OnTrayNotify(hidedlg::kMouseRightButtonDown), 0);
    ASSERT_EQ(host.menus.size(), 1u);
    const std::vector<TrayMenuItem>& menu = host.menus[0];
    ASSERT_EQ(menu.size(), 3u);
    EXPECT_EQ(menu[0].commandId, 32771u);
    EXPECT_EQ(menu[0].text, "Open");
    EXPECT_EQ(menu[1].commandId, 32773u);
    EXPECT_EQ(menu[1].text, "Station mode");
    EXPECT_EQ(menu[2].commandId, 32772u);
    EXPECT_EQ(menu[2].text, "Exit");
}

TEST_F(TrayTest, ExitClosesTheSheetAndHelpWindowsRemovesTheIconAndStopsTheLibrary) {
    StartRunning();
    host.windowsByTitle = {{"AP Config", 2}, {"SoftAP Utility Help", 2}, {"AP Help", 1}};
    dlg->OnCommand(hidedlg::kCmdExit);
    EXPECT_EQ(host.sheet.liveObjects, 0);
    EXPECT_FALSE(host.sheet.windowAlive);
    // One request to a message box; help viewers until none is left.
    EXPECT_EQ(host.closeRequests, (std::vector<std::string>{"AP Config", "SoftAP Utility Help", "SoftAP Utility Help",
                                                            "AP Help"}));
    EXPECT_FALSE(host.trayPresent);
    EXPECT_EQ(dlg->m_bTrayIconAdded, 0);
    EXPECT_EQ(host.endResult, 1);
    EXPECT_TRUE(driver.calls.empty());  // the library stops with the window, not before

    dlg->OnDestroy();
    EXPECT_EQ(driver.calls, (std::vector<std::string>{"NVAP_GetWinOS", "NVAP_DisableDhcpServer", "NVAP_DeInitial"}));
    driver.calls.clear();
    driver.winOS = 6;
    dlg->OnDestroy();
    EXPECT_EQ(driver.calls, (std::vector<std::string>{"NVAP_GetWinOS", "NVAP_DeInitial"}));
}

TEST_F(TrayTest, ExitIsIgnoredWhileBusy) {
    StartRunning();
    dlg->m_bBusy = 1;
    dlg->OnCommand(hidedlg::kCmdExit);
    EXPECT_FALSE(host.endResult.has_value());
    EXPECT_TRUE(host.trayPresent);
}

TEST_F(TrayTest, AHelpWindowThatNeverClosesCannotHangTheInterface) {
    StartRunning();
    host.windowsByTitle = {{"HTML Help", 1}};
    host.windowsIgnoreClose = true;
    dlg->CloseHelpWindows();
    EXPECT_GE(host.closeRequests.size(), 1u);
    EXPECT_LE(host.closeRequests.size(), 50u);
    EXPECT_EQ(host.windowsByTitle["HTML Help"], 1);
}

TEST_F(TrayTest, EmptyLanguageTextsNeverMatchUntitledWindows) {
    host.texts.apConfigMsg.clear();
    host.texts.apConfigHelp.clear();
    StartRunning();
    host.windowsByTitle = {{"", 3}};
    dlg->CloseHelpWindows();
    EXPECT_TRUE(host.closeRequests.empty());
}

TEST_F(TrayTest, StationModeSwitchEndsTheWindowThenStartsTheCompanionByFullPath) {
    platform.files[kSettingsPath] =
        "[Settings]\r\nDebugMode=1\r\n[NvSwap]\r\nUTILITY_FILE_NAME=A\r\nSHORTCUT_FOLDER_NAME=B\r\nSHORTCUT_UI_NAME=C\r\n";
    driver.adapters = {MakeAdapter("Card", "D")};
    ASSERT_TRUE(Start(platform.files[kSettingsPath]));
    driver.calls.clear();
    dlg->OnCommand(hidedlg::kCmdSwitchStationMode);

    EXPECT_EQ(driver.opModesSet.back(), 0);
    int setMode = driver.IndexOf("NVAP_SetOPMode");
    int restore = driver.IndexOf("NVAP_RestoreStationSetting");
    int deleteProfile = driver.IndexOf("NVAP_DeleteVistaWindowsProfile");
    EXPECT_LT(setMode, restore);
    EXPECT_LT(restore, deleteProfile);
    EXPECT_FALSE(host.trayPresent);
    EXPECT_EQ(host.endResult, 1);
    ASSERT_EQ(host.startedPrograms.size(), 1u);
    EXPECT_EQ(host.startedPrograms[0][0], "C:\\Zelvin\\NvSwap.exe");
    EXPECT_EQ(host.startedPrograms[0][1], "\"NvSwap.exe\" OFF A Zelvin \"B\" \"C\" \"D\"");
    EXPECT_EQ(host.startedPrograms[0][2], "C:\\Zelvin\\");
}

TEST_F(TrayTest, StationModeUsesTheDefaultNamesAndSkipsTheProfileOnOldSystems) {
    driver.winOS = 9;
    StartRunning();
    dlg->OnCommand(hidedlg::kCmdSwitchStationMode);
    EXPECT_EQ(driver.Count("NVAP_DeleteVistaWindowsProfile"), 0);
    ASSERT_EQ(host.startedPrograms.size(), 1u);
    EXPECT_EQ(host.startedPrograms[0][1],
              "\"NvSwap.exe\" OFF Corvella_WLAN_Utility Zelvin \"Corvella WLAN\" \"Corvella Wireless Utility\" "
              "\"USB\\VID_1&PID_1\"");
}

TEST_F(TrayTest, StationModeIsRefusedWhileAnotherProcessUsesTheLibrary) {
    StartRunning();
    driver.moreThanOneProcess = 1;
    dlg->OnCommand(hidedlg::kCmdSwitchStationMode);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "In use");
    EXPECT_EQ(host.messages[0].caption, "AP Config");
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(driver.Count("NVAP_SetOPMode"), 0);
    EXPECT_FALSE(host.endResult.has_value());
    EXPECT_TRUE(host.startedPrograms.empty());
    EXPECT_TRUE(host.trayPresent);
}

TEST_F(TrayTest, StationModeWaitsForAModalStepToEnd) {
    StartRunning();
    dlg->m_bBusy = 1;
    dlg->OnCommand(hidedlg::kCmdSwitchStationMode);
    EXPECT_EQ(driver.Count("NVAP_SetOPMode"), 0);
    EXPECT_TRUE(host.startedPrograms.empty());
}

TEST_F(TrayTest, TheTaskbarSweepPassesOverEveryRowOfTheToolbar) {
    host.toolbarWidth = 5;
    dlg->RefreshTrayArea();
    EXPECT_EQ(host.mouseMoves, (std::vector<std::pair<int, int>>{{1, 1}, {1, 2}, {1, 3}, {1, 4}}));
    host.mouseMoves.clear();
    host.taskbarPresent = false;
    dlg->RefreshTrayArea();
    EXPECT_TRUE(host.mouseMoves.empty());
}

TEST(StationModeCommand, PathsComeFromTheExecutablesFolder) {
    EXPECT_EQ(FolderOf("C:\\Apps\\my.tool.exe"), "C:\\Apps\\");
    EXPECT_EQ(BaseNameWithoutExtension("C:\\Apps\\my.tool.exe"), "my.tool");
    StationModeLaunch launch = BuildStationModeLaunch("D:\\x y\\Zelvin.exe", "A", "B", "C", "D");
    EXPECT_EQ(launch.programPath, "D:\\x y\\NvSwap.exe");
    EXPECT_EQ(launch.workingFolder, "D:\\x y\\");
}
