#include "toolkit/win32/win32_sites.h"


#include "platform/win32/win32_text.h"
#include "toolkit/win32/win32_template.h"

namespace zelvin::tk {

namespace {

constexpr UINT kRunScriptMessage = WM_APP + 0x2A1;
constexpr UINT_PTR kSheetSubclassId = 0x5A5348;
constexpr int kApplyButtonId = 0x3021;

Rect FromRECT(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

Notification CommandNotification(ControlKind kind, WORD code, bool& known) {
    known = true;
    switch (kind) {
        case ControlKind::Edit:
            if (code == EN_CHANGE) return Notification::Change;
            if (code == EN_SETFOCUS) return Notification::SetFocus;
            if (code == EN_KILLFOCUS) return Notification::KillFocus;
            break;
        case ControlKind::DropDownList:
        case ControlKind::DropDownCombo:
            if (code == CBN_SELCHANGE) return Notification::SelChange;
            if (code == CBN_DROPDOWN) return Notification::DropDown;
            if (code == CBN_CLOSEUP) return Notification::CloseUp;
            if (code == CBN_EDITCHANGE) return Notification::Change;
            if (code == CBN_SETFOCUS) return Notification::SetFocus;
            if (code == CBN_KILLFOCUS) return Notification::KillFocus;
            break;
        case ControlKind::ListBox:
            if (code == LBN_SELCHANGE) return Notification::SelChange;
            if (code == LBN_DBLCLK) return Notification::DoubleClick;
            if (code == LBN_SETFOCUS) return Notification::SetFocus;
            if (code == LBN_KILLFOCUS) return Notification::KillFocus;
            break;
        case ControlKind::Button:
        case ControlKind::CheckBox:
        case ControlKind::RadioButton:
            if (code == BN_CLICKED) return Notification::Clicked;
            if (code == BN_DOUBLECLICKED) return Notification::DoubleClick;
            break;
        default:
            break;
    }
    known = false;
    return Notification::Clicked;
}

// The platform's notification code for a portable one, for SendCommand.
WORD CommandCode(ControlKind kind, Notification code) {
    bool isCombo = kind == ControlKind::DropDownList || kind == ControlKind::DropDownCombo;
    switch (code) {
        case Notification::SelChange:
            return isCombo ? CBN_SELCHANGE : LBN_SELCHANGE;
        case Notification::DropDown:
            return CBN_DROPDOWN;
        case Notification::CloseUp:
            return CBN_CLOSEUP;
        case Notification::Change:
            return isCombo ? CBN_EDITCHANGE : EN_CHANGE;
        case Notification::SetFocus:
            return isCombo ? CBN_SETFOCUS : kind == ControlKind::ListBox ? LBN_SETFOCUS : EN_SETFOCUS;
        case Notification::KillFocus:
            return isCombo ? CBN_KILLFOCUS : kind == ControlKind::ListBox ? LBN_KILLFOCUS : EN_KILLFOCUS;
        case Notification::DoubleClick:
            return kind == ControlKind::ListBox ? LBN_DBLCLK : BN_DOUBLECLICKED;
        default:
            return BN_CLICKED;
    }
}

thread_local Win32SheetSite* t_creatingSheet = nullptr;

}  // namespace

// --- Dialogs and pages -------------------------------------------------------

INT_PTR CALLBACK Win32DialogSite::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* site = reinterpret_cast<Win32DialogSite*>(lParam);
        site->Adopt(hwnd);
        return site->OnInit();
    }
    auto* site = reinterpret_cast<Win32DialogSite*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    return site != nullptr ? site->Dispatch(message, wParam, lParam) : FALSE;
}

INT_PTR CALLBACK Win32DialogSite::PageProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* page = reinterpret_cast<PropertyPage*>(reinterpret_cast<PROPSHEETPAGEW*>(lParam)->lParam);
        auto* site = new Win32DialogSite(*page, false);
        site->Adopt(hwnd);
        return site->OnInit();
    }
    return Procedure(hwnd, message, wParam, lParam);
}

void Win32DialogSite::Adopt(HWND hwnd) {
    hwnd_ = hwnd;
    if (adopted != nullptr) *adopted = true;
    SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(this));
    for (const ControlSpec& controlSpec : dialog_.Layout().controls) {
        HWND control = GetDlgItem(hwnd, controlSpec.id);
        if (controlSpec.id == -1 || control == nullptr) continue;
        int firstId = controlSpec.id;
        const DialogLayout* layout = &dialog_.Layout();
        auto groupOf = [layout, firstId] {
            // The group runs back to the button that starts it.
            int start = firstId;
            for (const ControlSpec& s : layout->controls) {
                if (s.kind != ControlKind::RadioButton) {
                    start = -2;
                    continue;
                }
                if (start == -2 || (s.style & kGroup) != 0) start = s.id;
                if (s.id == firstId) break;
            }
            return RadioGroup(*layout, start);
        };
        controls_[controlSpec.id] = std::make_unique<Win32Control>(control, controlSpec.id, controlSpec.kind, groupOf);
        // The system's masking character is '*', whatever the visual style.
        if (controlSpec.kind == ControlKind::Edit && (controlSpec.style & kPassword) != 0) controls_[controlSpec.id]->SetPasswordChar(U'*');
    }
    dialog_.AttachSite(this);
}

BOOL Win32DialogSite::OnInit() {
    BOOL focusDefault = dialog_.DispatchInitDialog() ? TRUE : FALSE;
    if (script && IsWindow(hwnd_)) PostMessageW(hwnd_, kRunScriptMessage, 0, 0);
    return focusDefault;
}

void Win32DialogSite::RunScript() {
    auto run = std::move(script);
    script = nullptr;
    if (run) run(dialog_);
    if (!modal_ || ended_ || !IsWindow(hwnd_)) return;
    // What Escape would do, then a forced end if the dialog ignores it.
    dialog_.DispatchCommand(IDCANCEL, Notification::Clicked);
    if (!ended_) EndModal(IDCANCEL);
}

INT_PTR Win32DialogSite::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(wParam, lParam);
            return TRUE;
        case WM_NOTIFY:
            return OnNotify(*reinterpret_cast<const NMHDR*>(lParam)) ? TRUE : FALSE;
        case WM_TIMER:
            dialog_.DispatchTimer(static_cast<unsigned>(wParam));
            return TRUE;
        case kRunScriptMessage:
            RunScript();
            return TRUE;
        case WM_DESTROY:
            dialog_.DispatchDestroy();
            return FALSE;
        case WM_NCDESTROY:
            SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
            delete this;
            return FALSE;
        default:
            return FALSE;
    }
}

void Win32DialogSite::OnCommand(WPARAM wParam, LPARAM lParam) {
    int id = LOWORD(wParam);
    WORD code = HIWORD(wParam);
    if (lParam == 0) {
        // Enter and Escape arrive as commands without a control.
        if (id == IDOK || id == IDCANCEL) dialog_.DispatchCommand(id, Notification::Clicked);
        return;
    }
    auto found = controls_.find(id);
    if (found == controls_.end()) return;
    bool known = false;
    Notification notification = CommandNotification(found->second->Kind(), code, known);
    if (!known) return;
    if (notification == Notification::DropDown) found->second->RunDropDownHook();
    dialog_.DispatchCommand(id, notification);
}

bool Win32DialogSite::OnNotify(const NMHDR& header) {
    auto* page = dynamic_cast<PropertyPage*>(&dialog_);
    switch (header.code) {
        case PSN_SETACTIVE:
            if (page == nullptr) return false;
            SetResult(page->DispatchSetActive() ? 0 : -1);
            return true;
        case PSN_KILLACTIVE:
            if (page == nullptr) return false;
            SetResult(page->DispatchKillActive() ? FALSE : TRUE);
            return true;
        case PSN_APPLY:
            if (page == nullptr) return false;
            SetResult(page->DispatchApply() ? PSNRET_NOERROR : PSNRET_INVALID);
            return true;
        case PSN_RESET:
            if (page != nullptr) page->DispatchReset();
            return true;
        default:
            break;
    }
    int id = static_cast<int>(header.idFrom);
    auto found = controls_.find(id);
    if (found == controls_.end() || found->second->Kind() != ControlKind::ListView) return false;
    if (header.code == LVN_ITEMCHANGED) dialog_.DispatchCommand(id, Notification::ItemChanged);
    if (header.code == static_cast<UINT>(NM_CLICK)) dialog_.DispatchCommand(id, Notification::Click);
    if (header.code == static_cast<UINT>(NM_DBLCLK)) dialog_.DispatchCommand(id, Notification::DoubleClick);
    return false;
}

Control* Win32DialogSite::FindControl(int id) {
    auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : found->second.get();
}

void Win32DialogSite::EndModal(int result) {
    if (modal_) {
        ended_ = true;
        ::EndDialog(hwnd_, result);
    } else {
        DestroyWindow(hwnd_);
    }
}

void Win32DialogSite::Destroy() { DestroyWindow(hwnd_); }

bool Win32DialogSite::SetTimer(unsigned id, unsigned periodMs) {
    return ::SetTimer(hwnd_, id, periodMs, nullptr) != 0;
}

void Win32DialogSite::KillTimer(unsigned id) { ::KillTimer(hwnd_, id); }

void Win32DialogSite::SendCommand(int controlId, Notification code) {
    auto found = controls_.find(controlId);
    if (found == controls_.end() || found->second->Kind() == ControlKind::ListView) {
        dialog_.DispatchCommand(controlId, code);
        return;
    }
    HWND control = reinterpret_cast<HWND>(found->second->Handle());
    SendMessageW(hwnd_, WM_COMMAND, MAKEWPARAM(controlId, CommandCode(found->second->Kind(), code)),
                 reinterpret_cast<LPARAM>(control));
}

Rect Win32DialogSite::DialogUnitsToPixels(const Rect& u) const {
    RECT r{u.left, u.top, u.right, u.bottom};
    MapDialogRect(hwnd_, &r);
    return FromRECT(r);
}

Rect Win32DialogSite::WindowRect() const {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return FromRECT(r);
}

Point Win32DialogSite::ScreenToClient(Point screen) const {
    POINT p{screen.x, screen.y};
    ::ScreenToClient(hwnd_, &p);
    return {p.x, p.y};
}

void Win32DialogSite::SetCaption(std::string_view caption) { SetWindowTextW(hwnd_, ToWide(caption).c_str()); }

std::string Win32DialogSite::Caption() const {
    wchar_t buffer[512] = {};
    GetWindowTextW(hwnd_, buffer, 511);
    return ToUtf8(buffer);
}

// --- The property sheet ------------------------------------------------------

HPROPSHEETPAGE Win32SheetSite::MakePage(PropertyPage& page) {
    auto context = std::make_unique<PageContext>();
    context->page = &page;
    context->dialogTemplate = BuildDialogTemplate(page.Layout(), TemplateUse::Page);
    context->title = ToWide(page.Layout().caption);
    PROPSHEETPAGEW description{};
    description.dwSize = sizeof(description);
    description.dwFlags = PSP_DLGINDIRECT | PSP_USETITLE | PSP_HASHELP;
    description.hInstance = GetModuleHandleW(nullptr);
    description.pResource = reinterpret_cast<LPCDLGTEMPLATEW>(context->dialogTemplate.data());
    description.pszTitle = context->title.c_str();
    description.pfnDlgProc = Win32DialogSite::PageProcedure;
    description.lParam = reinterpret_cast<LPARAM>(&page);
    HPROPSHEETPAGE handle = CreatePropertySheetPageW(&description);
    if (handle != nullptr) contexts_.push_back(std::move(context));
    return handle;
}

int CALLBACK Win32SheetSite::SheetCallback(HWND hwnd, UINT message, LPARAM) {
    if (message == PSCB_INITIALIZED && t_creatingSheet != nullptr) {
        Win32SheetSite* site = t_creatingSheet;
        site->hwnd_ = hwnd;
        SetWindowSubclass(hwnd, SubclassProc, kSheetSubclassId, reinterpret_cast<DWORD_PTR>(site));
    }
    return 0;
}

LRESULT CALLBACK Win32SheetSite::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                              DWORD_PTR selfData) {
    auto* self = reinterpret_cast<Win32SheetSite*>(selfData);
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(wParam) == IDHELP && HIWORD(wParam) == BN_CLICKED) {
                self->sheet_.DispatchHelpButton();
                return 0;
            }
            break;
        case WM_HELP:
            if (self->sheet_.DispatchHelpRequest()) return TRUE;
            break;
        case WM_NCDESTROY: {
            RemoveWindowSubclass(hwnd, SubclassProc, kSheetSubclassId);
            LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
            self->sheet_.DispatchDestroy();
            if (self->ownedByWindow_) delete self;
            return result;
        }
        default:
            break;
    }
    LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
    // A modeless sheet closed by its OK, Cancel or close box is left for its
    // owner to destroy; nobody else will.
    if ((message == WM_COMMAND || message == WM_SYSCOMMAND) && IsWindow(hwnd) &&
        SendMessageW(hwnd, PSM_GETCURRENTPAGEHWND, 0, 0) == 0) {
        DestroyWindow(hwnd);
    }
    return result;
}

bool Win32SheetSite::Create(HWND parent) {
    std::vector<HPROPSHEETPAGE> pages;
    for (int i = 0; i < sheet_.PageCount(); ++i) {
        HPROPSHEETPAGE page = MakePage(sheet_.Page(i));
        if (page != nullptr) pages.push_back(page);
    }
    caption_ = ToWide(sheet_.Caption());
    PROPSHEETHEADERW header{};
    header.dwSize = sizeof(header);
    header.dwFlags = PSH_MODELESS | PSH_USECALLBACK | PSH_HASHELP;
    if (sheet_.HeaderIcon() != nullptr) {
        header.dwFlags |= PSH_USEHICON;
        header.hIcon = reinterpret_cast<HICON>(sheet_.HeaderIcon());
    }
    header.hwndParent = parent;
    header.hInstance = GetModuleHandleW(nullptr);
    header.pszCaption = caption_.c_str();
    header.nPages = static_cast<UINT>(pages.size());
    header.nStartPage = static_cast<UINT>(sheet_.FirstPage());
    header.phpage = pages.data();
    header.pfnCallback = SheetCallback;

    sheet_.AttachSite(this);
    t_creatingSheet = this;
    INT_PTR created = PropertySheetW(&header);
    t_creatingSheet = nullptr;
    if (created == 0 || created == -1 || hwnd_ == nullptr) {
        sheet_.AttachSite(nullptr);
        return false;
    }
    ownedByWindow_ = true;
    sheet_.DispatchInitDialog();
    return true;
}

void Win32SheetSite::AddPage(PropertyPage& page) {
    HPROPSHEETPAGE handle = MakePage(page);
    if (handle != nullptr) SendMessageW(hwnd_, PSM_ADDPAGE, 0, reinterpret_cast<LPARAM>(handle));
}

void Win32SheetSite::RemovePage(int index) {
    if (index < 0 || index >= sheet_.PageCount()) return;
    PropertyPage* page = &sheet_.Page(index);
    SendMessageW(hwnd_, PSM_REMOVEPAGE, static_cast<WPARAM>(index), 0);
    for (auto it = contexts_.begin(); it != contexts_.end(); ++it) {
        if ((*it)->page == page) {
            contexts_.erase(it);
            break;
        }
    }
}

HWND Win32SheetSite::TabControl() const {
    return reinterpret_cast<HWND>(SendMessageW(hwnd_, PSM_GETTABCONTROL, 0, 0));
}

bool Win32SheetSite::SetActivePage(int index) {
    SendMessageW(hwnd_, PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
    return ActivePageIndex() == index;
}

int Win32SheetSite::ActivePageIndex() const {
    HWND tabs = TabControl();
    return tabs != nullptr ? static_cast<int>(SendMessageW(tabs, TCM_GETCURSEL, 0, 0)) : -1;
}

void Win32SheetSite::SetTabText(int index, std::string_view text) {
    std::wstring wide = ToWide(text);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = wide.data();
    SendMessageW(TabControl(), TCM_SETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

std::string Win32SheetSite::TabText(int index) const {
    wchar_t buffer[256] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = buffer;
    item.cchTextMax = 255;
    if (SendMessageW(TabControl(), TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) == 0) {
        return "";
    }
    return ToUtf8(buffer);
}

Control* Win32SheetSite::Button(int id) {
    if (id != IDOK && id != IDCANCEL && id != IDHELP && id != kApplyButtonId) return nullptr;
    auto found = buttons_.find(id);
    if (found != buttons_.end()) return found->second.get();
    HWND button = GetDlgItem(hwnd_, id);
    if (button == nullptr) return nullptr;
    auto wrapper = std::make_unique<Win32Control>(button, id, ControlKind::Button);
    Control* result = wrapper.get();
    buttons_[id] = std::move(wrapper);
    return result;
}

void Win32SheetSite::HideButtonsAndFit() {
    RECT okRect{};
    HWND ok = GetDlgItem(hwnd_, IDOK);
    bool haveOk = ok != nullptr && GetWindowRect(ok, &okRect);
    for (int id : {IDOK, IDCANCEL, kApplyButtonId, IDHELP}) {
        if (HWND button = GetDlgItem(hwnd_, id)) ShowWindow(button, SW_HIDE);
    }
    if (!haveOk) return;
    RECT sheetRect{};
    GetWindowRect(hwnd_, &sheetRect);
    SetWindowPos(hwnd_, nullptr, 0, 0, sheetRect.right - sheetRect.left, okRect.top - sheetRect.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Rect Win32SheetSite::WindowRect() const {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return FromRECT(r);
}

void Win32SheetSite::Move(const Rect& screen, bool repaint) {
    MoveWindow(hwnd_, screen.left, screen.top, screen.Width(), screen.Height(), repaint ? TRUE : FALSE);
}

void Win32SheetSite::Destroy() { DestroyWindow(hwnd_); }

void Win32SheetSite::SetCaption(std::string_view caption) { SetWindowTextW(hwnd_, ToWide(caption).c_str()); }

std::string Win32SheetSite::Caption() const {
    wchar_t buffer[512] = {};
    GetWindowTextW(hwnd_, buffer, 511);
    return ToUtf8(buffer);
}

}  // namespace zelvin::tk
