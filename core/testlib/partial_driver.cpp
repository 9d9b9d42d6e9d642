// A stand-in driver library for the binding tests: it exports only a few of
// the entry points, with results the tests can recognise.
#include "core/nvap_entry_points.h"

#if defined(_WIN32)
#define TEST_EXPORT extern "C" __declspec(dllexport)
#else
#define TEST_EXPORT extern "C" __attribute__((visibility("default")))
#endif

TEST_EXPORT int NVAP_CALL NVAP_GetWinOS(void) { return 10; }

TEST_EXPORT int NVAP_CALL NVAP_SetOPMode(int mode) { return 100 + mode; }

TEST_EXPORT int NVAP_CALL NVAP_GetMacAddrs(unsigned char* mac6) {
    const unsigned char address[6] = {0x02, 0x11, 0x22, 0x33, 0x44, 0x55};
    for (int i = 0; i < 6; ++i) mac6[i] = address[i];
    return 1;
}

// Records by value: proves both sides agree on how they travel.
TEST_EXPORT int NVAP_CALL NVAP_WriteandSetConfigData(AP_CONFIG_DATA cfg, AP_CONFIG_EXT ext) {
    return static_cast<int>(cfg.SsidLength * 1000 + cfg.Ssid[31] * 10 + ext.nIdleTime);
}

TEST_EXPORT int NVAP_CALL NVAP_DisableDhcpServer(void) { return 76; }
