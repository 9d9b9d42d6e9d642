// Helper of the Windows smoke test: a second process that loads the DLL by
// full path and stores an SSID given on its command line.
#include <windows.h>

#include <cstring>
#include <string>

#include "core/nvap_entry_points.h"

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) return 2;
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
    path = path.substr(0, path.find_last_of(L'\\') + 1) + L"NvAPAPI.dll";
    HMODULE dll = LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!dll) return 3;
    auto read = reinterpret_cast<nvap::NVAP_ReadConfigData_fn>(
        reinterpret_cast<void*>(GetProcAddress(dll, "NVAP_ReadConfigData")));
    auto write = reinterpret_cast<nvap::NVAP_WriteandSetConfigData_fn>(
        reinterpret_cast<void*>(GetProcAddress(dll, "NVAP_WriteandSetConfigData")));
    if (!read || !write) return 4;
    AP_CONFIG_DATA cfg{};
    read(&cfg);
    std::string ssid;
    for (const wchar_t* c = argv[1]; *c && ssid.size() < 32; ++c) ssid += static_cast<char>(*c);
    std::memset(cfg.Ssid, 0, sizeof cfg.Ssid);
    std::memcpy(cfg.Ssid, ssid.data(), ssid.size());
    cfg.SsidLength = static_cast<uint32_t>(ssid.size());
    return write(cfg, AP_CONFIG_EXT{}) == 1 ? 0 : 5;
}
