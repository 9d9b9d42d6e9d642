// Builds an in-memory dialog template (DLGTEMPLATEEX) from a layout.
#pragma once

#include "toolkit/win32/win32_headers.h"

#include <vector>

#include "toolkit/layout.h"

namespace zelvin::tk {

enum class TemplateUse { Modal, Modeless, Page };

// The template's bytes, DWORD-aligned as the dialog manager requires.
std::vector<DWORD> BuildDialogTemplate(const DialogLayout& layout, TemplateUse use);

// The window style a control of the layout gets.
DWORD ControlWindowStyle(const ControlSpec& controlSpec);

}  // namespace zelvin::tk
