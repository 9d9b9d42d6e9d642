// The scenario file: knobs that tests and demos turn to make the simulated
// adapter misbehave. Plain "key = value" lines, '#' starts a comment; the
// keys are listed in docs/SIMULATED_ADAPTER.md.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace simdrv {

// Make entry point `entryPoint` return `result` (and do nothing else) on its
// `onCall`-th call after the fault is armed.
struct FaultSpec {
    std::string entryPoint;
    int onCall = 1;
    int result = 0;
    std::string text;  // the line's value, which identifies the fault
};

struct Scenario {
    bool adapterPresent = true;
    int adapters = 1;                 // 0..3
    int driverNotReadyPolls = 0;      // polls answered "not ready" after start
    int dropRunningConfig = 0;        // each new non-zero value drops it once
    bool radioOn = true;
    int model = 4;
    bool supports11n = true;
    bool supports5G = true;
    std::optional<int> osGeneration;  // unset: the real system's code
    std::optional<bool> admin;        // unset: the real check
    int signalDbm = -55;
    double stationArrivalsPerMinute = 4.0;
    int stationStaySeconds = 120;
    bool ieee80211h = false;
    int sideBand = 1;
    std::vector<int> customChannels24G;
    std::vector<int> customChannels5G;
    bool osWirelessService = true;    // the OS's own wireless configuration runs
    bool otherProcess = false;        // another process uses the library
    std::optional<uint64_t> seed;
    std::vector<FaultSpec> faults;
};

// Parses what it can; every line it cannot use is described in `problems`
// and otherwise ignored.
Scenario ParseScenario(std::string_view text, std::vector<std::string>& problems);

}  // namespace simdrv
