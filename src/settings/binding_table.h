// The binding table: one slot for every LF-terminated line of the settings
// file, so a fired hotkey's identifier leads back to its line's action.
#ifndef VORN_SETTINGS_BINDING_TABLE_H
#define VORN_SETTINGS_BINDING_TABLE_H

#include <stdint.h>

#include "platform/win32_values.h"

typedef int32_t ActionCode;

enum {
    ACTION_NONE = 0,
    ACTION_QUIT = 1,
    ACTION_ALERT = 2,
    ACTION_EXEC = 3
};

enum {
    MAX_BINDINGS = 50,
    HOTKEY_ID_BASE = 10000,
    SETTING_TEXT_SIZE = 260
};

struct HotkeyBinding {
    ActionCode action;  // ACTION_NONE for an empty slot or a rejected line
    char target[SETTING_TEXT_SIZE];
    char parameters[SETTING_TEXT_SIZE];
};

struct BindingTable {
    HotkeyBinding slots[MAX_BINDINGS];
    int32_t count;  // slots used, accepted or not; never above MAX_BINDINGS
};

// Filled once by LoadSettingFile, read-only afterwards.
extern BindingTable g_bindings;

// Releases the identifiers of every used slot, empty ones included.
void UnregisterBindings(HWND window);

// The slot index a WM_HOTKEY identifier stands for, or -1 when the
// identifier is none of ours (any program can post WM_HOTKEY).
int SlotFromHotkeyId(unsigned long long id);

#endif
