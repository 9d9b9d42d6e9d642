#include "toolkit/win32/win32_backend.h"


#include "platform/win32/win32_text.h"
#include "toolkit/dialog.h"
#include "toolkit/property_sheet.h"
#include "toolkit/win32/win32_sites.h"
#include "toolkit/win32/win32_template.h"

namespace zelvin::tk {

Win32Backend::Win32Backend() {
    INITCOMMONCONTROLSEX classes{};
    classes.dwSize = sizeof(classes);
    classes.dwICC = ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_INTERNET_CLASSES;
    InitCommonControlsEx(&classes);
}

int Win32Backend::RunModal(Dialog& dialog, WindowHandle owner) {
    std::vector<DWORD> dialogTemplate = BuildDialogTemplate(dialog.Layout(), TemplateUse::Modal);
    auto* site = new Win32DialogSite(dialog, true);
    bool adopted = false;
    site->adopted = &adopted;
    if (!modalScripts_.empty()) {
        site->script = std::move(modalScripts_.front());
        modalScripts_.pop_front();
    }
    INT_PTR result = DialogBoxIndirectParamW(GetModuleHandleW(nullptr),
                                             reinterpret_cast<LPCDLGTEMPLATEW>(dialogTemplate.data()),
                                             ToHwnd(owner), Win32DialogSite::Procedure, reinterpret_cast<LPARAM>(site));
    // The window deletes its site when it goes; one never made leaves it here.
    if (!adopted) delete site;
    return static_cast<int>(result);
}

bool Win32Backend::CreateModeless(Dialog& dialog, WindowHandle parent) {
    std::vector<DWORD> dialogTemplate = BuildDialogTemplate(dialog.Layout(), TemplateUse::Modeless);
    auto* site = new Win32DialogSite(dialog, false);
    bool adopted = false;
    site->adopted = &adopted;
    HWND window = CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                             reinterpret_cast<LPCDLGTEMPLATEW>(dialogTemplate.data()), ToHwnd(parent),
                                             Win32DialogSite::Procedure, reinterpret_cast<LPARAM>(site));
    if (!adopted) {
        delete site;
        return false;
    }
    site->adopted = nullptr;
    if (window != nullptr) ShowWindow(window, SW_SHOW);
    return window != nullptr;
}

bool Win32Backend::CreateSheet(PropertySheet& sheet, WindowHandle parent) {
    auto* site = new Win32SheetSite(sheet);
    if (!site->Create(ToHwnd(parent))) {
        delete site;
        return false;
    }
    return true;
}

int Win32Backend::ShowMessageBox(WindowHandle owner, std::string_view text, std::string_view caption,
                                 unsigned style) {
    if (responder_) return responder_(owner, text, caption, style);
    return MessageBoxW(ToHwnd(owner), ToWide(text).c_str(), ToWide(caption).c_str(), style);
}

void Win32Backend::WarningBeep() { MessageBeep(MB_OK); }

int Win32Backend::VerticalScrollBarWidth() { return GetSystemMetrics(SM_CXVSCROLL); }

bool Win32Backend::IsLetter(char32_t ch) { return ch < 0x10000 && IsCharAlphaW(static_cast<WCHAR>(ch)) != FALSE; }

bool Win32Backend::IsLetterOrDigit(char32_t ch) {
    return ch < 0x10000 && IsCharAlphaNumericW(static_cast<WCHAR>(ch)) != FALSE;
}

WindowHandle Win32Backend::FindTopLevelWindow(std::string_view title, std::string_view className) {
    std::wstring wideTitle = ToWide(title);
    std::wstring wideClass = ToWide(className);
    return FromHwnd(FindWindowW(className.empty() ? nullptr : wideClass.c_str(), wideTitle.c_str()));
}

bool Win32Backend::PostMessageTo(WindowHandle window, uint32_t message, std::uintptr_t wParam,
                                 std::intptr_t lParam) {
    return PostMessageW(ToHwnd(window), message, wParam, lParam) != FALSE;
}

std::intptr_t Win32Backend::SendMessageTo(WindowHandle window, uint32_t message, std::uintptr_t wParam,
                                          std::intptr_t lParam) {
    return SendMessageW(ToHwnd(window), message, wParam, lParam);
}

bool Win32Backend::BringToForeground(WindowHandle window) { return SetForegroundWindow(ToHwnd(window)) != FALSE; }

void Win32Backend::SetSmallIcon(WindowHandle window, IconHandle icon) {
    SendMessageW(ToHwnd(window), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(ToHicon(icon)));
}

bool Win32Backend::IsWindowAlive(WindowHandle window) { return IsWindow(ToHwnd(window)) != FALSE; }

Rect Win32Backend::WindowRectOf(WindowHandle window) {
    RECT r{};
    if (!GetWindowRect(ToHwnd(window), &r)) return {};
    return {r.left, r.top, r.right, r.bottom};
}

bool Win32Backend::MoveWindowTo(WindowHandle window, const Rect& screen, bool repaint) {
    return MoveWindow(ToHwnd(window), screen.left, screen.top, screen.Width(), screen.Height(),
                      repaint ? TRUE : FALSE) != FALSE;
}

void Win32Backend::SetMessageBoxResponder(MessageBoxResponder responder) { responder_ = std::move(responder); }

void Win32Backend::QueueModalScript(std::function<void(Dialog&)> script) {
    modalScripts_.push_back(std::move(script));
}

bool Win32Backend::PreTranslate(MSG& message) {
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    if (root == nullptr) return false;
    // A property sheet answers for its pages; a plain dialog for itself.
    if (SendMessageW(root, PSM_GETCURRENTPAGEHWND, 0, 0) != 0) {
        return SendMessageW(root, PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(&message)) != FALSE;
    }
    wchar_t className[16] = {};
    GetClassNameW(root, className, 15);
    return lstrcmpW(className, L"#32770") == 0 && IsDialogMessageW(root, &message) != FALSE;
}

}  // namespace zelvin::tk
