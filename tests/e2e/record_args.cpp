// Launched by Vorn in the end-to-end tests: appends its command line, as
// UTF-8, to launched.txt beside itself, so the test can see what arrived.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int)
{
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    while (length > 0 && path[length - 1] != L'\\')
        --length;
    lstrcpyW(path + length, L"launched.txt");

    char line[4096];
    int bytes = WideCharToMultiByte(CP_UTF8, 0, GetCommandLineW(), -1, line, sizeof line - 1, nullptr,
                                    nullptr);
    if (bytes <= 0)
        return 1;
    line[bytes - 1] = '\n';

    // Copies started together take turns: while one writes, the file is
    // shared with readers only, and the others wait for it (at most 10 s)
    // rather than lose their line.
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int waited = 0; waited < 10000; ++waited) {
        file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                           nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_SHARING_VIOLATION)
            break;
        Sleep(1);
    }
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    DWORD written = 0;
    WriteFile(file, line, (DWORD)bytes, &written, nullptr);
    CloseHandle(file);
    return 0;
}
