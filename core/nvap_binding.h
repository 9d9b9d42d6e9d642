// The binding to the driver library: one process-wide object holding the
// library handle, the selected adapter, the program settings and one slot
// per entry point. Callers go straight through the slots:
//   NVAPAPI.NVAP_IsDeviceExist(&NVAPAPI.m_SelectedAdapter)
#pragma once

#include "core/nvap_entry_points.h"
#include "core/settings.h"

namespace nvap {

// Entry points by position in binding order.
enum class EntryPoint {
#define NVAP_ENUMERATE(name, params) name,
    NVAP_ENTRY_POINTS(NVAP_ENUMERATE)
#undef NVAP_ENUMERATE
};

// The exported name of an entry point.
const char* EntryPointName(EntryPoint entry);

// What an empty slot holds: returns 0 and traces
// "[Zelvin] missing entry point <name>\n" the first time it is called.
template <EntryPoint Entry, typename Fn>
struct MissingEntryPoint;

void ReportMissingEntryPoint(EntryPoint entry);

template <EntryPoint Entry, typename... Args>
struct MissingEntryPoint<Entry, int(NVAP_CALL*)(Args...)> {
    static int NVAP_CALL Call(Args...) {
        ReportMissingEntryPoint(Entry);
        return 0;
    }
};

// Lets a missing entry point be reported again (for tests).
void ForgetReportedMissingEntryPoints();

}  // namespace nvap

class CNvApApi {
public:
    // Reads the settings (always, whatever the path), then loads the library
    // from exactly `path` and binds every entry point it exports. A missing
    // export leaves its slot empty and does not fail the load. False when
    // there is no path or the library does not load.
    bool LoadDll(const char* path);

    // Whether the named entry point's slot holds the library's function.
    bool IsBound(const char* entryPointName) const;

    void* m_hLibrary = nullptr;
    AVAILABLE_DEV m_SelectedAdapter{};
    ProgramSettings m_Settings;

    // One slot per entry point, never null: an empty slot holds a fallback.
#define NVAP_DECLARE_SLOT(name, params) \
    nvap::name##_fn name = &nvap::MissingEntryPoint<nvap::EntryPoint::name, nvap::name##_fn>::Call;
    NVAP_ENTRY_POINTS(NVAP_DECLARE_SLOT)
#undef NVAP_DECLARE_SLOT
};

extern CNvApApi NVAPAPI;
