#include "app/win32/hidden_window.h"

#include <cstring>
#include <string>
#include <vector>

#include "app/hide_dlg.h"
#include "app/win32/win32_hide_host.h"
#include "toolkit/win32/win32_backend.h"

namespace {

struct WindowContext {
    CHideDlg* dlg;
    Win32HideHost* host;
    UINT taskbarCreated;
};

// An in-memory dialog template: pop-up with a caption, 9 by 9 units, no
// controls, not visible.
std::vector<WORD> HiddenWindowTemplate() {
    std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
    DLGTEMPLATE header = {};
    header.style = WS_POPUP | WS_CAPTION | DS_SETFONT | DS_MODALFRAME;
    header.cdit = 0;
    header.cx = 9;
    header.cy = 9;
    std::memcpy(words.data(), &header, sizeof header);
    words.push_back(0);  // no menu
    words.push_back(0);  // the standard dialog class
    for (const wchar_t* c = L"Norvane Wireless UI"; *c; ++c) words.push_back(static_cast<WORD>(*c));
    words.push_back(0);
    words.push_back(8);  // font size
    for (const wchar_t* c = L"MS Shell Dlg"; *c; ++c) words.push_back(static_cast<WORD>(*c));
    words.push_back(0);
    return words;
}

// A profile request from the configuration page. The data may come from any
// process, so only its stated length is read, and a length no SSID can have
// is refused.
LRESULT OnCopyData(CHideDlg& dlg, const COPYDATASTRUCT& data) {
    if (data.dwData != hidedlg::kCopyDataUpdateProfile) return FALSE;
    if (data.cbData > hidedlg::kMaxProfileRequestBytes || (data.cbData > 0 && data.lpData == nullptr)) return FALSE;
    std::string ssid(static_cast<const char*>(data.lpData), data.cbData);
    ssid = ssid.substr(0, ssid.find('\0'));
    dlg.UpdateVistaProfile(ssid);
    return TRUE;
}

void SetResult(HWND window, LRESULT result) { SetWindowLongPtrW(window, DWLP_MSGRESULT, result); }

INT_PTR HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, WindowContext& context) {
    CHideDlg& dlg = *context.dlg;
    if (context.taskbarCreated != 0 && message == context.taskbarCreated) {
        dlg.OnTaskbarCreated();
        return TRUE;
    }
    switch (message) {
        case WM_TIMER:
            dlg.OnTimer(static_cast<unsigned>(wParam));
            return TRUE;
        case WM_POWERBROADCAST:
            dlg.OnPowerBroadcast(static_cast<unsigned>(wParam));
            return FALSE;  // then the default processing
        case WM_DEVICECHANGE:
            dlg.OnDeviceChange();
            return FALSE;
        case hidedlg::kMsgConnectComplete:
            dlg.OnConnectComplete();
            SetResult(window, 0);
            return TRUE;
        case hidedlg::kMsgTurnOnRadio:
            dlg.OnTurnOnRadio();
            SetResult(window, 0);
            return TRUE;
        case hidedlg::kMsgTurnOffRadio:
            dlg.OnTurnOffRadio();
            SetResult(window, 0);
            return TRUE;
        case hidedlg::kMsgTrayNotify:
            SetResult(window, dlg.OnTrayNotify(static_cast<unsigned>(lParam)));
            return TRUE;
        case WM_COMMAND:
            dlg.OnCommand(LOWORD(wParam));
            return TRUE;
        case WM_COPYDATA:
            SetResult(window, OnCopyData(dlg, *reinterpret_cast<const COPYDATASTRUCT*>(lParam)));
            return TRUE;
        case WM_WINDOWPOSCHANGING:
            // The window is never to be seen: refuse every request to show it.
            reinterpret_cast<WINDOWPOS*>(lParam)->flags &= ~static_cast<UINT>(SWP_SHOWWINDOW);
            return FALSE;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            BeginPaint(window, &paint);
            EndPaint(window, &paint);
            ShowWindow(window, SW_HIDE);
            return TRUE;
        }
        case WM_DESTROY:
            dlg.OnDestroy();
            return FALSE;
        default:
            return FALSE;
    }
}

INT_PTR CALLBACK HiddenWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* context = reinterpret_cast<WindowContext*>(lParam);
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        context->host->Attach(window);
        context->dlg->OnInitDialog();
        return FALSE;  // nothing to focus
    }
    auto* context = reinterpret_cast<WindowContext*>(GetWindowLongPtrW(window, DWLP_USER));
    if (!context) return FALSE;
    return HandleMessage(window, message, wParam, lParam, *context);
}

}  // namespace

int RunHiddenWindow(HINSTANCE instance, CHideDlg& dlg, Win32HideHost& host) {
    WindowContext context{&dlg, &host, RegisterWindowMessageW(L"TaskbarCreated")};
    std::vector<WORD> dialogTemplate = HiddenWindowTemplate();
    HWND window = CreateDialogIndirectParamW(instance, reinterpret_cast<const DLGTEMPLATE*>(dialogTemplate.data()),
                                             nullptr, HiddenWindowProc, reinterpret_cast<LPARAM>(&context));
    if (!window) return 1;

    // The window's own modal loop; the toolkit sees each message first so the
    // modeless configuration sheet gets its keyboard navigation.
    MSG message;
    while (!host.Ended() && GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (zelvin::tk::Win32Backend::PreTranslate(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    DestroyWindow(window);
    return host.Result();
}
