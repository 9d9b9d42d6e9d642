// The lightness baseline: the least a tray utility on this driver library can
// be. A hidden window, the same library loaded from the program's folder, one
// tray icon and a 2-second timer that makes the watchdog's driver calls and,
// like the watchdog, sets the icon to the signal quality on every tick. Its
// open command shows an empty modeless dialog in place of the sheet.
#include <windows.h>
#include <shellapi.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/nvap_entry_points.h"

namespace {

#define ZELVIN_BASELINE_SLOT(name, params) using name##_type = int(NVAP_CALL*) params; name##_type name = nullptr;
NVAP_ENTRY_POINTS(ZELVIN_BASELINE_SLOT)
#undef ZELVIN_BASELINE_SLOT

constexpr UINT kTrayMessage = 0x464;
constexpr UINT kOpenCommand = 32771;
constexpr UINT kExitCommand = 32772;
AVAILABLE_DEV g_adapter{};
HWND g_dialog = nullptr;

std::wstring OwnFolder() {
    wchar_t path[MAX_PATH] = {};
    DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, n);
    return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

bool Bind() {
    HMODULE library = LoadLibraryW((OwnFolder() + L"NvAPAPI.dll").c_str());
    if (!library) return false;
#define ZELVIN_BASELINE_BIND(name, params) \
    name = reinterpret_cast<name##_type>(reinterpret_cast<void*>(GetProcAddress(library, #name)));
    NVAP_ENTRY_POINTS(ZELVIN_BASELINE_BIND)
#undef ZELVIN_BASELINE_BIND
    return NVAP_Initial && NVAP_GetAvailableAdapters && NVAP_IsDeviceExist;
}

void Tray(HWND window, DWORD action);

void Watchdog(HWND window) {
    if (!NVAP_IsDeviceExist(&g_adapter)) return;
    int running = 0, stored = 0, rssi = 0;
    NVAP_QueryAuthMode(&running);
    NVAP_ReadAuthMode(&stored);
    NVAP_QuerySignalStrength(&rssi);
    NVAP_ConvertRssiToSignalQuality(rssi);
    Tray(window, NIM_MODIFY);
    KX_802_11_EVENT_TABLE table;
    std::memset(&table, 0, sizeof table);
    NVAP_QueryEventTable(&table);
    if (NVAP_GetWinOS() < 10 && NVAP_IsZeroConfig()) NVAP_StopXpZeroConfig();
}

void Tray(HWND window, DWORD action) {
    NOTIFYICONDATAW data = {};
    data.cbSize = sizeof data;
    data.hWnd = window;
    data.uID = 1;
    data.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
    data.uCallbackMessage = kTrayMessage;
    data.hIcon = LoadIconW(nullptr, MAKEINTRESOURCEW(32512));
    lstrcpynW(data.szTip, L"Baseline", 128);
    Shell_NotifyIconW(action, &data);
}

INT_PTR CALLBACK EmptyDialog(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

void OpenDialog(HWND owner) {
    if (g_dialog && IsWindow(g_dialog)) return;
    struct alignas(4) {
        DLGTEMPLATE header;
        WORD menu, windowClass;
        wchar_t title[24];
    } tpl = {};
    tpl.header.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE;
    tpl.header.cx = 200;
    tpl.header.cy = 120;
    lstrcpyW(tpl.title, L"Baseline Sheet");
    g_dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), &tpl.header, owner, EmptyDialog, 0);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER: Watchdog(window); return 0;
        case WM_COMMAND:
            if (LOWORD(wParam) == kOpenCommand) OpenDialog(window);
            if (LOWORD(wParam) == kExitCommand) DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            Tray(window, NIM_DELETE);
            if (NVAP_DeInitial) NVAP_DeInitial();
            PostQuitMessage(0);
            return 0;
        default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    if (!Bind()) return 1;
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"ZelvinBaseline";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowW(L"ZelvinBaseline", L"Zelvin Baseline", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                instance, nullptr);
    NVAP_Initial("Norvane", window);
    std::vector<unsigned char> list(AvailableDevListBytes(1), 0);
    auto* devices = reinterpret_cast<AVAILABLE_DEV_LIST*>(list.data());
    if (NVAP_GetAvailableAdapters(devices, 1) >= 0 && devices->nCount >= 1) {
        g_adapter = devices->adapter[0];
        NVAP_AdapterSelect(&g_adapter, 0, window);
    }
    Tray(window, NIM_ADD);
    SetTimer(window, 1, 2000, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (g_dialog && IsDialogMessageW(g_dialog, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
