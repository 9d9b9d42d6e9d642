#include "toolkit/combo_items.h"

namespace zelvin::tk {

int GetComboItemData(const Control& list, int index, int& value) {
    if (index < 0 || index >= list.ItemCount()) {
        value = kNoItem;
        return kNoItem;
    }
    value = static_cast<int>(list.ItemData(index));
    return value;
}

int FindComboItemByData(const Control& list, int value) {
    int count = list.ItemCount();
    for (int i = 0; i < count; ++i) {
        if (static_cast<int>(list.ItemData(i)) == value) return i;
    }
    return kNoItem;
}

void AddComboItemWithData(Control& list, std::string_view text, int value) {
    int index = list.AddItem(text);
    if (index >= 0) list.SetItemData(index, value);
}

}  // namespace zelvin::tk
