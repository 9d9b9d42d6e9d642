#include "simdriver/store.h"

#include <gtest/gtest.h>

#include <cstring>

#include "simdriver/fake_host.h"

namespace simdrv {
namespace {

StoreData Sample() {
    StoreData data;
    const char ssid[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345";  // 32 bytes, no terminator in the record
    std::memcpy(data.config.Ssid, ssid, 32);
    data.config.SsidLength = 32;
    data.config.nIdleTime = 3600;
    data.config.AuthSecuData.PskKeyLen = 64;
    std::memset(data.config.AuthSecuData.PskKey, 'k', 64);
    data.policyText = "2";
    data.accessList = std::string("0A1B2C3D4E5F\0AABBCCDDEEFF\0\0", 27);
    data.baCapabilityWord = 0x036B2020u;
    data.factoryPassphrase = "Xy3pQ9rT7uWz";
    return data;
}

TEST(StoreFile, RoundTripsEveryField) {
    const StoreData in = Sample();
    std::optional<StoreData> out = ParseStore(SerializeStore(in));
    ASSERT_TRUE(out.has_value());
    EXPECT_EQ(std::memcmp(&out->config, &in.config, sizeof in.config), 0);
    EXPECT_EQ(out->policyText, in.policyText);
    EXPECT_EQ(out->accessList, in.accessList);
    EXPECT_EQ(out->baCapabilityWord, in.baCapabilityWord);
    EXPECT_EQ(out->factoryPassphrase, in.factoryPassphrase);
}

TEST(StoreFile, RefusesEveryDamagedOrForeignFile) {
    const std::string good = SerializeStore(Sample());
    const size_t config = good.find("config=") + 20;
    std::string flipped = good;
    flipped[config] = flipped[config] == '0' ? '1' : '0';

    StoreData insane = Sample();
    insane.config.SsidLength = 33;  // a valid checksum over a record no caller may get
    StoreData badList = Sample();
    badList.accessList = std::string("0A1B2C3D4E5F", 12);  // no terminator

    const struct {
        const char* what;
        std::string text;
    } cases[] = {
        {"empty", ""},
        {"torn in half", good.substr(0, good.size() / 2)},
        {"last byte lost", good.substr(0, good.size() - 1)},
        {"one digit changed", flipped},
        {"checksum line missing", good.substr(0, good.find("check="))},
        {"garbage", "\x01\x02 not a store at all\n"},
        {"SSID longer than 32", SerializeStore(insane)},
        {"unterminated access list", SerializeStore(badList)},
    };
    for (const auto& c : cases) EXPECT_FALSE(ParseStore(c.text).has_value()) << c.what;
}

TEST(StoreFile, ACorruptStoreIsTracedAndReplacedByDefaults) {
    FakeHostState state;
    FakeHost host(state);
    state.files["/s/store.txt"] = "config=00\ncheck=deadbeef\n";
    Store store(host, "/s/store.txt");
    StoreData defaults = Sample();
    defaults.policyText = "1";

    StoreData loaded = store.Load([&] { return defaults; });

    EXPECT_EQ(loaded.policyText, "1");
    ASSERT_FALSE(state.trace.empty());
    EXPECT_NE(state.trace.back().find("corrupt"), std::string::npos);
    // The defaults are written back, so the next load finds an intact store.
    std::optional<StoreData> rewritten = ParseStore(state.files["/s/store.txt"]);
    ASSERT_TRUE(rewritten.has_value());
    EXPECT_EQ(rewritten->policyText, "1");
}

TEST(StoreFile, AMissingStoreIsCreatedOnceAndThenRead) {
    FakeHostState state;
    FakeHost host(state);
    Store store(host, "/s/store.txt");
    int made = 0;
    auto defaults = [&] {
        ++made;
        return Sample();
    };
    store.Load(defaults);
    store.Load(defaults);
    EXPECT_EQ(made, 1);
    EXPECT_EQ(state.writes, 1);
    // Its folder is made for the one write, not again for each read.
    EXPECT_EQ(state.madeDirectories, std::vector<std::string>{"/s"});
}

}  // namespace
}  // namespace simdrv
