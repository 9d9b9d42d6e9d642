// Card initialisation and the push of the stored configuration.
#include <cstring>

#include "app/testing/hide_dlg_fixture.h"

class CardTest : public HideDlgTest {
protected:
    void SetUp() override {
        HideDlgTest::SetUp();
        driver.Install();
        driver.SetStoredSsid("Office");
        driver.stored.lFreq = 2437999;
        driver.stored.WirelessMode = 9;
        driver.stored.HT_PhyMode = 0x1234;
        driver.stored.CountryRegion_11BG = 5;
        driver.stored.CountryRegion_11A = 7;
    }
};

TEST_F(CardTest, StationModeIsSwitchedToAccessPointBeforeTheSettingsArePrepared) {
    struct Case {
        int opMode;
        std::vector<int> wantSet;
    } cases[] = {{0, {1}}, {1, {}}};
    for (const Case& c : cases) {
        driver.calls.clear();
        driver.opModesSet.clear();
        driver.opMode = c.opMode;
        dlg->InitCard();
        EXPECT_EQ(driver.opModesSet, c.wantSet) << "mode " << c.opMode;
        if (!c.wantSet.empty()) {
            EXPECT_LT(driver.IndexOf("NVAP_SetOPMode"), driver.IndexOf("NVAP_InitAPSettings"));
        }
    }
}

TEST_F(CardTest, ADriverRefusingAccessPointModeIsTracedAndInitialisationGoesOn) {
    driver.setOpModeResult = 0;
    driver.zeroConfig = 1;
    dlg->InitCard();
    EXPECT_TRUE(Traced("[Zelvin] HideDlg::InitCard ERROR: Driver doesn't support KX_OID_802_11_SET_OP_MODE oid\n"));
    EXPECT_TRUE(Traced("[Zelvin] HideDlg::InitCard() NVAP_IsZeroConfig--> NVAP_StopXpZeroConfig\n"));
    EXPECT_EQ(driver.Count("NVAP_StopXpZeroConfig"), 1);
    EXPECT_TRUE(Traced("[Zelvin] HideDlg::NVAPAPI.NVAP_InitAPSettings() return 7\n"));
    EXPECT_EQ(driver.Count("NVAP_SetConfigData"), 1);
}

TEST_F(CardTest, ReadyDriverGetsTheStoredConfigurationAndTheAddressServiceByGeneration) {
    struct Case {
        int winOS;
        int wantDhcp;
    } cases[] = {{6, 0}, {7, 1}, {10, 1}};
    for (const Case& c : cases) {
        driver.calls.clear();
        driver.winOS = c.winOS;
        dlg->InitCard();
        EXPECT_EQ(driver.Count("NVAP_EnableDhcpServer"), c.wantDhcp) << c.winOS;
        EXPECT_EQ(driver.Count("NVAP_SetConfigData"), 1);
        EXPECT_TRUE(host.timers.empty());
    }
    EXPECT_TRUE(Traced("[Zelvin] HideDlg::InitCard(), NVAP_QueryInitialState return 1\n"));
    EXPECT_TRUE(Traced("[Zelvin] HideDlg::InitCard() --> SetOidFromReg\n"));
    EXPECT_TRUE(Traced("[Zelvin] HideDlg::InitCard() --> NVAP_EnableDhcpServer\n"));
}

TEST_F(CardTest, DriverNotReadyStartsThePollInsteadOfPushing) {
    driver.initialStates = {0};
    dlg->InitCard();
    EXPECT_EQ(driver.Count("NVAP_SetConfigData"), 0);
    EXPECT_EQ(driver.Count("NVAP_EnableDhcpServer"), 0);
    ASSERT_EQ(host.timers.count(hidedlg::kDriverPollTimer), 1u);
    EXPECT_EQ(host.timers[hidedlg::kDriverPollTimer].period, 1000u);
    EXPECT_EQ(dlg->m_nDriverPollTimer, hidedlg::kDriverPollTimer);
    EXPECT_TRUE(Traced("[Zelvin] HideDlg::driver not ready --> SetTimer to wait and query\n"));
}

TEST_F(CardTest, TheStoredRecordIsAppliedUnchangedAndTraced) {
    dlg->SetOidFromReg();
    ASSERT_EQ(driver.appliedConfigs.size(), 1u);
    EXPECT_EQ(std::memcmp(&driver.appliedConfigs[0], &driver.stored, sizeof driver.stored), 0);
    EXPECT_TRUE(Traced("[Zelvin] SetOidFromReg(): NVAP_ReadConfigData() ApConfigData.HT_PhyMode.field.PhyMode = 4\n"));
    EXPECT_TRUE(Traced("[Zelvin] SetOidFromReg(): NVAP_SetConfigData() WirelessMode = 9, CountryRegion_11BG = 5,  "
                       "CountryRegion_11A = 7\n"));
    EXPECT_TRUE(Traced("[Zelvin] SetOidFromReg(): NVAP_SetConfigData() ApConfigData.lFreq = 2437k\n"));
}

TEST_F(CardTest, AccessControlIsPushedInEveryCase) {
    struct Case {
        const char* policy;
        std::vector<std::string> list;
        unsigned wantPolicy;
        unsigned wantCount;
        int wantListReads;
    } cases[] = {
        {"0", {"001122334455"}, 0, 0, 0},
        {"1", {}, 0, 0, 1},
        {"2", {"00a0C9Ff1234"}, 2, 1, 1},
    };
    for (const Case& c : cases) {
        driver.calls.clear();
        driver.acls.clear();
        std::memset(driver.policyText, 0, sizeof driver.policyText);
        std::strcpy(driver.policyText, c.policy);
        driver.SetAccessList(c.list);
        dlg->SetOidFromReg();
        ASSERT_EQ(driver.acls.size(), 1u) << c.policy;
        EXPECT_EQ(driver.acls[0].Policy, c.wantPolicy) << c.policy;
        EXPECT_EQ(driver.acls[0].EntryCount, c.wantCount) << c.policy;
        EXPECT_EQ(driver.Count("NVAP_ReadAccessList"), c.wantListReads) << c.policy;
    }
    EXPECT_EQ(driver.acls[0].Entry[0].MacAddress[1], 0xA0);
}

TEST_F(CardTest, ProfileUpdateByGenerationAndSsid) {
    struct Case {
        const char* name;
        int winOS;
        std::string ssid;
        int pendingBefore;
        std::vector<std::string> wantProfiles;
        int wantPending;
    } cases[] = {
        {"generation 9 makes no profile", 9, "Home", 0, {}, 0},
        {"generation 9 leaves a pending profile alone", 9, "Home", 1, {}, 1},
        {"empty SSID makes no profile", 10, "", 0, {}, 0},
        {"a given SSID", 10, "Home", 0, {"Home"}, 1},
        {"the stored SSID for the placeholder word", 10, "getUpdatedSSID", 0, {"Office"}, 1},
        {"the word is case-sensitive", 10, "GetUpdatedSSID", 0, {"GetUpdatedSSID"}, 1},
    };
    for (const Case& c : cases) {
        driver.profileSsids.clear();
        driver.winOS = c.winOS;
        dlg->m_bProfilePending = c.pendingBefore;
        dlg->UpdateVistaProfile(c.ssid);
        EXPECT_EQ(driver.profileSsids, c.wantProfiles) << c.name;
        EXPECT_EQ(dlg->m_bProfilePending, c.wantPending) << c.name;
    }
    EXPECT_TRUE(Traced("[Zelvin] HideDlg::CHideDlg::NVAPAPI.NVAP_SetVistaWindowsProfile(SSID = Office, length = 6)\n"));
}

TEST_F(CardTest, AFullLengthSsidWithoutTerminatorIsTracedAndPassedAsExactly32Bytes) {
    std::string full(32, 'Z');
    driver.SetStoredSsid(full);
    driver.stored.SsidLength = 40;  // a driver length beyond the field
    driver.stored.WirelessMode = 0x41414141;  // the bytes after Ssid are not zero
    dlg->UpdateVistaProfile("getUpdatedSSID");
    ASSERT_EQ(driver.profileLengths.size(), 1u);
    EXPECT_EQ(driver.profileLengths[0], 32);
    EXPECT_EQ(driver.profileSsids[0], full);
    EXPECT_TRUE(Traced("[Zelvin] HideDlg::CHideDlg::NVAPAPI.NVAP_SetVistaWindowsProfile(SSID = " + full +
                       ", length = 32)\n"));
}

TEST_F(CardTest, SetOidFromRegHandsTheStoredSsidToTheProfile) {
    dlg->SetOidFromReg();
    EXPECT_EQ(driver.profileSsids, (std::vector<std::string>{"Office"}));
    EXPECT_GT(driver.IndexOf("NVAP_SetVistaWindowsProfile"), driver.IndexOf("NVAP_Set80211ACL"));
}
