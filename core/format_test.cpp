#include "core/format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <variant>

namespace {

using Argument = std::variant<int, unsigned int, long, unsigned long, long long, unsigned long long, const char*, double>;

struct FormatCase {
    const char* format;
    Argument argument;
    const char* expected;
};

std::string FormatOne(const char* format, const Argument& argument) {
    return std::visit([format](auto value) { return FormatString(format, value); }, argument);
}

TEST(Format, IntegersFollowTheWindowsRuntime) {
    const FormatCase cases[] = {
        {"%d", 42, "42"},
        {"%i", -42, "-42"},
        {"%d", INT32_MIN, "-2147483648"},
        {"%5d|", 42, "   42|"},
        {"%-5d|", 42, "42   |"},
        {"%05d", -42, "-0042"},
        {"%+d", 42, "+42"},
        {"% d", 42, " 42"},
        {"%+ d", 42, "+42"},
        {"%.3d", 7, "007"},
        {"%06.3d", 7, "000007"},  // unlike C99, a precision keeps the zero padding
        {"%.0d|", 0, "|"},
        {"%-05d|", 3, "3    |"},
        {"%u", -1, "4294967295"},
        {"%x", 0xBEEF, "beef"},
        {"%X", 0xBEEF, "BEEF"},
        {"%#x", 255, "0xff"},
        {"%#X", 255, "0XFF"},
        {"%#x", 0, "0"},
        {"%#010x", 255, "0x000000ff"},
        {"%08X", 0x1A2B, "00001A2B"},
        {"%02X-", 5, "05-"},
        {"%o", 8, "10"},
        {"%#o", 8, "010"},
        {"%hd", 65537, "1"},
        {"%hu", -1, "65535"},
        {"%ld", 123456L, "123456"},
        {"%lu", 4000000000UL, "4000000000"},
        {"%I64d", INT64_MIN, "-9223372036854775808"},
        {"%I64u", 18446744073709551615ULL, "18446744073709551615"},
        {"%I64X", 0x123456789ABCDEFULL, "123456789ABCDEF"},
        {"%lld", -5LL, "-5"},
        {"%I32d", -7, "-7"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatOne(c.format, c.argument), c.expected) << c.format;
}

TEST(Format, TextsAndCharacters) {
    const FormatCase cases[] = {
        {"%s", "abc", "abc"},
        {"[%6s]", "abc", "[   abc]"},
        {"[%-6s]", "abc", "[abc   ]"},
        {"[%.2s]", "abc", "[ab]"},
        {"[%5.1s]", "abc", "[    a]"},
        {"[%05s]", "abc", "[00abc]"},
        {"%s", static_cast<const char*>(nullptr), "(null)"},
        {"%c", 'Z', "Z"},
        {"[%3c]", 'Z', "[  Z]"},
        {"[%-3c]", 'Z', "[Z  ]"},
        {"100%%", 0, "100%"},
        {"%%d", 5, "%d"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatOne(c.format, c.argument), c.expected) << c.format;
}

TEST(Format, FixedPointRoundsHalfAwayFromZero) {
    const FormatCase cases[] = {
        {"%.1f", 7.2, "7.2"},
        {"%.1f", 150.0, "150.0"},
        {"%.1f", 13.5, "13.5"},
        {"%.0f", 0.5, "1"},
        {"%.0f", 1.5, "2"},
        {"%.0f", 2.5, "3"},
        {"%.2f", 0.125, "0.13"},
        {"%.2f", 2.675, "2.67"},  // really 2.67499999...
        {"%.2f", -0.125, "-0.13"},
        {"%.1f", 9.96, "10.0"},
        {"%.3f", 0.0004, "0.000"},
        {"%.3f", 0.0005, "0.001"},
        {"%f", 1.0, "1.000000"},
        {"%8.2f|", 3.14159, "    3.14|"},
        {"%-8.2f|", 3.14159, "3.14    |"},
        {"%08.2f", -3.14159, "-0003.14"},
        {"%+.1f", 2.0, "+2.0"},
        {"%.0f", 123456789012.0, "123456789012"},
        {"%.2f", 0.0, "0.00"},
        {"%.20f", 0.1, "0.10000000000000001000"},  // only 17 significant digits
    };
    for (const auto& c : cases) EXPECT_EQ(FormatOne(c.format, c.argument), c.expected) << c.format;
}

TEST(Format, StarTakesWidthAndPrecisionFromTheArguments) {
    EXPECT_EQ(FormatString("[%*d]", 5, 42), "[   42]");
    EXPECT_EQ(FormatString("[%*d]", -5, 42), "[42   ]");
    EXPECT_EQ(FormatString("[%.*s]", 2, "abcdef"), "[ab]");
    EXPECT_EQ(FormatString("[%.*s]", -1, "abc"), "[abc]");
    EXPECT_EQ(FormatString("%d %s %u", -1, "x", 3u), "-1 x 3");
}

TEST(Format, PointerIsUpperCaseHexOfThePointerWidth) {
    const std::string expected = sizeof(void*) == 4 ? "0000ABCD" : "000000000000ABCD";
    EXPECT_EQ(FormatString("%p", reinterpret_cast<void*>(static_cast<uintptr_t>(0xABCD))), expected);
}

TEST(Format, UnknownConversionsAreCopiedAndTakeNoArgument) {
    EXPECT_EQ(FormatString("%n%d", 5), "%n5");
    EXPECT_EQ(FormatString("%y%s", "a"), "%ya");
    EXPECT_EQ(FormatString("end %"), "end %");
    EXPECT_EQ(FormatString("end %5"), "end %5");
}

TEST(Format, OutputNeverGrowsPastTheBound) {
    const std::string longText(2000, 'a');
    EXPECT_EQ(FormatString("%s", longText.c_str()).size(), 2000u);
    EXPECT_EQ(FormatString("%99999d", 1).size(), static_cast<size_t>(kMaxFieldWidth));
    EXPECT_EQ(FormatString("[%.99999d]", 1).size(), static_cast<size_t>(kMaxFieldWidth) + 2);
}

std::string Bounded(size_t maxChars, const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = FormatStringV(format, args, maxChars);
    va_end(args);
    return text;
}

TEST(Format, BoundCutsAnywhere) {
    EXPECT_EQ(Bounded(5, "%s", "abcdefgh"), "abcde");
    EXPECT_EQ(Bounded(5, "ab%10d", 1), "ab   ");
    EXPECT_EQ(Bounded(3, "abcdef"), "abc");
    EXPECT_EQ(Bounded(0, "%d", 1), "");
}

}  // namespace
