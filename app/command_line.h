// The one command-line switch: "-S" starts without opening the sheet.
#pragma once

#include <string_view>

// `arguments` is the text after the program name with leading blanks removed,
// as the platform hands it over. Only the whole text "-S", in either case,
// counts.
bool IsSilentStart(std::string_view arguments);
