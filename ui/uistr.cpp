#include "ui/uistr.h"

#include <array>
#include <cstdio>

#include "core/nvap_binding.h"
#include "core/profile.h"
#include "core/trace.h"
#include "platform/platform.h"

CUISTR g_UIStr;

namespace {

// Values are read into a buffer of this many characters, terminator included.
constexpr size_t kTextBufferChars = 512;

struct CharSetName {
    std::string_view name;
    uint8_t code;
};

// The platform's font character-set codes, matched by exact name.
constexpr std::array<CharSetName, 20> kCharSets{{
    {"ANSI_CHARSET", 0},
    {"DEFAULT_CHARSET", 1},
    {"SYMBOL_CHARSET", 2},
    {"MAC_CHARSET", 77},
    {"SHIFTJIS_CHARSET", 128},
    {"HANGUL_CHARSET", 129},
    {"HANGEUL_CHARSET", 129},
    {"JOHAB_CHARSET", 130},
    {"GB2312_CHARSET", 134},
    {"CHINESEBIG5_CHARSET", 136},
    {"GREEK_CHARSET", 161},
    {"TURKISH_CHARSET", 162},
    {"VIETNAMESE_CHARSET", 163},
    {"HEBREW_CHARSET", 177},
    {"ARABIC_CHARSET", 178},
    {"BALTIC_CHARSET", 186},
    {"RUSSIAN_CHARSET", 204},
    {"THAI_CHARSET", 222},
    {"EASTEUROPE_CHARSET", 238},
    {"OEM_CHARSET", 255},
}};
constexpr uint8_t kDefaultCharSet = 1;

const CUISTR::Key kKeys[] = {
#define ZELVIN_UISTR_ENTRY(key) {#key, &CUISTR::key},
    ZELVIN_UISTR_KEYS(ZELVIN_UISTR_ENTRY)
#undef ZELVIN_UISTR_ENTRY
};

// The language identifier as the platform writes it: four hexadecimal digits,
// lower case ("0409", "0c04").
std::string LanguageCode(uint16_t language) {
    char code[8];
    std::snprintf(code, sizeof code, "%04x", static_cast<unsigned>(language));
    return code;
}

// Everything up to and including the last backslash; empty when there is none.
std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The driver library answers whether a file exists, as for every other file
// the program looks for.
bool FileExists(const std::string& path) { return NVAPAPI.NVAP_IsFileExist(path.c_str()) != 0; }

std::string LanguageFilePath() {
    const std::string code = LanguageCode(zelvin::CurrentPlatform().SystemDefaultLanguage());
    std::string path = FolderOf(zelvin::CurrentPlatform().ExecutablePath()) + "Languages\\APStr" + code + ".ini";
    TraceOut("[Zelvin] CUISTR::GetString(): Languages File Path = %s\n", path.c_str());
    if (!FileExists(path)) path = FolderOf(path) + "APStr0409.ini";
    return path;
}

}  // namespace

std::span<const CUISTR::Key> CUISTR::Keys() { return kKeys; }

std::string CUISTR::GetString(std::string_view section, std::string_view key, std::string_view defaultValue,
                              const std::string& file) {
    if (loading_ && loading_->Path() == file) return loading_->GetString(section, key, defaultValue, kTextBufferChars);
    return GetProfileString(file, section, key, defaultValue, kTextBufferChars);
}

void CUISTR::Load() {
    const std::string file = LanguageFilePath();
    // Some 170 values come from one file: parse it once, not once per value.
    const ProfileFile parsed(file);
    loading_ = &parsed;
    m_nCharSet = GetCharSet(file);
    m_strFaceName = GetFaceName(file);
    for (const Key& key : kKeys) this->*key.text = GetString("Strings", key.name, "", file);
    loading_ = nullptr;
}

uint8_t CUISTR::GetCharSet(const std::string& file) {
    const std::string name = GetString("Font", "CharSet", "DEFAULT_CHARSET", file);
    for (const CharSetName& entry : kCharSets) {
        if (entry.name == name) return entry.code;
    }
    return kDefaultCharSet;
}

std::string CUISTR::GetFaceName(const std::string& file) {
    return GetString("Font", "FaceName", "Trebuchet MS", file);
}
