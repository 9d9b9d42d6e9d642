// Compares our formatter with the C runtime's own _snprintf (msvcrt, looked
// up directly so that no MinGW replacement stands in) on a table of formats.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/format.h"

namespace {

using SnprintfFn = int(__cdecl*)(char*, size_t, const char*, ...);

SnprintfFn RuntimeSnprintf() {
    HMODULE runtime = GetModuleHandleW(L"msvcrt.dll");
    if (!runtime) {
        wchar_t path[MAX_PATH];
        GetSystemDirectoryW(path, MAX_PATH);
        runtime = LoadLibraryW((std::wstring(path) + L"\\msvcrt.dll").c_str());
    }
    return runtime ? reinterpret_cast<SnprintfFn>(reinterpret_cast<void*>(GetProcAddress(runtime, "_snprintf"))) : nullptr;
}

template <typename... Args>
void ExpectSameAsRuntime(const char* format, Args... args) {
    static const SnprintfFn runtimeSnprintf = RuntimeSnprintf();
    ASSERT_NE(runtimeSnprintf, nullptr);
    char buffer[1024] = {};
    const int n = runtimeSnprintf(buffer, sizeof buffer - 1, format, args...);
    ASSERT_GE(n, 0) << format;
    EXPECT_EQ(FormatString(format, args...), std::string(buffer, n)) << format;
}

TEST(FormatCompare, IntegersMatchTheRuntime) {
    for (int value : {0, 1, -1, 42, -42, 7, INT32_MIN, INT32_MAX}) {
        for (const char* format : {"%d", "%i", "%5d|", "%-5d|", "%05d", "%+d", "% d", "%+ d", "%.3d", "%06.3d",
                                   "%.0d|", "%-05d|", "%u", "%x", "%X", "%#x", "%#X", "%#010x", "%08X", "%02X",
                                   "%o", "%#o", "%hd", "%hu", "%ld", "%lu", "%lx", "%I32d", "%+.0d|", "%-+8.4d|",
                                   "%+u", "% u", "%-#8x|", "%.5x", "%#5o", "%+5.3d|"}) {
            ExpectSameAsRuntime(format, value);
        }
    }
    for (intptr_t value : {intptr_t{0}, intptr_t{-1}, INTPTR_MIN, INTPTR_MAX}) {
        for (const char* format : {"%Id", "%Iu", "%IX", "%+12Id|"}) ExpectSameAsRuntime(format, value);
    }
    for (long long value : {0LL, -5LL, INT64_MIN, INT64_MAX, 0x123456789ABCDEFLL}) {
        for (const char* format : {"%I64d", "%I64u", "%I64x", "%I64X", "%lld", "%llu", "%20I64d|", "%-+22I64d|"}) {
            ExpectSameAsRuntime(format, value);
        }
    }
}

TEST(FormatCompare, TextsCharactersAndPointersMatchTheRuntime) {
    for (const char* format : {"%s", "[%6s]", "[%-6s]", "[%.2s]", "[%5.1s]", "[%.0s]", "[%06s]"}) {
        ExpectSameAsRuntime(format, "abc");
    }
    ExpectSameAsRuntime("%s", static_cast<const char*>(nullptr));
    for (const char* format : {"%c", "[%3c]", "[%-3c]", "[%03c]"}) ExpectSameAsRuntime(format, 'Z');
    ExpectSameAsRuntime("100%% %d%%", 5);
    for (uintptr_t value : {uintptr_t{0}, uintptr_t{0xABCD}, ~uintptr_t{0}}) {
        for (const char* format : {"%p", "[%20p]", "[%-20p]"}) ExpectSameAsRuntime(format, reinterpret_cast<void*>(value));
    }
    ExpectSameAsRuntime("[%*d] [%-*d] [%.*s]", 5, 42, 4, 7, 2, "abcdef");
    ExpectSameAsRuntime("[%*d]", -5, 42);
    ExpectSameAsRuntime("[%.*s]", -1, "abc");
    ExpectSameAsRuntime("%02X-%02X-%02X-%02X-%02X-%02X", 0x00, 0xA0, 0xC9, 0xFF, 0x12, 0x34);
}

// Digits past the 17th significant one are left out: the Windows runtime
// prints zeros there, Wine the exact binary expansion. The native tests hold
// the Windows behaviour.
TEST(FormatCompare, FixedPointMatchesTheRuntime) {
    for (double value : {0.0, 7.2, 150.0, 13.5, 0.5, 1.5, 2.5, 0.125, 2.675, -0.125, 9.96, 0.0004, 0.0005, 1.0,
                         3.14159, -3.14159, 123456789012.0, 0.1, 65.0, 121.5, 300.0, 1e-10, 0.95, 1.005}) {
        for (const char* format : {"%.0f", "%.1f", "%.2f", "%.3f", "%f", "%8.2f|", "%-8.2f|", "%08.2f", "%+.1f",
                                   "% .1f", "%#.0f", "%.16f"}) {
            ExpectSameAsRuntime(format, value);
        }
    }
}

}  // namespace
