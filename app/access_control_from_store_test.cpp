#include "app/access_control_from_store.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// A stored list buffer: the strings back to back, each with its terminator.
std::vector<char> StoredList(const std::vector<std::string>& strings, bool finalEmptyString = true) {
    std::vector<char> buffer(kAccessTextBytes, '\0');
    size_t pos = 0;
    for (const std::string& s : strings) {
        std::memcpy(buffer.data() + pos, s.data(), s.size());
        pos += s.size() + 1;
    }
    if (!finalEmptyString) {
        // Fill the rest with digits, so no empty string and no final zero remain.
        for (size_t i = pos; i < buffer.size(); ++i) buffer[i] = 'A';
    }
    return buffer;
}

std::vector<unsigned char> Mac(const KX_802_11_ACCESS_CONTROL& acl, size_t i) {
    return {acl.Entry[i].MacAddress, acl.Entry[i].MacAddress + 6};
}

}  // namespace

TEST(AccessControlFromStore, PolicyAndCountFollowTheDecodedAddresses) {
    struct Case {
        const char* name;
        unsigned policy;
        std::vector<std::string> list;
        unsigned wantPolicy;
        unsigned wantCount;
    } cases[] = {
        {"policy 0 ignores the list", 0, {"001122334455"}, 0, 0},
        {"allow with an empty list is sent as off", 1, {}, 0, 0},
        {"reject with two addresses", 2, {"001122334455", "66778899AABB"}, 2, 2},
        {"too short strings are skipped", 1, {"0011", "001122334455"}, 1, 1},
        {"non-hexadecimal strings are skipped", 1, {"00112233445G", "x01122334455"}, 0, 0},
        {"longer strings use their first 12 digits", 1, {"001122334455FF"}, 1, 1},
    };
    for (const Case& c : cases) {
        std::vector<char> buffer = StoredList(c.list);
        KX_802_11_ACCESS_CONTROL acl = AccessControlFromStore(c.policy, buffer.data(), buffer.size());
        EXPECT_EQ(acl.Policy, c.wantPolicy) << c.name;
        EXPECT_EQ(acl.EntryCount, c.wantCount) << c.name;
    }
}

TEST(AccessControlFromStore, DecodesEachPairHighDigitFirstAndLeavesPaddingZero) {
    std::vector<char> buffer = StoredList({"00a0C9Ff1234", "0011", "FFFFFFFFFFFF"});
    KX_802_11_ACCESS_CONTROL acl = AccessControlFromStore(1, buffer.data(), buffer.size());
    ASSERT_EQ(acl.EntryCount, 2u);
    EXPECT_EQ(Mac(acl, 0), (std::vector<unsigned char>{0x00, 0xA0, 0xC9, 0xFF, 0x12, 0x34}));
    EXPECT_EQ(Mac(acl, 1), (std::vector<unsigned char>(6, 0xFF)));
    EXPECT_EQ(acl.Entry[0].Reserved[0] | acl.Entry[0].Reserved[1], 0);
    EXPECT_EQ(Mac(acl, 2), (std::vector<unsigned char>(6, 0)));
}

TEST(AccessControlFromStore, TakesAtMost32Addresses) {
    std::vector<std::string> forty;
    for (int i = 0; i < 40; ++i) {
        char text[13];
        std::snprintf(text, sizeof text, "0000000000%02X", i);
        forty.push_back(text);
    }
    std::vector<char> buffer = StoredList(forty);
    KX_802_11_ACCESS_CONTROL acl = AccessControlFromStore(2, buffer.data(), buffer.size());
    EXPECT_EQ(acl.EntryCount, 32u);
    EXPECT_EQ(acl.Entry[31].MacAddress[5], 31);
}

TEST(AccessControlFromStore, NeverReadsPastABufferWithoutItsFinalEmptyString) {
    // One address, then hexadecimal digits up to the end of the buffer with no
    // terminator: the unterminated rest is not an address.
    std::vector<char> buffer = StoredList({"001122334455"}, false);
    // Exact-size heap copy so a read past the end is caught by the sanitizer.
    std::vector<char> exact(buffer.begin(), buffer.end());
    KX_802_11_ACCESS_CONTROL acl = AccessControlFromStore(1, exact.data(), exact.size());
    EXPECT_EQ(acl.EntryCount, 1u);

    std::vector<char> unterminated(kAccessTextBytes, 'B');
    acl = AccessControlFromStore(1, unterminated.data(), unterminated.size());
    EXPECT_EQ(acl.Policy, 0u);
    EXPECT_EQ(acl.EntryCount, 0u);
}

TEST(AccessControlFromStore, PolicyTextIsItsLeadingDecimalInteger) {
    struct Case {
        const char* text;
        unsigned policy;
    } cases[] = {{"1", 1}, {"2 allow", 2}, {"", 0}, {"x1", 0}, {"0", 0}, {" 1", 0}};
    for (const Case& c : cases) {
        char buffer[kAccessTextBytes] = {};
        std::strncpy(buffer, c.text, sizeof buffer - 1);
        EXPECT_EQ(ParseLeadingDecimal(buffer, sizeof buffer), c.policy) << c.text;
    }
}
