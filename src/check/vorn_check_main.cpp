// vorn-check: explains, line by line, what Vorn makes of a settings file.
#include <locale.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <wchar.h>

#include "check/check_report.h"

static const char USAGE[] =
    "usage: vorn-check [FILE]\n"
    "\n"
    "Explains what Vorn makes of each line of a settings file (default: setting.vorn\n"
    "in the working directory): the slot and hotkey identifier of every line, the\n"
    "binding it makes or why it is rejected, and what may surprise: a combination\n"
    "bound twice, a small letter as the key, text after the last LF, lines past the\n"
    "50th, and on Windows a combination another program already holds.\n"
    "\n"
    "Exit status: 0 when every line that is not blank is bound and nothing is\n"
    "warned of, 1 when anything was reported, 2 when the file cannot be opened.\n";

static void PrintLine(void *context, const LineVerdict *verdict)
{
    if (verdict->number == 1)
        PrintReportHeader((FILE *)context);
    PrintVerdict((FILE *)context, verdict);
}

static int RunCheck(const wchar_t *path, const char *shownPath)
{
    CheckSummary summary;
    if (CheckSettingFile(path, PrintLine, stdout, &summary) != 0) {
        fprintf(stderr, "vorn-check: cannot open %s\n", shownPath);
        return 2;
    }
    PrintSummary(stdout, shownPath, &summary);
    return CheckExitStatus(&summary);
}

static int IsHelp(const char *argument)
{
    return strcmp(argument, "--help") == 0 || strcmp(argument, "-h") == 0 || strcmp(argument, "/?") == 0;
}

#ifdef _WIN32
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
    return RunCheck(argc > 1 ? argv[1] : L"setting.vorn", shown);
}
#else
int main(int argc, char **argv)
{
    setlocale(LC_ALL, "");
    const char *shown = argc > 1 ? argv[1] : "setting.vorn";
    if (argc > 2 || IsHelp(shown)) {
        fputs(USAGE, argc > 2 ? stderr : stdout);
        return argc > 2 ? 2 : 0;
    }
    wchar_t path[4096];
    if (mbstowcs(path, shown, 4096) >= 4096) {
        fprintf(stderr, "vorn-check: cannot open %s\n", shown);
        return 2;
    }
    return RunCheck(path, shown);
}
#endif
