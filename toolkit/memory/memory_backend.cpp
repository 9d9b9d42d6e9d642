#include "toolkit/memory/memory_backend.h"

#include <algorithm>

#include "toolkit/dialog.h"
#include "toolkit/memory/memory_impl.h"
#include "toolkit/memory/memory_sites.h"
#include "toolkit/property_sheet.h"
#include "toolkit/window_ops.h"

namespace zelvin::tk {

namespace {

constexpr Point kTopLevelOrigin{100, 100};

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

int FirstButtonOf(unsigned style) {
    switch (style & kMbButtonsMask) {
        case kMbYesNoCancel:
        case kMbYesNo:
            return kIdYes;
        case kMbRetryCancel:
            return kIdRetry;
        default:
            return kIdOk;
    }
}

}  // namespace

void MemoryBackend::Impl::Unregister(WindowHandle handle) {
    windows.erase(handle);
    if (focused != nullptr && focused->Handle() == handle) focused = nullptr;
}

MemoryBackend::MemoryBackend() : impl_(std::make_unique<Impl>()) {}

MemoryBackend::~MemoryBackend() {
    // Windows still open are destroyed while the backend can serve them.
    for (auto& site : impl_->sheetSites) site->Destroy();
    for (auto& site : impl_->dialogSites) site->Destroy();
}

int MemoryBackend::RunModal(Dialog& dialog, WindowHandle) {
    auto owned = std::make_unique<MemoryDialogSite>(*this, dialog, [] { return kTopLevelOrigin; }, true);
    MemoryDialogSite* site = owned.get();
    impl_->dialogSites.push_back(std::move(owned));

    dialog.DispatchInitDialog();
    if (!site->Result() && !impl_->modalScripts.empty()) {
        auto script = std::move(impl_->modalScripts.front());
        impl_->modalScripts.pop_front();
        script(dialog);
    }
    // What Escape would do, then a forced end if the dialog ignores it.
    if (!site->Result()) dialog.DispatchCommand(kIdCancel, Notification::Clicked);
    int result = site->Result().value_or(kIdCancel);
    site->Destroy();
    return result;
}

bool MemoryBackend::CreateModeless(Dialog& dialog, WindowHandle) {
    auto site = std::make_unique<MemoryDialogSite>(*this, dialog, [] { return kTopLevelOrigin; }, true);
    impl_->dialogSites.push_back(std::move(site));
    dialog.DispatchInitDialog();
    return dialog.IsWindowAlive();
}

bool MemoryBackend::CreateSheet(PropertySheet& sheet, WindowHandle) {
    auto owned = std::make_unique<MemorySheetSite>(*this, sheet);
    MemorySheetSite* site = owned.get();
    impl_->sheetSites.push_back(std::move(owned));
    site->Start();
    sheet.DispatchInitDialog();
    return sheet.IsWindowAlive();
}

int MemoryBackend::ShowMessageBox(WindowHandle owner, std::string_view text, std::string_view caption,
                                  unsigned style) {
    messageBoxes.push_back({owner, std::string(text), std::string(caption), style});
    if (messageBoxAnswers.empty()) return FirstButtonOf(style);
    int answer = messageBoxAnswers.front();
    messageBoxAnswers.pop_front();
    return answer;
}

bool MemoryBackend::IsLetter(char32_t ch) {
    // ASCII and the Latin-1 letters stand in for the system's tables.
    if ((ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z')) return true;
    return ch >= 0xC0 && ch <= 0x24F && ch != 0xD7 && ch != 0xF7;
}

bool MemoryBackend::IsLetterOrDigit(char32_t ch) { return IsLetter(ch) || (ch >= '0' && ch <= '9'); }

WindowHandle MemoryBackend::FindTopLevelWindow(std::string_view title, std::string_view className) {
    for (const auto& [handle, window] : impl_->windows) {
        if (!window.topLevel || !EqualNoCase(window.title, title)) continue;
        if (!className.empty() && !EqualNoCase(window.className, className)) continue;
        return handle;
    }
    return nullptr;
}

bool MemoryBackend::PostMessageTo(WindowHandle window, uint32_t message, std::uintptr_t wParam,
                                  std::intptr_t lParam) {
    Impl::Window* target = impl_->Find(window);
    if (target == nullptr) return false;
    posted.push_back({window, message, wParam, lParam});
    if (message == kMessageClose && target->closesOnPostedClose) impl_->Unregister(window);
    return true;
}

std::intptr_t MemoryBackend::SendMessageTo(WindowHandle window, uint32_t message, std::uintptr_t wParam,
                                           std::intptr_t lParam) {
    if (impl_->Find(window) == nullptr) return 0;
    sent.push_back({window, message, wParam, lParam});
    return sendResult;
}

bool MemoryBackend::BringToForeground(WindowHandle window) {
    if (impl_->Find(window) == nullptr) return false;
    foreground = window;
    return true;
}

void MemoryBackend::SetSmallIcon(WindowHandle window, IconHandle icon) {
    if (impl_->Find(window) != nullptr) smallIcons[window] = icon;
}

bool MemoryBackend::IsWindowAlive(WindowHandle window) { return impl_->Find(window) != nullptr; }

Rect MemoryBackend::WindowRectOf(WindowHandle window) {
    Impl::Window* target = impl_->Find(window);
    return target != nullptr ? target->rect : Rect{};
}

bool MemoryBackend::MoveWindowTo(WindowHandle window, const Rect& screen, bool) {
    Impl::Window* target = impl_->Find(window);
    if (target == nullptr) return false;
    target->rect = screen;
    return true;
}

void MemoryBackend::QueueModalScript(std::function<void(Dialog&)> script) {
    impl_->modalScripts.push_back(std::move(script));
}

void MemoryBackend::AdvanceClock(uint64_t milliseconds) {
    uint64_t target = now_ + milliseconds;
    for (;;) {
        auto next = impl_->timers.end();
        for (auto it = impl_->timers.begin(); it != impl_->timers.end(); ++it) {
            if (it->second.due > target) continue;
            if (next == impl_->timers.end() || it->second.due < next->second.due ||
                (it->second.due == next->second.due && it->second.order < next->second.order)) {
                next = it;
            }
        }
        if (next == impl_->timers.end()) break;
        now_ = next->second.due;
        next->second.due += next->second.period;
        Dialog* dialog = next->second.dialog;
        unsigned id = next->first.second;
        dialog->DispatchTimer(id);  // may set or kill timers, or destroy windows
    }
    now_ = target;
}

std::map<unsigned, unsigned> MemoryBackend::TimersOf(WindowHandle window) const {
    std::map<unsigned, unsigned> running;
    for (const auto& [key, timer] : impl_->timers) {
        if (key.first == window) running[key.second] = timer.period;
    }
    return running;
}

WindowHandle MemoryBackend::AddTopLevelWindow(std::string title, std::string className) {
    return impl_->Register({std::move(title), std::move(className), {}, true, true});
}

void MemoryBackend::CloseTopLevelWindow(WindowHandle window) { impl_->Unregister(window); }

}  // namespace zelvin::tk
