// The tray icon, its menu and commands, the configuration sheet's creation,
// and the hidden window's shutdown and station-mode switch.
#include "app/hide_dlg.h"
#include "app/station_mode_command.h"
#include "app/tooltip_text.h"
#include "core/nvap_binding.h"
#include "platform/platform.h"

namespace {

// A help viewer that ignores close requests must not hang the interface:
// ask a bounded number of times, pausing briefly between requests.
constexpr int kCloseAttempts = 20;
constexpr int kHelpMarginBelowPx = 10;

}  // namespace

CHideDlg::CHideDlg(HideDlgHost& host) : host_(host) {}

CHideDlg::~CHideDlg() { RefreshTrayArea(); }

std::string CHideDlg::TooltipFor(TrayState state) const { return TooltipText(texts_.TooltipFormat(state)); }

bool CHideDlg::AddTrayIcon() {
    TrayState state = m_bDeviceExist ? TrayState::Lost : TrayState::NotExist;
    trayState_ = state;
    bool added = host_.TrayAdd(state, TooltipFor(state));
    if (added) m_bTrayIconAdded = 1;
    return added;
}

bool CHideDlg::SetTrayIcon(TrayState state) {
    trayState_ = state;
    std::string tooltip = TooltipFor(state);
    bool result = host_.TrayModify(state, tooltip);
    if (!result) {
        host_.TrayDelete();
        result = host_.TrayAdd(state, tooltip);
        m_bTrayIconAdded = result ? 1 : 0;
    }
    if (m_pSheet && m_pSheet->IsWindowAlive()) m_pSheet->SetSmallIcon(state);
    return result;
}

void CHideDlg::RemoveTrayIcon() {
    if (host_.TrayDelete()) m_bTrayIconAdded = 0;
}

void CHideDlg::OnTaskbarCreated() {
    if (ended_) return;
    m_bTrayIconAdded = host_.TrayAdd(trayState_, TooltipFor(trayState_)) ? 1 : 0;
}

int CHideDlg::OnTrayNotify(unsigned mouseMessage) {
    if (m_bBusy) return 0;
    if (mouseMessage == hidedlg::kMouseLeftButtonDoubleClick) {
        if (m_bDeviceExist && NVAPAPI.NVAP_IsDeviceExist(&NVAPAPI.m_SelectedAdapter) != 0) ShowConfigSheet();
    } else if (mouseMessage == hidedlg::kMouseRightButtonDown) {
        ShowTrayMenu();
    }
    return 0;
}

void CHideDlg::ShowTrayMenu() {
    host_.ShowTrayMenu({
        {hidedlg::kCmdLaunchConfig, texts_.trayLaunch},
        {hidedlg::kCmdSwitchStationMode, texts_.traySwitchStationMode},
        {hidedlg::kCmdExit, texts_.trayExit},
    });
}

void CHideDlg::OnCommand(unsigned id) {
    switch (id) {
        case hidedlg::kCmdLaunchConfig: OnLaunchConfig(); break;
        case hidedlg::kCmdExit: OnTrayExit(); break;
        case hidedlg::kCmdSwitchStationMode: OnSwitchToStationMode(); break;
        default: break;
    }
}

void CHideDlg::OnLaunchConfig() {
    if (m_bBusy || !m_bDeviceExist) return;
    if (NVAPAPI.NVAP_IsDeviceExist(&NVAPAPI.m_SelectedAdapter) == 0) return;
    ShowConfigSheet();
}

void CHideDlg::ShowConfigSheet() {
    if (m_bBusy) return;
    if (!m_bDeviceExist) {
        m_bBusy = 1;
        host_.ShowMessage({true, texts_.driverNotOk, texts_.apConfigMsg, MessageIcon::Stop});
        m_bBusy = 0;
        return;
    }
    if (m_pSheet && m_pSheet->IsWindowAlive()) {
        m_pSheet->BringToForeground();
        return;
    }
    host_.ResetEventLogShown();
    m_pSheet.reset();  // a sheet the user closed leaves its object behind
    m_pSheet = host_.CreateSheet(texts_.configTitle);
    if (!m_pSheet) return;
    ScreenRect rect = m_pSheet->WindowRect();
    rect.bottom = m_pSheet->HelpButtonRect().bottom + kHelpMarginBelowPx;
    m_pSheet->MoveTo(rect);
    m_pSheet->BringToForeground();
}

void CHideDlg::DestroySheet() {
    if (!m_pSheet) return;
    if (m_pSheet->IsWindowAlive()) m_pSheet->DestroyWindow();
    m_pSheet.reset();
}

void CHideDlg::OnTrayExit() {
    if (m_bBusy) return;
    DestroySheet();
    CloseHelpWindows();
    RemoveTrayIcon();
    ended_ = true;
    host_.EndDialog(1);
}

void CHideDlg::OnSwitchToStationMode() {
    // A modal step of start-up or of the watchdog is still running: ending the
    // window is refused then, so handing the adapter over would leave this
    // program running on an adapter in station mode.
    if (m_bBusy) return;
    if (NVAPAPI.NVAP_DetectMoreThanOneProcess() != 0) {
        host_.ShowMessage({true, texts_.uiLocked, texts_.apConfigMsg, MessageIcon::Exclamation});
        return;
    }
    NVAPAPI.NVAP_SetOPMode(0);
    OnTrayExit();
    NVAPAPI.NVAP_RestoreStationSetting();
    if (NVAPAPI.NVAP_GetWinOS() >= 10) NVAPAPI.NVAP_DeleteVistaWindowsProfile();

    const auto& settings = NVAPAPI.m_Settings;
    StationModeLaunch launch = BuildStationModeLaunch(zelvin::CurrentPlatform().ExecutablePath(),
                                                      settings.utilityFileName, settings.shortcutFolderName,
                                                      settings.shortcutUiName, NVAPAPI.m_SelectedAdapter.HardwareId);
    host_.StartProgram(launch.programPath, launch.commandLine, launch.workingFolder);
}

void CHideDlg::CloseWindowsTitled(const std::string& title, bool untilGone) {
    // An empty title would match every untitled window of the desktop.
    if (title.empty()) return;
    for (int attempt = 0; attempt < kCloseAttempts; ++attempt) {
        WindowRef window = host_.FindTopLevelWindow(title);
        if (window == 0) return;
        host_.PostCloseRequest(window);
        if (!untilGone) return;
        host_.PauseBriefly();
    }
}

void CHideDlg::CloseHelpWindows() {
    CloseWindowsTitled(texts_.apConfigMsg, false);
    CloseWindowsTitled("SoftAP Utility Help", true);
    CloseWindowsTitled("HTML Help", true);
    CloseWindowsTitled(texts_.apConfigHelp, true);
}

void CHideDlg::OnDestroy() {
    if (NVAPAPI.m_hLibrary == nullptr) return;
    if (NVAPAPI.NVAP_GetWinOS() >= 7) NVAPAPI.NVAP_DisableDhcpServer();
    NVAPAPI.NVAP_DeInitial();
}

void CHideDlg::RefreshTrayArea() {
    WindowRef tray = host_.FindTopLevelWindowByClass("Shell_TrayWnd");
    if (tray == 0) return;
    WindowRef toolbar = host_.FindDescendantByClass(tray, "ToolbarWindow32");
    if (toolbar == 0) return;
    int width = host_.ClientWidth(toolbar);
    for (int y = 1; y < width; ++y) host_.PostMouseMove(toolbar, 1, y);
}
