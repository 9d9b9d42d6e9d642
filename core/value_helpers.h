// Small value helpers the pages share: hexadecimal and decimal checks of user
// input, hexadecimal text to bytes, and the 64-bit file-system redirection
// switch.
#pragma once

#include <cstddef>
#include <string_view>

// 0..15 for "0"-"9", "A"-"F", "a"-"f"; 255 for anything else.
unsigned char HexCharToNibble(char c);

// Writes `count` bytes; byte i is made of characters 2i (high half) and
// 2i + 1 (low half), in 8-bit arithmetic. Characters past the end of `text`
// count as "0": the text is never read beyond its end.
void HexStrToBytes(std::string_view text, unsigned char* out, size_t count);
// A null text gives zero bytes.
void HexStrToBytes(const char* text, unsigned char* out, size_t count);

// True when every character is a hexadecimal digit (true for "").
bool IsHexString(std::string_view text);
// True when every character is "0"-"9" (true for "").
bool IsDecString(std::string_view text);

// Turns the platform's 64-bit file-system redirection on / off. The
// platform's result, or 0 where the platform has no such switch.
int EnableWow64FsRedirection();
int DisableWow64FsRedirection();
