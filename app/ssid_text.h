// The SSID of a configuration record as text, and a text into a record. The
// record's 32 bytes carry no terminator when full, so never read them as a
// C string.
#pragma once

#include <cstring>
#include <string>

#include "core/nvap_records.h"

inline std::string SsidTextOf(const AP_CONFIG_DATA& record) {
    std::size_t limit = record.SsidLength < sizeof record.Ssid ? record.SsidLength : sizeof record.Ssid;
    const char* bytes = reinterpret_cast<const char*>(record.Ssid);
    const void* zero = std::memchr(bytes, '\0', limit);
    std::size_t length = zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - bytes) : limit;
    return std::string(bytes, length);
}

inline void PutSsidInto(AP_CONFIG_DATA& record, const std::string& ssid) {
    std::size_t length = ssid.size() < sizeof record.Ssid ? ssid.size() : sizeof record.Ssid;
    std::memset(record.Ssid, 0, sizeof record.Ssid);
    std::memcpy(record.Ssid, ssid.data(), length);
    record.SsidLength = static_cast<std::uint32_t>(length);
}
