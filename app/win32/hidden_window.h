// The hidden main window on Win32: a 9 by 9 dialog-unit pop-up titled
// "Norvane Wireless UI" that is never shown, whose window procedure hands
// timers, power and device events, tray callbacks and commands to CHideDlg.
#pragma once

#include <windows.h>

class CHideDlg;
class Win32HideHost;

// Creates the window, runs start-up and then the message loop until the
// window ends; returns its result. The window is destroyed before returning.
int RunHiddenWindow(HINSTANCE instance, CHideDlg& dlg, Win32HideHost& host);
