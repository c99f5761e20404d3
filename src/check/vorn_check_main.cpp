// vorn-check: explains, line by line, what Vorn makes of a settings file.
#include <locale.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <wchar.h>

#include "check/check_report.h"
#include "platform/platform.h"

static const char USAGE[] =
#ifdef _WIN32
    "usage: vorn-check [FILE]\n"
#else
    "usage: vorn-check [--code-page N] [FILE]\n"
#endif
    "\n"
    "Explains what Vorn makes of each line of a settings file (default: setting.vorn\n"
    "in the working directory): the slot and hotkey identifier of every line, the\n"
    "binding it makes or why it is rejected, and what may surprise: a combination\n"
    "bound twice, a key character that names another key, text after the last LF,\n"
    "lines past the 50th, a file saved as UTF-8 or UTF-16, and on Windows a\n"
    "combination another program already holds and a target the shell cannot find.\n"
#ifndef _WIN32
    "\n"
    "Vorn reads the file in Windows' OEM code page; here it cannot be asked, so\n"
    "932 (Japanese) is assumed unless --code-page gives another.\n"
#endif
    "\n"
    "Exit status: 0 when every line that is not blank is bound and nothing is\n"
    "warned of, 1 when anything was reported, 2 when the file cannot be opened.\n";

static void PrintLine(void *context, const LineVerdict *verdict)
{
    if (verdict->number == 1)
        PrintReportHeader((FILE *)context);
    PrintVerdict((FILE *)context, verdict);
}

static int RunCheck(const wchar_t *path, const char *shownPath, unsigned codePage, const char *codePageSource)
{
    CheckSummary summary;
    if (CheckSettingFile(path, codePage, PrintLine, stdout, &summary) != 0) {
        fprintf(stderr, "vorn-check: cannot open %s\n", shownPath);
        return 2;
    }
    printf("read in code page %u (%s)\n", codePage, codePageSource);
    PrintSummary(stdout, shownPath, &summary);
    return CheckExitStatus(&summary);
}

static int IsHelp(const char *argument)
{
    return strcmp(argument, "--help") == 0 || strcmp(argument, "-h") == 0 || strcmp(argument, "/?") == 0;
}

#ifdef _WIN32
// Double-clicked in Explorer, vorn-check has a console of its own, which
// closes with it: the report stays until Enter. From a command prompt or a
// script the console is shared, and it never waits.
static int KeepConsoleOpen(int status)
{
    DWORD processes[2];
    if (GetConsoleProcessList(processes, 2) == 1) {
        fputs("\nPress Enter to close", stdout);
        fflush(stdout);
        getchar();
    }
    return status;
}

int wmain(int argc, wchar_t **argv)
{
    SetConsoleOutputCP(CP_UTF8);
    char shown[1024] = "setting.vorn";
    if (argc > 1)
        WideCharToMultiByte(CP_UTF8, 0, argv[1], -1, shown, sizeof shown, nullptr, nullptr);
    if (argc > 2 || IsHelp(shown)) {
        fputs(USAGE, argc > 2 ? stderr : stdout);
        return argc > 2 ? 2 : 0;
    }
    int status = RunCheck(argc > 1 ? argv[1] : L"setting.vorn", shown, PlatformOemCodePage(),
                          "the system's OEM code page");
    return KeepConsoleOpen(status);
}
#else
int main(int argc, char **argv)
{
    setlocale(LC_ALL, "");
    unsigned codePage = 932;
    const char *codePageSource = "assumed; --code-page N for another";
    int first = 1;
    if (argc > 2 && strcmp(argv[1], "--code-page") == 0) {
        char *end;
        unsigned long value = strtoul(argv[2], &end, 10);
        if (*end != '\0' || value == 0 || value > 65535) {
            fprintf(stderr, "vorn-check: not a code page: %s\n", argv[2]);
            return 2;
        }
        codePage = (unsigned)value;
        codePageSource = "given with --code-page";
        first = 3;
    }
    const char *shown = argc > first ? argv[first] : "setting.vorn";
    if (argc > first + 1 || IsHelp(shown) || strcmp(shown, "--code-page") == 0) {
        fputs(USAGE, argc > first + 1 || !IsHelp(shown) ? stderr : stdout);
        return IsHelp(shown) && argc <= first + 1 ? 0 : 2;
    }
    wchar_t path[4096];
    if (mbstowcs(path, shown, 4096) >= 4096) {
        fprintf(stderr, "vorn-check: cannot open %s\n", shown);
        return 2;
    }
    SetReportCodePage(codePage);
    return RunCheck(path, shown, codePage, codePageSource);
}
#endif
