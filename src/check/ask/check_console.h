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

// The number from 1 to count typed, in either width, with spaces around
// it; 0 for any other answer.
int ChosenNumber(const wchar_t *answer, int count);

// Whether questions can be asked: both the answers and the report are at
// a console (a terminal elsewhere), not a file, a pipe or a script.
int AnswersCanBeAsked();
// The capital letter alone, in either case and width, with spaces around it.
int SaysLetter(const wchar_t *answer, wchar_t letter);

#endif
