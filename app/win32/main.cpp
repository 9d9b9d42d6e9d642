// Placeholder entry until the hidden window lands: shows that the stage runs.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    MessageBoxW(nullptr, L"Zelvin is starting.", L"Zelvin", MB_OK | MB_ICONINFORMATION);
    return 0;
}
