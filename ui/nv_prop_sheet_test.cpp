#include "ui/nv_prop_sheet.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/nvap_binding.h"
#include "platform/memory/memory_platform.h"
#include "toolkit/memory/memory_backend.h"

using namespace zelvin::tk;

namespace {

// The driver as the sheet sees it.
struct FakeDriver {
    int winOs = 10;
    int supports11n = 1;
    bool helpFileExists = true;
    std::vector<std::string> fileQueries;
};
FakeDriver g_driver;

int NVAP_CALL FakeGetWinOS() { return g_driver.winOs; }
int NVAP_CALL FakeIs80211NSupport() { return g_driver.supports11n; }
int NVAP_CALL FakeIsFileExist(const char* path) {
    g_driver.fileQueries.emplace_back(path);
    return g_driver.helpFileExists ? 1 : 0;
}

class OtherPage : public PropertyPage {
public:
    OtherPage() : PropertyPage([] {
        DialogLayout layout;
        layout.caption = "Foreign";
        layout.cx = 100;
        layout.cy = 100;
        return layout;
    }()) {}
};

class NvPropSheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        zelvin::SetCurrentPlatform(&platform_);
        SetCurrentBackend(&backend_);
        platform_.executablePath = "C:\\Program Files\\Zelvin\\Zelvin.exe";
        g_driver = FakeDriver{};
        savedApi_ = {NVAPAPI.NVAP_GetWinOS, NVAPAPI.NVAP_Is80211NSupport, NVAPAPI.NVAP_IsFileExist,
                     NVAPAPI.m_Settings.page11nSetting};
        NVAPAPI.NVAP_GetWinOS = &FakeGetWinOS;
        NVAPAPI.NVAP_Is80211NSupport = &FakeIs80211NSupport;
        NVAPAPI.NVAP_IsFileExist = &FakeIsFileExist;
        NVAPAPI.m_Settings.page11nSetting = true;
        savedTexts_ = g_UIStr;
        g_UIStr.IDS_TAB_CONFIG = "Config";
        g_UIStr.IDS_TAB_ACCESSCONTROL = "Access";
        g_UIStr.IDS_TAB_MACTABLE = "Stations";
        g_UIStr.IDS_TAB_EVENTLOG = "Events";
        g_UIStr.IDS_TAB_STATISTICS = "Counters";
        g_UIStr.IDS_TAB_ABOUT = "About";
        g_UIStr.IDS_TAB_BLOCK_ACK = "Block Ack";
        g_UIStr.IDS_APCONFIG_HELP = "Zelvin Help";
    }
    void TearDown() override {
        sheet_.reset();
        NVAPAPI.NVAP_GetWinOS = savedApi_.winOs;
        NVAPAPI.NVAP_Is80211NSupport = savedApi_.is11n;
        NVAPAPI.NVAP_IsFileExist = savedApi_.fileExists;
        NVAPAPI.m_Settings.page11nSetting = savedApi_.setting;
        g_UIStr = savedTexts_;
        SetCurrentBackend(nullptr);
        zelvin::SetCurrentPlatform(nullptr);
    }

    CNvPropSheet& Open() {
        sheet_ = std::make_unique<CNvPropSheet>("Configuration", nullptr);
        EXPECT_TRUE(sheet_->Create());
        return *sheet_;
    }

    std::vector<std::string> Tabs() {
        std::vector<std::string> tabs;
        for (int i = 0; i < sheet_->PageCount(); ++i) tabs.push_back(sheet_->TabText(i));
        return tabs;
    }

    size_t HelpOpens() const { return platform_.shellOpenRequests.size(); }

    zelvin::MemoryPlatform platform_;
    MemoryBackend backend_;
    std::unique_ptr<CNvPropSheet> sheet_;
    CUISTR savedTexts_;
    struct {
        nvap::NVAP_GetWinOS_fn winOs;
        nvap::NVAP_Is80211NSupport_fn is11n;
        nvap::NVAP_IsFileExist_fn fileExists;
        bool setting;
    } savedApi_{};
    const std::vector<std::string> sixTabs_ = {"Config", "Access", "Stations", "Events", "Counters", "About"};
};

TEST_F(NvPropSheetTest, OpensWithSixTabsCaptionedFromTheTextTableFirstPageActive) {
    sheet_ = std::make_unique<CNvPropSheet>("Configuration", nullptr);
    g_UIStr.IDS_TAB_CONFIG = "Settings";  // the captions are taken when the window opens
    ASSERT_TRUE(sheet_->Create());
    EXPECT_EQ(sheet_->Caption(), "Configuration");
    EXPECT_EQ(Tabs(), (std::vector<std::string>{"Settings", "Access", "Stations", "Events", "Counters", "About"}));
    EXPECT_EQ(sheet_->ActiveIndex(), 0);
    EXPECT_FALSE(sheet_->HasBlockAckPage());
}

TEST_F(NvPropSheetTest, AForeignPageKeepsItsTabText) {
    CNvPropSheet& sheet = Open();
    OtherPage foreign;
    sheet.AddPage(foreign);
    g_UIStr.IDS_TAB_ABOUT = "Versions";
    sheet.SetTabTitles();
    EXPECT_EQ(sheet.TabText(5), "Versions");
    EXPECT_EQ(sheet.TabText(6), "Foreign");
    sheet.RemovePage(foreign);
}

TEST_F(NvPropSheetTest, HelpButtonShownOnlyWhenTheHelpFileExists) {
    for (bool exists : {true, false}) {
        g_driver.helpFileExists = exists;
        g_driver.fileQueries.clear();
        CNvPropSheet& sheet = Open();
        Control& help = sheet.Button(kSheetHelp);
        EXPECT_EQ(help.IsVisible(), exists);
        EXPECT_TRUE(help.IsEnabled());
        EXPECT_EQ(g_driver.fileQueries, (std::vector<std::string>{"C:\\Program Files\\Zelvin\\APCONFIGENG.chm"}));
    }
}

TEST_F(NvPropSheetTest, HelpFileFollowsGenerationAndSystemLanguage) {
    const struct {
        int winOs;
        uint16_t language;
        const char* expected;
    } cases[] = {
        {9, 0x0404, "C:\\Program Files\\Zelvin\\APCONFIGCHN.chm"},
        {10, 0x0404, "C:\\Program Files\\Zelvin\\APCONFIGENG.chm"},
        {9, 0x0409, "C:\\Program Files\\Zelvin\\APCONFIGENG.chm"},
    };
    CNvPropSheet sheet("Configuration", nullptr);
    for (const auto& c : cases) {
        g_driver.winOs = c.winOs;
        platform_.language = c.language;
        EXPECT_EQ(sheet.GetHelpFilePath(), c.expected) << c.winOs << " " << c.language;
    }
}

TEST_F(NvPropSheetTest, BlockAckPageFollowsTheAdapterAndTheSetting) {
    const struct {
        int supports11n;
        bool setting;
        bool wanted;
    } cases[] = {{1, true, true}, {1, false, false}, {0, true, false}, {0, false, false}};
    for (const auto& c : cases) {
        for (bool presentBefore : {false, true}) {
            CNvPropSheet& sheet = Open();
            g_driver.supports11n = 1;
            NVAPAPI.m_Settings.page11nSetting = true;
            if (presentBefore) sheet.UpdateBlockAckPage();
            g_driver.supports11n = c.supports11n;
            NVAPAPI.m_Settings.page11nSetting = c.setting;
            sheet.UpdateBlockAckPage();
            sheet.UpdateBlockAckPage();  // a second tick never adds it twice
            std::vector<std::string> expected = sixTabs_;
            if (c.wanted) expected.push_back("Block Ack");
            EXPECT_EQ(Tabs(), expected) << "11n " << c.supports11n << " setting " << c.setting << " before "
                                        << presentBefore;
            EXPECT_EQ(sheet.HasBlockAckPage(), c.wanted);
        }
    }
}

TEST_F(NvPropSheetTest, HelpButtonOpensTheFileUnlessAViewerIsOpen) {
    CNvPropSheet& sheet = Open();
    sheet.Button(kSheetHelp).Click();
    ASSERT_EQ(HelpOpens(), 1u);
    EXPECT_EQ(platform_.shellOpenRequests[0].path, "C:\\Program Files\\Zelvin\\APCONFIGENG.chm");
    EXPECT_EQ(platform_.shellOpenRequests[0].ownerWindow, static_cast<void*>(sheet.Handle()));

    for (const char* viewer : {"SoftAP Utility Help", "HTML Help", "Zelvin Help"}) {
        WindowHandle window = backend_.AddTopLevelWindow(viewer);
        sheet.Button(kSheetHelp).Click();
        EXPECT_EQ(HelpOpens(), 1u) << viewer;
        backend_.CloseTopLevelWindow(window);
    }
}

// Without a help title in the language file, an untitled window elsewhere
// must not be taken for a help viewer.
TEST_F(NvPropSheetTest, EmptyHelpTitleIsNotMatchedAgainstUntitledWindows) {
    g_UIStr.IDS_APCONFIG_HELP.clear();
    CNvPropSheet& sheet = Open();
    backend_.AddTopLevelWindow("");
    sheet.Button(kSheetHelp).Click();
    EXPECT_EQ(HelpOpens(), 1u);
}

TEST_F(NvPropSheetTest, HelpRequestOpensAnExistingFileNotAlreadyShown) {
    const std::string path = "C:\\Program Files\\Zelvin\\APCONFIGENG.chm";
    CNvPropSheet& sheet = Open();

    EXPECT_TRUE(sheet.DispatchHelpRequest());
    EXPECT_EQ(HelpOpens(), 1u);

    // A generic viewer does not stop F1; only a window titled with the path does.
    backend_.AddTopLevelWindow("HTML Help");
    EXPECT_TRUE(sheet.DispatchHelpRequest());
    EXPECT_EQ(HelpOpens(), 2u);
    WindowHandle shown = backend_.AddTopLevelWindow(path);
    EXPECT_TRUE(sheet.DispatchHelpRequest());
    EXPECT_EQ(HelpOpens(), 2u);
    backend_.CloseTopLevelWindow(shown);

    g_driver.helpFileExists = false;
    EXPECT_TRUE(sheet.DispatchHelpRequest());
    EXPECT_EQ(HelpOpens(), 2u);
}

TEST_F(NvPropSheetTest, WindowOperationsOfTheHiddenWindow) {
    CNvPropSheet& sheet = Open();
    IconHandle icon = reinterpret_cast<IconHandle>(0x1234);
    sheet.SetSmallIcon(icon);
    EXPECT_EQ(backend_.smallIcons[sheet.Handle()], icon);
    sheet.BringToForeground();
    EXPECT_EQ(backend_.foreground, sheet.Handle());

    const Rect help = sheet.HelpButtonRect();
    Rect rect = sheet.WindowRect();
    rect.bottom = help.bottom + 10;
    sheet.Move(rect);
    EXPECT_EQ(sheet.WindowRect(), rect);

    sheet.DestroyWindow();
    EXPECT_FALSE(sheet.IsWindowAlive());
}

}  // namespace
