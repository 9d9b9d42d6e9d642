// The redirection switch is looked up by name once, at process start: older
// systems have no such export, and then both calls do nothing.
#include <windows.h>

#include "core/value_helpers.h"

namespace {

using Wow64EnableFn = BOOLEAN(WINAPI*)(BOOLEAN);

Wow64EnableFn LookUpRedirectionSwitch() {
    // kernel32.dll is in every process already; nothing is loaded here.
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    if (!kernel) return nullptr;
    return reinterpret_cast<Wow64EnableFn>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "Wow64EnableWow64FsRedirection")));
}

const Wow64EnableFn g_redirectionSwitch = LookUpRedirectionSwitch();

}  // namespace

int EnableWow64FsRedirection() { return g_redirectionSwitch ? g_redirectionSwitch(TRUE) : 0; }
int DisableWow64FsRedirection() { return g_redirectionSwitch ? g_redirectionSwitch(FALSE) : 0; }
