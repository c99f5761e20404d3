// The corrections vorn-check offers, each only where the line's plain
// meaning is certain; and Windows' rules for a program's arguments.
#include "check/read/setting_fix.h"
#include "check/read/code_page.h"
#include "check/read/key_names.h"
#include "platform/platform.h"

#include <stdio.h>
#include <string.h>

// The separators between the fields of a line written with spaces for tabs:
// the space, and the full-width space an IME types. Returns the separator's
// length at text, 0 where none stands.
static int SeparatorAt(unsigned codePage, const char *text, int length)
{
    unsigned point = 0;
    if (text[0] == ' ')
        return 1;
    int size = (unsigned char)text[0] >= 0x80 ? DecodeCharacter(codePage, text, length, &point) : 0;
    return size > 0 && point == 0x3000 ? size : 0;
}

// A field as it is written, or as corrected.
struct FieldFix {
    char text[FIX_LINE_SIZE];
    int length;
    unsigned corrections;
};

static void KeepField(SettingField field, FieldFix *fix)
{
    memcpy(fix->text, field.text, (size_t)field.length);
    fix->length = field.length;
    fix->corrections = 0;
}

static void SetField(FieldFix *fix, const char *text, int length, unsigned corrections)
{
    memcpy(fix->text, text, (size_t)length);
    fix->length = length;
    fix->corrections = corrections;
}

// A field's characters with full-width forms as half-width ones; returns the
// length, -1 where it holds a character beyond ASCII with no half-width form.
static int HalfWidth(unsigned codePage, SettingField field, char *out, int *fullWidth)
{
    int used = 0;
    *fullWidth = 0;
    for (int i = 0; i < field.length;) {
        if ((unsigned char)field.text[i] < 0x80) {
            out[used++] = field.text[i++];
            continue;
        }
        unsigned point = 0;
        int size = DecodeCharacter(codePage, field.text + i, field.length - i, &point);
        if (size == 0 || !((point >= 0xFF01 && point <= 0xFF5E) || point == 0x3000))
            return -1;
        out[used++] = point == 0x3000 ? ' ' : (char)(point - 0xFEE0);
        *fullWidth = 1;
        i += size;
    }
    return used;
}

static int TrimSpaces(const char *text, int length, int keep)
{
    while (length > keep && text[length - 1] == ' ')
        --length;
    return length;
}

static unsigned WidthAndSpace(int fullWidth, int trimmed, int length)
{
    return (fullWidth ? CORRECTED_FULL_WIDTH : 0) | (trimmed < length ? CORRECTED_TRAILING_SPACE : 0);
}

static int IsWordSeparator(char c)
{
    return c == '+' || c == '-' || c == ' ' || c == ',';
}

// The letters a modifier word or a run of modifier letters in either case
// stands for; returns how many, -1 for any other word.
static int ModifierLetters(const char *word, int length, char *letters)
{
    letters[0] = ModifierWordLetter(word, length);
    if (letters[0])
        return 1;
    for (int i = 0; i < length; ++i) {
        letters[i] = Upper(word[i]);
        if (!strchr("ACSW", letters[i]))
            return -1;
    }
    return length;
}

// Small letters and words ("ca", "Ctrl+Alt", "Win") as the capitals Vorn
// reads. Returns 1 for a field of modifiers only, corrected or not.
static int FixModifiers(unsigned codePage, SettingField field, FieldFix *fix)
{
    KeepField(field, fix);
    char half[FIX_LINE_SIZE] = {0}, letters[FIX_LINE_SIZE];
    int fullWidth, length = field.length < SETTING_LINE_SIZE ? HalfWidth(codePage, field, half, &fullWidth) : -1;
    if (length < 0)
        return 0;
    int trimmed = TrimSpaces(half, length, 0), count = 0;
    for (int i = 0; i < trimmed;) {
        if (IsWordSeparator(half[i])) {
            ++i;
            continue;
        }
        int end = i;
        while (end < trimmed && !IsWordSeparator(half[end]))
            ++end;
        int letterCount = ModifierLetters(half + i, end - i, letters + count);
        if (letterCount < 0)
            return 0;
        count += letterCount;
        i = end;
    }
    // Separators alone say nothing certain.
    if (count == 0 && trimmed > 0)
        return 0;
    if (count != field.length || memcmp(letters, field.text, (size_t)count) != 0) {
        int renamed = count != trimmed || memcmp(letters, half, (size_t)count) != 0;
        SetField(fix, letters, count, WidthAndSpace(fullWidth, trimmed, length) | (renamed ? CORRECTED_MODIFIERS : 0));
    }
    return 1;
}

// A key written in full width, in another case, or by a name Vorn does not
// know, as Vorn names it. Returns 1 where the field names a key as corrected.
static int FixKey(unsigned codePage, SettingField field, FieldFix *fix, LineFix *line)
{
    KeepField(field, fix);
    char half[FIX_LINE_SIZE] = {0};
    int fullWidth, length = field.length < SETTING_LINE_SIZE ? HalfWidth(codePage, field, half, &fullWidth) : -1;
    if (length < 0)
        return field.length == 1;
    // A space alone is the space key.
    int trimmed = TrimSpaces(half, length, 1);
    unsigned corrections = WidthAndSpace(fullWidth, trimmed, length);
    if (trimmed == 1) {
        char key = half[0];
        // Full-width, a small letter is the letter's key; a sign would name some other key.
        if (fullWidth && key >= 'a' && key <= 'z')
            key = Upper(key);
        else if (fullWidth && !(key >= 'A' && key <= 'Z') && !(key >= '0' && key <= '9') && key != ' ') {
            line->notes |= NOTE_FULL_WIDTH_SIGN;
            line->sign = key;
            return 0;
        }
        if (corrections)
            SetField(fix, &key, 1, corrections);
        return 1;
    }
    const char *name = VornKeyName(half, trimmed, -1);
    int keyCode = name ? 0 : VirtualKeyCode(half, trimmed);
    if (!name && keyCode == 0) {
        // Unknown: only spaces after it are certain to go.
        if (!fullWidth && trimmed < length)
            SetField(fix, half, trimmed, corrections);
        return 0;
    }
    // F12 names a character, but Windows keeps the key for the debugger.
    if (!name && (keyCode < 0x20 || keyCode > 0x7E || keyCode == 0x7B)) {
        line->notes |= NOTE_KEY_CANNOT_BIND;
        line->keyCode = keyCode;
        return 0;
    }
    line->keyCode = keyCode;
    if (!name)
        name = VornKeyName("", 0, keyCode);
    if (name) {
        int renamed = (int)strlen(name) != trimmed || memcmp(name, half, (size_t)trimmed) != 0;
        unsigned named = !renamed ? 0 : keyCode ? CORRECTED_KEY_NAME : CORRECTED_NAME;
        if (corrections || renamed)
            SetField(fix, name, (int)strlen(name), corrections | named);
    } else {
        char key = (char)keyCode;
        SetField(fix, &key, 1, corrections | CORRECTED_KEY_NAME);
    }
    return 1;
}

// An action in full width or another case as Vorn names it; returns the
// action as corrected.
static ActionCode FixAction(unsigned codePage, SettingField field, FieldFix *fix)
{
    KeepField(field, fix);
    char half[FIX_LINE_SIZE] = {0};
    int fullWidth, length = field.length < SETTING_LINE_SIZE ? HalfWidth(codePage, field, half, &fullWidth) : -1;
    if (length < 0)
        return LookupActionName(field);
    int trimmed = TrimSpaces(half, length, 0);
    unsigned corrections = WidthAndSpace(fullWidth, trimmed, length);
    for (const ActionName *entry = ActionNameTable; entry->name; ++entry) {
        if (EqualsIgnoringCase(half, trimmed, entry->name)) {
            int renamed = memcmp(entry->name, half, (size_t)trimmed) != 0;
            if (corrections || renamed)
                SetField(fix, entry->name, trimmed, corrections | (renamed ? CORRECTED_NAME : 0));
            return entry->action;
        }
    }
    if (!fullWidth && trimmed < length)
        SetField(fix, half, trimmed, corrections);
    return ACTION_NONE;
}

// A target or parameters in quotes of the user's own: Vorn adds its own.
static void FixQuotes(SettingField field, FieldFix *fix)
{
    KeepField(field, fix);
    if (field.length >= 2 && field.text[0] == '"' && field.text[field.length - 1] == '"' &&
        !memchr(field.text + 1, '"', (size_t)field.length - 2))
        SetField(fix, field.text + 1, field.length - 2, CORRECTED_QUOTES);
}

// A target as a shortcut shows it, the program quoted and its arguments
// after a space, where the line has no parameters: the program as the
// target, the arguments as the parameters. Returns 1 where it is such.
static int SplitShortcutTarget(unsigned codePage, SettingField target, FieldFix *fix)
{
    char text[FIX_LINE_SIZE], program[FIX_LINE_SIZE], split[sizeof fix->text];
    if (target.length < 2 || target.text[0] != '"' || target.length >= FIX_LINE_SIZE)
        return 0;
    memcpy(text, target.text, (size_t)target.length);
    text[target.length] = '\0';
    const char *rest = text;
    if (!NextArgument(codePage, &rest, program, sizeof program) || *rest != ' ')
        return 0;
    while (*rest == ' ')
        ++rest;
    // Built apart: a target left as it was keeps the field's own correction.
    int used = snprintf(split, sizeof split, "%s\t%s", program, rest);
    if (!*rest || used >= (int)sizeof split)
        return 0;
    memcpy(fix->text, split, (size_t)used + 1);
    fix->length = used;
    fix->corrections = CORRECTED_QUOTES | CORRECTED_TABS;
    return 1;
}

static void Append(char *out, int *used, const char *text, int length)
{
    if (*used + length <= FIX_LINE_SIZE - 1) {
        memcpy(out + *used, text, (size_t)length);
        *used += length;
    }
}

// A line with tabs: its fields corrected, the bytes between them as they are.
static void FixTabbedLine(unsigned codePage, const char *body, LineFix *line)
{
    SettingLineFields split;
    SplitSettingLine(body, &split);
    FieldFix fields[SETTING_FIELD_COUNT];
    FixModifiers(codePage, split.fields[0], &fields[0]);
    FixKey(codePage, split.fields[1], &fields[1], line);
    int exec = FixAction(codePage, split.fields[2], &fields[2]) == ACTION_EXEC;
    for (int i = 3; i < SETTING_FIELD_COUNT; ++i) {
        if (exec)
            FixQuotes(split.fields[i], &fields[i]);
        else
            KeepField(split.fields[i], &fields[i]);
    }
    // Only where nothing follows the target: a tab after it would part the arguments.
    SettingField target = split.fields[3];
    if (exec && target.text[target.length] == '\0')
        SplitShortcutTarget(codePage, target, &fields[3]);
    // A field emptied would merge the tabs around it and move the fields after it.
    for (int i = 1; i < SETTING_FIELD_COUNT; ++i) {
        if (fields[i].length == 0)
            KeepField(split.fields[i], &fields[i]);
    }
    const char *cursor = body;
    int used = 0;
    for (int i = 0; i < SETTING_FIELD_COUNT; ++i) {
        Append(line->after, &used, cursor, (int)(split.fields[i].text - cursor));
        Append(line->after, &used, fields[i].text, fields[i].length);
        line->corrections |= fields[i].corrections;
        cursor = split.fields[i].text + split.fields[i].length;
    }
    Append(line->after, &used, cursor, (int)strlen(cursor));
    line->afterLength = used;
}

static int SkipSeparators(unsigned codePage, const char *text, int length, int at)
{
    int size;
    while (at < length && (size = SeparatorAt(codePage, text + at, length - at)) > 0)
        at += size;
    return at;
}

static int WordEnd(unsigned codePage, const char *text, int length, int at)
{
    while (at < length && SeparatorAt(codePage, text + at, length - at) == 0) {
        unsigned point;
        int size = (unsigned char)text[at] >= 0x80 ? DecodeCharacter(codePage, text + at, length - at, &point) : 0;
        at += size > 0 ? size : 1;
    }
    return at;
}

// Where the target of a spaced line ends, the rest from at on: the one
// place at which the text before it names a target that exists, or the
// reading choice (from 1) of those places. Notes the line where the file
// system leaves more than one, or none; returns -1 then, and where any
// target could not be judged.
static int TargetEnd(unsigned codePage, const wchar_t *path, const char *body, int length, int at, int choice,
                     LineFix *line)
{
    int ends[MAX_SPLITS], found = 0, unknown = 0;
    for (int end = WordEnd(codePage, body, length, at); end <= length && !unknown;) {
        char target[FIX_LINE_SIZE];
        memcpy(target, body + at, (size_t)(end - at));
        target[end - at] = '\0';
        TargetVerdict verdict = ProbeTarget(target, path);
        unknown = verdict == TARGET_UNKNOWN;
        if (verdict == TARGET_FOUND && found < MAX_SPLITS)
            ends[found] = end;
        found += verdict == TARGET_FOUND;
        end = end < length ? WordEnd(codePage, body, length, SkipSeparators(codePage, body, length, end)) : length + 1;
    }
    if (unknown)
        return -1;
    if (choice > 0)
        return choice <= found && choice <= MAX_SPLITS ? ends[choice - 1] : -1;
    if (found == 1)
        return ends[0];
    line->notes |= found == 0 ? NOTE_NO_SPLIT : NOTE_SPLITS;
    line->splitCount = found;
    return -1;
}

// The fields of a line written with spaces for tabs, where they are certain:
// modifiers (or none), key and action, then for EXEC a target with no space
// in it, a quoted one and what follows it as parameters, or the one target
// that exists. Leaves the line as it is where that cannot be told; choice
// (from 1) cuts it where the file system leaves several ways, and -1 puts
// the rest in the target, for the user to cut.
static void FixSpacedLine(unsigned codePage, const wchar_t *path, const char *body, int length, int choice,
                          LineFix *line)
{
    SettingField words[3];
    for (int i = 0, at = 0; i < 3; ++i) {
        at = SkipSeparators(codePage, body, length, at);
        int end = WordEnd(codePage, body, length, at);
        words[i] = {body + at, end - at};
        at = end;
    }
    FieldFix modifiers, key, action;
    LineFix ignored;
    memset(&ignored, 0, sizeof ignored);
    ActionCode code = ACTION_NONE;
    int actionWord = 0;
    // With modifiers first, else without them.
    for (int form = 0; form < 2 && code == ACTION_NONE; ++form) {
        if (form == 0 && !(words[0].length > 0 && FixModifiers(codePage, words[0], &modifiers)))
            continue;
        if (form == 1)
            KeepField({body, 0}, &modifiers);
        actionWord = 2 - form;
        if (words[actionWord - 1].length > 0 && FixKey(codePage, words[actionWord - 1], &key, &ignored))
            code = FixAction(codePage, words[actionWord], &action);
    }
    if (code == ACTION_NONE)
        return;
    int rest = SkipSeparators(codePage, body, length, (int)(words[actionWord].text - body) + words[actionWord].length);
    SettingField target = {body + rest, length - rest}, parameters = {body + length, 0};
    unsigned corrections = CORRECTED_TABS | modifiers.corrections | key.corrections | action.corrections;
    if (rest < length && code != ACTION_EXEC)
        return;
    if (rest < length && body[rest] == '"') {
        const char *close = (const char *)memchr(body + rest + 1, '"', (size_t)(length - rest - 1));
        int after = close ? (int)(close - body) + 1 : length;
        int start = SkipSeparators(codePage, body, length, after);
        if (!close || (start == after && after < length))
            return;
        target = {body + rest + 1, after - rest - 2};
        parameters = {body + start, length - start};
        corrections |= CORRECTED_QUOTES;
    } else if (WordEnd(codePage, body, length, rest) < length && choice >= 0) {
        int end = TargetEnd(codePage, path, body, length, rest, choice, line);
        if (end < 0)
            return;
        int start = SkipSeparators(codePage, body, length, end);
        target = {body + rest, end - rest};
        parameters = {body + start, length - start};
    }
    FieldFix unquoted;
    FixQuotes(parameters, &unquoted);
    int used = 0;
    Append(line->after, &used, modifiers.text, modifiers.length);
    Append(line->after, &used, "\t", 1);
    Append(line->after, &used, key.text, key.length);
    Append(line->after, &used, "\t", 1);
    Append(line->after, &used, action.text, action.length);
    if (rest < length) {
        Append(line->after, &used, "\t", 1);
        Append(line->after, &used, target.text, target.length);
    }
    if (unquoted.length > 0) {
        Append(line->after, &used, "\t", 1);
        Append(line->after, &used, unquoted.text, unquoted.length);
    }
    line->afterLength = used;
    line->corrections |= corrections | unquoted.corrections;
}

// The line, without its LF, corrected into line->after; choice is that of
// FixSpacedLine.
static void FixLine(unsigned codePage, const wchar_t *path, const char *text, int length, int choice, LineFix *line)
{
    // NULs out first: what is left is the line the user sees.
    char body[SETTING_LINE_SIZE + 1] = {0};
    int used = 0, tooLong = 0;
    for (int i = 0; i < length; ++i) {
        if (text[i] == '\0')
            line->corrections |= CORRECTED_NUL;
        else if (used < SETTING_LINE_SIZE)
            body[used++] = text[i];
        else
            tooLong = 1;
    }
    // A line too long for Vorn to read is the user's to shorten.
    if (tooLong || used >= SETTING_LINE_SIZE) {
        line->corrections = 0;
        line->afterLength = -1;
        return;
    }
    int cr = used > 0 && body[used - 1] == '\r';
    used -= cr;
    body[used] = '\0';
    memcpy(line->after, body, (size_t)used);
    line->afterLength = used;
    if (memchr(body, '\t', (size_t)used))
        FixTabbedLine(codePage, body, line);
    else if (used > 0 && !memchr(body, '\r', (size_t)used))
        FixSpacedLine(codePage, path, body, used, choice, line);
    if (cr)
        Append(line->after, &line->afterLength, "\r", 1);
}

int NextLineFix(const SettingFix *fix, LineFix *line)
{
    // A character that has no form in the code page is the user's to change first.
    int start = line->next;
    if (fix->tooLarge || fix->misread || fix->unconvertibleCount > 0 || start >= fix->textLength)
        return 0;
    const char *text = fix->text + start;
    const char *lf = (const char *)memchr(text, '\n', (size_t)(fix->textLength - start));
    int length = lf ? (int)(lf - text) : fix->textLength - start;
    int number = line->number + 1;
    memset(line, 0, sizeof *line);
    line->number = number;
    line->before = text;
    line->beforeLength = length;
    line->next = start + length + (lf ? 1 : 0);
    FixLine(fix->codePage, fix->path, text, length, 0, line);
    line->lineEnd = "\n";
    if (!lf) {
        // Text past the last LF is a line to the user, and none to Vorn until it ends.
        int cr = length > 0 && text[length - 1] == '\r';
        line->lineEnd = line->afterLength == 0 ? "" : cr ? "\n" : fix->lineEnd;
        if (line->afterLength != 0)
            line->corrections |= CORRECTED_LINE_END;
    }
    // Converted, a line changes with every character beyond ASCII, and
    // UTF-16 changes every line; the byte order mark goes with line 1.
    int beyondAscii = 0;
    for (int i = 0; i < length && !beyondAscii; ++i)
        beyondAscii = (unsigned char)text[i] >= 0x80;
    if (fix->encoding != ENCODING_FITS &&
        (beyondAscii || IsUtf16(fix->encoding) || (number == 1 && fix->encoding == ENCODING_UTF8_BOM)))
        line->corrections |= CORRECTED_ENCODING;
    return 1;
}

// The next character of UTF-8 or UTF-16 text; a sequence that is none
// gives its first byte or unit as a point no code page has.
static int NextSourcePoint(const char *bytes, int length, SettingEncoding encoding, unsigned *point)
{
    if (!IsUtf16(encoding)) {
        int size = DecodeUtf8(bytes, length, point);
        if (size > 0)
            return size;
        *point = 0xDC00 | (unsigned char)bytes[0];
        return 1;
    }
    const unsigned char *units = (const unsigned char *)bytes;
    int high = encoding == ENCODING_UTF16_BE ? 0 : 1;
    if (length < 2) {
        *point = 0xDC00 | units[0];
        return length;
    }
    unsigned first = (unsigned)units[high] << 8 | units[1 - high];
    if (first >= 0xD800 && first < 0xDC00 && length >= 4) {
        unsigned second = (unsigned)units[2 + high] << 8 | units[3 - high];
        if (second >= 0xDC00 && second < 0xE000) {
            *point = 0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00);
            return 4;
        }
    }
    *point = first;
    return 2;
}

// The file's text in the code page Vorn reads; a character the code page has
// no form of is told, and left out.
static void ConvertText(SettingFix *fix)
{
    const char *bytes = fix->original;
    int length = fix->originalLength, at = 0, line = 1;
    if (fix->encoding == ENCODING_UTF8_BOM)
        at = 3;
    else if (IsUtf16(fix->encoding) && length >= 2 &&
             ((unsigned char)bytes[0] + (unsigned char)bytes[1] == 0xFF + 0xFE) && bytes[0] != bytes[1])
        at = 2;
    while (at < length) {
        unsigned point;
        at += NextSourcePoint(bytes + at, length - at, fix->encoding, &point);
        char encoded[LONGEST_CHARACTER];
        int size = point < 0x80 ? (encoded[0] = (char)point, 1) : EncodeCharacter(fix->codePage, point, encoded);
        if (size == 0 || (point >= 0xD800 && point < 0xE000)) {
            if (fix->unconvertibleCount < MAX_FILE_FINDINGS)
                fix->unconvertible[fix->unconvertibleCount] = {line, point};
            ++fix->unconvertibleCount;
            size = 0;
        }
        if (fix->textLength + size > FIX_TEXT_SIZE) {
            fix->tooLarge = 1;
            return;
        }
        memcpy(fix->text + fix->textLength, encoded, (size_t)size);
        fix->textLength += size;
        line += point == '\n';
    }
}

// Vorn reads the file 99 bytes at a time, and a NUL ends what it takes of
// that read: the rest of it is dropped, with any LF in it.
static void FindNulLosses(SettingFix *fix)
{
    int line = 1;
    for (long at = 0; at < fix->originalLength; ++at) {
        if (fix->original[at] != '\0') {
            line += fix->original[at] == '\n';
            continue;
        }
        long end = at - at % SETTING_READ_SIZE + SETTING_READ_SIZE;
        if (end > fix->originalLength)
            end = fix->originalLength;
        int joined = line;
        for (long i = at; i < end; ++i)
            joined += fix->original[i] == '\n';
        if (fix->nulCount < MAX_FILE_FINDINGS)
            fix->nuls[fix->nulCount] = {line, at, end - 1,
                                        joined == line ? 0 : end == fix->originalLength ? -1 : joined};
        ++fix->nulCount;
        line = joined;
        at = end - 1;
    }
}

void FixSettingText(const char *bytes, int length, unsigned codePage, SettingFix *fix)
{
    fix->codePage = codePage;
    fix->tooLarge = length > FIX_FILE_SIZE;
    fix->misread = 0;
    fix->originalLength = fix->tooLarge ? 0 : length;
    fix->textLength = fix->fixedLength = fix->changedLines = 0;
    fix->nulCount = fix->unconvertibleCount = 0;
    memcpy(fix->original, bytes, (size_t)fix->originalLength);
    EncodingScan scan;
    memset(&scan, 0, sizeof scan);
    ScanEncoding(&scan, fix->original, fix->originalLength);
    fix->encoding = EncodingVerdict(&scan, codePage);
    if (fix->encoding == ENCODING_FITS) {
        memcpy(fix->text, fix->original, (size_t)fix->originalLength);
        fix->textLength = fix->originalLength;
    } else {
        ConvertText(fix);
    }
    if (!IsUtf16(fix->encoding))
        FindNulLosses(fix);
    fix->aligned = !fix->tooLarge && !IsUtf16(fix->encoding) && scan.nulBytes == 0;
    // A line end added after the last line follows the file's own.
    const char *lf = (const char *)memchr(fix->text, '\n', (size_t)fix->textLength);
    fix->lineEnd = lf && (lf == fix->text || lf[-1] != '\r') ? "\n" : "\r\n";

    LineFix line;
    memset(&line, 0, sizeof line);
    while (NextLineFix(fix, &line)) {
        int writtenLength;
        const char *written = WrittenLine(&line, &writtenLength);
        // Lines written with spaces may each gain a tab.
        if (fix->fixedLength + writtenLength + 2 > (int)sizeof fix->fixed) {
            fix->tooLarge = 1;
            return;
        }
        memcpy(fix->fixed + fix->fixedLength, written, (size_t)writtenLength);
        fix->fixedLength += writtenLength;
        memcpy(fix->fixed + fix->fixedLength, line.lineEnd, strlen(line.lineEnd));
        fix->fixedLength += (int)strlen(line.lineEnd);
        fix->changedLines += line.corrections != 0;
    }
    // Bytes that a NUL kept apart may join into what reads as UTF-8; such a
    // file would be converted the next time, so it is left as it is.
    memset(&scan, 0, sizeof scan);
    ScanEncoding(&scan, fix->fixed, fix->fixedLength);
    if (fix->changedLines > 0 && EncodingVerdict(&scan, codePage) != ENCODING_FITS) {
        fix->misread = 1;
        fix->changedLines = 0;
    }
}

int LoadSettingFix(const wchar_t *path, unsigned codePage, SettingFix *fix)
{
    fix->path = path;
    HANDLE file;
    if (PlatformOpenFile(path, &file) != 0)
        return 1;
    // One byte more than is corrected tells a file too large.
    static char bytes[FIX_FILE_SIZE + 1];
    int length = 0, count = 0;
    while (length < FIX_FILE_SIZE + 1 &&
           (count = PlatformReadFile(file, bytes + length, FIX_FILE_SIZE + 1 - length)) > 0)
        length += count;
    PlatformCloseFile(file);
    // A failed read is no end of the file: what was read is not all of it.
    if (count < 0)
        return 1;
    FixSettingText(bytes, length, codePage, fix);
    return 0;
}

int SpacedLineReading(unsigned codePage, const wchar_t *path, const LineFix *line, int choice, char *out,
                      int capacity)
{
    if (!(line->notes & (choice > 0 ? NOTE_SPLITS : NOTE_NO_SPLIT)) || line->beforeLength <= 0)
        return 0;
    LineFix reading;
    memset(&reading, 0, sizeof reading);
    FixLine(codePage, path, line->before, line->beforeLength, choice > 0 ? choice : -1, &reading);
    int length = reading.afterLength > 0 && reading.after[reading.afterLength - 1] == '\r' ? reading.afterLength - 1
                                                                                           : reading.afterLength;
    if (!(reading.corrections & CORRECTED_TABS) || length >= capacity)
        return 0;
    memcpy(out, reading.after, (size_t)length);
    out[length] = '\0';
    return length;
}

const char *WrittenLine(const LineFix *line, int *length)
{
    *length = line->afterLength >= 0 ? line->afterLength : line->beforeLength;
    return line->afterLength >= 0 ? line->after : line->before;
}

int FixChangesFile(const SettingFix *fix)
{
    return !fix->tooLarge && fix->changedLines > 0 && fix->unconvertibleCount == 0;
}

int SuggestLine(const char *line, int length, int shift, char key, char *out, int capacity)
{
    char body[SETTING_LINE_SIZE];
    if (length <= 0 || length >= SETTING_LINE_SIZE)
        return 0;
    memcpy(body, line, (size_t)length);
    body[length] = '\0';
    SettingLineFields split;
    SplitSettingLine(body, &split);
    const SettingField *fields = split.fields;
    int addS = shift && !memchr(fields[0].text, 'S', (size_t)fields[0].length);
    // One tab between the fields, and none after the last that holds text.
    int used = snprintf(out, (size_t)capacity, "%.*s%s\t%c\t%.*s", fields[0].length, fields[0].text, addS ? "S" : "",
                        key, fields[2].length, fields[2].text);
    for (int i = 3; i < SETTING_FIELD_COUNT; ++i) {
        if (used < capacity && (fields[3].length > 0 || fields[4].length > 0) && (i == 3 || fields[4].length > 0))
            used += snprintf(out + used, (size_t)(capacity - used), "\t%.*s", fields[i].length, fields[i].text);
    }
    return used < capacity ? used : capacity - 1;
}

int NextArgument(unsigned codePage, const char **rest, char *argument, int capacity)
{
    const char *at = *rest;
    while (*at == ' ' || *at == '\t')
        ++at;
    if (!*at)
        return 0;
    int used = 0, quoted = 0;
    auto add = [&](const char *bytes, int count) {
        if (used + count < capacity) {
            memcpy(argument + used, bytes, (size_t)count);
            used += count;
        }
    };
    while (*at && (quoted || (*at != ' ' && *at != '\t'))) {
        if (*at == '\\') {
            int backslashes = (int)strspn(at, "\\");
            // Before a quote, each pair is one backslash and an odd one makes the quote literal.
            int beforeQuote = at[backslashes] == '"';
            for (int i = 0; i < (beforeQuote ? backslashes / 2 : backslashes); ++i)
                add("\\", 1);
            at += backslashes;
            if (beforeQuote && backslashes % 2 == 1)
                add(at++, 1);
        } else if (*at == '"') {
            // In quotes, "" is one quote and the quotes go on.
            if (quoted && at[1] == '"') {
                add(at, 1);
                at += 2;
            } else {
                quoted = !quoted;
                ++at;
            }
        } else {
            unsigned point;
            int size = (unsigned char)*at >= 0x80 ? DecodeCharacter(codePage, at, (int)strlen(at), &point) : 1;
            add(at, size > 0 ? size : 1);
            at += size > 0 ? size : 1;
        }
    }
    argument[used] = '\0';
    *rest = at;
    return 1;
}
