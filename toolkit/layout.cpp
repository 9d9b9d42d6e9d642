#include "toolkit/layout.h"

namespace zelvin::tk {

std::vector<int> RadioGroup(const DialogLayout& layout, int firstId) {
    std::vector<int> group;
    bool inGroup = false;
    for (const ControlSpec& spec : layout.controls) {
        if (!inGroup) {
            if (spec.id == firstId && spec.kind == ControlKind::RadioButton) {
                inGroup = true;
                group.push_back(spec.id);
            }
            continue;
        }
        if (spec.kind != ControlKind::RadioButton || (spec.style & kGroup) != 0) break;
        group.push_back(spec.id);
    }
    return group;
}

}  // namespace zelvin::tk
