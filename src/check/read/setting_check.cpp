#include "check/read/setting_check.h"
#include "platform/platform.h"

#include <string.h>

enum { LONGEST_NAME = 9 };

struct Combination {
    unsigned modifiers;
    int32_t keyCode;
    int line;
};

struct CheckState {
    const wchar_t *path;
    VerdictHandler handler;
    void *context;
    CheckSummary *summary;
    Combination bound[MAX_BINDINGS];
    int boundCount;
    int vornRunning;  // -1 until asked
};

static int EndsWithSpace(SettingField field)
{
    return field.length > 1 && field.text[field.length - 1] == ' ';
}

static LineProblem FindProblem(const LineVerdict *verdict)
{
    const SettingField *fields = verdict->fields.fields;
    if (verdict->slot < 0)
        return PROBLEM_PAST_LAST_SLOT;
    if (verdict->length >= SETTING_LINE_SIZE)
        return PROBLEM_TOO_LONG;
    if (strcmp(verdict->text, "") == 0 || strcmp(verdict->text, "\r") == 0)
        return PROBLEM_BLANK;
    // The parser's verdict comes first: without a tab, a CR still ends a field.
    if (verdict->parsed.keyCode != 0 && verdict->parsed.action != ACTION_NONE)
        return PROBLEM_NONE;
    if (!strchr(verdict->text, '\t'))
        return PROBLEM_NO_TAB;
    if (verdict->parsed.keyCode == 0) {
        if (fields[1].length == 0)
            return PROBLEM_EMPTY_KEY;
        return EndsWithSpace(fields[1]) ? PROBLEM_KEY_TRAILING_SPACE : PROBLEM_UNKNOWN_KEY;
    }
    if (fields[2].length == 0)
        return PROBLEM_EMPTY_ACTION;
    return EndsWithSpace(fields[2]) ? PROBLEM_ACTION_TRAILING_SPACE : PROBLEM_UNKNOWN_ACTION;
}

// Capitals, digits and the space name their own keys; every other byte below
// 0x80 names some other key (a small e is Num 5, '!' is Page Up).
static int NamesAnotherKey(SettingField key)
{
    if (key.length != 1)
        return 0;
    char byte = key.text[0];
    return byte > 0 && !(byte >= 'A' && byte <= 'Z') && !(byte >= '0' && byte <= '9') && byte != ' ';
}

// Codes below 0x80 that Windows' virtual-key table leaves undefined,
// reserved or unassigned: no keyboard sends them.
static int NoKeySends(int32_t keyCode)
{
    return keyCode == 0x07 || keyCode == 0x0A || keyCode == 0x0B || keyCode == 0x0E || keyCode == 0x0F ||
           (keyCode >= 0x3A && keyCode <= 0x40) || keyCode == 0x5E;
}

// Select, Print, Execute, Help, the numeric keypad's separator and F13 to F16.
static int CommonKeyboardsLack(int32_t keyCode)
{
    return (keyCode >= 0x29 && keyCode <= 0x2B) || keyCode == 0x2F || keyCode == 0x6C ||
           (keyCode >= 0x7C && keyCode <= 0x7F);
}

struct ReservedCombinations {
    unsigned modifiers;
    const char *keys;  // virtual-key codes
};

// What Windows keeps for itself: Ctrl+Alt+Delete, Ctrl+Esc and Ctrl+Shift+Esc,
// and the Windows logo key shortcuts of Microsoft's "Keyboard shortcuts in
// Windows" (support.microsoft.com): with Win alone every letter, the digits,
// Space, Home, the arrows and Print Screen; Win+Shift+M, S, V and the arrows;
// Win+Ctrl+C, D, F, N, O, Q, S, Space, Enter, Left, Right and F4; Win+Alt+B,
// D, K and R. A program's RegisterHotKey cannot have them.
static const ReservedCombinations RESERVED[] = {
    {MOD_CONTROL | MOD_ALT, "\x2E"},
    {MOD_CONTROL, "\x1B"},
    {MOD_CONTROL | MOD_SHIFT, "\x1B"},
    {MOD_WIN, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 \x24\x25\x26\x27\x28\x2C"},
    {MOD_WIN | MOD_SHIFT, "MSV\x25\x26\x27\x28"},
    {MOD_WIN | MOD_CONTROL, "CDFNOQS \x0D\x25\x27\x73"},
    {MOD_WIN | MOD_ALT, "BDKR"},
};

static int IsReserved(unsigned modifiers, int32_t keyCode)
{
    for (const ReservedCombinations &reserved : RESERVED) {
        if (reserved.modifiers != modifiers)
            continue;
        for (const char *key = reserved.keys; *key; ++key) {
            if (*key == keyCode)
                return 1;
        }
    }
    return 0;
}

unsigned CombinationWarnings(unsigned modifiers, int32_t keyCode)
{
    unsigned warnings = 0;
    if (NoKeySends(keyCode))
        warnings |= WARNING_NO_SUCH_KEY;
    if (CommonKeyboardsLack(keyCode))
        warnings |= WARNING_RARE_KEY;
    if (IsReserved(modifiers, keyCode))
        warnings |= WARNING_RESERVED;
    if (keyCode == 0x7B)
        warnings |= WARNING_DEBUGGER_KEY;
    return warnings;
}

static int BeyondAscii(SettingField field)
{
    for (int i = 0; i < field.length; ++i) {
        if ((unsigned char)field.text[i] >= 0x80)
            return 1;
    }
    return 0;
}

static unsigned FindWarnings(CheckState *state, LineVerdict *verdict)
{
    unsigned warnings = 0;
    SettingField modifiers = verdict->fields.fields[0];
    if (modifiers.length > LONGEST_NAME)
        warnings |= WARNING_LONG_MODIFIERS;
    for (int i = 0; i < modifiers.length; ++i) {
        if (!strchr("ACSW", modifiers.text[i]))
            warnings |= WARNING_OTHER_MODIFIER_BYTES;
    }
    if (verdict->parsed.modifiers == 0)
        warnings |= WARNING_NO_MODIFIER;
    if (NamesAnotherKey(verdict->fields.fields[1]))
        warnings |= WARNING_KEY_CHARACTER;
    if (verdict->parsed.keyCode < 0)
        warnings |= WARNING_HIGH_BYTE_KEY;
    if (verdict->parsed.action == ACTION_EXEC && ProbeTarget(verdict->parsed.target, state->path) == TARGET_MISSING)
        warnings |= WARNING_TARGET_MISSING;
    // Vorn puts the target and the parameters in quotes of its own.
    if (verdict->parsed.action == ACTION_EXEC && strchr(verdict->parsed.target, '"'))
        warnings |= WARNING_QUOTED_TARGET;
    if (verdict->parsed.action == ACTION_EXEC && strchr(verdict->parsed.parameters, '"'))
        warnings |= WARNING_PARAMETER_QUOTES;
    // An editor saving "ANSI" writes the ANSI code page, which agrees with
    // the OEM one that Vorn reads only for ASCII where the two differ.
    if (verdict->parsed.action == ACTION_EXEC && verdict->ansiCodePage != verdict->codePage &&
        (BeyondAscii(verdict->fields.fields[3]) || BeyondAscii(verdict->fields.fields[4])))
        warnings |= WARNING_BEYOND_ASCII;
    // AltGr arrives as Ctrl+Alt: such a combination may be a character the user types.
    unsigned altGr = verdict->parsed.modifiers & ~(unsigned)MOD_SHIFT;
    if (altGr == (MOD_CONTROL | MOD_ALT)) {
        verdict->typedCount = ProbeTypedCharacters(verdict->parsed.modifiers, verdict->parsed.keyCode,
                                                   verdict->typed, MAX_LAYOUTS_NAMED);
        if (verdict->typedCount > 0)
            warnings |= WARNING_TYPES_CHARACTER;
    }
    warnings |= CombinationWarnings(verdict->parsed.modifiers, verdict->parsed.keyCode);

    for (int i = 0; i < state->boundCount; ++i) {
        const Combination *earlier = &state->bound[i];
        if (earlier->modifiers == verdict->parsed.modifiers && earlier->keyCode == verdict->parsed.keyCode) {
            warnings |= WARNING_DUPLICATE;
            verdict->duplicateOf = earlier->line;
            return warnings;
        }
    }
    // Only a combination the file has not already taken can be held by someone
    // else; while Vorn runs, that someone may be Vorn itself. Where Windows
    // keeps the combination, the holder is known.
    if (!(warnings & WARNING_RESERVED) && ProbeHotkeyIsHeld(verdict->parsed.modifiers, verdict->parsed.keyCode)) {
        if (state->vornRunning < 0)
            state->vornRunning = ProbeVornIsRunning();
        warnings |= state->vornRunning ? WARNING_HELD_VORN_RUNNING : WARNING_HELD_ELSEWHERE;
    }
    state->bound[state->boundCount++] = {verdict->parsed.modifiers, verdict->parsed.keyCode, verdict->number};
    return warnings;
}

static int CheckLine(void *context, const char *line, int length)
{
    CheckState *state = (CheckState *)context;
    CheckSummary *summary = state->summary;
    LineVerdict verdict;
    memset(&verdict, 0, sizeof verdict);
    verdict.number = ++summary->lines;
    verdict.slot = verdict.number <= MAX_BINDINGS ? verdict.number - 1 : -1;
    verdict.length = length;
    verdict.text = line;
    verdict.codePage = summary->codePage;
    verdict.ansiCodePage = summary->ansiCodePage;
    SplitSettingLine(line, &verdict.fields);
    ParseSettingLine(line, &verdict.parsed);

    verdict.problem = FindProblem(&verdict);
    if (verdict.problem == PROBLEM_NONE) {
        ++summary->bound;
        verdict.warnings = FindWarnings(state, &verdict);
        if (verdict.warnings & ~(unsigned)LINE_NOTES)
            ++summary->warned;
        else if (verdict.warnings)
            ++summary->noted;
    } else if (verdict.problem == PROBLEM_BLANK) {
        ++summary->blank;
    } else {
        ++summary->rejected;
    }
    state->handler(state->context, &verdict);
    return 0;
}

// Every tab and LF of a UTF-16 file is a unit of its own, the byte beside it
// NUL, whichever the byte order; in a file of another encoding, a stray NUL
// aside, most are not.
static void ScanUtf16Unit(EncodingScan *scan, unsigned char first, unsigned char second)
{
    int firstBreaks = first == '\t' || first == '\n', secondBreaks = second == '\t' || second == '\n';
    scan->littleEndianUnits += firstBreaks && second == 0;
    scan->bigEndianUnits += secondBreaks && first == 0;
    scan->notLittleEndian |= (firstBreaks && second != 0) || secondBreaks;
    scan->notBigEndian |= (secondBreaks && first != 0) || firstBreaks;
}

void ScanEncoding(EncodingScan *scan, const char *bytes, int length)
{
    for (int i = 0; i < length; ++i, ++scan->offset) {
        unsigned char byte = (unsigned char)bytes[i];
        if (scan->offset == 1)
            scan->utf16Bom = scan->before[0] == 0xFF && byte == 0xFE   ? 1
                             : scan->before[0] == 0xFE && byte == 0xFF ? 2
                                                                       : 0;
        if (scan->offset == 2)
            scan->utf8Bom = scan->before[1] == 0xEF && scan->before[0] == 0xBB && byte == 0xBF;
        if (scan->offset % 2 == 1)
            ScanUtf16Unit(scan, scan->before[0], byte);
        scan->nulBytes += byte == 0;

        if (scan->pending > 0) {
            if ((byte & 0xC0) == 0x80) {
                if (--scan->pending == 0)
                    ++scan->multibyteUtf8;
            } else {
                scan->invalidUtf8 = 1;
                scan->pending = 0;
            }
        } else if (byte >= 0xC2 && byte <= 0xDF) {
            scan->pending = 1;
        } else if (byte >= 0xE0 && byte <= 0xEF) {
            scan->pending = 2;
        } else if (byte >= 0xF0 && byte <= 0xF4) {
            scan->pending = 3;
        } else if (byte >= 0x80) {
            scan->invalidUtf8 = 1;
        }
        scan->before[1] = scan->before[0];
        scan->before[0] = byte;
    }
}

int IsUtf16(SettingEncoding encoding)
{
    return encoding == ENCODING_UTF16 || encoding == ENCODING_UTF16_BE;
}

SettingEncoding EncodingVerdict(const EncodingScan *scan, unsigned codePage)
{
    // UTF-16 throughout, not a stray NUL: a file of whole units whose every
    // tab and LF is a unit, or one that says so with its byte order mark.
    int wholeUnits = scan->offset % 2 == 0;
    if (scan->utf16Bom == 1 || (wholeUnits && !scan->notLittleEndian && scan->littleEndianUnits > 0))
        return ENCODING_UTF16;
    if (scan->utf16Bom == 2 || (wholeUnits && !scan->notBigEndian && scan->bigEndianUnits > 0))
        return ENCODING_UTF16_BE;
    // Where the code page is UTF-8 itself, a UTF-8 file reads as written: its
    // byte order mark stands among line 1's modifiers, which ignore it.
    if (codePage == CP_UTF8)
        return ENCODING_FITS;
    if (scan->utf8Bom)
        return ENCODING_UTF8_BOM;
    if (!scan->invalidUtf8 && scan->pending == 0 && scan->multibyteUtf8 > 0)
        return ENCODING_UTF8;
    return ENCODING_FITS;
}

// The raw bytes, NULs and all, which the line reader does not show.
static void FindEncoding(const wchar_t *path, CheckSummary *summary)
{
    HANDLE file;
    if (PlatformOpenFile(path, &file) != 0)
        return;
    EncodingScan scan;
    memset(&scan, 0, sizeof scan);
    char piece[4096];
    int count;
    while ((count = PlatformReadFile(file, piece, sizeof piece)) > 0)
        ScanEncoding(&scan, piece, count);
    PlatformCloseFile(file);
    summary->encoding = EncodingVerdict(&scan, summary->codePage);
    summary->nulBytes = scan.nulBytes;
    summary->endsWithLineFeed = scan.offset > 0 && scan.before[0] == '\n';
}

int CheckSettingFile(const wchar_t *path, unsigned codePage, VerdictHandler handler, void *context,
                     CheckSummary *summary)
{
    memset(summary, 0, sizeof *summary);
    summary->codePage = codePage;
    summary->ansiCodePage = ProbeAnsiCodePage(codePage);
    HANDLE file;
    if (PlatformOpenFile(path, &file) != 0)
        return 1;
    CheckState state;
    memset(&state, 0, sizeof state);
    state.path = path;
    state.handler = handler;
    state.context = context;
    state.summary = summary;
    state.vornRunning = -1;
    summary->trailingBytes = ReadSettingLines(file, CheckLine, &state);
    PlatformCloseFile(file);
    FindEncoding(path, summary);
    return 0;
}

int CheckExitStatus(const CheckSummary *summary)
{
    return summary->rejected || summary->warned || summary->trailingBytes || summary->nulBytes ||
                   summary->encoding != ENCODING_FITS
               ? 1
               : 0;
}
