#include "core/value_helpers.h"

unsigned char HexCharToNibble(char c) {
    if (c >= '0' && c <= '9') return static_cast<unsigned char>(c - '0');
    if (c >= 'A' && c <= 'F') return static_cast<unsigned char>(c - 'A' + 10);
    if (c >= 'a' && c <= 'f') return static_cast<unsigned char>(c - 'a' + 10);
    return 255;
}

void HexStrToBytes(std::string_view text, unsigned char* out, size_t count) {
    auto nibbleAt = [text](size_t i) -> unsigned { return i < text.size() ? HexCharToNibble(text[i]) : 0u; };
    for (size_t i = 0; i < count; ++i) {
        out[i] = static_cast<unsigned char>((nibbleAt(2 * i) << 4) + nibbleAt(2 * i + 1));
    }
}

void HexStrToBytes(const char* text, unsigned char* out, size_t count) {
    HexStrToBytes(text ? std::string_view(text) : std::string_view(), out, count);
}

bool IsHexString(std::string_view text) {
    for (char c : text) {
        if (HexCharToNibble(c) == 255) return false;
    }
    return true;
}

bool IsDecString(std::string_view text) {
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}
