#include "platform/platform.h"

namespace zelvin {

Platform* CreateDefaultPlatform();  // one per backend: Win32 or in-memory

namespace {
Platform* g_platform = nullptr;
}

Platform& CurrentPlatform() {
    if (!g_platform) g_platform = CreateDefaultPlatform();
    return *g_platform;
}

void SetCurrentPlatform(Platform* platform) { g_platform = platform; }

}  // namespace zelvin
