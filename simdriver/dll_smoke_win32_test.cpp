// NvAPAPI.dll under Wine: loaded by full path in two processes, it exports
// every entry point and keeps its store between them.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "core/nvap_entry_points.h"

namespace {

std::wstring OwnFolder() {
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
    return path.substr(0, path.find_last_of(L'\\') + 1);
}

template <typename Fn>
Fn Export(HMODULE dll, const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(dll, name)));
}

DWORD RunAndWait(const std::wstring& program, const std::wstring& argument) {
    std::wstring commandLine = L"\"" + program + L"\" " + argument;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return 1000 + GetLastError();
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 999;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

TEST(SimulatedDll, ExportsEverythingAndKeepsItsStoreAcrossProcesses) {
    wchar_t temp[MAX_PATH];
    ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
    const std::wstring store = std::wstring(temp) + L"zelvin-simdrv-" + std::to_wstring(GetCurrentProcessId());
    SetEnvironmentVariableW(L"NVAPAPI_SIM_STORE_DIR", store.c_str());
    SetEnvironmentVariableW(L"NVAPAPI_SIM_SCENARIO", nullptr);

    ASSERT_EQ(RunAndWait(OwnFolder() + L"simdriver_store_child.exe", L"written-by-another"), 0u);

    const std::wstring dllPath = OwnFolder() + L"NvAPAPI.dll";
    HMODULE dll = LoadLibraryExW(dllPath.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    ASSERT_NE(dll, nullptr);
#define SIMDRV_EXPECT_EXPORT(name, params) EXPECT_NE(Export<nvap::name##_fn>(dll, #name), nullptr) << #name;
    NVAP_ENTRY_POINTS(SIMDRV_EXPECT_EXPORT)
#undef SIMDRV_EXPECT_EXPORT

    AP_CONFIG_DATA cfg{};
    Export<nvap::NVAP_ReadConfigData_fn>(dll, "NVAP_ReadConfigData")(&cfg);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(cfg.Ssid), cfg.SsidLength), "written-by-another");

    char driverPath[256] = {};
    AVAILABLE_DEV dev{};
    ASSERT_EQ(Export<nvap::NVAP_GetDriverPath_fn>(dll, "NVAP_GetDriverPath")(&dev, driverPath), 1);
    EXPECT_EQ(Export<nvap::NVAP_IsFileExist_fn>(dll, "NVAP_IsFileExist")(driverPath), 1) << driverPath;
    EXPECT_GE(Export<nvap::NVAP_GetWinOS_fn>(dll, "NVAP_GetWinOS")(), 5);

    FreeLibrary(dll);
    DeleteFileW((store + L"\\NvAPAPI-sim-store.txt").c_str());
    RemoveDirectoryW(store.c_str());
}

}  // namespace
