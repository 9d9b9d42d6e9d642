#include "ui/combo_box_super.h"

#include <algorithm>

void CComboBoxSuper::SetColumnCount(int count) {
    widths_.resize(static_cast<size_t>(std::max(count, 0)), kDefaultColumnWidth);
    Redraw();
}

void CComboBoxSuper::SetColumnWidth(int column, int width) {
    if (column < 0 || column >= ColumnCount()) return;
    widths_[static_cast<size_t>(column)] = width;
    Redraw();
}

int CComboBoxSuper::ColumnWidth(int column) const {
    return column >= 0 && column < ColumnCount() ? widths_[static_cast<size_t>(column)] : 0;
}

void CComboBoxSuper::Redraw() {
    // Item() yields an inert control once the window has gone.
    if (dialog_ != nullptr) dialog_->Item(controlId_).Redraw();
}
