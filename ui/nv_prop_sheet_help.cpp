#include "ui/nv_prop_sheet_help.h"

namespace {

constexpr std::uint16_t kLangChineseTraditional = 0x0404;
constexpr int kFirstGenerationWithoutChineseHelp = 10;

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

}  // namespace

std::string HelpFilePathFor(const std::string& executablePath, int winOsCode, uint16_t systemLanguage) {
    const std::size_t lastSeparator = executablePath.rfind('\\');
    std::string path = lastSeparator == std::string::npos ? std::string() : executablePath.substr(0, lastSeparator + 1);
    path += "APCONFIG.HLP";
    const bool chinese = winOsCode < kFirstGenerationWithoutChineseHelp && systemLanguage == kLangChineseTraditional;
    return ReplaceAll(path, ".HLP", chinese ? "CHN.chm" : "ENG.chm");
}
