#include "toolkit/exchange.h"

#include <cctype>
#include <climits>
#include <cstdint>

#include "platform/utf.h"
#include "toolkit/window_ops.h"

namespace zelvin::tk {

namespace {

std::string& PromptCaptionStorage() {
    static std::string caption = "Zelvin";
    return caption;
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// Plain decimal digits, no sign; false when empty or above limit.
bool ParseDigits(std::string_view digits, uint64_t limit, uint64_t& value) {
    if (digits.empty()) return false;
    value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + static_cast<uint64_t>(c - '0');
        if (value > limit) return false;
    }
    return true;
}

bool ParseInt(std::string_view text, int& value) {
    text = TrimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    uint64_t magnitude = 0;
    uint64_t limit = negative ? uint64_t{INT_MAX} + 1 : uint64_t{INT_MAX};
    if (!ParseDigits(text, limit, magnitude)) return false;
    int64_t signedValue = negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
    value = static_cast<int>(signedValue);
    return true;
}

bool ParseUnsigned(std::string_view text, unsigned& value) {
    uint64_t parsed = 0;
    if (!ParseDigits(TrimBlanks(text), UINT_MAX, parsed)) return false;
    value = static_cast<unsigned>(parsed);
    return true;
}

size_t Utf16Length(const std::string& text) { return Utf8ToUtf16(text).size(); }

}  // namespace

std::string FormatPrompt(std::string_view pattern, const std::vector<std::string>& arguments) {
    std::string out;
    for (size_t i = 0; i < pattern.size(); ++i) {
        char c = pattern[i];
        bool isInsert = c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9';
        if (!isInsert) {
            out += c;
            continue;
        }
        size_t argument = static_cast<size_t>(pattern[i + 1] - '1');
        if (argument < arguments.size()) out += arguments[argument];
        ++i;
    }
    return out;
}

void SetPromptCaption(std::string caption) { PromptCaptionStorage() = std::move(caption); }
const std::string& PromptCaption() { return PromptCaptionStorage(); }

void DataExchange::Fail(int id, std::string_view prompt) {
    if (failed_) return;
    failed_ = true;
    ShowMessageBox(dialog_.Handle(), prompt, PromptCaption(), kMbOk | kMbIconExclamation);
    Control& control = dialog_.Item(id);
    control.SetFocus();
    if (control.Kind() == ControlKind::Edit) control.SelectAll();
}

void DataExchange::Text(int id, std::string& value) {
    if (Skip()) return;
    if (saving_) {
        value = dialog_.Item(id).Text();
    } else {
        dialog_.Item(id).SetText(value);
    }
}

void DataExchange::Text(int id, int& value) {
    if (Skip()) return;
    if (!saving_) {
        dialog_.Item(id).SetText(std::to_string(value));
        return;
    }
    int parsed = 0;
    if (ParseInt(dialog_.Item(id).Text(), parsed)) {
        value = parsed;
    } else {
        Fail(id, kPromptInteger);
    }
}

void DataExchange::Text(int id, unsigned& value) {
    if (Skip()) return;
    if (!saving_) {
        dialog_.Item(id).SetText(std::to_string(value));
        return;
    }
    unsigned parsed = 0;
    if (ParseUnsigned(dialog_.Item(id).Text(), parsed)) {
        value = parsed;
    } else {
        Fail(id, kPromptUnsigned);
    }
}

void DataExchange::MaxChars(int id, const std::string& value, int maxChars) {
    if (Skip()) return;
    if (!saving_) {
        dialog_.Item(id).SetLimitText(maxChars);
        return;
    }
    if (Utf16Length(value) > static_cast<size_t>(maxChars)) {
        Fail(id, FormatPrompt(kPromptMaxChars, {std::to_string(maxChars)}));
    }
}

void DataExchange::MaxBytes(int id, const std::string& value, int maxBytes) {
    if (Skip()) return;
    if (!saving_) {
        // Every UTF-16 unit takes at least one byte, so this limit never
        // keeps out a text that fits.
        dialog_.Item(id).SetLimitText(maxBytes);
        return;
    }
    if (value.size() > static_cast<size_t>(maxBytes)) {
        Fail(id, FormatPrompt(kPromptMaxChars, {std::to_string(maxBytes)}));
    }
}

void DataExchange::Range(int id, int value, int minValue, int maxValue) {
    if (Skip() || !saving_) return;
    if (value < minValue || value > maxValue) {
        Fail(id, FormatPrompt(kPromptRange, {std::to_string(minValue), std::to_string(maxValue)}));
    }
}

void DataExchange::Range(int id, unsigned value, unsigned minValue, unsigned maxValue) {
    if (Skip() || !saving_) return;
    if (value < minValue || value > maxValue) {
        Fail(id, FormatPrompt(kPromptRange, {std::to_string(minValue), std::to_string(maxValue)}));
    }
}

void DataExchange::Check(int id, int& value) {
    if (Skip()) return;
    if (saving_) {
        value = dialog_.Item(id).Check();
    } else {
        dialog_.Item(id).SetCheck(value);
    }
}

void DataExchange::Radio(int firstId, int& value) {
    if (Skip()) return;
    std::vector<int> group = RadioGroup(dialog_.Layout(), firstId);
    if (saving_) {
        value = -1;
        for (size_t i = 0; i < group.size(); ++i) {
            if (dialog_.Item(group[i]).Check() == 1) {
                value = static_cast<int>(i);
                break;
            }
        }
        return;
    }
    for (size_t i = 0; i < group.size(); ++i) {
        dialog_.Item(group[i]).SetCheck(static_cast<int>(i) == value ? 1 : 0);
    }
}

void DataExchange::ComboIndex(int id, int& value) {
    if (Skip()) return;
    if (saving_) {
        value = dialog_.Item(id).Selection();
    } else {
        dialog_.Item(id).Select(value);
    }
}

void DataExchange::ComboText(int id, std::string& value) {
    if (Skip()) return;
    Control& combo = dialog_.Item(id);
    if (saving_) {
        value = combo.Text();
        return;
    }
    int found = combo.FindPrefix(value);
    if (found != kNoItem) {
        combo.Select(found);
    } else if (combo.Kind() == ControlKind::DropDownCombo) {
        combo.SetText(value);
    }
}

void DataExchange::ComboTextExact(int id, std::string& value) {
    if (Skip()) return;
    Control& combo = dialog_.Item(id);
    if (saving_) {
        value = combo.Text();
        return;
    }
    int found = combo.FindExact(value);
    if (found != kNoItem) {
        combo.Select(found);
    } else if (combo.Kind() == ControlKind::DropDownCombo) {
        combo.SetText(value);
    }
}

}  // namespace zelvin::tk
