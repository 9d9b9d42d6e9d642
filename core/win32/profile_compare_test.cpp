// Compares our profile reader with the system's own GetPrivateProfileStringW
// on a table of tricky files, so any difference in what the program meets
// shows up.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "core/profile.h"
#include "platform/win32/win32_text.h"

namespace {

// Every byte of a literal that holds NULs, without its terminator.
template <size_t N>
std::string Bytes(const char (&literal)[N]) {
    return std::string(literal, N - 1);
}

struct CompareCase {
    const char* name;
    std::string file;
    const char* section;
    const char* key;
    const char* defaultValue;
    DWORD bufferChars;
};

std::wstring TempFolder() {
    wchar_t base[MAX_PATH];
    GetTempPathW(MAX_PATH, base);
    std::wstring folder = std::wstring(base) + L"zelvin_profile_" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    ASSERT_EQ(written, bytes.size());
}

std::string SystemRead(const std::wstring& path, const CompareCase& c) {
    std::wstring buffer(c.bufferChars + 1, L'\0');
    const DWORD n = GetPrivateProfileStringW(zelvin::ToWide(c.section).c_str(), zelvin::ToWide(c.key).c_str(),
                                             zelvin::ToWide(c.defaultValue).c_str(), buffer.data(), c.bufferChars,
                                             path.c_str());
    buffer.resize(n);
    return zelvin::ToUtf8(buffer);
}

TEST(ProfileCompare, MatchesGetPrivateProfileStringW) {
    const std::string longValue(300, 'v');
    const CompareCase cases[] = {
        {"plain", "[S]\r\nK=v\r\n", "S", "K", "d", 256},
        {"case of names", "[SeTTings]\r\nDebugMode=1\r\n", "settings", "DEBUGMODE", "0", 64},
        {"blanks around names and value", "  [S]  \r\n \t K \t=  some value \t\r\n", "S", "K", "d", 256},
        {"blanks around the query names", "[S]\r\nK=v\r\n", " S ", " K ", "d", 256},
        {"key with a blank inside", "[Page]\r\n11n Setting = 1\r\n", "Page", "11n Setting", "0", 64},
        {"double quotes", "[S]\r\nK=\"  quoted  \"\r\n", "S", "K", "d", 256},
        {"single quotes", "[S]\r\nK='x'\r\n", "S", "K", "d", 256},
        {"nested quotes", "[S]\r\nK=\"\"x\"\"\r\n", "S", "K", "d", 256},
        {"mismatched quotes", "[S]\r\nK='x\"\r\n", "S", "K", "d", 256},
        {"lone quote", "[S]\r\nK=\"\r\n", "S", "K", "d", 256},
        {"empty quotes", "[S]\r\nK=\"\"\r\n", "S", "K", "d", 256},
        {"empty value", "[S]\r\nK=\r\n", "S", "K", "d", 256},
        {"first key wins", "[S]\r\nK=first\r\nK=second\r\n", "S", "K", "d", 256},
        {"value with equals signs", "[S]\r\nK=a=b\r\n", "S", "K", "d", 256},
        {"key without equals", "[S]\r\nK\r\nK=later\r\n", "S", "K", "d", 256},
        {"missing key", "[S]\r\nOther=1\r\n", "S", "K", "d", 256},
        {"missing section", "[T]\r\nK=1\r\n", "S", "K", "d", 256},
        {"key in another section", "[T]\r\nK=t\r\n[S]\r\nX=1\r\n", "S", "K", "d", 256},
        {"later section not searched", "[S]\r\nX=1\r\n[T]\r\nK=t\r\n", "S", "K", "d", 256},
        {"repeated section", "[S]\r\nX=1\r\n[S]\r\nK=2\r\n", "S", "K", "d", 256},
        {"key before any section", "K=0\r\n[S]\r\nK=1\r\n", "S", "K", "d", 256},
        {"prefix of a name", "[Settings]\r\nDebugModeX=1\r\n", "Setting", "DebugMode", "0", 64},
        {"comment after a section header", "[S] ; note\r\nK=v\r\n", "S", "K", "d", 256},
        {"open bracket without close", "[S]\r\n[broken\r\nK=v\r\n", "S", "K", "d", 256},
        {"unix line ends", "[S]\nA=1\nK=v\n", "S", "K", "d", 256},
        {"no newline at end", "[S]\r\nK=v", "S", "K", "d", 256},
        {"utf-8 byte order mark", "\xEF\xBB\xBF[S]\r\nK=\xE7\x84\xA1\xE7\xB7\x9A\r\n", "S", "K", "d", 256},
        {"utf-16le byte order mark", Bytes("\xFF\xFE[\0S\0]\0\r\0\n\0K\0=\0\xE9\0\r\0\n\0"), "S", "K",
         "d", 256},
        {"empty file", "", "S", "K", "d", 256},
        {"value starting with equals", "[S]\r\nK==v\r\n", "S", "K", "d", 256},
        {"first key wins whatever its case", "[S]\r\nk=1\r\nK=2\r\n", "S", "K", "d", 256},
        {"blank value", "[S]\r\nK=   \r\n", "S", "K", "d", 256},
        {"outer quotes only", "[S]\r\nK=\"a\" b\"\r\n", "S", "K", "d", 256},
        {"text after the closing bracket", "[S]]x\r\nK=v\r\n[S]\r\nK=w\r\n", "S]", "K", "d", 256},
        {"blanks inside the brackets", "[ S ]\r\nK=v\r\n", "S", "K", "d", 256},
        {"inline comment", "[S]\r\nK=v ; note\r\n", "S", "K", "d", 256},
        {"commented-out key", "[S]\r\n;K=old\r\nK=v\r\n", "S", "K", "d", 256},
        {"tabs and a control-Z", "[S]\r\n\tK\t=\tv\x1A\r\n", "S", "K", "d", 256},
        {"default trailing blanks", "", "S", "K", "  d e  ", 256},
        {"value cut at the buffer", "[S]\r\nK=abcdef\r\n", "S", "K", "d", 4},
        {"value fits exactly", "[S]\r\nK=abc\r\n", "S", "K", "d", 4},
        {"long value cut at 63", "[S]\r\nK=" + longValue + "\r\n", "S", "K", "d", 64},
        {"long value cut at 255", "[S]\r\nK=" + longValue + "\r\n", "S", "K", "d", 256},
        {"default cut", "", "S", "K", "abcdef", 3},
        {"quoted value well past the buffer", "[S]\r\nK=\"abcdef\"\r\n", "S", "K", "d", 4},
        {"buffer of one", "[S]\r\nK=abc\r\n", "S", "K", "d", 1},
        // Left out on purpose: UTF-8 without a byte order mark holding
        // non-ASCII text (Windows reads such files in the ANSI code page; we
        // read UTF-8), and a quoted value whose content is exactly one unit
        // longer than the buffer holds (Wine then drops one character too
        // many). Both are covered natively.
    };
    const std::wstring folder = TempFolder();
    int index = 0;
    for (const auto& c : cases) {
        // A fresh name per case: the system caches profiles by name and time.
        const std::wstring path = folder + L"\\case" + std::to_wstring(index++) + L".ini";
        WriteFileBytes(path, c.file);
        const std::string ours = GetProfileString(zelvin::ToUtf8(path), c.section, c.key, c.defaultValue, c.bufferChars);
        EXPECT_EQ(ours, SystemRead(path, c)) << c.name;
        DeleteFileW(path.c_str());
    }
    const std::wstring missing = folder + L"\\absent.ini";
    const CompareCase absent{"missing file", "", "S", "K", "5", 64};
    EXPECT_EQ(GetProfileString(zelvin::ToUtf8(missing), "S", "K", "5", 64), SystemRead(missing, absent));
    EXPECT_EQ(GetProfileString(zelvin::ToUtf8(missing), "S", "K", "5", 64), "5");
    RemoveDirectoryW(folder.c_str());
}

}  // namespace
