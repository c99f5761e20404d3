// Cutting the settings file into LF-terminated lines, as the program and
// vorn-check both read it.
#ifndef VORN_SETTINGS_SETTING_READER_H
#define VORN_SETTINGS_SETTING_READER_H

#include "platform/win32_values.h"

enum {
    SETTING_READ_SIZE = 99,   // the file is read in pieces of 99 bytes
    SETTING_LINE_SIZE = 200   // a line of up to 199 bytes, CR included, LF not, is read whole
};

// Called for every LF-terminated line, in order. length is the line's full
// length without the LF; line holds it NUL-terminated when it is shorter
// than SETTING_LINE_SIZE and only its beginning otherwise. Returns 0 to go
// on reading, non-zero to stop.
typedef int (*SettingLineHandler)(void *context, const char *line, int length);

// Reads the open file until its end or a failed read and hands each line to
// handler. Returns how many bytes followed the last LF; they form no line.
int ReadSettingLines(HANDLE file, SettingLineHandler handler, void *context);

#endif
