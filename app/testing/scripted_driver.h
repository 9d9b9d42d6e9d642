// A driver library played by the test: each entry point the hidden window uses
// is a slot in NVAPAPI pointed at this object's answers, and every call is
// recorded so tests can check order and arguments.
#pragma once

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "core/nvap_records.h"

AVAILABLE_DEV MakeAdapter(const std::string& description, const std::string& hardwareId);

struct ScriptedDriver {
    // --- what the driver answers ---
    int winOS = 10;
    int admin = 1;
    bool plugged = true;                  // the adapters below are present
    std::vector<AVAILABLE_DEV> adapters;  // reported by NVAP_GetAvailableAdapters
    bool answerMinus10 = true;            // -10 when the list has too little room
    int extraCountOnSecondCall = 0;       // the count grows between the two calls
    int opMode = 0;
    int setOpModeResult = 1;
    int zeroConfig = 0;
    int initApSettingsResult = 7;
    std::deque<int> initialStates;        // answers to NVAP_QueryInitialState, then...
    int initialStateAfterwards = 1;       // ...this one
    AP_CONFIG_DATA stored{};              // the stored configuration record
    char policyText[1024] = {'0'};
    char listText[1024] = {};
    int runningAuthMode = 4;
    int storedAuthMode = 4;
    int quality = 80;
    std::deque<KX_802_11_EVENT_TABLE> events;  // one per successful query
    int moreThanOneProcess = 0;

    // --- what the driver was told ---
    std::vector<std::string> calls;
    std::vector<int> capacities;
    std::vector<AVAILABLE_DEV> selections;
    std::vector<KX_802_11_ACCESS_CONTROL> acls;
    std::vector<AP_CONFIG_DATA> appliedConfigs;
    std::vector<std::string> profileSsids;
    std::vector<int> profileLengths;
    std::vector<std::string> keySsids;
    std::vector<int> opModesSet;
    std::string initialName;
    void* initialWindow = nullptr;

    int Count(const std::string& name) const;
    // Index of the first call of `name` at or after `from`; -1 when none.
    int IndexOf(const std::string& name, int from = 0) const;
    void SetStoredSsid(const std::string& ssid);
    void SetAccessList(const std::vector<std::string>& addresses);

    // Points NVAPAPI's slots at this driver and marks the library loaded.
    void Install();
    // The same entry points as a library's export table, for a start-up that
    // loads the library itself.
    static std::map<std::string, void*> Exports();
    static ScriptedDriver* current;
};
