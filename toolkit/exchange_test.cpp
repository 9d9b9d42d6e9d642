#include "toolkit/exchange.h"

#include <gtest/gtest.h>

namespace zelvin::tk {
namespace {

TEST(FormatPrompt, ReplacesNumberedInsertsLikeThePlatformFormatter) {
    struct Case {
        std::string_view pattern;
        std::vector<std::string> arguments;
        std::string expected;
    };
    const Case cases[] = {
        {kPromptRange, {"20", "1000"}, "Please enter an integer between 20 and 1000."},
        {kPromptMaxChars, {"32"}, "Please enter no more than 32 characters."},
        {"%2 before %1", {"a", "b"}, "b before a"},
        {"missing %3 stays empty", {"a"}, "missing  stays empty"},
        {"100% and %", {}, "100% and %"},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatPrompt(c.pattern, c.arguments), c.expected) << c.pattern;
}

TEST(PromptCaption, CanBeSetByTheProgram) {
    std::string before = PromptCaption();
    SetPromptCaption("Program");
    EXPECT_EQ(PromptCaption(), "Program");
    SetPromptCaption(before);
}

}  // namespace
}  // namespace zelvin::tk
