#include "simdriver/ba_capability.h"

#include <gtest/gtest.h>

#include <cstring>

namespace simdrv {
namespace {

KX_802_11_BA_CAPABILITY Cap(unsigned char b0, unsigned char b1, unsigned char b2, unsigned char b3,
                            unsigned char b4, unsigned char b5, unsigned char b6, unsigned char b7) {
    return KX_802_11_BA_CAPABILITY{b0, b1, b2, b3, b4, b5, b6, b7};
}

TEST(BaCapabilityWord, PacksTheDocumentedExampleByteForByte) {
    const uint32_t word = PackBaCapability(Cap(32, 32, 1, 5, 1, 0, 3, 1));
    EXPECT_EQ(word & 0xFF, 0x20u);
    EXPECT_EQ((word >> 8) & 0xFF, 0x20u);
    EXPECT_EQ((word >> 16) & 0xFF, 0x6Bu);
    EXPECT_EQ(word >> 24, 0x03u);
}

TEST(BaCapabilityWord, RoundTripsEveryFieldAtItsWidth) {
    const KX_802_11_BA_CAPABILITY cases[] = {
        Cap(0, 0, 0, 0, 0, 0, 0, 0), Cap(255, 1, 2, 7, 1, 1, 3, 1), Cap(32, 32, 1, 0, 0, 1, 1, 0),
        Cap(7, 200, 2, 3, 1, 0, 0, 1)};
    for (const auto& cap : cases) {
        const KX_802_11_BA_CAPABILITY back = UnpackBaCapability(PackBaCapability(cap));
        EXPECT_EQ(std::memcmp(&back, &cap, sizeof cap), 0) << "word " << PackBaCapability(cap);
    }
}

TEST(BaCapabilityWord, KeepsOnlyTheLowDensityBitsAndIgnoresTheTopBits) {
    EXPECT_EQ(UnpackBaCapability(PackBaCapability(Cap(0, 0, 1, 13, 0, 0, 0, 0))).MpduDensity, 5);
    const KX_802_11_BA_CAPABILITY withJunk = UnpackBaCapability(0xFC000000u | PackBaCapability(DefaultBaCapability()));
    const KX_802_11_BA_CAPABILITY plain = DefaultBaCapability();
    EXPECT_EQ(std::memcmp(&withJunk, &plain, sizeof plain), 0);
}

}  // namespace
}  // namespace simdrv
