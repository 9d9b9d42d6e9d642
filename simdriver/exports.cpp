// The exported entry points of the substitute NvAPAPI library. Each one
// serialises on one lock, lets the simulation catch up, gives an armed fault
// its chance, and forwards to the simulated adapter.
#include <mutex>
#include <type_traits>

#include "core/nvap_entry_points.h"
#include "simdriver/channels.h"
#include "simdriver/library.h"

#if defined(_WIN32)
#define NVAP_EXPORT extern "C" __declspec(dllexport)
#else
#define NVAP_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace simdrv {

namespace {

std::recursive_mutex& Lock() {
    static std::recursive_mutex lock;
    return lock;
}

std::unique_ptr<SimAdapter>& Slot() {
    static std::unique_ptr<SimAdapter> adapter;
    return adapter;
}

SimAdapter& Adapter() {
    std::unique_ptr<SimAdapter>& slot = Slot();
    if (!slot) slot = std::make_unique<SimAdapter>(MakeSystemHost());
    return *slot;
}

}  // namespace

void InstallAdapter(std::unique_ptr<SimAdapter> adapter) {
    std::lock_guard<std::recursive_mutex> guard(Lock());
    Slot() = std::move(adapter);
}

}  // namespace simdrv

#define SIMDRV_ENTER(name)                                          \
    std::lock_guard<std::recursive_mutex> guard(simdrv::Lock());    \
    simdrv::SimAdapter& sim = simdrv::Adapter();                    \
    sim.BeginCall();                                                \
    if (int faulted = 0; sim.FaultFires(#name, faulted)) return faulted


NVAP_EXPORT int NVAP_CALL NVAP_Initial(const char* name, void* hwnd) {
    SIMDRV_ENTER(NVAP_Initial);
    return sim.Initial(name, hwnd);
}

NVAP_EXPORT int NVAP_CALL NVAP_DeInitial(void) {
    SIMDRV_ENTER(NVAP_DeInitial);
    return sim.DeInitial();
}

NVAP_EXPORT int NVAP_CALL NVAP_GetWinOS(void) {
    SIMDRV_ENTER(NVAP_GetWinOS);
    return sim.GetWinOS();
}

NVAP_EXPORT int NVAP_CALL NVAP_IsFileExist(const char* path) {
    SIMDRV_ENTER(NVAP_IsFileExist);
    return sim.IsFileExist(path);
}

NVAP_EXPORT int NVAP_CALL NVAP_FrequencyToChannel(unsigned int freqKHz) {
    SIMDRV_ENTER(NVAP_FrequencyToChannel);
    return simdrv::FrequencyKHzToChannel(freqKHz);
}

NVAP_EXPORT int NVAP_CALL NVAP_ChannelToFrequency(int channel) {
    SIMDRV_ENTER(NVAP_ChannelToFrequency);
    return static_cast<int>(simdrv::ChannelToFrequencyKHz(channel));
}

NVAP_EXPORT int NVAP_CALL NVAP_StrToIPData(void) {
    SIMDRV_ENTER(NVAP_StrToIPData);
    return sim.Unused("NVAP_StrToIPData");
}

NVAP_EXPORT int NVAP_CALL NVAP_IPDataToStr(void) {
    SIMDRV_ENTER(NVAP_IPDataToStr);
    return sim.Unused("NVAP_IPDataToStr");
}

NVAP_EXPORT int NVAP_CALL NVAP_GetAvailableAdapters(AVAILABLE_DEV_LIST* list, int capacity) {
    SIMDRV_ENTER(NVAP_GetAvailableAdapters);
    return sim.GetAvailableAdapters(list, capacity);
}

NVAP_EXPORT int NVAP_CALL NVAP_AdapterSelect(AVAILABLE_DEV* dev, int reserved, void* hwnd) {
    SIMDRV_ENTER(NVAP_AdapterSelect);
    return reserved == 0 ? sim.AdapterSelect(dev, hwnd) : 0;
}

NVAP_EXPORT int NVAP_CALL NVAP_IsDeviceExist(const AVAILABLE_DEV* dev) {
    SIMDRV_ENTER(NVAP_IsDeviceExist);
    return sim.IsDeviceExist(dev);
}

NVAP_EXPORT int NVAP_CALL NVAP_GetDriverPath(const AVAILABLE_DEV* dev, char* path256) {
    SIMDRV_ENTER(NVAP_GetDriverPath);
    return sim.GetDriverPath(dev, path256);
}

NVAP_EXPORT int NVAP_CALL NVAP_OIDQueryInfo(void) {
    SIMDRV_ENTER(NVAP_OIDQueryInfo);
    return sim.Unused("NVAP_OIDQueryInfo");
}

NVAP_EXPORT int NVAP_CALL NVAP_OIDSetInfo(void) {
    SIMDRV_ENTER(NVAP_OIDSetInfo);
    return sim.Unused("NVAP_OIDSetInfo");
}

NVAP_EXPORT int NVAP_CALL NVAP_ReadRegValue(void) {
    SIMDRV_ENTER(NVAP_ReadRegValue);
    return sim.Unused("NVAP_ReadRegValue");
}

NVAP_EXPORT int NVAP_CALL NVAP_WriteRegValue(void) {
    SIMDRV_ENTER(NVAP_WriteRegValue);
    return sim.Unused("NVAP_WriteRegValue");
}

NVAP_EXPORT int NVAP_CALL NVAP_GetNetConfig(void) {
    SIMDRV_ENTER(NVAP_GetNetConfig);
    return sim.Unused("NVAP_GetNetConfig");
}

NVAP_EXPORT int NVAP_CALL NVAP_GetMacAddrs(unsigned char* mac6) {
    SIMDRV_ENTER(NVAP_GetMacAddrs);
    return sim.GetMacAddrs(mac6);
}

NVAP_EXPORT int NVAP_CALL NVAP_GetEEPROMVer(unsigned char* ver2) {
    SIMDRV_ENTER(NVAP_GetEEPROMVer);
    return sim.GetEEPROMVer(ver2);
}

NVAP_EXPORT int NVAP_CALL NVAP_GetFirmwareVer(unsigned char* ver2) {
    SIMDRV_ENTER(NVAP_GetFirmwareVer);
    return sim.GetFirmwareVer(ver2);
}

NVAP_EXPORT int NVAP_CALL NVAP_IsWow64(void) {
    SIMDRV_ENTER(NVAP_IsWow64);
    return sim.IsWow64();
}

NVAP_EXPORT int NVAP_CALL NVAP_DetectUserAdmin(void) {
    SIMDRV_ENTER(NVAP_DetectUserAdmin);
    return sim.DetectUserAdmin();
}

NVAP_EXPORT int NVAP_CALL NVAP_DetectMoreThanOneProcess(void) {
    SIMDRV_ENTER(NVAP_DetectMoreThanOneProcess);
    return sim.DetectMoreThanOneProcess();
}

NVAP_EXPORT int NVAP_CALL NVAP_Is80211ASupport(void) {
    SIMDRV_ENTER(NVAP_Is80211ASupport);
    return sim.Is80211ASupport();
}

NVAP_EXPORT int NVAP_CALL NVAP_Is80211NSupport(void) {
    SIMDRV_ENTER(NVAP_Is80211NSupport);
    return sim.Is80211NSupport();
}

NVAP_EXPORT int NVAP_CALL NVAP_QueryOPMode(void) {
    SIMDRV_ENTER(NVAP_QueryOPMode);
    return sim.QueryOPMode();
}

NVAP_EXPORT int NVAP_CALL NVAP_SetOPMode(int mode) {
    SIMDRV_ENTER(NVAP_SetOPMode);
    return sim.SetOPMode(mode);
}

NVAP_EXPORT int NVAP_CALL NVAP_CheckIEEE80211H(void) {
    SIMDRV_ENTER(NVAP_CheckIEEE80211H);
    return sim.CheckIEEE80211H();
}

NVAP_EXPORT int NVAP_CALL NVAP_IsZeroConfig(void) {
    SIMDRV_ENTER(NVAP_IsZeroConfig);
    return sim.IsZeroConfig();
}

NVAP_EXPORT int NVAP_CALL NVAP_StopXpZeroConfig(void) {
    SIMDRV_ENTER(NVAP_StopXpZeroConfig);
    return sim.StopXpZeroConfig();
}

NVAP_EXPORT int NVAP_CALL NVAP_GetCurrentDeviceModel(int* model) {
    SIMDRV_ENTER(NVAP_GetCurrentDeviceModel);
    return sim.GetCurrentDeviceModel(model);
}

NVAP_EXPORT int NVAP_CALL NVAP_ResetStatisticsCounter(void) {
    SIMDRV_ENTER(NVAP_ResetStatisticsCounter);
    return sim.ResetStatisticsCounter();
}

NVAP_EXPORT int NVAP_CALL NVAP_QueryHTStatus(void) {
    SIMDRV_ENTER(NVAP_QueryHTStatus);
    return sim.Unused("NVAP_QueryHTStatus");
}

NVAP_EXPORT int NVAP_CALL NVAP_QueryMacTableNOT_11N(KX_802_11_MAC_TABLE_NOT_11N* table) {
    SIMDRV_ENTER(NVAP_QueryMacTableNOT_11N);
    return sim.QueryMacTableNot11N(table);
}

NVAP_EXPORT int NVAP_CALL NVAP_QueryMacTable(KX_802_11_MAC_TABLE* table) {
    SIMDRV_ENTER(NVAP_QueryMacTable);
    return sim.QueryMacTable(table);
}

NVAP_EXPORT int NVAP_CALL NVAP_ReadAccessPolicy(char* text1024) {
    SIMDRV_ENTER(NVAP_ReadAccessPolicy);
    return sim.ReadAccessPolicy(text1024);
}

NVAP_EXPORT int NVAP_CALL NVAP_ReadAccessList(char* text1024) {
    SIMDRV_ENTER(NVAP_ReadAccessList);
    return sim.ReadAccessList(text1024);
}

NVAP_EXPORT int NVAP_CALL NVAP_WriteAccessPolicy(int policy) {
    SIMDRV_ENTER(NVAP_WriteAccessPolicy);
    return sim.WriteAccessPolicy(policy);
}

NVAP_EXPORT int NVAP_CALL NVAP_WriteAccessList(const char* buf, int length) {
    SIMDRV_ENTER(NVAP_WriteAccessList);
    return sim.WriteAccessList(buf, length);
}

NVAP_EXPORT int NVAP_CALL NVAP_Set80211ACL(const KX_802_11_ACCESS_CONTROL* acl) {
    SIMDRV_ENTER(NVAP_Set80211ACL);
    return sim.Set80211ACL(acl);
}

NVAP_EXPORT int NVAP_CALL NVAP_QueryApWLANStatus(AP_WLAN_STATUS* status) {
    SIMDRV_ENTER(NVAP_QueryApWLANStatus);
    return sim.QueryApWLANStatus(status);
}

NVAP_EXPORT int NVAP_CALL NVAP_QuerySTAConfig(void) {
    SIMDRV_ENTER(NVAP_QuerySTAConfig);
    return sim.Unused("NVAP_QuerySTAConfig");
}

NVAP_EXPORT int NVAP_CALL NVAP_QueryCountryRegion(unsigned int* regions, int* hwSupportsA, int* hwSupportBG) {
    SIMDRV_ENTER(NVAP_QueryCountryRegion);
    return sim.QueryCountryRegion(regions, hwSupportsA, hwSupportBG);
}

NVAP_EXPORT int NVAP_CALL NVAP_GetCountryChannel(unsigned char* ch5g, unsigned char* ch24g, int* n24, int* n5, int region24, int region5) {
    SIMDRV_ENTER(NVAP_GetCountryChannel);
    return sim.GetCountryChannel(ch5g, ch24g, n24, n5, region24, region5);
}

NVAP_EXPORT int NVAP_CALL NVAP_ReadConfigData(AP_CONFIG_DATA* cfg) {
    SIMDRV_ENTER(NVAP_ReadConfigData);
    return sim.ReadConfigData(cfg);
}

NVAP_EXPORT int NVAP_CALL NVAP_WriteandSetConfigData(AP_CONFIG_DATA cfg, AP_CONFIG_EXT ext) {
    SIMDRV_ENTER(NVAP_WriteandSetConfigData);
    return sim.WriteandSetConfigData(cfg, ext);
}

NVAP_EXPORT int NVAP_CALL NVAP_GetSideBandParaFromE2PROM_BG(int* value) {
    SIMDRV_ENTER(NVAP_GetSideBandParaFromE2PROM_BG);
    return sim.GetSideBandParaFromE2PROM_BG(value);
}

NVAP_EXPORT int NVAP_CALL NVAP_Query80211CONFIGURATION(void) {
    SIMDRV_ENTER(NVAP_Query80211CONFIGURATION);
    return sim.Unused("NVAP_Query80211CONFIGURATION");
}

NVAP_EXPORT int NVAP_CALL NVAP_QueryInitialState(int* state) {
    SIMDRV_ENTER(NVAP_QueryInitialState);
    return sim.QueryInitialState(state);
}

NVAP_EXPORT int NVAP_CALL NVAP_SetConfigData(const AP_CONFIG_DATA* cfg, const AP_CONFIG_EXT* ext) {
    SIMDRV_ENTER(NVAP_SetConfigData);
    return sim.SetConfigData(cfg, ext);
}

NVAP_EXPORT int NVAP_CALL NVAP_QueryAuthMode(int* mode) {
    SIMDRV_ENTER(NVAP_QueryAuthMode);
    return sim.QueryAuthMode(mode);
}

NVAP_EXPORT int NVAP_CALL NVAP_ReadAuthMode(int* mode) {
    SIMDRV_ENTER(NVAP_ReadAuthMode);
    return sim.ReadAuthMode(mode);
}

NVAP_EXPORT int NVAP_CALL NVAP_QuerySignalStrength(int* rssi) {
    SIMDRV_ENTER(NVAP_QuerySignalStrength);
    return sim.QuerySignalStrength(rssi);
}

NVAP_EXPORT int NVAP_CALL NVAP_ConvertRssiToSignalQuality(int rssi) {
    SIMDRV_ENTER(NVAP_ConvertRssiToSignalQuality);
    return sim.ConvertRssiToSignalQuality(rssi);
}

NVAP_EXPORT int NVAP_CALL NVAP_QueryEventTable(KX_802_11_EVENT_TABLE* table) {
    SIMDRV_ENTER(NVAP_QueryEventTable);
    return sim.QueryEventTable(table);
}

NVAP_EXPORT int NVAP_CALL NVAP_RestoreStationSetting(void) {
    SIMDRV_ENTER(NVAP_RestoreStationSetting);
    return sim.RestoreStationSetting();
}

NVAP_EXPORT int NVAP_CALL NVAP_QueryAIRONETIP(void) {
    SIMDRV_ENTER(NVAP_QueryAIRONETIP);
    return sim.Unused("NVAP_QueryAIRONETIP");
}

NVAP_EXPORT int NVAP_CALL NVAP_SetAuthSecuKey(const AUTH_SECU_DATA* sec, const unsigned char* ssid, int ssidLength) {
    SIMDRV_ENTER(NVAP_SetAuthSecuKey);
    return sim.SetAuthSecuKey(sec, ssid, ssidLength);
}

NVAP_EXPORT int NVAP_CALL NVAP_QueryHWReg(void) {
    SIMDRV_ENTER(NVAP_QueryHWReg);
    return sim.Unused("NVAP_QueryHWReg");
}

NVAP_EXPORT int NVAP_CALL NVAP_SetHWReg(void) {
    SIMDRV_ENTER(NVAP_SetHWReg);
    return sim.Unused("NVAP_SetHWReg");
}

NVAP_EXPORT int NVAP_CALL NVAP_QueryRxAgcVgcTuning(void) {
    SIMDRV_ENTER(NVAP_QueryRxAgcVgcTuning);
    return sim.Unused("NVAP_QueryRxAgcVgcTuning");
}

NVAP_EXPORT int NVAP_CALL NVAP_SetRxAgcVgcTuning(void) {
    SIMDRV_ENTER(NVAP_SetRxAgcVgcTuning);
    return sim.Unused("NVAP_SetRxAgcVgcTuning");
}

NVAP_EXPORT int NVAP_CALL NVAP_SetGENMICERROR(void) {
    SIMDRV_ENTER(NVAP_SetGENMICERROR);
    return sim.Unused("NVAP_SetGENMICERROR");
}

NVAP_EXPORT int NVAP_CALL NVAP_ConvertMACStrToByte(const char* text128, unsigned char* mac6) {
    SIMDRV_ENTER(NVAP_ConvertMACStrToByte);
    return sim.ConvertMACStrToByte(text128, mac6);
}

NVAP_EXPORT int NVAP_CALL NVAP_SetIMMEBA(KX_802_11_BA_SESSION_REQUEST req) {
    SIMDRV_ENTER(NVAP_SetIMMEBA);
    return sim.SetIMMEBA(req);
}

NVAP_EXPORT int NVAP_CALL NVAP_WriteBACap(unsigned int word) {
    SIMDRV_ENTER(NVAP_WriteBACap);
    return sim.WriteBACap(word);
}

NVAP_EXPORT int NVAP_CALL NVAP_ReadBACap(unsigned int* word) {
    SIMDRV_ENTER(NVAP_ReadBACap);
    return sim.ReadBACap(word);
}

NVAP_EXPORT int NVAP_CALL NVAP_QueryBACap(KX_802_11_BA_CAPABILITY* cap) {
    SIMDRV_ENTER(NVAP_QueryBACap);
    return sim.QueryBACap(cap);
}

NVAP_EXPORT int NVAP_CALL NVAP_SetBACap(KX_802_11_BA_CAPABILITY cap) {
    SIMDRV_ENTER(NVAP_SetBACap);
    return sim.SetBACap(cap);
}

NVAP_EXPORT int NVAP_CALL NVAP_QueryBATable(KX_802_11_BLOCK_ACK_TABLE* table) {
    SIMDRV_ENTER(NVAP_QueryBATable);
    return sim.QueryBATable(table);
}

NVAP_EXPORT int NVAP_CALL NVAP_GetAPDefault(AP_CONFIG_DATA* cfg) {
    SIMDRV_ENTER(NVAP_GetAPDefault);
    return sim.GetAPDefault(cfg);
}

NVAP_EXPORT int NVAP_CALL NVAP_InitAPSettings(void) {
    SIMDRV_ENTER(NVAP_InitAPSettings);
    return sim.InitAPSettings();
}

NVAP_EXPORT int NVAP_CALL NVAP_SetVistaWindowsProfile(const unsigned char* ssid, int length) {
    SIMDRV_ENTER(NVAP_SetVistaWindowsProfile);
    return sim.SetVistaWindowsProfile(ssid, length);
}

NVAP_EXPORT int NVAP_CALL NVAP_DeleteVistaWindowsProfile(void) {
    SIMDRV_ENTER(NVAP_DeleteVistaWindowsProfile);
    return sim.DeleteVistaWindowsProfile();
}

NVAP_EXPORT int NVAP_CALL NVAP_EnableDhcpServer(void) {
    SIMDRV_ENTER(NVAP_EnableDhcpServer);
    return sim.EnableDhcpServer();
}

NVAP_EXPORT int NVAP_CALL NVAP_DisableDhcpServer(void) {
    SIMDRV_ENTER(NVAP_DisableDhcpServer);
    return sim.DisableDhcpServer();
}


// Every export has exactly the prototype the program binds.
#define SIMDRV_CHECK_PROTOTYPE(name, params) \
    static_assert(std::is_same_v<decltype(&name), nvap::name##_fn>, #name " prototype");
NVAP_ENTRY_POINTS(SIMDRV_CHECK_PROTOTYPE)
#undef SIMDRV_CHECK_PROTOTYPE
