// The program's entry point.
#include <windows.h>

#include "app/win32/zelvin_app.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR arguments, int) {
    CZelvinApp app(instance);
    return app.Run(arguments);
}
