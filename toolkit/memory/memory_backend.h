// The in-memory backend: model controls with the same state as the real
// ones, for fast, deterministic native tests. Message boxes are recorded and
// answered from a script, modal dialogs run a script, and window timers run
// on a virtual clock that the test advances.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/backend.h"

namespace zelvin::tk {

class MemoryBackend : public Backend {
public:
    MemoryBackend();
    ~MemoryBackend() override;

    // --- Backend ------------------------------------------------------------
    int RunModal(Dialog& dialog, WindowHandle owner) override;
    bool CreateModeless(Dialog& dialog, WindowHandle parent) override;
    bool CreateSheet(PropertySheet& sheet, WindowHandle parent) override;
    int ShowMessageBox(WindowHandle owner, std::string_view text, std::string_view caption,
                       unsigned style) override;
    void WarningBeep() override { ++beeps; }
    int VerticalScrollBarWidth() override { return scrollBarWidth; }
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

    // --- Scripting and inspection for tests -------------------------------
    struct RecordedMessageBox {
        WindowHandle owner;
        std::string text;
        std::string caption;
        unsigned style;
    };
    std::vector<RecordedMessageBox> messageBoxes;
    // Answers for the next message boxes, in order; when empty a box is
    // answered with its first button (OK, Yes, Retry).
    std::deque<int> messageBoxAnswers;

    // The next modal dialog runs this script after its initialisation. A
    // script that does not end the dialog leaves it as Escape would (OnCancel).
    // Without a script a modal dialog is cancelled at once.
    void QueueModalScript(std::function<void(Dialog&)> script);

    // Moves the virtual clock on, firing every window timer that falls due,
    // in time order.
    void AdvanceClock(uint64_t milliseconds);
    uint64_t Now() const { return now_; }
    // Timers currently running for a window (id -> period).
    std::map<unsigned, unsigned> TimersOf(WindowHandle window) const;

    struct PostedMessage {
        WindowHandle window;
        uint32_t message;
        std::uintptr_t wParam;
        std::intptr_t lParam;
    };
    std::vector<PostedMessage> posted;
    std::vector<PostedMessage> sent;
    std::intptr_t sendResult = 0;

    // Top-level windows made by others (help viewers, the taskbar).
    WindowHandle AddTopLevelWindow(std::string title, std::string className = {});
    void CloseTopLevelWindow(WindowHandle window);

    WindowHandle foreground = nullptr;
    std::map<WindowHandle, IconHandle> smallIcons;
    int beeps = 0;
    int scrollBarWidth = 17;
    // Pixel width of a text in a control's font: default 7 per character.
    std::function<int(std::string_view)> measureText;
    // Dialog base units (pixels per 4 horizontal / 8 vertical dialog units).
    int baseUnitX = 6;
    int baseUnitY = 13;

    // Internal: shared by the model windows.
    struct Impl;
    Impl& impl() { return *impl_; }

private:
    std::unique_ptr<Impl> impl_;
    uint64_t now_ = 0;
};

}  // namespace zelvin::tk
