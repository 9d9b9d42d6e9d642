#include "ui/uistr.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <vector>

#include "core/nvap_binding.h"
#include "platform/memory/memory_platform.h"
#include "platform/utf.h"

namespace {

const char kExecutable[] = "C:\\Apps\\Zelvin\\Zelvin.exe";
const char kLanguages[] = "C:\\Apps\\Zelvin\\Languages\\";

std::string LanguageFile(const std::string& code) { return kLanguages + ("APStr" + code + ".ini"); }

// The driver's file check, answered from the in-memory files; it records
// every path it is asked about.
zelvin::MemoryPlatform* g_platform = nullptr;
std::vector<std::string> g_existQueries;

int NVAP_CALL FakeIsFileExist(const char* path) {
    g_existQueries.emplace_back(path);
    return g_platform->files.count(path) ? 1 : 0;
}

class UiStringsTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform_.executablePath = kExecutable;
        zelvin::SetCurrentPlatform(&platform_);
        g_platform = &platform_;
        g_existQueries.clear();
        savedIsFileExist_ = NVAPAPI.NVAP_IsFileExist;
        NVAPAPI.NVAP_IsFileExist = &FakeIsFileExist;
    }
    void TearDown() override {
        NVAPAPI.NVAP_IsFileExist = savedIsFileExist_;
        g_platform = nullptr;
        zelvin::SetCurrentPlatform(nullptr);
    }

    void AddLanguageFile(const std::string& code, const std::string& text) {
        platform_.files[LanguageFile(code)] = text;
    }

    zelvin::MemoryPlatform platform_;
    CUISTR table_;

private:
    nvap::NVAP_IsFileExist_fn savedIsFileExist_ = nullptr;
};

struct FileChoiceCase {
    const char* name;
    uint16_t language;
    std::vector<std::string> present;  // language codes whose file exists
    const char* askedFile;             // the one path whose existence is checked
    const char* expectedText;          // IDS_OK, which each file sets to its own code
};

TEST_F(UiStringsTest, ReadsTheSystemLanguageFileOrElseTheEnglishOne) {
    const FileChoiceCase cases[] = {
        {"own language present", 0x0404, {"0404", "0409"}, "0404", "0404"},
        {"own language missing", 0x0404, {"0409"}, "0404", "0409"},
        {"English system", 0x0409, {"0404", "0409"}, "0409", "0409"},
        {"code written in lower case", 0x0C04, {"0c04", "0409"}, "0c04", "0c04"},
        {"no file at all", 0x0404, {}, "0404", ""},
        {"only another language", 0x0407, {"0404"}, "0407", ""},
    };
    for (const FileChoiceCase& c : cases) {
        SCOPED_TRACE(c.name);
        platform_.files.clear();
        g_existQueries.clear();
        platform_.language = c.language;
        for (const std::string& code : c.present) AddLanguageFile(code, "[Strings]\nIDS_OK=" + code + "\n");

        CUISTR table;
        table.Load();

        EXPECT_EQ(table.IDS_OK, c.expectedText);
        EXPECT_EQ(g_existQueries, std::vector<std::string>{LanguageFile(c.askedFile)});
    }
}

TEST_F(UiStringsTest, TracesTheLanguageFileItLooksFor) {
    NVAPAPI.m_Settings.debugMode = true;
    platform_.language = 0x0404;

    table_.Load();
    NVAPAPI.m_Settings.debugMode = false;

    const std::string line =
        "[Zelvin] CUISTR::GetString(): Languages File Path = C:\\Apps\\Zelvin\\Languages\\APStr0404.ini\n";
    EXPECT_NE(std::find(platform_.debugLines.begin(), platform_.debugLines.end(), line), platform_.debugLines.end());
}

TEST_F(UiStringsTest, LanguagesFolderIsBesideTheExecutable) {
    platform_.executablePath = "D:\\Program Files (x86)\\Tools.v2\\Zelvin.exe";
    platform_.files["D:\\Program Files (x86)\\Tools.v2\\Languages\\APStr0409.ini"] = "[Strings]\nIDS_OK=found\n";

    table_.Load();

    EXPECT_EQ(table_.IDS_OK, "found");
}

TEST_F(UiStringsTest, EveryKeyIsFilledFromItsOwnEntry) {
    std::string file = "[Strings]\n";
    for (const CUISTR::Key& key : CUISTR::Keys()) file += std::string(key.name) + "=text of " + key.name + "\n";
    AddLanguageFile("0409", file);

    table_.Load();

    std::set<std::string> names;
    for (const CUISTR::Key& key : CUISTR::Keys()) {
        EXPECT_TRUE(names.insert(key.name).second) << "key listed twice: " << key.name;
        EXPECT_EQ(table_.*key.text, std::string("text of ") + key.name);
    }
    EXPECT_EQ(table_.IDS_NORVANE_CONFIG_TITLE, "text of IDS_NORVANE_CONFIG_TITLE");
    EXPECT_EQ(table_.IDS_FW_VERSION_NAME, "text of IDS_FW_VERSION_NAME");
}

TEST_F(UiStringsTest, TextsAreUsedAsReadAndCutTo511Characters) {
    const std::string long600(600, 'x');
    const std::string exactly511(511, 'y');
    AddLanguageFile("0409", "[Strings]\n"
                            "IDS_MSGHEXWEPKEYINVALID=Key %d is wrong.\\nTry again\n"
                            "IDS_SSID=" + long600 + "\n"
                            "IDS_CHANNEL=" + exactly511 + "\n"
                            "IDS_EVENTMSG=\xE8\xA8\x8A\xE6\x81\xAF\n"
                            "[Other]\n"
                            "IDS_AID=not in the strings section\n");

    table_.Load();

    EXPECT_EQ(table_.IDS_MSGHEXWEPKEYINVALID, "Key %d is wrong.\\nTry again");
    EXPECT_EQ(table_.IDS_SSID, std::string(511, 'x'));
    EXPECT_EQ(table_.IDS_CHANNEL, exactly511);
    EXPECT_EQ(table_.IDS_EVENTMSG, "\xE8\xA8\x8A\xE6\x81\xAF");
    EXPECT_EQ(table_.IDS_AID, "");
    EXPECT_EQ(table_.IDS_OK, "");
}

TEST_F(UiStringsTest, GetStringGivesTheDefaultForMissingFileOrKey) {
    AddLanguageFile("0409", "[Strings]\nIDS_OK=OK\n");

    EXPECT_EQ(table_.GetString("Strings", "IDS_OK", "dflt", LanguageFile("0409")), "OK");
    EXPECT_EQ(table_.GetString("Strings", "IDS_NO", "dflt", LanguageFile("0409")), "dflt");
    EXPECT_EQ(table_.GetString("Strings", "IDS_OK", "dflt", LanguageFile("0404")), "dflt");
}

// Counts the file reads; a table that parses the file per key reads it ~170 times.
class CountingPlatform : public zelvin::MemoryPlatform {
public:
    std::optional<std::string> ReadWholeFile(const std::string& path) override {
        ++reads;
        return MemoryPlatform::ReadWholeFile(path);
    }
    int reads = 0;
};

// Records each key the table asks for, then answers as the table would.
class RecordingTable : public CUISTR {
public:
    std::string GetString(std::string_view section, std::string_view key, std::string_view defaultValue,
                          const std::string& file) override {
        asked.emplace_back(key);
        return CUISTR::GetString(section, key, defaultValue, file);
    }
    std::vector<std::string> asked;
};

TEST_F(UiStringsTest, LoadReadsTheFileOnceYetAsksForEveryKey) {
    CountingPlatform counting;
    counting.executablePath = kExecutable;
    counting.files[LanguageFile("0409")] = "[Font]\nFaceName=Tahoma\n[Strings]\nIDS_OK=OK\nIDS_FW_VERSION_NAME=FW\n";
    zelvin::SetCurrentPlatform(&counting);
    g_platform = &counting;

    RecordingTable table;
    table.Load();

    EXPECT_EQ(counting.reads, 1);
    EXPECT_EQ(table.m_strFaceName, "Tahoma");
    EXPECT_EQ(table.IDS_OK, "OK");
    EXPECT_EQ(table.IDS_FW_VERSION_NAME, "FW");
    ASSERT_EQ(table.asked.size(), CUISTR::Keys().size() + 2);  // CharSet and FaceName first
    EXPECT_EQ(table.asked[0], "CharSet");
    EXPECT_EQ(table.asked[2], CUISTR::Keys()[0].name);

    // Outside Load every call reads the file as it is now.
    counting.files[LanguageFile("0409")] = "[Strings]\nIDS_OK=Okay\n";
    EXPECT_EQ(table.GetString("Strings", "IDS_OK", "", LanguageFile("0409")), "Okay");
    EXPECT_EQ(counting.reads, 2);
}

struct FontCase {
    const char* name;
    std::string file;
    const char* faceName;
    int charSet;
};

TEST_F(UiStringsTest, FontSectionGivesFaceNameAndCharacterSet) {
    const FontCase cases[] = {
        {"no font section", "[Strings]\nIDS_OK=OK\n", "Trebuchet MS", 1},
        {"both given", "[Font]\nFaceName=Tahoma\nCharSet=CHINESEBIG5_CHARSET\n", "Tahoma", 136},
        {"names compared case-sensitively", "[Font]\nCharSet=hangeul_charset\n", "Trebuchet MS", 1},
        {"unknown name", "[Font]\nCharSet=KOI8_CHARSET\n", "Trebuchet MS", 1},
        {"empty name", "[Font]\nCharSet=\n", "Trebuchet MS", 1},
        {"explicit ANSI", "[Font]\nCharSet=ANSI_CHARSET\n", "Trebuchet MS", 0},
    };
    for (const FontCase& c : cases) {
        SCOPED_TRACE(c.name);
        AddLanguageFile("0409", c.file);

        CUISTR table;
        table.Load();

        EXPECT_EQ(table.m_strFaceName, c.faceName);
        EXPECT_EQ(table.m_nCharSet, c.charSet);
    }
}

TEST_F(UiStringsTest, EveryCharacterSetNameHasItsPlatformCode) {
    const std::pair<const char*, int> names[] = {
        {"ANSI_CHARSET", 0},          {"DEFAULT_CHARSET", 1},      {"SYMBOL_CHARSET", 2},
        {"MAC_CHARSET", 77},          {"SHIFTJIS_CHARSET", 128},   {"HANGUL_CHARSET", 129},
        {"HANGEUL_CHARSET", 129},     {"JOHAB_CHARSET", 130},      {"GB2312_CHARSET", 134},
        {"CHINESEBIG5_CHARSET", 136}, {"GREEK_CHARSET", 161},      {"TURKISH_CHARSET", 162},
        {"VIETNAMESE_CHARSET", 163},  {"HEBREW_CHARSET", 177},     {"ARABIC_CHARSET", 178},
        {"BALTIC_CHARSET", 186},      {"RUSSIAN_CHARSET", 204},    {"THAI_CHARSET", 222},
        {"EASTEUROPE_CHARSET", 238},  {"OEM_CHARSET", 255},
    };
    const std::string path = LanguageFile("0409");
    for (const auto& [name, code] : names) {
        platform_.files[path] = std::string("[Font]\nCharSet=") + name + "\n";
        EXPECT_EQ(table_.GetCharSet(path), code) << name;
    }
}

// ---- The language files the program ships ----

std::string SourceDir() {
    const char* dir = std::getenv("ZELVIN_SOURCE_DIR");
    return dir ? dir : "";
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string Trim(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

struct IniEntry {
    std::string key;
    std::string value;
};

// The entries of one section, in file order, read line by line.
std::vector<IniEntry> SectionEntries(std::string text, const std::string& section) {
    if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
    std::vector<IniEntry> entries;
    std::istringstream lines(text);
    std::string line;
    bool inSection = false;
    while (std::getline(lines, line)) {
        line = Trim(line);
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '[') {
            inSection = line == "[" + section + "]";
            continue;
        }
        const size_t equals = line.find('=');
        if (inSection && equals != std::string::npos)
            entries.push_back({Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))});
    }
    return entries;
}

// The printf conversions of a format, one letter each ("%%" is none); a '%'
// that does not start a valid conversion shows as '?'.
std::string Conversions(const std::string& format) {
    std::string found;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') continue;
        ++i;
        if (i < format.size() && format[i] == '%') continue;
        while (i < format.size() && std::string_view("-+ #0123456789.").find(format[i]) != std::string_view::npos) ++i;
        const bool valid = i < format.size() && std::string_view("diouxXcsp").find(format[i]) != std::string_view::npos;
        found += valid ? format[i] : '?';
    }
    return found;
}

std::vector<std::filesystem::path> ShippedLanguageFiles() {
    std::vector<std::filesystem::path> files;
    const std::filesystem::path dir = std::filesystem::path(SourceDir()) / "resources" / "Languages";
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(dir, error)) {
        if (entry.path().extension() == ".ini") files.push_back(entry.path());
    }
    return files;
}

TEST(ShippedLanguageFiles, EnglishFileIsThere) {
    ASSERT_FALSE(SourceDir().empty()) << "ZELVIN_SOURCE_DIR is not set";
    bool english = false;
    for (const auto& file : ShippedLanguageFiles()) english = english || file.filename() == "APStr0409.ini";
    EXPECT_TRUE(english);
}

TEST(ShippedLanguageFiles, HoldExactlyTheKeysOfTheTable) {
    std::set<std::string> tableKeys;
    for (const CUISTR::Key& key : CUISTR::Keys()) tableKeys.insert(key.name);

    for (const auto& path : ShippedLanguageFiles()) {
        SCOPED_TRACE(path.filename().string());
        std::set<std::string> fileKeys;
        for (const IniEntry& entry : SectionEntries(ReadFile(path), "Strings")) {
            EXPECT_TRUE(fileKeys.insert(entry.key).second) << "key given twice: " << entry.key;
            EXPECT_TRUE(tableKeys.count(entry.key)) << "key the table lacks: " << entry.key;
        }
        for (const std::string& key : tableKeys) EXPECT_TRUE(fileKeys.count(key)) << "missing key: " << key;
    }
}

class ShippedLanguageFileTest : public UiStringsTest {
protected:
    // Loads a shipped file the way the program does and remembers its raw values.
    void LoadShipped(const std::filesystem::path& path) {
        const std::string text = ReadFile(path);
        AddLanguageFile("0409", text);
        raw_.clear();
        for (const IniEntry& entry : SectionEntries(text, "Strings")) raw_.emplace(entry.key, entry.value);
        table_ = CUISTR();
        table_.Load();
    }
    std::map<std::string, std::string> raw_;
};

TEST_F(ShippedLanguageFileTest, EveryTextLoadsUnchangedAndNotEmpty) {
    for (const auto& path : ShippedLanguageFiles()) {
        SCOPED_TRACE(path.filename().string());
        LoadShipped(path);
        for (const CUISTR::Key& key : CUISTR::Keys()) {
            const std::string& text = table_.*key.text;
            EXPECT_FALSE(text.empty()) << key.name;
            EXPECT_EQ(text, raw_[key.name]) << key.name << " is changed by the reader or cut";
        }
        const std::string charSetName = table_.GetString("Font", "CharSet", "DEFAULT_CHARSET", LanguageFile("0409"));
        EXPECT_TRUE(table_.m_nCharSet != 1 || charSetName == "DEFAULT_CHARSET") << "unknown CharSet " << charSetName;
        EXPECT_FALSE(table_.m_strFaceName.empty());
    }
}

TEST_F(ShippedLanguageFileTest, FormatTextsCarryTheArgumentsTheirCallersPass) {
    for (const auto& path : ShippedLanguageFiles()) {
        SCOPED_TRACE(path.filename().string());
        LoadShipped(path);
        EXPECT_EQ(Conversions(table_.IDS_MSGHEXWEPKEYINVALID), "d");
        EXPECT_EQ(Conversions(table_.IDS_MSGASCIIWEPKEYINVALID), "d");
        EXPECT_EQ(Conversions(table_.IDS_KEY_LENGTH_DESCRIPTION_HEX), "s");

        const std::string* tooltips[] = {&table_.IDS_NORVANE_LOST, &table_.IDS_NORVANE_GOOD, &table_.IDS_NORVANE_NORMAL,
                                         &table_.IDS_NORVANE_WEAK, &table_.IDS_NORVANE_NOTEXIST};
        for (const std::string* tooltip : tooltips) {
            EXPECT_EQ(Conversions(*tooltip), "") << *tooltip;
            // The tray keeps 127 characters; "%%" shows as one.
            std::string shown = *tooltip;
            for (size_t at = shown.find("%%"); at != std::string::npos; at = shown.find("%%", at + 1)) shown.erase(at, 1);
            EXPECT_LE(zelvin::Utf8ToUtf16(shown).size(), 127u) << *tooltip;
        }
    }
}

void ExpectDistinct(const std::vector<const std::string*>& texts, const char* what) {
    std::set<std::string> seen;
    for (const std::string* text : texts) EXPECT_TRUE(seen.insert(*text).second) << what << ": \"" << *text << "\" twice";
}

// Windows are found by title and list entries turn back into codes by text,
// so texts that share such a lookup must differ.
TEST_F(ShippedLanguageFileTest, TextsThatAreLookedUpDiffer) {
    const std::string hiddenWindow = "Norvane Wireless UI";
    const std::string helpTitles[] = {"SoftAP Utility Help", "HTML Help"};
    for (const auto& path : ShippedLanguageFiles()) {
        SCOPED_TRACE(path.filename().string());
        LoadShipped(path);
        CUISTR& t = table_;
        ExpectDistinct({&t.IDS_APCONFIGMSG, &t.IDS_NORVANE_CONFIG_TITLE, &t.IDS_APCONFIG_HELP, &hiddenWindow,
                        &helpTitles[0], &helpTitles[1]},
                       "window titles");
        ExpectDistinct({&t.IDS_PHY_24G, &t.IDS_PHY_5G}, "bands");
        ExpectDistinct({&t.IDS_AUTO, &t.IDS_1MBPS, &t.IDS_2MBPS, &t.IDS_55MBPS, &t.IDS_11MBPS, &t.IDS_6MBPS,
                        &t.IDS_9MBPS, &t.IDS_12MBPS, &t.IDS_18MBPS, &t.IDS_24MBPS, &t.IDS_36MBPS, &t.IDS_48MBPS,
                        &t.IDS_54MBPS},
                       "rates");
        ExpectDistinct({&t.IDS_OPENSYSTEM, &t.IDS_SHARED, &t.IDS_WPAPSK, &t.IDS_WPA2PSK, &t.IDS_WPAPSK_WPA2PSK},
                       "authentication");
        ExpectDistinct({&t.IDS_NOTUSE, &t.IDS_WEP, &t.IDS_TKIP, &t.IDS_AES, &t.IDS_BOTH}, "encryption");
        ExpectDistinct({&t.IDS_DISABLE, &t.IDS_ALLOWALL, &t.IDS_REJECTALL}, "access policies");
        ExpectDistinct({&t.IDS_100PERCENT, &t.IDS_75PERCENT, &t.IDS_50PERCENT, &t.IDS_25PERCENT, &t.IDS_LOWEST},
                       "transmit power");
        ExpectDistinct({&t.IDS_10Seconds, &t.IDS_KPackets}, "rekey units");
        // The MCS list holds the auto entry beside the numbers 0 to 32.
        EXPECT_EQ(t.IDS_AUTO.find_first_not_of("0123456789"), 0u) << t.IDS_AUTO;
    }
}

#if defined(_WIN32)
// The real platform: the executable's own path and the file read of Windows.
// The build copies the language files beside this test's executable.
TEST(ShippedLanguageFiles, LoadFindsTheEnglishFileBesideTheRealExecutable) {
    zelvin::SetCurrentPlatform(nullptr);
    std::map<std::string, std::string> raw;
    const auto english = std::filesystem::path(SourceDir()) / "resources" / "Languages" / "APStr0409.ini";
    for (const IniEntry& entry : SectionEntries(ReadFile(english), "Strings")) raw.emplace(entry.key, entry.value);

    CUISTR table;
    table.Load();

    EXPECT_EQ(table.IDS_APCONFIGMSG, raw["IDS_APCONFIGMSG"]);
    EXPECT_EQ(table.IDS_FW_VERSION_NAME, raw["IDS_FW_VERSION_NAME"]);
    EXPECT_FALSE(table.IDS_APCONFIGMSG.empty());
}
#endif

}  // namespace
