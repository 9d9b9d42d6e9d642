// Resource identifiers of the program's icons (zelvin.rc).
#pragma once

#define IDI_ZELVIN 101
#define IDI_TRAY_LOST 102
#define IDI_TRAY_GOOD 103
#define IDI_TRAY_NORMAL 104
#define IDI_TRAY_WEAK 105
#define IDI_TRAY_NOTEXIST 106
