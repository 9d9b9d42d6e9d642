// windows.h and commctrl.h for the toolkit's Win32 backend. commctrl.h
// defines PropertySheet as a macro, which would rename the toolkit's class
// in every file that sees both; the macro is dropped here and the function
// is called by its real name, PropertySheetW.
#pragma once

#include <windows.h>

#include <commctrl.h>

#undef PropertySheet
