#include "app/command_line.h"

#include <gtest/gtest.h>

TEST(CommandLine, OnlyTheWholeSwitchInEitherCaseSuppressesTheSheet) {
    struct Case {
        const char* arguments;
        bool silent;
    } cases[] = {
        {"-S", true},   {"-s", true},    {"", false},     {"-S ", false}, {"-S x", false},
        {"x -S", false}, {"/S", false},  {"-SS", false},  {"S", false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsSilentStart(c.arguments), c.silent) << '"' << c.arguments << '"';
}
