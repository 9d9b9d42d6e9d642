// Lists whose entries stand for codes: the code is attached to each entry as
// its item data, and the code, not the position, is what callers keep.
#pragma once

#include <string_view>

#include "toolkit/control.h"

namespace zelvin::tk {

// The number attached to entry index, also stored in value; kNoItem (and
// value kNoItem) for an index that is not an entry.
int GetComboItemData(const Control& list, int index, int& value);
// The first entry, from index 0 upwards, whose number equals value;
// kNoItem when there is none.
int FindComboItemByData(const Control& list, int value);
// Appends text (at its sorted place if the list sorts) with value attached.
void AddComboItemWithData(Control& list, std::string_view text, int value);

}  // namespace zelvin::tk
