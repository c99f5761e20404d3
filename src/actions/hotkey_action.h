// Performing the action of a fired hotkey.
#ifndef VORN_ACTIONS_HOTKEY_ACTION_H
#define VORN_ACTIONS_HOTKEY_ACTION_H

#include "settings/binding_table.h"

enum { WIDE_TEXT_SIZE = 260 };

// Runs the action stored in slot slotIndex. An index outside the table, or a
// slot without an action, does nothing. Returns 0 in every case.
int RunHotkeyAction(int slotIndex, HWND window);

// Converts an 8-bit settings text by the OEM code page and encloses it in
// double quotes. A failed conversion gives the two quotes alone; a text too
// long for the destination is cut, and the closing quote is kept.
wchar_t *ToQuotedWide(const char source[SETTING_TEXT_SIZE], wchar_t destination[WIDE_TEXT_SIZE]);

#endif
