// A POSIX host has no system-wide hotkeys, no Vorn, no Windows shell and no
// keyboard layouts of Windows': nothing is held, nothing runs, no target is
// judged and no combination types anything. A key that types a sign is that
// of the Japanese keyboard, which most users of the settings file have.
#include "check/check_probe.h"

#include <stddef.h>
#include <stdio.h>

int ProbeHotkeyIsHeld(unsigned, int)
{
    return 0;
}

int ProbeVornIsRunning()
{
    return 0;
}

TargetVerdict ProbeTarget(const char *, const wchar_t *)
{
    return TARGET_UNKNOWN;
}

// Windows gives each OEM code page of its Western, Central and Eastern
// European, Greek, Turkish, Hebrew, Arabic and Baltic locales an ANSI one of
// its own; the East Asian code pages, Thai and UTF-8 are their own ANSI.
unsigned ProbeAnsiCodePage(unsigned oemCodePage)
{
    static const unsigned OEM[] = {437, 850, 852, 866, 737, 857, 862, 720, 775};
    static const unsigned ANSI[] = {1252, 1252, 1250, 1251, 1253, 1254, 1255, 1256, 1257};
    for (size_t i = 0; i < sizeof OEM / sizeof OEM[0]; ++i) {
        if (OEM[i] == oemCodePage)
            return ANSI[i];
    }
    return oemCodePage;
}

int ProbeTypedCharacters(unsigned, int, TypedCharacter *, int)
{
    return 0;
}

enum { JAPANESE = 0x0411 };

void ProbeLayoutName(unsigned layout, int inEnglish, char *name, int capacity)
{
    if (layout == JAPANESE)
        snprintf(name, (size_t)capacity, "%s", inEnglish ? "Japanese (Japan)" : "日本語 (日本)");
    else
        snprintf(name, (size_t)capacity, "%04X", layout);
}

// The signs of the Japanese keyboard: the key each is on, and whether Shift types it.
static const struct {
    char sign;
    unsigned char keyCode;
    unsigned char shift;
} JAPANESE_SIGNS[] = {
    {'!', '1', 1},  {'"', '2', 1},  {'#', '3', 1},  {'$', '4', 1},  {'%', '5', 1},  {'&', '6', 1},
    {'\'', '7', 1}, {'(', '8', 1},  {')', '9', 1},  {'-', 0xBD, 0}, {'=', 0xBD, 1}, {'^', 0xDE, 0},
    {'~', 0xDE, 1}, {'\\', 0xDC, 0}, {'|', 0xDC, 1}, {'@', 0xC0, 0}, {'`', 0xC0, 1}, {'[', 0xDB, 0},
    {'{', 0xDB, 1}, {';', 0xBB, 0}, {'+', 0xBB, 1}, {':', 0xBA, 0}, {'*', 0xBA, 1}, {']', 0xDD, 0},
    {'}', 0xDD, 1}, {',', 0xBC, 0}, {'<', 0xBC, 1}, {'.', 0xBE, 0}, {'>', 0xBE, 1}, {'/', 0xBF, 0},
    {'?', 0xBF, 1}, {'_', 0xE2, 1},
};

int ProbeKeyForCharacter(char character, int *keyCode, unsigned *held, unsigned *layout)
{
    for (size_t i = 0; i < sizeof JAPANESE_SIGNS / sizeof JAPANESE_SIGNS[0]; ++i) {
        if (JAPANESE_SIGNS[i].sign == character) {
            *keyCode = JAPANESE_SIGNS[i].keyCode;
            *held = JAPANESE_SIGNS[i].shift;
            *layout = JAPANESE;
            return 1;
        }
    }
    return 0;
}
