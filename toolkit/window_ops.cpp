#include "toolkit/window_ops.h"

#include "toolkit/backend.h"

namespace zelvin::tk {

int ShowMessageBox(WindowHandle owner, std::string_view text, std::string_view caption, unsigned style) {
    return CurrentBackend().ShowMessageBox(owner, text, caption, style);
}

void WarningBeep() { CurrentBackend().WarningBeep(); }

WindowHandle FindTopLevelWindow(std::string_view title, std::string_view className) {
    return CurrentBackend().FindTopLevelWindow(title, className);
}

bool PostMessageTo(WindowHandle window, uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
    return CurrentBackend().PostMessageTo(window, message, wParam, lParam);
}

std::intptr_t SendMessageTo(WindowHandle window, uint32_t message, std::uintptr_t wParam,
                            std::intptr_t lParam) {
    return CurrentBackend().SendMessageTo(window, message, wParam, lParam);
}

bool PostCommand(WindowHandle window, int commandId) {
    return PostMessageTo(window, kMessageCommand, static_cast<std::uintptr_t>(commandId & 0xFFFF), 0);
}

bool BringToForeground(WindowHandle window) { return CurrentBackend().BringToForeground(window); }

void SetSmallIcon(WindowHandle window, IconHandle icon) { CurrentBackend().SetSmallIcon(window, icon); }

bool IsWindowAlive(WindowHandle window) { return window != nullptr && CurrentBackend().IsWindowAlive(window); }

Rect WindowRectOf(WindowHandle window) { return CurrentBackend().WindowRectOf(window); }

bool MoveWindowTo(WindowHandle window, const Rect& screen, bool repaint) {
    return CurrentBackend().MoveWindowTo(window, screen, repaint);
}

}  // namespace zelvin::tk
