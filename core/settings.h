// The program's own options, read once from the INI file beside the
// executable and kept in NVAPAPI.m_Settings for the life of the process.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

struct ProgramSettings {
    // Switches: on exactly when the key reads "1".
    bool showCountryRegion = false;  // [CountryRegion] ShowCountryRegion
    bool showPassword = false;       // [AuthEncry] ShowPassword
    bool page11nSetting = false;     // [Page] 11n Setting
    bool select11nDialog = false;    // [Advance] Select11nDialog
    bool txRate = false;             // [Advance] TxRate
    bool htSetting = false;          // [Advance] HT Setting
    bool bgProtection = false;       // [Advance] BgProtection
    int waitforDriverInitialized = 5;  // [Advance] WaitforDriverInitialized
    bool rtsSuccessCount = false;    // [Statistics] RTSSuccessCount
    bool rtsFailureCount = false;    // [Statistics] RTSFailureCount
    bool debugMode = false;          // [Settings] DebugMode
    // Permissions: false when ProhibitTKIPonHT / ProhibitWEPonHT read "1".
    bool tkipAllowedOnHt = true;
    bool wepAllowedOnHt = true;
    // [NvSwap] texts, at most 63 characters; an empty text takes the default.
    std::string utilityFileName;
    std::string shortcutFolderName;
    std::string shortcutUiName;

    bool operator==(const ProgramSettings&) const = default;
};

// The settings file of the running executable: its path with everything
// after the last "." of the file name replaced by `extension`.
std::string SettingsFilePath(std::string_view executablePath, std::string_view extension);

// Reads one key of the settings file (a missing file or key gives the
// default). The value holds at most outChars - 1 characters.
void GetINIStr(std::string_view section, std::string_view key, std::string_view defaultValue, std::string& out,
               std::string_view extension, size_t outChars = 64);

// Resets `settings` and reads every key of the settings file.
void LoadSettings(ProgramSettings& settings);

// "5" -> 5, otherwise the text's leading decimal integer, 0 when none.
int ParseWaitforDriverInitialized(std::string_view text);
