#include "core/nvap_binding.h"

#include <array>
#include <cstring>

#include "core/trace.h"
#include "platform/platform.h"

// Constant-initialised, so a trace from any static initialiser finds it ready.
constinit CNvApApi NVAPAPI;

namespace nvap {

namespace {

constexpr const char* kEntryPointNames[] = {
#define NVAP_NAME(name, params) #name,
    NVAP_ENTRY_POINTS(NVAP_NAME)
#undef NVAP_NAME
};
static_assert(sizeof kEntryPointNames / sizeof kEntryPointNames[0] == kEntryPointCount);

std::array<bool, kEntryPointCount> g_reportedMissing{};

}  // namespace

const char* EntryPointName(EntryPoint entry) { return kEntryPointNames[static_cast<int>(entry)]; }

void ReportMissingEntryPoint(EntryPoint entry) {
    bool& reported = g_reportedMissing[static_cast<size_t>(entry)];
    if (reported) return;
    reported = true;
    TraceOut("[Zelvin] missing entry point %s\n", EntryPointName(entry));
}

void ForgetReportedMissingEntryPoints() { g_reportedMissing.fill(false); }

}  // namespace nvap

namespace {

template <typename Fn>
Fn FindEntryPoint(void* library, const char* name, Fn fallback) {
    void* address = zelvin::CurrentPlatform().FindExport(library, name);
    return address ? reinterpret_cast<Fn>(address) : fallback;
}

void ClearText(char* field, size_t size) { std::memset(field, 0, size); }

}  // namespace

bool CNvApApi::LoadDll(const char* path) {
    LoadSettings(m_Settings);
    if (!path || !*path) return false;
    void* library = zelvin::CurrentPlatform().LoadLibraryFromPath(path);
    if (!library) return false;
    m_hLibrary = library;
#define NVAP_BIND_SLOT(name, params) \
    name = FindEntryPoint(library, #name, &nvap::MissingEntryPoint<nvap::EntryPoint::name, nvap::name##_fn>::Call);
    NVAP_ENTRY_POINTS(NVAP_BIND_SLOT)
#undef NVAP_BIND_SLOT
    ClearText(m_SelectedAdapter.DeviceDesc, sizeof m_SelectedAdapter.DeviceDesc);
    ClearText(m_SelectedAdapter.HardwareId, sizeof m_SelectedAdapter.HardwareId);
    ClearText(m_SelectedAdapter.ExtraText1, sizeof m_SelectedAdapter.ExtraText1);
    ClearText(m_SelectedAdapter.ExtraText2, sizeof m_SelectedAdapter.ExtraText2);
    return true;
}

bool CNvApApi::IsBound(const char* entryPointName) const {
    if (!entryPointName) return false;
#define NVAP_CHECK_SLOT(name, params)                                                                   \
    if (std::strcmp(entryPointName, #name) == 0) {                                                     \
        return name != &nvap::MissingEntryPoint<nvap::EntryPoint::name, nvap::name##_fn>::Call;        \
    }
    NVAP_ENTRY_POINTS(NVAP_CHECK_SLOT)
#undef NVAP_CHECK_SLOT
    return false;
}
