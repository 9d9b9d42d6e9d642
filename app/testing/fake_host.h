// The windowing system as the hidden window's tests see it: timers on a
// virtual clock, a tray that can lose its icon, modal steps that can run code
// while they are open, and a desktop of titled windows.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/hide_dlg.h"

class FakeSheet;

struct FakeSheetState {
    int liveObjects = 0;   // sheet objects not yet deleted
    int created = 0;
    int foregroundRequests = 0;
    int blockAckUpdates = 0;
    std::vector<TrayState> smallIcons;
    ScreenRect window{100, 100, 500, 400};
    ScreenRect helpButton{400, 350, 480, 372};
    std::optional<ScreenRect> movedTo;
    bool windowAlive = false;
};

class FakeSheet : public ConfigSheet {
public:
    explicit FakeSheet(FakeSheetState& state) : state_(state) {
        ++state_.liveObjects;
        state_.windowAlive = true;
    }
    ~FakeSheet() override { --state_.liveObjects; }
    bool IsWindowAlive() override { return state_.windowAlive; }
    void DestroyWindow() override { state_.windowAlive = false; }
    void BringToForeground() override { ++state_.foregroundRequests; }
    void SetSmallIcon(TrayState state) override { state_.smallIcons.push_back(state); }
    void UpdateBlockAckPage() override { ++state_.blockAckUpdates; }
    ScreenRect WindowRect() override { return state_.window; }
    ScreenRect HelpButtonRect() override { return state_.helpButton; }
    void MoveTo(const ScreenRect& rect) override { state_.movedTo = rect; }

private:
    FakeSheetState& state_;
};

class FakeHost : public HideDlgHost {
public:
    CHideDlg* dlg = nullptr;  // receives timer ticks

    // --- window ---
    std::optional<int> endResult;
    int mainIconSet = 0;
    HideDlgTexts texts = DefaultTexts();
    static HideDlgTexts DefaultTexts();

    // --- tray ---
    bool trayPresent = false;
    bool trayAccepts = true;  // false: the notification area is gone
    std::vector<TrayState> trayStates;
    std::string lastTooltip;
    int trayAdds = 0;
    int trayDeletes = 0;
    std::vector<std::vector<TrayMenuItem>> menus;

    // --- timers on a virtual clock ---
    struct Timer {
        unsigned period;
        long long due;
    };
    std::map<unsigned, Timer> timers;
    long long now = 0;
    std::vector<std::pair<unsigned, unsigned>> timerStarts;  // id, period
    // Advances the clock, firing every timer that falls due, in time order.
    void Advance(long long ms);

    // --- modal steps ---
    std::vector<MessageBoxRequest> messages;
    std::function<void()> duringModal;  // runs inside every modal step
    std::optional<int> adapterChoice;
    std::vector<std::vector<AVAILABLE_DEV>> adapterDialogs;

    // --- sheet ---
    FakeSheetState sheet;
    std::vector<std::string> sheetCaptions;
    int eventLogResets = 0;
    std::vector<KX_802_11_EVENT_TABLE> appendedEvents;

    // --- desktop: windows by title, each title with a count of windows ---
    std::map<std::string, int> windowsByTitle;
    bool windowsIgnoreClose = false;
    std::vector<std::string> closeRequests;
    int pauses = 0;
    bool taskbarPresent = true;
    int toolbarWidth = 5;
    std::vector<std::pair<int, int>> mouseMoves;

    // --- programs ---
    std::vector<std::vector<std::string>> startedPrograms;  // path, command line, folder

    // HideDlgHost
    void* WindowHandle() override { return this; }
    void SetMainIcon() override { ++mainIconSet; }
    void EndDialog(int result) override { endResult = result; }
    HideDlgTexts LoadStringTable() override { return texts; }
    bool TrayAdd(TrayState state, const std::string& tooltip) override;
    bool TrayModify(TrayState state, const std::string& tooltip) override;
    bool TrayDelete() override;
    void ShowTrayMenu(const std::vector<TrayMenuItem>& items) override { menus.push_back(items); }
    void SetTimer(unsigned id, unsigned periodMs) override;
    void KillTimer(unsigned id) override { timers.erase(id); }
    void ShowMessage(const MessageBoxRequest& request) override;
    std::optional<int> ChooseAdapter(const std::vector<AVAILABLE_DEV>& adapters) override;
    std::unique_ptr<ConfigSheet> CreateSheet(const std::string& caption) override;
    WindowRef FindTopLevelWindow(const std::string& title) override;
    WindowRef FindTopLevelWindowByClass(const std::string& className) override;
    WindowRef FindDescendantByClass(WindowRef parent, const std::string& className) override;
    int ClientWidth(WindowRef) override { return toolbarWidth; }
    void PostCloseRequest(WindowRef window) override;
    void PostMouseMove(WindowRef, int x, int y) override { mouseMoves.emplace_back(x, y); }
    void PauseBriefly() override { ++pauses; }
    bool StartProgram(const std::string& path, const std::string& commandLine, const std::string& folder) override {
        startedPrograms.push_back({path, commandLine, folder});
        return true;
    }
    void AppendEvents(const KX_802_11_EVENT_TABLE& table) override { appendedEvents.push_back(table); }
    void ResetEventLogShown() override { ++eventLogResets; }

private:
    std::vector<std::string> windowTitles_;  // WindowRef n is windowTitles_[n - 1]
};
