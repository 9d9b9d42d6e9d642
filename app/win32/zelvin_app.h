// CZelvinApp: the process entry. One instance per user: a second start asks
// the running one to open its configuration sheet and ends.
#pragma once

#include <windows.h>

#include <string>

class CZelvinApp {
public:
    explicit CZelvinApp(HINSTANCE instance) : instance_(instance) {}
    // `arguments` is the command line after the program name.
    int Run(const wchar_t* arguments);

private:
    bool InitInstance(const std::wstring& arguments);
    void ExitInstance();

    HINSTANCE instance_;
    HANDLE m_hMutex = nullptr;
};
