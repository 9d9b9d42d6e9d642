#include "app/command_line.h"

bool IsSilentStart(std::string_view arguments) {
    return arguments.size() == 2 && arguments[0] == '-' && (arguments[1] == 's' || arguments[1] == 'S');
}
