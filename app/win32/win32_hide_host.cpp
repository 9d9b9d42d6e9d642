#include "app/win32/win32_hide_host.h"

#include <shellapi.h>

#include <span>

#include "app/hide_dlg.h"
#include "app/win32/win32_config_sheet.h"
#include "monitor/event_store.h"
#include "platform/win32/win32_text.h"
#include "toolkit/win32/win32_backend.h"
#include "toolkit/window_ops.h"
#include "ui/adapter_select_dlg.h"
#include "ui/uistr.h"

namespace {

constexpr UINT kTrayIconId = 1;
// A help viewer gets this long to close between two requests.
constexpr DWORD kCloseWaitMs = 25;

HWND ToHwnd(WindowRef ref) { return reinterpret_cast<HWND>(ref); }
WindowRef ToRef(HWND window) { return reinterpret_cast<WindowRef>(window); }

unsigned IconStyle(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Exclamation: return zelvin::tk::kMbIconExclamation;
        case MessageIcon::Stop: return zelvin::tk::kMbIconStop;
        case MessageIcon::None: break;
    }
    return 0;
}

struct DescendantSearch {
    std::wstring className;
    HWND found = nullptr;
};

BOOL CALLBACK MatchDescendant(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<DescendantSearch*>(param);
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    if (search->className == name) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

void Win32HideHost::SetMainIcon() {
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icons_.ProgramLarge()));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icons_.ProgramSmall()));
}

void Win32HideHost::EndDialog(int result) {
    ended_ = true;
    result_ = result;
    // A command posted while the tray menu is open arrives inside the menu's
    // own loop: close the menu so the window's loop can see the end.
    EndMenu();
    PostMessageW(window_, WM_NULL, 0, 0);
}

HideDlgTexts Win32HideHost::LoadStringTable() {
    g_UIStr.Load();
    HideDlgTexts t;
    t.norvaneLost = g_UIStr.IDS_NORVANE_LOST;
    t.norvaneGood = g_UIStr.IDS_NORVANE_GOOD;
    t.norvaneNormal = g_UIStr.IDS_NORVANE_NORMAL;
    t.norvaneWeak = g_UIStr.IDS_NORVANE_WEAK;
    t.norvaneNotExist = g_UIStr.IDS_NORVANE_NOTEXIST;
    t.trayLaunch = g_UIStr.IDS_TRAY_LAUNCH;
    t.traySwitchStationMode = g_UIStr.IDS_TRAY_SWITCH_STATION_MODE;
    t.trayExit = g_UIStr.IDS_TRAY_EXIT;
    t.driverNotOk = g_UIStr.IDS_DRIVER_NOTOK;
    t.apConfigMsg = g_UIStr.IDS_APCONFIGMSG;
    t.configTitle = g_UIStr.IDS_NORVANE_CONFIG_TITLE;
    t.uiLocked = g_UIStr.IDS_UI_LOCKED;
    t.apConfigHelp = g_UIStr.IDS_APCONFIG_HELP;
    return t;
}

bool Win32HideHost::Notify(DWORD action, TrayState state, const std::string& tooltip) {
    NOTIFYICONDATAW data = {};
    data.cbSize = sizeof data;
    data.hWnd = window_;
    data.uID = kTrayIconId;
    if (action != NIM_DELETE) {
        data.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
        data.uCallbackMessage = hidedlg::kMsgTrayNotify;
        data.hIcon = icons_.Small(state);
        // The tooltip text is already cut to the field's 127 characters.
        std::wstring tip = zelvin::ToWide(tooltip);
        size_t n = tip.size() < 127 ? tip.size() : 127;
        tip.copy(data.szTip, n);
        data.szTip[n] = L'\0';
    }
    return Shell_NotifyIconW(action, &data) != FALSE;
}

bool Win32HideHost::TrayAdd(TrayState state, const std::string& tooltip) { return Notify(NIM_ADD, state, tooltip); }

bool Win32HideHost::TrayModify(TrayState state, const std::string& tooltip) {
    return Notify(NIM_MODIFY, state, tooltip);
}

bool Win32HideHost::TrayDelete() { return Notify(NIM_DELETE, TrayState::Lost, {}); }

void Win32HideHost::ShowTrayMenu(const std::vector<TrayMenuItem>& items) {
    HMENU menu = CreatePopupMenu();
    if (!menu) return;
    for (const TrayMenuItem& item : items) {
        AppendMenuW(menu, MF_STRING, item.commandId, zelvin::ToWide(item.text).c_str());
    }
    POINT cursor = {};
    GetCursorPos(&cursor);
    SetForegroundWindow(window_);
    TrackPopupMenu(menu, TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, window_, nullptr);
    // Lets the menu close when the user clicks elsewhere next time.
    PostMessageW(window_, WM_NULL, 0, 0);
    DestroyMenu(menu);
}

void Win32HideHost::SetTimer(unsigned id, unsigned periodMs) { ::SetTimer(window_, id, periodMs, nullptr); }

void Win32HideHost::KillTimer(unsigned id) { ::KillTimer(window_, id); }

void Win32HideHost::ShowMessage(const MessageBoxRequest& request) {
    zelvin::tk::WindowHandle owner = request.ownedByHiddenWindow ? zelvin::tk::FromHwnd(window_) : nullptr;
    zelvin::tk::ShowMessageBox(owner, request.text, request.caption, zelvin::tk::kMbOk | IconStyle(request.icon));
}

std::optional<int> Win32HideHost::ChooseAdapter(const std::vector<AVAILABLE_DEV>& adapters) {
    return ::ChooseAdapter(std::span<const AVAILABLE_DEV>(adapters.data(), adapters.size()),
                           zelvin::tk::FromHwnd(window_));
}

std::unique_ptr<ConfigSheet> Win32HideHost::CreateSheet(const std::string& caption) {
    auto sheet = std::make_unique<CNvPropSheet>(caption, zelvin::tk::FromHwnd(window_));
    sheet->SetHeaderIcon(zelvin::tk::FromHicon(icons_.Small(TrayState::Lost)));
    if (!sheet->Create()) return nullptr;
    return std::make_unique<Win32ConfigSheet>(std::move(sheet), icons_);
}

WindowRef Win32HideHost::FindTopLevelWindow(const std::string& title) {
    return ToRef(FindWindowW(nullptr, zelvin::ToWide(title).c_str()));
}

WindowRef Win32HideHost::FindTopLevelWindowByClass(const std::string& className) {
    return ToRef(FindWindowW(zelvin::ToWide(className).c_str(), nullptr));
}

WindowRef Win32HideHost::FindDescendantByClass(WindowRef parent, const std::string& className) {
    DescendantSearch search{zelvin::ToWide(className)};
    EnumChildWindows(ToHwnd(parent), MatchDescendant, reinterpret_cast<LPARAM>(&search));
    return ToRef(search.found);
}

int Win32HideHost::ClientWidth(WindowRef window) {
    RECT rect = {};
    if (!GetClientRect(ToHwnd(window), &rect)) return 0;
    return rect.right - rect.left;
}

void Win32HideHost::PostCloseRequest(WindowRef window) { PostMessageW(ToHwnd(window), WM_CLOSE, 0, 0); }

void Win32HideHost::PostMouseMove(WindowRef window, int x, int y) {
    PostMessageW(ToHwnd(window), WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
}

void Win32HideHost::PauseBriefly() { Sleep(kCloseWaitMs); }

bool Win32HideHost::StartProgram(const std::string& fullPath, const std::string& commandLine,
                                 const std::string& workingFolder) {
    std::wstring application = zelvin::ToWide(fullPath);
    std::wstring arguments = zelvin::ToWide(commandLine);  // CreateProcessW may write into it
    std::wstring folder = zelvin::ToWide(workingFolder);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWMINNOACTIVE;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(application.c_str(), arguments.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

void Win32HideHost::AppendEvents(const KX_802_11_EVENT_TABLE& table) { AppendEventTable(table); }

void Win32HideHost::ResetEventLogShown() { G_nEventLogShown = 0; }
