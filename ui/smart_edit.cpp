#include "ui/smart_edit.h"

#include "toolkit/backend.h"
#include "toolkit/window_ops.h"

namespace {

char32_t UpperAscii(char32_t ch) { return ch >= U'a' && ch <= U'z' ? ch - U'a' + U'A' : ch; }

bool Accepted(uint16_t mask, char32_t ch) {
    zelvin::tk::Backend& system = zelvin::tk::CurrentBackend();
    return (SmartEditClassBits(ch, system.IsLetter(ch), system.IsLetterOrDigit(ch)) & mask) != 0;
}

}  // namespace

uint16_t SmartEditClassBits(char32_t ch, bool isAlpha, bool isAlphaNumeric) {
    if (ch < 0x20) return kSmartEditAll;  // backspace, tab, return always pass
    if (isAlphaNumeric && !isAlpha) return 0x55;
    if (isAlpha) {
        char32_t upper = UpperAscii(ch);
        if (upper == U'E') return 0x46;
        if (upper >= U'A' && upper <= U'F') return 0x42;
        return 0x02;
    }
    switch (ch) {
        case U'-':
            return 0x14;
        case U'.':
            return 0x04;
        case U'_':
            return 0x28;
        default:
            return 0x08;
    }
}

CSmartEdit::CSmartEdit() : state_(std::make_shared<State>()) {}

void CSmartEdit::Attach(zelvin::tk::Dialog& dialog, int controlId) {
    std::shared_ptr<State> state = state_;
    dialog.Item(controlId).SetCharFilter([state](char32_t ch) {
        if (Accepted(state->mask, ch)) return true;
        zelvin::tk::WarningBeep();
        return false;
    });
}

bool CSmartEdit::Accepts(char32_t ch) const { return Accepted(state_->mask, ch); }
