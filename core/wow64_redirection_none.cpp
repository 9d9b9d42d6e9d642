// Platforms without a 64-bit file-system redirection switch.
#include "core/value_helpers.h"

int EnableWow64FsRedirection() { return 0; }
int DisableWow64FsRedirection() { return 0; }
