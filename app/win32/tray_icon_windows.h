// Finds the tray icons Wine shows, from outside the program that owns them:
// each icon in Wine's notification area is a window of its own, which relays
// mouse input to the icon's owner window. Its class is the shell's in a
// virtual desktop, the display driver's standalone tray's otherwise. Shared by
// the end-to-end tests and the lightness benchmark's probe.
#pragma once

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace zelvin::tray_icons {

inline bool IsTrayIconClass(const std::wstring& name) {
    return name == L"__wine_tray_icon" || name == L"__winex11_tray_icon";
}

inline BOOL CALLBACK CollectTrayIcon(HWND window, LPARAM param) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (IsTrayIconClass(name)) reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
}

inline BOOL CALLBACK CollectTrayIconsUnder(HWND window, LPARAM param) {
    CollectTrayIcon(window, param);
    EnumChildWindows(window, CollectTrayIcon, param);
    return TRUE;
}

// Every tray icon window, top-level or inside a tray window.
inline std::vector<HWND> TrayIconWindows() {
    std::vector<HWND> icons;
    EnumWindows(CollectTrayIconsUnder, reinterpret_cast<LPARAM>(&icons));
    return icons;
}

// The icon windows that were not there before.
inline std::vector<HWND> NewTrayIconWindows(const std::vector<HWND>& before) {
    std::vector<HWND> added;
    for (HWND icon : TrayIconWindows()) {
        if (std::find(before.begin(), before.end(), icon) == before.end()) added.push_back(icon);
    }
    return added;
}

}  // namespace zelvin::tray_icons
