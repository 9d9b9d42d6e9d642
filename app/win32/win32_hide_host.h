// The hidden window's host on Win32: the notification-area icon, window
// timers, the toolkit's message boxes, the configuration sheet and the adapter
// dialog, window lookup across processes and the companion program's launch.
#pragma once

#include <windows.h>

#include "app/hide_dlg_host.h"
#include "app/win32/tray_icons.h"

class Win32HideHost : public HideDlgHost {
public:
    Win32HideHost(HINSTANCE instance, const TrayIcons& icons) : instance_(instance), icons_(icons) {}

    // The hidden window, once created.
    void Attach(HWND window) { window_ = window; }
    HWND Window() const { return window_; }
    bool Ended() const { return ended_; }
    int Result() const { return result_; }

    void* WindowHandle() override { return window_; }
    void SetMainIcon() override;
    void EndDialog(int result) override;
    HideDlgTexts LoadStringTable() override;
    bool TrayAdd(TrayState state, const std::string& tooltip) override;
    bool TrayModify(TrayState state, const std::string& tooltip) override;
    bool TrayDelete() override;
    void ShowTrayMenu(const std::vector<TrayMenuItem>& items) override;
    void SetTimer(unsigned id, unsigned periodMs) override;
    void KillTimer(unsigned id) override;
    void ShowMessage(const MessageBoxRequest& request) override;
    std::optional<int> ChooseAdapter(const std::vector<AVAILABLE_DEV>& adapters) override;
    std::unique_ptr<ConfigSheet> CreateSheet(const std::string& caption) override;
    WindowRef FindTopLevelWindow(const std::string& title) override;
    WindowRef FindTopLevelWindowByClass(const std::string& className) override;
    WindowRef FindDescendantByClass(WindowRef parent, const std::string& className) override;
    int ClientWidth(WindowRef window) override;
    void PostCloseRequest(WindowRef window) override;
    void PostMouseMove(WindowRef window, int x, int y) override;
    void PauseBriefly() override;
    bool StartProgram(const std::string& fullPath, const std::string& commandLine,
                      const std::string& workingFolder) override;
    void AppendEvents(const KX_802_11_EVENT_TABLE& table) override;
    void ResetEventLogShown() override;

private:
    bool Notify(DWORD action, TrayState state, const std::string& tooltip);

    HINSTANCE instance_;
    const TrayIcons& icons_;
    HWND window_ = nullptr;
    bool ended_ = false;
    int result_ = 0;
};
