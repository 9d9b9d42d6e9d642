#include "toolkit/backend.h"

#include <cstdlib>

namespace zelvin::tk {

namespace {
Backend* g_backend = nullptr;
}

Backend& CurrentBackend() {
    // Running any window code before a backend is installed is a program
    // fault that no caller could recover from.
    if (g_backend == nullptr) std::abort();
    return *g_backend;
}

void SetCurrentBackend(Backend* backend) { g_backend = backend; }

}  // namespace zelvin::tk
