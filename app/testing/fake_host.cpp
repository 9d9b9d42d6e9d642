#include "app/testing/fake_host.h"

HideDlgTexts FakeHost::DefaultTexts() {
    HideDlgTexts t;
    t.norvaneLost = "AP lost";
    t.norvaneGood = "AP good";
    t.norvaneNormal = "AP normal";
    t.norvaneWeak = "AP weak";
    t.norvaneNotExist = "No adapter";
    t.trayLaunch = "Open";
    t.traySwitchStationMode = "Station mode";
    t.trayExit = "Exit";
    t.driverNotOk = "Driver not ready";
    t.apConfigMsg = "AP Config";
    t.configTitle = "Access Point Configuration";
    t.uiLocked = "In use";
    t.apConfigHelp = "AP Help";
    return t;
}

bool FakeHost::TrayAdd(TrayState state, const std::string& tooltip) {
    ++trayAdds;
    if (!trayAccepts || trayPresent) return false;
    trayPresent = true;
    trayStates.push_back(state);
    lastTooltip = tooltip;
    return true;
}

bool FakeHost::TrayModify(TrayState state, const std::string& tooltip) {
    if (!trayPresent) return false;
    trayStates.push_back(state);
    lastTooltip = tooltip;
    return true;
}

bool FakeHost::TrayDelete() {
    ++trayDeletes;
    bool was = trayPresent;
    trayPresent = false;
    return was;
}

void FakeHost::SetTimer(unsigned id, unsigned periodMs) {
    timers[id] = Timer{periodMs, now + periodMs};
    timerStarts.emplace_back(id, periodMs);
}

void FakeHost::Advance(long long ms) {
    long long end = now + ms;
    for (;;) {
        auto next = timers.end();
        for (auto it = timers.begin(); it != timers.end(); ++it) {
            if (next == timers.end() || it->second.due < next->second.due) next = it;
        }
        if (next == timers.end() || next->second.due > end) break;
        now = next->second.due;
        unsigned id = next->first;
        next->second.due += next->second.period;
        if (dlg) dlg->OnTimer(id);
    }
    now = end;
}

void FakeHost::ShowMessage(const MessageBoxRequest& request) {
    messages.push_back(request);
    if (duringModal) duringModal();
}

std::optional<int> FakeHost::ChooseAdapter(const std::vector<AVAILABLE_DEV>& adapters) {
    adapterDialogs.push_back(adapters);
    if (duringModal) duringModal();
    return adapterChoice;
}

std::unique_ptr<ConfigSheet> FakeHost::CreateSheet(const std::string& caption) {
    sheetCaptions.push_back(caption);
    ++sheet.created;
    sheet.movedTo.reset();
    return std::make_unique<FakeSheet>(sheet);
}

WindowRef FakeHost::FindTopLevelWindow(const std::string& title) {
    auto it = windowsByTitle.find(title);
    if (it == windowsByTitle.end() || it->second == 0) return 0;
    windowTitles_.push_back(title);
    return windowTitles_.size();
}

WindowRef FakeHost::FindTopLevelWindowByClass(const std::string& className) {
    return (taskbarPresent && className == "Shell_TrayWnd") ? 1000 : 0;
}

WindowRef FakeHost::FindDescendantByClass(WindowRef parent, const std::string& className) {
    return (parent == 1000 && className == "ToolbarWindow32") ? 1001 : 0;
}

void FakeHost::PostCloseRequest(WindowRef window) {
    const std::string& title = windowTitles_.at(window - 1);
    closeRequests.push_back(title);
    if (!windowsIgnoreClose && windowsByTitle[title] > 0) --windowsByTitle[title];
}
