#include "app/win32/win32_config_sheet.h"

#include "toolkit/win32/win32_backend.h"

namespace {

ScreenRect FromToolkit(const zelvin::tk::Rect& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

void Win32ConfigSheet::SetSmallIcon(TrayState state) {
    sheet_->SetSmallIcon(zelvin::tk::FromHicon(icons_.Small(state)));
}

ScreenRect Win32ConfigSheet::WindowRect() { return FromToolkit(sheet_->WindowRect()); }

ScreenRect Win32ConfigSheet::HelpButtonRect() { return FromToolkit(sheet_->HelpButtonRect()); }

void Win32ConfigSheet::MoveTo(const ScreenRect& rect) {
    sheet_->Move(zelvin::tk::Rect{rect.left, rect.top, rect.right, rect.bottom}, true);
}
