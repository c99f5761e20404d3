// vorn-check --add from the command line, and what the questions on a
// console share with it: the words for each reason, the line as shown,
// and the write.
#ifndef VORN_CHECK_HOTKEY_ADD_RUN_H
#define VORN_CHECK_HOTKEY_ADD_RUN_H

#include "check/add/hotkey_add.h"

// Why the line is not written, in the report's language and UTF-8: the
// refusal's reason where there is one, else that of warning (one
// AddWarning flag).
void AddReason(const AddVerdict *verdict, const HotkeyRequest *request, unsigned codePage, unsigned warning,
               char *reason, int capacity);

// The line of the request as the report shows a line, tabs as its mark.
void ShowHotkeyLine(const HotkeyRequest *request, char *shown, int capacity);

// Writes the verdict's line (accepted) into the file at path, which shown
// names: after the text of fix with the corrections --fix would make, told
// as --fix tells them, through the safe replace; or, where fix is null,
// into a new file. Then says how Vorn comes to use it. Returns 0 when the
// line is written, 2 when not, told why.
int WriteAddedLine(const wchar_t *path, const char *shown, const SettingFix *fix, const AddVerdict *verdict,
                   const HotkeyRequest *request);

// vorn-check --add COMBINATION ACTION [TARGET [PARAMETERS]], given the
// count arguments after --add: refuses with the reason, a warning
// included, or writes the line. Returns the exit status: 0 written, 1 not
// for what the line would do, 2 for the command line or the file.
int AddHotkeyCommand(const wchar_t *path, const char *shown, unsigned codePage, const char *const *arguments,
                     int count);

#endif
