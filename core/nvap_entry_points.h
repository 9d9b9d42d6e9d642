// The driver library's 76 entry points, in binding order.
// One X-macro list serves the program's binding (one slot each) and the
// substitute library's exports, so the two can never disagree on a prototype.
#pragma once

#include "core/nvap_records.h"

// The library uses the default C calling convention; on i686 spell it out so a
// caller built with another default still matches.
#if defined(_WIN32) && !defined(_WIN64)
#define NVAP_CALL __cdecl
#else
#define NVAP_CALL
#endif

// X(name, parameter list)  -- every entry point returns int.
#define NVAP_ENTRY_POINTS(X) \
    X(NVAP_Initial, (const char* name, void* hwnd)) \
    X(NVAP_DeInitial, (void)) \
    X(NVAP_GetWinOS, (void)) \
    X(NVAP_IsFileExist, (const char* path)) \
    X(NVAP_FrequencyToChannel, (unsigned int freqKHz)) \
    X(NVAP_ChannelToFrequency, (int channel)) \
    X(NVAP_StrToIPData, (void)) \
    X(NVAP_IPDataToStr, (void)) \
    X(NVAP_GetAvailableAdapters, (AVAILABLE_DEV_LIST* list, int capacity)) \
    X(NVAP_AdapterSelect, (AVAILABLE_DEV* dev, int reserved, void* hwnd)) \
    X(NVAP_IsDeviceExist, (const AVAILABLE_DEV* dev)) \
    X(NVAP_GetDriverPath, (const AVAILABLE_DEV* dev, char* path256)) \
    X(NVAP_OIDQueryInfo, (void)) \
    X(NVAP_OIDSetInfo, (void)) \
    X(NVAP_ReadRegValue, (void)) \
    X(NVAP_WriteRegValue, (void)) \
    X(NVAP_GetNetConfig, (void)) \
    X(NVAP_GetMacAddrs, (unsigned char* mac6)) \
    X(NVAP_GetEEPROMVer, (unsigned char* ver2)) \
    X(NVAP_GetFirmwareVer, (unsigned char* ver2)) \
    X(NVAP_IsWow64, (void)) \
    X(NVAP_DetectUserAdmin, (void)) \
    X(NVAP_DetectMoreThanOneProcess, (void)) \
    X(NVAP_Is80211ASupport, (void)) \
    X(NVAP_Is80211NSupport, (void)) \
    X(NVAP_QueryOPMode, (void)) \
    X(NVAP_SetOPMode, (int mode)) \
    X(NVAP_CheckIEEE80211H, (void)) \
    X(NVAP_IsZeroConfig, (void)) \
    X(NVAP_StopXpZeroConfig, (void)) \
    X(NVAP_GetCurrentDeviceModel, (int* model)) \
    X(NVAP_ResetStatisticsCounter, (void)) \
    X(NVAP_QueryHTStatus, (void)) \
    X(NVAP_QueryMacTableNOT_11N, (KX_802_11_MAC_TABLE_NOT_11N* table)) \
    X(NVAP_QueryMacTable, (KX_802_11_MAC_TABLE* table)) \
    X(NVAP_ReadAccessPolicy, (char* text1024)) \
    X(NVAP_ReadAccessList, (char* text1024)) \
    X(NVAP_WriteAccessPolicy, (int policy)) \
    X(NVAP_WriteAccessList, (const char* buf, int length)) \
    X(NVAP_Set80211ACL, (const KX_802_11_ACCESS_CONTROL* acl)) \
    X(NVAP_QueryApWLANStatus, (AP_WLAN_STATUS* status)) \
    X(NVAP_QuerySTAConfig, (void)) \
    X(NVAP_QueryCountryRegion, (unsigned int* regions, int* hwSupportsA, int* hwSupportBG)) \
    X(NVAP_GetCountryChannel, (unsigned char* ch5g, unsigned char* ch24g, int* n24, int* n5, int region24, int region5)) \
    X(NVAP_ReadConfigData, (AP_CONFIG_DATA* cfg)) \
    X(NVAP_WriteandSetConfigData, (AP_CONFIG_DATA cfg, AP_CONFIG_EXT ext)) \
    X(NVAP_GetSideBandParaFromE2PROM_BG, (int* value)) \
    X(NVAP_Query80211CONFIGURATION, (void)) \
    X(NVAP_QueryInitialState, (int* state)) \
    X(NVAP_SetConfigData, (const AP_CONFIG_DATA* cfg, const AP_CONFIG_EXT* ext)) \
    X(NVAP_QueryAuthMode, (int* mode)) \
    X(NVAP_ReadAuthMode, (int* mode)) \
    X(NVAP_QuerySignalStrength, (int* rssi)) \
    X(NVAP_ConvertRssiToSignalQuality, (int rssi)) \
    X(NVAP_QueryEventTable, (KX_802_11_EVENT_TABLE* table)) \
    X(NVAP_RestoreStationSetting, (void)) \
    X(NVAP_QueryAIRONETIP, (void)) \
    X(NVAP_SetAuthSecuKey, (const AUTH_SECU_DATA* sec, const unsigned char* ssid, int ssidLength)) \
    X(NVAP_QueryHWReg, (void)) \
    X(NVAP_SetHWReg, (void)) \
    X(NVAP_QueryRxAgcVgcTuning, (void)) \
    X(NVAP_SetRxAgcVgcTuning, (void)) \
    X(NVAP_SetGENMICERROR, (void)) \
    X(NVAP_ConvertMACStrToByte, (const char* text128, unsigned char* mac6)) \
    X(NVAP_SetIMMEBA, (KX_802_11_BA_SESSION_REQUEST req)) \
    X(NVAP_WriteBACap, (unsigned int word)) \
    X(NVAP_ReadBACap, (unsigned int* word)) \
    X(NVAP_QueryBACap, (KX_802_11_BA_CAPABILITY* cap)) \
    X(NVAP_SetBACap, (KX_802_11_BA_CAPABILITY cap)) \
    X(NVAP_QueryBATable, (KX_802_11_BLOCK_ACK_TABLE* table)) \
    X(NVAP_GetAPDefault, (AP_CONFIG_DATA* cfg)) \
    X(NVAP_InitAPSettings, (void)) \
    X(NVAP_SetVistaWindowsProfile, (const unsigned char* ssid, int length)) \
    X(NVAP_DeleteVistaWindowsProfile, (void)) \
    X(NVAP_EnableDhcpServer, (void)) \
    X(NVAP_DisableDhcpServer, (void))

namespace nvap {

#define NVAP_DECLARE_POINTER_TYPE(name, params) using name##_fn = int(NVAP_CALL*) params;
NVAP_ENTRY_POINTS(NVAP_DECLARE_POINTER_TYPE)
#undef NVAP_DECLARE_POINTER_TYPE

inline constexpr int kEntryPointCount = 76;

}  // namespace nvap
