// CNoHScrollListCtrl: a report list that never shows a horizontal scroll
// bar however wide its columns are; used for the block-ack session lists.
#pragma once

#include "toolkit/dialog.h"

class CNoHScrollListCtrl {
public:
    void Attach(zelvin::tk::Dialog& dialog, int controlId) { dialog.Item(controlId).SetNoHorizontalScroll(true); }
};
