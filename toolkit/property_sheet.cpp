#include "toolkit/property_sheet.h"

#include <algorithm>

#include "toolkit/null_control.h"

namespace zelvin::tk {

PropertyPage::~PropertyPage() {
    if (sheet_ != nullptr) sheet_->ForgetDestroyedPage(*this);
}

bool PropertyPage::OnSetActive() {
    // The first activation follows the page's initialisation, which has
    // already shown the members.
    if (activatedBefore_) UpdateData(false);
    activatedBefore_ = true;
    return true;
}

bool PropertyPage::OnKillActive() { return UpdateData(true); }

PropertySheet::PropertySheet(std::string caption, int firstPage)
    : caption_(std::move(caption)), firstPage_(firstPage) {}

PropertySheet::~PropertySheet() {
    if (site_ != nullptr) site_->Destroy();
    for (PropertyPage* page : pages_) page->SetSheet(nullptr);
}

void PropertySheet::AddPage(PropertyPage& page) {
    if (PageIndex(page) >= 0) return;
    pages_.push_back(&page);
    page.SetSheet(this);
    if (site_ != nullptr) site_->AddPage(page);
}

void PropertySheet::RemovePage(PropertyPage& page) {
    int index = PageIndex(page);
    if (index >= 0) RemovePage(index);
}

void PropertySheet::RemovePage(int index) {
    if (index < 0 || index >= PageCount()) return;
    // The window goes first, so the page's window is destroyed while the
    // sheet still knows the page.
    if (site_ != nullptr) site_->RemovePage(index);
    PropertyPage* page = pages_[static_cast<size_t>(index)];
    pages_.erase(pages_.begin() + index);
    page->SetSheet(nullptr);
}

int PropertySheet::PageIndex(const PropertyPage& page) const {
    auto found = std::find(pages_.begin(), pages_.end(), &page);
    return found == pages_.end() ? -1 : static_cast<int>(found - pages_.begin());
}

bool PropertySheet::Create(WindowHandle parent) {
    if (site_ != nullptr) return false;
    return CurrentBackend().CreateSheet(*this, parent);
}

void PropertySheet::DestroyWindow() {
    if (site_ != nullptr) site_->Destroy();
}

WindowHandle PropertySheet::Handle() const { return site_ != nullptr ? site_->Handle() : nullptr; }

int PropertySheet::ActiveIndex() const { return site_ != nullptr ? site_->ActivePageIndex() : -1; }

PropertyPage* PropertySheet::ActivePage() const {
    int index = ActiveIndex();
    return index >= 0 && index < PageCount() ? pages_[static_cast<size_t>(index)] : nullptr;
}

bool PropertySheet::SetActivePage(int index) {
    if (site_ == nullptr || index < 0 || index >= PageCount()) return false;
    return site_->SetActivePage(index);
}

void PropertySheet::SetCaption(std::string_view caption) {
    caption_ = std::string(caption);
    if (site_ != nullptr) site_->SetCaption(caption);
}

std::string PropertySheet::Caption() const { return site_ != nullptr ? site_->Caption() : caption_; }

void PropertySheet::SetTabText(int index, std::string_view text) {
    if (site_ != nullptr && index >= 0 && index < PageCount()) site_->SetTabText(index, text);
}

std::string PropertySheet::TabText(int index) const {
    if (index < 0 || index >= PageCount()) return {};
    if (site_ != nullptr) return site_->TabText(index);
    return pages_[static_cast<size_t>(index)]->Layout().caption;
}

Control& PropertySheet::Button(int id) {
    Control* button = site_ != nullptr ? site_->Button(id) : nullptr;
    return button != nullptr ? *button : NullControl();
}

Rect PropertySheet::WindowRect() const { return site_ != nullptr ? site_->WindowRect() : Rect{}; }

void PropertySheet::Move(const Rect& screen, bool repaint) {
    if (site_ != nullptr) site_->Move(screen, repaint);
}

void PropertySheet::ForgetDestroyedPage(PropertyPage& page) {
    int index = PageIndex(page);
    if (index < 0) return;
    if (site_ != nullptr) site_->Destroy();
    pages_.erase(pages_.begin() + index);
}

void PropertySheet::DispatchDestroy() {
    OnDestroy();
    site_ = nullptr;
}

bool PropertySheet::OnInitDialog() {
    if (site_ != nullptr) site_->HideButtonsAndFit();
    return true;
}

}  // namespace zelvin::tk
