// The one binding table of the process and the identifiers of its slots.
#include "settings/binding_table.h"
#include "platform/platform.h"

BindingTable g_bindings;

void UnregisterBindings(HWND window)
{
    for (int i = 0; i < g_bindings.count; ++i)
        PlatformUnregisterHotkey(window, HOTKEY_ID_BASE + i);
}

int SlotFromHotkeyId(unsigned long long id)
{
    if (id < HOTKEY_ID_BASE || id >= HOTKEY_ID_BASE + (unsigned long long)MAX_BINDINGS)
        return -1;
    return (int)(id - HOTKEY_ID_BASE);
}
