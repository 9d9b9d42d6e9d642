#include "simdriver/scenario.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <functional>
#include <map>

#include "core/nvap_entry_points.h"
#include "simdriver/channels.h"

namespace simdrv {

namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

std::optional<long long> ParseInteger(std::string_view s, long long low, long long high) {
    s = Trim(s);
    long long value = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || end != s.data() + s.size() || value < low || value > high) return std::nullopt;
    return value;
}

std::optional<bool> ParseSwitch(std::string_view s) {
    s = Trim(s);
    if (s == "1" || s == "on" || s == "yes" || s == "true") return true;
    if (s == "0" || s == "off" || s == "no" || s == "false") return false;
    return std::nullopt;
}

std::optional<double> ParseRate(std::string_view s) {
    std::string text(Trim(s));
    if (text.empty()) return std::nullopt;
    char* end = nullptr;
    double value = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !(value >= 0.0 && value <= 600.0)) return std::nullopt;
    return value;
}

// "1-11" or "36,40,44" or a mix; at most 32 valid channels, kept ascending.
std::optional<std::vector<int>> ParseChannels(std::string_view s) {
    std::vector<int> out;
    s = Trim(s);
    while (!s.empty()) {
        size_t comma = s.find(',');
        std::string_view item = Trim(s.substr(0, comma));
        s = comma == std::string_view::npos ? std::string_view{} : s.substr(comma + 1);
        size_t dash = item.find('-');
        auto first = ParseInteger(item.substr(0, dash), 1, 196);
        auto last = dash == std::string_view::npos ? first : ParseInteger(item.substr(dash + 1), 1, 196);
        if (!first || !last || *last < *first) return std::nullopt;
        for (long long c = *first; c <= *last; ++c) {
            if (ChannelToFrequencyKHz(static_cast<int>(c)) == 0) return std::nullopt;
            out.push_back(static_cast<int>(c));
        }
    }
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    if (out.size() > kMaxChannelsPerBand) return std::nullopt;
    return out;
}

bool IsEntryPointName(std::string_view name) {
#define SIMDRV_NAME(entry, params) #entry,
    static const char* const names[] = {NVAP_ENTRY_POINTS(SIMDRV_NAME)};
#undef SIMDRV_NAME
    return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

// "NVAP_Name:call" or "NVAP_Name:call:result".
std::optional<FaultSpec> ParseFault(std::string_view s) {
    s = Trim(s);
    FaultSpec fault;
    fault.text = std::string(s);
    size_t colon = s.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    fault.entryPoint = std::string(Trim(s.substr(0, colon)));
    if (!IsEntryPointName(fault.entryPoint)) return std::nullopt;
    std::string_view rest = s.substr(colon + 1);
    size_t second = rest.find(':');
    auto call = ParseInteger(rest.substr(0, second), 1, 1000000000);
    if (!call) return std::nullopt;
    fault.onCall = static_cast<int>(*call);
    if (second != std::string_view::npos) {
        auto result = ParseInteger(rest.substr(second + 1), -2147483647 - 1LL, 2147483647);
        if (!result) return std::nullopt;
        fault.result = static_cast<int>(*result);
    }
    return fault;
}

using Setter = std::function<bool(Scenario&, std::string_view)>;

template <typename T>
Setter IntSetter(T Scenario::*member, long long low, long long high) {
    return [=](Scenario& s, std::string_view v) {
        auto n = ParseInteger(v, low, high);
        if (n) s.*member = static_cast<T>(*n);
        return n.has_value();
    };
}

Setter SwitchSetter(bool Scenario::*member) {
    return [=](Scenario& s, std::string_view v) {
        auto b = ParseSwitch(v);
        if (b) s.*member = *b;
        return b.has_value();
    };
}

const std::map<std::string, Setter, std::less<>>& Setters() {
    static const std::map<std::string, Setter, std::less<>> setters = {
        {"adapter_present", SwitchSetter(&Scenario::adapterPresent)},
        {"adapters", IntSetter(&Scenario::adapters, 0, 3)},
        {"driver_not_ready_polls", IntSetter(&Scenario::driverNotReadyPolls, 0, 1000000)},
        {"drop_running_config", IntSetter(&Scenario::dropRunningConfig, 0, 2147483647)},
        {"radio", SwitchSetter(&Scenario::radioOn)},
        {"model", IntSetter(&Scenario::model, 0, 255)},
        {"supports_11n", SwitchSetter(&Scenario::supports11n)},
        {"supports_5ghz", SwitchSetter(&Scenario::supports5G)},
        {"os_generation",
         [](Scenario& s, std::string_view v) {
             auto n = ParseInteger(v, 0, 99);
             if (n) s.osGeneration = static_cast<int>(*n);
             return n.has_value();
         }},
        {"admin",
         [](Scenario& s, std::string_view v) {
             auto b = ParseSwitch(v);
             if (b) s.admin = *b;
             return b.has_value();
         }},
        {"signal_dbm", IntSetter(&Scenario::signalDbm, -120, 0)},
        {"station_arrivals_per_minute",
         [](Scenario& s, std::string_view v) {
             auto r = ParseRate(v);
             if (r) s.stationArrivalsPerMinute = *r;
             return r.has_value();
         }},
        {"station_stay_seconds", IntSetter(&Scenario::stationStaySeconds, 1, 86400)},
        {"ieee80211h", SwitchSetter(&Scenario::ieee80211h)},
        {"side_band", IntSetter(&Scenario::sideBand, -2147483647 - 1LL, 2147483647)},
        {"custom_channels_24g",
         [](Scenario& s, std::string_view v) {
             auto c = ParseChannels(v);
             if (c && std::all_of(c->begin(), c->end(), [](int ch) { return !Is5GChannel(ch); })) {
                 s.customChannels24G = *c;
                 return true;
             }
             return false;
         }},
        {"custom_channels_5g",
         [](Scenario& s, std::string_view v) {
             auto c = ParseChannels(v);
             if (c && std::all_of(c->begin(), c->end(), [](int ch) { return Is5GChannel(ch); })) {
                 s.customChannels5G = *c;
                 return true;
             }
             return false;
         }},
        {"os_wireless_service", SwitchSetter(&Scenario::osWirelessService)},
        {"other_process", SwitchSetter(&Scenario::otherProcess)},
        {"seed",
         [](Scenario& s, std::string_view v) {
             auto n = ParseInteger(v, 0, 9007199254740991LL);
             if (n) s.seed = static_cast<uint64_t>(*n);
             return n.has_value();
         }},
        {"fault",
         [](Scenario& s, std::string_view v) {
             auto f = ParseFault(v);
             if (f) s.faults.push_back(*f);
             return f.has_value();
         }},
    };
    return setters;
}

}  // namespace

Scenario ParseScenario(std::string_view text, std::vector<std::string>& problems) {
    Scenario scenario;
    int lineNumber = 0;
    while (!text.empty()) {
        size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        ++lineNumber;
        size_t hash = line.find('#');
        if (hash != std::string_view::npos) line = line.substr(0, hash);
        line = Trim(line);
        if (line.empty()) continue;
        const std::string where = "line " + std::to_string(lineNumber) + ": ";
        size_t eq = line.find('=');
        if (eq == std::string_view::npos) {
            problems.push_back(where + "no '='");
            continue;
        }
        std::string_view key = Trim(line.substr(0, eq));
        auto setter = Setters().find(key);
        if (setter == Setters().end()) {
            problems.push_back(where + "unknown key '" + std::string(key) + "'");
        } else if (!setter->second(scenario, line.substr(eq + 1))) {
            problems.push_back(where + "bad value for '" + std::string(key) + "'");
        }
    }
    return scenario;
}

}  // namespace simdrv
