// Contract tests of the adapter, mode and system entry points.
#include <functional>
#include <set>
#include <vector>

#include "simdriver/sim_test_fixture.h"

namespace simdrv {
namespace {

using AdapterTest = SimDriverTest;

std::vector<unsigned char> ListBuffer(int capacity) { return std::vector<unsigned char>(AvailableDevListBytes(capacity), 0xCC); }
AVAILABLE_DEV_LIST* AsList(std::vector<unsigned char>& buffer) { return reinterpret_cast<AVAILABLE_DEV_LIST*>(buffer.data()); }

TEST_F(AdapterTest, AdapterListFollowsTheMinusTenProtocol) {
    SetScenario("adapters = 3\n");
    for (int capacity : {0, 1, 2}) {
        std::vector<unsigned char> buffer = ListBuffer(capacity);
        EXPECT_EQ(NVAP_GetAvailableAdapters(AsList(buffer), capacity), -10) << capacity;
        EXPECT_EQ(AsList(buffer)->nCount, 3u) << capacity;
        // Nothing is written past the room the caller has.
        if (capacity > 0) {
            EXPECT_EQ(buffer[4], 0xCC);
        }
    }
    std::vector<unsigned char> buffer = ListBuffer(3);
    ASSERT_EQ(NVAP_GetAvailableAdapters(AsList(buffer), 3), 1);
    EXPECT_EQ(AsList(buffer)->nCount, 3u);
}

TEST_F(AdapterTest, EveryAdapterHasItsOwnTextInEveryField) {
    SetScenario("adapters = 3\n");
    std::vector<unsigned char> buffer = ListBuffer(3);
    ASSERT_EQ(NVAP_GetAvailableAdapters(AsList(buffer), 3), 1);
    const std::vector<size_t> fields = {offsetof(AVAILABLE_DEV, DeviceDesc),   offsetof(AVAILABLE_DEV, HardwareId),
                                        offsetof(AVAILABLE_DEV, ExtraText1),   offsetof(AVAILABLE_DEV, ExtraText2),
                                        offsetof(AVAILABLE_DEV, LocationInfo), offsetof(AVAILABLE_DEV, Manufacturer)};
    const size_t ends[] = {64, 128, 392, 776, 1032, 1300};
    for (size_t f = 0; f < fields.size(); ++f) {
        std::set<std::string> texts;
        for (int i = 0; i < 3; ++i) {
            const char* base = reinterpret_cast<const char*>(AvailableDevAt(AsList(buffer), i));
            const std::string text(base + fields[f]);
            EXPECT_FALSE(text.empty());
            EXPECT_LT(fields[f] + text.size(), ends[f]) << "text must end before the next field";
            texts.insert(text);
        }
        EXPECT_EQ(texts.size(), 3u) << "field at " << fields[f];
    }
}

TEST_F(AdapterTest, TheSelectedAdapterDecidesAddressAndPresence) {
    SetScenario("adapters = 3\n");
    AVAILABLE_DEV third = Adapter(2);
    ASSERT_EQ(NVAP_AdapterSelect(&third, 0, kWindow), 1);
    EXPECT_EQ(NVAP_IsDeviceExist(&third), 1);
    unsigned char mac[6] = {};
    ASSERT_EQ(NVAP_GetMacAddrs(mac), 1);
    unsigned char expected[6];
    SimAdapter::AdapterMac(2, expected);
    EXPECT_EQ(std::memcmp(mac, expected, 6), 0);
    EXPECT_EQ(mac[0] & 0x03, 0x02) << "locally administered unicast";

    AVAILABLE_DEV none{};
    EXPECT_EQ(NVAP_IsDeviceExist(&none), 0);
    EXPECT_EQ(NVAP_AdapterSelect(&none, 0, kWindow), 0);
    SetScenario("adapters = 2\n");
    EXPECT_EQ(NVAP_IsDeviceExist(&third), 0) << "the third adapter went away";
    EXPECT_EQ(NVAP_GetMacAddrs(mac), 0);
}

TEST_F(AdapterTest, SystemQueriesAreAnsweredForReal) {
    host.osGeneration = 8;
    host.admin = false;
    host.wow64 = true;
    host.files["/help/APCONFIGENG.chm"] = "x";
    EXPECT_EQ(NVAP_GetWinOS(), 8);
    EXPECT_EQ(NVAP_DetectUserAdmin(), 0);
    EXPECT_EQ(NVAP_IsWow64(), 1);
    EXPECT_EQ(NVAP_IsFileExist("/help/APCONFIGENG.chm"), 1);
    EXPECT_EQ(NVAP_IsFileExist("/help/APCONFIGCHN.chm"), 0);
    EXPECT_EQ(NVAP_IsFileExist(""), 0);
    char path[256];
    std::memset(path, 'x', sizeof path);
    AVAILABLE_DEV dev = Adapter(0);
    ASSERT_EQ(NVAP_GetDriverPath(&dev, path), 1);
    EXPECT_STREQ(path, "/opt/sim/NvAPAPI.so");
}

TEST_F(AdapterTest, VersionsAndCapabilitiesOfTheDefaultAdapter) {
    BringUp();
    unsigned char eeprom[2] = {}, firmware[2] = {};
    EXPECT_NE(NVAP_GetEEPROMVer(eeprom) & 0xFF, 0);
    EXPECT_NE(NVAP_GetFirmwareVer(firmware), 0);
    EXPECT_NE(eeprom[0] | eeprom[1], 0);
    EXPECT_NE(firmware[0] | firmware[1], 0);
    int model = 0;
    ASSERT_EQ(NVAP_GetCurrentDeviceModel(&model), 1);
    EXPECT_EQ(model, 4);
    EXPECT_EQ(NVAP_Is80211NSupport(), 1);
    EXPECT_EQ(NVAP_Is80211ASupport(), 1);
    EXPECT_EQ(NVAP_CheckIEEE80211H(), 0);
    EXPECT_EQ(NVAP_DetectMoreThanOneProcess(), 0);
    int sideBand = 0;
    NVAP_GetSideBandParaFromE2PROM_BG(&sideBand);
    EXPECT_NE(sideBand, 0);
}

TEST_F(AdapterTest, OperationModeStartsInStationAndSwitches) {
    NVAP_Initial("Norvane", kWindow);
    EXPECT_EQ(NVAP_QueryOPMode(), 0);
    EXPECT_EQ(NVAP_SetOPMode(2), 0);
    EXPECT_EQ(NVAP_SetOPMode(-1), 0);
    EXPECT_EQ(NVAP_QueryOPMode(), 0);
    EXPECT_EQ(NVAP_SetOPMode(1), 1);
    EXPECT_EQ(NVAP_QueryOPMode(), 1);
    NVAP_RestoreStationSetting();
    EXPECT_EQ(NVAP_QueryOPMode(), 0);
}

TEST_F(AdapterTest, OsWirelessServiceStopsWhenAsked) {
    EXPECT_EQ(NVAP_IsZeroConfig(), 1);
    NVAP_StopXpZeroConfig();
    EXPECT_EQ(NVAP_IsZeroConfig(), 0);
}

TEST_F(AdapterTest, WirelessProfilePostsConnectCompleteOnlyFromGenerationTen) {
    NVAP_Initial("Norvane", kWindow);
    const unsigned char ssid[32] = {'a', 'b', 'c'};
    EXPECT_EQ(NVAP_SetVistaWindowsProfile(ssid, 33), 0);
    EXPECT_EQ(NVAP_SetVistaWindowsProfile(nullptr, 3), 0);
    EXPECT_TRUE(host.posts.empty());
    EXPECT_EQ(NVAP_SetVistaWindowsProfile(ssid, 32), 1);
    ASSERT_EQ(host.posts.size(), 1u);
    EXPECT_EQ(host.posts[0], (FakeHostState::Post{kWindow, 0x401u, 0}));

    host.osGeneration = 9;
    EXPECT_EQ(NVAP_SetVistaWindowsProfile(ssid, 3), 0);
    EXPECT_EQ(host.posts.size(), 1u);
}

TEST_F(AdapterTest, FrequencyConversionThroughTheEntryPoints) {
    EXPECT_EQ(NVAP_ChannelToFrequency(14), 2484000);
    EXPECT_EQ(NVAP_ChannelToFrequency(36), 5180000);
    EXPECT_EQ(NVAP_FrequencyToChannel(2437000u), 6);
    EXPECT_EQ(NVAP_FrequencyToChannel(5745000u), 149);
    EXPECT_EQ(NVAP_ChannelToFrequency(0), 0);
}

TEST_F(AdapterTest, MacTextConversionAcceptsTheDashedFormOnly) {
    const struct {
        const char* text;
        bool ok;
    } cases[] = {{"00-A0-C9-FF-12-34", true}, {"00:a0:c9:ff:12:34", true}, {"00A0C9FF1234", true},
                 {"00-A0-C9-FF-12", false},   {"00-A0-C9-FF-12-3G", false}, {"00-A0-C9_FF-12-34", false},
                 {"", false},                 {"00-A0-C9-FF-12-34-56", false}};
    for (const auto& c : cases) {
        char text[128] = {};
        std::strcpy(text, c.text);
        unsigned char mac[6] = {9, 9, 9, 9, 9, 9};
        EXPECT_EQ(NVAP_ConvertMACStrToByte(text, mac), c.ok ? 1 : 0) << c.text;
        const unsigned char expected[6] = {0x00, 0xA0, 0xC9, 0xFF, 0x12, 0x34};
        const unsigned char untouched[6] = {9, 9, 9, 9, 9, 9};
        EXPECT_EQ(std::memcmp(mac, c.ok ? expected : untouched, 6), 0) << c.text;
    }
    char unterminated[128];
    std::memset(unterminated, 'A', sizeof unterminated);
    unsigned char mac[6];
    EXPECT_EQ(NVAP_ConvertMACStrToByte(unterminated, mac), 0);
}

TEST_F(AdapterTest, NullPointersAreRefusedNotFollowed) {
    BringUp();
    const std::vector<std::pair<const char*, std::function<int()>>> calls = {
        {"GetAvailableAdapters", [] { return NVAP_GetAvailableAdapters(nullptr, 1); }},
        {"AdapterSelect", [] { return NVAP_AdapterSelect(nullptr, 0, nullptr); }},
        {"IsDeviceExist", [] { return NVAP_IsDeviceExist(nullptr); }},
        {"GetDriverPath", [] { return NVAP_GetDriverPath(nullptr, nullptr); }},
        {"GetMacAddrs", [] { return NVAP_GetMacAddrs(nullptr); }},
        {"GetEEPROMVer", [] { return NVAP_GetEEPROMVer(nullptr); }},
        {"GetFirmwareVer", [] { return NVAP_GetFirmwareVer(nullptr); }},
        {"GetCurrentDeviceModel", [] { return NVAP_GetCurrentDeviceModel(nullptr); }},
        {"QueryMacTableNOT_11N", [] { return NVAP_QueryMacTableNOT_11N(nullptr); }},
        {"QueryMacTable", [] { return NVAP_QueryMacTable(nullptr); }},
        {"ReadAccessPolicy", [] { return NVAP_ReadAccessPolicy(nullptr); }},
        {"ReadAccessList", [] { return NVAP_ReadAccessList(nullptr); }},
        {"WriteAccessList", [] { return NVAP_WriteAccessList(nullptr, 1); }},
        {"Set80211ACL", [] { return NVAP_Set80211ACL(nullptr); }},
        {"QueryApWLANStatus", [] { return NVAP_QueryApWLANStatus(nullptr); }},
        {"QueryCountryRegion", [] { return NVAP_QueryCountryRegion(nullptr, nullptr, nullptr); }},
        {"GetCountryChannel", [] { return NVAP_GetCountryChannel(nullptr, nullptr, nullptr, nullptr, 0, 0); }},
        {"ReadConfigData", [] { return NVAP_ReadConfigData(nullptr); }},
        {"GetSideBandParaFromE2PROM_BG", [] { return NVAP_GetSideBandParaFromE2PROM_BG(nullptr); }},
        {"QueryInitialState", [] { return NVAP_QueryInitialState(nullptr); }},
        {"SetConfigData", [] { return NVAP_SetConfigData(nullptr, nullptr); }},
        {"QueryAuthMode", [] { return NVAP_QueryAuthMode(nullptr); }},
        {"ReadAuthMode", [] { return NVAP_ReadAuthMode(nullptr); }},
        {"QuerySignalStrength", [] { return NVAP_QuerySignalStrength(nullptr); }},
        {"QueryEventTable", [] { return NVAP_QueryEventTable(nullptr); }},
        {"SetAuthSecuKey", [] { return NVAP_SetAuthSecuKey(nullptr, nullptr, 0); }},
        {"ConvertMACStrToByte", [] { return NVAP_ConvertMACStrToByte(nullptr, nullptr); }},
        {"ReadBACap", [] { return NVAP_ReadBACap(nullptr); }},
        {"QueryBACap", [] { return NVAP_QueryBACap(nullptr); }},
        {"QueryBATable", [] { return NVAP_QueryBATable(nullptr); }},
        {"GetAPDefault", [] { return NVAP_GetAPDefault(nullptr); }},
        {"SetVistaWindowsProfile", [] { return NVAP_SetVistaWindowsProfile(nullptr, 0); }},
        {"IsFileExist", [] { return NVAP_IsFileExist(nullptr); }},
    };
    for (const auto& [name, call] : calls) EXPECT_EQ(call(), 0) << name;
}

TEST_F(AdapterTest, EntryPointsTheProgramNeverCallsAnswerZero) {
    const std::vector<std::function<int()>> unused = {
        NVAP_StrToIPData,   NVAP_IPDataToStr, NVAP_OIDQueryInfo,        NVAP_OIDSetInfo,
        NVAP_ReadRegValue,  NVAP_WriteRegValue, NVAP_GetNetConfig,      NVAP_QueryHTStatus,
        NVAP_QuerySTAConfig, NVAP_Query80211CONFIGURATION, NVAP_QueryAIRONETIP, NVAP_QueryHWReg,
        NVAP_SetHWReg,      NVAP_QueryRxAgcVgcTuning, NVAP_SetRxAgcVgcTuning, NVAP_SetGENMICERROR};
    for (const auto& call : unused) EXPECT_EQ(call(), 0);
}

}  // namespace
}  // namespace simdrv
