// Contract tests of the stored and running configuration.
#include <cctype>
#include <string>

#include "simdriver/ba_capability.h"
#include "simdriver/sim_test_fixture.h"

namespace simdrv {
namespace {

using ConfigTest = SimDriverTest;

TEST_F(ConfigTest, FirstUseHoldsTheFactoryDefaults) {
    AP_CONFIG_DATA stored = Stored();
    AP_CONFIG_DATA defaults{};
    ASSERT_EQ(NVAP_GetAPDefault(&defaults), 1);
    EXPECT_EQ(std::memcmp(&stored, &defaults, sizeof stored), 0) << "store starts as the defaults record";

    EXPECT_EQ(Ssid(stored), "SoftAP-4C5610");
    EXPECT_EQ(stored.WirelessMode, 9u);
    EXPECT_EQ(NVAP_FrequencyToChannel(stored.lFreq), 6);
    EXPECT_EQ(stored.HT_PhyMode & 0xFu, 9u);
    EXPECT_EQ(stored.HT_PhyMode & (1u << 15), 1u << 15);
    EXPECT_EQ(stored.AuthSecuData.AuthenMode, 7u);
    EXPECT_EQ(stored.AuthSecuData.EncryStatus, 6u);
    EXPECT_EQ(stored.AuthSecuData.PskKeyLen, 12u);
    const std::string key(reinterpret_cast<const char*>(stored.AuthSecuData.PskKey), 12);
    for (char c : key) EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(c))) << key;
    EXPECT_EQ(stored.AuthSecuData.PskKey[12], 0);
    EXPECT_EQ(stored.AuthSecuData.GroupRekeyInterval, 60u);
    EXPECT_EQ(stored.nBeaconPeriod, 100u);
    EXPECT_EQ(stored.nIdleTime, 300u);
    EXPECT_EQ(stored.nRTSThreshold, 2346u);
    EXPECT_EQ(stored.nFragThreshold, 2347u);
    EXPECT_EQ(stored.bTxBurst, 1u);
    EXPECT_EQ(stored.bShortSlot, 1u);
    EXPECT_EQ(stored.bAllowBW40, 1u);
    for (const std::string& line : host.trace) EXPECT_EQ(line.find(key), std::string::npos) << "passphrase traced";
}

TEST_F(ConfigTest, AWrittenRecordSurvivesARestartByteForByte) {
    AP_CONFIG_DATA cfg = Stored();
    SetSsid(cfg, std::string(32, 'Z'));  // 32 bytes: no terminator in the record
    cfg.nIdleTime = 3600;
    cfg.AuthSecuData.AuthenMode = 4;
    WriteConfig(cfg);

    StartProcess();
    AP_CONFIG_DATA back = Stored();
    EXPECT_EQ(std::memcmp(&back, &cfg, sizeof cfg), 0);
    int mode = 0;
    NVAP_ReadAuthMode(&mode);
    EXPECT_EQ(mode, 4);
}

TEST_F(ConfigTest, RecordsNoCallerMayReadAreRefusedAndNotStored) {
    const AP_CONFIG_DATA before = Stored();
    AP_CONFIG_DATA longSsid = before;
    longSsid.SsidLength = 33;
    AP_CONFIG_DATA longKey = before;
    longKey.AuthSecuData.PskKeyLen = 65;
    EXPECT_EQ(NVAP_WriteandSetConfigData(longSsid, AP_CONFIG_EXT{}), 0);
    EXPECT_EQ(NVAP_WriteandSetConfigData(longKey, AP_CONFIG_EXT{}), 0);
    BringUp();
    AP_CONFIG_EXT ext{};
    EXPECT_EQ(NVAP_SetConfigData(&longSsid, &ext), 0);
    AP_CONFIG_DATA after = Stored();
    EXPECT_EQ(std::memcmp(&after, &before, sizeof before), 0);
}

TEST_F(ConfigTest, RunningAuthenticationFollowsTheLastConfigurationApplied) {
    int running = -1, stored = -1;
    NVAP_QueryAuthMode(&running);
    NVAP_ReadAuthMode(&stored);
    EXPECT_EQ(running, 0) << "nothing applied yet";
    EXPECT_EQ(stored, 7);
    BringUp();
    NVAP_QueryAuthMode(&running);
    EXPECT_EQ(running, 7);

    AP_CONFIG_DATA open = Stored();
    open.AuthSecuData.AuthenMode = 0;
    open.AuthSecuData.EncryStatus = 1;
    AP_CONFIG_EXT ext{};
    NVAP_SetConfigData(&open, &ext);  // applied, not stored
    NVAP_QueryAuthMode(&running);
    NVAP_ReadAuthMode(&stored);
    EXPECT_EQ(running, 0);
    EXPECT_EQ(stored, 7);

    AP_CONFIG_DATA cfg = Stored();
    EXPECT_EQ(NVAP_SetAuthSecuKey(&cfg.AuthSecuData, cfg.Ssid, static_cast<int>(cfg.SsidLength)), 1);
    NVAP_QueryAuthMode(&running);
    EXPECT_EQ(running, 7);
    EXPECT_EQ(NVAP_SetAuthSecuKey(&cfg.AuthSecuData, cfg.Ssid, 33), 0);
}

TEST_F(ConfigTest, AFailedStoreWriteIsReportedAsFailure) {
    Stored();  // creates the store
    host.failWrites = true;
    AP_CONFIG_DATA cfg = Stored();
    SetSsid(cfg, "never-kept");
    EXPECT_EQ(NVAP_WriteandSetConfigData(cfg, AP_CONFIG_EXT{}), 0);
    EXPECT_EQ(NVAP_WriteAccessPolicy(1), 0);
    host.failWrites = false;
    EXPECT_EQ(Ssid(Stored()), "SoftAP-4C5610");
}

TEST_F(ConfigTest, ReadingTheStoreTouchesNoFolders) {
    Stored();  // creates the store, and its folder
    host.madeDirectories.clear();
    for (int tick = 0; tick < 5; ++tick) {  // what a watchdog reads each tick
        int mode = -1;
        NVAP_ReadAuthMode(&mode);
        EXPECT_EQ(mode, 7);
        Stored();
    }
    EXPECT_TRUE(host.madeDirectories.empty());
}

TEST_F(ConfigTest, ACorruptStoreGivesTheDefaultsAndATrace) {
    host.files[kStoreFile] = "config=1234\ncheck=00000000\n";
    AP_CONFIG_DATA cfg = Stored();
    AP_CONFIG_DATA defaults{};
    NVAP_GetAPDefault(&defaults);
    EXPECT_EQ(std::memcmp(&cfg, &defaults, sizeof cfg), 0);
    bool traced = false;
    for (const std::string& line : host.trace)
        traced = traced || (line.rfind("[NvAPAPI] ", 0) == 0 && line.find("corrupt") != std::string::npos);
    EXPECT_TRUE(traced);
}

// --- Access control ---------------------------------------------------------

std::string ReadList() {
    char text[1024] = {};
    NVAP_ReadAccessList(text);
    size_t end = 0;
    while (end < sizeof text && !(text[end] == '\0' && (end == 0 || text[end - 1] == '\0'))) ++end;
    return std::string(text, end + 1);
}

TEST_F(ConfigTest, AccessListTextRoundTripsInItsStoredForm) {
    const std::string list("0A1B2C3D4E5F\0" "aabbccddeeff\0" "00a0C9Ff1234\0\0", 40);
    ASSERT_EQ(NVAP_WriteAccessList(list.data(), 13 * 3 + 1), 1);
    ASSERT_EQ(NVAP_WriteAccessPolicy(2), 1);
    StartProcess();
    EXPECT_EQ(ReadList(), list);
    char policy[1024] = {};
    NVAP_ReadAccessPolicy(policy);
    EXPECT_STREQ(policy, "2");

    ASSERT_EQ(NVAP_WriteAccessList("", 1), 1);
    EXPECT_EQ(ReadList(), std::string(1, '\0'));
}

TEST_F(ConfigTest, AccessListsThatAreNotWellFormedAreRefused) {
    const std::string good("0A1B2C3D4E5F\0\0", 14);
    ASSERT_EQ(NVAP_WriteAccessList(good.data(), 14), 1);
    const struct {
        const char* what;
        std::string bytes;
        int length;
    } cases[] = {
        {"no terminator within the length", std::string("0A1B2C3D4E5F", 12), 12},
        {"no closing empty string", std::string("0A1B2C3D4E5F\0", 13), 13},
        {"eleven digits", std::string("0A1B2C3D4E5\0\0", 13), 13},
        {"not hexadecimal", std::string("0A1B2C3D4E5G\0\0", 14), 14},
        {"zero length", std::string("\0", 1), 0},
        {"longer than the stored text", std::string(1025, '\0'), 1025},
    };
    for (const auto& c : cases) EXPECT_EQ(NVAP_WriteAccessList(c.bytes.data(), c.length), 0) << c.what;
    EXPECT_EQ(ReadList(), good) << "refused writes leave the stored list alone";
    EXPECT_EQ(NVAP_WriteAccessPolicy(3), 0);
    EXPECT_EQ(NVAP_WriteAccessPolicy(-1), 0);
    char policy[1024] = {};
    NVAP_ReadAccessPolicy(policy);
    EXPECT_STREQ(policy, "0");
}

TEST_F(ConfigTest, AccessControlRecordsOutOfRangeAreRefused) {
    BringUp();
    KX_802_11_ACCESS_CONTROL acl{};
    acl.Policy = 1;
    acl.EntryCount = 33;
    EXPECT_EQ(NVAP_Set80211ACL(&acl), 0);
    acl.EntryCount = 1;
    acl.Policy = 3;
    EXPECT_EQ(NVAP_Set80211ACL(&acl), 0);
    acl.Policy = 1;
    EXPECT_EQ(NVAP_Set80211ACL(&acl), 1);
}

// --- Block-ack capability ----------------------------------------------------

TEST_F(ConfigTest, BlockAckWordIsStoredAndTheRecordIsPutInForce) {
    BringUp();
    unsigned int word = 0;
    ASSERT_EQ(NVAP_ReadBACap(&word), 1);
    const KX_802_11_BA_CAPABILITY def = DefaultBaCapability();
    EXPECT_EQ(word, PackBaCapability(def));
    KX_802_11_BA_CAPABILITY inForce{};
    ASSERT_EQ(NVAP_QueryBACap(&inForce), 1);
    EXPECT_EQ(std::memcmp(&inForce, &def, sizeof def), 0);

    const KX_802_11_BA_CAPABILITY next{32, 32, 2, 7, 1, 1, 0, 0};
    ASSERT_EQ(NVAP_SetBACap(next), 1);
    ASSERT_EQ(NVAP_WriteBACap(PackBaCapability(next) | 0xFC000000u), 1);
    NVAP_QueryBACap(&inForce);
    EXPECT_EQ(std::memcmp(&inForce, &next, sizeof next), 0);

    StartProcess();
    NVAP_ReadBACap(&word);
    EXPECT_EQ(word, PackBaCapability(next)) << "top bits are not stored";
    const KX_802_11_BA_CAPABILITY badPolicy{32, 32, 0, 5, 0, 0, 3, 1};
    EXPECT_EQ(NVAP_SetBACap(badPolicy), 0);
}

// --- Country regions -----------------------------------------------------------

TEST_F(ConfigTest, CountryRegionReportsHighestCodesAndBands) {
    unsigned int regions = 0;
    int a = -1, bg = -1;
    ASSERT_EQ(NVAP_QueryCountryRegion(&regions, &a, &bg), 1);
    EXPECT_EQ((regions >> 16) & 0xFF, 7u);
    EXPECT_EQ(regions >> 24, 16u);
    EXPECT_EQ(a, 1);
    EXPECT_EQ(bg, 1);
}

TEST_F(ConfigTest, ChannelQueryFillsBothBandsInAscendingOrder) {
    unsigned char ch5[32], ch24[32];
    std::memset(ch5, 0xEE, sizeof ch5);
    std::memset(ch24, 0xEE, sizeof ch24);
    int n24 = -1, n5 = -1;
    ASSERT_EQ(NVAP_GetCountryChannel(ch5, ch24, &n24, &n5, 1, 7), 1);
    ASSERT_EQ(n24, 13);
    for (int i = 0; i < n24; ++i) EXPECT_EQ(ch24[i], i + 1);
    EXPECT_EQ(ch24[13], 0);
    ASSERT_EQ(n5, 24);
    EXPECT_EQ(ch5[0], 36);
    EXPECT_EQ(ch5[23], 165);
    for (int i = 1; i < n5; ++i) EXPECT_LT(ch5[i - 1], ch5[i]);

    NVAP_GetCountryChannel(ch5, ch24, &n24, &n5, 30, 99);
    EXPECT_EQ(n24, 0) << "no custom channels unless the scenario names them";
    EXPECT_EQ(n5, 0);
}

}  // namespace
}  // namespace simdrv
