// The companion program's command line for handing the adapter back to
// station mode.
#pragma once

#include <string>

struct StationModeLaunch {
    std::string programPath;   // full path, never left to the search order
    std::string commandLine;
    std::string workingFolder;
};

// `executablePath` is this program's own full path; the companion program lies
// in the same folder.
StationModeLaunch BuildStationModeLaunch(const std::string& executablePath, const std::string& utilityFileName,
                                         const std::string& shortcutFolderName, const std::string& shortcutUiName,
                                         const std::string& hardwareId);

// The folder of a full path, up to and including its last "\".
std::string FolderOf(const std::string& path);
// The file name of a full path without its extension ("C:\a\Zelvin.exe" -> "Zelvin").
std::string BaseNameWithoutExtension(const std::string& path);
