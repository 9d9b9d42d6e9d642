// A small deterministic generator: the simulation must replay exactly under a
// fixed seed so that native tests see the same stations every run.
#pragma once

#include <cstdint>

namespace simdrv {

class Random {
public:
    explicit Random(uint64_t seed = 1) : state_(seed) {}

    uint64_t Next() {  // splitmix64
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, bound); bound 0 gives 0.
    uint32_t Below(uint32_t bound) { return bound == 0 ? 0 : static_cast<uint32_t>(Next() % bound); }
    // Uniform in [0, 1).
    double Unit() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }

private:
    uint64_t state_;
};

}  // namespace simdrv
