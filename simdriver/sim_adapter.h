// The simulated adapter behind the library's entry points. One object per
// process; every entry point first calls BeginCall (which re-reads the
// scenario file and plays the air up to now), then asks FaultFires, then
// calls the member of the same name.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/nvap_records.h"
#include "simdriver/air.h"
#include "simdriver/host.h"
#include "simdriver/scenario.h"
#include "simdriver/store.h"

namespace simdrv {

// User messages posted to the program's window.
inline constexpr unsigned kMsgConnectComplete = 0x401;
inline constexpr unsigned kMsgRadioOn = 0x402;
inline constexpr unsigned kMsgRadioOff = 0x403;
// What the system broadcasts when a device comes or goes.
inline constexpr unsigned kMsgDeviceChange = 0x0219;
inline constexpr uintptr_t kDevNodesChanged = 0x0007;

inline constexpr const char* kStoreFolderVariable = "NVAPAPI_SIM_STORE_DIR";
inline constexpr const char* kScenarioVariable = "NVAPAPI_SIM_SCENARIO";
inline constexpr const char* kStoreFileName = "NvAPAPI-sim-store.txt";

class SimAdapter {
public:
    explicit SimAdapter(std::unique_ptr<Host> host);

    Host& host() { return *host_; }
    const std::string& StorePath() const { return store_.Path(); }

    void BeginCall();
    // True when an armed fault fires for this call; `result` is what to return.
    bool FaultFires(const char* entryPoint, int& result);

    int Initial(const char* name, void* window);
    int DeInitial();
    int GetWinOS();
    int IsFileExist(const char* path);
    int GetAvailableAdapters(AVAILABLE_DEV_LIST* list, int capacity);
    int AdapterSelect(AVAILABLE_DEV* dev, void* window);
    int IsDeviceExist(const AVAILABLE_DEV* dev);
    int GetDriverPath(const AVAILABLE_DEV* dev, char* path256);
    int GetMacAddrs(unsigned char* mac6);
    int GetEEPROMVer(unsigned char* ver2);
    int GetFirmwareVer(unsigned char* ver2);
    int IsWow64();
    int DetectUserAdmin();
    int DetectMoreThanOneProcess();
    int Is80211ASupport();
    int Is80211NSupport();
    int QueryOPMode();
    int SetOPMode(int mode);
    int CheckIEEE80211H();
    int IsZeroConfig();
    int StopXpZeroConfig();
    int GetCurrentDeviceModel(int* model);
    int ResetStatisticsCounter();
    int QueryMacTableNot11N(KX_802_11_MAC_TABLE_NOT_11N* table);
    int QueryMacTable(KX_802_11_MAC_TABLE* table);
    int ReadAccessPolicy(char* text1024);
    int ReadAccessList(char* text1024);
    int WriteAccessPolicy(int policy);
    int WriteAccessList(const char* buf, int length);
    int Set80211ACL(const KX_802_11_ACCESS_CONTROL* acl);
    int QueryApWLANStatus(AP_WLAN_STATUS* status);
    int QueryCountryRegion(unsigned int* regions, int* hwSupportsA, int* hwSupportBG);
    int GetCountryChannel(unsigned char* ch5g, unsigned char* ch24g, int* n24, int* n5, int region24, int region5);
    int ReadConfigData(AP_CONFIG_DATA* cfg);
    int WriteandSetConfigData(const AP_CONFIG_DATA& cfg, const AP_CONFIG_EXT& ext);
    int GetSideBandParaFromE2PROM_BG(int* value);
    int QueryInitialState(int* state);
    int SetConfigData(const AP_CONFIG_DATA* cfg, const AP_CONFIG_EXT* ext);
    int QueryAuthMode(int* mode);
    int ReadAuthMode(int* mode);
    int QuerySignalStrength(int* rssi);
    int ConvertRssiToSignalQuality(int rssi);
    int QueryEventTable(KX_802_11_EVENT_TABLE* table);
    int RestoreStationSetting();
    int SetAuthSecuKey(const AUTH_SECU_DATA* sec, const unsigned char* ssid, int ssidLength);
    int ConvertMACStrToByte(const char* text128, unsigned char* mac6);
    int SetIMMEBA(const KX_802_11_BA_SESSION_REQUEST& req);
    int WriteBACap(unsigned int word);
    int ReadBACap(unsigned int* word);
    int QueryBACap(KX_802_11_BA_CAPABILITY* cap);
    int SetBACap(const KX_802_11_BA_CAPABILITY& cap);
    int QueryBATable(KX_802_11_BLOCK_ACK_TABLE* table);
    int GetAPDefault(AP_CONFIG_DATA* cfg);
    int InitAPSettings();
    int SetVistaWindowsProfile(const unsigned char* ssid, int length);
    int DeleteVistaWindowsProfile();
    int EnableDhcpServer();
    int DisableDhcpServer();
    // An entry point the program binds but never calls.
    int Unused(const char* entryPoint);

    // The identity of adapter `index` (0..2) as the adapter list shows it.
    static AVAILABLE_DEV AdapterRecord(int index);
    static void AdapterMac(int index, unsigned char mac[6]);

private:
    struct ArmedFault {
        FaultSpec faultSpec;
        int calls = 0;
        bool fired = false;
    };

    void ReloadScenario();
    void ApplyScenario(const Scenario& next);
    void Reconcile();
    BssSettings Bss() const;
    bool Present() const;
    bool SelectedPresent() const;
    bool Ready() const { return notReadyPolls_ == 0; }
    bool ApShouldRun() const;
    int AdapterIndexOf(const AVAILABLE_DEV* dev) const;
    void SelectedMac(unsigned char mac[6]) const;
    void Post(unsigned message, uintptr_t wParam = 0);
    void Apply(const AP_CONFIG_DATA& cfg);
    StoreData LoadStore();
    StoreData FactoryStore();
    KX_802_11_BA_CAPABILITY& BaInForce();

    std::unique_ptr<Host> host_;
    Store store_;
    std::optional<std::string> scenarioPath_;
    std::optional<std::string> scenarioText_;
    Scenario scenario_;
    std::vector<ArmedFault> faults_;
    Air air_;
    void* window_ = nullptr;
    int selected_ = 0;
    int opMode_ = 0;  // 0 station, 1 access point
    int notReadyPolls_ = 0;
    bool osWirelessService_ = true;
    bool apStarted_ = false;
    bool dhcpServer_ = false;
    bool profile_ = false;
    std::optional<AP_CONFIG_DATA> running_;
    KX_802_11_ACCESS_CONTROL acl_{};
    std::optional<KX_802_11_BA_CAPABILITY> baInForce_;
    std::vector<std::string> unusedTraced_;
};

}  // namespace simdrv
