// vorn-check --add without questions: whatever would need a yes is refused
// with its reason and the line to write by hand, so a script never gets a
// hotkey it did not fully ask for.
#include "check/add/hotkey_add_run.h"
#include "check/report/check_report.h"
#include "check/read/code_page.h"

#include <string.h>

enum { REASON_SIZE = 1024, SHOWN_LINE_SIZE = SETTING_LINE_SIZE * 4, NAME_SIZE = 64 };

static const char *Text(ReportText text)
{
    return ReportTextIn(ReportLanguageInUse(), text);
}

static void WarningReason(const AddVerdict *verdict, const HotkeyRequest *request, unsigned warning, char *reason,
                          int capacity)
{
    size_t size = (size_t)capacity;
    if (warning == ADD_WARN_NO_MODIFIER)
        snprintf(reason, size, "%s", Text(TEXT_ADD_NO_MODIFIER));
    else if (warning == ADD_WARN_TYPES_CHARACTER) {
        char layout[NAME_SIZE];
        ProbeLayoutName(verdict->typed[0].layout, ReportLanguageInUse() == REPORT_ENGLISH, layout, sizeof layout);
        snprintf(reason, size, Text(TEXT_ADD_TYPES_CHARACTER), layout, verdict->typed[0].character);
    } else if (warning == ADD_WARN_RARE_KEY)
        snprintf(reason, size, "%s", Text(TEXT_ADD_RARE_KEY));
    else if (warning == ADD_WARN_TARGET_MISSING)
        snprintf(reason, size, Text(TEXT_ADD_TARGET_MISSING), request->target);
    else
        snprintf(reason, size, "%s", Text(TEXT_ADD_PARAMETER_QUOTES));
}

void AddReason(const AddVerdict *verdict, const HotkeyRequest *request, unsigned codePage, unsigned warning,
               char *reason, int capacity)
{
    size_t size = (size_t)capacity;
    char character[8] = "";
    switch (verdict->refusal) {
    case ADD_ACCEPTED: WarningReason(verdict, request, warning, reason, capacity); break;
    case ADD_FILE_UNREADABLE: snprintf(reason, size, "%s", Text(TEXT_ADD_FILE_UNREADABLE)); break;
    case ADD_FILE_FULL: snprintf(reason, size, Text(TEXT_ADD_FILE_FULL), verdict->number - 1, MAX_BINDINGS); break;
    case ADD_NO_KEY_CHARACTER: snprintf(reason, size, "%s", Text(TEXT_ADD_NO_KEY_CHARACTER)); break;
    case ADD_RESERVED: snprintf(reason, size, "%s", Text(TEXT_ADD_RESERVED)); break;
    case ADD_DUPLICATE:
        snprintf(reason, size, Text(TEXT_ADD_DUPLICATE), verdict->earlierLine, verdict->earlierLine);
        break;
    case ADD_HELD_ELSEWHERE: snprintf(reason, size, "%s", Text(TEXT_ADD_HELD_ELSEWHERE)); break;
    case ADD_HELD_VORN_RUNNING: snprintf(reason, size, "%s", Text(TEXT_ADD_HELD_VORN_RUNNING)); break;
    case ADD_NO_TARGET: snprintf(reason, size, "%s", Text(TEXT_ADD_NO_TARGET)); break;
    case ADD_TARGET_NOT_TAKEN:
        snprintf(reason, size, Text(TEXT_ADD_TARGET_NOT_TAKEN), ActionNameOf(request->action));
        break;
    case ADD_TAB_IN_TEXT: snprintf(reason, size, "%s", Text(TEXT_ADD_TAB_IN_TEXT)); break;
    case ADD_QUOTE_IN_TARGET: snprintf(reason, size, "%s", Text(TEXT_ADD_QUOTE_IN_TARGET)); break;
    case ADD_UNCONVERTIBLE:
        // A character only where it is one; a byte that is no UTF-8 by its code alone.
        if (verdict->character >= 0xA0 && verdict->character != 0xFFFD)
            character[EncodeUtf8(verdict->character, character)] = '\0';
        snprintf(reason, size, Text(TEXT_ADD_UNCONVERTIBLE), character, verdict->character, codePage);
        break;
    case ADD_LINE_TOO_LONG: snprintf(reason, size, Text(TEXT_ADD_LINE_TOO_LONG), SETTING_LINE_SIZE - 1); break;
    }
}

void ShowHotkeyLine(const HotkeyRequest *request, char *shown, int capacity)
{
    const char *tab = Text(TEXT_TAB_MARK);
    char key[8] = "";
    KeyField(request->keyCode, key);
    unsigned modifiers = request->modifiers;
    const char *action = ActionNameOf(request->action) ? ActionNameOf(request->action) : "";
    int parameters = request->parameters[0] != '\0';
    snprintf(shown, (size_t)capacity, "%s%s%s%s%s%s%s%s%s%s%s%s", modifiers & MOD_CONTROL ? "C" : "",
             modifiers & MOD_ALT ? "A" : "", modifiers & MOD_SHIFT ? "S" : "", modifiers & MOD_WIN ? "W" : "", tab,
             key, tab, action, request->target[0] || parameters ? tab : "", request->target, parameters ? tab : "",
             request->parameters);
}

int WriteAddedLine(const wchar_t *path, const char *shown, const SettingFix *fix, const AddVerdict *verdict,
                   const HotkeyRequest *request)
{
    static char text[FIX_TEXT_SIZE + SETTING_LINE_SIZE + 8];
    static WriteResult result;
    int length = 0, corrected = 0;
    const char *base = fix ? AddBaseText(fix, &length, &corrected) : "";
    int total = base ? AppendSettingLine(base, length, verdict->line, verdict->lineLength, text, sizeof text) : -1;
    if (total < 0) {
        PrintText(stderr, TEXT_CANNOT_OPEN, shown);
        return 2;
    }
    char name[NAME_SIZE], line[SHOWN_LINE_SIZE];
    KeyCombinationName(request->modifiers, request->keyCode, name, sizeof name);
    ShowHotkeyLine(request, line, sizeof line);
    if (!fix) {
        int created = CreateSettingFile(path, text, total, &result);
        if (created != 0) {
            if (created < 0)
                PrintText(stderr, TEXT_CANNOT_OPEN, shown);
            else
                PrintWriteFailure(stderr, shown, &result);
            return 2;
        }
        PrintText(stdout, TEXT_ADD_CREATED, shown, name, verdict->number, line);
    } else {
        if (corrected) {
            PrintText(stdout, TEXT_ADD_WITH_CORRECTIONS, shown);
            LineFix change;
            memset(&change, 0, sizeof change);
            while (NextLineFix(fix, &change)) {
                if (change.corrections)
                    PrintLineChange(stdout, &change);
            }
        }
        if (ReplaceSettingFile(path, fix->original, fix->originalLength, text, total, &result) != 0) {
            PrintWriteFailure(stderr, shown, &result);
            return 2;
        }
        PrintText(stdout, TEXT_ADDED, shown, name, verdict->number, line);
        if (corrected)
            PrintFixed(stdout, shown, fix, result.backup);
        else
            PrintText(stdout, TEXT_ADD_BACKUP, result.backup);
        PrintWriteNotes(stdout, shown, &result);
    }
    // Vorn reads the file only at its start.
    PrintText(stdout, ProbeVornIsRunning() ? TEXT_ADD_RESTART : TEXT_ADD_START, shown);
    return 0;
}

// Why the command line names no hotkey; 0 where it does.
static int ReadRequest(const char *const *arguments, int count, HotkeyRequest *request)
{
    if (count < 2) {
        PrintText(stderr, TEXT_ADD_ARGUMENTS);
        return 2;
    }
    ParsedCombination combination;
    CombinationError error = ParseCombination(arguments[0], &combination);
    if (error == COMBINATION_NO_KEY)
        PrintText(stderr, TEXT_ADD_NO_KEY, arguments[0]);
    else if (error != COMBINATION_READ)
        PrintText(stderr, error == COMBINATION_UNKNOWN_MODIFIER ? TEXT_ADD_UNKNOWN_MODIFIER : TEXT_ADD_UNKNOWN_KEY,
                  combination.wordLength, combination.word);
    ActionCode action = ActionFromName(arguments[1]);
    if (error == COMBINATION_READ && action == ACTION_NONE)
        PrintText(stderr, TEXT_ADD_UNKNOWN_ACTION, arguments[1]);
    if (error != COMBINATION_READ || action == ACTION_NONE)
        return 2;
    *request = {combination.modifiers, combination.keyCode, action, count > 2 ? arguments[2] : "",
                count > 3 ? arguments[3] : ""};
    return 0;
}

int AddHotkeyCommand(const wchar_t *path, const char *shown, unsigned codePage, const char *const *arguments,
                     int count)
{
    HotkeyRequest request;
    if (ReadRequest(arguments, count, &request) != 0)
        return 2;
    static SettingFix fix;
    int exists = LoadSettingFix(path, codePage, &fix) == 0;
    int length = 0, corrected = 0;
    const char *text = exists ? AddBaseText(&fix, &length, &corrected) : "";
    AddVerdict verdict;
    JudgeHotkey(&request, codePage, text, length, path, &verdict);
    if (verdict.refusal == ADD_ACCEPTED && verdict.warnings == 0)
        return WriteAddedLine(path, shown, exists ? &fix : nullptr, &verdict, &request);

    char name[NAME_SIZE], reason[REASON_SIZE];
    KeyCombinationName(request.modifiers, request.keyCode, name, sizeof name);
    unsigned first = verdict.warnings & (0u - verdict.warnings);
    AddReason(&verdict, &request, codePage, first, reason, sizeof reason);
    PrintText(stderr, TEXT_ADD_NOT_ADDED, name, shown, reason);
    for (unsigned warning = first << 1; verdict.refusal == ADD_ACCEPTED && warning <= verdict.warnings;
         warning <<= 1) {
        if (verdict.warnings & warning) {
            AddReason(&verdict, &request, codePage, warning, reason, sizeof reason);
            PrintText(stderr, TEXT_ADD_ALSO, reason);
        }
    }
    // What only needs a second thought can still be written by hand.
    if (verdict.refusal == ADD_ACCEPTED) {
        char line[SHOWN_LINE_SIZE];
        ShowHotkeyLine(&request, line, sizeof line);
        PrintText(stderr, TEXT_ADD_BY_HAND, shown, line);
    }
    return 1;
}
