#include "core/value_helpers.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

TEST(ValueHelpers, HexCharToNibble) {
    const std::string digits = "0123456789ABCDEFabcdef";
    const unsigned char values[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 10, 11, 12, 13, 14, 15};
    for (size_t i = 0; i < digits.size(); ++i) EXPECT_EQ(HexCharToNibble(digits[i]), values[i]) << digits[i];
    for (char other : {'G', 'g', 'x', ' ', '-', '\0', '/', ':', '@', '`'}) {
        EXPECT_EQ(HexCharToNibble(other), 255) << static_cast<int>(other);
    }
}

TEST(ValueHelpers, HexStrToBytes) {
    const struct {
        const char* text;
        size_t count;
        std::array<unsigned char, 6> expected;
    } cases[] = {
        {"00a0C9Ff1234", 6, {0x00, 0xA0, 0xC9, 0xFF, 0x12, 0x34}},
        {"0011223344556677", 6, {0x00, 0x11, 0x22, 0x33, 0x44, 0x55}},  // only n bytes are taken
        {"ABC", 6, {0xAB, 0xC0, 0x00, 0x00, 0x00, 0x00}},  // missing digits count as zero
        {"", 6, {0, 0, 0, 0, 0, 0}},
        {"G1", 1, {0xF1, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE}},  // (255 << 4) + 1 in 8 bits; nothing else written
    };
    for (const auto& c : cases) {
        std::array<unsigned char, 6> out;
        out.fill(0xEE);
        HexStrToBytes(c.text, out.data(), c.count);
        for (size_t i = c.count; i < out.size(); ++i) EXPECT_EQ(out[i], 0xEE) << c.text << " wrote past " << c.count;
        for (size_t i = 0; i < c.count; ++i) EXPECT_EQ(out[i], c.expected[i]) << c.text << " byte " << i;
    }
}

TEST(ValueHelpers, HexStrToBytesNeverReadsPastTheText) {
    // "12" followed by digits that are not part of the view.
    const char buffer[] = "12FFFF";
    unsigned char out[3] = {0xEE, 0xEE, 0xEE};
    HexStrToBytes(std::string_view(buffer, 2), out, 3);
    EXPECT_EQ(out[0], 0x12);
    EXPECT_EQ(out[1], 0x00);
    EXPECT_EQ(out[2], 0x00);
    HexStrToBytes(static_cast<const char*>(nullptr), out, 3);
    EXPECT_EQ(out[0], 0x00);
}

TEST(ValueHelpers, IsHexAndIsDecString) {
    const struct {
        const char* text;
        bool hex;
        bool dec;
    } cases[] = {
        {"", true, true},
        {"0123456789", true, true},
        {"abcdefABCDEF", true, false},
        {"12G4", false, false},
        {"0x12", false, false},
        {"-1", false, false},
        {"1.5", false, false},
        {" 1", false, false},
        {"1 ", false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsHexString(c.text), c.hex) << c.text;
        EXPECT_EQ(IsDecString(c.text), c.dec) << c.text;
    }
}

#if !defined(_WIN32)
TEST(ValueHelpers, RedirectionSwitchDoesNothingWithoutThePlatformFunction) {
    EXPECT_EQ(DisableWow64FsRedirection(), 0);
    EXPECT_EQ(EnableWow64FsRedirection(), 0);
}
#endif

}  // namespace
