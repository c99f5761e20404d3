#include "check/report/check_report.h"
#include "check/read/code_page.h"
#include "check/read/key_names.h"

#include <stdarg.h>
#include <string.h>

#ifdef _WIN32
#include <io.h>
#endif

enum {
    NAME_SIZE = 64,
    LABEL_SIZE = 8,  // "F16"
    // A line's bytes, each shown as at most eight: an escape, a character in
    // UTF-8, or the mark that shows a tab.
    SHOWN_SIZE = SETTING_LINE_SIZE * 8 + 1,
    MESSAGE_SIZE = 8192
};

static unsigned g_reportCodePage = 932;
static ReportLanguage g_reportLanguage = REPORT_ENGLISH;

void SetReportCodePage(unsigned codePage)
{
    g_reportCodePage = codePage;
}

void SetReportLanguage(ReportLanguage language)
{
    g_reportLanguage = language;
}

ReportLanguage ReportLanguageInUse()
{
    return g_reportLanguage;
}

// Text is UTF-8 throughout. A console is written in UTF-16 and keeps the
// code page it had, so programs run after vorn-check in the same window
// print as before. A file or a pipe is read by the console's own tools
// (more, findstr, type, PowerShell), which take the console's output code
// page, or the OEM one where there is no console.
#ifdef _WIN32
int ReportIsOnConsole(FILE *out)
{
    DWORD mode = 0;
    return GetConsoleMode((HANDLE)_get_osfhandle(_fileno(out)), &mode) != 0;
}

static UINT RedirectedCodePage()
{
    UINT codePage = GetConsoleOutputCP();
    return codePage != 0 ? codePage : GetOEMCP();
}

static int EncodesAll(UINT codePage, const char *text)
{
    static wchar_t wide[MESSAGE_SIZE];
    int count = MultiByteToWideChar(CP_UTF8, 0, text, -1, wide, MESSAGE_SIZE);
    return count > 0 && CodePageEncodesAll(codePage, wide, count);
}

int ReportCanShow(FILE *out, ReportLanguage language)
{
    // The console window draws only what the font of its code page has, and
    // Windows tells which language it can show: Japanese needs a Japanese
    // system locale in the classic console.
    if (ReportIsOnConsole(out))
        return language != REPORT_JAPANESE || PRIMARYLANGID(SetThreadUILanguage(0)) == LANG_JAPANESE;
    UINT codePage = RedirectedCodePage();
    for (int text = 0; text < TEXT_COUNT; ++text) {
        if (!EncodesAll(codePage, ReportTextIn(language, (ReportText)text)))
            return 0;
    }
    for (int keyCode = 0; keyCode < 0x80; ++keyCode) {
        const char *name = SentenceKeyName(language, keyCode);
        if (name && !EncodesAll(codePage, name))
            return 0;
    }
    return 1;
}

static void WriteText(FILE *out, const char *text, int length)
{
    static wchar_t wide[MESSAGE_SIZE];
    static char encoded[MESSAGE_SIZE * 3];
    int count = length > 0 ? MultiByteToWideChar(CP_UTF8, 0, text, length, wide, MESSAGE_SIZE) : 0;
    if (count <= 0)
        return;
    HANDLE handle = (HANDLE)_get_osfhandle(_fileno(out));
    DWORD written = 0;
    if (ReportIsOnConsole(out)) {
        WriteConsoleW(handle, wide, (DWORD)count, &written, nullptr);
        return;
    }
    UINT codePage = RedirectedCodePage();
    // A character the page cannot show becomes its default character, not a
    // look-alike; UTF-8 and a few other pages take no flags.
    int size = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide, count, encoded, sizeof encoded, nullptr,
                                   nullptr);
    if (size == 0)
        size = WideCharToMultiByte(codePage, 0, wide, count, encoded, sizeof encoded, nullptr, nullptr);
    fwrite(encoded, 1, (size_t)size, out);
}
#else
static void WriteText(FILE *out, const char *text, int length)
{
    fwrite(text, 1, (size_t)length, out);
}
#endif

// The prefix, then the formatted text, in one piece.
static void WriteFormatted(FILE *out, const char *prefix, const char *format, va_list arguments)
{
    char text[MESSAGE_SIZE];
    int used = snprintf(text, sizeof text, "%s", prefix);
    // Every caller has started the list right before; the analyzer, reading
    // Warn's callers across the file, loses track of that.
    // NOLINTNEXTLINE(clang-analyzer-valist.Uninitialized)
    int length = used + vsnprintf(text + used, sizeof text - (size_t)used, format, arguments);
    if (length >= (int)sizeof text)
        length = (int)sizeof text - 1;
    WriteText(out, text, length);
}

__attribute__((format(printf, 2, 3))) static void Write(FILE *out, const char *format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    WriteFormatted(out, "", format, arguments);
    va_end(arguments);
}

void PrintText(FILE *out, int text, ...)
{
    va_list arguments;
    va_start(arguments, text);
    WriteFormatted(out, "", ReportTextIn(g_reportLanguage, (ReportText)text), arguments);
    va_end(arguments);
    WriteText(out, "\n", 1);
}

// The key a code stands for in the binding column, in ASCII so the column
// stays aligned: its label, "Num 5", or the bare code.
static void KeyColumnName(int32_t keyCode, char *name, size_t capacity)
{
    char label[LABEL_SIZE];
    const char *labelled = KeyLabel(keyCode, label, sizeof label);
    if (keyCode >= 0x60 && keyCode <= 0x6F)
        snprintf(name, capacity, "Num %s", NUMPAD_KEYS[keyCode - 0x60]);
    else if (labelled)
        snprintf(name, capacity, "%s", labelled);
    else
        snprintf(name, capacity, "VK 0x%02X", (unsigned)keyCode & 0xffu);
}

// The key in a sentence, as the report's language names it ("the Num 5 key",
// "左方向キー"); a code no key has is named as a code. labelFormat names a
// key that goes by its label alone: "%s key" on its own, "%s" in a combination.
static void KeySentenceName(int32_t keyCode, const char *labelFormat, char *name, size_t capacity)
{
    char label[LABEL_SIZE];
    const char *labelled = KeyLabel(keyCode, label, sizeof label);
    const char *named = SentenceKeyName(g_reportLanguage, keyCode);
    if (named)
        snprintf(name, capacity, "%s", named);
    else if (keyCode >= 0x60 && keyCode <= 0x6F)
        snprintf(name, capacity, ReportTextIn(g_reportLanguage, TEXT_NUMPAD_KEY), NUMPAD_KEYS[keyCode - 0x60]);
    else if (labelled)
        snprintf(name, capacity, labelFormat, labelled);
    else
        snprintf(name, capacity, ReportTextIn(g_reportLanguage, TEXT_VIRTUAL_KEY_CODE), (unsigned)keyCode & 0xffu);
}

// Japanese sets half-width text apart from the particle that follows
// ("0x3B を", "Ctrl+E は"), not a Japanese word ("左方向キーを"); the
// Japanese texts leave that space to the name before the particle.
static void SetApartInJapanese(char *name, size_t capacity)
{
    size_t length = strlen(name);
    if (g_reportLanguage == REPORT_JAPANESE && length > 0 && (unsigned char)name[length - 1] < 0x80 &&
        length + 1 < capacity)
        snprintf(name + length, capacity - length, " ");
}

static void JoinCombination(unsigned modifiers, const char *key, char *name, size_t capacity)
{
    snprintf(name, capacity, "%s%s%s%s%s", modifiers & MOD_CONTROL ? "Ctrl+" : "", modifiers & MOD_ALT ? "Alt+" : "",
             modifiers & MOD_SHIFT ? "Shift+" : "", modifiers & MOD_WIN ? "Win+" : "", key);
}

// The combination in the binding column, as keyboards label the keys.
static void CombinationName(const ParsedSettingLine *parsed, char *name, size_t capacity)
{
    // The longest key, "Num Separator", leaves room for every modifier.
    char key[NAME_SIZE / 2];
    KeyColumnName(parsed->keyCode, key, sizeof key);
    JoinCombination(parsed->modifiers, key, name, capacity);
}

// The combination in a sentence: as the column names it ("Win+L"), but in
// Japanese with the key's Japanese name where Japanese Windows does not call
// it by its label ("Win+左方向キー").
void KeyCombinationName(unsigned modifiers, int32_t keyCode, char *name, size_t capacity)
{
    char key[NAME_SIZE];
    if (g_reportLanguage == REPORT_JAPANESE)
        KeySentenceName(keyCode, "%s", key, sizeof key);
    else
        KeyColumnName(keyCode, key, sizeof key);
    JoinCombination(modifiers, key, name, capacity);
}

static void SentenceCombination(const ParsedSettingLine *parsed, char *name, size_t capacity)
{
    KeyCombinationName(parsed->modifiers, parsed->keyCode, name, capacity);
    SetApartInJapanese(name, capacity);
}

// Whether the space at i ends its field: only spaces follow it to a tab or
// the end. Such spaces are what a correction removes, and show nowhere.
static int EndsField(const char *text, int length, int i)
{
    while (i < length && text[i] == ' ')
        ++i;
    return i == length || text[i] == '\t';
}

// Settings text in UTF-8 as the code page Vorn reads decodes it. Control
// characters and bytes the code page does not decode are shown as escapes,
// so no byte of the file reaches a console raw; a tab is shown by the mark,
// and so is a space at the end of a field where markSpaces is set.
static void ShowText(const char *text, int length, char *shown, size_t capacity, int markSpaces = 0)
{
    const char *tab = ReportTextIn(g_reportLanguage, TEXT_TAB_MARK);
    const char *space = ReportTextIn(g_reportLanguage, TEXT_SPACE_MARK);
    size_t used = 0;
    for (int i = 0; i < length && used + 9 <= capacity;) {
        unsigned point = 0;
        int size = DecodeCharacter(g_reportCodePage, text + i, length - i, &point);
        if (text[i] == '\t') {
            used += (size_t)snprintf(shown + used, capacity - used, "%s", tab);
        } else if (text[i] == ' ' && markSpaces && EndsField(text, length, i)) {
            used += (size_t)snprintf(shown + used, capacity - used, "%s", space);
        } else if (size == 0 || point < 0x20 || (point >= 0x7F && point < 0xA0)) {
            used += (size_t)snprintf(shown + used, capacity - used, "\\x%02X", (unsigned char)text[i]);
            size = 1;
        } else {
            used += (size_t)EncodeUtf8(point, shown + used);
        }
        i += size > 0 ? size : 1;
    }
    shown[used] = '\0';
}

// A line as an editor shows it: the CR of its line end is no character of it.
static void ShowWholeLine(const char *line, int length, char *shown, size_t capacity, int markSpaces = 0)
{
    ShowText(line, length - (length > 0 && line[length - 1] == '\r'), shown, capacity, markSpaces);
}

static void ShowField(SettingField field, char *shown, size_t capacity)
{
    ShowText(field.text, field.length, shown, capacity);
}

// "END, RIGHT or LEFT" in English; the separators are the language's.
static void AppendName(char *list, size_t capacity, int index, int isLast, const char *name)
{
    size_t used = strlen(list);
    const char *separator = index == 0 ? ""
                            : isLast   ? ReportTextIn(g_reportLanguage, TEXT_LIST_LAST_SEPARATOR)
                                       : ReportTextIn(g_reportLanguage, TEXT_LIST_SEPARATOR);
    snprintf(list + used, capacity - used, "%s%s", separator, name);
}

static void KeyNames(char *list, size_t capacity)
{
    list[0] = '\0';
    for (int i = 0; KeyNameTable[i].name; ++i)
        AppendName(list, capacity, i, !KeyNameTable[i + 1].name, KeyNameTable[i].name);
}

static void ActionNames(char *list, size_t capacity)
{
    list[0] = '\0';
    for (int i = 0; ActionNameTable[i].name; ++i)
        AppendName(list, capacity, i, !ActionNameTable[i + 1].name, ActionNameTable[i].name);
}

// Why a key field names no key: Vorn's own names, or where the user named
// a key Vorn knows by a character, that character; or why it cannot be bound.
static void PrintUnknownKey(FILE *out, const char *key, const LineFix *fix)
{
    char names[NAME_SIZE], sentence[NAME_SIZE];
    if (fix && (fix->notes & NOTE_KEY_CANNOT_BIND)) {
        PrintText(out, fix->keyCode == 0x7B ? TEXT_KEY_NAME_DEBUGGER : TEXT_KEY_NAME_CANNOT_BIND, key,
                  (unsigned)fix->keyCode);
    } else if (fix && (fix->corrections & CORRECTED_KEY_NAME) && fix->keyCode >= 0x20 && fix->keyCode < 0x7F) {
        KeySentenceName(fix->keyCode, ReportTextIn(g_reportLanguage, TEXT_KEY_NAMED), sentence, sizeof sentence);
        SetApartInJapanese(sentence, sizeof sentence);
        PrintText(out, TEXT_KEY_NAME_AS_CHARACTER, key, sentence, (char)fix->keyCode, (unsigned)fix->keyCode);
    } else {
        KeyNames(names, sizeof names);
        PrintText(out, TEXT_UNKNOWN_KEY, key, names);
    }
}

static void PrintProblem(FILE *out, const LineVerdict *verdict, const LineFix *fix)
{
    char key[SHOWN_SIZE], action[SHOWN_SIZE], names[NAME_SIZE];
    ShowField(verdict->fields.fields[1], key, sizeof key);
    ShowField(verdict->fields.fields[2], action, sizeof action);
    switch (verdict->problem) {
    case PROBLEM_TOO_LONG:
        PrintText(out, TEXT_TOO_LONG, verdict->length, SETTING_LINE_SIZE - 1);
        break;
    case PROBLEM_KEY_TRAILING_SPACE:
        PrintText(out, TEXT_KEY_TRAILING_SPACE, key);
        break;
    case PROBLEM_UNKNOWN_KEY:
        PrintUnknownKey(out, key, fix);
        break;
    case PROBLEM_EMPTY_ACTION:
        ActionNames(names, sizeof names);
        PrintText(out, TEXT_EMPTY_ACTION, names);
        break;
    case PROBLEM_ACTION_TRAILING_SPACE:
        PrintText(out, TEXT_ACTION_TRAILING_SPACE, action);
        break;
    case PROBLEM_UNKNOWN_ACTION:
        ActionNames(names, sizeof names);
        PrintText(out, TEXT_UNKNOWN_ACTION, action, names);
        break;
    case PROBLEM_PAST_LAST_SLOT:
        PrintText(out, TEXT_PAST_LAST_SLOT, MAX_BINDINGS);
        break;
    default:
        // The rest say it without arguments.
        PrintText(out, verdict->problem == PROBLEM_BLANK    ? TEXT_BLANK
                       : verdict->problem == PROBLEM_NO_TAB ? TEXT_NO_TAB
                                                            : TEXT_EMPTY_KEY);
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
    Write(out, "%-22s %s", combination, action);
    if (verdict->parsed.action == ACTION_EXEC) {
        // Exactly as the shell receives them: the file and any parameters quoted.
        char target[SHOWN_SIZE], parameters[SHOWN_SIZE];
        ShowField(verdict->fields.fields[3], target, sizeof target);
        ShowField(verdict->fields.fields[4], parameters, sizeof parameters);
        Write(out, "  \"%s\"", target);
        if (parameters[0] != '\0')
            Write(out, " \"%s\"", parameters);
    }
}

// Beneath its line, or at the left margin for the whole file.
static const char LINE_INDENT[] = "                    ";

// A remark beneath its line, led by the word that says what it is.
static void Remark(FILE *out, const char *indent, ReportText word, int text, va_list arguments)
{
    char prefix[NAME_SIZE];
    snprintf(prefix, sizeof prefix, "%s%s", indent, ReportTextIn(g_reportLanguage, word));
    WriteFormatted(out, prefix, ReportTextIn(g_reportLanguage, (ReportText)text), arguments);
    WriteText(out, "\n", 1);
}

static void Warn(FILE *out, const char *indent, int text, ...)
{
    va_list arguments;
    va_start(arguments, text);
    Remark(out, indent, TEXT_WARNING, text, arguments);
    va_end(arguments);
}

// A remark beneath its line. A note tells what a line bound as written
// binds, and what to write for another reading: no mistake, and never
// counted as one.
static void Say(FILE *out, ReportText word, int text, ...)
{
    va_list arguments;
    va_start(arguments, text);
    Remark(out, LINE_INDENT, word, text, arguments);
    va_end(arguments);
}

// A line to write, its tabs shown, beneath the sentence that offers it.
static void ShowLine(FILE *out, const char *line, int length)
{
    char shown[SHOWN_SIZE];
    ShowWholeLine(line, length, shown, sizeof shown);
    Write(out, "%s    %s\n", LINE_INDENT, shown);
}

static void PrintSuggestion(FILE *out, const char *line, int length, int shift, char key)
{
    char suggested[FIX_LINE_SIZE];
    int suggestedLength = SuggestLine(line, length, shift, key, suggested, sizeof suggested);
    if (suggestedLength > 0)
        ShowLine(out, suggested, suggestedLength);
}

// The key that types a sign on the user's keyboard layout, and how to bind
// it where the key field can name it: a digit or a letter, with Shift or not.
// Beneath a line that binds the sign's own key, a note of what to write if
// that key was meant; beneath a rejected line, a warning.
static void PrintSignKey(FILE *out, char sign, const char *line, int length, int asNote)
{
    int keyCode = 0;
    unsigned held = 0, layout = 0;
    if (!ProbeKeyForCharacter(sign, &keyCode, &held, &layout))
        return;
    char name[NAME_SIZE * 2];
    ProbeLayoutName(layout, g_reportLanguage == REPORT_ENGLISH, name, sizeof name);
    // A line holds Shift and the key; Ctrl, Alt, Hankaku or a layout's own
    // shift state would make a line that types something else.
    ReportText word = asNote ? TEXT_NOTE : TEXT_WARNING;
    if (held & ~1u) {
        Say(out, word, TEXT_SIGN_KEY_OTHER_STATE, name, sign);
        return;
    }
    if ((keyCode >= '0' && keyCode <= '9') || (keyCode >= 'A' && keyCode <= 'Z')) {
        char typedWith[NAME_SIZE];
        snprintf(typedWith, sizeof typedWith, "%s%c", held ? "Shift+" : "", (char)keyCode);
        SetApartInJapanese(typedWith, sizeof typedWith);
        if (asNote)
            Say(out, TEXT_NOTE, TEXT_SIGN_KEY_IF_MEANT, name, sign, typedWith, sign);
        else
            Say(out, TEXT_WARNING, TEXT_SIGN_KEY, name, sign, typedWith);
        PrintSuggestion(out, line, length, held != 0, (char)keyCode);
    } else {
        Say(out, word, asNote ? TEXT_SIGN_KEY_CANNOT_BIND_IF_MEANT : TEXT_SIGN_KEY_CANNOT_BIND, name, sign,
            (unsigned)keyCode, sign);
    }
}

// What a small letter or a sign names: the key the line binds.
static void NoteKeyCharacter(FILE *out, const LineVerdict *verdict, const char *key)
{
    char character = verdict->fields.fields[1].text[0];
    if (character >= 'a' && character <= 'z')
        Say(out, TEXT_NOTE, TEXT_SMALL_LETTER_KEY, character, key);
    else if (character > ' ' && character != 0x7f)
        Say(out, TEXT_NOTE, TEXT_CHARACTER_KEY, character, key);
    else
        Say(out, TEXT_NOTE, TEXT_CONTROL_BYTE_KEY, (unsigned)character, key);
}

// What to write if the user meant the other reading of a small letter or a
// sign: the letter's key, or the one that types the sign.
static void SuggestForKeyCharacter(FILE *out, const LineVerdict *verdict, const char *line, int length)
{
    char character = verdict->fields.fields[1].text[0];
    if (character >= 'a' && character <= 'z') {
        char letter = (char)(character - 'a' + 'A');
        Say(out, TEXT_NOTE, TEXT_LETTER_KEY, letter);
        PrintSuggestion(out, line, length, 0, letter);
    } else if (character > ' ' && character != 0x7f) {
        PrintSignKey(out, character, line, length, 1);
    }
}

// Warnings said with the combination and the line that wins, which a text
// may leave unused; in the order they are told.
static const struct {
    unsigned warning;
    ReportText text;
} COMBINATION_WARNINGS[] = {
    {WARNING_RESERVED, TEXT_RESERVED},
    {WARNING_DEBUGGER_KEY, TEXT_DEBUGGER_KEY},
    {WARNING_DUPLICATE, TEXT_DUPLICATE},
    {WARNING_HELD_ELSEWHERE, TEXT_HELD_ELSEWHERE},
    {WARNING_HELD_VORN_RUNNING, TEXT_HELD_VORN_RUNNING},
    {WARNING_LONG_MODIFIERS, TEXT_LONG_MODIFIERS},
    {WARNING_OTHER_MODIFIER_BYTES, TEXT_OTHER_MODIFIER_BYTES},
    {WARNING_NO_MODIFIER, TEXT_NO_MODIFIER},
    {WARNING_HIGH_BYTE_KEY, TEXT_HIGH_BYTE_KEY},
    {WARNING_TARGET_MISSING, TEXT_TARGET_MISSING},
};

// The program's arguments from parameters that hold quotes: Vorn puts its
// own around them, and Windows' rules split what they enclose.
static void PrintArguments(FILE *out, const char *parameters)
{
    char commandLine[SETTING_TEXT_SIZE + 2], argument[SETTING_TEXT_SIZE + 2], shown[SHOWN_SIZE];
    char arguments[MESSAGE_SIZE / 2] = "";
    snprintf(commandLine, sizeof commandLine, "\"%s\"", parameters);
    const char *rest = commandLine;
    while (NextArgument(g_reportCodePage, &rest, argument, sizeof argument)) {
        ShowText(argument, (int)strlen(argument), shown, sizeof shown);
        size_t used = strlen(arguments);
        snprintf(arguments + used, sizeof arguments - used, "%s[%s]", used ? " " : "", shown);
    }
    Warn(out, LINE_INDENT, TEXT_PARAMETER_QUOTES, arguments);
}

// offerOther: whether a key character's other reading is offered; not where
// a correction has just written the character for the key the user named.
static void PrintWarnings(FILE *out, const LineVerdict *verdict, const char *line, int length, int offerOther)
{
    char combination[NAME_SIZE * 2], key[NAME_SIZE];
    SentenceCombination(&verdict->parsed, combination, sizeof combination);
    KeySentenceName(verdict->parsed.keyCode, ReportTextIn(g_reportLanguage, TEXT_KEY_NAMED), key, sizeof key);
    SetApartInJapanese(key, sizeof key);
    unsigned warnings = verdict->warnings;
    if (warnings & WARNING_KEY_CHARACTER)
        NoteKeyCharacter(out, verdict, key);
    if (warnings & WARNING_NO_SUCH_KEY)
        Warn(out, LINE_INDENT, TEXT_NO_SUCH_KEY, (unsigned)verdict->parsed.keyCode);
    if (warnings & WARNING_RARE_KEY)
        Warn(out, LINE_INDENT, TEXT_RARE_KEY, key);
    for (const auto &entry : COMBINATION_WARNINGS) {
        if (warnings & entry.warning)
            Warn(out, LINE_INDENT, entry.text, combination, verdict->duplicateOf);
    }
    for (int i = 0; i < verdict->typedCount; ++i) {
        char layout[NAME_SIZE * 2];
        ProbeLayoutName(verdict->typed[i].layout, g_reportLanguage == REPORT_ENGLISH, layout, sizeof layout);
        Warn(out, LINE_INDENT, TEXT_TYPES_CHARACTER, layout, combination, verdict->typed[i].character,
             verdict->typed[i].character);
    }
    if (warnings & WARNING_BEYOND_ASCII)
        Warn(out, LINE_INDENT, TEXT_BEYOND_ASCII, verdict->codePage, verdict->ansiCodePage);
    if (warnings & WARNING_QUOTED_TARGET)
        Warn(out, LINE_INDENT, TEXT_QUOTED_TARGET);
    if (warnings & WARNING_PARAMETER_QUOTES)
        PrintArguments(out, verdict->parsed.parameters);
    if ((warnings & WARNING_KEY_CHARACTER) && offerOther)
        SuggestForKeyCharacter(out, verdict, line, length);
}

void ShowSettingLine(const char *line, int length, char *shown, size_t capacity)
{
    ShowWholeLine(line, length, shown, capacity);
}

void NameCombination(const ParsedSettingLine *parsed, char *name, size_t capacity)
{
    SentenceCombination(parsed, name, capacity);
}

void PrintReportHeader(FILE *out)
{
    PrintText(out, TEXT_HEADER);
}

// Whether a correction changes only how the line is encoded: it reads the same.
static int OnlyConverted(const LineFix *fix)
{
    return (fix->corrections & CORRECTED_ENCODING) && !(fix->corrections & ~(CORRECTED_ENCODING | CORRECTED_LINE_END));
}

// A line as corrected, and a word for what shows no character: the line
// end added, the encoding converted.
static void ShowCorrected(const LineFix *fix, char *shown, size_t capacity, int markSpaces = 0)
{
    int length;
    const char *written = WrittenLine(fix, &length);
    ShowWholeLine(written, length, shown, capacity, markSpaces);
    size_t used = strlen(shown);
    if (fix->corrections & CORRECTED_LINE_END)
        used += (size_t)snprintf(shown + used, capacity - used, "%s",
                                 ReportTextIn(g_reportLanguage, TEXT_LINE_END_ADDED));
    if (OnlyConverted(fix) && used < capacity)
        snprintf(shown + used, capacity - used, "%s", ReportTextIn(g_reportLanguage, TEXT_ENCODING_ONLY));
}

// The line to write instead, beneath the line and what was said of it.
static void PrintCorrection(FILE *out, const LineFix *fix)
{
    char shown[SHOWN_SIZE + NAME_SIZE];
    ShowCorrected(fix, shown, sizeof shown);
    Write(out, "%s", LINE_INDENT);
    PrintText(out, TEXT_CORRECTION, shown);
}

void PrintVerdict(FILE *out, const LineVerdict *verdict, const LineFix *fix, const LineFix *change)
{
    if (verdict->slot >= 0)
        Write(out, "%5d  %4d  %5d  ", verdict->number, verdict->slot, HOTKEY_ID_BASE + verdict->slot);
    else
        Write(out, "%5d  %4s  %5s  ", verdict->number, "-", "-");
    if (verdict->problem == PROBLEM_NONE) {
        PrintBinding(out, verdict);
        WriteText(out, "\n", 1);
    } else {
        PrintProblem(out, verdict, fix);
    }
    // Suggestions build on the line as corrected.
    int length = (int)strlen(verdict->text);
    const char *line = fix ? WrittenLine(fix, &length) : verdict->text;
    PrintWarnings(out, verdict, line, length, !(change && (change->corrections & CORRECTED_KEY_NAME)));
    if (fix && (fix->notes & NOTE_FULL_WIDTH_SIGN))
        PrintSignKey(out, fix->sign, line, length, 0);
    if (fix && (fix->notes & NOTE_SPLITS))
        Warn(out, LINE_INDENT, TEXT_SPLITS_FOUND, fix->splitCount);
    char reading[FIX_LINE_SIZE];
    int readingLength = fix ? SpacedLineReading(g_reportCodePage, nullptr, fix, 0, reading, sizeof reading) : 0;
    if (readingLength > 0) {
        Warn(out, LINE_INDENT, TEXT_NO_TARGET_FOUND);
        ShowLine(out, reading, readingLength);
    }
    if (fix && fix->corrections)
        PrintCorrection(out, fix);
}

void PrintLineChange(FILE *out, const LineFix *change)
{
    if (!change->corrections)
        return;
    // A line only converted reads as before: said once, not shown twice.
    if (!(change->corrections & ~CORRECTED_ENCODING)) {
        Write(out, "%s", LINE_INDENT);
        PrintText(out, TEXT_CONVERTED_LINE);
        return;
    }
    char before[SHOWN_SIZE], after[SHOWN_SIZE + NAME_SIZE];
    ShowWholeLine(change->before, change->beforeLength, before, sizeof before, 1);
    ShowCorrected(change, after, sizeof after, 1);
    Write(out, "%s", LINE_INDENT);
    PrintText(out, TEXT_BEFORE, before);
    Write(out, "%s", LINE_INDENT);
    PrintText(out, TEXT_AFTER, after);
}

void PrintFileFindings(FILE *out, const SettingFix *fix, LineFix *rest)
{
    for (int i = 0; i < fix->nulCount && i < MAX_FILE_FINDINGS; ++i) {
        const NulLoss &nul = fix->nuls[i];
        Warn(out, "", TEXT_NUL_BYTE, nul.line, nul.from + 1, nul.to + 1);
        if (nul.joinedLine > 0)
            Warn(out, "", TEXT_NUL_JOINS, nul.line, nul.joinedLine);
        else if (nul.joinedLine < 0)
            Warn(out, "", TEXT_NUL_TO_END, nul.line);
    }
    if (fix->nulCount > MAX_FILE_FINDINGS)
        Warn(out, "", TEXT_MORE_FINDINGS, fix->nulCount - MAX_FILE_FINDINGS);
    for (int i = 0; i < fix->unconvertibleCount && i < MAX_FILE_FINDINGS; ++i) {
        const Unconvertible &character = fix->unconvertible[i];
        // Its code says which it is where it is no character to show: a C1
        // control, or a byte or unit that decodes to none.
        char shown[8] = "";
        if (character.point >= 0xA0 && (character.point < 0xD800 || character.point >= 0xE000) &&
            character.point <= 0x10FFFF)
            shown[EncodeUtf8(character.point, shown)] = '\0';
        Warn(out, "", TEXT_UNCONVERTIBLE, character.line, shown, character.point, fix->codePage);
    }
    if (fix->unconvertibleCount > MAX_FILE_FINDINGS)
        Warn(out, "", TEXT_MORE_FINDINGS, fix->unconvertibleCount - MAX_FILE_FINDINGS);
    while (FixChangesFile(fix) && NextLineFix(fix, rest)) {
        if (rest->corrections) {
            char shown[SHOWN_SIZE + NAME_SIZE];
            ShowCorrected(rest, shown, sizeof shown);
            PrintText(out, TEXT_LINE_CORRECTION, rest->number, shown);
        }
    }
}

void PrintCodePage(FILE *out, unsigned codePage, ReportText source)
{
    PrintText(out, TEXT_CODE_PAGE, codePage, ReportTextIn(g_reportLanguage, source));
}

// The lines an editor shows: every LF ends one, and text after the last is one more.
static int EditorLines(const SettingFix *fix)
{
    int lines = 0;
    for (int i = 0; i < fix->textLength; ++i)
        lines += fix->text[i] == '\n';
    return lines + (fix->textLength > 0 && fix->text[fix->textLength - 1] != '\n');
}

void PrintSummary(FILE *out, const char *path, const CheckSummary *summary, const SettingFix *fix)
{
    // How each encoding was saved, and what Vorn then makes of it.
    static const ReportText SAVED_AS[] = {TEXT_COUNT, TEXT_SAVED_UTF8_BOM, TEXT_SAVED_UTF16, TEXT_SAVED_UTF8,
                                          TEXT_SAVED_UTF16};
    if (summary->encoding != ENCODING_FITS) {
        // How to save the file so that Vorn reads what the editor shows:
        // "ANSI" is right only where it is the code page Vorn reads.
        char resave[NAME_SIZE * 8];
        if (summary->codePage == 932)
            snprintf(resave, sizeof resave, "%s", ReportTextIn(g_reportLanguage, TEXT_FIX_SHIFT_JIS));
        else if (summary->ansiCodePage == summary->codePage)
            snprintf(resave, sizeof resave, ReportTextIn(g_reportLanguage, TEXT_FIX_ANSI), summary->codePage);
        else
            snprintf(resave, sizeof resave, ReportTextIn(g_reportLanguage, TEXT_FIX_ASCII), summary->codePage,
                     summary->ansiCodePage);
        Warn(out, "", SAVED_AS[summary->encoding], summary->codePage, resave);
    }
    // In UTF-16 the bytes after the last LF byte are half of the line break
    // the editor shows; the warning of the encoding says all. Where the file
    // ends with an LF, a NUL dropped it, and its warning says so.
    if (summary->trailingBytes > 0 && !IsUtf16(summary->encoding) && !summary->endsWithLineFeed)
        Warn(out, "", TEXT_TRAILING_BYTES, summary->trailingBytes);
    // Vorn's lines are not the editor's: counted as Vorn reads them, the
    // editor's lines would vanish and read like a clean file.
    if ((IsUtf16(summary->encoding) || summary->nulBytes > 0) && !fix->tooLarge)
        PrintText(out, TEXT_SUMMARY_MISREAD, path, EditorLines(fix), summary->bound, summary->warned);
    else
        PrintText(out, TEXT_SUMMARY, path, summary->lines, summary->bound, summary->rejected, summary->blank,
                  summary->warned);
    if (CheckExitStatus(summary) == 0 && summary->noted > 0)
        PrintText(out, TEXT_ALL_BOUND);
}

void PrintCorrectable(FILE *out, const char *command, const SettingFix *fix)
{
    if (fix->tooLarge)
        PrintText(out, TEXT_TOO_LARGE_TO_FIX, FIX_FILE_SIZE);
    else if (command && FixChangesFile(fix))
        PrintText(out, TEXT_FIX_OFFER, fix->changedLines, command);
}

void PrintFixed(FILE *out, const char *path, const SettingFix *applied, const char *backup)
{
    if (applied->encoding != ENCODING_FITS)
        PrintText(out, TEXT_CONVERTED, applied->codePage);
    PrintText(out, TEXT_FIXED, path, applied->changedLines, backup);
}

void PrintWriteFailure(FILE *out, const char *path, const WriteResult *result)
{
    static const ReportText STEPS[] = {TEXT_STEP_BACKUP, TEXT_STEP_WRITE, TEXT_STEP_REPLACE, TEXT_STEP_CHECK};
    static const ReportText REASONS[] = {
        TEXT_REASON_OTHER,          TEXT_REASON_NO_ACCESS,     TEXT_REASON_IN_USE,
        TEXT_REASON_DISK_FULL,      TEXT_REASON_NO_FREE_NAME,  TEXT_REASON_OTHER,
        TEXT_REASON_READ_ONLY,      TEXT_REASON_CHANGED,       TEXT_REASON_HARD_LINKED,
        TEXT_REASON_OWNER,          TEXT_REASON_PATH_TOO_LONG, TEXT_REASON_PROTECTED_FOLDER,
        TEXT_REASON_IN_USE_BY_VORN, TEXT_REASON_OTHER};
    char reason[NAME_SIZE * 8];
    snprintf(reason, sizeof reason, ReportTextIn(g_reportLanguage, REASONS[result->failure]), result->error);
    if (result->failure == WRITE_LEFT_AS_IS) {
        PrintText(out, TEXT_FIX_LEFT_AS_IS, path, reason, result->backup);
        if (result->temporary[0])
            PrintText(out, TEXT_FIX_LEFT_CORRECTED, result->temporary);
    } else {
        PrintText(out, TEXT_FIX_FAILED, path, ReportTextIn(g_reportLanguage, STEPS[result->step]), reason);
    }
    // Where no file may be written, a copy elsewhere or the user's own
    // editing can still take the corrections shown.
    if (result->failure == WRITE_NO_ACCESS || result->failure == WRITE_OWNER_LOST)
        PrintText(out, TEXT_WRITE_ELSEWHERE);
    PrintWriteNotes(out, path, result);
}

void PrintWriteNotes(FILE *out, const char *path, const WriteResult *result)
{
    if (result->target[0] && result->failure == WRITE_DONE)
        PrintText(out, TEXT_LINK_TARGET_FIXED, path, result->target);
    if (result->leftoverCount > 0)
        PrintText(out, TEXT_LEFTOVER, result->leftover);
    if (result->leftoverCount > 1)
        PrintText(out, TEXT_MORE_FINDINGS, result->leftoverCount - 1);
}

// Where the lines to tell stand in the file's corrections as they go by.
struct LeftPlace {
    FILE *out;
    const SettingFix *now, *applied;
    LineFix line, change;
    int told;
};

static int LeftToUser(const LineVerdict *verdict, const LineFix *change)
{
    if (verdict->problem != PROBLEM_NONE && verdict->problem != PROBLEM_BLANK)
        return 1;
    if (verdict->warnings & ~(unsigned)LINE_NOTES)
        return 1;
    // A key character the user did not write has no other reading to weigh.
    return (verdict->warnings & WARNING_KEY_CHARACTER) && !(change && (change->corrections & CORRECTED_KEY_NAME));
}

static void PrintLeftLine(void *context, const LineVerdict *verdict)
{
    LeftPlace *place = (LeftPlace *)context;
    const LineFix *fix = place->now->aligned && NextLineFix(place->now, &place->line) ? &place->line : nullptr;
    const LineFix *change = NextLineFix(place->applied, &place->change) ? &place->change : nullptr;
    if (!LeftToUser(verdict, change))
        return;
    if (!place->told)
        PrintText(place->out, TEXT_LEFT_FOR_USER);
    place->told = 1;
    PrintVerdict(place->out, verdict, fix, change);
}

void PrintLeftToUser(FILE *out, const wchar_t *path, unsigned codePage, const SettingFix *now,
                     const SettingFix *applied)
{
    static LeftPlace place;
    memset(&place, 0, sizeof place);
    place.out = out;
    place.now = now;
    place.applied = applied;
    CheckSummary summary;
    CheckSettingFile(path, codePage, PrintLeftLine, &place, &summary);
}
