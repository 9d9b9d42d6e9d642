#include "app/access_control_from_store.h"

#include <cstring>

#include "core/value_helpers.h"

namespace {

constexpr std::size_t kAddressDigits = 12;
constexpr std::size_t kMaxAddresses = 32;

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool StartsWithAddress(const char* text, std::size_t length) {
    if (length < kAddressDigits) return false;
    for (std::size_t i = 0; i < kAddressDigits; ++i) {
        if (!IsHexDigit(text[i])) return false;
    }
    return true;
}

}  // namespace

unsigned ParseLeadingDecimal(const char* text, std::size_t bufferBytes) {
    unsigned value = 0;
    for (std::size_t i = 0; i < bufferBytes && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + static_cast<unsigned>(text[i] - '0');
    }
    return value;
}

KX_802_11_ACCESS_CONTROL AccessControlFromStore(unsigned policy, const char* listText, std::size_t bufferBytes) {
    KX_802_11_ACCESS_CONTROL acl;
    std::memset(&acl, 0, sizeof acl);
    acl.Policy = policy;
    if (policy == 0) return acl;

    std::size_t pos = 0;
    std::size_t count = 0;
    while (pos < bufferBytes && count < kMaxAddresses) {
        const char* text = listText + pos;
        const void* end = std::memchr(text, '\0', bufferBytes - pos);
        if (end == nullptr) break;  // no terminator left: the rest is not a string
        std::size_t length = static_cast<std::size_t>(static_cast<const char*>(end) - text);
        if (length == 0) break;
        if (StartsWithAddress(text, length)) {
            HexStrToBytes(text, acl.Entry[count].MacAddress, 6);
            ++count;
        }
        pos += length + 1;
    }
    acl.EntryCount = static_cast<std::uint32_t>(count);
    if (count == 0) acl.Policy = 0;
    return acl;
}
