#include <windows.h>

#include <gtest/gtest.h>

#include "core/value_helpers.h"

namespace {

using Wow64EnableFn = BOOLEAN(WINAPI*)(BOOLEAN);

// Our switch gives what the system's own function gives, or 0 without it.
TEST(Wow64Redirection, PassesThePlatformResultOn) {
    const auto system = reinterpret_cast<Wow64EnableFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "Wow64EnableWow64FsRedirection")));
    if (!system) {
        EXPECT_EQ(DisableWow64FsRedirection(), 0);
        EXPECT_EQ(EnableWow64FsRedirection(), 0);
        return;
    }
    const int expectedDisable = system(FALSE);
    system(TRUE);
    EXPECT_EQ(DisableWow64FsRedirection(), expectedDisable);
    const int expectedEnable = system(TRUE);
    EXPECT_EQ(EnableWow64FsRedirection(), expectedEnable);
}

}  // namespace
