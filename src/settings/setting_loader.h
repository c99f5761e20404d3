// Loading the settings file into the binding table.
#ifndef VORN_SETTINGS_SETTING_LOADER_H
#define VORN_SETTINGS_SETTING_LOADER_H

#include "settings/binding_table.h"

// Reads "setting.vorn" from the working directory, registers every accepted
// line as a hotkey on window and records it. Returns 0 when the file could be
// opened, whatever it held, and non-zero when it could not.
int LoadSettingFile(HWND window);

#endif
