#include "ui/nv_prop_sheet.h"

#include "core/nvap_binding.h"
#include "platform/platform.h"
#include "toolkit/window_ops.h"
#include "ui/nv_prop_sheet_help.h"

using namespace zelvin::tk;

CNvPropSheet::CNvPropSheet(std::string caption, WindowHandle parent, int firstPage)
    : PropertySheet(std::move(caption), firstPage),
      m_hParent(parent),
      m_AboutPage(g_UIStr.IDS_TAB_ABOUT),
      m_ConfigPage(g_UIStr.IDS_TAB_CONFIG),
      m_AccessControlPage(g_UIStr.IDS_TAB_ACCESSCONTROL),
      m_MacTablePage(g_UIStr.IDS_TAB_MACTABLE),
      m_StatisticPage(g_UIStr.IDS_TAB_STATISTICS),
      m_BlockAckPage(g_UIStr.IDS_TAB_BLOCK_ACK) {
    AddPage(m_ConfigPage);
    AddPage(m_AccessControlPage);
    AddPage(m_MacTablePage);
    AddPage(m_EventLogPage);
    AddPage(m_StatisticPage);
    AddPage(m_AboutPage);
}

// The window goes before the pages it shows.
CNvPropSheet::~CNvPropSheet() { DestroyWindow(); }

bool CNvPropSheet::Create() { return PropertySheet::Create(m_hParent); }

bool CNvPropSheet::OnInitDialog() {
    const bool result = PropertySheet::OnInitDialog();
    Control& help = Button(kSheetHelp);
    help.Show(NVAPAPI.NVAP_IsFileExist(GetHelpFilePath().c_str()) != 0);
    help.Enable(true);
    SetTabTitles();
    return result;
}

std::string CNvPropSheet::GetHelpFilePath() const {
    zelvin::Platform& platform = zelvin::CurrentPlatform();
    const int winOs = NVAPAPI.NVAP_GetWinOS();
    // The language matters only on systems that may get the Chinese file.
    const uint16_t language = winOs < 10 ? platform.SystemDefaultLanguage() : 0;
    return HelpFilePathFor(platform.ExecutablePath(), winOs, language);
}

void CNvPropSheet::SetTabTitles() {
    const TabCaption captions[] = {
        {&m_ConfigPage, &CUISTR::IDS_TAB_CONFIG},         {&m_AccessControlPage, &CUISTR::IDS_TAB_ACCESSCONTROL},
        {&m_MacTablePage, &CUISTR::IDS_TAB_MACTABLE},     {&m_EventLogPage, &CUISTR::IDS_TAB_EVENTLOG},
        {&m_StatisticPage, &CUISTR::IDS_TAB_STATISTICS},  {&m_AboutPage, &CUISTR::IDS_TAB_ABOUT},
        {&m_BlockAckPage, &CUISTR::IDS_TAB_BLOCK_ACK},
    };
    for (int index = 0; index < PageCount(); ++index) {
        for (const TabCaption& caption : captions) {
            if (caption.page == &Page(index)) SetTabText(index, g_UIStr.*caption.text);
        }
    }
}

void CNvPropSheet::UpdateBlockAckPage() {
    const bool wanted = NVAPAPI.NVAP_Is80211NSupport() != 0 && NVAPAPI.m_Settings.page11nSetting;
    if (wanted) {
        if (PageCount() > 0 && !HasBlockAckPage()) AddPage(m_BlockAckPage);
    } else if (HasBlockAckPage()) {
        RemovePage(m_BlockAckPage);
    }
}

void CNvPropSheet::OnHelpButton() {
    for (const char* title : kHelpViewerTitles) {
        if (FindTopLevelWindow(title)) return;
    }
    // An empty text would match any untitled window and block help for good.
    if (!g_UIStr.IDS_APCONFIG_HELP.empty() && FindTopLevelWindow(g_UIStr.IDS_APCONFIG_HELP)) return;
    OpenHelpFile(GetHelpFilePath());
}

bool CNvPropSheet::OnHelpRequest() {
    const std::string path = GetHelpFilePath();
    if (NVAPAPI.NVAP_IsFileExist(path.c_str()) != 0 && !FindTopLevelWindow(path)) OpenHelpFile(path);
    return true;
}

void CNvPropSheet::OpenHelpFile(const std::string& path) {
    zelvin::CurrentPlatform().ShellOpen(path, Handle());
}

void CNvPropSheet::BringToForeground() {
    if (IsWindowAlive()) zelvin::tk::BringToForeground(Handle());
}

void CNvPropSheet::SetSmallIcon(IconHandle icon) {
    if (IsWindowAlive()) zelvin::tk::SetSmallIcon(Handle(), icon);
}

Rect CNvPropSheet::HelpButtonRect() { return Button(kSheetHelp).WindowRect(); }
