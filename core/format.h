// printf-style formatting with the Windows C runtime's rules, the same on
// every platform, so trace lines and texts read alike on Linux and Windows.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <string>

// Conversions: %d %i %u %x %X %o %c %s %p %f %%, with the flags "-+ #0", a
// width and a precision (either may be "*"), and the sizes h, hh, l, ll,
// I64, I32 and I (pointer-sized). As in the Windows runtime, %ld is a long
// (32 bits there), %I64d a 64-bit value, and %p prints the pointer as upper-case
// hexadecimal digits with no prefix, two per byte of a pointer. %s of a null
// pointer prints "(null)". %f rounds half away from zero on the value's
// first 17 significant digits, as that runtime does.
//
// Anything else (%n included) is copied to the output as written and takes
// no argument. A width or precision above kMaxFieldWidth is held to it.
inline constexpr int kMaxFieldWidth = 4096;

// maxChars bounds the result; the text is cut there and never grows past it.
std::string FormatStringV(const char* format, va_list args, size_t maxChars = static_cast<size_t>(-1));

std::string FormatString(const char* format, ...);
