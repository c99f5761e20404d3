#include "check/check_report.h"

#include <string.h>

#ifdef _WIN32
#include "settings/setting_text.h"
#else
#include <iconv.h>
#endif

enum { NAME_SIZE = 64 };

static unsigned g_reportCodePage = 932;

void SetReportCodePage(unsigned codePage)
{
    g_reportCodePage = codePage;
}

// The keys that bytes below 0x30 name, by virtual-key code; null where none.
static const char *const LOW_KEYS[0x30] = {
    nullptr, "Left Button", "Right Button", "Cancel", "Middle Button", "X Button 1", "X Button 2", nullptr,
    "Backspace", "Tab", nullptr, nullptr, "Clear", "Enter", nullptr, nullptr,
    "Shift", "Ctrl", "Alt", "Pause", "Caps Lock", "Kana", "IME On", "Junja",
    "Final", "Kanji", "IME Off", "Esc", "Convert", "Nonconvert", "Accept", "Mode Change",
    "Space", "Page Up", "Page Down", "End", "Home", "Left", "Up", "Right",
    "Down", "Select", "Print", "Execute", "Print Screen", "Insert", "Delete", "Help",
};

// The numeric keypad's operators, 0x6A to 0x6F (small j to o).
static const char *const NUMPAD_OPERATORS[6] = {"Num *", "Num +", "Num Separator", "Num -", "Num .", "Num /"};

// The real name of the key a code stands for, as a keyboard labels it.
static void KeyDisplayName(int32_t keyCode, char *name, size_t capacity)
{
    if (keyCode > 0 && keyCode < 0x30 && LOW_KEYS[keyCode])
        snprintf(name, capacity, "%s", LOW_KEYS[keyCode]);
    else if ((keyCode >= 'A' && keyCode <= 'Z') || (keyCode >= '0' && keyCode <= '9'))
        snprintf(name, capacity, "%c", (char)keyCode);
    else if (keyCode >= 0x5B && keyCode <= 0x5D)
        snprintf(name, capacity, "%s", keyCode == 0x5B ? "Left Win" : keyCode == 0x5C ? "Right Win" : "Menu");
    else if (keyCode == 0x5F)
        snprintf(name, capacity, "Sleep");
    else if (keyCode >= 0x60 && keyCode <= 0x69)
        snprintf(name, capacity, "Num %d", keyCode - 0x60);
    else if (keyCode >= 0x6A && keyCode <= 0x6F)
        snprintf(name, capacity, "%s", NUMPAD_OPERATORS[keyCode - 0x6A]);
    else if (keyCode >= 0x70 && keyCode <= 0x7F)
        snprintf(name, capacity, "F%d", keyCode - 0x70 + 1);
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

// The file's own text, decoded as the OEM code page that Vorn reads it in.
#ifdef _WIN32
static void PrintFileText(FILE *out, const char *text, int length)
{
    wchar_t wide[SETTING_LINE_SIZE * 2];
    int count = length > 0 ? SettingTextToWide(text, length, wide, SETTING_LINE_SIZE * 2) : 0;
    char utf8[SETTING_LINE_SIZE * 6];
    int bytes = WideCharToMultiByte(CP_UTF8, 0, wide, count, utf8, sizeof utf8, nullptr, nullptr);
    fwrite(utf8, 1, bytes > 0 ? (size_t)bytes : 0, out);
}
#else
static void PrintEscaped(FILE *out, unsigned char byte)
{
    if (byte == '\t')
        fputs("\\t", out);
    else
        fprintf(out, "\\x%02X", byte);
}

// Prints the character at text in UTF-8 and returns how many bytes it took,
// 0 when the code page decodes none there. At most four bytes in any code
// page iconv knows.
static int PrintDecoded(FILE *out, iconv_t decoder, const char *text, int left)
{
    for (int size = 1; size <= 4 && size <= left; ++size) {
        char utf8[16];
        char *in = (char *)text, *decoded = utf8;
        size_t inLeft = (size_t)size, outLeft = sizeof utf8;
        iconv(decoder, nullptr, nullptr, nullptr, nullptr);
        if (iconv(decoder, &in, &inLeft, &decoded, &outLeft) != (size_t)-1 && inLeft == 0) {
            fwrite(utf8, 1, sizeof utf8 - outLeft, out);
            return size;
        }
    }
    return 0;
}

// Through iconv into UTF-8; control bytes, and bytes the code page does not
// decode, are shown as escapes.
static void PrintFileText(FILE *out, const char *text, int length)
{
    char name[32];
    if (g_reportCodePage == 65001)
        snprintf(name, sizeof name, "UTF-8");
    else
        snprintf(name, sizeof name, "CP%u", g_reportCodePage);
    iconv_t decoder = iconv_open("UTF-8", name);
    for (int i = 0; i < length;) {
        unsigned char byte = (unsigned char)text[i];
        int taken = 0;
        if (byte >= 0x20 && byte != 0x7f && decoder != (iconv_t)-1)
            taken = PrintDecoded(out, decoder, text + i, length - i);
        if (taken == 0) {
            if (byte >= 0x20 && byte < 0x7f)
                fputc(byte, out);
            else
                PrintEscaped(out, byte);
            taken = 1;
        }
        i += taken;
    }
    if (decoder != (iconv_t)-1)
        iconv_close(decoder);
}
#endif

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
    if (warnings & WARNING_HELD_VORN_RUNNING)
        fprintf(out, "%s%s is held, and Vorn is running: it may be the holder (quit it to check for other programs)\n",
                indent, combination);
    if (warnings & WARNING_LONG_MODIFIERS)
        fprintf(out, "%sthe modifier field is longer than 9 bytes\n", indent);
    if (warnings & WARNING_OTHER_MODIFIER_BYTES)
        fprintf(out, "%smodifier bytes other than A, C, S and W are ignored\n", indent);
    if (warnings & WARNING_NO_MODIFIER)
        fprintf(out, "%sno modifier: the key alone is taken in every program\n", indent);
    if (warnings & WARNING_KEY_CHARACTER) {
        char character = verdict->fields.fields[1].text[0];
        char key[NAME_SIZE];
        KeyDisplayName(verdict->parsed.keyCode, key, sizeof key);
        if (character >= 'a' && character <= 'z')
            fprintf(out, "%sthe small letter '%c' names the key %s, not the %c key\n", indent, character, key,
                    character - 'a' + 'A');
        else if (character > ' ' && character != 0x7f)
            fprintf(out, "%sthe character '%c' names the key %s\n", indent, character, key);
        else
            fprintf(out, "%sthe control byte 0x%02X names the key %s\n", indent, (unsigned)character, key);
    }
    if (warnings & WARNING_HIGH_BYTE_KEY)
        fprintf(out, "%sa key byte above 0x7F names no usable key\n", indent);
    if (warnings & WARNING_TARGET_MISSING)
        fprintf(out, "%sthe shell finds no file, folder, program or registered address for this target;"
                     " the hotkey will open nothing\n", indent);
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

// How to save the file so that Vorn reads what the editor shows.
static void PrintEncodingFix(FILE *out, unsigned codePage)
{
    if (codePage == 932)
        fputs("save it as Shift-JIS / ANSI\n", out);
    else
        fprintf(out, "save it as ANSI (code page %u)\n", codePage);
}

void PrintSummary(FILE *out, const char *path, const CheckSummary *summary)
{
    // How each encoding was saved, and what Vorn then makes of it.
    static const char *const SAVED_AS[] = {nullptr, "UTF-8 with a byte order mark", "UTF-16 (Unicode)", "UTF-8"};
    static const char *const OUTCOME[] = {
        nullptr, ", so the mark joins line 1's modifiers and text beyond ASCII arrives garbled",
        " byte by byte and binds nothing as written", ", so its text beyond ASCII arrives garbled and such launches fail"};
    if (summary->encoding != ENCODING_FITS) {
        fprintf(out, "warning: the file is saved as %s; Vorn reads code page %u%s: ", SAVED_AS[summary->encoding],
                summary->codePage, OUTCOME[summary->encoding]);
        PrintEncodingFix(out, summary->codePage);
    }
    if (summary->trailingBytes > 0)
        fprintf(out, "warning: %d bytes after the last LF are no line and are ignored; end the line with an LF\n",
                summary->trailingBytes);
    fprintf(out, "%s: %d lines: %d bound, %d rejected, %d blank; %d bound with warnings\n", path, summary->lines,
            summary->bound, summary->rejected, summary->blank, summary->warned);
}
