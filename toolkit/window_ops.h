// Message boxes and operations on windows by handle, whoever made them: the
// hidden window, a sheet, a help viewer.
#pragma once

#include <cstdint>
#include <string_view>

#include "toolkit/types.h"

namespace zelvin::tk {

// MessageBoxStyle buttons and icon; returns the DialogResult of the button.
int ShowMessageBox(WindowHandle owner, std::string_view text, std::string_view caption, unsigned style);
// The same under the platform's name. Where windows.h comes first, its
// MessageBox macro renames this to MessageBoxW, and calls still meet it.
inline int MessageBox(WindowHandle owner, std::string_view text, std::string_view caption, unsigned style) {
    return ShowMessageBox(owner, text, caption, style);
}
// The standard warning beep.
void WarningBeep();

// Window messages the logic posts by number.
inline constexpr uint32_t kMessageClose = 0x0010;
inline constexpr uint32_t kMessageCommand = 0x0111;
inline constexpr uint32_t kMessageUser = 0x0400;

// nullptr when no top-level window has exactly that title (and class, when
// className is not empty).
WindowHandle FindTopLevelWindow(std::string_view title, std::string_view className = {});
bool PostMessageTo(WindowHandle window, uint32_t message, std::uintptr_t wParam = 0,
                   std::intptr_t lParam = 0);
std::intptr_t SendMessageTo(WindowHandle window, uint32_t message, std::uintptr_t wParam = 0,
                            std::intptr_t lParam = 0);
// A menu command, as a click on a menu item posts it.
bool PostCommand(WindowHandle window, int commandId);
bool BringToForeground(WindowHandle window);
void SetSmallIcon(WindowHandle window, IconHandle icon);
bool IsWindowAlive(WindowHandle window);
Rect WindowRectOf(WindowHandle window);
bool MoveWindowTo(WindowHandle window, const Rect& screen, bool repaint = true);

}  // namespace zelvin::tk
