#include "toolkit/testing/sample_page.h"

#include "toolkit/combo_items.h"
#include "toolkit/exchange.h"

namespace zelvin::tk::sample {

namespace {

DialogLayout SampleLayout() {
    DialogLayout layout;
    layout.caption = "Sample";
    layout.cx = 236;
    layout.cy = 160;
    layout.Add(-1, ControlKind::Static, "&Name:", 7, 9, 50, 8)
        .Add(kName, ControlKind::Edit, "", 60, 7, 120, 12)
        .Add(-1, ControlKind::Static, "Count (1-100):", 7, 25, 50, 8)
        .Add(kCount, ControlKind::Edit, "", 60, 23, 40, 12)
        .Add(-1, ControlKind::Static, "Interval:", 7, 41, 50, 8)
        .Add(kInterval, ControlKind::Edit, "", 60, 39, 40, 12)
        .Add(kEnabled, ControlKind::CheckBox, "&Enabled", 110, 24, 70, 10)
        .Add(-1, ControlKind::GroupBox, "Mode", 106, 34, 120, 21)
        .Add(kFast, ControlKind::RadioButton, "&Fast", 112, 43, 45, 10, kGroup)
        .Add(kSlow, ControlKind::RadioButton, "&Slow", 160, 43, 45, 10)
        .Add(-1, ControlKind::Static, "Code:", 7, 59, 50, 8)
        .Add(kCode, ControlKind::DropDownList, "", 60, 57, 80, 60, kGroup | kVerticalScroll)
        .Add(-1, ControlKind::Static, "Choice:", 7, 75, 50, 8)
        .Add(kChoice, ControlKind::DropDownList, "", 60, 73, 80, 60, kVerticalScroll)
        .Add(kStations, ControlKind::ListView, "", 7, 91, 222, 46, kBorder | kShowSelectionAlways)
        .Add(kApply, ControlKind::Button, "&Apply", 179, 141, 50, 14);
    return layout;
}

DialogLayout ListLayout() {
    DialogLayout layout;
    layout.caption = "List";
    layout.cx = 236;
    layout.cy = 160;
    layout.Add(-1, ControlKind::Static, "Entries:", 7, 7, 80, 8)
        .Add(kEntries, ControlKind::ListBox, "", 7, 18, 120, 80, kVerticalScroll | kBorder)
        .Add(kAdd, ControlKind::Button, "A&dd", 135, 18, 50, 14);
    return layout;
}

DialogLayout ExtraLayout() {
    DialogLayout layout;
    layout.caption = "Extra";
    layout.cx = 236;
    layout.cy = 160;
    layout.Add(kNote, ControlKind::Static, "A page added while the sheet is open.", 7, 7, 200, 8);
    return layout;
}

DialogLayout DialogLayoutWithButtons() {
    DialogLayout layout;
    layout.caption = "Sample dialog";
    layout.cx = 180;
    layout.cy = 60;
    layout.Add(-1, ControlKind::Static, "Count:", 7, 9, 40, 8)
        .Add(kCount, ControlKind::Edit, "", 50, 7, 40, 12)
        .Add(kName, ControlKind::Edit, "", 50, 23, 100, 12)
        .Add(kIdOk, ControlKind::Button, "OK", 69, 40, 50, 14, kDefaultButton)
        .Add(kIdCancel, ControlKind::Button, "Cancel", 123, 40, 50, 14);
    return layout;
}

}  // namespace

SamplePage::SamplePage() : PropertyPage(SampleLayout()) {}

bool SamplePage::OnInitDialog() {
    Control& code = Item(kCode);
    AddComboItemWithData(code, "Four", 4);
    AddComboItemWithData(code, "Six", 6);
    AddComboItemWithData(code, "Eight", 8);
    Control& choice = Item(kChoice);
    for (const char* text : {"Alpha", "Beta", "Gamma"}) choice.AddItem(text);
    Control& stations = Item(kStations);
    stations.SetExtendedStyle(kLvGridLines | kLvFullRowSelect | kLvInfoTip);
    int width = stations.WindowRect().Width();
    stations.InsertColumn(0, "Station", width / 2);
    stations.InsertColumn(1, "Rate", width / 3);
    return PropertyPage::OnInitDialog();
}

void SamplePage::DoDataExchange(DataExchange& dx) {
    dx.Text(kName, m_strName);
    dx.MaxBytes(kName, m_strName, 32);
    dx.Text(kCount, m_nCount);
    dx.Range(kCount, m_nCount, 1, 100);
    dx.Text(kInterval, m_uInterval);
    dx.Check(kEnabled, m_bEnabled);
    dx.Radio(kFast, m_nMode);
    dx.ComboText(kChoice, m_strChoice);
    if (dx.Failed()) return;
    // The code, not the position, is what the page keeps.
    Control& code = Item(kCode);
    if (dx.Saving()) {
        GetComboItemData(code, code.Selection(), m_nCode);
    } else {
        code.Select(FindComboItemByData(code, m_nCode));
    }
}

bool SamplePage::OnSetActive() {
    ++m_nActivations;
    SetTimer(kTickTimer, kTickMs);
    return PropertyPage::OnSetActive();
}

bool SamplePage::OnKillActive() {
    KillTimer(kTickTimer);
    return PropertyPage::OnKillActive();
}

void SamplePage::OnTimer(unsigned id) {
    if (id != kTickTimer) return;
    ++m_nTicks;
    Control& stations = Item(kStations);
    if (stations.ItemCount() < 3) {
        int row = stations.InsertItem(stations.ItemCount(), "00-11-22-33-44-0" + std::to_string(m_nTicks));
        stations.SetSubItemText(row, 1, "Rate = 54.00");
    }
}

void SamplePage::OnCommand(int controlId, Notification code) {
    if (controlId == kApply && code == Notification::Clicked && UpdateData(true)) ++m_nApplied;
}

ListPage::ListPage() : PropertyPage(ListLayout()) {}

bool ListPage::OnInitDialog() {
    Control& entries = Item(kEntries);
    entries.SetItemHeight(entries.ItemHeight() * 3 / 2);
    return PropertyPage::OnInitDialog();
}

void ListPage::OnCommand(int controlId, Notification code) {
    if (controlId == kAdd && code == Notification::Clicked) {
        Control& entries = Item(kEntries);
        entries.AddItem("00-A0-C9-FF-12-3" + std::to_string(entries.ItemCount()));
    }
    if (controlId == kEntries && code == Notification::SelChange) ++m_nSelChanges;
}

ExtraPage::ExtraPage() : PropertyPage(ExtraLayout()) {}

bool ExtraPage::OnInitDialog() {
    ++m_nInits;
    return PropertyPage::OnInitDialog();
}

void ExtraPage::OnDestroy() { ++m_nDestroys; }

SampleSheet::SampleSheet() : PropertySheet("Sample sheet") {
    AddPage(m_sample);
    AddPage(m_list);
}

bool SampleSheet::OnInitDialog() {
    bool result = PropertySheet::OnInitDialog();
    Button(kSheetHelp).Show(true);
    Button(kSheetHelp).Enable(true);
    // End the sheet ten pixels below its Help button, as the program does.
    Rect sheet = WindowRect();
    sheet.bottom = Button(kSheetHelp).WindowRect().bottom + 10;
    Move(sheet, true);
    m_bInitialised = true;
    return result;
}

SampleDialog::SampleDialog() : Dialog(DialogLayoutWithButtons()) {}

void SampleDialog::DoDataExchange(DataExchange& dx) {
    dx.Text(kCount, m_nCount);
    dx.Text(kName, m_strName);
    dx.MaxChars(kName, m_strName, 8);
}

}  // namespace zelvin::tk::sample
