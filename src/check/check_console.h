// vorn-check's questions to the person at the console: whether anyone is
// there to answer, and what they typed.
#ifndef VORN_CHECK_CHECK_CONSOLE_H
#define VORN_CHECK_CHECK_CONSOLE_H

#include <wchar.h>

#ifdef _WIN32
// Whether the console is vorn-check's own and on screen, as after a
// double-click: the window closes with it, so it waits for Enter there.
int OnlyOwnVisibleConsole();
#endif

// The line typed up to Enter, without its line end; empty at the end of input.
void ReadAnswer(wchar_t *answer, int capacity);

// Y, yes or はい, in either case and width, with spaces around it.
int SaysYes(const wchar_t *answer);

// The capital letter alone, in either case and width, with spaces around it.
int SaysLetter(const wchar_t *answer, wchar_t letter);

#endif
