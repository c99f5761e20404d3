// vorn-check: explains, line by line, what Vorn makes of a settings file,
// and corrects what it can when asked.
#include <locale.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <wchar.h>

#include "check/ask/check_console.h"
#include "check/report/check_open.h"
#include "check/ask/check_questions.h"
#include "check/report/check_report.h"
#include "check/ask/hotkey_add_console.h"
#include "check/add/hotkey_add_run.h"
#include "platform/platform.h"

// The options; the file's name follows in the report's language.
#ifdef _WIN32
static const char SYNOPSIS[] = "vorn-check [--fix] [--no-questions] [--lang ja|en]";
static const char ADD_SYNOPSIS[] = "vorn-check [--lang ja|en]";
#else
static const char SYNOPSIS[] = "vorn-check [--fix] [--no-questions] [--lang ja|en] [--code-page N]";
static const char ADD_SYNOPSIS[] = "vorn-check [--lang ja|en] [--code-page N]";
#endif

// The file as it is now, and the corrections that --fix wrote into it.
static SettingFix g_fix;
static SettingFix g_applied;
// Why the file could not be opened, once it could not.
static OpenProbe g_openProbe;

static void PrintUsage(FILE *out)
{
    // Each text after the first begins with the blank line that sets it apart.
    PrintText(out, TEXT_USAGE, SYNOPSIS);
    PrintText(out, TEXT_USAGE_ADD, ADD_SYNOPSIS);
    PrintText(out, TEXT_HELP);
    PrintText(out, TEXT_HELP_FIX);
    PrintText(out, TEXT_HELP_QUESTIONS);
    PrintText(out, TEXT_HELP_ADD);
#ifdef _WIN32
    PrintText(out, TEXT_HELP_ADD_CONSOLE);
#else
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
    int addIndex;  // where the arguments of --add start; 0 without it
    int addCount;
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
    OpenProbe &probe = g_openProbe;
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
    const LineFix *change = place->showChanges && NextLineFix(&g_applied, &place->change) ? &place->change : nullptr;
    PrintVerdict(stdout, verdict, fix, change);
    if (change)
        PrintLineChange(stdout, change);
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
    PrintSummary(stdout, file->shown, &summary, &g_fix);
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
            PrintText(stdout, status == 0 ? TEXT_NOTHING_TO_FIX : TEXT_NOTHING_LEFT_TO_FIX, file->shown);
        return status;
    }
    static WriteResult result;
    if (ReplaceSettingFile(file->path, g_applied.original, g_applied.originalLength,
                           answers ? answered : g_applied.fixed, answers ? answeredLength : g_applied.fixedLength,
                           &result) != 0) {
        // The report keeps the corrections in view, for a copy or for the user's hand.
        Report(file, 0, 0);
        fflush(stdout);
        PrintWriteFailure(stderr, file->shown, &result);
        return 2;
    }
    int status = Report(file, 1, 0);
    if (FixChangesFile(&g_applied))
        PrintFixed(stdout, file->shown, &g_applied, result.backup);
    PrintAnswered(stdout, file->shown, answers, FixChangesFile(&g_applied), result.backup);
    PrintWriteNotes(stdout, file->shown, &result);
    PrintLeftToUser(stdout, file->path, file->options->codePage, &g_fix, &g_applied);
    return status;
}

static int IsHelp(const char *argument)
{
    return strcmp(argument, "--help") == 0 || strcmp(argument, "-h") == 0 || strcmp(argument, "/?") == 0;
}

// How many arguments from first on belong to --add: up to a combination,
// an action, a target and parameters, ending before another option.
static int AddArgumentCount(int argc, char **argv, int first)
{
    static const char *const OPTIONS[] = {"--fix", "--no-questions", "--add", "--file", "--lang", "--code-page"};
    int count = 0;
    for (; count < 4 && first + count < argc; ++count) {
        for (const char *option : OPTIONS) {
            if (strcmp(argv[first + count], option) == 0 || IsHelp(argv[first + count]))
                return count;
        }
    }
    return count;
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
        } else if (strcmp(argv[i], "--add") == 0 && !options->addIndex) {
            options->addIndex = i + 1;
            options->addCount = AddArgumentCount(argc, argv, i + 1);
            i += options->addCount;
        } else if (strcmp(argv[i], "--file") == 0 && i + 1 < argc && !options->file) {
            options->file = argv[++i];
            options->fileIndex = i;
        } else if (IsHelp(argv[i])) {
            help = 1;
        } else if (options->addIndex && strncmp(argv[i], "--", 2) != 0) {
            // After --add, the file is named by --file: a word more is a target or parameters with spaces.
            PrintText(stderr, TEXT_ADD_TOO_MANY, argv[i]);
            PrintText(stderr, TEXT_USAGE_ADD, ADD_SYNOPSIS);
            return 2;
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
// A missing setting.vorn, double-clicked: the first hotkey is offered,
// which creates the file; Enter alone closes the window. Returns the
// status, or -1 when not offered.
static int OfferToCreate(int status, const CheckedFile *file)
{
    if (!file || status != 2)
        return -1;
    const wchar_t *name = file->path;
    for (const wchar_t *c = file->path; *c; ++c) {
        if (*c == L'\\' || *c == L'/')
            name = c + 1;
    }
    // A file an editor saved under the name with an extension was offered for renaming instead.
    if (_wcsicmp(name, L"setting.vorn") != 0 || g_openProbe.failure != OPEN_NOT_FOUND || g_openProbe.nearName[0])
        return -1;
    wchar_t answer[64];
    PrintText(stdout, TEXT_OFFER_CREATE);
    ReadAnswer(answer, 64);
    if (!SaysYes(answer))
        return status;
    status = AddHotkeyAtConsole(file->path, file->shown);
    PrintText(stdout, TEXT_PRESS_ENTER);
    ReadAnswer(answer, 64);
    return status;
}

// Where the window closes with vorn-check, its report waits for Enter; the
// corrections it shows are offered there first, then what only the user
// knows is asked, and once nothing is left to correct, a new hotkey.
static int KeepConsoleOpen(int status, const CheckedFile *file)
{
    if (!OnlyOwnVisibleConsole())
        return status;
    wchar_t answer[64] = L"";
    int created = OfferToCreate(status, file);
    if (created >= 0)
        return created;
    // Notes alone leave the status 0 and may still hold a question.
    if (file && status != 2) {
        int offered = FixChangesFile(&g_fix);
        if (offered) {
            PrintText(stdout, TEXT_OFFER_FIX);
            ReadAnswer(answer, 64);
        }
        if (offered && !SaysYes(answer))
            return status;
        status = FixFile(file, !file->options->noQuestions, status);
    }
    int addable = file && status != 2 && !FixChangesFile(&g_fix);
    if (addable)
        PrintText(stdout, TEXT_OFFER_ADD);
    PrintText(stdout, TEXT_PRESS_ENTER);
    ReadAnswer(answer, 64);
    if (addable && SaysLetter(answer, L'A')) {
        status = AddHotkeyAtConsole(file->path, file->shown);
        PrintText(stdout, TEXT_PRESS_ENTER);
        ReadAnswer(answer, 64);
    }
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
    CheckOptions options = {nullptr, 0, PlatformOemCodePage(), TEXT_CODE_PAGE_SYSTEM, 0, 0, 0, 0};
    int status = ParseOptions(argc, narrow, &options);
    if (status >= 0)
        return KeepConsoleOpen(status, nullptr);
    // --add alone, or with the file to add to, asks at the console.
    int asked = options.addIndex && options.addCount < 2;
    if (asked && options.addCount == 1 && !options.file) {
        options.file = narrow[options.addIndex];
        options.fileIndex = options.addIndex;
    }
    CheckedFile file = {options.file ? argv[options.fileIndex] : L"setting.vorn",
                        options.file ? options.file : "setting.vorn", &options};
    if (asked)
        return KeepConsoleOpen(AddHotkeyAtConsole(file.path, file.shown), nullptr);
    if (options.addIndex)
        return KeepConsoleOpen(AddHotkeyCommand(file.path, file.shown, options.codePage, narrow + options.addIndex,
                                                options.addCount),
                               nullptr);
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
    CheckOptions options = {nullptr, 0, 932, TEXT_CODE_PAGE_ASSUMED, 0, 0, 0, 0};
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
    if (options.addIndex)
        return AddHotkeyCommand(path, shown, options.codePage, argv + options.addIndex, options.addCount);
    return options.fix ? FixFile(&file, !options.noQuestions && AnswersCanBeAsked(), -1) : Report(&file, 0, 1);
}
#endif
