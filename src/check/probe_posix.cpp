// A POSIX host has no system-wide hotkeys, no Vorn, no Windows shell and no
// keyboard layouts of Windows': nothing is held, nothing runs, no target is
// judged and no combination types anything.
#include "check/check_probe.h"

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
    static const unsigned PAIRS[][2] = {{437, 1252}, {850, 1252}, {852, 1250}, {866, 1251}, {737, 1253},
                                        {857, 1254}, {862, 1255}, {720, 1256}, {775, 1257}};
    for (const auto &pair : PAIRS) {
        if (pair[0] == oemCodePage)
            return pair[1];
    }
    return oemCodePage;
}

int ProbeTypedCharacters(unsigned, int, TypedCharacter *, int)
{
    return 0;
}
