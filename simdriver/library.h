// The process-wide simulated adapter behind the exported entry points.
#pragma once

#include <memory>

#include "simdriver/sim_adapter.h"

namespace simdrv {

// Replaces the process-wide adapter; tests install one over a fake host.
// With nullptr the next call builds a fresh one over the system host.
void InstallAdapter(std::unique_ptr<SimAdapter> adapter);

}  // namespace simdrv
