// Reads one value from an INI file the way the Windows private-profile read
// does for the files this program meets.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// windows.h maps this name to GetProfileStringW; a Win32 file that includes
// both must include windows.h first so the macro is gone before we declare.
#ifdef GetProfileString
#undef GetProfileString
#endif

// Section and key match without regard to (ASCII) case; blanks around names
// and values are ignored; one pair of matching surrounding quotes ('' or "")
// is removed from a value. Only the first section of a given name is read and
// the first matching key in it wins; a key line without "=" gives the default.
// A missing file, section or key gives defaultValue without its trailing
// blanks. The file may be UTF-8 (with or without BOM) or UTF-16 with a BOM.
//
// The result is UTF-8 and holds at most bufferChars - 1 UTF-16 units (the
// capacity of the caller's wide buffer, terminator included); a longer value
// is cut, never split inside a character. bufferChars 0 gives "".
std::string GetProfileString(const std::string& path, std::string_view section, std::string_view key,
                             std::string_view defaultValue, size_t bufferChars);

// One profile file read and decoded once, for callers that look up many
// values in the same file (the text table reads some 170); each lookup follows
// the rules of GetProfileString. Later changes to the file are not seen.
class ProfileFile {
public:
    explicit ProfileFile(const std::string& path);

    const std::string& Path() const { return path_; }
    std::string GetString(std::string_view section, std::string_view key, std::string_view defaultValue,
                          size_t bufferChars) const;

private:
    std::string path_;
    std::optional<std::u16string> text_;  // none when the file cannot be read
};
