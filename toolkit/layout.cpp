#include "toolkit/layout.h"

namespace zelvin::tk {

std::vector<int> RadioGroup(const DialogLayout& layout, int firstId) {
    std::vector<int> group;
    bool inGroup = false;
    for (const ControlSpec& controlSpec : layout.controls) {
        if (!inGroup) {
            if (controlSpec.id == firstId && controlSpec.kind == ControlKind::RadioButton) {
                inGroup = true;
                group.push_back(controlSpec.id);
            }
            continue;
        }
        if (controlSpec.kind != ControlKind::RadioButton || (controlSpec.style & kGroup) != 0) break;
        group.push_back(controlSpec.id);
    }
    return group;
}

}  // namespace zelvin::tk
