// Model windows of the in-memory backend: a dialog or page with its model
// controls, and a property sheet with its tabs and buttons.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "toolkit/memory/memory_control.h"
#include "toolkit/property_sheet.h"

namespace zelvin::tk {

class MemoryDialogSite final : public DialogSite, public MemoryControlOwner {
public:
    // Creates the model controls of the dialog's layout; origin is the
    // client area's top-left corner on the screen.
    MemoryDialogSite(MemoryBackend& backend, Dialog& dialog, std::function<Point()> origin, bool topLevel);
    ~MemoryDialogSite() override;

    // Runs when the window is destroyed, after the dialog has heard of it.
    std::function<void()> onDestroyed;

    WindowHandle Handle() const override { return handle_; }
    Control* FindControl(int id) override;
    void EndModal(int result) override;
    void Destroy() override;
    bool SetTimer(unsigned id, unsigned periodMs) override;
    void KillTimer(unsigned id) override;
    void SendCommand(int controlId, Notification code) override;
    Rect DialogUnitsToPixels(const Rect& dialogUnits) const override;
    Rect WindowRect() const override;
    Point ScreenToClient(Point screen) const override;
    void SetCaption(std::string_view caption) override;
    std::string Caption() const override;

    void Notify(int controlId, Notification code) override;
    std::vector<int> RadioGroupOf(int controlId) override;
    Control* Sibling(int controlId) override { return FindControl(controlId); }
    Point ClientOriginOnScreen() const override;

    std::optional<int> Result() const { return result_; }

private:
    MemoryBackend& backend_;
    Dialog& dialog_;
    std::function<Point()> origin_;
    WindowHandle handle_;
    std::vector<std::unique_ptr<MemoryControl>> controls_;
    std::optional<int> result_;
    bool destroying_ = false;
};

class MemorySheetSite final : public SheetSite, public MemoryControlOwner {
public:
    MemorySheetSite(MemoryBackend& backend, PropertySheet& sheet);
    ~MemorySheetSite() override;

    // Adds the sheet's pages and activates its first page.
    void Start();

    WindowHandle Handle() const override { return handle_; }
    void AddPage(PropertyPage& page) override;
    void RemovePage(int index) override;
    bool SetActivePage(int index) override;
    int ActivePageIndex() const override { return active_; }
    void SetTabText(int index, std::string_view text) override;
    std::string TabText(int index) const override;
    Control* Button(int id) override;
    void HideButtonsAndFit() override;
    Rect WindowRect() const override;
    void Move(const Rect& screen, bool repaint) override;
    void Destroy() override;
    void SetCaption(std::string_view caption) override;
    std::string Caption() const override;

    void Notify(int controlId, Notification code) override;
    std::vector<int> RadioGroupOf(int) override { return {}; }
    Control* Sibling(int controlId) override { return Button(controlId); }
    Point ClientOriginOnScreen() const override;

private:
    struct Tab {
        PropertyPage* page;
        std::string text;
    };
    Point PageOrigin() const;
    void EnsurePageWindow(PropertyPage& page);
    void DestroyPageWindow(PropertyPage& page);
    void Activate(int index);

    MemoryBackend& backend_;
    PropertySheet& sheet_;
    WindowHandle handle_;
    std::vector<Tab> tabs_;
    std::map<PropertyPage*, std::unique_ptr<MemoryDialogSite>> pageSites_;
    std::vector<std::unique_ptr<MemoryControl>> buttons_;
    int active_ = -1;
    int buttonRowTop_ = 0;
    bool destroying_ = false;
};

}  // namespace zelvin::tk
