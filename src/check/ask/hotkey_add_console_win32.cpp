// Adding a hotkey at the console: the combination pressed, not typed; what
// it runs dropped on the window or typed; the line shown, and written only
// after a Y.
#include "check/ask/hotkey_add_console.h"
#include "check/ask/check_console.h"
#include "check/report/check_report.h"
#include "check/read/code_page.h"
#include "check/add/hotkey_add.h"
#include "check/add/hotkey_add_run.h"
#include "check/ask/key_capture.h"
#include "platform/platform.h"

#include <io.h>
#include <stdio.h>
#include <string.h>
#include <windows.h>

enum {
    ANSWER_SIZE = 1024,
    TEXT_SIZE = ANSWER_SIZE * 3,  // an answer in UTF-8
    SHOWN_SIZE = SETTING_LINE_SIZE * 8,
    NAME_SIZE = 96,
    REASON_SIZE = 1024
};

// The file the line goes to, what is asked for and what is judged of it.
struct AddSession {
    const wchar_t *path;
    const char *shown;
    unsigned codePage;
    const char *text;  // the lines the new one goes after
    int length;
    HotkeyRequest request;
    AddVerdict verdict;
};

static AddSession g_session;
static SettingFix g_file;

// The modifiers held so far, over the last ones on the console's line;
// nothing where the output is no console.
static void ShowHeld(unsigned modifiers)
{
    if (!ReportIsOnConsole(stdout))
        return;
    char name[NAME_SIZE];
    KeyCombinationName(modifiers, 0, name, sizeof name);
    // The name of no key after the last + is left off.
    char *plus = strrchr(name, '+');
    if (plus)
        plus[1] = '\0';
    else
        name[0] = '\0';
    wchar_t wide[NAME_SIZE], line[NAME_SIZE * 2 + 8];
    if (MultiByteToWideChar(CP_UTF8, 0, name, -1, wide, NAME_SIZE) == 0)
        wide[0] = L'\0';
    int length = _snwprintf(line, NAME_SIZE * 2 + 8, L"\r%-40ls\r%ls", wide, wide);
    DWORD written = 0;
    if (length > 0)
        WriteConsoleW((HANDLE)_get_osfhandle(_fileno(stdout)), line, (DWORD)length, &written, nullptr);
}

// Ends the console's line ShowHeld wrote on.
static void EndShown()
{
    DWORD written = 0;
    if (ReportIsOnConsole(stdout))
        WriteConsoleW((HANDLE)_get_osfhandle(_fileno(stdout)), L"\n", 1, &written, nullptr);
}

// What was written to a pipe reaches its reader before the question waits.
static void Ask(wchar_t *answer, int capacity)
{
    fflush(stdout);
    ReadAnswer(answer, capacity);
}

static int AnswersYes()
{
    wchar_t answer[64];
    Ask(answer, 64);
    return SaysYes(answer);
}

// The refusal, with the combination it is for; or each of the warnings.
static void TellVerdict(FILE *out, unsigned warnings)
{
    const AddVerdict *verdict = &g_session.verdict;
    char reason[REASON_SIZE];
    if (verdict->refusal != ADD_ACCEPTED) {
        char name[NAME_SIZE];
        KeyCombinationName(g_session.request.modifiers, g_session.request.keyCode, name,
                        sizeof name);
        AddReason(verdict, &g_session.request, g_session.codePage, 0, reason, sizeof reason);
        PrintText(out, TEXT_ADD_REFUSED, name, reason);
        return;
    }
    for (unsigned warning = 1; warning <= warnings; warning <<= 1) {
        if (warnings & warning) {
            AddReason(verdict, &g_session.request, g_session.codePage, warning, reason, sizeof reason);
            PrintText(out, TEXT_ADD_CAUTION, reason);
        }
    }
}

// The combination's name and the two fields its line begins with.
static void ShowCombination()
{
    char name[NAME_SIZE];
    HotkeyRequest fields = g_session.request;
    KeyCombinationName(fields.modifiers, fields.keyCode, name, sizeof name);
    fields.action = ACTION_ALERT;
    fields.target = fields.parameters = "";
    char line[SETTING_LINE_SIZE];
    unsigned unconvertible = 0;
    if (BuildSettingLine(&fields, g_session.codePage, line, sizeof line, &unconvertible) <= 0)
        return;
    // The line is modifiers, key and action, a tab between each.
    *strrchr(line, '\t') = '\0';
    char *key = strchr(line, '\t');
    *key = '\0';
    PrintText(stdout, TEXT_ADD_COMBINATION, name, line, key + 1);
}

// Asks for combinations until one is taken; returns 0 when the user cancels.
static int AskCombination()
{
    for (;;) {
        PrintText(stdout, TEXT_ADD_PRESS);
        fflush(stdout);
        HotkeyRequest *request = &g_session.request;
        CaptureStep step = CaptureCombination(&request->modifiers, &request->keyCode, ShowHeld);
        EndShown();
        if (step != CAPTURE_DONE)
            return 0;
        ShowCombination();
        JudgeCombination(request->modifiers, request->keyCode, g_session.text, g_session.length, &g_session.verdict);
        if (g_session.verdict.refusal != ADD_ACCEPTED) {
            TellVerdict(stdout, 0);
            PrintText(stdout, TEXT_ADD_PRESS_ANOTHER);
            continue;
        }
        if (!g_session.verdict.warnings)
            return 1;
        TellVerdict(stdout, g_session.verdict.warnings);
        PrintText(stdout, TEXT_ADD_USE_ANYWAY);
        if (AnswersYes())
            return 1;
    }
}

// The first character of the text that the code page has no form for, or 0.
static unsigned FirstUnencodable(const wchar_t *text, unsigned codePage)
{
    for (int i = 0; text[i];) {
        int pair = text[i] >= 0xD800 && text[i] < 0xDC00 && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000;
        if (!CodePageEncodesAll(codePage, text + i, pair ? 2 : 1))
            return pair ? 0x10000 + (((unsigned)text[i] - 0xD800) << 10) + ((unsigned)text[i + 1] - 0xDC00)
                        : (unsigned)text[i];
        i += pair ? 2 : 1;
    }
    return 0;
}

// Where the text has a character the code page lacks, says which; returns
// whether it has none.
static int Encodable(const wchar_t *text)
{
    unsigned point = FirstUnencodable(text, g_session.codePage);
    if (point == 0)
        return 1;
    char character[8];
    character[EncodeUtf8(point, character)] = '\0';
    PrintText(stdout, TEXT_ADD_UNCONVERTIBLE, character, point, g_session.codePage);
    return 0;
}

// The answer without the spaces around it and, where the console pasted a
// dropped path with spaces in quotes, without them: Vorn adds its own.
static wchar_t *Unquoted(wchar_t *answer)
{
    while (*answer == L' ' || *answer == L'\t')
        ++answer;
    size_t length = wcslen(answer);
    while (length > 0 && (answer[length - 1] == L' ' || answer[length - 1] == L'\t'))
        answer[--length] = L'\0';
    if (length >= 2 && answer[0] == L'"' && answer[length - 1] == L'"') {
        answer[length - 1] = L'\0';
        ++answer;
    }
    return answer;
}

// The target where the code page holds it; where it does not and the path
// has a short name that the code page holds, that name once the user takes
// it. Returns 0 when the target is to be asked for again.
static int TakeTarget(wchar_t *target, int capacity)
{
    if (Encodable(target))
        return 1;
    wchar_t shortName[ANSWER_SIZE];
    DWORD length = GetShortPathNameW(target, shortName, ANSWER_SIZE);
    if (length == 0 || (int)length >= capacity || FirstUnencodable(shortName, g_session.codePage))
        return 0;
    char shown[TEXT_SIZE];
    WideCharToMultiByte(CP_UTF8, 0, shortName, -1, shown, sizeof shown, nullptr, nullptr);
    PrintText(stdout, TEXT_ADD_OFFER_SHORT_NAME, shown);
    if (!AnswersYes())
        return 0;
    wcscpy(target, shortName);
    return 1;
}

static void ToUtf8(const wchar_t *text, char *out, int capacity)
{
    if (WideCharToMultiByte(CP_UTF8, 0, text, -1, out, capacity, nullptr, nullptr) == 0)
        out[0] = '\0';
}

// Whether the shell would find the target; the verdict warns where it would not.
static void TellTargetFound(const wchar_t *target)
{
    char converted[SETTING_LINE_SIZE];
    if (WideCharToMultiByte(g_session.codePage, 0, target, -1, converted, sizeof converted, nullptr, nullptr) == 0)
        return;
    TargetVerdict found = ProbeTarget(converted, g_session.path);
    if (found == TARGET_FOUND)
        PrintText(stdout, TEXT_ADD_TARGET_FOUND);
    else if (found == TARGET_UNKNOWN)
        PrintText(stdout, TEXT_ADD_TARGET_UNKNOWN);
}

// Asks what the combination runs until its line can be built; returns 0
// when the user gives nothing.
static int AskAction()
{
    static wchar_t targetAnswer[ANSWER_SIZE], parametersAnswer[ANSWER_SIZE];
    static char target[TEXT_SIZE], parameters[TEXT_SIZE];
    HotkeyRequest *request = &g_session.request;
    const unsigned combinationWarnings = g_session.verdict.warnings;
    for (;;) {
        PrintText(stdout, TEXT_ADD_TARGET);
        Ask(targetAnswer, ANSWER_SIZE);
        wchar_t *given = Unquoted(targetAnswer);
        if (!given[0])
            return 0;
        ToUtf8(given, target, sizeof target);
        request->action = ActionFromName(target);
        request->target = request->parameters = "";
        if (request->action != ACTION_ALERT && request->action != ACTION_QUIT) {
            request->action = ACTION_EXEC;
            if (!TakeTarget(given, ANSWER_SIZE - (int)(given - targetAnswer)))
                continue;
            ToUtf8(given, target, sizeof target);
            request->target = target;
            do {
                PrintText(stdout, TEXT_ADD_PARAMETERS);
                Ask(parametersAnswer, ANSWER_SIZE);
            } while (!Encodable(parametersAnswer));
            ToUtf8(parametersAnswer, parameters, sizeof parameters);
            request->parameters = parameters;
        }
        JudgeTarget(request, g_session.codePage, g_session.path, &g_session.verdict);
        if (g_session.verdict.refusal != ADD_ACCEPTED) {
            TellVerdict(stdout, 0);
            g_session.verdict.refusal = ADD_ACCEPTED;
            g_session.verdict.warnings = combinationWarnings;
            continue;
        }
        if (request->action == ACTION_EXEC)
            TellTargetFound(given);
        // What was said of the combination is not said again.
        TellVerdict(stdout, g_session.verdict.warnings & ~combinationWarnings);
        return 1;
    }
}

int AddHotkeyAtConsole(const wchar_t *path, const char *shown)
{
    if (!GetConsoleWindow()) {
        PrintText(stderr, TEXT_ADD_NO_CONSOLE);
        return 2;
    }
    memset(&g_session, 0, sizeof g_session);
    g_session.path = path;
    g_session.shown = shown;
    g_session.codePage = PlatformOemCodePage();
    g_session.text = "";
    g_session.request.target = g_session.request.parameters = "";
    int corrected = 0;
    int creating = GetFileAttributesW(path) == INVALID_FILE_ATTRIBUTES && GetLastError() == ERROR_FILE_NOT_FOUND;
    if (!creating) {
        if (LoadSettingFix(path, g_session.codePage, &g_file) != 0) {
            PrintText(stderr, TEXT_CANNOT_OPEN, shown);
            return 2;
        }
        g_session.text = AddBaseText(&g_file, &g_session.length, &corrected);
    }
    // A file that takes no line is said before any key is pressed: its
    // refusals come before any key's.
    JudgeCombination(0, 0, g_session.text, g_session.length, &g_session.verdict);
    if (g_session.verdict.refusal == ADD_FILE_UNREADABLE || g_session.verdict.refusal == ADD_FILE_FULL) {
        TellVerdict(stderr, 0);
        return 2;
    }
    unsigned long error = StartKeyCapture();
    if (error != 0) {
        PrintText(stderr, TEXT_ADD_NO_CAPTURE, error);
        return 2;
    }
    int asked = AskCombination() && AskAction();
    EndKeyCapture();
    if (!asked) {
        PrintText(stdout, TEXT_ADD_CANCELLED, shown);
        return 1;
    }
    char line[SHOWN_SIZE];
    ShowHotkeyLine(&g_session.request, line, sizeof line);
    PrintText(stdout, TEXT_ADD_LINE, shown, g_session.verdict.number, line);
    if (corrected)
        PrintText(stdout, TEXT_ADD_FIX_TOO, shown);
    PrintText(stdout, TEXT_ADD_CONFIRM);
    if (!AnswersYes()) {
        PrintText(stdout, TEXT_ADD_NOT_WRITTEN, shown);
        return 1;
    }
    return WriteAddedLine(path, shown, creating ? nullptr : &g_file, &g_session.verdict, &g_session.request);
}
