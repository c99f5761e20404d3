// The names that give meaning to the modifier, key and action fields.
#include "settings/setting_line.h"

#include <string.h>

const KeyName KeyNameTable[] = {
    {"END", VK_END},
    {"RIGHT", VK_RIGHT},
    {"LEFT", VK_LEFT},
    {nullptr, 0},
};

const ActionName ActionNameTable[] = {
    {"QUIT", ACTION_QUIT},
    {"ALERT", ACTION_ALERT},
    {"EXEC", ACTION_EXEC},
    {nullptr, ACTION_NONE},
};

// Exact, case-sensitive, byte-wise; a field longer than the name never matches.
static int FieldEquals(SettingField field, const char *name)
{
    return strlen(name) == (size_t)field.length && memcmp(field.text, name, field.length) == 0;
}

int32_t LookupKeyName(SettingField field)
{
    // The byte is taken as signed, so bytes of 0x80 and above give negative codes.
    if (field.length == 1)
        return (signed char)field.text[0];
    for (const KeyName *entry = KeyNameTable; entry->name; ++entry) {
        if (FieldEquals(field, entry->name))
            return (signed char)entry->code;
    }
    return 0;
}

ActionCode LookupActionName(SettingField field)
{
    for (const ActionName *entry = ActionNameTable; entry->name; ++entry) {
        if (FieldEquals(field, entry->name))
            return entry->action;
    }
    return ACTION_NONE;
}

unsigned ParseModifierLetters(SettingField field)
{
    // Byte-wise on purpose: the second byte of a double-byte character counts too.
    unsigned modifiers = 0;
    for (int i = 0; i < field.length; ++i) {
        switch (field.text[i]) {
        case 'A': modifiers |= MOD_ALT; break;
        case 'C': modifiers |= MOD_CONTROL; break;
        case 'S': modifiers |= MOD_SHIFT; break;
        case 'W': modifiers |= MOD_WIN; break;
        default: break;
        }
    }
    return modifiers;
}
