// A sample sheet written once against the toolkit: the native tests run it
// on the in-memory backend and the Windows tests on real controls, with the
// same assertions (sample_checks.h).
#pragma once

#include <string>

#include "toolkit/property_sheet.h"

namespace zelvin::tk::sample {

enum ControlId : int {
    kName = 1001,
    kCount,
    kInterval,
    kEnabled,
    kFast,
    kSlow,
    kCode,
    kChoice,
    kStations,
    kApply,
    kEntries = 1101,
    kAdd,
    kNote = 1201,
};

// The timer of the sample page, short so the Windows tests stay quick.
inline constexpr unsigned kTickTimer = 1;
inline constexpr unsigned kTickMs = 40;

class SamplePage : public PropertyPage {
public:
    SamplePage();

    std::string m_strName = "Alpha";
    int m_nCount = 42;
    unsigned m_uInterval = 300;
    int m_bEnabled = 1;
    int m_nMode = 1;
    int m_nCode = 6;
    std::string m_strChoice = "be";

    int m_nActivations = 0;
    int m_nTicks = 0;
    int m_nApplied = 0;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& dx) override;
    bool OnSetActive() override;
    bool OnKillActive() override;
    void OnTimer(unsigned id) override;
    void OnCommand(int controlId, Notification code) override;
};

class ListPage : public PropertyPage {
public:
    ListPage();
    int m_nSelChanges = 0;

protected:
    bool OnInitDialog() override;
    void OnCommand(int controlId, Notification code) override;
};

// A page the sheet gains and loses while open.
class ExtraPage : public PropertyPage {
public:
    ExtraPage();
    int m_nInits = 0;
    int m_nDestroys = 0;

protected:
    bool OnInitDialog() override;
    void OnDestroy() override;
};

class SampleSheet : public PropertySheet {
public:
    SampleSheet();
    SamplePage m_sample;
    ListPage m_list;
    int m_nHelpClicks = 0;
    bool m_bInitialised = false;

protected:
    bool OnInitDialog() override;
    void OnHelpButton() override { ++m_nHelpClicks; }
};

// A small modal dialog with OK and Cancel.
class SampleDialog : public Dialog {
public:
    SampleDialog();
    int m_nCount = 7;
    std::string m_strName = "dialog";

protected:
    void DoDataExchange(DataExchange& dx) override;
};

}  // namespace zelvin::tk::sample
