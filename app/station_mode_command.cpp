#include "app/station_mode_command.h"

std::string FolderOf(const std::string& path) {
    size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string BaseNameWithoutExtension(const std::string& path) {
    size_t slash = path.find_last_of('\\');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

StationModeLaunch BuildStationModeLaunch(const std::string& executablePath, const std::string& utilityFileName,
                                         const std::string& shortcutFolderName, const std::string& shortcutUiName,
                                         const std::string& hardwareId) {
    StationModeLaunch launch;
    launch.workingFolder = FolderOf(executablePath);
    launch.programPath = launch.workingFolder + "NvSwap.exe";
    launch.commandLine = "\"NvSwap.exe\" OFF " + utilityFileName + " Zelvin \"" + shortcutFolderName + "\" \"" +
                         shortcutUiName + "\" \"" + hardwareId + "\"";
    return launch;
}
