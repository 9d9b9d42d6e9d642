#include "simdriver/ba_capability.h"

namespace simdrv {

uint32_t PackBaCapability(const KX_802_11_BA_CAPABILITY& cap) {
    uint32_t word = cap.CarriedByte0;
    word |= uint32_t{cap.CarriedByte1} << 8;
    word |= uint32_t{cap.AutoBA & 1u} << 16;
    word |= uint32_t{cap.Policy & 3u} << 17;
    word |= uint32_t{cap.MpduDensity & 7u} << 19;
    word |= uint32_t{cap.AmsduEnable & 1u} << 22;
    word |= uint32_t{cap.AmsduSize & 1u} << 23;
    word |= uint32_t{cap.MmpsMode & 3u} << 24;
    return word;
}

KX_802_11_BA_CAPABILITY UnpackBaCapability(uint32_t word) {
    KX_802_11_BA_CAPABILITY cap{};
    cap.CarriedByte0 = static_cast<unsigned char>(word & 0xFF);
    cap.CarriedByte1 = static_cast<unsigned char>((word >> 8) & 0xFF);
    cap.AutoBA = static_cast<unsigned char>((word >> 16) & 1u);
    cap.Policy = static_cast<unsigned char>((word >> 17) & 3u);
    cap.MpduDensity = static_cast<unsigned char>((word >> 19) & 7u);
    cap.AmsduEnable = static_cast<unsigned char>((word >> 22) & 1u);
    cap.AmsduSize = static_cast<unsigned char>((word >> 23) & 1u);
    cap.MmpsMode = static_cast<unsigned char>((word >> 24) & 3u);
    return cap;
}

KX_802_11_BA_CAPABILITY DefaultBaCapability() {
    KX_802_11_BA_CAPABILITY cap{};
    cap.CarriedByte0 = 32;
    cap.CarriedByte1 = 32;
    cap.Policy = 1;
    cap.MpduDensity = 5;
    cap.AmsduEnable = 0;
    cap.AmsduSize = 0;
    cap.MmpsMode = 3;
    cap.AutoBA = 1;
    return cap;
}

}  // namespace simdrv
