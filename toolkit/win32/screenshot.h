// Saves what a window shows as a PNG file, for looking at pages under Wine.
#pragma once

#include "toolkit/win32/win32_headers.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zelvin::tk {

struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;  // top row first, 3 bytes a pixel
};

// The window with its frame, as drawn on the screen; empty when it cannot be read.
Pixels CaptureWindow(HWND window);

// An uncompressed PNG (stored deflate blocks): simple, and exact.
bool WritePng(const Pixels& pixels, const std::wstring& path);

}  // namespace zelvin::tk
