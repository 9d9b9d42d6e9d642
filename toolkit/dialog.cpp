#include "toolkit/dialog.h"

#include "toolkit/exchange.h"
#include "toolkit/null_control.h"
#include "toolkit/window_ops.h"

namespace zelvin::tk {

Dialog::Dialog(DialogLayout layout) : layout_(std::move(layout)) {}

Dialog::~Dialog() {
    // A window must not outlive the object its procedure calls into.
    if (site_ != nullptr) site_->Destroy();
}

int Dialog::DoModal(WindowHandle owner) { return CurrentBackend().RunModal(*this, owner); }

bool Dialog::CreateModeless(WindowHandle parent) {
    if (site_ != nullptr) return false;
    return CurrentBackend().CreateModeless(*this, parent);
}

void Dialog::DestroyWindow() {
    if (site_ != nullptr) site_->Destroy();
}

void Dialog::EndDialog(int result) {
    if (site_ != nullptr) site_->EndModal(result);
}

WindowHandle Dialog::Handle() const { return site_ != nullptr ? site_->Handle() : nullptr; }

bool Dialog::HasItem(int id) const { return site_ != nullptr && site_->FindControl(id) != nullptr; }

Control& Dialog::Item(int id) {
    Control* control = site_ != nullptr ? site_->FindControl(id) : nullptr;
    return control != nullptr ? *control : NullControl();
}

bool Dialog::UpdateData(bool saveAndValidate) {
    DataExchange dx(*this, saveAndValidate);
    DoDataExchange(dx);
    return !dx.Failed();
}

bool Dialog::SetTimer(unsigned id, unsigned periodMs) {
    return site_ != nullptr && site_->SetTimer(id, periodMs);
}

void Dialog::KillTimer(unsigned id) {
    if (site_ != nullptr) site_->KillTimer(id);
}

int Dialog::ShowMessageBox(std::string_view text, std::string_view caption, unsigned style) {
    return tk::ShowMessageBox(Handle(), text, caption, style);
}

void Dialog::SendCommand(int controlId, Notification code) {
    if (site_ != nullptr) site_->SendCommand(controlId, code);
}

void Dialog::SetCaption(std::string_view caption) {
    if (site_ != nullptr) site_->SetCaption(caption);
}

std::string Dialog::Caption() const { return site_ != nullptr ? site_->Caption() : layout_.caption; }

Rect Dialog::WindowRect() const { return site_ != nullptr ? site_->WindowRect() : Rect{}; }

Point Dialog::ScreenToClient(Point screen) const {
    return site_ != nullptr ? site_->ScreenToClient(screen) : screen;
}

Rect Dialog::DialogUnitsToPixels(const Rect& dialogUnits) const {
    return site_ != nullptr ? site_->DialogUnitsToPixels(dialogUnits) : Rect{};
}

void Dialog::DispatchDestroy() {
    OnDestroy();
    site_ = nullptr;
}

bool Dialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void Dialog::DoDataExchange(DataExchange&) {}

void Dialog::OnCommand(int controlId, Notification code) {
    if (code != Notification::Clicked) return;
    if (controlId == kIdOk) OnOK();
    if (controlId == kIdCancel) OnCancel();
}

void Dialog::OnOK() {
    if (UpdateData(true)) EndDialog(kIdOk);
}

void Dialog::OnCancel() { EndDialog(kIdCancel); }

void Dialog::OnTimer(unsigned) {}

void Dialog::OnDestroy() {}

}  // namespace zelvin::tk
