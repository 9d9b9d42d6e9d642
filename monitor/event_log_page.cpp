#include "monitor/event_log_page.h"

#include "monitor/event_store.h"
#include "ui/uistr.h"

using namespace zelvin::tk;

namespace {

DialogLayout EventLogLayout() {
    DialogLayout layout;
    layout.caption = g_UIStr.IDS_TAB_EVENTLOG;
    layout.cx = 276;
    layout.cy = 190;
    layout.Add(CEventLogPage::kIdEventList, ControlKind::ListView, "", 7, 7, 262, 154,
               kBorder | kShowSelectionAlways);
    layout.Add(CEventLogPage::kIdClear, ControlKind::Button, "CLEAR", 209, 168, 60, 15);
    return layout;
}

}  // namespace

CEventLogPage::CEventLogPage() : PropertyPage(EventLogLayout()) {
    m_strEventMsg = {g_UIStr.IDS_EVENTMSG0, g_UIStr.IDS_EVENTMSG1, g_UIStr.IDS_EVENTMSG2,
                     g_UIStr.IDS_EVENTMSG3, g_UIStr.IDS_EVENTMSG4, g_UIStr.IDS_EVENTMSG5};
}

bool CEventLogPage::OnInitDialog() {
    const bool result = PropertyPage::OnInitDialog();
    InitListCtrl();
    Item(kIdClear).SetText(g_UIStr.IDS_CLEAR);
    return result;
}

void CEventLogPage::InitListCtrl() {
    Control& list = Item(kIdEventList);
    list.SetExtendedStyle(kLvGridLines | kLvFullRowSelect | kLvInfoTip);
    const int tenth = list.WindowRect().Width() / 10;
    list.InsertColumn(0, g_UIStr.IDS_EVENTTIME, static_cast<int>(tenth * 4.0));
    list.InsertColumn(1, g_UIStr.IDS_EVENTMSG, static_cast<int>(tenth * 5.9));
}

bool CEventLogPage::OnSetActive() {
    SetTimer(kRefreshTimer, kRefreshPeriodMs);
    return PropertyPage::OnSetActive();
}

bool CEventLogPage::OnKillActive() {
    KillTimer(kRefreshTimer);
    return PropertyPage::OnKillActive();
}

void CEventLogPage::OnTimer(unsigned id) {
    RefreshList();
    PropertyPage::OnTimer(id);
}

void CEventLogPage::RefreshList() {
    Control& list = Item(kIdEventList);
    const int rows = list.ItemCount();
    const std::size_t first = G_nEventLogShown;
    const std::size_t size = G_EventLogArray.size();
    for (std::size_t i = first; i < size; ++i) {
        const KX_802_11_EVENT_LOG& record = G_EventLogArray[i];
        const int row = list.InsertItem(rows + static_cast<int>(i - first), FormatEventTime(record));
        list.SetSubItemText(row, 1, FormatEventMessage(record, m_strEventMsg));
    }
    if (first < size) G_nEventLogShown = size;
    while (list.ItemCount() > kMaxRows) list.DeleteItem(0);
}

void CEventLogPage::OnCommand(int controlId, Notification code) {
    if (controlId == kIdClear && code == Notification::Clicked) {
        OnClear();
        return;
    }
    PropertyPage::OnCommand(controlId, code);
}

void CEventLogPage::OnClear() {
    Item(kIdEventList).ClearItems();
    ClearEventStore();
}
