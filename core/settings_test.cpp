#include "core/settings.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/memory/memory_platform.h"

namespace {

const char kExecutable[] = "C:\\Apps\\my.tool.exe";
const char kSettingsFile[] = "C:\\Apps\\my.tool.ini";

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform_.executablePath = kExecutable;
        zelvin::SetCurrentPlatform(&platform_);
    }
    void TearDown() override { zelvin::SetCurrentPlatform(nullptr); }

    ProgramSettings Load(const std::string& file) {
        platform_.files[kSettingsFile] = file;
        ProgramSettings settings;
        LoadSettings(settings);
        return settings;
    }

    zelvin::MemoryPlatform platform_;
};

TEST(SettingsFilePath, ReplacesOnlyTheLastExtension) {
    const struct {
        const char* executable;
        const char* expected;
    } cases[] = {
        {"C:\\Apps\\my.tool.exe", "C:\\Apps\\my.tool.ini"},
        {"C:\\Apps\\Zelvin.exe", "C:\\Apps\\Zelvin.ini"},
        {"C:\\Apps\\tool.", "C:\\Apps\\tool.ini"},
        // A "." in a folder name is not the file's extension.
        {"C:\\my.dir\\tool", "C:\\my.dir\\tool.ini"},
        {"/opt/my.dir/zelvin", "/opt/my.dir/zelvin.ini"},
    };
    for (const auto& c : cases) EXPECT_EQ(SettingsFilePath(c.executable, "ini"), c.expected) << c.executable;
}

TEST_F(SettingsTest, NoFileGivesEveryDefault) {
    platform_.executablePath = "C:\\Elsewhere\\absent.exe";
    ProgramSettings settings;
    settings.debugMode = true;
    settings.txRate = true;
    settings.waitforDriverInitialized = 99;
    settings.tkipAllowedOnHt = false;
    settings.utilityFileName = "stale";
    LoadSettings(settings);

    EXPECT_FALSE(settings.showCountryRegion || settings.showPassword || settings.page11nSetting ||
                 settings.select11nDialog || settings.txRate || settings.htSetting || settings.bgProtection ||
                 settings.rtsSuccessCount || settings.rtsFailureCount || settings.debugMode);
    EXPECT_EQ(settings.waitforDriverInitialized, 5);
    EXPECT_TRUE(settings.tkipAllowedOnHt);
    EXPECT_TRUE(settings.wepAllowedOnHt);
    EXPECT_EQ(settings.utilityFileName, "Corvella_WLAN_Utility");
    EXPECT_EQ(settings.shortcutFolderName, "Corvella WLAN");
    EXPECT_EQ(settings.shortcutUiName, "Corvella Wireless Utility");
}

TEST_F(SettingsTest, EverySwitchIsReadFromItsOwnKey) {
    const struct {
        const char* file;
        bool ProgramSettings::*member;
    } cases[] = {
        {"[CountryRegion]\nShowCountryRegion=1\n", &ProgramSettings::showCountryRegion},
        {"[AuthEncry]\nShowPassword=1\n", &ProgramSettings::showPassword},
        {"[Page]\n11n Setting=1\n", &ProgramSettings::page11nSetting},
        {"[Advance]\nSelect11nDialog=1\n", &ProgramSettings::select11nDialog},
        {"[Advance]\nTxRate=1\n", &ProgramSettings::txRate},
        {"[Advance]\nHT Setting=1\n", &ProgramSettings::htSetting},
        {"[Advance]\nBgProtection=1\n", &ProgramSettings::bgProtection},
        {"[Statistics]\nRTSSuccessCount=1\n", &ProgramSettings::rtsSuccessCount},
        {"[Statistics]\nRTSFailureCount=1\n", &ProgramSettings::rtsFailureCount},
        {"[Settings]\nDebugMode=1\n", &ProgramSettings::debugMode},
    };
    for (const auto& c : cases) {
        const ProgramSettings settings = Load(c.file);
        EXPECT_TRUE(settings.*c.member) << c.file;
        // ...and no other switch follows it (Select11nDialog turns two more on).
        const int on = settings.showCountryRegion + settings.showPassword + settings.page11nSetting +
                       settings.select11nDialog + settings.txRate + settings.htSetting + settings.bgProtection +
                       settings.rtsSuccessCount + settings.rtsFailureCount + settings.debugMode;
        EXPECT_EQ(on, settings.select11nDialog ? 3 : 1) << c.file;
    }
}

TEST_F(SettingsTest, SwitchIsOnOnlyForExactlyOne) {
    const struct {
        const char* value;
        bool on;
    } cases[] = {
        {"1", true},       {" 1 ", true},  // blanks around a value are not part of it
        {"\"1\"", true},   {"\" 1\"", false}, {"01", false}, {"true", false},
        {"0", false},      {"", false},       {"2", false},  {"1 1", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Load(std::string("[Settings]\nDebugMode=") + c.value + "\n").debugMode, c.on) << c.value;
    }
}

TEST_F(SettingsTest, WaitforDriverInitializedTakesTheLeadingInteger) {
    const struct {
        const char* file;
        int expected;
    } cases[] = {
        {"[Advance]\nWaitforDriverInitialized=10\n", 10},
        {"[Advance]\nWaitforDriverInitialized=5\n", 5},
        {"[Advance]\nWaitforDriverInitialized=0\n", 0},
        {"[Advance]\nWaitforDriverInitialized=abc\n", 0},
        {"[Advance]\nWaitforDriverInitialized=\n", 0},
        {"[Advance]\nWaitforDriverInitialized=7 polls\n", 7},
        {"[Advance]\nWaitforDriverInitialized=-3\n", -3},
        {"[Advance]\nWaitforDriverInitialized=99999999999999999999\n", INT_MAX},
        {"[Advance]\nOther=1\n", 5},
    };
    for (const auto& c : cases) EXPECT_EQ(Load(c.file).waitforDriverInitialized, c.expected) << c.file;
}

TEST_F(SettingsTest, Select11nDialogForcesTxRateAndHtSetting) {
    const ProgramSettings forced = Load("[Advance]\nSelect11nDialog=1\nTxRate=0\nHT Setting=0\n");
    EXPECT_TRUE(forced.txRate);
    EXPECT_TRUE(forced.htSetting);
    const ProgramSettings own = Load("[Advance]\nSelect11nDialog=0\nTxRate=1\nHT Setting=0\n");
    EXPECT_TRUE(own.txRate);
    EXPECT_FALSE(own.htSetting);
}

TEST_F(SettingsTest, ProhibitionsBecomePermissions) {
    const struct {
        const char* file;
        bool tkipAllowed;
        bool wepAllowed;
    } cases[] = {
        {"[Settings]\nProhibitTKIPonHT=1\n", false, true},
        {"[Settings]\nProhibitWEPonHT=1\n", true, false},
        {"[Settings]\nProhibitTKIPonHT=1\nProhibitWEPonHT=1\n", false, false},
        {"[Settings]\nProhibitTKIPonHT=yes\nProhibitWEPonHT=0\n", true, true},
    };
    for (const auto& c : cases) {
        const ProgramSettings settings = Load(c.file);
        EXPECT_EQ(settings.tkipAllowedOnHt, c.tkipAllowed) << c.file;
        EXPECT_EQ(settings.wepAllowedOnHt, c.wepAllowed) << c.file;
    }
}

TEST_F(SettingsTest, TextsTakeDefaultsWhenEmptyAndKeep63Characters) {
    const std::string longName(100, 'n');
    const ProgramSettings settings =
        Load("[NvSwap]\nUTILITY_FILE_NAME=\nSHORTCUT_FOLDER_NAME=My Folder\nSHORTCUT_UI_NAME=" + longName + "\n");
    EXPECT_EQ(settings.utilityFileName, "Corvella_WLAN_Utility");
    EXPECT_EQ(settings.shortcutFolderName, "My Folder");
    EXPECT_EQ(settings.shortcutUiName, std::string(63, 'n'));
}

TEST_F(SettingsTest, ShippedSampleFileHoldsTheDefaults) {
    const char* sourceDir = std::getenv("ZELVIN_SOURCE_DIR");
    if (!sourceDir) GTEST_SKIP() << "ZELVIN_SOURCE_DIR is not set";
    std::ifstream in(std::string(sourceDir) + "/resources/Zelvin.ini", std::ios::binary);
    ASSERT_TRUE(in) << "resources/Zelvin.ini";
    std::ostringstream sample;
    sample << in.rdbuf();

    const ProgramSettings loaded = Load(sample.str());
    platform_.files.clear();
    platform_.executablePath = "C:\\Elsewhere\\absent.exe";
    ProgramSettings defaults;
    LoadSettings(defaults);
    EXPECT_TRUE(loaded == defaults);
}

TEST_F(SettingsTest, GetINIStrReadsTheFileBesideTheExecutable) {
    platform_.files[kSettingsFile] = "[A]\nK=value\n";
    platform_.files["C:\\Apps\\my.tool.cfg"] = "[A]\nK=other\n";
    std::string out = "stale";
    GetINIStr("A", "K", "d", out, "ini");
    EXPECT_EQ(out, "value");
    GetINIStr("A", "K", "d", out, "cfg");
    EXPECT_EQ(out, "other");
    GetINIStr("A", "Missing", "d", out, "ini");
    EXPECT_EQ(out, "d");
    platform_.files[kSettingsFile] = "[A]\nK=" + std::string(300, 'x') + "\n";
    GetINIStr("A", "K", "d", out, "ini", 1000);
    EXPECT_EQ(out, std::string(255, 'x'));  // read through a 256-character buffer
}

}  // namespace
