// Dialog layouts declared once in code: every control with its id, kind,
// template caption, place in dialog units, style and initial visibility. The
// Win32 backend turns a layout into a real dialog template; the in-memory
// backend builds model controls from the same declaration.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/types.h"

namespace zelvin::tk {

struct ControlSpec {
    int id = -1;                 // -1 for labels nobody addresses
    ControlKind kind = ControlKind::Static;
    std::string caption;         // UTF-8; the template caption
    int x = 0, y = 0, cx = 0, cy = 0;  // dialog units; a combo's cy includes its list
    uint32_t style = kStyleNone; // ControlStyle flags
    bool visible = true;
};

struct DialogLayout {
    std::string caption;         // dialog title; a page's tab text
    int cx = 0, cy = 0;          // dialog units
    std::string fontFace = "MS Shell Dlg";
    int fontPointSize = 8;
    int fontCharSet = 1;         // DEFAULT_CHARSET
    std::vector<ControlSpec> controls;

    // Builders, so a layout reads like a template:
    //   layout.Add(kIdSsid, ControlKind::Edit, "", 60, 10, 120, 12);
    DialogLayout& Add(int id, ControlKind kind, std::string caption, int x, int y, int cx, int cy,
                      uint32_t style = kStyleNone, bool visible = true) {
        controls.push_back(ControlSpec{id, kind, std::move(caption), x, y, cx, cy, style, visible});
        return *this;
    }
    DialogLayout& AddHidden(int id, ControlKind kind, std::string caption, int x, int y, int cx,
                            int cy, uint32_t style = kStyleNone) {
        return Add(id, kind, std::move(caption), x, y, cx, cy, style, false);
    }

    const ControlSpec* Find(int id) const {
        for (const ControlSpec& controlSpec : controls) {
            if (controlSpec.id == id && id != -1) return &controlSpec;
        }
        return nullptr;
    }
};

// The radio buttons of the group that begins at firstId, in layout order: the
// group runs until the next control that starts a group or is not a radio
// button. Empty when firstId is not a radio button.
std::vector<int> RadioGroup(const DialogLayout& layout, int firstId);

}  // namespace zelvin::tk
