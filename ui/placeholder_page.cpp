#include "ui/placeholder_page.h"

namespace {

zelvin::tk::DialogLayout PlaceholderLayout(std::string caption) {
    zelvin::tk::DialogLayout layout;
    layout.caption = std::move(caption);
    layout.cx = 276;  // the size of the sheet's real pages, so tabs do not jump
    layout.cy = 190;
    return layout;
}

}  // namespace

CPlaceholderPage::CPlaceholderPage(std::string tabCaption) : PropertyPage(PlaceholderLayout(std::move(tabCaption))) {}
