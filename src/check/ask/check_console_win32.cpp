#include "check/ask/check_console.h"
#include "check/report/check_report.h"

#include <windows.h>

// Double-clicked in Explorer, vorn-check writes to a console window of its
// own, which closes with it: the report stays until Enter. From a command
// prompt or a script the console is shared, a program that reads the report
// leaves it no console to write to, and a hidden start or one without a
// window has a console nobody sees; then it never waits.
int OnlyOwnVisibleConsole()
{
    DWORD processes[2];
    STARTUPINFOW startup;
    GetStartupInfoW(&startup);
    int hidden = (startup.dwFlags & STARTF_USESHOWWINDOW) && startup.wShowWindow == SW_HIDE;
    return ReportIsOnConsole(stdout) && GetConsoleProcessList(processes, 2) == 1 && GetConsoleWindow() && !hidden;
}

// From the console in UTF-16, or from whatever stands in for it in the
// console's code page.
void ReadAnswer(wchar_t *answer, int capacity)
{
    HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    DWORD mode = 0, count = 0;
    answer[0] = L'\0';
    if (GetConsoleMode(input, &mode)) {
        if (ReadConsoleW(input, answer, (DWORD)capacity - 1, &count, nullptr)) {
            while (count > 0 && (answer[count - 1] == L'\n' || answer[count - 1] == L'\r'))
                --count;
            answer[count] = L'\0';
        }
        return;
    }
    char bytes[4096];  // a dropped path, in a double-byte code page
    int length = 0;
    DWORD read = 0;
    while (length < (int)sizeof bytes && ReadFile(input, bytes + length, 1, &read, nullptr) && read == 1 &&
           bytes[length] != '\n')
        ++length;
    if (length > 0 && bytes[length - 1] == '\r')
        --length;
    UINT codePage = GetConsoleCP() ? GetConsoleCP() : GetOEMCP();
    int converted = length > 0 ? MultiByteToWideChar(codePage, 0, bytes, length, answer, capacity - 1) : 0;
    answer[converted > 0 ? converted : 0] = L'\0';
}

int AnswersCanBeAsked()
{
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode) && ReportIsOnConsole(stdout);
}
