#include "check/ask/check_questions.h"
#include "check/ask/check_console.h"
#include "check/report/check_report.h"

#include <string.h>

enum { ANSWER_SIZE = 64, SHOWN_LINE_SIZE = SETTING_LINE_SIZE * 8 + 1 };

// The corrected text, its lines judged again as the next run would.
static SettingFix g_corrected;

static int IsLetterOrDigit(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// The line, its tabs marked, in the report's words.
static void Shown(const char *line, int length, char *shown)
{
    ShowSettingLine(line, length, shown, SHOWN_LINE_SIZE);
}

// Which of count readings the user chose: the one whose number was typed, or
// 0 for the line as it stands.
static int AskForReading(const LineFix *line, const char *body, int length, char *reading)
{
    char shown[SHOWN_LINE_SIZE];
    char readings[MAX_SPLITS][FIX_LINE_SIZE];
    int lengths[MAX_SPLITS];
    Shown(body, length, shown);
    PrintText(stdout, TEXT_ASK_SPLIT, line->number, shown);
    for (int i = 0; i < line->splitCount; ++i) {
        lengths[i] = SpacedLineReading(g_corrected.codePage, g_corrected.path, line, i + 1, readings[i], FIX_LINE_SIZE);
        Shown(readings[i], lengths[i], shown);
        PrintText(stdout, TEXT_READING, i + 1, shown);
    }
    PrintText(stdout, TEXT_ASK_CHOICE);
    wchar_t answer[ANSWER_SIZE];
    ReadAnswer(answer, ANSWER_SIZE);
    int chosen = ChosenNumber(answer, line->splitCount);
    if (chosen == 0)
        return 0;
    memcpy(reading, readings[chosen - 1], (size_t)lengths[chosen - 1]);
    return lengths[chosen - 1];
}

// A key name that no line can bind: nothing to offer but another key, shown
// in the line with the name's first letter, or K.
static void TellToChooseAnotherKey(const LineFix *line, const char *body, int length)
{
    SettingLineFields split;
    SplitSettingLine(body, &split);
    SettingField key = split.fields[1];
    char name[FIX_LINE_SIZE], example[FIX_LINE_SIZE], shown[SHOWN_LINE_SIZE], shownExample[SHOWN_LINE_SIZE];
    snprintf(name, sizeof name, "%.*s", key.length, key.text);
    char letter = key.length > 0 && key.text[0] >= 'a' && key.text[0] <= 'z' ? (char)(key.text[0] - 'a' + 'A')
                                                                             : key.text[0];
    int exampleLength = SuggestLine(body, length, 0, letter >= 'A' && letter <= 'Z' ? letter : 'K', example,
                                    sizeof example);
    Shown(body, length, shown);
    Shown(example, exampleLength, shownExample);
    PrintText(stdout, TEXT_CHOOSE_ANOTHER_KEY, line->number, shown, name, shownExample);
}

// A small letter or a sign as the key binds some other key than its
// capital or the key that types it; Y writes the line for the latter.
static int AskForKey(const LineFix *line, const char *body, int length, char *reading, int *asked)
{
    ParsedSettingLine parsed;
    SettingLineFields split;
    SplitSettingLine(body, &split);
    char character = split.fields[1].text[0];
    if (ParseSettingLine(body, &parsed) != 0 || split.fields[1].length != 1 || character <= ' ' ||
        character >= 0x7F || IsLetterOrDigit(character))
        return 0;
    char key = 0, typedWith[FIX_LINE_SIZE] = "";
    int keyCode = 0;
    unsigned held = 0, layout = 0;
    if (character >= 'a' && character <= 'z') {
        key = (char)(character - 'a' + 'A');
    } else if (ProbeKeyForCharacter(character, &keyCode, &held, &layout) && !(held & ~1u) &&
               IsLetterOrDigit((char)keyCode)) {
        // Only a key the line can name with Shift at most types the sign.
        key = (char)keyCode;
        snprintf(typedWith, sizeof typedWith, "%s%c", held ? "Shift+" : "", key);
    }
    if (!key)
        return 0;
    int readingLength = SuggestLine(body, length, held != 0, key, reading, FIX_LINE_SIZE);
    char combination[FIX_LINE_SIZE], shown[SHOWN_LINE_SIZE], shownReading[SHOWN_LINE_SIZE];
    NameCombination(&parsed, combination, sizeof combination);
    Shown(body, length, shown);
    Shown(reading, readingLength, shownReading);
    if (typedWith[0])
        PrintText(stdout, TEXT_ASK_SIGN_KEY, line->number, shown, combination, character, typedWith, shownReading);
    else
        PrintText(stdout, TEXT_ASK_LETTER_KEY, line->number, shown, combination, key, shownReading);
    *asked = 1;
    wchar_t answer[ANSWER_SIZE];
    ReadAnswer(answer, ANSWER_SIZE);
    return SaysYes(answer) ? readingLength : 0;
}

// The line the answer gives, without its line end, into reading; returns
// its length, 0 where the line stays. A line whose key a correction has
// just written as the character Vorn reads binds what its name meant.
static int AskAboutLine(const LineFix *line, unsigned corrected, char *reading, int *asked)
{
    char body[FIX_LINE_SIZE];
    int length = line->beforeLength - (line->beforeLength > 0 && line->before[line->beforeLength - 1] == '\r');
    if (length <= 0 || length >= SETTING_LINE_SIZE)
        return 0;
    memcpy(body, line->before, (size_t)length);
    body[length] = '\0';
    if ((line->notes & NOTE_SPLITS) && line->splitCount <= MAX_SPLITS) {
        *asked = 1;
        return AskForReading(line, body, length, reading);
    }
    if (line->notes & NOTE_KEY_CANNOT_BIND) {
        *asked = 1;
        TellToChooseAnotherKey(line, body, length);
        return 0;
    }
    if (corrected & CORRECTED_KEY_NAME)
        return 0;
    return AskForKey(line, body, length, reading, asked);
}

static int Add(char *text, int capacity, int *length, const char *bytes, int count)
{
    if (*length + count > capacity)
        return 1;
    memcpy(text + *length, bytes, (size_t)count);
    *length += count;
    return 0;
}

int AskAboutLines(const SettingFix *applied, char *text, int capacity, int *length, int *asked)
{
    *length = 0;
    *asked = 0;
    // What the writer cannot yet convert or has cut is the user's first.
    if (applied->tooLarge || applied->misread || applied->unconvertibleCount > 0)
        return 0;
    g_corrected.path = applied->path;
    FixSettingText(applied->fixed, applied->fixedLength, applied->codePage, &g_corrected);
    LineFix line, before;
    memset(&line, 0, sizeof line);
    memset(&before, 0, sizeof before);
    int answered = 0, full = 0;
    // The corrected text has a line for each of the file's, in order.
    while (NextLineFix(&g_corrected, &line)) {
        unsigned corrected = NextLineFix(applied, &before) ? before.corrections : 0;
        char reading[FIX_LINE_SIZE];
        int readingLength = AskAboutLine(&line, corrected, reading, asked);
        int cr = line.beforeLength > 0 && line.before[line.beforeLength - 1] == '\r';
        if (readingLength > 0) {
            full |= Add(text, capacity, length, reading, readingLength) | (cr && Add(text, capacity, length, "\r", 1));
            ++answered;
        } else {
            full |= Add(text, capacity, length, line.before, line.beforeLength);
        }
        if (line.before + line.beforeLength < g_corrected.text + g_corrected.textLength)
            full |= Add(text, capacity, length, "\n", 1);
    }
    return full ? 0 : answered;
}

void PrintAnswered(FILE *out, const char *path, int answered, int corrected, const char *backup)
{
    if (answered > 0)
        PrintText(out, corrected ? TEXT_ALSO_ANSWERED : TEXT_ANSWERED, path, answered, backup);
}
