// The hidden main window: owner of the hotkeys, the icon's messages, the
// popup menu and the alert box.
#ifndef VORN_SHELL_MAIN_WINDOW_H
#define VORN_SHELL_MAIN_WINDOW_H

#include <windows.h>

HWND CreateMainWindow(HINSTANCE instance);

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Releases every hotkey and the icon, then ends the message loop.
void RunShutdown(HWND window);

#endif
