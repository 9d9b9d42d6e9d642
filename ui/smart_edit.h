// CSmartEdit: an edit field that takes only typed characters of chosen
// classes; how hexadecimal fields (WEP keys, MAC addresses) refuse other
// characters as they are typed. Pasted text and text placed by the program
// are not filtered.
#pragma once

#include <cstdint>
#include <memory>

#include "toolkit/dialog.h"

// Class bits of a typed character. A character is taken when its bits and
// the filter mask share at least one bit.
enum SmartEditClass : uint16_t {
    kSmartEditDecimal = 0x01,     // decimal digits
    kSmartEditLetters = 0x02,     // letters
    kSmartEditFloat = 0x04,       // digits, E, point, minus
    kSmartEditOther = 0x08,       // any other character
    kSmartEditSigned = 0x10,      // digits and minus
    kSmartEditUnderscore = 0x20,  // underscore
    kSmartEditHex = 0x40,         // hexadecimal digits
    kSmartEditAll = 0xFFFF,
};

// The class bits of ch, given how the system classifies it.
uint16_t SmartEditClassBits(char32_t ch, bool isAlpha, bool isAlphaNumeric);

class CSmartEdit {
public:
    CSmartEdit();

    // Filters the typed characters of the dialog's edit controlId from now on.
    void Attach(zelvin::tk::Dialog& dialog, int controlId);
    // Applies to characters typed afterwards.
    void SetFilterMask(uint16_t mask) { state_->mask = mask; }
    uint16_t FilterMask() const { return state_->mask; }
    // Whether a typed ch would be taken, classified by the system.
    bool Accepts(char32_t ch) const;

private:
    struct State {
        uint16_t mask = kSmartEditAll;
    };
    // Shared with the control's filter, which may outlive this object.
    std::shared_ptr<State> state_;
};
