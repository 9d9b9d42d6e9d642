// UTF-8 inside the logic, UTF-16 at the Win32 edge.
#pragma once

#include <string>
#include <string_view>

namespace zelvin {

// Invalid input never fails: bad sequences become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

}  // namespace zelvin
