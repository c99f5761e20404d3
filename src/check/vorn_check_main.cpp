// vorn-check: explains, line by line, what Vorn makes of a settings file,
// and corrects what it can when asked.
#include <locale.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <wchar.h>

#include "check/check_console.h"
#include "check/check_open.h"
#include "check/check_questions.h"
#include "check/check_report.h"
#include "platform/platform.h"

// The options; the file's name follows in the report's language.
#ifdef _WIN32
static const char SYNOPSIS[] = "vorn-check [--fix] [--no-questions] [--lang ja|en]";
#else
static const char SYNOPSIS[] = "vorn-check [--fix] [--no-questions] [--lang ja|en] [--code-page N]";
#endif

// The file as it is now, and the corrections that --fix wrote into it.
static SettingFix g_fix;
static SettingFix g_applied;

static void PrintUsage(FILE *out)
{
    // Each text after the first begins with the blank line that sets it apart.
    PrintText(out, TEXT_USAGE, SYNOPSIS);
    PrintText(out, TEXT_HELP);
    PrintText(out, TEXT_HELP_FIX);
    PrintText(out, TEXT_HELP_QUESTIONS);
#ifndef _WIN32
    PrintText(out, TEXT_HELP_CODE_PAGE);
#endif
    PrintText(out, TEXT_HELP_EXIT);
}

// What the command line asks for; the file is left null when none is named.
struct CheckOptions {
    const char *file;
    int fileIndex;
    unsigned codePage;
    ReportText codePageSource;
    int fix;
    int noQuestions;
};

// The file to check, as it is opened and as the report names it.
struct CheckedFile {
    const wchar_t *path;
    const char *shown;
    const CheckOptions *options;
};

// Where the report stands in the file's corrections as its lines go by.
struct ReportPlace {
    LineFix line;    // the file's own, beneath lines that are the editor's
    LineFix change;  // what --fix changed, after it did
    int showChanges;
};

// Why the file cannot be opened; returns 1 where the user has just given a
// file beside it its name, so that it can be opened now. Questions are
// asked where the user is there to answer them: the double-clicked window,
// or elsewhere a terminal.
static int CannotOpen(const CheckedFile *file)
{
    static OpenProbe probe;
    PrintCannotOpen(stderr, file->path, file->shown, &probe);
#ifdef _WIN32
    int mayAsk = OnlyOwnVisibleConsole();
#else
    int mayAsk = AnswersCanBeAsked();
#endif
    return mayAsk && !file->options->noQuestions && OfferRename(&probe, file->path, file->shown);
}

// Reads the file into fix; where it cannot, says why, and reads it again
// where the user has just given it its name.
static int Opens(const CheckedFile *file, SettingFix *fix)
{
    unsigned codePage = file->options->codePage;
    return LoadSettingFix(file->path, codePage, fix) == 0 ||
           (CannotOpen(file) && LoadSettingFix(file->path, codePage, fix) == 0);
}

static void PrintLine(void *context, const LineVerdict *verdict)
{
    ReportPlace *place = (ReportPlace *)context;
    if (verdict->number == 1)
        PrintReportHeader(stdout);
    const LineFix *fix = g_fix.aligned && NextLineFix(&g_fix, &place->line) ? &place->line : nullptr;
    PrintVerdict(stdout, verdict, fix);
    if (place->showChanges && NextLineFix(&g_applied, &place->change))
        PrintLineChange(stdout, &place->change);
}

// Reports on the file as it is now; returns the exit status. The way to
// write the corrections is told unless they are offered otherwise.
static int Report(const CheckedFile *file, int showChanges, int tellFix)
{
    ReportPlace place;
    memset(&place, 0, sizeof place);
    place.showChanges = showChanges;
    CheckSummary summary;
    const CheckOptions *options = file->options;
    if (!Opens(file, &g_fix))
        return 2;
    if (CheckSettingFile(file->path, options->codePage, PrintLine, &place, &summary) != 0) {
        CannotOpen(file);
        return 2;
    }
    PrintFileFindings(stdout, &g_fix, &place.line);
    PrintCodePage(stdout, options->codePage, options->codePageSource);
    PrintSummary(stdout, file->shown, &summary);
    // The command as the user would type it, a name with spaces quoted.
    char command[1100];
    snprintf(command, sizeof command, strchr(file->shown, ' ') ? "\"%s\"" : "%s", file->shown);
    PrintCorrectable(stdout, tellFix ? command : nullptr, &g_fix);
    return CheckExitStatus(&summary);
}

// Writes the corrections, and with ask the answers to what only the user
// knows, in one step keeping the original, then reports on the corrected
// file with each changed line before and after. A file with nothing to
// write is only reported on, unless reported already with that status.
static int FixFile(const CheckedFile *file, int ask, int reported)
{
    if (!Opens(file, &g_applied))
        return 2;
    static char answered[sizeof g_applied.fixed];
    int answeredLength = 0, asked = 0;
    int answers = ask ? AskAboutLines(&g_applied, answered, sizeof answered, &answeredLength, &asked) : 0;
    if (!FixChangesFile(&g_applied) && answers == 0 && reported >= 0) {
        if (asked)
            PrintText(stdout, TEXT_NOTHING_CHANGED);
        return reported;
    }
    if (!FixChangesFile(&g_applied) && answers == 0) {
        int status = Report(file, 0, 0);
        if (status != 2 && !g_applied.tooLarge && g_applied.unconvertibleCount == 0)
            PrintText(stdout, TEXT_NOTHING_TO_FIX, file->shown);
        return status;
    }
    static WriteResult result;
    if (ReplaceSettingFile(file->path, g_applied.original, g_applied.originalLength,
                           answers ? answered : g_applied.fixed, answers ? answeredLength : g_applied.fixedLength,
                           &result) != 0) {
        PrintWriteFailure(stderr, file->shown, &result);
        return 2;
    }
    int status = Report(file, 1, 0);
    if (FixChangesFile(&g_applied))
        PrintFixed(stdout, file->shown, &g_applied, result.backup);
    PrintAnswered(stdout, file->shown, answers, FixChangesFile(&g_applied), result.backup);
    PrintWriteNotes(stdout, file->shown, &result);
    return status;
}

static int IsHelp(const char *argument)
{
    return strcmp(argument, "--help") == 0 || strcmp(argument, "-h") == 0 || strcmp(argument, "/?") == 0;
}

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
        } else if (strcmp(argv[i], "--fix") == 0) {
            options->fix = 1;
        } else if (strcmp(argv[i], "--no-questions") == 0) {
            options->noQuestions = 1;
        } else if (IsHelp(argv[i])) {
            help = 1;
        } else if (!options->file && strncmp(argv[i], "--", 2) != 0) {
            options->file = argv[i];
            options->fileIndex = i;
        } else {
            // Explorer passes every file dropped on the program.
            PrintText(stderr, strncmp(argv[i], "--", 2) != 0 ? TEXT_ONE_FILE : TEXT_NOT_UNDERSTOOD, argv[i]);
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
// Where the window closes with vorn-check, its report waits for Enter; the
// corrections it shows are offered there first, then what only the user
// knows is asked.
static int KeepConsoleOpen(int status, const CheckedFile *file)
{
    if (!OnlyOwnVisibleConsole())
        return status;
    wchar_t answer[64] = L"";
    if (file && status == 1) {
        int offered = FixChangesFile(&g_fix);
        if (offered) {
            PrintText(stdout, TEXT_OFFER_FIX);
            ReadAnswer(answer, 64);
        }
        if (offered && !SaysYes(answer))
            return status;
        status = FixFile(file, !file->options->noQuestions, status);
    }
    PrintText(stdout, TEXT_PRESS_ENTER);
    ReadAnswer(answer, 64);
    return status;
}

// Japanese only where both the report and its errors can show it: a file
// read in a code page without Japanese would hold only '?', and so would a
// console that cannot draw it.
static ReportLanguage ChooseLanguage()
{
    int japanese = PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE &&
                   ReportCanShow(stdout, REPORT_JAPANESE) && ReportCanShow(stderr, REPORT_JAPANESE);
    return japanese ? REPORT_JAPANESE : REPORT_ENGLISH;
}

int wmain(int argc, wchar_t **argv)
{
    SetReportLanguage(ChooseLanguage());
    SetReportCodePage(PlatformOemCodePage());
    // Options are ASCII; the file's name is kept in UTF-16 for opening and
    // in UTF-8 for the report. An argument that does not fit is refused, not cut.
    enum { MAX_ARGUMENTS = 16, ARGUMENT_SIZE = 1024 };
    static char arguments[MAX_ARGUMENTS][ARGUMENT_SIZE];
    char *narrow[MAX_ARGUMENTS];
    if (argc > MAX_ARGUMENTS) {
        PrintText(stderr, TEXT_TOO_MANY_ARGUMENTS, MAX_ARGUMENTS - 1);
        return KeepConsoleOpen(2, nullptr);
    }
    for (int i = 0; i < argc; ++i) {
        if (WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, arguments[i], ARGUMENT_SIZE, nullptr, nullptr) == 0) {
            PrintText(stderr, TEXT_ARGUMENT_TOO_LONG, i, ARGUMENT_SIZE - 1);
            return KeepConsoleOpen(2, nullptr);
        }
        narrow[i] = arguments[i];
    }
    CheckOptions options = {nullptr, 0, PlatformOemCodePage(), TEXT_CODE_PAGE_SYSTEM, 0, 0};
    int status = ParseOptions(argc, narrow, &options);
    if (status >= 0)
        return KeepConsoleOpen(status, nullptr);
    CheckedFile file = {options.file ? argv[options.fileIndex] : L"setting.vorn",
                        options.file ? options.file : "setting.vorn", &options};
    if (options.fix)
        return KeepConsoleOpen(FixFile(&file, !options.noQuestions && AnswersCanBeAsked(), -1), nullptr);
    return KeepConsoleOpen(Report(&file, 0, !OnlyOwnVisibleConsole()), &file);
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
    CheckOptions options = {nullptr, 0, 932, TEXT_CODE_PAGE_ASSUMED, 0, 0};
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
    CheckedFile file = {path, shown, &options};
    return options.fix ? FixFile(&file, !options.noQuestions && AnswersCanBeAsked(), -1) : Report(&file, 0, 1);
}
#endif
