#include "app/tooltip_text.h"

namespace {

constexpr size_t kTooltipUnits = 127;

// Length in bytes of the UTF-8 sequence that starts with `lead` (1 for a stray
// continuation byte, so a broken text still advances).
size_t SequenceLength(unsigned char lead) {
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

}  // namespace

std::string FormatWithoutArguments(std::string_view format) {
    std::string out;
    out.reserve(format.size());
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == '%') {
            out += '%';
            ++i;
        } else {
            out += format[i];
        }
    }
    return out;
}

std::string TooltipText(std::string_view format) {
    std::string text = FormatWithoutArguments(format);
    size_t units = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t length = SequenceLength(static_cast<unsigned char>(text[pos]));
        size_t needed = length == 4 ? 2 : 1;  // four-byte sequences need a surrogate pair
        if (units + needed > kTooltipUnits || pos + length > text.size()) break;
        units += needed;
        pos += length;
    }
    text.resize(pos);
    return text;
}
