// Cutting one settings line into its fields and resolving them.
#include "settings/setting_line.h"

#include <string.h>

// A field ends at the first tab of what remains or, when no tab is left, at
// the first CR; so a CR ends a field only when no tab follows it in the line.
static const char *FindFieldEnd(const char *text)
{
    const char *end = strchr(text, '\t');
    if (!end)
        end = strchr(text, '\r');
    return end;
}

void SplitSettingLine(const char *line, SettingLineFields *fields)
{
    const char *rest = line;
    for (int i = 0; i < SETTING_FIELD_COUNT; ++i) {
        const char *end = FindFieldEnd(rest);
        if (!end)
            end = rest + strlen(rest);
        fields->fields[i].text = rest;
        fields->fields[i].length = (int)(end - rest);
        if (*end)
            rest = end + 1;
        else
            rest = end;
        while (*rest == '\t')  // a run of tabs is one separator
            ++rest;
    }
}

static void CopyField(char *destination, int capacity, SettingField field)
{
    int length = field.length < capacity - 1 ? field.length : capacity - 1;
    memcpy(destination, field.text, length);
    destination[length] = '\0';
}

int ParseSettingLine(const char *line, ParsedSettingLine *parsed)
{
    SettingLineFields split;
    SplitSettingLine(line, &split);

    // Cleared whole, so nothing but the texts ever reaches the binding table.
    memset(parsed, 0, sizeof *parsed);
    parsed->modifiers = ParseModifierLetters(split.fields[0]);
    parsed->keyCode = LookupKeyName(split.fields[1]);
    parsed->action = LookupActionName(split.fields[2]);
    CopyField(parsed->target, sizeof parsed->target, split.fields[3]);
    CopyField(parsed->parameters, sizeof parsed->parameters, split.fields[4]);
    return parsed->keyCode != 0 && parsed->action != ACTION_NONE ? 0 : 1;
}
