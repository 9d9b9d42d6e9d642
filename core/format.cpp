#include "core/format.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

namespace {

enum class Size { Default, Char, Short, Long, LongLong, Pointer };

struct FieldSpec {
    bool leftAlign = false;
    bool plusSign = false;
    bool spaceSign = false;
    bool alternate = false;
    bool zeroPad = false;
    int width = 0;
    int precision = -1;  // -1: none given
    Size size = Size::Default;
};

// Appends up to a fixed bound and remembers when it was reached.
class BoundedText {
public:
    explicit BoundedText(size_t maxChars) : maxChars_(maxChars) {}

    void Append(std::string_view text) {
        const size_t room = maxChars_ - text_.size();
        text_.append(text.substr(0, room));
    }
    void Repeat(char c, size_t count) {
        const size_t room = maxChars_ - text_.size();
        text_.append(count < room ? count : room, c);
    }
    bool Full() const { return text_.size() >= maxChars_; }
    std::string Take() { return std::move(text_); }

private:
    size_t maxChars_;
    std::string text_;
};

// Reads "123" or "*" (taken from the arguments); -1 when neither is there.
int ReadCount(const char*& p, va_list& args, bool& fromArgument) {
    fromArgument = false;
    if (*p == '*') {
        ++p;
        fromArgument = true;
        return va_arg(args, int);
    }
    if (*p < '0' || *p > '9') return -1;
    int value = 0;
    while (*p >= '0' && *p <= '9') {
        if (value <= kMaxFieldWidth) value = value * 10 + (*p - '0');
        ++p;
    }
    return value;
}

int HoldToMax(int value) { return value > kMaxFieldWidth ? kMaxFieldWidth : value; }

void ReadFlags(const char*& p, FieldSpec& fieldSpec) {
    for (;; ++p) {
        switch (*p) {
        case '-': fieldSpec.leftAlign = true; break;
        case '+': fieldSpec.plusSign = true; break;
        case ' ': fieldSpec.spaceSign = true; break;
        case '#': fieldSpec.alternate = true; break;
        case '0': fieldSpec.zeroPad = true; break;
        default: return;
        }
    }
}

void ReadWidthAndPrecision(const char*& p, va_list& args, FieldSpec& fieldSpec) {
    bool fromArgument = false;
    int width = ReadCount(p, args, fromArgument);
    if (width < 0 && fromArgument) {  // a negative "*" width means left-aligned
        fieldSpec.leftAlign = true;
        width = width == INT_MIN ? kMaxFieldWidth : -width;
    }
    fieldSpec.width = width < 0 ? 0 : HoldToMax(width);
    if (*p != '.') return;
    ++p;
    const int precision = ReadCount(p, args, fromArgument);
    if (precision < 0) fieldSpec.precision = fromArgument ? -1 : 0;  // "%.d" means precision 0
    else fieldSpec.precision = HoldToMax(precision);
}

void ReadSize(const char*& p, FieldSpec& fieldSpec) {
    if (std::strncmp(p, "I64", 3) == 0) { fieldSpec.size = Size::LongLong; p += 3; return; }
    if (std::strncmp(p, "I32", 3) == 0) { fieldSpec.size = Size::Default; p += 3; return; }
    switch (*p) {
    case 'I': fieldSpec.size = Size::Pointer; ++p; return;
    case 'h':
        ++p;
        if (*p == 'h') { fieldSpec.size = Size::Char; ++p; }
        else fieldSpec.size = Size::Short;
        return;
    case 'l':
        ++p;
        if (*p == 'l') { fieldSpec.size = Size::LongLong; ++p; }
        else fieldSpec.size = Size::Long;
        return;
    default: return;
    }
}

// Pads prefix and body to the field width. The Windows runtime pads with
// zeros whenever "0" is given without "-": after a precision, and for texts
// and characters too.
void AppendField(BoundedText& out, const FieldSpec& fieldSpec, std::string_view prefix, std::string_view digits) {
    const size_t length = prefix.size() + digits.size();
    const size_t padding = fieldSpec.width > 0 && static_cast<size_t>(fieldSpec.width) > length ? fieldSpec.width - length : 0;
    if (fieldSpec.leftAlign) {
        out.Append(prefix);
        out.Append(digits);
        out.Repeat(' ', padding);
    } else if (fieldSpec.zeroPad) {
        out.Append(prefix);
        out.Repeat('0', padding);
        out.Append(digits);
    } else {
        out.Repeat(' ', padding);
        out.Append(prefix);
        out.Append(digits);
    }
}

std::string Digits(uint64_t value, unsigned base, bool upper) {
    const char* alphabet = upper ? "0123456789ABCDEF" : "0123456789abcdef";
    char reversed[64];
    size_t count = 0;
    do {
        reversed[count++] = alphabet[value % base];
        value /= base;
    } while (value != 0);
    std::string digits;
    while (count > 0) digits.push_back(reversed[--count]);
    return digits;
}

void AppendInteger(BoundedText& out, const FieldSpec& fieldSpec, bool negative, uint64_t magnitude, char conversion) {
    const bool isSigned = conversion == 'd' || conversion == 'i';
    const unsigned base = conversion == 'o' ? 8 : (conversion == 'x' || conversion == 'X' || conversion == 'p') ? 16 : 10;
    std::string digits = Digits(magnitude, base, conversion == 'X' || conversion == 'p');
    if (fieldSpec.precision == 0 && magnitude == 0) digits.clear();
    if (fieldSpec.precision > 0 && digits.size() < static_cast<size_t>(fieldSpec.precision)) {
        digits.insert(0, fieldSpec.precision - digits.size(), '0');
    }
    std::string prefix;
    if (isSigned) {
        if (negative) prefix = "-";
        else if (fieldSpec.plusSign) prefix = "+";
        else if (fieldSpec.spaceSign) prefix = " ";
    }
    if (fieldSpec.alternate && magnitude != 0) {
        if (conversion == 'x') prefix = "0x";
        if (conversion == 'X') prefix = "0X";
        if (conversion == 'o' && digits.front() != '0') digits.insert(0, 1, '0');
    }
    AppendField(out, fieldSpec, prefix, digits);
}

void AppendSigned(BoundedText& out, const FieldSpec& fieldSpec, va_list& args, char conversion) {
    int64_t value = 0;
    switch (fieldSpec.size) {
    case Size::Char: value = static_cast<signed char>(va_arg(args, int)); break;
    case Size::Short: value = static_cast<short>(va_arg(args, int)); break;
    case Size::Long: value = va_arg(args, long); break;
    case Size::LongLong: value = va_arg(args, long long); break;
    case Size::Pointer: value = va_arg(args, intptr_t); break;
    case Size::Default: value = va_arg(args, int); break;
    }
    // The magnitude of INT64_MIN does not fit in int64_t: negate as unsigned.
    const uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    AppendInteger(out, fieldSpec, value < 0, magnitude, conversion);
}

void AppendUnsigned(BoundedText& out, const FieldSpec& fieldSpec, va_list& args, char conversion) {
    uint64_t value = 0;
    switch (fieldSpec.size) {
    case Size::Char: value = static_cast<unsigned char>(va_arg(args, unsigned int)); break;
    case Size::Short: value = static_cast<unsigned short>(va_arg(args, unsigned int)); break;
    case Size::Long: value = va_arg(args, unsigned long); break;
    case Size::LongLong: value = va_arg(args, unsigned long long); break;
    case Size::Pointer: value = va_arg(args, uintptr_t); break;
    case Size::Default: value = va_arg(args, unsigned int); break;
    }
    AppendInteger(out, fieldSpec, false, value, conversion);
}

void AppendPointer(BoundedText& out, FieldSpec fieldSpec, va_list& args) {
    const auto value = reinterpret_cast<uintptr_t>(va_arg(args, void*));
    fieldSpec.precision = static_cast<int>(2 * sizeof(void*));
    fieldSpec.alternate = false;
    AppendInteger(out, fieldSpec, false, value, 'p');
}

void AppendChar(BoundedText& out, const FieldSpec& fieldSpec, va_list& args) {
    const char c = static_cast<char>(va_arg(args, int));
    AppendField(out, fieldSpec, {}, std::string_view(&c, 1));
}

void AppendText(BoundedText& out, const FieldSpec& fieldSpec, va_list& args) {
    const char* text = va_arg(args, const char*);
    if (!text) text = "(null)";
    // Never read past the precision: the text need not be terminated there.
    size_t length = 0;
    if (fieldSpec.precision < 0) {
        length = std::strlen(text);
    } else {
        const void* end = std::memchr(text, '\0', static_cast<size_t>(fieldSpec.precision));
        length = end ? static_cast<const char*>(end) - text : static_cast<size_t>(fieldSpec.precision);
    }
    AppendField(out, fieldSpec, {}, std::string_view(text, length));
}

// Fixed-point text of |value| with `decimals` digits after the point: the
// first 17 significant digits, rounded half away from zero from there.
std::string FixedDigits(double value, int decimals) {
    char scientific[64];
    const auto result = std::to_chars(scientific, scientific + sizeof scientific, value, std::chars_format::scientific, 16);
    const std::string_view text(scientific, result.ptr - scientific);  // d.ddddddddddddddde+XX
    const size_t e = text.find('e');
    std::string digits = std::string(1, text[0]) + std::string(text.substr(2, e - 2));
    int exponent = 0;
    const char* exponentText = text.data() + e + 1;
    if (*exponentText == '+') ++exponentText;
    std::from_chars(exponentText, text.data() + text.size(), exponent);
    // Lead with zeros so that digits[0] is the units digit.
    if (exponent < 0) {
        digits.insert(0, static_cast<size_t>(-exponent), '0');
        exponent = 0;
    }
    const size_t keep = static_cast<size_t>(exponent) + 1 + static_cast<size_t>(decimals);
    const bool roundUp = keep < digits.size() && digits[keep] >= '5';
    digits.resize(keep, '0');
    if (roundUp) {
        size_t i = keep;
        while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
        if (i > 0) ++digits[i - 1];
        else {
            digits.insert(0, 1, '1');
            ++exponent;
        }
    }
    const size_t wholeDigits = static_cast<size_t>(exponent) + 1;
    if (decimals == 0) return digits;
    return digits.substr(0, wholeDigits) + "." + digits.substr(wholeDigits);
}

void AppendFloat(BoundedText& out, const FieldSpec& fieldSpec, va_list& args) {
    const double value = va_arg(args, double);
    const int decimals = fieldSpec.precision < 0 ? 6 : fieldSpec.precision;
    const bool negative = value < 0 || (value == 0 && std::signbit(value));
    std::string digits;
    if (std::isnan(value)) digits = "nan";
    else if (std::isinf(value)) digits = "inf";
    else digits = FixedDigits(negative ? -value : value, decimals);
    if (fieldSpec.alternate && decimals == 0 && digits.find('.') == std::string::npos) digits.push_back('.');
    std::string prefix;
    if (negative) prefix = "-";
    else if (fieldSpec.plusSign) prefix = "+";
    else if (fieldSpec.spaceSign) prefix = " ";
    AppendField(out, fieldSpec, prefix, digits);
}

// Formats one conversion; false when the character is not one we know.
bool AppendConversion(BoundedText& out, const FieldSpec& fieldSpec, char conversion, va_list& args) {
    switch (conversion) {
    case 'd': case 'i': AppendSigned(out, fieldSpec, args, conversion); return true;
    case 'u': case 'x': case 'X': case 'o': AppendUnsigned(out, fieldSpec, args, conversion); return true;
    case 'p': AppendPointer(out, fieldSpec, args); return true;
    case 'c': AppendChar(out, fieldSpec, args); return true;
    case 's': AppendText(out, fieldSpec, args); return true;
    case 'f': AppendFloat(out, fieldSpec, args); return true;
    case '%': out.Append("%"); return true;
    default: return false;
    }
}

}  // namespace

std::string FormatStringV(const char* format, va_list args, size_t maxChars) {
    BoundedText out(maxChars);
    if (!format) return out.Take();
    va_list work;
    va_copy(work, args);
    const char* p = format;
    while (*p && !out.Full()) {
        const char* percent = std::strchr(p, '%');
        if (!percent) {
            out.Append(p);
            break;
        }
        out.Append(std::string_view(p, percent - p));
        const char* cursor = percent + 1;
        FieldSpec fieldSpec;
        ReadFlags(cursor, fieldSpec);
        ReadWidthAndPrecision(cursor, work, fieldSpec);
        ReadSize(cursor, fieldSpec);
        if (*cursor == '\0') {
            out.Append(percent);
            break;
        }
        if (!AppendConversion(out, fieldSpec, *cursor, work)) out.Append(std::string_view(percent, cursor + 1 - percent));
        p = cursor + 1;
    }
    va_end(work);
    return out.Take();
}

std::string FormatString(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = FormatStringV(format, args);
    va_end(args);
    return text;
}
