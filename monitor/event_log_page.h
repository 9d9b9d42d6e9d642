// The configuration sheet's event log page: the stored driver events as a
// two-column list (local time, message), at most 100 rows, refreshed every
// 2 seconds while the page is active, and a CLEAR button that empties the
// list and the store.
#pragma once

#include "monitor/event_log_format.h"
#include "toolkit/property_sheet.h"

class CEventLogPage : public zelvin::tk::PropertyPage {
public:
    enum : int { kIdEventList = 1001, kIdClear = 1002 };
    static constexpr unsigned kRefreshTimer = 1;
    static constexpr unsigned kRefreshPeriodMs = 2000;
    static constexpr int kMaxRows = 100;

    // Takes the tab caption and the event texts from the text table.
    CEventLogPage();

    // Appends the store's records the list has not shown yet, then trims the
    // list to its newest 100 rows.
    void RefreshList();

protected:
    bool OnInitDialog() override;
    bool OnSetActive() override;
    bool OnKillActive() override;
    void OnTimer(unsigned id) override;
    void OnCommand(int controlId, zelvin::tk::Notification code) override;

private:
    void InitListCtrl();
    void OnClear();

    EventMessageTexts m_strEventMsg;
};
