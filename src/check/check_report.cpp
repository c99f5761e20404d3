#include "check/check_report.h"

#include <string.h>

#ifdef _WIN32
#include "settings/setting_text.h"
#endif

enum { NAME_SIZE = 64 };

static void KeyDisplayName(int32_t keyCode, char *name, size_t capacity)
{
    for (const KeyName *entry = KeyNameTable; entry->name; ++entry) {
        if ((signed char)entry->code == keyCode) {
            snprintf(name, capacity, "%s", entry->name);
            return;
        }
    }
    if ((keyCode >= 'A' && keyCode <= 'Z') || (keyCode >= '0' && keyCode <= '9'))
        snprintf(name, capacity, "%c", (char)keyCode);
    else if (keyCode == ' ')
        snprintf(name, capacity, "Space");
    else if (keyCode >= 0x60 && keyCode <= 0x69)
        snprintf(name, capacity, "Num%d", keyCode - 0x60);
    else
        snprintf(name, capacity, "VK 0x%02X", (unsigned)keyCode & 0xffu);
}

static void CombinationName(const ParsedSettingLine *parsed, char *name, size_t capacity)
{
    char key[NAME_SIZE];
    KeyDisplayName(parsed->keyCode, key, sizeof key);
    snprintf(name, capacity, "%s%s%s%s%s", parsed->modifiers & MOD_CONTROL ? "Ctrl+" : "",
             parsed->modifiers & MOD_ALT ? "Alt+" : "", parsed->modifiers & MOD_SHIFT ? "Shift+" : "",
             parsed->modifiers & MOD_WIN ? "Win+" : "", key);
}

// The file's own text: decoded as the OEM code page on Windows, escaped
// where it is not printable ASCII elsewhere.
static void PrintFileText(FILE *out, const char *text, int length)
{
#ifdef _WIN32
    wchar_t wide[SETTING_LINE_SIZE * 2];
    int count = length > 0 ? SettingTextToWide(text, length, wide, SETTING_LINE_SIZE * 2) : 0;
    char utf8[SETTING_LINE_SIZE * 6];
    int bytes = WideCharToMultiByte(CP_UTF8, 0, wide, count, utf8, sizeof utf8, nullptr, nullptr);
    fwrite(utf8, 1, bytes > 0 ? (size_t)bytes : 0, out);
#else
    for (int i = 0; i < length; ++i) {
        unsigned char byte = (unsigned char)text[i];
        if (byte == '\t')
            fputs("\\t", out);
        else if (byte < 0x20 || byte >= 0x7f)
            fprintf(out, "\\x%02X", byte);
        else
            fputc(byte, out);
    }
#endif
}

static void PrintQuotedField(FILE *out, SettingField field)
{
    fputc('"', out);
    PrintFileText(out, field.text, field.length);
    fputc('"', out);
}

// ", " between names, " or " before the last.
static const char *NameSeparator(int index, int isLast)
{
    return index == 0 ? "" : isLast ? " or " : ", ";
}

static void PrintKeyNames(FILE *out)
{
    for (int i = 0; KeyNameTable[i].name; ++i)
        fprintf(out, "%s%s", NameSeparator(i, !KeyNameTable[i + 1].name), KeyNameTable[i].name);
}

static void PrintActionNames(FILE *out)
{
    for (int i = 0; ActionNameTable[i].name; ++i)
        fprintf(out, "%s%s", NameSeparator(i, !ActionNameTable[i + 1].name), ActionNameTable[i].name);
}

// "rejected: <before>"<field>"<after>"
static void PrintRejectedField(FILE *out, const char *before, SettingField field, const char *after)
{
    fprintf(out, "rejected: %s", before);
    PrintQuotedField(out, field);
    fputs(after, out);
}

static void PrintProblem(FILE *out, const LineVerdict *verdict)
{
    SettingField key = verdict->fields.fields[1];
    SettingField action = verdict->fields.fields[2];
    switch (verdict->problem) {
    case PROBLEM_BLANK:
        fputs("blank line", out);
        break;
    case PROBLEM_TOO_LONG:
        fprintf(out, "rejected: the line has %d bytes; a line of more than %d is never read", verdict->length,
                SETTING_LINE_SIZE - 1);
        break;
    case PROBLEM_NO_TAB:
        fputs("rejected: no tab, so the whole line was read as modifiers", out);
        break;
    case PROBLEM_EMPTY_KEY:
        fputs("rejected: the key field is empty", out);
        break;
    case PROBLEM_KEY_TRAILING_SPACE:
        PrintRejectedField(out, "the key ", key, " ends with a space");
        break;
    case PROBLEM_UNKNOWN_KEY:
        PrintRejectedField(out, "unknown key ", key, ": one character, or ");
        PrintKeyNames(out);
        fputs(" (names are case-sensitive)", out);
        break;
    case PROBLEM_EMPTY_ACTION:
        fputs("rejected: the action field is empty: use ", out);
        PrintActionNames(out);
        break;
    case PROBLEM_ACTION_TRAILING_SPACE:
        PrintRejectedField(out, "the action ", action, " ends with a space");
        break;
    case PROBLEM_UNKNOWN_ACTION:
        PrintRejectedField(out, "unknown action ", action, ": use ");
        PrintActionNames(out);
        fputs(" (case-sensitive)", out);
        break;
    case PROBLEM_PAST_LAST_SLOT:
        fprintf(out, "ignored: only the first %d lines are read", MAX_BINDINGS);
        break;
    case PROBLEM_NONE:
        break;
    }
}

static void PrintBinding(FILE *out, const LineVerdict *verdict)
{
    char combination[NAME_SIZE];
    CombinationName(&verdict->parsed, combination, sizeof combination);
    const char *action = "";
    for (const ActionName *entry = ActionNameTable; entry->name; ++entry)
        if (entry->action == verdict->parsed.action)
            action = entry->name;
    fprintf(out, "%-22s %s", combination, action);
    if (verdict->parsed.action == ACTION_EXEC) {
        // Exactly as the shell receives them: the file and any parameters quoted.
        fputs("  ", out);
        PrintQuotedField(out, verdict->fields.fields[3]);
        if (verdict->fields.fields[4].length > 0) {
            fputc(' ', out);
            PrintQuotedField(out, verdict->fields.fields[4]);
        }
    }
}

static void PrintWarnings(FILE *out, const LineVerdict *verdict)
{
    const char *indent = "                    warning: ";
    char combination[NAME_SIZE];
    CombinationName(&verdict->parsed, combination, sizeof combination);
    unsigned warnings = verdict->warnings;
    if (warnings & WARNING_DUPLICATE)
        fprintf(out, "%s%s is already bound by line %d, which wins; this line never fires\n", indent,
                combination, verdict->duplicateOf);
    if (warnings & WARNING_HELD_ELSEWHERE)
        fprintf(out, "%sanother program holds %s; this line never fires\n", indent, combination);
    if (warnings & WARNING_LONG_MODIFIERS)
        fprintf(out, "%sthe modifier field is longer than 9 bytes\n", indent);
    if (warnings & WARNING_OTHER_MODIFIER_BYTES)
        fprintf(out, "%smodifier bytes other than A, C, S and W are ignored\n", indent);
    if (warnings & WARNING_NO_MODIFIER)
        fprintf(out, "%sno modifier: the key alone is taken in every program\n", indent);
    if (warnings & WARNING_SMALL_LETTER)
        fprintf(out, "%sthe small letter '%c' names the numpad key VK 0x%02X, not the %c key\n", indent,
                verdict->fields.fields[1].text[0], (unsigned)verdict->parsed.keyCode,
                verdict->fields.fields[1].text[0] - 'a' + 'A');
    if (warnings & WARNING_HIGH_BYTE_KEY)
        fprintf(out, "%sa key byte above 0x7F names no usable key\n", indent);
}

void PrintReportHeader(FILE *out)
{
    fputs(" line  slot  id     binding\n", out);
}

void PrintVerdict(FILE *out, const LineVerdict *verdict)
{
    if (verdict->slot >= 0)
        fprintf(out, "%5d  %4d  %5d  ", verdict->number, verdict->slot, HOTKEY_ID_BASE + verdict->slot);
    else
        fprintf(out, "%5d  %4s  %5s  ", verdict->number, "-", "-");
    if (verdict->problem == PROBLEM_NONE)
        PrintBinding(out, verdict);
    else
        PrintProblem(out, verdict);
    fputc('\n', out);
    PrintWarnings(out, verdict);
}

void PrintSummary(FILE *out, const char *path, const CheckSummary *summary)
{
    if (summary->trailingBytes > 0)
        fprintf(out, "warning: %d bytes after the last LF are no line and are ignored; end the line with an LF\n",
                summary->trailingBytes);
    fprintf(out, "%s: %d lines: %d bound, %d rejected, %d blank; %d bound with warnings\n", path, summary->lines,
            summary->bound, summary->rejected, summary->blank, summary->warned);
}
