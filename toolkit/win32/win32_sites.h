// Real windows behind dialogs, pages and the property sheet.
#pragma once

#include "toolkit/win32/win32_headers.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/property_sheet.h"
#include "toolkit/win32/win32_control.h"

namespace zelvin::tk {

class Win32DialogSite final : public DialogSite {
public:
    Win32DialogSite(Dialog& dialog, bool modal) : dialog_(dialog), modal_(modal) {}

    // The dialog procedure of every dialog and page the toolkit makes. Its
    // WM_INITDIALOG parameter is the site (pages: a PROPSHEETPAGE whose
    // lParam is the site).
    static INT_PTR CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static INT_PTR CALLBACK PageProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    // Set to true when the window has taken the site over (and will delete
    // it when it goes); a creation that fails before leaves it false.
    bool* adopted = nullptr;

    std::function<void(Dialog&)> script;  // tests: run once after init

    WindowHandle Handle() const override { return reinterpret_cast<WindowHandle>(hwnd_); }
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

private:
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void Adopt(HWND hwnd);
    BOOL OnInit();
    void OnCommand(WPARAM wParam, LPARAM lParam);
    bool OnNotify(const NMHDR& header);
    void RunScript();
    void SetResult(LONG_PTR result) { SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, result); }

    Dialog& dialog_;
    bool modal_;
    bool ended_ = false;
    HWND hwnd_ = nullptr;
    std::map<int, std::unique_ptr<Win32Control>> controls_;
};

class Win32SheetSite final : public SheetSite {
public:
    explicit Win32SheetSite(PropertySheet& sheet) : sheet_(sheet) {}

    // Creates the modeless sheet and runs its initialisation. On success the
    // window owns the site and deletes it when it goes; on failure the
    // caller still owns it.
    bool Create(HWND parent);

    WindowHandle Handle() const override { return reinterpret_cast<WindowHandle>(hwnd_); }
    void AddPage(PropertyPage& page) override;
    void RemovePage(int index) override;
    bool SetActivePage(int index) override;
    int ActivePageIndex() const override;
    void SetTabText(int index, std::string_view text) override;
    std::string TabText(int index) const override;
    Control* Button(int id) override;
    void HideButtonsAndFit() override;
    Rect WindowRect() const override;
    void Move(const Rect& screen, bool repaint) override;
    void Destroy() override;
    void SetCaption(std::string_view caption) override;
    std::string Caption() const override;

private:
    struct PageContext {
        PropertyPage* page;
        std::vector<DWORD> dialogTemplate;
        std::wstring title;
    };
    static int CALLBACK SheetCallback(HWND hwnd, UINT message, LPARAM lParam);
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR self);
    HPROPSHEETPAGE MakePage(PropertyPage& page);
    HWND TabControl() const;

    PropertySheet& sheet_;
    HWND hwnd_ = nullptr;
    bool ownedByWindow_ = false;
    std::vector<std::unique_ptr<PageContext>> contexts_;
    std::map<int, std::unique_ptr<Win32Control>> buttons_;
    std::wstring caption_;
};

}  // namespace zelvin::tk
