// CHideDlg: the hidden main window. It owns the life of the process: start-up
// and adapter detection, card initialisation, the watchdog and the system
// events, the tray icon with its menu and the station-mode switch. Everything
// it needs from the windowing system goes through HideDlgHost.
#pragma once

#include <memory>
#include <string>

#include "app/hide_dlg_host.h"
#include "app/hide_dlg_texts.h"
#include "app/tray_state.h"

// The adapter was seen missing after a device change; the next watchdog tick
// that finds it again re-initialises the card.
extern int G_bDeviceRemoved;

namespace hidedlg {
constexpr unsigned kWatchdogTimer = 1;
constexpr unsigned kDriverPollTimer = 4;
constexpr unsigned kWatchdogPeriodMs = 2000;
constexpr unsigned kDriverPollPeriodMs = 1000;

constexpr unsigned kCmdLaunchConfig = 32771;
constexpr unsigned kCmdExit = 32772;
constexpr unsigned kCmdSwitchStationMode = 32773;

constexpr unsigned kMsgConnectComplete = 0x401;
constexpr unsigned kMsgTurnOnRadio = 0x402;
constexpr unsigned kMsgTurnOffRadio = 0x403;
constexpr unsigned kMsgTrayNotify = 0x464;

// Mouse messages the tray callback carries in lParam.
constexpr unsigned kMouseRightButtonDown = 0x0204;
constexpr unsigned kMouseLeftButtonDoubleClick = 0x0203;

// Power-broadcast events.
constexpr unsigned kPowerSuspend = 0x0004;
constexpr unsigned kPowerResumeAutomatic = 0x0012;

constexpr const char* kWindowTitle = "Norvane Wireless UI";

// The configuration page, after applying a new SSID, asks the main window to
// update the operating system's wireless profile: WM_COPYDATA to the window
// titled kWindowTitle with dwData kCopyDataUpdateProfile and the SSID's UTF-8
// bytes (no terminator needed, at most kMaxProfileRequestBytes) as the data.
constexpr unsigned long kCopyDataUpdateProfile = 0x5A50;
constexpr unsigned kMaxProfileRequestBytes = 64;
}  // namespace hidedlg

class CHideDlg {
public:
    explicit CHideDlg(HideDlgHost& host);
    ~CHideDlg();
    CHideDlg(const CHideDlg&) = delete;
    CHideDlg& operator=(const CHideDlg&) = delete;

    // Start-up; true when the window stays up, false after ending it.
    bool OnInitDialog();
    int DetectAdapter();

    void InitCard();
    void SetOidFromReg();
    void UpdateVistaProfile(const std::string& ssid);

    void OnTimer(unsigned id);
    void OnPowerBroadcast(unsigned event);
    void OnDeviceChange();
    void OnConnectComplete();
    void OnTurnOnRadio();
    void OnTurnOffRadio();

    bool AddTrayIcon();
    bool SetTrayIcon(TrayState state);
    void RemoveTrayIcon();
    int OnTrayNotify(unsigned mouseMessage);
    void ShowTrayMenu();
    void ShowConfigSheet();
    void OnLaunchConfig();
    void OnTrayExit();
    void OnSwitchToStationMode();
    void CloseHelpWindows();
    // The window's destroy message: stops the library.
    void OnDestroy();
    // The shell was restarted ("TaskbarCreated"): its new tray has no icon.
    void OnTaskbarCreated();
    // Sweeps the taskbar so it drops icons of ended programs.
    void RefreshTrayArea();

    // Window commands (menu and cross-process) dispatched by id.
    void OnCommand(unsigned id);

    int m_bDeviceExist = 0;
    int m_bShowSheet = 1;
    int m_bProfilePending = 0;
    std::unique_ptr<ConfigSheet> m_pSheet;
    int m_bTrayIconAdded = 0;
    int m_bBusy = 0;
    unsigned m_nWatchdogTimer = 0;
    unsigned m_nDriverPollTimer = 0;
    int m_nCountReconnect = 0;
    int m_bRadioOn = 1;

    TrayState CurrentTrayState() const { return trayState_; }
    const HideDlgTexts& Texts() const { return texts_; }

private:
    void StartWatchdog();
    void StartDriverPoll();
    void StopTimers();
    void DestroySheet();
    void WatchdogAdapterPresent();
    void WatchdogAdapterMissing();
    void CollectEvents();
    void SetDeviceExistFromDriver();
    std::string TooltipFor(TrayState state) const;
    void CloseWindowsTitled(const std::string& title, bool untilGone);

    HideDlgHost& host_;
    HideDlgTexts texts_;
    TrayState trayState_ = TrayState::NotExist;
    bool ended_ = false;
};
