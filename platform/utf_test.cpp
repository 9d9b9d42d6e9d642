#include "platform/utf.h"

#include <gtest/gtest.h>

namespace zelvin {
namespace {

struct UtfCase {
    const char* utf8;
    std::u16string utf16;
};

TEST(Utf, RoundTripsEveryEncodedLength) {
    const UtfCase cases[] = {
        {"", u""},
        {"abc", u"abc"},
        {"\xC3\xA9t\xC3\xA9", u"\u00E9t\u00E9"},          // two-byte
        {"\xE7\x84\xA1\xE7\xB7\x9A", u"\u7121\u7DDA"},    // three-byte
        {"\xF0\x9F\x93\xB6", u"\U0001F4F6"},              // four-byte: surrogate pair
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utf8ToUtf16(c.utf8), c.utf16) << c.utf8;
        EXPECT_EQ(Utf16ToUtf8(c.utf16), c.utf8) << c.utf8;
    }
}

TEST(Utf, MalformedInputBecomesReplacementCharacter) {
    EXPECT_EQ(Utf8ToUtf16("a\xFF" "b"), u"a\uFFFDb");
    EXPECT_EQ(Utf8ToUtf16("\xC3"), u"\uFFFD");               // truncated sequence
    EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), u"\uFFFD");           // overlong "/"
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, u'\xD800')), "\xEF\xBF\xBD");  // lone surrogate
}

}  // namespace
}  // namespace zelvin
