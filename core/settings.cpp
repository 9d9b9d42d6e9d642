#include "core/settings.h"

#include <climits>

#include "core/profile.h"
#include "platform/platform.h"

namespace {

// The buffer a single value is read into, terminator included.
constexpr size_t kReadBufferChars = 256;
// Each setting is read into a buffer of this many characters.
constexpr size_t kSettingChars = 64;

bool ReadSwitch(std::string_view section, std::string_view key) {
    std::string text;
    GetINIStr(section, key, "0", text, "ini", kSettingChars);
    return text == "1";
}

std::string ReadText(std::string_view section, std::string_view key, std::string_view defaultValue) {
    std::string text;
    GetINIStr(section, key, defaultValue, text, "ini", kSettingChars);
    return text.empty() ? std::string(defaultValue) : text;
}


}  // namespace

std::string SettingsFilePath(std::string_view executablePath, std::string_view extension) {
    std::string path(executablePath);
    const size_t dot = path.rfind('.');
    const size_t separator = path.find_last_of("\\/");
    // A "." in a folder name is not an extension: then the extension is added.
    if (dot == std::string::npos || (separator != std::string::npos && dot < separator)) path += '.';
    else path.resize(dot + 1);
    path += extension;
    return path;
}

void GetINIStr(std::string_view section, std::string_view key, std::string_view defaultValue, std::string& out,
               std::string_view extension, size_t outChars) {
    const std::string file = SettingsFilePath(zelvin::CurrentPlatform().ExecutablePath(), extension);
    const size_t capacity = outChars < kReadBufferChars ? outChars : kReadBufferChars;
    out = GetProfileString(file, section, key, defaultValue, capacity);
}

int ParseWaitforDriverInitialized(std::string_view text) {
    if (text == "5") return 5;
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX) value = static_cast<long long>(INT_MAX) + 1;  // held, never overflows
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

void LoadSettings(ProgramSettings& settings) {
    settings = ProgramSettings{};
    settings.showCountryRegion = ReadSwitch("CountryRegion", "ShowCountryRegion");
    settings.showPassword = ReadSwitch("AuthEncry", "ShowPassword");
    settings.page11nSetting = ReadSwitch("Page", "11n Setting");
    settings.select11nDialog = ReadSwitch("Advance", "Select11nDialog");
    if (settings.select11nDialog) {
        settings.txRate = true;
        settings.htSetting = true;
    } else {
        settings.txRate = ReadSwitch("Advance", "TxRate");
        settings.htSetting = ReadSwitch("Advance", "HT Setting");
    }
    settings.bgProtection = ReadSwitch("Advance", "BgProtection");
    std::string wait;
    GetINIStr("Advance", "WaitforDriverInitialized", "5", wait, "ini", kSettingChars);
    settings.waitforDriverInitialized = ParseWaitforDriverInitialized(wait);
    settings.rtsSuccessCount = ReadSwitch("Statistics", "RTSSuccessCount");
    settings.rtsFailureCount = ReadSwitch("Statistics", "RTSFailureCount");
    settings.debugMode = ReadSwitch("Settings", "DebugMode");
    settings.tkipAllowedOnHt = !ReadSwitch("Settings", "ProhibitTKIPonHT");
    settings.wepAllowedOnHt = !ReadSwitch("Settings", "ProhibitWEPonHT");
    settings.utilityFileName = ReadText("NvSwap", "UTILITY_FILE_NAME", "Corvella_WLAN_Utility");
    settings.shortcutFolderName = ReadText("NvSwap", "SHORTCUT_FOLDER_NAME", "Corvella WLAN");
    settings.shortcutUiName = ReadText("NvSwap", "SHORTCUT_UI_NAME", "Corvella Wireless Utility");
}
