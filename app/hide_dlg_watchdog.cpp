// The watchdog and driver-ready timers, power and device-change events, and
// the radio and connection messages that the driver library posts.
#include <cstring>

#include "app/hide_dlg.h"
#include "app/ssid_text.h"
#include "core/nvap_binding.h"
#include "core/trace.h"

int G_bDeviceRemoved = 0;

namespace {
constexpr unsigned kSuspendedTimers[] = {1, 2, 3, 4};
}

void CHideDlg::StartWatchdog() {
    host_.SetTimer(hidedlg::kWatchdogTimer, hidedlg::kWatchdogPeriodMs);
    m_nWatchdogTimer = hidedlg::kWatchdogTimer;
}

void CHideDlg::StartDriverPoll() {
    host_.SetTimer(hidedlg::kDriverPollTimer, hidedlg::kDriverPollPeriodMs);
    m_nDriverPollTimer = hidedlg::kDriverPollTimer;
}

void CHideDlg::StopTimers() {
    for (unsigned id : kSuspendedTimers) host_.KillTimer(id);
}

void CHideDlg::OnTimer(unsigned id) {
    if (m_bBusy) return;
    if (id != hidedlg::kWatchdogTimer && id != hidedlg::kDriverPollTimer) return;

    if (id == hidedlg::kDriverPollTimer) {
        host_.KillTimer(hidedlg::kDriverPollTimer);
        ++m_nCountReconnect;
        int state = 0;
        NVAPAPI.NVAP_QueryInitialState(&state);
        if (state == 1 || m_nCountReconnect == NVAPAPI.m_Settings.waitforDriverInitialized) {
            TraceOut("[Zelvin] HideDlg::OnTimer(): NVAP_QueryInitialState return %d, m_nCountReconnect = %d --> "
                     "SetOidFromReg and reset m_nCountReconnect to zero\n",
                     state, m_nCountReconnect);
            m_nCountReconnect = 0;
            SetOidFromReg();
            NVAPAPI.NVAP_EnableDhcpServer();
        } else {
            StartDriverPoll();
        }
    }

    if (G_bDeviceRemoved == 0 && m_bDeviceExist && NVAPAPI.NVAP_IsDeviceExist(&NVAPAPI.m_SelectedAdapter) != 0) {
        WatchdogAdapterPresent();
    } else {
        WatchdogAdapterMissing();
    }
}

void CHideDlg::WatchdogAdapterPresent() {
    if (m_bRadioOn == 0) {
        SetTrayIcon(TrayState::Lost);
        return;
    }
    int running = 0;
    int stored = 0;
    NVAPAPI.NVAP_QueryAuthMode(&running);
    NVAPAPI.NVAP_ReadAuthMode(&stored);
    if (running != stored) {
        TraceOut("[Zelvin] HideDlg::On Timer : QueryAuthMode(%d) != ReadAuthMode (%d) --->SetOidFromReg\n ", running,
                 stored);
        SetOidFromReg();
    }

    int rssi = 0;
    NVAPAPI.NVAP_QuerySignalStrength(&rssi);
    unsigned quality = static_cast<unsigned>(NVAPAPI.NVAP_ConvertRssiToSignalQuality(rssi));
    SetTrayIcon(TrayStateForQuality(quality));

    CollectEvents();

    if (m_pSheet && m_pSheet->IsWindowAlive()) m_pSheet->UpdateBlockAckPage();

    if (NVAPAPI.NVAP_GetWinOS() < 10 && NVAPAPI.NVAP_IsZeroConfig() != 0) NVAPAPI.NVAP_StopXpZeroConfig();
}

void CHideDlg::CollectEvents() {
    KX_802_11_EVENT_TABLE table;
    std::memset(&table, 0, sizeof table);
    if ((NVAPAPI.NVAP_QueryEventTable(&table) & 0xFF) != 0) host_.AppendEvents(table);
}

void CHideDlg::WatchdogAdapterMissing() {
    host_.KillTimer(hidedlg::kWatchdogTimer);
    DestroySheet();
    SetDeviceExistFromDriver();
    StartWatchdog();
    if (m_bDeviceExist) {
        TraceOut("[Zelvin] HideDlg::OnTimer : G_bDeviceRemoved = %d\n", G_bDeviceRemoved);
        if (G_bDeviceRemoved == 1) {
            SetTrayIcon(TrayState::Lost);
            TraceOut("[Zelvin] HideDlg::OnTimer : G_bDeviceRemoved = TRUE : InitCard()\n");
            InitCard();
            G_bDeviceRemoved = 0;
        }
    } else {
        SetTrayIcon(TrayState::NotExist);
        TraceOut("[Zelvin] HideDlg::OnTimer : m_bDeviceExist = %d, DetectAdapter again\n ", m_bDeviceExist);
        DetectAdapter();
    }
}

void CHideDlg::OnPowerBroadcast(unsigned event) {
    if (event == hidedlg::kPowerSuspend) {
        StopTimers();
    } else if (event == hidedlg::kPowerResumeAutomatic) {
        StartWatchdog();
        m_nCountReconnect = 0;
        int state = 0;
        NVAPAPI.NVAP_QueryInitialState(&state);
        if (state == 1) {
            SetOidFromReg();
            TraceOut("[Zelvin]Detect PBT_APMRESUMEAUTOMATIC: NVAP_QueryInitialState return %d --> SetOidFromReg\n",
                     state);
            if (NVAPAPI.NVAP_GetWinOS() >= 7) NVAPAPI.NVAP_EnableDhcpServer();
        } else {
            StartDriverPoll();
        }
    }
}

void CHideDlg::OnDeviceChange() {
    TraceOut("[Zelvin]Detect WM_DEVICECHANGE\n");
    if (NVAPAPI.NVAP_IsDeviceExist(&NVAPAPI.m_SelectedAdapter) == 0) {
        TraceOut("[Zelvin]WM_DEVICECHANGE : Set G_bDeviceRemoved = TRUE\n");
        G_bDeviceRemoved = 1;
        CloseHelpWindows();
    }
}

void CHideDlg::OnConnectComplete() {
    if (NVAPAPI.NVAP_GetWinOS() < 10) return;
    if (m_bProfilePending == 1) {
        AP_CONFIG_DATA record;
        std::memset(&record, 0, sizeof record);
        NVAPAPI.NVAP_ReadConfigData(&record);
        std::string ssid = SsidTextOf(record);
        int length = static_cast<int>(record.SsidLength < sizeof record.Ssid ? record.SsidLength : sizeof record.Ssid);
        NVAPAPI.NVAP_SetAuthSecuKey(&record.AuthSecuData, record.Ssid, length);
        TraceOut("[Zelvin] HideDlg::OnConnectComplete(): strSSID = %s\n", ssid.c_str());
    }
    m_bProfilePending = 0;
}

void CHideDlg::OnTurnOnRadio() {
    if (m_bRadioOn != 0) return;
    TraceOut("[Zelvin] HideDlg::OnTurnOnRadio() --> SetVistaWindowsProfile(strSSID = %s)\n", "getUpdatedSSID");
    UpdateVistaProfile("getUpdatedSSID");
    m_bRadioOn = 1;
}

void CHideDlg::OnTurnOffRadio() {
    if (m_bRadioOn != 1) return;
    SetTrayIcon(TrayState::Lost);
    m_bRadioOn = 0;
}
