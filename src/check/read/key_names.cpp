// The names people give keys: Microsoft's virtual-key names, the modifier
// words, the names Vorn itself reads and the labels keyboards show. The corrections and the lines
// vorn-check adds read keys through these alone.
#include "check/read/key_names.h"
#include "settings/setting_line.h"

#include <stdio.h>
#include <string.h>

struct VirtualKeyName {
    const char *name;
    unsigned char code;
};

// Microsoft's virtual-key names without VK_, and the short forms people
// write; F1 to F24 and the numeric keypad's digits are read by pattern.
static const VirtualKeyName VIRTUAL_KEYS[] = {
    {"LBUTTON", 0x01}, {"RBUTTON", 0x02}, {"CANCEL", 0x03}, {"MBUTTON", 0x04}, {"XBUTTON1", 0x05},
    {"XBUTTON2", 0x06}, {"BACK", 0x08}, {"BACKSPACE", 0x08}, {"TAB", 0x09}, {"CLEAR", 0x0C}, {"RETURN", 0x0D},
    {"ENTER", 0x0D}, {"SHIFT", 0x10}, {"CONTROL", 0x11}, {"CTRL", 0x11}, {"MENU", 0x12}, {"ALT", 0x12},
    {"PAUSE", 0x13}, {"CAPITAL", 0x14}, {"CAPSLOCK", 0x14}, {"KANA", 0x15}, {"HANGUL", 0x15}, {"IME_ON", 0x16},
    {"JUNJA", 0x17}, {"FINAL", 0x18}, {"HANJA", 0x19}, {"KANJI", 0x19}, {"IME_OFF", 0x1A}, {"ESCAPE", 0x1B},
    {"ESC", 0x1B}, {"CONVERT", 0x1C}, {"NONCONVERT", 0x1D}, {"ACCEPT", 0x1E}, {"MODECHANGE", 0x1F},
    {"SPACE", 0x20}, {"SPACEBAR", 0x20}, {"PRIOR", 0x21}, {"PAGEUP", 0x21}, {"PGUP", 0x21}, {"NEXT", 0x22},
    {"PAGEDOWN", 0x22}, {"PGDN", 0x22}, {"PGDOWN", 0x22}, {"HOME", 0x24}, {"ARROWLEFT", 0x25}, {"UP", 0x26},
    {"ARROWUP", 0x26}, {"ARROWRIGHT", 0x27}, {"DOWN", 0x28}, {"ARROWDOWN", 0x28}, {"SELECT", 0x29},
    {"PRINT", 0x2A}, {"EXECUTE", 0x2B}, {"SNAPSHOT", 0x2C}, {"PRINTSCREEN", 0x2C}, {"PRTSC", 0x2C},
    {"PRTSCN", 0x2C}, {"INSERT", 0x2D}, {"INS", 0x2D}, {"DELETE", 0x2E}, {"DEL", 0x2E}, {"HELP", 0x2F},
    {"LWIN", 0x5B}, {"RWIN", 0x5C}, {"APPS", 0x5D}, {"SLEEP", 0x5F}, {"MULTIPLY", 0x6A}, {"ADD", 0x6B},
    {"SEPARATOR", 0x6C}, {"SUBTRACT", 0x6D}, {"DECIMAL", 0x6E}, {"DIVIDE", 0x6F}, {"NUMLOCK", 0x90},
    {"SCROLL", 0x91}, {"SCROLLLOCK", 0x91}, {"LSHIFT", 0xA0}, {"RSHIFT", 0xA1}, {"LCONTROL", 0xA2},
    {"RCONTROL", 0xA3}, {"LMENU", 0xA4}, {"RMENU", 0xA5}, {"BROWSER_BACK", 0xA6}, {"BROWSER_FORWARD", 0xA7},
    {"BROWSER_REFRESH", 0xA8}, {"BROWSER_STOP", 0xA9}, {"BROWSER_SEARCH", 0xAA}, {"BROWSER_FAVORITES", 0xAB},
    {"BROWSER_HOME", 0xAC}, {"VOLUME_MUTE", 0xAD}, {"VOLUME_DOWN", 0xAE}, {"VOLUME_UP", 0xAF},
    {"MEDIA_NEXT_TRACK", 0xB0}, {"MEDIA_PREV_TRACK", 0xB1}, {"MEDIA_STOP", 0xB2}, {"MEDIA_PLAY_PAUSE", 0xB3},
    {"LAUNCH_MAIL", 0xB4}, {"LAUNCH_MEDIA_SELECT", 0xB5}, {"LAUNCH_APP1", 0xB6}, {"LAUNCH_APP2", 0xB7},
    {"OEM_1", 0xBA}, {"OEM_PLUS", 0xBB}, {"OEM_COMMA", 0xBC}, {"OEM_MINUS", 0xBD}, {"OEM_PERIOD", 0xBE},
    {"OEM_2", 0xBF}, {"OEM_3", 0xC0}, {"OEM_4", 0xDB}, {"OEM_5", 0xDC}, {"OEM_6", 0xDD}, {"OEM_7", 0xDE},
    {"OEM_8", 0xDF}, {"OEM_102", 0xE2}, {"PROCESSKEY", 0xE5}, {"PACKET", 0xE7}, {"ATTN", 0xF6},
    {"CRSEL", 0xF7}, {"EXSEL", 0xF8}, {"EREOF", 0xF9}, {"PLAY", 0xFA}, {"ZOOM", 0xFB}, {"PA1", 0xFD},
    {"OEM_CLEAR", 0xFE},
};

// The modifier words people write, each for the letter Vorn reads.
static const struct {
    const char *word;
    char letter;
} MODIFIER_WORDS[] = {
    {"CTRL", 'C'}, {"CONTROL", 'C'}, {"CTL", 'C'}, {"ALT", 'A'}, {"SHIFT", 'S'}, {"WIN", 'W'}, {"WINDOWS", 'W'},
};

char Upper(char c)
{
    return c >= 'a' && c <= 'z' ? (char)(c - 'a' + 'A') : c;
}

int EqualsIgnoringCase(const char *text, int length, const char *name)
{
    int i = 0;
    for (; i < length && name[i]; ++i) {
        if (Upper(text[i]) != name[i])
            return 0;
    }
    return i == length && !name[i];
}

// "F5", "NUMPAD5", "NUM5": the code, or 0.
static int PatternKeyCode(const char *name, int length)
{
    static const struct {
        const char *prefix;
        int first, last, base;
    } PATTERNS[] = {{"F", 1, 24, 0x70 - 1}, {"NUMPAD", 0, 9, 0x60}, {"NUM", 0, 9, 0x60}};
    for (const auto &pattern : PATTERNS) {
        int prefix = (int)strlen(pattern.prefix);
        if (length <= prefix || length > prefix + 2 || !EqualsIgnoringCase(name, prefix, pattern.prefix))
            continue;
        int number = 0;
        for (int i = prefix; i < length; ++i) {
            if (name[i] < '0' || name[i] > '9')
                return 0;
            number = number * 10 + name[i] - '0';
        }
        if (number >= pattern.first && number <= pattern.last && !(length == prefix + 2 && name[prefix] == '0'))
            return pattern.base + number;
    }
    return 0;
}

int VirtualKeyCode(const char *name, int length)
{
    if (length > 3 && EqualsIgnoringCase(name, 3, "VK_")) {
        name += 3;
        length -= 3;
    }
    for (size_t i = 0; i < sizeof VIRTUAL_KEYS / sizeof VIRTUAL_KEYS[0]; ++i) {
        if (EqualsIgnoringCase(name, length, VIRTUAL_KEYS[i].name))
            return VIRTUAL_KEYS[i].code;
    }
    return PatternKeyCode(name, length);
}

const char *VornKeyName(const char *name, int length, int keyCode)
{
    for (const KeyName *entry = KeyNameTable; entry->name; ++entry) {
        if (EqualsIgnoringCase(name, length, entry->name) || entry->code == keyCode)
            return entry->name;
    }
    return nullptr;
}

char ModifierWordLetter(const char *word, int length)
{
    for (size_t i = 0; i < sizeof MODIFIER_WORDS / sizeof MODIFIER_WORDS[0]; ++i) {
        if (EqualsIgnoringCase(word, length, MODIFIER_WORDS[i].word))
            return MODIFIER_WORDS[i].letter;
    }
    return 0;
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

const char *const NUMPAD_KEYS[16] = {"0", "1", "2", "3", "4", "5", "6", "7",
                                     "8", "9", "*", "+", "Separator", "-", ".", "/"};

const char *KeyLabel(int32_t keyCode, char *label, size_t capacity)
{
    if (keyCode > 0 && keyCode < 0x30 && LOW_KEYS[keyCode])
        return LOW_KEYS[keyCode];
    if ((keyCode >= 'A' && keyCode <= 'Z') || (keyCode >= '0' && keyCode <= '9'))
        snprintf(label, capacity, "%c", (char)keyCode);
    else if (keyCode >= 0x5B && keyCode <= 0x5D)
        return keyCode == 0x5B ? "Left Win" : keyCode == 0x5C ? "Right Win" : "Menu";
    else if (keyCode == 0x5F)
        return "Sleep";
    else if (keyCode >= 0x70 && keyCode <= 0x7F)
        snprintf(label, capacity, "F%d", keyCode - 0x70 + 1);
    else
        return nullptr;
    return label;
}
