// A POSIX host has no system-wide hotkeys, no Vorn and no Windows shell:
// nothing is held, nothing runs, and no target is judged.
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
