// The library's own trace lines, tagged "[NvAPAPI]", on the debug channel.
// Keys and passphrases never go through here.
#pragma once

#include "simdriver/host.h"

namespace simdrv {

#if defined(__GNUC__)
#define SIMDRV_PRINTF(fmt, args) __attribute__((format(printf, fmt, args)))
#else
#define SIMDRV_PRINTF(fmt, args)
#endif

void Trace(Host& host, const char* format, ...) SIMDRV_PRINTF(2, 3);

}  // namespace simdrv
