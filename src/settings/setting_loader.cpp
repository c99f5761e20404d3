// Reading "setting.vorn" into the binding table and registering its hotkeys.
#include "settings/setting_loader.h"
#include "settings/setting_line.h"
#include "platform/platform.h"

#include <string.h>

enum {
    CHUNK_SIZE = 100,  // reads of at most 99 bytes, so a chunk always ends with a NUL
    LINE_SIZE = 200    // at most 199 bytes of a line, CR included, LF not
};

// Every line takes the next slot, accepted or not, so slot k is always the
// (k+1)-th LF-terminated line of the file.
static void ProcessLine(HWND window, const char *line, int tooLong)
{
    ParsedSettingLine parsed;
    if (!tooLong && ParseSettingLine(line, &parsed) == 0) {
        int slot = g_bindings.count;
        PlatformRegisterHotkey(window, HOTKEY_ID_BASE + slot, parsed.modifiers, parsed.keyCode);
        HotkeyBinding *binding = &g_bindings.slots[slot];
        binding->action = parsed.action;
        memcpy(binding->target, parsed.target, sizeof binding->target);
        memcpy(binding->parameters, parsed.parameters, sizeof binding->parameters);
    }
    ++g_bindings.count;
}

int LoadSettingFile(HWND window)
{
    HANDLE file;
    if (PlatformOpenFile(L"setting.vorn", &file) != 0)
        return 1;

    // The line is gathered byte by byte, so whether it fits never depends on
    // where the reads fall. A line longer than the buffer is skipped to its LF
    // and rejected; its neighbours keep their own slots.
    char line[LINE_SIZE];
    int length = 0;
    int tooLong = 0;
    while (g_bindings.count < MAX_BINDINGS) {
        char chunk[CHUNK_SIZE];
        memset(chunk, 0, sizeof chunk);
        if (PlatformReadFile(file, chunk, CHUNK_SIZE - 1) <= 0)
            break;
        // A NUL byte ends the chunk's text; the rest of that chunk is lost.
        for (const char *p = chunk; *p && g_bindings.count < MAX_BINDINGS; ++p) {
            if (*p == '\n') {
                line[length] = '\0';
                ProcessLine(window, line, tooLong);
                length = 0;
                tooLong = 0;
            } else if (length < LINE_SIZE - 1) {
                line[length++] = *p;
            } else {
                tooLong = 1;
            }
        }
    }
    // Text after the last LF is not a line and is dropped.
    PlatformCloseFile(file);
    return 0;
}
