// Reading "setting.vorn" into the binding table and registering its hotkeys.
#include "settings/setting_loader.h"
#include "settings/setting_line.h"
#include "settings/setting_reader.h"
#include "platform/platform.h"

#include <string.h>

// Every line takes the next slot, accepted or not, so slot k is always the
// (k+1)-th LF-terminated line of the file. Reading stops when the table is full.
static int ProcessLine(void *context, const char *line, int length)
{
    HWND window = (HWND)context;
    ParsedSettingLine parsed;
    if (length < SETTING_LINE_SIZE && ParseSettingLine(line, &parsed) == 0) {
        int slot = g_bindings.count;
        PlatformRegisterHotkey(window, HOTKEY_ID_BASE + slot, parsed.modifiers, parsed.keyCode);
        HotkeyBinding *binding = &g_bindings.slots[slot];
        binding->action = parsed.action;
        memcpy(binding->target, parsed.target, sizeof binding->target);
        memcpy(binding->parameters, parsed.parameters, sizeof binding->parameters);
    }
    ++g_bindings.count;
    return g_bindings.count >= MAX_BINDINGS;
}

int LoadSettingFile(HWND window)
{
    HANDLE file;
    if (PlatformOpenFile(L"setting.vorn", &file) != 0)
        return 1;
    // Text after the last LF is not a line and is dropped.
    ReadSettingLines(file, ProcessLine, window);
    PlatformCloseFile(file);
    return 0;
}
