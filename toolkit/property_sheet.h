// Property pages and the modeless property sheet that hosts them. Pages are
// activated and deactivated as the user changes tabs; a page may refuse to be
// left. Pages can be appended and removed while the sheet is open.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "toolkit/backend.h"
#include "toolkit/dialog.h"
#include "toolkit/types.h"

namespace zelvin::tk {

class PropertySheet;

class PropertyPage : public Dialog {
public:
    // The layout's caption is the page's tab text.
    explicit PropertyPage(DialogLayout layout) : Dialog(std::move(layout)) {}
    // A page destroyed while its sheet's window is open closes that window
    // first: the sheet cannot go on showing a page that is gone.
    ~PropertyPage() override;

    PropertySheet* Sheet() const { return sheet_; }

    // --- Called by the sheet and the backends only --------------------------
    void SetSheet(PropertySheet* sheet) { sheet_ = sheet; }
    bool DispatchSetActive() { return OnSetActive(); }
    bool DispatchKillActive() { return OnKillActive(); }
    bool DispatchApply() { return OnApply(); }
    void DispatchReset() { OnReset(); }

protected:
    // Default: on every activation after the first, shows the members in the
    // controls. Return false to refuse the activation.
    virtual bool OnSetActive();
    // Default: takes the values from the controls; false (a failed check)
    // keeps the page active.
    virtual bool OnKillActive();
    // The sheet's OK or Apply.
    virtual bool OnApply() { return true; }
    // The sheet's Cancel, or its window closed by the user.
    virtual void OnReset() {}
    // Pages have no OK or Cancel of their own.
    void OnOK() override {}
    void OnCancel() override {}

private:
    PropertySheet* sheet_ = nullptr;
    bool activatedBefore_ = false;
};

class PropertySheet {
public:
    explicit PropertySheet(std::string caption, int firstPage = 0);
    virtual ~PropertySheet();
    PropertySheet(const PropertySheet&) = delete;
    PropertySheet& operator=(const PropertySheet&) = delete;

    // Pages are not owned. Adding or removing while the window is open
    // changes the tabs at once.
    void AddPage(PropertyPage& page);
    void RemovePage(PropertyPage& page);
    void RemovePage(int index);
    int PageCount() const { return static_cast<int>(pages_.size()); }
    PropertyPage& Page(int index) const { return *pages_.at(static_cast<size_t>(index)); }
    // -1 when the page is not in the sheet.
    int PageIndex(const PropertyPage& page) const;

    // Creates the modeless sheet window with the first page active.
    bool Create(WindowHandle parent);
    bool IsWindowAlive() const { return site_ != nullptr; }
    void DestroyWindow();
    WindowHandle Handle() const;

    int ActiveIndex() const;
    PropertyPage* ActivePage() const;
    // As a click on the tab: the active page may refuse to be left.
    bool SetActivePage(int index);

    void SetCaption(std::string_view caption);
    std::string Caption() const;
    void SetTabText(int index, std::string_view text);
    std::string TabText(int index) const;
    // The sheet's own buttons (SheetButton); an inert control when closed.
    Control& Button(int id);
    Rect WindowRect() const;
    void Move(const Rect& screen, bool repaint = true);
    // The icon of the sheet's header, used when the window is created.
    void SetHeaderIcon(IconHandle icon) { headerIcon_ = icon; }
    IconHandle HeaderIcon() const { return headerIcon_; }
    int FirstPage() const { return firstPage_; }

    // --- Called by backends only ------------------------------------------
    void AttachSite(SheetSite* site) { site_ = site; }
    SheetSite* Site() const { return site_; }
    bool DispatchInitDialog() { return OnInitDialog(); }
    void DispatchHelpButton() { OnHelpButton(); }
    bool DispatchHelpRequest() { return OnHelpRequest(); }
    void DispatchDestroy();
    void ForgetDestroyedPage(PropertyPage& page);

protected:
    // Default: the base initialisation of a modeless sheet, whose OK,
    // Cancel, Apply and Help buttons are hidden and whose height is cut above
    // the button row.
    virtual bool OnInitDialog();
    // The Help button (command 9).
    virtual void OnHelpButton() {}
    // A help request such as F1; true when handled.
    virtual bool OnHelpRequest() { return false; }
    virtual void OnDestroy() {}

private:
    std::string caption_;
    int firstPage_;
    IconHandle headerIcon_ = nullptr;
    std::vector<PropertyPage*> pages_;
    SheetSite* site_ = nullptr;
};

}  // namespace zelvin::tk
