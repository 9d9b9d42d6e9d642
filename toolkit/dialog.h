// A dialog written once against the toolkit: its layout, members moved to and
// from the controls in DoDataExchange, and handlers for the notifications.
// Run it modally with DoModal, or as a page of a property sheet
// (PropertyPage derives from it).
#pragma once

#include <string>
#include <string_view>

#include "toolkit/backend.h"
#include "toolkit/control.h"
#include "toolkit/layout.h"
#include "toolkit/types.h"

namespace zelvin::tk {

class DataExchange;

class Dialog {
public:
    explicit Dialog(DialogLayout layout);
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    const DialogLayout& Layout() const { return layout_; }
    // Changes take effect at the next creation of the window.
    DialogLayout& EditLayout() { return layout_; }

    // Runs the dialog modally; returns the EndDialog result.
    int DoModal(WindowHandle owner = nullptr);
    // A modeless dialog; it lives until DestroyWindow or its owner goes.
    bool CreateModeless(WindowHandle parent);
    void DestroyWindow();
    void EndDialog(int result);

    bool IsWindowAlive() const { return site_ != nullptr; }
    WindowHandle Handle() const;
    bool HasItem(int id) const;
    // The control with that id. A missing control (or no window) yields an
    // inert control that ignores every operation.
    Control& Item(int id);

    // true: controls into members, with the checks; false: members into the
    // controls. Returns false when a check failed (its prompt was shown and
    // the focus put on its control).
    bool UpdateData(bool saveAndValidate = true);

    bool SetTimer(unsigned id, unsigned periodMs);
    void KillTimer(unsigned id);
    // A message box owned by this dialog.
    int ShowMessageBox(std::string_view text, std::string_view caption, unsigned style);
    // The same under the platform's name (see window_ops.h).
    int MessageBox(std::string_view text, std::string_view caption, unsigned style) {
        return ShowMessageBox(text, caption, style);
    }
    // Delivers a control's notification to this dialog as the control would
    // (used to act as the user: select an item, then report SelChange).
    void SendCommand(int controlId, Notification code);

    void SetCaption(std::string_view caption);
    std::string Caption() const;
    Rect WindowRect() const;
    Point ScreenToClient(Point screen) const;
    Rect DialogUnitsToPixels(const Rect& dialogUnits) const;

    // --- Called by backends only ------------------------------------------
    void AttachSite(DialogSite* site) { site_ = site; }
    DialogSite* Site() const { return site_; }
    bool DispatchInitDialog() { return OnInitDialog(); }
    void DispatchCommand(int controlId, Notification code) { OnCommand(controlId, code); }
    void DispatchTimer(unsigned id) { OnTimer(id); }
    // The window is going: OnDestroy runs, then the site is detached.
    void DispatchDestroy();

protected:
    // Default: shows the members in the controls. Return true to let the
    // platform put the focus on the first control.
    virtual bool OnInitDialog();
    virtual void DoDataExchange(DataExchange& dx);
    // Default: OK and Cancel buttons run OnOK and OnCancel.
    virtual void OnCommand(int controlId, Notification code);
    // Default: takes the values and ends with kIdOk when the checks pass.
    virtual void OnOK();
    virtual void OnCancel();
    virtual void OnTimer(unsigned id);
    virtual void OnDestroy();

private:
    DialogLayout layout_;
    DialogSite* site_ = nullptr;
};

}  // namespace zelvin::tk
