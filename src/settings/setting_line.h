// The grammar of one settings line: five tab-separated fields, the names
// that may stand in them, and the parse of a line into a binding.
#ifndef VORN_SETTINGS_SETTING_LINE_H
#define VORN_SETTINGS_SETTING_LINE_H

#include "settings/binding_table.h"

enum { SETTING_FIELD_COUNT = 5 };

// Where a field stands in the line; fields are not NUL-terminated.
struct SettingField {
    const char *text;
    int length;
};

// Fields 1 to 5: modifiers, key, action, target, parameters.
struct SettingLineFields {
    SettingField fields[SETTING_FIELD_COUNT];
};

struct ParsedSettingLine {
    unsigned modifiers;
    int32_t keyCode;  // 0: the key field gave no code
    ActionCode action;  // ACTION_NONE: the action field gave no action
    char target[SETTING_TEXT_SIZE];
    char parameters[SETTING_TEXT_SIZE];
};

struct KeyName {
    const char *name;
    unsigned char code;
};

struct ActionName {
    const char *name;
    ActionCode action;
};

// Both tables end with an entry whose name is null.
extern const KeyName KeyNameTable[];
extern const ActionName ActionNameTable[];

// Cuts a line (without its LF) into its five fields.
void SplitSettingLine(const char *line, SettingLineFields *fields);

// Returns 0 when the line is accepted (key code and action both non-zero),
// non-zero when it is rejected. *parsed is filled either way.
int ParseSettingLine(const char *line, ParsedSettingLine *parsed);

// One byte names its own virtual key; a longer field must equal a key name.
int32_t LookupKeyName(SettingField field);

ActionCode LookupActionName(SettingField field);

// MOD_ flags for every A, C, S and W byte in the field; other bytes count for nothing.
unsigned ParseModifierLetters(SettingField field);

#endif
