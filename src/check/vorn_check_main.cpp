// vorn-check: explains, line by line, what Vorn makes of a settings file.
#include <locale.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <wchar.h>

#include "check/check_report.h"
#include "platform/platform.h"

// The options; the file's name follows in the report's language.
#ifdef _WIN32
static const char SYNOPSIS[] = "vorn-check [--lang ja|en]";
#else
static const char SYNOPSIS[] = "vorn-check [--lang ja|en] [--code-page N]";
#endif

static void PrintUsage(FILE *out)
{
    // Each text after the first begins with the blank line that sets it apart.
    PrintText(out, TEXT_USAGE, SYNOPSIS);
    PrintText(out, TEXT_HELP);
#ifndef _WIN32
    PrintText(out, TEXT_HELP_CODE_PAGE);
#endif
    PrintText(out, TEXT_HELP_EXIT);
}

static void PrintLine(void *context, const LineVerdict *verdict)
{
    if (verdict->number == 1)
        PrintReportHeader((FILE *)context);
    PrintVerdict((FILE *)context, verdict);
}

static int RunCheck(const wchar_t *path, const char *shownPath, unsigned codePage, ReportText codePageSource)
{
    CheckSummary summary;
    if (CheckSettingFile(path, codePage, PrintLine, stdout, &summary) != 0) {
        PrintText(stderr, TEXT_CANNOT_OPEN, shownPath);
        return 2;
    }
    PrintCodePage(stdout, codePage, codePageSource);
    PrintSummary(stdout, shownPath, &summary);
    return CheckExitStatus(&summary);
}

static int IsHelp(const char *argument)
{
    return strcmp(argument, "--help") == 0 || strcmp(argument, "-h") == 0 || strcmp(argument, "/?") == 0;
}

// What the command line asks for; the file is left null when none is named.
struct CheckOptions {
    const char *file;
    int fileIndex;
    unsigned codePage;
    ReportText codePageSource;
};

// Returns -1 when the check is to run; otherwise the exit status: 0 after
// the help asked for, 2 after saying what is wrong with the command line.
static int ParseOptions(int argc, char **argv, CheckOptions *options)
{
    int help = 0;
    for (int i = 1; i < argc; ++i) {
        if (strcmp(argv[i], "--lang") == 0 && i + 1 < argc) {
            ++i;
            if (strcmp(argv[i], "ja") != 0 && strcmp(argv[i], "en") != 0) {
                PrintText(stderr, TEXT_NOT_A_LANGUAGE, argv[i]);
                return 2;
            }
            SetReportLanguage(LanguageFromName(argv[i]));
#ifndef _WIN32
        } else if (strcmp(argv[i], "--code-page") == 0 && i + 1 < argc) {
            char *end;
            unsigned long value = strtoul(argv[++i], &end, 10);
            if (*end != '\0' || value == 0 || value > 65535) {
                PrintText(stderr, TEXT_NOT_A_CODE_PAGE, argv[i]);
                return 2;
            }
            options->codePage = (unsigned)value;
            options->codePageSource = TEXT_CODE_PAGE_GIVEN;
#endif
        } else if (IsHelp(argv[i])) {
            help = 1;
        } else if (!options->file && strncmp(argv[i], "--", 2) != 0) {
            options->file = argv[i];
            options->fileIndex = i;
        } else {
            PrintText(stderr, TEXT_NOT_UNDERSTOOD, argv[i]);
            PrintText(stderr, TEXT_USAGE, SYNOPSIS);
            return 2;
        }
    }
    if (help) {
        PrintUsage(stdout);
        return 0;
    }
    return -1;
}

#ifdef _WIN32
// Double-clicked in Explorer, vorn-check writes to a console of its own,
// which closes with it: the report stays until Enter. From a command prompt
// or a script the console is shared, and a program that reads the report
// leaves it no console to write to; then it never waits.
static int KeepConsoleOpen(int status)
{
    DWORD processes[2];
    if (ReportIsOnConsole(stdout) && GetConsoleProcessList(processes, 2) == 1) {
        PrintText(stdout, TEXT_PRESS_ENTER);
        getchar();
    }
    return status;
}

int wmain(int argc, wchar_t **argv)
{
    // A Japanese display language gets Japanese where the report can show it:
    // a file read in a code page without Japanese would hold only '?'.
    SetReportLanguage(PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE &&
                              ReportCanShow(stdout, REPORT_JAPANESE)
                          ? REPORT_JAPANESE
                          : REPORT_ENGLISH);
    // Options are ASCII; the file's name is kept in UTF-16 for opening and
    // in UTF-8 for the report. An argument that does not fit is refused, not cut.
    enum { MAX_ARGUMENTS = 16, ARGUMENT_SIZE = 1024 };
    static char arguments[MAX_ARGUMENTS][ARGUMENT_SIZE];
    char *narrow[MAX_ARGUMENTS];
    if (argc > MAX_ARGUMENTS) {
        PrintText(stderr, TEXT_TOO_MANY_ARGUMENTS, MAX_ARGUMENTS - 1);
        return 2;
    }
    for (int i = 0; i < argc; ++i) {
        if (WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, arguments[i], ARGUMENT_SIZE, nullptr, nullptr) == 0) {
            PrintText(stderr, TEXT_ARGUMENT_TOO_LONG, i, ARGUMENT_SIZE - 1);
            return 2;
        }
        narrow[i] = arguments[i];
    }
    CheckOptions options = {nullptr, 0, PlatformOemCodePage(), TEXT_CODE_PAGE_SYSTEM};
    int status = ParseOptions(argc, narrow, &options);
    if (status >= 0)
        return status;
    const char *shown = options.file ? options.file : "setting.vorn";
    const wchar_t *path = options.file ? argv[options.fileIndex] : L"setting.vorn";
    return KeepConsoleOpen(RunCheck(path, shown, options.codePage, options.codePageSource));
}
#else
int main(int argc, char **argv)
{
    setlocale(LC_ALL, "");
    // The messages' language as POSIX chooses it: the first of these that is set.
    static const char *const VARIABLES[] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    const char *language = nullptr;
    for (const char *variable : VARIABLES) {
        language = getenv(variable);
        if (language && *language)
            break;
    }
    SetReportLanguage(LanguageFromName(language));
    CheckOptions options = {nullptr, 0, 932, TEXT_CODE_PAGE_ASSUMED};
    int status = ParseOptions(argc, argv, &options);
    if (status >= 0)
        return status;
    const char *shown = options.file ? options.file : "setting.vorn";
    wchar_t path[4096];
    if (mbstowcs(path, shown, 4096) >= 4096) {
        PrintText(stderr, TEXT_CANNOT_OPEN, shown);
        return 2;
    }
    SetReportCodePage(options.codePage);
    return RunCheck(path, shown, options.codePage, options.codePageSource);
}
#endif
