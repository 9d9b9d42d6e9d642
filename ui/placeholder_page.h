// A page of the configuration sheet whose own work has not been built yet:
// it holds only its tab caption and makes no driver call.
#pragma once

#include <string>

#include "toolkit/property_sheet.h"

class CPlaceholderPage : public zelvin::tk::PropertyPage {
public:
    explicit CPlaceholderPage(std::string tabCaption);
};
