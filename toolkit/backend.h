// The seam between the portable toolkit and a window system. A backend
// creates the windows of dialogs, pages and sheets and hands each a site: the
// backend's side of that one window. Logic never calls a backend directly; it
// uses Dialog, PropertyPage, PropertySheet, the message box and the window
// operations, which reach the backend installed with SetCurrentBackend.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "toolkit/control.h"
#include "toolkit/types.h"

namespace zelvin::tk {

class Dialog;
class PropertyPage;
class PropertySheet;

// The backend's side of one dialog or page window, alive while the window is.
class DialogSite {
public:
    virtual ~DialogSite() = default;
    virtual WindowHandle Handle() const = 0;
    // nullptr when the window has no control with that id.
    virtual Control* FindControl(int id) = 0;
    virtual void EndModal(int result) = 0;
    virtual void Destroy() = 0;
    virtual bool SetTimer(unsigned id, unsigned periodMs) = 0;
    virtual void KillTimer(unsigned id) = 0;
    // Delivers a notification as the control itself would.
    virtual void SendCommand(int controlId, Notification code) = 0;
    virtual Rect DialogUnitsToPixels(const Rect& dialogUnits) const = 0;
    virtual Rect WindowRect() const = 0;
    virtual Point ScreenToClient(Point screen) const = 0;
    virtual void SetCaption(std::string_view caption) = 0;
    virtual std::string Caption() const = 0;
};

// The backend's side of a modeless property sheet window.
class SheetSite {
public:
    virtual ~SheetSite() = default;
    virtual WindowHandle Handle() const = 0;
    virtual void AddPage(PropertyPage& page) = 0;
    virtual void RemovePage(int index) = 0;
    // Deactivates the current page (which may refuse) and activates index.
    virtual bool SetActivePage(int index) = 0;
    virtual int ActivePageIndex() const = 0;
    virtual void SetTabText(int index, std::string_view text) = 0;
    virtual std::string TabText(int index) const = 0;
    // OK, Cancel, Help and Apply (SheetButton); nullptr for another id.
    virtual Control* Button(int id) = 0;
    // The base initialisation of a modeless sheet: hide OK, Cancel, Apply and
    // Help and cut the window's height above their row.
    virtual void HideButtonsAndFit() = 0;
    virtual Rect WindowRect() const = 0;
    virtual void Move(const Rect& screen, bool repaint) = 0;
    virtual void Destroy() = 0;
    virtual void SetCaption(std::string_view caption) = 0;
    virtual std::string Caption() const = 0;
};

class Backend {
public:
    virtual ~Backend() = default;

    // Dialogs and sheets. The backend attaches a site to the object for the
    // window's lifetime and calls its Dispatch* functions.
    virtual int RunModal(Dialog& dialog, WindowHandle owner) = 0;
    virtual bool CreateModeless(Dialog& dialog, WindowHandle parent) = 0;
    virtual bool CreateSheet(PropertySheet& sheet, WindowHandle parent) = 0;

    virtual int ShowMessageBox(WindowHandle owner, std::string_view text, std::string_view caption,
                               unsigned style) = 0;
    virtual void WarningBeep() = 0;
    virtual int VerticalScrollBarWidth() = 0;

    // Character classification of the system, for the input filters.
    virtual bool IsLetter(char32_t ch) = 0;
    virtual bool IsLetterOrDigit(char32_t ch) = 0;

    // Windows by handle, whoever made them.
    virtual WindowHandle FindTopLevelWindow(std::string_view title, std::string_view className) = 0;
    virtual bool PostMessageTo(WindowHandle window, uint32_t message, std::uintptr_t wParam,
                               std::intptr_t lParam) = 0;
    virtual std::intptr_t SendMessageTo(WindowHandle window, uint32_t message, std::uintptr_t wParam,
                                        std::intptr_t lParam) = 0;
    virtual bool BringToForeground(WindowHandle window) = 0;
    virtual void SetSmallIcon(WindowHandle window, IconHandle icon) = 0;
    virtual bool IsWindowAlive(WindowHandle window) = 0;
    virtual Rect WindowRectOf(WindowHandle window) = 0;
    virtual bool MoveWindowTo(WindowHandle window, const Rect& screen, bool repaint) = 0;
};

// The process-wide backend: the Win32 program installs the real one, native
// tests the in-memory one.
Backend& CurrentBackend();
void SetCurrentBackend(Backend* backend);

}  // namespace zelvin::tk
