#include "app/testing/scripted_driver.h"

#include <algorithm>
#include <cstring>

#include "core/nvap_binding.h"

ScriptedDriver* ScriptedDriver::current = nullptr;

namespace {

ScriptedDriver& D() { return *ScriptedDriver::current; }
int Log(const char* name) {
    D().calls.push_back(name);
    return 0;
}

bool SameAdapter(const AVAILABLE_DEV& a, const AVAILABLE_DEV& b) {
    return std::strncmp(a.HardwareId, b.HardwareId, sizeof a.HardwareId) == 0;
}

int NVAP_CALL Initial(const char* name, void* hwnd) {
    D().initialName = name;
    D().initialWindow = hwnd;
    return Log("NVAP_Initial");
}
int NVAP_CALL DeInitial() { return Log("NVAP_DeInitial"); }
int NVAP_CALL GetWinOS() { Log("NVAP_GetWinOS"); return D().winOS; }
int NVAP_CALL DetectUserAdmin() { Log("NVAP_DetectUserAdmin"); return D().admin; }
int NVAP_CALL DetectMoreThanOneProcess() { Log("NVAP_DetectMoreThanOneProcess"); return D().moreThanOneProcess; }

int NVAP_CALL GetAvailableAdapters(AVAILABLE_DEV_LIST* list, int capacity) {
    Log("NVAP_GetAvailableAdapters");
    ScriptedDriver& d = D();
    d.capacities.push_back(capacity);
    size_t exist = d.plugged ? d.adapters.size() : 0;
    if (d.capacities.size() % 2 == 0) exist += static_cast<size_t>(d.extraCountOnSecondCall);
    list->nCount = static_cast<std::uint32_t>(exist);
    size_t fill = std::min(exist, std::min(d.adapters.size(), static_cast<size_t>(capacity)));
    for (size_t i = 0; i < fill; ++i) std::memcpy(AvailableDevAt(list, i), &d.adapters[i], sizeof(AVAILABLE_DEV));
    return (d.answerMinus10 && exist > static_cast<size_t>(capacity)) ? -10 : 1;
}
int NVAP_CALL AdapterSelect(AVAILABLE_DEV* dev, int, void*) {
    D().selections.push_back(*dev);
    return Log("NVAP_AdapterSelect");
}
int NVAP_CALL IsDeviceExist(const AVAILABLE_DEV* dev) {
    Log("NVAP_IsDeviceExist");
    if (!D().plugged) return 0;
    for (const AVAILABLE_DEV& a : D().adapters) {
        if (dev->HardwareId[0] != '\0' && SameAdapter(a, *dev)) return 1;
    }
    return 0;
}
int NVAP_CALL QueryOPMode() { Log("NVAP_QueryOPMode"); return D().opMode; }
int NVAP_CALL SetOPMode(int mode) {
    Log("NVAP_SetOPMode");
    D().opModesSet.push_back(mode);
    if (D().setOpModeResult) D().opMode = mode;
    return D().setOpModeResult;
}
int NVAP_CALL IsZeroConfig() { Log("NVAP_IsZeroConfig"); return D().zeroConfig; }
int NVAP_CALL StopXpZeroConfig() { return Log("NVAP_StopXpZeroConfig"); }
int NVAP_CALL InitAPSettings() { Log("NVAP_InitAPSettings"); return D().initApSettingsResult; }
int NVAP_CALL QueryInitialState(int* state) {
    Log("NVAP_QueryInitialState");
    ScriptedDriver& d = D();
    if (!d.initialStates.empty()) {
        *state = d.initialStates.front();
        d.initialStates.pop_front();
    } else {
        *state = d.initialStateAfterwards;
    }
    return 1;
}
int NVAP_CALL EnableDhcpServer() { return Log("NVAP_EnableDhcpServer"); }
int NVAP_CALL DisableDhcpServer() { return Log("NVAP_DisableDhcpServer"); }
int NVAP_CALL ReadConfigData(AP_CONFIG_DATA* record) {
    *record = D().stored;
    return Log("NVAP_ReadConfigData");
}
int NVAP_CALL SetConfigData(const AP_CONFIG_DATA* record, const AP_CONFIG_EXT*) {
    D().appliedConfigs.push_back(*record);
    D().runningAuthMode = D().storedAuthMode;
    return Log("NVAP_SetConfigData");
}
int NVAP_CALL ReadAccessPolicy(char* text) {
    std::memcpy(text, D().policyText, sizeof D().policyText);
    return Log("NVAP_ReadAccessPolicy");
}
int NVAP_CALL ReadAccessList(char* text) {
    std::memcpy(text, D().listText, sizeof D().listText);
    return Log("NVAP_ReadAccessList");
}
int NVAP_CALL Set80211ACL(const KX_802_11_ACCESS_CONTROL* acl) {
    D().acls.push_back(*acl);
    return Log("NVAP_Set80211ACL");
}
int NVAP_CALL SetVistaWindowsProfile(const unsigned char* ssid, int length) {
    D().profileSsids.push_back(std::string(reinterpret_cast<const char*>(ssid), static_cast<size_t>(length)));
    D().profileLengths.push_back(length);
    return Log("NVAP_SetVistaWindowsProfile");
}
int NVAP_CALL DeleteVistaWindowsProfile() { return Log("NVAP_DeleteVistaWindowsProfile"); }
int NVAP_CALL QueryAuthMode(int* mode) { *mode = D().runningAuthMode; return Log("NVAP_QueryAuthMode"); }
int NVAP_CALL ReadAuthMode(int* mode) { *mode = D().storedAuthMode; return Log("NVAP_ReadAuthMode"); }
int NVAP_CALL QuerySignalStrength(int* rssi) { *rssi = -40; return Log("NVAP_QuerySignalStrength"); }
int NVAP_CALL ConvertRssiToSignalQuality(int) { Log("NVAP_ConvertRssiToSignalQuality"); return D().quality; }
int NVAP_CALL QueryEventTable(KX_802_11_EVENT_TABLE* table) {
    Log("NVAP_QueryEventTable");
    if (D().events.empty()) return 0;
    *table = D().events.front();
    D().events.pop_front();
    return 1;
}
int NVAP_CALL SetAuthSecuKey(const AUTH_SECU_DATA*, const unsigned char* ssid, int length) {
    D().keySsids.push_back(std::string(reinterpret_cast<const char*>(ssid), static_cast<size_t>(length)));
    return Log("NVAP_SetAuthSecuKey");
}
int NVAP_CALL RestoreStationSetting() { return Log("NVAP_RestoreStationSetting"); }

}  // namespace

AVAILABLE_DEV MakeAdapter(const std::string& description, const std::string& hardwareId) {
    AVAILABLE_DEV dev;
    std::memset(&dev, 0, sizeof dev);
    std::strncpy(dev.DeviceDesc, description.c_str(), sizeof dev.DeviceDesc - 1);
    std::strncpy(dev.HardwareId, hardwareId.c_str(), sizeof dev.HardwareId - 1);
    std::strncpy(dev.LocationInfo, ("Port " + hardwareId).c_str(), sizeof dev.LocationInfo - 1);
    std::strncpy(dev.ExtraText1, "extra", sizeof dev.ExtraText1 - 1);
    return dev;
}

int ScriptedDriver::Count(const std::string& name) const {
    return static_cast<int>(std::count(calls.begin(), calls.end(), name));
}

int ScriptedDriver::IndexOf(const std::string& name, int from) const {
    for (size_t i = static_cast<size_t>(from); i < calls.size(); ++i) {
        if (calls[i] == name) return static_cast<int>(i);
    }
    return -1;
}

void ScriptedDriver::SetStoredSsid(const std::string& ssid) {
    std::memset(stored.Ssid, 0, sizeof stored.Ssid);
    std::memcpy(stored.Ssid, ssid.data(), std::min(ssid.size(), sizeof stored.Ssid));
    stored.SsidLength = static_cast<std::uint32_t>(ssid.size());
}

void ScriptedDriver::SetAccessList(const std::vector<std::string>& addresses) {
    std::memset(listText, 0, sizeof listText);
    size_t pos = 0;
    for (const std::string& a : addresses) {
        std::memcpy(listText + pos, a.c_str(), a.size());
        pos += a.size() + 1;
    }
}

std::map<std::string, void*> ScriptedDriver::Exports() {
    return {
        {"NVAP_Initial", reinterpret_cast<void*>(Initial)},
        {"NVAP_DeInitial", reinterpret_cast<void*>(DeInitial)},
        {"NVAP_GetWinOS", reinterpret_cast<void*>(GetWinOS)},
        {"NVAP_DetectUserAdmin", reinterpret_cast<void*>(DetectUserAdmin)},
        {"NVAP_DetectMoreThanOneProcess", reinterpret_cast<void*>(DetectMoreThanOneProcess)},
        {"NVAP_GetAvailableAdapters", reinterpret_cast<void*>(GetAvailableAdapters)},
        {"NVAP_AdapterSelect", reinterpret_cast<void*>(AdapterSelect)},
        {"NVAP_IsDeviceExist", reinterpret_cast<void*>(IsDeviceExist)},
        {"NVAP_QueryOPMode", reinterpret_cast<void*>(QueryOPMode)},
        {"NVAP_SetOPMode", reinterpret_cast<void*>(SetOPMode)},
        {"NVAP_IsZeroConfig", reinterpret_cast<void*>(IsZeroConfig)},
        {"NVAP_StopXpZeroConfig", reinterpret_cast<void*>(StopXpZeroConfig)},
        {"NVAP_InitAPSettings", reinterpret_cast<void*>(InitAPSettings)},
        {"NVAP_QueryInitialState", reinterpret_cast<void*>(QueryInitialState)},
        {"NVAP_EnableDhcpServer", reinterpret_cast<void*>(EnableDhcpServer)},
        {"NVAP_DisableDhcpServer", reinterpret_cast<void*>(DisableDhcpServer)},
        {"NVAP_ReadConfigData", reinterpret_cast<void*>(ReadConfigData)},
        {"NVAP_SetConfigData", reinterpret_cast<void*>(SetConfigData)},
        {"NVAP_ReadAccessPolicy", reinterpret_cast<void*>(ReadAccessPolicy)},
        {"NVAP_ReadAccessList", reinterpret_cast<void*>(ReadAccessList)},
        {"NVAP_Set80211ACL", reinterpret_cast<void*>(Set80211ACL)},
        {"NVAP_SetVistaWindowsProfile", reinterpret_cast<void*>(SetVistaWindowsProfile)},
        {"NVAP_DeleteVistaWindowsProfile", reinterpret_cast<void*>(DeleteVistaWindowsProfile)},
        {"NVAP_QueryAuthMode", reinterpret_cast<void*>(QueryAuthMode)},
        {"NVAP_ReadAuthMode", reinterpret_cast<void*>(ReadAuthMode)},
        {"NVAP_QuerySignalStrength", reinterpret_cast<void*>(QuerySignalStrength)},
        {"NVAP_ConvertRssiToSignalQuality", reinterpret_cast<void*>(ConvertRssiToSignalQuality)},
        {"NVAP_QueryEventTable", reinterpret_cast<void*>(QueryEventTable)},
        {"NVAP_SetAuthSecuKey", reinterpret_cast<void*>(SetAuthSecuKey)},
        {"NVAP_RestoreStationSetting", reinterpret_cast<void*>(RestoreStationSetting)},
    };
}

void ScriptedDriver::Install() {
    current = this;
    static int loadedMarker = 0;
    NVAPAPI.m_hLibrary = &loadedMarker;
    std::map<std::string, void*> exports = Exports();
#define ZELVIN_ASSIGN_SLOT(name, params)                                  \
    if (auto it = exports.find(#name); it != exports.end()) {            \
        NVAPAPI.name = reinterpret_cast<nvap::name##_fn>(it->second);    \
    }
    NVAP_ENTRY_POINTS(ZELVIN_ASSIGN_SLOT)
#undef ZELVIN_ASSIGN_SLOT
}
