// The access-control record built from the driver store's policy and list
// texts, as card initialisation pushes it into the running driver.
#pragma once

#include <cstddef>

#include "core/nvap_records.h"

constexpr std::size_t kAccessTextBytes = 1024;

// The leading decimal integer of a zero-terminated text in a buffer of
// `bufferBytes`; 0 when it has none. Never reads past the buffer.
unsigned ParseLeadingDecimal(const char* text, std::size_t bufferBytes);

// Walks the stored list: one zero-terminated string of 12 hexadecimal digits
// per address, ended by an empty string, at most 32 addresses. The store is
// not trusted: a string that runs to the end of the buffer ends the walk, and a
// string shorter than 12 characters or with other characters is skipped.
// A policy without any decoded address is sent as policy 0.
KX_802_11_ACCESS_CONTROL AccessControlFromStore(unsigned policy, const char* listText, std::size_t bufferBytes);
