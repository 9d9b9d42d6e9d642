#include "core/profile.h"

#include <gtest/gtest.h>

#include "platform/memory/memory_platform.h"

namespace {

// Every byte of a literal that holds NULs, without its terminator.
template <size_t N>
std::string Bytes(const char (&literal)[N]) {
    return std::string(literal, N - 1);
}

const char kPath[] = "C:\\Apps\\test.ini";

class ProfileTest : public ::testing::Test {
protected:
    void SetUp() override { zelvin::SetCurrentPlatform(&platform_); }
    void TearDown() override { zelvin::SetCurrentPlatform(nullptr); }

    std::string Read(const std::string& file, std::string_view section, std::string_view key,
                     std::string_view defaultValue = "dflt", size_t bufferChars = 256) {
        platform_.files[kPath] = file;
        return GetProfileString(kPath, section, key, defaultValue, bufferChars);
    }

    zelvin::MemoryPlatform platform_;
};

struct LookupCase {
    const char* name;
    std::string file;
    const char* section;
    const char* key;
    const char* expected;
};

TEST_F(ProfileTest, LooksUpValuesLikeTheWindowsReader) {
    const LookupCase cases[] = {
        {"plain", "[S]\r\nK=v\r\n", "S", "K", "v"},
        {"section and key ignore case", "[SeTTings]\nDebugMode=1\n", "settings", "DEBUGMODE", "1"},
        {"blanks around names and value", "  [S]  \n \t K \t=  some value \t\n", "S", "K", "some value"},
        {"blanks around the query names", "[S]\nK=v\n", " S ", " K ", "v"},
        {"key with blank inside", "[Page]\n11n Setting = 1\n", "Page", "11n Setting", "1"},
        {"double quotes removed", "[S]\nK=\"  quoted  \"\n", "S", "K", "  quoted  "},
        {"single quotes removed", "[S]\nK='x'\n", "S", "K", "x"},
        {"only one pair removed", "[S]\nK=\"\"x\"\"\n", "S", "K", "\"x\""},
        {"mismatched quotes kept", "[S]\nK='x\"\n", "S", "K", "'x\""},
        {"lone quote kept", "[S]\nK=\"\n", "S", "K", "\""},
        {"empty quotes give empty", "[S]\nK=\"\"\n", "S", "K", ""},
        {"empty value is not the default", "[S]\nK=\n", "S", "K", ""},
        {"first key wins", "[S]\nK=first\nK=second\n", "S", "K", "first"},
        {"value keeps later equals signs", "[S]\nK=a=b\n", "S", "K", "a=b"},
        {"key without equals gives default", "[S]\nK\nK=later\n", "S", "K", "dflt"},
        {"missing key", "[S]\nOther=1\n", "S", "K", "dflt"},
        {"missing section", "[T]\nK=1\n", "S", "K", "dflt"},
        {"key in another section", "[T]\nK=t\n[S]\nX=1\n", "S", "K", "dflt"},
        {"later section not searched", "[S]\nX=1\n[T]\nK=t\n", "S", "K", "dflt"},
        {"repeated section not read", "[S]\nX=1\n[S]\nK=2\n", "S", "K", "dflt"},
        {"key before any section", "K=0\n[S]\nK=1\n", "S", "K", "1"},
        {"prefix of a name does not match", "[Settings]\nDebugModeX=1\n", "Setting", "DebugMode", "dflt"},
        {"comment after section header", "[S] ; note\nK=v\n", "S", "K", "v"},
        {"bracket without close is an ordinary line", "[S]\n[broken\nK=v\n", "S", "K", "v"},
        {"carriage returns alone end lines", "[S]\rA=1\rK=v\r", "S", "K", "v"},
        {"no newline at end", "[S]\nK=v", "S", "K", "v"},
        {"utf-8 without byte order mark", "[S]\nK=caf\xC3\xA9\n", "S", "K", "caf\xC3\xA9"},
        {"utf-8 byte order mark", "\xEF\xBB\xBF[S]\nK=\xE7\x84\xA1\n", "S", "K", "\xE7\x84\xA1"},
        {"utf-16le byte order mark",
         Bytes("\xFF\xFE[\0S\0]\0\n\0K\0=\0\xE9\0\n\0"), "S", "K", "\xC3\xA9"},
        {"utf-16be byte order mark", Bytes("\xFE\xFF\0[\0S\0]\0\n\0K\0=\0v"), "S", "K", "v"},
        {"empty file", "", "S", "K", "dflt"},
        {"value starting with equals", "[S]\nK==v\n", "S", "K", "=v"},
        {"first key wins whatever its case", "[S]\nk=1\nK=2\n", "S", "K", "1"},
        {"blank value", "[S]\nK=   \n", "S", "K", ""},
        {"outer quotes only", "[S]\nK=\"a\" b\"\n", "S", "K", "a\" b"},
        {"blanks inside the brackets", "[ S ]\nK=v\n", "S", "K", "v"},
        {"inline comment is part of the value", "[S]\nK=v ; note\n", "S", "K", "v ; note"},
        {"commented-out key is another key", "[S]\n;K=old\nK=v\n", "S", "K", "v"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Read(c.file, c.section, c.key), c.expected) << c.name;
    }
}

TEST_F(ProfileTest, MissingFileGivesTheDefault) {
    EXPECT_EQ(GetProfileString("C:\\nowhere\\absent.ini", "S", "K", "5", 64), "5");
}

TEST_F(ProfileTest, DefaultLosesTrailingBlanksOnly) {
    EXPECT_EQ(Read("", "S", "K", "  d e  "), "  d e");
}

struct CutCase {
    const char* name;
    std::string file;
    const char* defaultValue;
    size_t bufferChars;
    const char* expected;
};

TEST_F(ProfileTest, CutsToTheBufferWithoutSplittingCharacters) {
    const CutCase cases[] = {
        {"fits exactly", "[S]\nK=abc\n", "", 4, "abc"},
        {"one too long", "[S]\nK=abcd\n", "", 4, "abc"},
        {"buffer of one holds only the terminator", "[S]\nK=abc\n", "", 1, ""},
        {"buffer of zero", "[S]\nK=abc\n", "", 0, ""},
        {"quoted value cut after the quotes go", "[S]\nK=\"abcdef\"\n", "", 4, "abc"},
        {"default is cut too", "", "abcdef", 3, "ab"},
        // U+00E9 is one unit; U+1F4F6 is a surrogate pair and is dropped whole.
        {"two-byte character counts once", "[S]\nK=\xC3\xA9\xC3\xA9\xC3\xA9\n", "", 3, "\xC3\xA9\xC3\xA9"},
        {"pair not split", "[S]\nK=a\xF0\x9F\x93\xB6\n", "", 3, "a"},
        {"pair kept when it fits", "[S]\nK=a\xF0\x9F\x93\xB6\n", "", 4, "a\xF0\x9F\x93\xB6"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Read(c.file, "S", "K", c.defaultValue, c.bufferChars), c.expected) << c.name;
    }
}

TEST_F(ProfileTest, LongValueIsCutAtTheCapacity) {
    const std::string longValue(1000, 'x');
    EXPECT_EQ(Read("[S]\nK=" + longValue + "\n", "S", "K", "", 64), std::string(63, 'x'));
    EXPECT_EQ(Read("[S]\nK=" + longValue + "\n", "S", "K", "", 2000), longValue);
}

// Counts the file reads, so a reader that goes back to the disk per value shows.
class CountingPlatform : public zelvin::MemoryPlatform {
public:
    std::optional<std::string> ReadWholeFile(const std::string& path) override {
        ++reads;
        return MemoryPlatform::ReadWholeFile(path);
    }
    int reads = 0;
};

TEST(ProfileFileTest, ReadsTheFileOnceForManyLookups) {
    CountingPlatform platform;
    zelvin::SetCurrentPlatform(&platform);
    platform.files[kPath] = "[Font]\nFaceName=\"Tahoma\"\n[Strings]\nIDS_A=first\nIDS_B=second\n[Strings]\nIDS_C=x\n";
    const ProfileFile file(kPath);
    platform.files[kPath] = "[Strings]\nIDS_A=changed\n";  // later edits are not seen

    EXPECT_EQ(file.GetString("Strings", "IDS_B", "", 512), "second");
    EXPECT_EQ(file.GetString("strings", "ids_a", "", 512), "first");
    EXPECT_EQ(file.GetString("Font", "FaceName", "Trebuchet MS", 512), "Tahoma");
    EXPECT_EQ(file.GetString("Strings", "IDS_C", "none  ", 512), "none");  // repeated section stays unread
    EXPECT_EQ(file.GetString("Strings", "IDS_A", "", 4), "fir");
    EXPECT_EQ(file.GetString("Strings", "IDS_A", "", 0), "");
    EXPECT_EQ(platform.reads, 1);
    zelvin::SetCurrentPlatform(nullptr);
}

TEST(ProfileFileTest, MissingFileGivesEveryDefault) {
    zelvin::MemoryPlatform platform;
    zelvin::SetCurrentPlatform(&platform);
    const ProfileFile file("C:\\nowhere\\absent.ini");
    EXPECT_EQ(file.Path(), "C:\\nowhere\\absent.ini");
    EXPECT_EQ(file.GetString("Font", "CharSet", "DEFAULT_CHARSET", 512), "DEFAULT_CHARSET");
    EXPECT_EQ(file.GetString("Strings", "IDS_OK", "", 512), "");
    zelvin::SetCurrentPlatform(nullptr);
}

}  // namespace
