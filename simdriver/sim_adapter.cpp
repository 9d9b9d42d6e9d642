// Lifecycle, scenario, faults and the adapter's identity and modes.
#include "simdriver/sim_adapter.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "simdriver/trace.h"

namespace simdrv {

namespace {

std::string StorePathFor(Host& host) {
    std::string folder = host.GetEnv(kStoreFolderVariable).value_or("");
    if (folder.empty()) folder = host.DefaultStoreFolder();
    if (!folder.empty() && folder.back() != host.PathSeparator() && folder.back() != '/') folder += host.PathSeparator();
    return folder + kStoreFileName;
}

template <size_t N>
void CopyText(char (&field)[N], const char* text) {
    std::snprintf(field, N, "%s", text);
}

}  // namespace

SimAdapter::SimAdapter(std::unique_ptr<Host> host)
    : host_(std::move(host)), store_(*host_, StorePathFor(*host_)), air_(host_->RandomSeed()) {
    std::string scenario = host_->GetEnv(kScenarioVariable).value_or("");
    if (!scenario.empty()) scenarioPath_ = scenario;
    Trace(*host_, "simulated adapter; store %s; scenario %s", store_.Path().c_str(),
          scenarioPath_ ? scenarioPath_->c_str() : "(none)");
    ReloadScenario();
    notReadyPolls_ = scenario_.driverNotReadyPolls;
}

// --- Scenario and faults ---------------------------------------------------

void SimAdapter::ReloadScenario() {
    if (!scenarioPath_) return;
    std::optional<std::string> text = host_->ReadFile(*scenarioPath_);
    if (text == scenarioText_) return;
    scenarioText_ = text;
    std::vector<std::string> problems;
    Scenario next = ParseScenario(text.value_or(""), problems);
    for (const std::string& p : problems) Trace(*host_, "scenario %s %s (ignored)", scenarioPath_->c_str(), p.c_str());
    ApplyScenario(next);
}

void SimAdapter::ApplyScenario(const Scenario& next) {
    const Scenario previous = scenario_;
    const bool wasPresent = Present();
    scenario_ = next;
    Trace(*host_, "scenario applied: present %d, adapters %d, model %d, radio %d", scenario_.adapterPresent,
          scenario_.adapters, scenario_.model, scenario_.radioOn);

    if (wasPresent != Present()) Post(kMsgDeviceChange, kDevNodesChanged);
    if (wasPresent && !Present()) {
        // The device is gone: when it returns it comes back as a fresh device.
        opMode_ = 0;
        running_.reset();
        notReadyPolls_ = scenario_.driverNotReadyPolls;
    }
    if (next.driverNotReadyPolls != previous.driverNotReadyPolls) notReadyPolls_ = next.driverNotReadyPolls;
    if (next.dropRunningConfig != previous.dropRunningConfig && next.dropRunningConfig != 0) {
        Trace(*host_, "scenario: running configuration dropped");
        running_.reset();
    }
    if (next.radioOn != previous.radioOn) Post(next.radioOn ? kMsgRadioOn : kMsgRadioOff);
    if (next.osWirelessService && !previous.osWirelessService) osWirelessService_ = true;
    if (next.seed && next.seed != previous.seed) air_.Reseed(*next.seed);

    std::vector<ArmedFault> armed;
    for (const FaultSpec& faultSpec : next.faults) {
        auto kept = std::find_if(faults_.begin(), faults_.end(), [&](const ArmedFault& f) { return f.faultSpec.text == faultSpec.text; });
        armed.push_back(kept != faults_.end() ? *kept : ArmedFault{faultSpec, 0, false});
    }
    faults_ = std::move(armed);
    Reconcile();
}

bool SimAdapter::FaultFires(const char* entryPoint, int& result) {
    for (ArmedFault& f : faults_) {
        if (f.fired || f.faultSpec.entryPoint != entryPoint) continue;
        if (++f.calls < f.faultSpec.onCall) continue;
        f.fired = true;
        result = f.faultSpec.result;
        Trace(*host_, "fault fired: %s call %d returns %d", entryPoint, f.calls, result);
        if (scenarioPath_) {
            // Tests read this report to prove that the fault they armed fired.
            char line[160];
            std::snprintf(line, sizeof line, "%s %d %d\n", entryPoint, f.calls, result);
            host_->AppendFile(*scenarioPath_ + ".fired", line);
        }
        return true;
    }
    return false;
}

// --- Running state -----------------------------------------------------------

bool SimAdapter::Present() const { return scenario_.adapterPresent && scenario_.adapters > 0; }
bool SimAdapter::SelectedPresent() const { return Present() && selected_ < scenario_.adapters; }

bool SimAdapter::ApShouldRun() const {
    return SelectedPresent() && opMode_ == 1 && Ready() && running_.has_value() && scenario_.radioOn;
}

BssSettings SimAdapter::Bss() const {
    BssSettings bss;
    bss.running = apStarted_;
    if (running_) bss.config = *running_;
    bss.acl = acl_;
    bss.baCapability = baInForce_.value_or(KX_802_11_BA_CAPABILITY{});
    bss.arrivalsPerMinute = scenario_.stationArrivalsPerMinute;
    bss.staySeconds = scenario_.stationStaySeconds;
    return bss;
}

void SimAdapter::Reconcile() {
    const uint64_t now = host_->NowFileTime();
    const bool shouldRun = ApShouldRun();
    if (shouldRun && !apStarted_) {
        BaInForce();
        apStarted_ = true;
        unsigned char mac[6];
        SelectedMac(mac);
        air_.Restart(now, mac, Bss());
        Trace(*host_, "access point started");
    } else if (!shouldRun && apStarted_) {
        apStarted_ = false;
        air_.Stop(now);
        Trace(*host_, "access point stopped");
    }
}

void SimAdapter::BeginCall() {
    ReloadScenario();
    Reconcile();
    air_.Advance(host_->NowFileTime(), Bss());
}

void SimAdapter::Post(unsigned message, uintptr_t wParam) {
    Trace(*host_, "post 0x%X to the program window", message);
    if (window_) host_->PostWindowMessage(window_, message, wParam);
}

// --- Start and shutdown ------------------------------------------------------

int SimAdapter::Initial(const char* name, void* window) {
    window_ = window;
    Trace(*host_, "NVAP_Initial(%s)", name ? name : "(null)");
    return 1;
}

int SimAdapter::DeInitial() {
    Trace(*host_, "NVAP_DeInitial");
    window_ = nullptr;
    return 1;
}

int SimAdapter::Unused(const char* entryPoint) {
    if (std::find(unusedTraced_.begin(), unusedTraced_.end(), entryPoint) == unusedTraced_.end()) {
        unusedTraced_.push_back(entryPoint);
        Trace(*host_, "%s is not supported", entryPoint);
    }
    return 0;
}

// --- System ------------------------------------------------------------------

int SimAdapter::GetWinOS() { return scenario_.osGeneration.value_or(host_->OsGenerationCode()); }
int SimAdapter::IsFileExist(const char* path) { return path && *path && host_->FileExists(path) ? 1 : 0; }
int SimAdapter::IsWow64() { return host_->IsWow64() ? 1 : 0; }
int SimAdapter::DetectUserAdmin() { return scenario_.admin.value_or(host_->UserIsAdmin()) ? 1 : 0; }
int SimAdapter::DetectMoreThanOneProcess() { return scenario_.otherProcess ? 1 : 0; }

// --- Adapters ----------------------------------------------------------------

void SimAdapter::AdapterMac(int index, unsigned char mac[6]) {
    // Locally administered (bit 1 of the first byte), unicast.
    const unsigned char base[6] = {0x02, 0x5A, 0x45, 0x4C, 0x56, static_cast<unsigned char>(0x10 + index)};
    std::memcpy(mac, base, 6);
}

AVAILABLE_DEV SimAdapter::AdapterRecord(int index) {
    AVAILABLE_DEV dev{};
    char text[128];
    std::snprintf(text, sizeof text, "Simulated 802.11n USB Wireless Adapter #%d", index + 1);
    CopyText(dev.DeviceDesc, text);
    std::snprintf(text, sizeof text, "USB\\VID_FFFF&PID_5A%02d\\SIM%04d", index + 1, 1000 + index);
    CopyText(dev.HardwareId, text);
    std::snprintf(text, sizeof text, "{4d36e972-e325-11ce-bfc1-08002be10318}\\%04d", 20 + index);
    CopyText(dev.ExtraText1, text);
    std::snprintf(text, sizeof text, "SimAp%d", index + 1);
    CopyText(dev.ExtraText2, text);
    std::snprintf(text, sizeof text, "Port_#%04d.Hub_#0001", index + 1);
    CopyText(dev.LocationInfo, text);
    std::snprintf(text, sizeof text, "Simulated Radio Works, unit %d", index + 1);
    CopyText(dev.Manufacturer, text);
    return dev;
}

int SimAdapter::AdapterIndexOf(const AVAILABLE_DEV* dev) const {
    if (!dev || !Present()) return -1;
    for (int i = 0; i < scenario_.adapters; ++i) {
        const AVAILABLE_DEV known = AdapterRecord(i);
        if (std::memcmp(known.HardwareId, dev->HardwareId, sizeof known.HardwareId) == 0) return i;
    }
    return -1;
}

void SimAdapter::SelectedMac(unsigned char mac[6]) const { AdapterMac(selected_, mac); }

int SimAdapter::GetAvailableAdapters(AVAILABLE_DEV_LIST* list, int capacity) {
    if (!list || capacity < 0) return 0;
    const int count = Present() ? scenario_.adapters : 0;
    list->nCount = static_cast<uint32_t>(count);
    if (capacity < count) {
        Trace(*host_, "adapter list has room for %d of %d adapters", capacity, count);
        return -10;
    }
    for (int i = 0; i < count; ++i) *AvailableDevAt(list, static_cast<size_t>(i)) = AdapterRecord(i);
    return 1;
}

int SimAdapter::AdapterSelect(AVAILABLE_DEV* dev, void* window) {
    const int index = AdapterIndexOf(dev);
    if (index < 0) return 0;
    selected_ = index;
    if (window) window_ = window;
    Trace(*host_, "adapter %d selected", index);
    return 1;
}

int SimAdapter::IsDeviceExist(const AVAILABLE_DEV* dev) { return AdapterIndexOf(dev) >= 0 ? 1 : 0; }

int SimAdapter::GetDriverPath(const AVAILABLE_DEV* dev, char* path256) {
    if (!dev || !path256) return 0;
    const std::string path = host_->LibraryPath();
    if (path.empty() || path.size() > 255) {
        path256[0] = '\0';
        return 0;
    }
    std::memcpy(path256, path.c_str(), path.size() + 1);
    return 1;
}

int SimAdapter::GetMacAddrs(unsigned char* mac6) {
    if (!mac6 || !SelectedPresent()) return 0;
    SelectedMac(mac6);
    return 1;
}

int SimAdapter::GetEEPROMVer(unsigned char* ver2) {
    if (!ver2 || !SelectedPresent()) return 0;
    ver2[0] = 1;
    ver2[1] = 4;
    return 1;
}

int SimAdapter::GetFirmwareVer(unsigned char* ver2) {
    if (!ver2 || !SelectedPresent()) return 0;
    ver2[0] = 0x05;
    ver2[1] = 0x02;
    return 1;
}

int SimAdapter::Is80211ASupport() { return Present() && scenario_.supports5G ? 1 : 0; }
int SimAdapter::Is80211NSupport() { return Present() && scenario_.supports11n ? 1 : 0; }
int SimAdapter::CheckIEEE80211H() { return scenario_.ieee80211h ? 1 : 0; }

int SimAdapter::GetCurrentDeviceModel(int* model) {
    if (!model || !Present()) return 0;
    *model = scenario_.model;
    return 1;
}

int SimAdapter::GetSideBandParaFromE2PROM_BG(int* value) {
    if (!value || !Present()) return 0;
    *value = scenario_.sideBand;
    return 1;
}

// --- Modes -------------------------------------------------------------------

int SimAdapter::QueryOPMode() { return SelectedPresent() ? opMode_ : 0; }

int SimAdapter::SetOPMode(int mode) {
    if ((mode != 0 && mode != 1) || !SelectedPresent()) return 0;
    if (mode != opMode_) Trace(*host_, "operation mode %s", mode ? "access point" : "station");
    opMode_ = mode;
    if (mode == 0) running_.reset();
    Reconcile();
    return 1;
}

int SimAdapter::IsZeroConfig() { return osWirelessService_ ? 1 : 0; }

int SimAdapter::StopXpZeroConfig() {
    osWirelessService_ = false;
    return 1;
}

int SimAdapter::InitAPSettings() {
    if (!SelectedPresent()) return 0;
    notReadyPolls_ = scenario_.driverNotReadyPolls;
    Reconcile();
    return 1;
}

int SimAdapter::QueryInitialState(int* state) {
    if (!state) return 0;
    if (!SelectedPresent()) {
        *state = 0;
        return 0;
    }
    if (notReadyPolls_ > 0) {
        --notReadyPolls_;
        *state = 0;
    } else {
        *state = 1;
    }
    Reconcile();
    return 1;
}

int SimAdapter::RestoreStationSetting() {
    opMode_ = 0;
    running_.reset();
    Reconcile();
    return 1;
}

int SimAdapter::SetVistaWindowsProfile(const unsigned char* ssid, int length) {
    if (!ssid || length < 0 || length > 32) return 0;
    if (GetWinOS() < 10) return 0;
    profile_ = true;
    Trace(*host_, "wireless profile made for an SSID of %d bytes", length);
    Post(kMsgConnectComplete);
    return 1;
}

int SimAdapter::DeleteVistaWindowsProfile() {
    profile_ = false;
    return 1;
}

int SimAdapter::EnableDhcpServer() {
    dhcpServer_ = true;
    return 1;
}

int SimAdapter::DisableDhcpServer() {
    dhcpServer_ = false;
    return 1;
}

}  // namespace simdrv
