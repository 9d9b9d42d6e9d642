// The configuration sheet: one modeless property sheet that hosts every
// configuration and monitoring page, captions the tabs from the text table,
// shows a Help button when the help file exists, and adds or removes the
// block-ack page as the adapter and the "11n Setting" switch demand.
//
// How the hidden window drives it:
//   auto sheet = std::make_unique<CNvPropSheet>(g_UIStr.IDS_NORVANE_CONFIG_TITLE, hiddenWindow);
//   sheet->SetHeaderIcon(lostIcon);          // optional, before Create
//   sheet->Create();                          // modeless, first page active
//   sheet->IsWindowAlive(); sheet->DestroyWindow(); sheet->BringToForeground();
//   sheet->WindowRect(); sheet->HelpButtonRect(); sheet->Move(rect);
//   sheet->SetSmallIcon(icon);                // on each tray state change
//   sheet->UpdateBlockAckPage();              // on each watchdog tick while alive
// Reset G_nEventLogShown (monitor/event_store.h) before creating a new sheet.
#pragma once

#include <string>

#include "monitor/event_log_page.h"
#include "toolkit/property_sheet.h"
#include "ui/placeholder_page.h"
#include "ui/uistr.h"

class CNvPropSheet : public zelvin::tk::PropertySheet {
public:
    CNvPropSheet(std::string caption, zelvin::tk::WindowHandle parent, int firstPage = 0);
    ~CNvPropSheet() override;

    // Creates the modeless window over the parent given at construction.
    bool Create();

    // Full path of the help file in the executable's folder.
    std::string GetHelpFilePath() const;
    // Captions every page of ours from the text table; other pages keep theirs.
    void SetTabTitles();
    // Appends the block-ack page on an 802.11n adapter with "11n Setting" on,
    // removes it otherwise; never adds it twice.
    void UpdateBlockAckPage();
    bool HasBlockAckPage() const { return PageIndex(m_BlockAckPage) >= 0; }

    void BringToForeground();
    void SetSmallIcon(zelvin::tk::IconHandle icon);
    // Screen rectangle of the Help button, which ends the sheet's button row.
    zelvin::tk::Rect HelpButtonRect();

protected:
    bool OnInitDialog() override;
    void OnHelpButton() override;
    bool OnHelpRequest() override;

private:
    struct TabCaption {
        const zelvin::tk::PropertyPage* page;
        std::string CUISTR::*text;
    };
    void OpenHelpFile(const std::string& path);

    zelvin::tk::WindowHandle m_hParent;

    // Constructed in this order and destroyed with the sheet. Pages whose own
    // work has not landed yet are placeholders captioned like the real ones.
    CPlaceholderPage m_AboutPage;
    CPlaceholderPage m_ConfigPage;
    CPlaceholderPage m_AccessControlPage;
    CPlaceholderPage m_MacTablePage;
    CEventLogPage m_EventLogPage;
    CPlaceholderPage m_StatisticPage;
    CPlaceholderPage m_BlockAckPage;
};
