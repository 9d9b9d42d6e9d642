// UTF-8 <-> wchar_t at the Win32 edge (wchar_t is UTF-16 on Windows).
#pragma once

#include <string>
#include <string_view>

#include "platform/utf.h"

namespace zelvin {

inline std::wstring ToWide(std::string_view utf8) {
    std::u16string u16 = Utf8ToUtf16(utf8);
    return std::wstring(u16.begin(), u16.end());
}

inline std::string ToUtf8(std::wstring_view wide) {
    return Utf16ToUtf8(std::u16string_view(reinterpret_cast<const char16_t*>(wide.data()), wide.size()));
}

}  // namespace zelvin
