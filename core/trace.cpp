#include "core/trace.h"

#include <cstdarg>
#include <string>

#include "core/format.h"
#include "core/nvap_binding.h"
#include "platform/platform.h"

int TraceOut(const char* format, ...) {
    va_list args;
    va_start(args, format);
    const std::string line = FormatStringV(format, args, kTraceLineChars);
    va_end(args);
    if (NVAPAPI.m_Settings.debugMode) zelvin::CurrentPlatform().DebugOutput(line);
    return static_cast<int>(line.size());
}
