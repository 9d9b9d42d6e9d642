// The Win32 backend: real dialog templates built in memory from the layouts,
// common controls 6, a modeless property sheet, subclassed controls for the
// input filters. Only the program and the Windows-side tests include it.
#pragma once

#include "toolkit/win32/win32_headers.h"

#include <deque>
#include <functional>
#include <string_view>

#include "toolkit/backend.h"

namespace zelvin::tk {

inline HWND ToHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }
inline WindowHandle FromHwnd(HWND window) { return reinterpret_cast<WindowHandle>(window); }
inline HICON ToHicon(IconHandle icon) { return reinterpret_cast<HICON>(icon); }
inline IconHandle FromHicon(HICON icon) { return reinterpret_cast<IconHandle>(icon); }

class Win32Backend : public Backend {
public:
    // Registers the common control classes once.
    Win32Backend();

    int RunModal(Dialog& dialog, WindowHandle owner) override;
    bool CreateModeless(Dialog& dialog, WindowHandle parent) override;
    bool CreateSheet(PropertySheet& sheet, WindowHandle parent) override;
    int ShowMessageBox(WindowHandle owner, std::string_view text, std::string_view caption,
                       unsigned style) override;
    void WarningBeep() override;
    int VerticalScrollBarWidth() override;
    bool IsLetter(char32_t ch) override;
    bool IsLetterOrDigit(char32_t ch) override;
    WindowHandle FindTopLevelWindow(std::string_view title, std::string_view className) override;
    bool PostMessageTo(WindowHandle window, uint32_t message, std::uintptr_t wParam,
                       std::intptr_t lParam) override;
    std::intptr_t SendMessageTo(WindowHandle window, uint32_t message, std::uintptr_t wParam,
                                std::intptr_t lParam) override;
    bool BringToForeground(WindowHandle window) override;
    void SetSmallIcon(WindowHandle window, IconHandle icon) override;
    bool IsWindowAlive(WindowHandle window) override;
    Rect WindowRectOf(WindowHandle window) override;
    bool MoveWindowTo(WindowHandle window, const Rect& screen, bool repaint) override;

    // Tests only: answer message boxes without showing them (a real box
    // would wait for a user). Null restores real message boxes.
    using MessageBoxResponder =
        std::function<int(WindowHandle owner, std::string_view text, std::string_view caption, unsigned style)>;
    void SetMessageBoxResponder(MessageBoxResponder responder);
    // Tests only: the next modal dialog runs this after its initialisation,
    // from its own message loop; a script that does not end the dialog leaves
    // it as Escape would (OnCancel).
    void QueueModalScript(std::function<void(Dialog&)> script);

    // Dispatches a modeless window's keyboard messages (tab, arrows); the
    // program's message loop calls it for every message.
    static bool PreTranslate(MSG& message);

private:
    MessageBoxResponder responder_;
    std::deque<std::function<void(Dialog&)>> modalScripts_;
};

}  // namespace zelvin::tk
