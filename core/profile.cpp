#include "core/profile.h"

#include <optional>

#include "platform/platform.h"
#include "platform/utf.h"

namespace {

using Text = std::u16string_view;

// Files are parsed as UTF-16, as the Windows reader does, so lengths and
// cuts count the same units as a wide buffer.
std::u16string DecodeProfileFile(const std::string& bytes) {
    auto startsWith = [&](std::string_view prefix) { return std::string_view(bytes).substr(0, prefix.size()) == prefix; };
    const bool littleEndian = startsWith("\xFF\xFE");
    if (littleEndian || startsWith("\xFE\xFF")) {
        std::u16string units;
        units.reserve(bytes.size() / 2);
        for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
            const auto first = static_cast<unsigned char>(bytes[i]);
            const auto second = static_cast<unsigned char>(bytes[i + 1]);
            units.push_back(littleEndian ? static_cast<char16_t>(first | (second << 8))
                                         : static_cast<char16_t>((first << 8) | second));
        }
        return units;
    }
    if (startsWith("\xEF\xBB\xBF")) return zelvin::Utf8ToUtf16(std::string_view(bytes).substr(3));
    return zelvin::Utf8ToUtf16(bytes);
}

// 0x1A is the old end-of-file mark, which the Windows reader also skips.
bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\v' || c == u'\f' || c == 0x1A;
}

Text Trim(Text text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

char16_t AsciiLower(char16_t c) { return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c; }

bool SameName(Text a, Text b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    }
    return true;
}

// "[ name ]" -> name; the last "]" on the line closes it. nullopt for any
// other line (a "[" without "]" is an ordinary line).
std::optional<Text> SectionName(Text line) {
    if (line.empty() || line.front() != u'[') return std::nullopt;
    const size_t close = line.rfind(u']');
    if (close == Text::npos || close == 0) return std::nullopt;
    return Trim(line.substr(1, close - 1));
}

struct KeyLine {
    Text name;
    std::optional<Text> value;  // none when the line has no "="
};

KeyLine SplitKeyLine(Text line) {
    const size_t equals = line.find(u'=');
    if (equals == Text::npos) return {Trim(line), std::nullopt};
    return {Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))};
}

// The value of the first matching key in the first matching section; nullopt
// when there is none or the key line carries no value.
std::optional<Text> FindValue(Text file, Text section, Text key) {
    bool inSection = false;
    bool sectionSeen = false;
    size_t pos = 0;
    while (pos < file.size()) {
        size_t end = file.find_first_of(u"\r\n", pos);
        if (end == Text::npos) end = file.size();
        const Text line = Trim(file.substr(pos, end - pos));
        pos = end + 1;
        if (line.empty()) continue;
        if (auto name = SectionName(line)) {
            if (inSection) return std::nullopt;  // a repeated section is never read
            inSection = !sectionSeen && SameName(*name, section);
            sectionSeen = sectionSeen || inSection;
            continue;
        }
        if (!inSection) continue;
        const KeyLine entry = SplitKeyLine(line);
        if (SameName(entry.name, key)) return entry.value;
    }
    return std::nullopt;
}

Text StripQuotes(Text value) {
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

Text CutToBuffer(Text value, size_t bufferChars) {
    const size_t room = bufferChars - 1;
    if (value.size() <= room) return value;
    Text cut = value.substr(0, room);
    // Never leave half of a surrogate pair.
    if (!cut.empty() && cut.back() >= 0xD800 && cut.back() <= 0xDBFF) cut.remove_suffix(1);
    return cut;
}

std::string ToResult(Text value, size_t bufferChars) {
    return zelvin::Utf16ToUtf8(CutToBuffer(value, bufferChars));
}

std::string DefaultResult(std::string_view defaultValue, size_t bufferChars) {
    const std::u16string wide = zelvin::Utf8ToUtf16(defaultValue);
    Text text = wide;
    while (!text.empty() && text.back() == u' ') text.remove_suffix(1);
    return ToResult(text, bufferChars);
}

}  // namespace

ProfileFile::ProfileFile(const std::string& path) : path_(path) {
    if (const std::optional<std::string> bytes = zelvin::CurrentPlatform().ReadWholeFile(path)) {
        text_ = DecodeProfileFile(*bytes);
    }
}

std::string ProfileFile::GetString(std::string_view section, std::string_view key, std::string_view defaultValue,
                                   size_t bufferChars) const {
    if (bufferChars == 0) return {};
    if (!text_) return DefaultResult(defaultValue, bufferChars);
    const std::u16string wantedSection = zelvin::Utf8ToUtf16(section);
    const std::u16string wantedKey = zelvin::Utf8ToUtf16(key);
    const std::optional<Text> value = FindValue(*text_, Trim(wantedSection), Trim(wantedKey));
    if (!value) return DefaultResult(defaultValue, bufferChars);
    return ToResult(StripQuotes(*value), bufferChars);
}

std::string GetProfileString(const std::string& path, std::string_view section, std::string_view key,
                             std::string_view defaultValue, size_t bufferChars) {
    if (bufferChars == 0) return {};
    return ProfileFile(path).GetString(section, key, defaultValue, bufferChars);
}
