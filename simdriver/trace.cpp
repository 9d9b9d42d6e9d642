#include "simdriver/trace.h"

#include <cstdarg>
#include <cstdio>
#include <string>

namespace simdrv {

void Trace(Host& host, const char* format, ...) {
    char body[480];
    va_list args;
    va_start(args, format);
    std::vsnprintf(body, sizeof body, format, args);
    va_end(args);
    std::string line = "[NvAPAPI] ";
    line += body;
    line += '\n';
    host.DebugOutput(line);
}

}  // namespace simdrv
