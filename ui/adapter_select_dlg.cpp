#include "ui/adapter_select_dlg.h"

#include <algorithm>

#include "toolkit/exchange.h"

using namespace zelvin::tk;

namespace {

DialogLayout SelCardLayout() {
    DialogLayout layout;
    layout.caption = "Select wireless lan card";
    layout.cx = 262;
    layout.cy = 132;
    const int labelX = 7, labelWidth = 84, fieldX = 94, fieldWidth = 161;
    layout.Add(-1, ControlKind::Static, "Select wireless lan card", 7, 7, 248, 10);
    layout.Add(-1, ControlKind::Static, "Friendly Name : ", labelX, 26, labelWidth, 10);
    layout.Add(CSelCardDlg::kIdAdapterList, ControlKind::DropDownList, "", fieldX, 24, fieldWidth, 80,
               kVerticalScroll);
    const struct {
        int id;
        const char* label;
    } lines[] = {
        {CSelCardDlg::kIdDeviceDesc, "Device Description : "},
        {CSelCardDlg::kIdHardwareId, "Hardware ID : "},
        {CSelCardDlg::kIdLocationInfo, "Location Infoamation : "},
        {CSelCardDlg::kIdManufacturer, "Manufactory : "},
    };
    int y = 44;
    for (const auto& line : lines) {
        layout.Add(-1, ControlKind::Static, line.label, labelX, y + 2, labelWidth, 10);
        layout.Add(line.id, ControlKind::Edit, "", fieldX, y, fieldWidth, 12, kReadOnly);
        y += 16;
    }
    layout.Add(kIdOk, ControlKind::Button, "OK", 101, 111, 60, 14, kDefaultButton);
    return layout;
}

}  // namespace

CSelCardDlg::CSelCardDlg() : Dialog(SelCardLayout()) {}

void CSelCardDlg::SetAdapters(std::span<const AVAILABLE_DEV> adapters) { m_Adapters = adapters; }

void CSelCardDlg::SetAdapterList(const AVAILABLE_DEV_LIST* list, std::size_t capacity) {
    if (!list) {
        m_Adapters = {};
        return;
    }
    const std::size_t count = std::min<std::size_t>(list->nCount, capacity);
    m_Adapters = std::span<const AVAILABLE_DEV>(count > 0 ? AvailableDevAt(list, 0) : nullptr, count);
}

bool CSelCardDlg::OnInitDialog() {
    const bool result = Dialog::OnInitDialog();
    m_ComboAdapter.Attach(*this, kIdAdapterList);
    m_ComboAdapter.SetColumnCount(1);
    m_ComboAdapter.SetColumnWidth(0, 200);
    Control& list = Item(kIdAdapterList);
    for (const AVAILABLE_DEV& adapter : m_Adapters) list.AddItem(FieldText(adapter.DeviceDesc));
    if (!m_Adapters.empty()) {
        list.Select(0);
        ShowAdapter(0);
    }
    return result;
}

void CSelCardDlg::DoDataExchange(DataExchange& dx) {
    dx.Text(kIdDeviceDesc, m_strDeviceDesc);
    dx.Text(kIdHardwareId, m_strHardwareId);
    dx.Text(kIdLocationInfo, m_strLocationInfo);
    dx.Text(kIdManufacturer, m_strManufacturer);
}

void CSelCardDlg::ShowAdapter(std::size_t index) {
    if (index >= m_Adapters.size()) return;
    const AVAILABLE_DEV& adapter = m_Adapters[index];
    m_strDeviceDesc = FieldText(adapter.DeviceDesc);
    m_strHardwareId = FieldText(adapter.HardwareId);
    m_strLocationInfo = FieldText(adapter.LocationInfo);
    m_strManufacturer = FieldText(adapter.Manufacturer);
    UpdateData(false);
}

void CSelCardDlg::OnCommand(int controlId, Notification code) {
    if (controlId == kIdAdapterList && code == Notification::SelChange) {
        const int index = Item(kIdAdapterList).Selection();
        if (index >= 0) ShowAdapter(static_cast<std::size_t>(index));
        return;
    }
    Dialog::OnCommand(controlId, code);
}

void CSelCardDlg::OnOK() {
    m_nSelected = Item(kIdAdapterList).Selection();
    EndDialog(kIdOk);
}

std::optional<int> ChooseAdapter(std::span<const AVAILABLE_DEV> adapters, WindowHandle owner) {
    CSelCardDlg dialog;
    dialog.SetAdapters(adapters);
    if (dialog.DoModal(owner) != kIdOk || dialog.m_nSelected < 0) return std::nullopt;
    return dialog.m_nSelected;
}
