// A POSIX host has no system-wide hotkeys, no Vorn, no Windows shell and no
// keyboard layouts of Windows': nothing is held, nothing runs, no target is
// judged and no combination types anything.
#include "check/check_probe.h"

#include <stddef.h>

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
