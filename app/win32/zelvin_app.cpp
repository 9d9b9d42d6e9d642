#include "app/win32/zelvin_app.h"

#include <commctrl.h>

#include "app/command_line.h"
#include "app/hide_dlg.h"
#include "app/win32/hidden_window.h"
#include "app/win32/tray_icons.h"
#include "app/win32/win32_hide_host.h"
#include "platform/win32/win32_text.h"
#include "toolkit/win32/win32_backend.h"

namespace {

void RegisterCommonControls() {
    INITCOMMONCONTROLSEX controls = {};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES |
                     ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS | ICC_HOTKEY_CLASS | ICC_ANIMATE_CLASS;
    InitCommonControlsEx(&controls);
}

std::wstring WithoutLeadingBlanks(const wchar_t* text) {
    std::wstring s = text ? text : L"";
    size_t first = s.find_first_not_of(L" \t");
    return first == std::wstring::npos ? std::wstring() : s.substr(first);
}

}  // namespace

int CZelvinApp::Run(const wchar_t* arguments) {
    InitInstance(WithoutLeadingBlanks(arguments));
    ExitInstance();
    return 0;
}

bool CZelvinApp::InitInstance(const std::wstring& arguments) {
    RegisterCommonControls();
    m_hMutex = CreateMutexW(nullptr, FALSE, L"KXA0");
    if (m_hMutex && GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(m_hMutex);
        m_hMutex = nullptr;
        HWND running = FindWindowW(nullptr, L"Norvane Wireless UI");
        if (running) PostMessageW(running, WM_COMMAND, hidedlg::kCmdLaunchConfig, 0);
        return false;
    }

    static zelvin::tk::Win32Backend backend;
    zelvin::tk::SetCurrentBackend(&backend);
    TrayIcons icons(instance_);
    Win32HideHost host(instance_, icons);
    {
        CHideDlg dlg(host);
        if (IsSilentStart(zelvin::ToUtf8(arguments))) dlg.m_bShowSheet = 0;
        RunHiddenWindow(instance_, dlg, host);
    }  // the window object's end sweeps the taskbar
    return false;
}

void CZelvinApp::ExitInstance() {
    if (m_hMutex) {
        ReleaseMutex(m_hMutex);
        CloseHandle(m_hMutex);
        m_hMutex = nullptr;
    }
}
