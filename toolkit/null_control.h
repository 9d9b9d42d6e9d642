// A control that ignores every operation: what Item() yields for an id the
// dialog does not have, so a mistaken id cannot crash the program.
#pragma once

#include "toolkit/control.h"

namespace zelvin::tk {

Control& NullControl();

}  // namespace zelvin::tk
