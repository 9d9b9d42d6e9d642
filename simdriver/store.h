// The persistent store of the simulated adapter: the AP configuration record,
// the access policy and list texts, the block-ack capability word and the
// factory passphrase. One small text file, replaced atomically on every write
// and guarded by a checksum, so a torn or edited file is noticed and replaced
// by factory defaults instead of being trusted.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/nvap_records.h"
#include "simdriver/host.h"

namespace simdrv {

inline constexpr size_t kAccessTextBytes = 1024;

struct StoreData {
    AP_CONFIG_DATA config{};
    std::string policyText = "0";  // decimal text, without terminator
    std::string accessList = std::string(1, '\0');  // strings + final empty one
    uint32_t baCapabilityWord = 0;
    std::string factoryPassphrase;
};

std::string SerializeStore(const StoreData& data);
// nullopt for anything that is not a complete, intact store.
std::optional<StoreData> ParseStore(std::string_view text);

class Store {
public:
    Store(Host& host, std::string path) : host_(host), path_(std::move(path)) {}

    // The stored data. A missing store is created from makeDefaults; a corrupt
    // or unreadable one is traced and replaced by them.
    StoreData Load(const std::function<StoreData()>& makeDefaults);
    bool Save(const StoreData& data);
    const std::string& Path() const { return path_; }

private:
    Host& host_;
    std::string path_;
};

}  // namespace simdrv
