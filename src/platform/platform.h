// The operating-system calls the portable core makes, chosen when a program
// is linked: platform_win32.cpp for Windows, the recording fake in
// tests/host for host tests, and platform_posix.cpp (the file operations
// only) for vorn-check on Linux.
#ifndef VORN_PLATFORM_PLATFORM_H
#define VORN_PLATFORM_PLATFORM_H

#include "win32_values.h"

// Opens an existing file for reading, shared with nobody. Returns 0 and sets
// *file on success, non-zero when the file cannot be opened.
int PlatformOpenFile(const wchar_t *name, HANDLE *file);

// Reads up to byteCount bytes into buffer and returns how many arrived: 0
// at the end of the file, -1 when the read failed.
int PlatformReadFile(HANDLE file, char *buffer, int byteCount);

void PlatformCloseFile(HANDLE file);

// After this, pressing the combination anywhere posts WM_HOTKEY with the
// identifier to the window. A refusal is not reported.
void PlatformRegisterHotkey(HWND window, int id, unsigned modifiers, int keyCode);

void PlatformUnregisterHotkey(HWND window, int id);

// The system's OEM code page, the one settings text is read in.
unsigned PlatformOemCodePage();

// MultiByteToWideChar: converts sourceBytes bytes of codePage with flags into
// at most destinationChars UTF-16 units. Returns how many were written, 0 on
// failure (also for flags the code page does not take).
int PlatformMultiByteToWide(unsigned codePage, unsigned flags, const char *source, int sourceBytes,
                            wchar_t *destination, int destinationChars);

// Asks the shell to perform verb on file; the result is not examined.
void PlatformShellExecute(HWND window, const wchar_t *verb, const wchar_t *file,
                          const wchar_t *parameters, const wchar_t *directory,
                          int showCommand);

// Shows a modal message box and returns when the user has closed it.
void PlatformMessageBox(HWND owner, const wchar_t *text, const wchar_t *title,
                        unsigned style);

// Sends synchronously: the window procedure has run when this returns.
void PlatformSendMessage(HWND window, unsigned message, unsigned long long wParam,
                         long long lParam);

void PlatformSetForegroundWindow(HWND window);

#endif
