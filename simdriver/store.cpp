#include "simdriver/store.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "simdriver/trace.h"

namespace simdrv {

namespace {

constexpr const char* kHeader = "# Simulated adapter store. Written by the driver library; do not edit.\n";
constexpr const char* kCheckKey = "check=";

uint32_t Crc32(std::string_view bytes) {
    uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char c : bytes) {
        crc ^= c;
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

std::string ToHex(const void* data, size_t size) {
    static const char digits[] = "0123456789abcdef";
    const auto* bytes = static_cast<const unsigned char*>(data);
    std::string out;
    out.reserve(size * 2);
    for (size_t i = 0; i < size; ++i) {
        out += digits[bytes[i] >> 4];
        out += digits[bytes[i] & 15];
    }
    return out;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<std::string> FromHex(std::string_view hex) {
    if (hex.size() % 2 != 0) return std::nullopt;
    std::string out;
    for (size_t i = 0; i < hex.size(); i += 2) {
        int hi = HexDigit(hex[i]), lo = HexDigit(hex[i + 1]);
        if (hi < 0 || lo < 0) return std::nullopt;
        out += static_cast<char>(hi * 16 + lo);
    }
    return out;
}

// An access list is zero-terminated strings ended by an empty one.
bool IsWellFormedAccessList(std::string_view list) {
    if (list.empty() || list.size() > kAccessTextBytes || list.back() != '\0') return false;
    size_t pos = 0;
    while (pos < list.size()) {
        size_t end = list.find('\0', pos);
        if (end == pos) return end + 1 == list.size();
        pos = end + 1;
    }
    return false;
}

bool IsSaneConfig(const AP_CONFIG_DATA& cfg) {
    return cfg.SsidLength <= 32 && cfg.AuthSecuData.PskKeyLen <= 64;
}

}  // namespace

std::string SerializeStore(const StoreData& data) {
    std::string body = kHeader;
    body += "version=1\n";
    body += "config=" + ToHex(&data.config, sizeof data.config) + "\n";
    body += "policy=" + ToHex(data.policyText.data(), data.policyText.size()) + "\n";
    body += "acl=" + ToHex(data.accessList.data(), data.accessList.size()) + "\n";
    char word[16];
    std::snprintf(word, sizeof word, "%08x", static_cast<unsigned>(data.baCapabilityWord));
    body += std::string("bacap=") + word + "\n";
    body += "factorykey=" + ToHex(data.factoryPassphrase.data(), data.factoryPassphrase.size()) + "\n";
    char check[16];
    std::snprintf(check, sizeof check, "%08x", static_cast<unsigned>(Crc32(body)));
    return body + kCheckKey + check + "\n";
}

std::optional<StoreData> ParseStore(std::string_view text) {
    const size_t checkPos = text.rfind(kCheckKey);
    if (checkPos == std::string_view::npos || (checkPos > 0 && text[checkPos - 1] != '\n')) return std::nullopt;
    const std::string_view body = text.substr(0, checkPos);
    char expected[16];
    std::snprintf(expected, sizeof expected, "%08x", static_cast<unsigned>(Crc32(body)));
    if (text.substr(checkPos) != std::string(kCheckKey) + expected + "\n") return std::nullopt;

    StoreData data;
    bool seen[6] = {};
    size_t pos = 0;
    while (pos < body.size()) {
        size_t end = body.find('\n', pos);
        if (end == std::string_view::npos) return std::nullopt;
        std::string_view line = body.substr(pos, end - pos);
        pos = end + 1;
        if (line.empty() || line[0] == '#') continue;
        const size_t eq = line.find('=');
        if (eq == std::string_view::npos) return std::nullopt;
        const std::string_view key = line.substr(0, eq), value = line.substr(eq + 1);
        if (key == "version") {
            if (value != "1") return std::nullopt;
            seen[0] = true;
            continue;
        }
        auto bytes = FromHex(value);
        if (!bytes) return std::nullopt;
        if (key == "config") {
            if (bytes->size() != sizeof data.config) return std::nullopt;
            std::memcpy(&data.config, bytes->data(), sizeof data.config);
            seen[1] = true;
        } else if (key == "policy") {
            if (bytes->size() >= kAccessTextBytes || bytes->find('\0') != std::string::npos) return std::nullopt;
            data.policyText = *bytes;
            seen[2] = true;
        } else if (key == "acl") {
            if (!IsWellFormedAccessList(*bytes)) return std::nullopt;
            data.accessList = *bytes;
            seen[3] = true;
        } else if (key == "bacap") {
            if (bytes->size() != 4) return std::nullopt;
            data.baCapabilityWord = 0;
            for (unsigned char c : *bytes) data.baCapabilityWord = (data.baCapabilityWord << 8) | c;
            seen[4] = true;
        } else if (key == "factorykey") {
            if (bytes->size() > 64) return std::nullopt;
            data.factoryPassphrase = *bytes;
            seen[5] = true;
        } else {
            return std::nullopt;
        }
    }
    for (bool s : seen)
        if (!s) return std::nullopt;
    if (!IsSaneConfig(data.config)) return std::nullopt;
    return data;
}

StoreData Store::Load(const std::function<StoreData()>& makeDefaults) {
    std::optional<std::string> text = host_.ReadFile(path_);
    if (text) {
        if (auto data = ParseStore(*text)) return *data;
        Trace(host_, "store %s is corrupt or unreadable; factory defaults restored", path_.c_str());
    } else {
        Trace(host_, "no store at %s; created with factory defaults", path_.c_str());
    }
    StoreData defaults = makeDefaults();
    Save(defaults);
    return defaults;
}

bool Store::Save(const StoreData& data) {
    // The folder is made on the rare write, not on every read: a watchdog reads
    // the store every two seconds.
    const size_t cut = path_.find_last_of("/\\");
    if (cut != std::string::npos) host_.MakeDirectories(path_.substr(0, cut));
    if (host_.WriteFileAtomic(path_, SerializeStore(data))) return true;
    Trace(host_, "store %s could not be written", path_.c_str());
    return false;
}

}  // namespace simdrv
