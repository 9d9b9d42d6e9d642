// Start-up of the hidden window and adapter detection.
#include <cstring>
#include <vector>

#include "app/hide_dlg.h"
#include "app/station_mode_command.h"
#include "core/nvap_binding.h"
#include "core/trace.h"
#include "platform/platform.h"

namespace {

// More adapters than this is not a list a driver can mean; refuse to size a
// buffer from such a count.
constexpr std::uint32_t kMaxAdapters = 64;

constexpr const char* kAdminMessage = "Soft AP user's account must have 'Administrator' privilege.";

void ClearAdapterTexts(AVAILABLE_DEV& adapter) {
    adapter.DeviceDesc[0] = '\0';
    adapter.HardwareId[0] = '\0';
    adapter.ExtraText1[0] = '\0';
    adapter.ExtraText2[0] = '\0';
}

// One driver query into a fresh list with room for `capacity` adapters.
struct AdapterQuery {
    std::vector<unsigned char> storage;
    int result = 0;
    std::uint32_t reported = 0;

    AVAILABLE_DEV_LIST* List() { return reinterpret_cast<AVAILABLE_DEV_LIST*>(storage.data()); }
};

AdapterQuery QueryAdapters(std::uint32_t capacity) {
    AdapterQuery query;
    query.storage.assign(AvailableDevListBytes(capacity), 0);
    query.result = NVAPAPI.NVAP_GetAvailableAdapters(query.List(), static_cast<int>(capacity));
    query.reported = query.List()->nCount;
    return query;
}

std::uint32_t Clamp(std::uint32_t value, std::uint32_t low, std::uint32_t high) {
    return value < low ? low : (value > high ? high : value);
}

}  // namespace

bool CHideDlg::OnInitDialog() {
    host_.SetMainIcon();

    std::string path = FolderOf(zelvin::CurrentPlatform().ExecutablePath()) + "NvAPAPI.dll";
    if (!NVAPAPI.LoadDll(path.c_str())) {
        TraceOut("[Zelvin][NvCfg] Load dll fail: %s\n", path.c_str());
        host_.ShowMessage({false, path, "Load dll fail", MessageIcon::None});
        ended_ = true;
        host_.EndDialog(1);
        return false;
    }
    TraceOut("[Zelvin][NvCfg] Load dll Success: %s\n", path.c_str());

    NVAPAPI.NVAP_Initial("Norvane", host_.WindowHandle());
    texts_ = host_.LoadStringTable();

    if (NVAPAPI.NVAP_DetectUserAdmin() == 0) {
        std::string caption = BaseNameWithoutExtension(zelvin::CurrentPlatform().ExecutablePath());
        host_.ShowMessage({true, kAdminMessage, caption, MessageIcon::None});
        ended_ = true;
        host_.EndDialog(2);
        return false;
    }

    DetectAdapter();
    SetDeviceExistFromDriver();
    if (m_bDeviceExist) InitCard();
    if (m_bShowSheet) ShowConfigSheet();
    AddTrayIcon();
    StartWatchdog();
    return true;
}

int CHideDlg::DetectAdapter() {
    AdapterQuery query = QueryAdapters(1);
    std::uint32_t capacity = 1;
    if (query.result == -10) {
        capacity = Clamp(query.reported, 1, kMaxAdapters);
        query = QueryAdapters(capacity);
    }
    // The count may have grown between the two calls (or be plain wrong): only
    // the records the buffer holds exist.
    std::uint32_t n = query.reported < capacity ? query.reported : capacity;

    AVAILABLE_DEV& selected = NVAPAPI.m_SelectedAdapter;
    if (n == 0) {
        ClearAdapterTexts(selected);
    } else if (n == 1) {
        TraceOut("[Zelvin] DetectAdapter(): ICS is bound by the pAvailableDevList->adapter[0]\n");
        std::memcpy(&selected, AvailableDevAt(query.List(), 0), sizeof selected);
    } else {
        std::vector<AVAILABLE_DEV> adapters(n);
        for (std::uint32_t i = 0; i < n; ++i) std::memcpy(&adapters[i], AvailableDevAt(query.List(), i), sizeof(AVAILABLE_DEV));
        m_bBusy = 1;
        std::optional<int> chosen = host_.ChooseAdapter(adapters);
        m_bBusy = 0;
        // Closing the dialog without OK keeps the entry it showed selected: the first.
        int index = chosen.value_or(0);
        if (index < 0 || static_cast<std::uint32_t>(index) >= n) index = 0;
        std::memcpy(&selected, &adapters[static_cast<std::size_t>(index)], sizeof selected);
        TraceOut("[Zelvin] DetectAdapter(): selected Adapter from pAvailableDevList->adapter[%d]\n", index);
    }
    if (n >= 1) NVAPAPI.NVAP_AdapterSelect(&selected, 0, host_.WindowHandle());
    return static_cast<int>(n);
}

void CHideDlg::SetDeviceExistFromDriver() {
    m_bDeviceExist = NVAPAPI.NVAP_IsDeviceExist(&NVAPAPI.m_SelectedAdapter);
}
