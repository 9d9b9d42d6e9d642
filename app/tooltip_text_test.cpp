#include "app/tooltip_text.h"

#include <gtest/gtest.h>

TEST(TooltipText, FormatsWithoutArgumentsAndKeepsStrayConversionsLiteral) {
    struct Case {
        const char* format;
        const char* shown;
    } cases[] = {
        {"Signal 100%%", "Signal 100%"},
        {"%%%%", "%%"},
        {"%s %d %n %p", "%s %d %n %p"},  // no argument exists to read
        {"ends with %", "ends with %"},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatWithoutArguments(c.format), c.shown) << c.format;
}

TEST(TooltipText, CutsToTheFieldWithoutSplittingACharacter) {
    EXPECT_EQ(TooltipText(std::string(200, 'a')), std::string(127, 'a'));
    // "%%" counts as the one character it shows.
    EXPECT_EQ(TooltipText(std::string(127, 'a') + "%%"), std::string(127, 'a'));
    EXPECT_EQ(TooltipText(std::string(126, 'a') + "%%"), std::string(126, 'a') + "%");
    // U+00E9 is two UTF-8 bytes but one UTF-16 unit: 127 of them fit.
    std::string accented;
    for (int i = 0; i < 130; ++i) accented += "\xC3\xA9";
    EXPECT_EQ(TooltipText(accented).size(), 127u * 2);
    // U+1F600 needs two UTF-16 units: with 126 units used it no longer fits.
    EXPECT_EQ(TooltipText(std::string(126, 'a') + "\xF0\x9F\x98\x80"), std::string(126, 'a'));
    EXPECT_EQ(TooltipText(std::string(125, 'a') + "\xF0\x9F\x98\x80"), std::string(125, 'a') + "\xF0\x9F\x98\x80");
}
