// CComboBoxSuper: the drop-down list of the adapter selection dialog. It
// keeps a list of column widths; its list is a standard one, so the widths
// have no visible effect.
#pragma once

#include <vector>

#include "toolkit/dialog.h"

class CComboBoxSuper {
public:
    static constexpr int kDefaultColumnWidth = 50;
    static constexpr int kInitialColumns = 100;

    CComboBoxSuper() : widths_(kInitialColumns, kDefaultColumnWidth) {}

    // The dialog's combo controlId, redrawn when the columns change.
    void Attach(zelvin::tk::Dialog& dialog, int controlId) {
        dialog_ = &dialog;
        controlId_ = controlId;
    }
    // Added columns get the default width. A negative count is taken as 0.
    void SetColumnCount(int count);
    // Ignored when column is negative or not below the column count.
    void SetColumnWidth(int column, int width);
    int ColumnCount() const { return static_cast<int>(widths_.size()); }
    // 0 for a column that does not exist.
    int ColumnWidth(int column) const;

private:
    void Redraw();
    std::vector<int> widths_;
    zelvin::tk::Dialog* dialog_ = nullptr;
    int controlId_ = -1;
};
