// The configuration sheet as the hidden window drives it, over CNvPropSheet.
#pragma once

#include <memory>

#include "app/hide_dlg_host.h"
#include "app/win32/tray_icons.h"
#include "ui/nv_prop_sheet.h"

class Win32ConfigSheet : public ConfigSheet {
public:
    Win32ConfigSheet(std::unique_ptr<CNvPropSheet> sheet, const TrayIcons& icons)
        : sheet_(std::move(sheet)), icons_(icons) {}

    bool IsWindowAlive() override { return sheet_->IsWindowAlive(); }
    void DestroyWindow() override { sheet_->DestroyWindow(); }
    void BringToForeground() override { sheet_->BringToForeground(); }
    void SetSmallIcon(TrayState state) override;
    void UpdateBlockAckPage() override { sheet_->UpdateBlockAckPage(); }
    ScreenRect WindowRect() override;
    ScreenRect HelpButtonRect() override;
    void MoveTo(const ScreenRect& rect) override;

private:
    std::unique_ptr<CNvPropSheet> sheet_;
    const TrayIcons& icons_;
};
