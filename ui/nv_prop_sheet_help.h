// Where the configuration sheet's help file lives and when a help viewer is
// already showing. Plain logic over the platform and the driver's OS code.
#pragma once

#include <cstdint>
#include <string>

// The help file for an executable: its folder plus APCONFIGENG.chm, or
// APCONFIGCHN.chm on systems before generation code 10 whose default language
// is 0x0404 (Traditional Chinese). Every ".HLP" in the whole path is replaced
// by the suffix, the folder part included, exactly as the help path was
// always derived.
std::string HelpFilePathFor(const std::string& executablePath, int winOsCode, uint16_t systemLanguage);

// The titles by which an open help viewer is recognised, in search order;
// the last is the text of IDS_APCONFIG_HELP.
inline constexpr const char* kHelpViewerTitles[] = {"SoftAP Utility Help", "HTML Help"};
