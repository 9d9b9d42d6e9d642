// The adapter selection dialog: when the driver reports two or more
// adapters, the user picks the one to drive from a list of their
// descriptions, with four read-only lines describing the one selected.
//
// How the hidden window runs it:
//   std::optional<int> chosen = ChooseAdapter(adapters, hiddenWindow);
// nullopt means the dialog ended without OK (Escape, closed); the caller then
// takes adapter 0 and traces that choice itself.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "core/nvap_records.h"
#include "toolkit/dialog.h"
#include "ui/combo_box_super.h"

class CSelCardDlg : public zelvin::tk::Dialog {
public:
    enum : int {
        kIdAdapterList = 1001,
        kIdDeviceDesc = 1002,
        kIdHardwareId = 1003,
        kIdLocationInfo = 1004,
        kIdManufacturer = 1005,
    };

    CSelCardDlg();

    // The adapters to offer, not owned; must outlive the dialog's run.
    void SetAdapters(std::span<const AVAILABLE_DEV> adapters);
    // A list the driver filled into storage with room for `capacity` entries;
    // a count above the capacity is never trusted.
    void SetAdapterList(const AVAILABLE_DEV_LIST* list, std::size_t capacity);

    // Index of the chosen adapter; -1 until OK is pressed.
    int m_nSelected = -1;

    // The adapter list's columns: one, 200 pixels wide, once the dialog runs.
    CComboBoxSuper m_ComboAdapter;

    // The four lines describing the selected adapter.
    std::string m_strDeviceDesc;
    std::string m_strHardwareId;
    std::string m_strLocationInfo;
    std::string m_strManufacturer;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(zelvin::tk::DataExchange& dx) override;
    void OnCommand(int controlId, zelvin::tk::Notification code) override;
    void OnOK() override;

private:
    void ShowAdapter(std::size_t index);

    std::span<const AVAILABLE_DEV> m_Adapters;
};

// A spelling the hidden window may prefer.
using CAdapterSelectDlg = CSelCardDlg;

// Runs the dialog modally over the adapters; the chosen index only on OK.
std::optional<int> ChooseAdapter(std::span<const AVAILABLE_DEV> adapters, zelvin::tk::WindowHandle owner);

// A text field of a driver record, up to its first zero byte and never past
// the field's end.
template <std::size_t N>
std::string FieldText(const char (&field)[N]) {
    std::size_t length = 0;
    while (length < N && field[length] != '\0') ++length;
    return std::string(field, length);
}
