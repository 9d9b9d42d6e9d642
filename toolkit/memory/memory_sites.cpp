#include "toolkit/memory/memory_sites.h"

#include <algorithm>

#include "toolkit/memory/memory_impl.h"

namespace zelvin::tk {

namespace {

constexpr int kTabAreaTop = 28;    // the tab strip above a page
constexpr int kPageMargin = 7;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 6;

Rect Offset(const Rect& r, Point by) { return {r.left + by.x, r.top + by.y, r.right + by.x, r.bottom + by.y}; }

}  // namespace

// --- Dialogs and pages -------------------------------------------------------

MemoryDialogSite::MemoryDialogSite(MemoryBackend& backend, Dialog& dialog, std::function<Point()> origin,
                                   bool topLevel)
    : backend_(backend), dialog_(dialog), origin_(std::move(origin)) {
    const DialogLayout& layout = dialog.Layout();
    Rect size = DialogUnitsToPixels({0, 0, layout.cx, layout.cy});
    Point at = origin_();
    handle_ = backend_.impl().Register(
        {layout.caption, "#32770", Offset(size, at), topLevel, false});
    for (const ControlSpec& controlSpec : layout.controls) {
        Rect pixels = DialogUnitsToPixels({controlSpec.x, controlSpec.y, controlSpec.x + controlSpec.cx, controlSpec.y + controlSpec.cy});
        if (controlSpec.kind == ControlKind::DropDownList || controlSpec.kind == ControlKind::DropDownCombo) {
            // A combo's template height includes its list; the closed box is one line.
            pixels.bottom = pixels.top + 21;
        }
        WindowHandle controlHandle = backend_.impl().Register({controlSpec.caption, "", Offset(pixels, at), false, false});
        controls_.push_back(std::make_unique<MemoryControl>(backend_, *this, controlSpec, pixels, controlHandle));
    }
    dialog_.AttachSite(this);
}

MemoryDialogSite::~MemoryDialogSite() {
    if (!destroying_) Destroy();
}

Control* MemoryDialogSite::FindControl(int id) {
    if (id == -1) return nullptr;
    for (auto& control : controls_) {
        if (control->Id() == id) return control.get();
    }
    return nullptr;
}

void MemoryDialogSite::EndModal(int result) {
    if (!result_) result_ = result;
}

void MemoryDialogSite::Destroy() {
    if (destroying_) return;
    destroying_ = true;
    MemoryBackend::Impl& impl = backend_.impl();
    for (auto it = impl.timers.begin(); it != impl.timers.end();) {
        it = it->first.first == handle_ ? impl.timers.erase(it) : std::next(it);
    }
    dialog_.DispatchDestroy();
    controls_.clear();
    impl.Unregister(handle_);
    if (onDestroyed) {
        // The callback may delete this site; nothing runs after it.
        auto callback = std::move(onDestroyed);
        callback();
    }
}

bool MemoryDialogSite::SetTimer(unsigned id, unsigned periodMs) {
    MemoryBackend::Impl& impl = backend_.impl();
    // The platform treats a zero period as the shortest one.
    unsigned period = std::max(periodMs, 1u);
    impl.timers[{handle_, id}] = {&dialog_, period, backend_.Now() + period, impl.timerOrder++};
    return true;
}

void MemoryDialogSite::KillTimer(unsigned id) { backend_.impl().timers.erase({handle_, id}); }

void MemoryDialogSite::SendCommand(int controlId, Notification code) { Notify(controlId, code); }

Rect MemoryDialogSite::DialogUnitsToPixels(const Rect& u) const {
    auto x = [&](int v) { return (v * backend_.baseUnitX + 2) / 4; };
    auto y = [&](int v) { return (v * backend_.baseUnitY + 4) / 8; };
    return {x(u.left), y(u.top), x(u.right), y(u.bottom)};
}

Rect MemoryDialogSite::WindowRect() const {
    const MemoryBackend::Impl::Window* window = backend_.impl().Find(handle_);
    return window != nullptr ? window->rect : Rect{};
}

Point MemoryDialogSite::ScreenToClient(Point screen) const {
    Point origin = ClientOriginOnScreen();
    return {screen.x - origin.x, screen.y - origin.y};
}

void MemoryDialogSite::SetCaption(std::string_view caption) {
    if (MemoryBackend::Impl::Window* window = backend_.impl().Find(handle_)) window->title = std::string(caption);
}

std::string MemoryDialogSite::Caption() const {
    const MemoryBackend::Impl::Window* window = backend_.impl().Find(handle_);
    return window != nullptr ? window->title : "";
}

void MemoryDialogSite::Notify(int controlId, Notification code) {
    if (!destroying_) dialog_.DispatchCommand(controlId, code);
}

std::vector<int> MemoryDialogSite::RadioGroupOf(int controlId) {
    // Walk back from the button to the start of its group.
    const std::vector<ControlSpec>& specs = dialog_.Layout().controls;
    auto self = std::find_if(specs.begin(), specs.end(), [&](const ControlSpec& s) { return s.id == controlId; });
    if (self == specs.end()) return {};
    auto first = self;
    while (first != specs.begin() && (first->style & kGroup) == 0 &&
           std::prev(first)->kind == ControlKind::RadioButton) {
        --first;
    }
    return RadioGroup(dialog_.Layout(), first->id);
}

Point MemoryDialogSite::ClientOriginOnScreen() const { return origin_(); }

// --- Property sheets ---------------------------------------------------------

MemorySheetSite::MemorySheetSite(MemoryBackend& backend, PropertySheet& sheet) : backend_(backend), sheet_(sheet) {
    int pageWidth = 0;
    int pageHeight = 0;
    for (int i = 0; i < sheet.PageCount(); ++i) {
        const DialogLayout& layout = sheet.Page(i).Layout();
        pageWidth = std::max(pageWidth, (layout.cx * backend.baseUnitX + 2) / 4);
        pageHeight = std::max(pageHeight, (layout.cy * backend.baseUnitY + 4) / 8);
    }
    int width = pageWidth + 2 * kPageMargin;
    buttonRowTop_ = kTabAreaTop + pageHeight + kPageMargin;
    int height = buttonRowTop_ + kButtonHeight + kPageMargin;
    Point origin{100, 100};
    handle_ = backend_.impl().Register(
        {sheet.Caption(), "#32770", {origin.x, origin.y, origin.x + width, origin.y + height}, true, false});

    // OK, Cancel, Apply, Help from left to right, ending at the right edge.
    const int ids[] = {kSheetOk, kSheetCancel, kSheetApply, kSheetHelp};
    const char* captions[] = {"OK", "Cancel", "&Apply", "Help"};
    for (int i = 0; i < 4; ++i) {
        int right = width - kPageMargin - (3 - i) * (kButtonWidth + kButtonGap);
        Rect pixels{right - kButtonWidth, buttonRowTop_, right, buttonRowTop_ + kButtonHeight};
        ControlSpec controlSpec{ids[i], ControlKind::Button, captions[i], 0, 0, 0, 0, kStyleNone, true};
        WindowHandle buttonHandle = backend_.impl().Register({captions[i], "Button", Offset(pixels, origin), false, false});
        buttons_.push_back(std::make_unique<MemoryControl>(backend_, *this, controlSpec, pixels, buttonHandle));
    }
    sheet_.AttachSite(this);
}

MemorySheetSite::~MemorySheetSite() {
    if (!destroying_) Destroy();
}

void MemorySheetSite::Start() {
    for (int i = 0; i < sheet_.PageCount(); ++i) tabs_.push_back({&sheet_.Page(i), sheet_.Page(i).Layout().caption});
    if (tabs_.empty()) return;
    int first = sheet_.FirstPage();
    Activate(first >= 0 && first < static_cast<int>(tabs_.size()) ? first : 0);
}

Point MemorySheetSite::PageOrigin() const {
    Point origin = ClientOriginOnScreen();
    return {origin.x + kPageMargin, origin.y + kTabAreaTop};
}

void MemorySheetSite::EnsurePageWindow(PropertyPage& page) {
    if (pageSites_.count(&page) != 0) return;
    auto site = std::make_unique<MemoryDialogSite>(backend_, page, [this] { return PageOrigin(); }, false);
    pageSites_[&page] = std::move(site);
    page.DispatchInitDialog();
}

void MemorySheetSite::DestroyPageWindow(PropertyPage& page) {
    auto found = pageSites_.find(&page);
    if (found == pageSites_.end()) return;
    std::unique_ptr<MemoryDialogSite> site = std::move(found->second);
    pageSites_.erase(found);
    site->Destroy();
    backend_.impl().dialogSites.push_back(std::move(site));
}

void MemorySheetSite::Activate(int index) {
    PropertyPage& page = *tabs_[static_cast<size_t>(index)].page;
    int previous = active_;
    active_ = index;
    EnsurePageWindow(page);
    // A page that refuses activation leaves the previous page showing.
    if (!page.DispatchSetActive() && previous >= 0 && previous < static_cast<int>(tabs_.size())) active_ = previous;
}

void MemorySheetSite::AddPage(PropertyPage& page) { tabs_.push_back({&page, page.Layout().caption}); }

void MemorySheetSite::RemovePage(int index) {
    if (index < 0 || index >= static_cast<int>(tabs_.size())) return;
    PropertyPage* page = tabs_[static_cast<size_t>(index)].page;
    if (index == active_) {
        // The platform moves to the neighbouring tab without asking the
        // page that is going.
        if (tabs_.size() > 1) {
            int next = index > 0 ? index - 1 : index + 1;
            Activate(next);
        } else {
            active_ = -1;
        }
    }
    tabs_.erase(tabs_.begin() + index);
    if (active_ > index) --active_;
    DestroyPageWindow(*page);
}

bool MemorySheetSite::SetActivePage(int index) {
    if (index < 0 || index >= static_cast<int>(tabs_.size())) return false;
    if (index == active_) return true;
    if (active_ >= 0 && !tabs_[static_cast<size_t>(active_)].page->DispatchKillActive()) return false;
    Activate(index);
    return active_ == index;
}

void MemorySheetSite::SetTabText(int index, std::string_view text) {
    if (index >= 0 && index < static_cast<int>(tabs_.size())) tabs_[static_cast<size_t>(index)].text = std::string(text);
}

std::string MemorySheetSite::TabText(int index) const {
    return index >= 0 && index < static_cast<int>(tabs_.size()) ? tabs_[static_cast<size_t>(index)].text : "";
}

Control* MemorySheetSite::Button(int id) {
    for (auto& button : buttons_) {
        if (button->Id() == id) return button.get();
    }
    return nullptr;
}

void MemorySheetSite::HideButtonsAndFit() {
    for (auto& button : buttons_) button->Show(false);
    if (MemoryBackend::Impl::Window* window = backend_.impl().Find(handle_)) {
        window->rect.bottom = window->rect.top + buttonRowTop_;
    }
}

Rect MemorySheetSite::WindowRect() const {
    const MemoryBackend::Impl::Window* window = backend_.impl().Find(handle_);
    return window != nullptr ? window->rect : Rect{};
}

void MemorySheetSite::Move(const Rect& screen, bool repaint) { backend_.MoveWindowTo(handle_, screen, repaint); }

void MemorySheetSite::Destroy() {
    if (destroying_) return;
    destroying_ = true;
    while (!pageSites_.empty()) DestroyPageWindow(*pageSites_.begin()->first);
    buttons_.clear();
    sheet_.DispatchDestroy();
    backend_.impl().Unregister(handle_);
}

void MemorySheetSite::SetCaption(std::string_view caption) {
    if (MemoryBackend::Impl::Window* window = backend_.impl().Find(handle_)) window->title = std::string(caption);
}

std::string MemorySheetSite::Caption() const {
    const MemoryBackend::Impl::Window* window = backend_.impl().Find(handle_);
    return window != nullptr ? window->title : "";
}

void MemorySheetSite::Notify(int controlId, Notification code) {
    if (destroying_ || code != Notification::Clicked) return;
    if (controlId == kSheetHelp) {
        sheet_.DispatchHelpButton();
        return;
    }
    if (controlId == kSheetApply || controlId == kSheetOk) {
        for (const Tab& tab : tabs_) {
            if (pageSites_.count(tab.page) != 0 && !tab.page->DispatchApply()) return;
        }
    }
    if (controlId == kSheetCancel) {
        for (const Tab& tab : tabs_) {
            if (pageSites_.count(tab.page) != 0) tab.page->DispatchReset();
        }
    }
    if (controlId == kSheetOk || controlId == kSheetCancel) Destroy();
}

Point MemorySheetSite::ClientOriginOnScreen() const {
    Rect rect = WindowRect();
    return {rect.left, rect.top};
}

}  // namespace zelvin::tk
