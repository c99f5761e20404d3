// Settings text is 8-bit and read in the system's OEM code page; this is its
// one way to UTF-16, for the shell and for vorn-check alike.
#ifndef VORN_SETTINGS_SETTING_TEXT_H
#define VORN_SETTINGS_SETTING_TEXT_H

// Converts sourceBytes bytes into at most destinationChars UTF-16 units.
// Returns how many were written, 0 when the conversion failed.
int SettingTextToWide(const char *source, int sourceBytes, wchar_t *destination, int destinationChars);

#endif
