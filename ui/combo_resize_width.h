// CResizeWidthComboBox: a drop-down list whose list part widens to fit its
// longest item each time it drops down; used for the country-region lists,
// whose items are long channel lists.
#pragma once

#include <vector>

#include "toolkit/dialog.h"

// The drop-down width for items measuring itemWidths pixels: the widest
// item plus the scroll bar (0 for an empty list), plus the width of "0".
int ResizeWidthDroppedWidth(const std::vector<int>& itemWidths, int scrollBarWidth, int zeroWidth);

class CResizeWidthComboBox {
public:
    // From now on the dialog's combo controlId widens as it drops down.
    void Attach(zelvin::tk::Dialog& dialog, int controlId);
    // What happens at each drop-down, with the control's own font.
    static void FitDroppedWidth(zelvin::tk::Control& combo);
};
