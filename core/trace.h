// Trace lines for the debug-output channel, written only when the DebugMode
// setting is on.
#pragma once

#include <cstddef>

// A trace line holds at most this many characters; a longer one is cut.
inline constexpr size_t kTraceLineChars = 511;

// Formats like the Windows C runtime (core/format.h) into one line of at
// most kTraceLineChars characters and sends it to the platform's debug
// output when NVAPAPI.m_Settings.debugMode is on. The line is formatted
// either way; returns its length.
int TraceOut(const char* format, ...);
