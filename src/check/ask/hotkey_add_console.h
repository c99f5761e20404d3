// Adding a hotkey by pressing it, at a console: hotkey_add_console_win32.cpp.
#ifndef VORN_CHECK_HOTKEY_ADD_CONSOLE_H
#define VORN_CHECK_HOTKEY_ADD_CONSOLE_H

#ifdef _WIN32
#include <wchar.h>

// Asks for the combination (pressed, through a keyboard hook), what it
// runs and a Y, then adds the line to the file at path, named shown, or
// creates the file where there is none. Returns the exit status: 0 when the
// line was written, 1 when the user wrote nothing, 2 when the file could
// not be read or written.
int AddHotkeyAtConsole(const wchar_t *path, const char *shown);
#endif

#endif
