// The tray tooltip: a language text used as a printf format without arguments.
#pragma once

#include <string>
#include <string_view>

// Formats `format` as printf would with no arguments: "%%" becomes "%". Any
// other conversion has no argument to take, so it is kept as written instead
// of reading one that was never passed (language files are user-editable).
std::string FormatWithoutArguments(std::string_view format);

// The formatted text cut to what the tooltip field holds: 127 UTF-16 units,
// never splitting a character.
std::string TooltipText(std::string_view format);
