#include "check/setting_check.h"
#include "platform/platform.h"

#include <string.h>

enum { LONGEST_NAME = 9 };

struct Combination {
    unsigned modifiers;
    int32_t keyCode;
    int line;
};

struct CheckState {
    VerdictHandler handler;
    void *context;
    CheckSummary *summary;
    Combination bound[MAX_BINDINGS];
    int boundCount;
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
    if (!strchr(verdict->text, '\t'))
        return PROBLEM_NO_TAB;
    if (verdict->parsed.keyCode == 0) {
        if (fields[1].length == 0)
            return PROBLEM_EMPTY_KEY;
        return EndsWithSpace(fields[1]) ? PROBLEM_KEY_TRAILING_SPACE : PROBLEM_UNKNOWN_KEY;
    }
    if (verdict->parsed.action == ACTION_NONE) {
        if (fields[2].length == 0)
            return PROBLEM_EMPTY_ACTION;
        return EndsWithSpace(fields[2]) ? PROBLEM_ACTION_TRAILING_SPACE : PROBLEM_UNKNOWN_ACTION;
    }
    return PROBLEM_NONE;
}

static unsigned FindWarnings(CheckState *state, LineVerdict *verdict)
{
    unsigned warnings = 0;
    SettingField modifiers = verdict->fields.fields[0];
    SettingField key = verdict->fields.fields[1];
    if (modifiers.length > LONGEST_NAME)
        warnings |= WARNING_LONG_MODIFIERS;
    for (int i = 0; i < modifiers.length; ++i) {
        if (!strchr("ACSW", modifiers.text[i]))
            warnings |= WARNING_OTHER_MODIFIER_BYTES;
    }
    if (verdict->parsed.modifiers == 0)
        warnings |= WARNING_NO_MODIFIER;
    if (key.length == 1 && key.text[0] >= 'a' && key.text[0] <= 'z')
        warnings |= WARNING_SMALL_LETTER;
    if (verdict->parsed.keyCode < 0)
        warnings |= WARNING_HIGH_BYTE_KEY;

    for (int i = 0; i < state->boundCount; ++i) {
        const Combination *earlier = &state->bound[i];
        if (earlier->modifiers == verdict->parsed.modifiers && earlier->keyCode == verdict->parsed.keyCode) {
            warnings |= WARNING_DUPLICATE;
            verdict->duplicateOf = earlier->line;
            return warnings;
        }
    }
    // Only a combination the file has not already taken can be held by someone else.
    if (PlatformHotkeyIsHeld(verdict->parsed.modifiers, verdict->parsed.keyCode))
        warnings |= WARNING_HELD_ELSEWHERE;
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
    SplitSettingLine(line, &verdict.fields);
    ParseSettingLine(line, &verdict.parsed);

    verdict.problem = FindProblem(&verdict);
    if (verdict.problem == PROBLEM_NONE) {
        ++summary->bound;
        verdict.warnings = FindWarnings(state, &verdict);
        if (verdict.warnings)
            ++summary->warned;
    } else if (verdict.problem == PROBLEM_BLANK) {
        ++summary->blank;
    } else {
        ++summary->rejected;
    }
    state->handler(state->context, &verdict);
    return 0;
}

int CheckSettingFile(const wchar_t *path, VerdictHandler handler, void *context, CheckSummary *summary)
{
    memset(summary, 0, sizeof *summary);
    HANDLE file;
    if (PlatformOpenFile(path, &file) != 0)
        return 1;
    CheckState state;
    memset(&state, 0, sizeof state);
    state.handler = handler;
    state.context = context;
    state.summary = summary;
    summary->trailingBytes = ReadSettingLines(file, CheckLine, &state);
    PlatformCloseFile(file);
    return 0;
}

int CheckExitStatus(const CheckSummary *summary)
{
    return summary->rejected || summary->warned || summary->trailingBytes ? 1 : 0;
}
