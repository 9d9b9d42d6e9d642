// The block-ack capability record and its packed 32-bit stored form.
#pragma once

#include <cstdint>

#include "core/nvap_records.h"

namespace simdrv {

uint32_t PackBaCapability(const KX_802_11_BA_CAPABILITY& cap);
KX_802_11_BA_CAPABILITY UnpackBaCapability(uint32_t word);

// Aggregation on, automatic set-up, density 5, A-MSDU off, SM power save off.
KX_802_11_BA_CAPABILITY DefaultBaCapability();

}  // namespace simdrv
