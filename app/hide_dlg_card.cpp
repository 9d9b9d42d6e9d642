// Card initialisation and the push of the stored configuration into the
// running driver.
#include <cstring>

#include "app/access_control_from_store.h"
#include "app/hide_dlg.h"
#include "app/ssid_text.h"
#include "core/nvap_binding.h"
#include "core/trace.h"

namespace {

constexpr const char* kStoredSsidWord = "getUpdatedSSID";
constexpr std::uint32_t kMaxSsidBytes = 32;

AP_CONFIG_DATA ZeroedConfig() {
    AP_CONFIG_DATA record;
    std::memset(&record, 0, sizeof record);
    return record;
}

// The driver's own length may exceed the 32 bytes the record holds.
int SsidLengthFor(const AP_CONFIG_DATA& record) {
    return static_cast<int>(record.SsidLength < kMaxSsidBytes ? record.SsidLength : kMaxSsidBytes);
}

void TraceConfig(const char* call, const AP_CONFIG_DATA& record) {
    TraceOut("[Zelvin] SetOidFromReg(): %s ApConfigData.HT_PhyMode.field.PhyMode = %d\n", call,
             static_cast<int>(record.HT_PhyMode & 0x0F));
    TraceOut("[Zelvin] SetOidFromReg(): %s WirelessMode = %d, CountryRegion_11BG = %d,  CountryRegion_11A = %d\n", call,
             static_cast<int>(record.WirelessMode), static_cast<int>(record.CountryRegion_11BG),
             static_cast<int>(record.CountryRegion_11A));
}

KX_802_11_ACCESS_CONTROL ReadStoredAccessControl() {
    char text[kAccessTextBytes];
    std::memset(text, 0, sizeof text);
    NVAPAPI.NVAP_ReadAccessPolicy(text);
    unsigned policy = ParseLeadingDecimal(text, sizeof text);
    if (policy == 0) return AccessControlFromStore(0, text, sizeof text);
    std::memset(text, 0, sizeof text);
    NVAPAPI.NVAP_ReadAccessList(text);
    return AccessControlFromStore(policy, text, sizeof text);
}

}  // namespace

void CHideDlg::InitCard() {
    TraceOut("[Zelvin]--> InitCard\n");
    if (NVAPAPI.NVAP_QueryOPMode() == 0 && !NVAPAPI.NVAP_SetOPMode(1)) {
        TraceOut("[Zelvin] HideDlg::InitCard ERROR: Driver doesn't support KX_OID_802_11_SET_OP_MODE oid\n");
    }
    if (NVAPAPI.NVAP_IsZeroConfig() != 0) {
        TraceOut("[Zelvin] HideDlg::InitCard() NVAP_IsZeroConfig--> NVAP_StopXpZeroConfig\n");
        NVAPAPI.NVAP_StopXpZeroConfig();
    }
    int prepared = NVAPAPI.NVAP_InitAPSettings();
    TraceOut("[Zelvin] HideDlg::NVAPAPI.NVAP_InitAPSettings() return %d\n", prepared);

    int state = 0;
    NVAPAPI.NVAP_QueryInitialState(&state);
    TraceOut("[Zelvin] HideDlg::InitCard(), NVAP_QueryInitialState return %d\n", state);
    if (state == 1) {
        TraceOut("[Zelvin] HideDlg::InitCard() --> SetOidFromReg\n");
        SetOidFromReg();
        if (NVAPAPI.NVAP_GetWinOS() >= 7) {
            TraceOut("[Zelvin] HideDlg::InitCard() --> NVAP_EnableDhcpServer\n");
            NVAPAPI.NVAP_EnableDhcpServer();
        }
    } else {
        TraceOut("[Zelvin] HideDlg::driver not ready --> SetTimer to wait and query\n");
        StartDriverPoll();
    }
}

void CHideDlg::SetOidFromReg() {
    AP_CONFIG_DATA record = ZeroedConfig();
    AP_CONFIG_EXT companion;
    std::memset(&companion, 0, sizeof companion);
    NVAPAPI.NVAP_ReadConfigData(&record);
    TraceConfig("NVAP_ReadConfigData()", record);

    NVAPAPI.NVAP_SetConfigData(&record, &companion);
    TraceConfig("NVAP_SetConfigData()", record);
    TraceOut("[Zelvin] SetOidFromReg(): NVAP_SetConfigData() ApConfigData.lFreq = %dk\n",
             static_cast<int>(record.lFreq / 1000u));

    KX_802_11_ACCESS_CONTROL acl = ReadStoredAccessControl();
    NVAPAPI.NVAP_Set80211ACL(&acl);

    UpdateVistaProfile(SsidTextOf(record));
}

void CHideDlg::UpdateVistaProfile(const std::string& ssid) {
    if (NVAPAPI.NVAP_GetWinOS() < 10) return;
    if (ssid.empty()) return;
    m_bProfilePending = 1;

    AP_CONFIG_DATA record = ZeroedConfig();
    if (ssid == kStoredSsidWord) {
        NVAPAPI.NVAP_ReadConfigData(&record);
    } else {
        PutSsidInto(record, ssid);
    }
    int length = SsidLengthFor(record);
    TraceOut("[Zelvin] HideDlg::CHideDlg::NVAPAPI.NVAP_SetVistaWindowsProfile(SSID = %s, length = %d)\n",
             SsidTextOf(record).c_str(), length);
    NVAPAPI.NVAP_SetVistaWindowsProfile(record.Ssid, length);
}
