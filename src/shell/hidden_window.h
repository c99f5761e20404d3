// The program's window of class "Vorn", never shown.
#ifndef VORN_SHELL_HIDDEN_WINDOW_H
#define VORN_SHELL_HIDDEN_WINDOW_H

#include <windows.h>

// Registers the class with the procedure and creates the window; the
// benchmark's same-calls floor makes it with a procedure of its own.
HWND CreateHiddenWindow(HINSTANCE instance, WNDPROC procedure);

#endif
