// The line vorn-check adds for a combination, built from the same names
// and tables the check reads a line with, so that a line it writes is one
// the check then binds.
#include "check/add/hotkey_add.h"
#include "check/read/code_page.h"
#include "check/read/key_names.h"

#include <stdio.h>
#include <string.h>

enum { KEY_NAME_SIZE = 64 };

static void Trim(const char **text, int *length)
{
    while (*length > 0 && **text == ' ') {
        ++*text;
        --*length;
    }
    while (*length > 0 && (*text)[*length - 1] == ' ')
        --*length;
}

// Whether text is name, in any case, with spaces anywhere or nowhere.
static int SameName(const char *text, int length, const char *name)
{
    int at = 0;
    for (;;) {
        while (at < length && text[at] == ' ')
            ++at;
        while (*name == ' ')
            ++name;
        if (at == length || !*name)
            return at == length && !*name;
        if (Upper(text[at]) != Upper(*name))
            return 0;
        ++at;
        ++name;
    }
}

static int SameFormatted(const char *text, int length, const char *format, const char *argument)
{
    char name[KEY_NAME_SIZE];
    snprintf(name, sizeof name, format, argument);
    return SameName(text, length, name);
}

// Whether the report names the key of code as text, in either language:
// by the key's label, "Num 5", or the names its sentences use.
static int ReportNamesKey(const char *text, int length, int code)
{
    char label[8];
    const char *labelled = KeyLabel(code, label, sizeof label);
    if (labelled && SameName(text, length, labelled))
        return 1;
    int numpad = code >= 0x60 && code <= 0x6F;
    if (numpad && SameFormatted(text, length, "Num %s", NUMPAD_KEYS[code - 0x60]))
        return 1;
    for (int language = 0; language < REPORT_LANGUAGES; ++language) {
        const char *sentence = SentenceKeyName((ReportLanguage)language, code);
        if (sentence && SameName(text, length, sentence))
            return 1;
        if (labelled && SameFormatted(text, length, ReportTextIn((ReportLanguage)language, TEXT_KEY_NAMED), labelled))
            return 1;
        if (numpad && SameFormatted(text, length, ReportTextIn((ReportLanguage)language, TEXT_NUMPAD_KEY),
                                    NUMPAD_KEYS[code - 0x60]))
            return 1;
    }
    return 0;
}

// The code of a key written as a letter or digit, a name Vorn reads, a
// name the report prints or a virtual-key name; 0 for none.
static int KeyCodeOfWord(const char *word, int length)
{
    if (length == 1) {
        char key = Upper(word[0]);
        return (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9') ? key : 0;
    }
    const char *vorn = VornKeyName(word, length, -1);
    if (vorn)
        return LookupKeyName({vorn, (int)strlen(vorn)});
    for (int code = 1; code < 0x100; ++code) {
        if (ReportNamesKey(word, length, code))
            return code;
    }
    // "Numpad 5", "VK PRIOR": Microsoft's names have no spaces.
    char joined[KEY_NAME_SIZE];
    int used = 0;
    for (int i = 0; i < length && used < KEY_NAME_SIZE; ++i) {
        if (word[i] != ' ')
            joined[used++] = word[i];
    }
    return VirtualKeyCode(joined, used);
}

static CombinationError NotRead(CombinationError error, const char *word, int length,
                                ParsedCombination *combination)
{
    combination->word = word;
    combination->wordLength = length;
    return error;
}

CombinationError ParseCombination(const char *text, ParsedCombination *combination)
{
    memset(combination, 0, sizeof *combination);
    int length = (int)strlen(text);
    Trim(&text, &length);
    // The key follows the last + that is not the last character: "Ctrl++" and "Alt+Num +" end in keys.
    int keyStart = 0;
    for (int i = 0; i + 1 < length; ++i) {
        if (text[i] == '+')
            keyStart = i + 1;
    }
    for (int at = 0; at < keyStart;) {
        const char *plus = (const char *)memchr(text + at, '+', (size_t)(keyStart - at));
        int end = plus ? (int)(plus - text) : keyStart;
        const char *word = text + at;
        int wordLength = end - at;
        Trim(&word, &wordLength);
        char letter = ModifierWordLetter(word, wordLength);
        if (!letter && wordLength > 0)
            return NotRead(COMBINATION_UNKNOWN_MODIFIER, word, wordLength, combination);
        combination->modifiers |= letter ? ParseModifierLetters({&letter, 1}) : 0;
        at = end + 1;
    }
    const char *key = text + keyStart;
    int keyLength = length - keyStart;
    Trim(&key, &keyLength);
    if (keyLength == 0 || ModifierWordLetter(key, keyLength))
        return COMBINATION_NO_KEY;
    combination->keyCode = KeyCodeOfWord(key, keyLength);
    return combination->keyCode ? COMBINATION_READ : NotRead(COMBINATION_UNKNOWN_KEY, key, keyLength, combination);
}

ActionCode ActionFromName(const char *name)
{
    for (const ActionName *entry = ActionNameTable; entry->name; ++entry) {
        if (EqualsIgnoringCase(name, (int)strlen(name), entry->name))
            return entry->action;
    }
    return ACTION_NONE;
}

const char *ActionNameOf(ActionCode action)
{
    for (const ActionName *entry = ActionNameTable; entry->name; ++entry) {
        if (entry->action == action)
            return entry->name;
    }
    return nullptr;
}

int KeyField(int keyCode, char *field)
{
    const char *name = VornKeyName("", 0, keyCode);
    if (name)
        return snprintf(field, 8, "%s", name);
    if (keyCode < 0x20 || keyCode > 0x7E || keyCode == 0x7B)
        return 0;
    field[0] = (char)keyCode;
    field[1] = '\0';
    return 1;
}

const char *AddBaseText(const SettingFix *fix, int *length, int *corrected)
{
    *corrected = FixChangesFile(fix);
    if (*corrected) {
        *length = fix->fixedLength;
        return fix->fixed;
    }
    if (fix->tooLarge || fix->encoding != ENCODING_FITS || fix->nulCount > 0)
        return nullptr;
    *length = fix->originalLength;
    return fix->original;
}

// Text past the last LF becomes a line once the added line follows it.
static int CountLines(const char *text, int length)
{
    int lines = 0;
    for (int i = 0; i < length; ++i)
        lines += text[i] == '\n';
    return lines + (length > 0 && text[length - 1] != '\n');
}

// The first of the lines Vorn reads that binds the combination; 0 for none.
static int BindingLine(const char *text, int length, unsigned modifiers, int keyCode)
{
    int number = 0;
    for (int at = 0; at < length && number < MAX_BINDINGS;) {
        const char *lf = (const char *)memchr(text + at, '\n', (size_t)(length - at));
        int end = lf ? (int)(lf - text) : length;
        ++number;
        if (end - at < SETTING_LINE_SIZE) {
            char line[SETTING_LINE_SIZE];
            memcpy(line, text + at, (size_t)(end - at));
            line[end - at] = '\0';
            ParsedSettingLine parsed;
            if (ParseSettingLine(line, &parsed) == 0 && parsed.modifiers == modifiers && parsed.keyCode == keyCode)
                return number;
        }
        at = end + 1;
    }
    return 0;
}

void JudgeCombination(unsigned modifiers, int keyCode, const char *text, int length, AddVerdict *verdict)
{
    memset(verdict, 0, sizeof *verdict);
    if (!text) {
        verdict->refusal = ADD_FILE_UNREADABLE;
        return;
    }
    verdict->number = CountLines(text, length) + 1;
    char field[8];
    unsigned known = CombinationWarnings(modifiers, keyCode);
    if (verdict->number > MAX_BINDINGS)
        verdict->refusal = ADD_FILE_FULL;
    else if (KeyField(keyCode, field) == 0)
        verdict->refusal = ADD_NO_KEY_CHARACTER;
    else if (known & WARNING_RESERVED)
        verdict->refusal = ADD_RESERVED;
    else if ((verdict->earlierLine = BindingLine(text, length, modifiers, keyCode)) > 0)
        verdict->refusal = ADD_DUPLICATE;
    else if (ProbeHotkeyIsHeld(modifiers, keyCode))
        verdict->refusal = ProbeVornIsRunning() ? ADD_HELD_VORN_RUNNING : ADD_HELD_ELSEWHERE;
    if (verdict->refusal != ADD_ACCEPTED)
        return;
    if (modifiers == 0)
        verdict->warnings |= ADD_WARN_NO_MODIFIER;
    // AltGr arrives as Ctrl+Alt: such a combination may be a character the user types.
    if ((modifiers & ~(unsigned)MOD_SHIFT) == (MOD_CONTROL | MOD_ALT)) {
        verdict->typedCount = ProbeTypedCharacters(modifiers, keyCode, verdict->typed, MAX_LAYOUTS_NAMED);
        if (verdict->typedCount > 0)
            verdict->warnings |= ADD_WARN_TYPES_CHARACTER;
    }
    if (known & WARNING_RARE_KEY)
        verdict->warnings |= ADD_WARN_RARE_KEY;
}

// UTF-8 text in the code page; returns its length, -1 where a character
// has none (*unconvertible says which) or it does not fit.
static int ToCodePage(const char *text, unsigned codePage, char *out, int capacity, unsigned *unconvertible)
{
    int used = 0, length = (int)strlen(text);
    for (int at = 0; at < length;) {
        unsigned point = 0xFFFD;
        int size = DecodeUtf8(text + at, length - at, &point);
        char encoded[LONGEST_CHARACTER];
        int encodedSize = size == 0 ? 0 : point < 0x80 ? (encoded[0] = (char)point, 1)
                                                       : EncodeCharacter(codePage, point, encoded);
        if (encodedSize == 0) {
            *unconvertible = point;
            return -1;
        }
        if (used + encodedSize >= capacity)
            return -1;
        memcpy(out + used, encoded, (size_t)encodedSize);
        used += encodedSize;
        at += size;
    }
    out[used] = '\0';
    return used;
}

int BuildSettingLine(const HotkeyRequest *request, unsigned codePage, char *line, int capacity,
                     unsigned *unconvertible)
{
    char key[8], target[SETTING_LINE_SIZE], parameters[SETTING_LINE_SIZE];
    const char *action = ActionNameOf(request->action);
    int keyLength = KeyField(request->keyCode, key);
    if (keyLength == 0 || !action)
        return 0;
    *unconvertible = 0;
    int targetLength = ToCodePage(request->target, codePage, target, sizeof target, unconvertible);
    int parametersLength = ToCodePage(request->parameters, codePage, parameters, sizeof parameters, unconvertible);
    if (*unconvertible)
        return -1;
    if (targetLength < 0 || parametersLength < 0)
        return 0;
    unsigned modifiers = request->modifiers;
    int used = snprintf(line, (size_t)capacity, "%s%s%s%s\t%s\t%s%s%s%s%s", modifiers & MOD_CONTROL ? "C" : "",
                        modifiers & MOD_ALT ? "A" : "", modifiers & MOD_SHIFT ? "S" : "", modifiers & MOD_WIN ? "W" : "",
                        key, action, targetLength || parametersLength ? "\t" : "", target,
                        parametersLength ? "\t" : "", parameters);
    return used < capacity ? used : 0;
}

void JudgeTarget(const HotkeyRequest *request, unsigned codePage, const wchar_t *settingsPath, AddVerdict *verdict)
{
    if (verdict->refusal != ADD_ACCEPTED)
        return;
    const char *target = request->target, *parameters = request->parameters;
    int exec = request->action == ACTION_EXEC;
    if (exec && !target[0])
        verdict->refusal = ADD_NO_TARGET;
    else if (!exec && (target[0] || parameters[0]))
        verdict->refusal = ADD_TARGET_NOT_TAKEN;
    else if (strpbrk(target, "\t\r\n") || strpbrk(parameters, "\t\r\n"))
        verdict->refusal = ADD_TAB_IN_TEXT;
    else if (strchr(target, '"'))
        verdict->refusal = ADD_QUOTE_IN_TARGET;
    if (verdict->refusal != ADD_ACCEPTED)
        return;
    // A CR before the LF must still leave the line within what Vorn reads.
    verdict->lineLength =
        BuildSettingLine(request, codePage, verdict->line, SETTING_LINE_SIZE - 1, &verdict->character);
    if (verdict->lineLength <= 0) {
        verdict->refusal = verdict->lineLength < 0 ? ADD_UNCONVERTIBLE : ADD_LINE_TOO_LONG;
        verdict->lineLength = 0;
        return;
    }
    char converted[SETTING_LINE_SIZE];
    unsigned unconvertible = 0;
    if (exec && ToCodePage(target, codePage, converted, sizeof converted, &unconvertible) > 0 &&
        ProbeTarget(converted, settingsPath) == TARGET_MISSING)
        verdict->warnings |= ADD_WARN_TARGET_MISSING;
    if (strchr(parameters, '"'))
        verdict->warnings |= ADD_WARN_PARAMETER_QUOTES;
}

void JudgeHotkey(const HotkeyRequest *request, unsigned codePage, const char *text, int length,
                 const wchar_t *settingsPath, AddVerdict *verdict)
{
    JudgeCombination(request->modifiers, request->keyCode, text, length, verdict);
    JudgeTarget(request, codePage, settingsPath, verdict);
}

int AppendSettingLine(const char *text, int length, const char *line, int lineLength, char *out, int capacity)
{
    const char *lf = (const char *)memchr(text, '\n', (size_t)length);
    const char *lineEnd = lf && (lf == text || lf[-1] != '\r') ? "\n" : "\r\n";
    // A last line without its line end is ended first; after a CR, by the LF it lacks.
    const char *first = length == 0 || text[length - 1] == '\n' ? "" : text[length - 1] == '\r' ? "\n" : lineEnd;
    int firstLength = (int)strlen(first), endLength = (int)strlen(lineEnd);
    if (length + firstLength + lineLength + endLength > capacity)
        return -1;
    memmove(out, text, (size_t)length);
    memcpy(out + length, first, (size_t)firstLength);
    memcpy(out + length + firstLength, line, (size_t)lineLength);
    memcpy(out + length + firstLength + lineLength, lineEnd, (size_t)endLength);
    return length + firstLength + lineLength + endLength;
}
