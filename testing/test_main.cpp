// GoogleTest entry shared by every test executable, native and Windows.
#include <gtest/gtest.h>

#if defined(_WIN32)
#include <windows.h>
#include <crtdbg.h>

int wmain(int argc, wchar_t** argv) {
    // A failing assertion must end the test, never open a dialog under Wine.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
#else
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
#endif
