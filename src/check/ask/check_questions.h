// What only the writer of a settings file knows, asked at the console once
// the certain corrections are made: which key a small letter or a sign was
// meant for, where the target of a line written with spaces ends, and that
// a key no line can bind wants another.
#ifndef VORN_CHECK_CHECK_QUESTIONS_H
#define VORN_CHECK_CHECK_QUESTIONS_H

#include <stdio.h>

#include "check/read/setting_fix.h"

// Asks about each line of applied's corrected text that the person at the
// console must settle, and puts that text with every answer into text, of
// capacity bytes; *length is its length. *asked tells whether anything was
// asked or said. Returns how many lines the answers change; text holds
// nothing to write where none do.
int AskAboutLines(const SettingFix *applied, char *text, int capacity, int *length, int *asked);

// After the answers are written: how many lines they changed, and where the
// original is kept where no certain correction has named it already.
void PrintAnswered(FILE *out, const char *path, int answered, int corrected, const char *backup);

#endif
