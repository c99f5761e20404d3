#include "check/hotkey_add_report.h"
#include "check/check_report.h"
#include "check/code_page.h"
#include "settings/binding_table.h"
#include "settings/setting_reader.h"

enum { NAME_SIZE = 96, LAYOUT_NAME_SIZE = 128 };

static void PrintRefusal(FILE *out, const AddVerdict *verdict, const HotkeyRequest *request, const char *combination,
                         const char *shown, unsigned codePage)
{
    char character[LONGEST_CHARACTER * 2 + 1];
    switch (verdict->refusal) {
    case ADD_NO_KEY_CHARACTER:
        PrintText(out, TEXT_ADD_NO_KEY_CHARACTER, combination);
        break;
    case ADD_RESERVED:
        PrintText(out, TEXT_ADD_RESERVED, combination);
        break;
    case ADD_HELD_ELSEWHERE:
        PrintText(out, TEXT_ADD_HELD_ELSEWHERE, combination);
        break;
    case ADD_HELD_VORN_RUNNING:
        PrintText(out, TEXT_ADD_HELD_VORN_RUNNING, combination);
        break;
    case ADD_FILE_UNREADABLE:
        PrintText(out, TEXT_ADD_FILE_UNREADABLE, shown);
        break;
    case ADD_FILE_FULL:
        PrintText(out, TEXT_ADD_FILE_FULL, shown, MAX_BINDINGS);
        break;
    case ADD_DUPLICATE:
        PrintText(out, TEXT_ADD_DUPLICATE, combination, verdict->earlierLine);
        break;
    case ADD_NO_TARGET:
        PrintText(out, TEXT_ADD_NO_TARGET);
        break;
    case ADD_TARGET_NOT_TAKEN:
        PrintText(out, TEXT_ADD_TARGET_NOT_TAKEN, request->action == ACTION_QUIT ? "QUIT" : "ALERT");
        break;
    case ADD_TAB_IN_TEXT:
        PrintText(out, TEXT_ADD_TAB_IN_TEXT);
        break;
    case ADD_QUOTE_IN_TARGET:
        PrintText(out, TEXT_ADD_QUOTE_IN_TARGET);
        break;
    case ADD_UNCONVERTIBLE:
        character[EncodeUtf8(verdict->character, character)] = '\0';
        PrintText(out, TEXT_ADD_CANNOT_ENCODE, character, verdict->character, codePage);
        break;
    case ADD_LINE_TOO_LONG:
        PrintText(out, TEXT_ADD_LINE_TOO_LONG, SETTING_LINE_SIZE - 1);
        break;
    default:
        break;
    }
}

void PrintAddVerdict(FILE *out, const AddVerdict *verdict, const HotkeyRequest *request, const char *shown,
                     unsigned codePage)
{
    char combination[NAME_SIZE];
    CombinationName(GetReportLanguage(), request->modifiers, request->keyCode, combination, sizeof combination);
    SetApartInJapanese(combination, sizeof combination);
    if (verdict->refusal != ADD_ACCEPTED) {
        PrintRefusal(out, verdict, request, combination, shown, codePage);
        return;
    }
    if (verdict->warnings & ADD_WARN_NO_MODIFIER)
        PrintText(out, TEXT_ADD_NO_MODIFIER, combination);
    for (int i = 0; (verdict->warnings & ADD_WARN_TYPES_CHARACTER) && i < verdict->typedCount; ++i) {
        char layout[LAYOUT_NAME_SIZE];
        ProbeLayoutName(verdict->typed[i].layout, GetReportLanguage() == REPORT_ENGLISH, layout, sizeof layout);
        PrintText(out, TEXT_ADD_TYPES_CHARACTER, layout, combination, verdict->typed[i].character,
                  verdict->typed[i].character);
    }
    if (verdict->warnings & ADD_WARN_RARE_KEY) {
        char key[NAME_SIZE];
        CombinationName(GetReportLanguage(), 0, request->keyCode, key, sizeof key);
        SetApartInJapanese(key, sizeof key);
        PrintText(out, TEXT_ADD_RARE_KEY, key);
    }
    if (verdict->warnings & ADD_WARN_TARGET_MISSING)
        PrintText(out, TEXT_TARGET_MISSING);
    if (verdict->warnings & ADD_WARN_PARAMETER_QUOTES)
        PrintText(out, TEXT_ADD_PARAMETER_QUOTES);
}
