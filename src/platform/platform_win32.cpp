// The platform operations on the real Win32 interface.
#include "platform/platform.h"

#include <shellapi.h>

int PlatformOpenFile(const wchar_t *name, HANDLE *file)
{
    // Shared with nobody: the file cannot change while it is read.
    *file = CreateFileW(name, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                        nullptr);
    return *file == INVALID_HANDLE_VALUE ? 1 : 0;
}

int PlatformReadFile(HANDLE file, char *buffer, int byteCount)
{
    DWORD read = 0;
    if (!ReadFile(file, buffer, (DWORD)byteCount, &read, nullptr))
        return -1;
    return (int)read;
}

void PlatformCloseFile(HANDLE file)
{
    CloseHandle(file);
}

void PlatformRegisterHotkey(HWND window, int id, unsigned modifiers, int keyCode)
{
    RegisterHotKey(window, id, modifiers, (UINT)keyCode);
}

void PlatformUnregisterHotkey(HWND window, int id)
{
    UnregisterHotKey(window, id);
}

unsigned PlatformOemCodePage()
{
    return GetOEMCP();
}

int PlatformMultiByteToWide(unsigned codePage, unsigned flags, const char *source, int sourceBytes,
                            wchar_t *destination, int destinationChars)
{
    return MultiByteToWideChar(codePage, flags, source, sourceBytes, destination, destinationChars);
}

void PlatformShellExecute(HWND window, const wchar_t *verb, const wchar_t *file,
                          const wchar_t *parameters, const wchar_t *directory,
                          int showCommand)
{
    ShellExecuteW(window, verb, file, parameters, directory, showCommand);
}

void PlatformMessageBox(HWND owner, const wchar_t *text, const wchar_t *title, unsigned style)
{
    MessageBoxW(owner, text, title, style);
}

void PlatformSendMessage(HWND window, unsigned message, unsigned long long wParam,
                         long long lParam)
{
    SendMessageW(window, message, (WPARAM)wParam, (LPARAM)lParam);
}

void PlatformSetForegroundWindow(HWND window)
{
    SetForegroundWindow(window);
}
