// The exchange between a dialog's members and its controls, with the
// framework's checks and prompts. When a check fails, its prompt is shown,
// the focus goes to the control, and every later step of the same exchange
// does nothing.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "toolkit/dialog.h"

namespace zelvin::tk {

// The framework's own prompts ("%1" and "%2" are replaced by the numbers).
inline constexpr std::string_view kPromptInteger = "Please enter an integer.";
inline constexpr std::string_view kPromptUnsigned = "Please enter a positive integer.";
inline constexpr std::string_view kPromptRange = "Please enter an integer between %1 and %2.";
inline constexpr std::string_view kPromptMaxChars = "Please enter no more than %1 characters.";

// Replaces %1, %2, ... by the arguments, in the way of the platform's
// message formatter.
std::string FormatPrompt(std::string_view pattern, const std::vector<std::string>& arguments);

// Caption of the prompts' message boxes (the program sets its own name).
void SetPromptCaption(std::string caption);
const std::string& PromptCaption();

class DataExchange {
public:
    DataExchange(Dialog& dialog, bool saving) : dialog_(dialog), saving_(saving) {}

    bool Saving() const { return saving_; }
    bool Failed() const { return failed_; }

    // Edits and labels.
    void Text(int id, std::string& value);
    // "Please enter an integer." unless the text is a whole number (blanks
    // round it allowed) within the range of int.
    void Text(int id, int& value);
    // "Please enter a positive integer." unless the text is plain decimal
    // digits (blanks round them allowed) within the range of unsigned.
    void Text(int id, unsigned& value);
    // On saving, refuses more than maxChars characters (as the platform
    // counts them, UTF-16 units); on loading, limits the edit.
    void MaxChars(int id, const std::string& value, int maxChars);
    // The same with the length counted in UTF-8 bytes, as the text will be
    // stored (an SSID is at most 32 bytes).
    void MaxBytes(int id, const std::string& value, int maxBytes);
    // On saving, "Please enter an integer between %1 and %2." outside min..max.
    void Range(int id, int value, int minValue, int maxValue);
    void Range(int id, unsigned value, unsigned minValue, unsigned maxValue);

    // Check boxes: 0 or 1.
    void Check(int id, int& value);
    // The radio group starting at firstId: index of the checked button,
    // -1 when none is checked.
    void Radio(int firstId, int& value);

    // Combo boxes and list boxes by position.
    void ComboIndex(int id, int& value);
    // By text: saving reads the selected (or typed) text; loading selects
    // the first item that begins with the text, ignoring case, and leaves
    // the selection as it was when none does (an editable combo takes the
    // text into its edit).
    void ComboText(int id, std::string& value);
    // As ComboText, matching the whole text.
    void ComboTextExact(int id, std::string& value);

    // A check of the page's own: shows prompt, focuses the control, fails.
    void Fail(int id, std::string_view prompt);

private:
    bool Skip() const { return failed_; }
    Dialog& dialog_;
    bool saving_;
    bool failed_ = false;
};

}  // namespace zelvin::tk
