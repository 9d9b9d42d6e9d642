#include "ui/combo_resize_width.h"

#include <algorithm>

#include "toolkit/backend.h"

int ResizeWidthDroppedWidth(const std::vector<int>& itemWidths, int scrollBarWidth, int zeroWidth) {
    int widest = 0;
    for (int width : itemWidths) widest = std::max(widest, width + scrollBarWidth);
    return widest + zeroWidth;
}

void CResizeWidthComboBox::Attach(zelvin::tk::Dialog& dialog, int controlId) {
    zelvin::tk::Control& combo = dialog.Item(controlId);
    // The hook lives in the control, so the control outlives every call.
    combo.SetDropDownHook([&combo] { FitDroppedWidth(combo); });
}

void CResizeWidthComboBox::FitDroppedWidth(zelvin::tk::Control& combo) {
    std::vector<int> widths;
    for (int i = 0; i < combo.ItemCount(); ++i) widths.push_back(combo.MeasureTextWidth(combo.ItemText(i)));
    int scrollBar = zelvin::tk::CurrentBackend().VerticalScrollBarWidth();
    combo.SetDroppedWidth(ResizeWidthDroppedWidth(widths, scrollBar, combo.MeasureTextWidth("0")));
}
